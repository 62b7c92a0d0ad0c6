// Triple-DES on hexadecimal strings, through the shared DES engine.
#include "crypto/C_DES.h"
#include "types/C_StringHexa.h"

C_StringHexa C_StringHexa::TripleDES(const C_StringHexa& key, int mode) const {
    if (key.GetLength() != 32) throw xWrongKeyLength{};
    if (GetLength() != 16) throw xWrongDataLength{};
    if (mode != 0 && mode != 1) throw xWrongTDESMode{};
    C_DES& engine = C_DES::Instance();
    const char* k = key.m_value.data();
    engine.SetKeysHexa(k, k + 16);
    std::string block = m_value;  // a private copy of the 16 digits
    engine.CalTripleDESHexa(mode, block.data());
    return C_StringHexa(Trusted{}, std::move(block));
}
