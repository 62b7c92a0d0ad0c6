// Triple-DES on hexadecimal strings, through the shared DES engine.
#include <cstring>

#include "crypto/C_DES.h"
#include "types/C_StringHexa.h"

void C_StringHexa::TripleDES(std::string_view key, std::string_view block, int mode, char result[16]) {
    if (key.size() != 32) throw xWrongKeyLength{};
    if (block.size() != 16) throw xWrongDataLength{};
    if (mode != 0 && mode != 1) throw xWrongTDESMode{};
    // SetKeysHexa with K1 and K2, then CalTripleDESHexa, as one engine step;
    // the keys loaded already (a job's calls under one key) are not loaded again.
    if (result != block.data()) std::memcpy(result, block.data(), 16);
    C_DES& engine = C_DES::Instance();
    if (engine.KeysLoadedHexa(key.data(), key.data() + 16)) {
        engine.CalTripleDESHexa(mode, result);  // slot 0 current afterwards, as ever
    } else {
        engine.SetKeysAndCalTripleDESHexa(mode, key.data(), key.data() + 16, result);
    }
}

void C_StringHexa::TripleDES(const C_StringHexa& key, int mode) {
    TripleDES(key.m_value, m_value, mode, m_value.data());
}
