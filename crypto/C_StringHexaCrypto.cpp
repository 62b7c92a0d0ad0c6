// Triple-DES on hexadecimal strings, through the shared DES engine.
#include "crypto/C_DES.h"
#include "types/C_StringHexa.h"

void C_StringHexa::TripleDES(const C_StringHexa& key, int mode) {
    if (key.GetLength() != 32) throw xWrongKeyLength{};
    if (GetLength() != 16) throw xWrongDataLength{};
    if (mode != 0 && mode != 1) throw xWrongTDESMode{};
    // SetKeysHexa with K1 and K2, then CalTripleDESHexa, as one engine step.
    const char* k = key.m_value.data();
    C_DES::Instance().SetKeysAndCalTripleDESHexa(mode, k, k + 16, m_value.data());
}
