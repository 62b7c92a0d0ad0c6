#pragma once
// The key check value of a DES or Triple-DES key: the leftmost digits of the
// encryption of a block of zeros under the key, printed beside a key so that
// whoever loads it can tell it arrived whole without seeing the key itself.

#include <cstddef>
#include <string_view>

class C_KeyCheckValue final {
public:
    class xWrongDigits final {};  // a digit count outside 0 to 16

    // The digit count that 0 asks for.
    static constexpr int kDefaultDigits = 6;

    // The first `digits` digits (0 meaning kDefaultDigits, else 1 to 16) of
    // E(key, 0000000000000000), with `key` of 16, 32 or 48 digits as C_DESKey
    // takes it. Checks, in this order: the key (C_DESKey::xInvalidKey, then
    // C_DESKey::xWrongKeyLength), then `digits` (xWrongDigits).
    C_KeyCheckValue(std::string_view key, int digits);

    std::string_view GetValue() const noexcept { return {m_text, m_digits}; }

private:
    char m_text[16]{};
    std::size_t m_digits;
};
