#pragma once
// Message authentication codes of ISO/IEC 9797-1 with DES and Triple-DES:
//  - MAC algorithm 1: cipher-block chaining of the padded data under the key's
//    own cipher (crypto/C_DESKey.h: single DES or Triple-DES), from a zero
//    block; the MAC is the last block;
//  - MAC algorithm 3 (the retail MAC): cipher-block chaining with single DES
//    under K1, then the last block deciphered under K2 and enciphered under K1
//    again (K3 for a key of three parts).
// Padding method 1 fills the last block with zero bytes (no block is added to
// data of whole blocks; empty data is one block of zeros); padding method 2
// appends 80 and then zero bytes up to a whole block (always at least 80).

#include <string_view>

class C_MAC final {
public:
    class xInvalidData final {};     // not upper-case hexadecimal, an odd number of digits, or over 60000 digits
    class xWrongAlgorithm final {};  // an algorithm other than 1 and 3
    class xWrongPadding final {};    // a padding method other than 1 and 2

    // The MAC of `data` (bytes as hexadecimal digits, possibly none) under `key`
    // (16, 32 or 48 digits; 32 or 48 for algorithm 3): the whole last block, 16
    // digits, of which a caller keeps the leftmost ones it needs. Checks, in
    // this order: the key (C_DESKey::xInvalidKey, then C_DESKey::xWrongKeyLength,
    // which includes a single DES key with algorithm 3), the data
    // (xInvalidData), the algorithm (xWrongAlgorithm), the padding
    // (xWrongPadding).
    C_MAC(std::string_view key, std::string_view data, int algorithm, int padding);

    std::string_view GetValue() const noexcept { return {m_text, 16}; }

private:
    char m_text[16]{};
};
