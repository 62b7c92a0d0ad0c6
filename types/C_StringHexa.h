#pragma once
// A number or byte string written in upper-case hexadecimal digits: the type most
// of the library speaks (keys, data blocks, image fields, TLV data).

#include <string>
#include <string_view>

#include "types/C_StringType.h"

class C_StringHexa : public C_StringType {
public:
    // Failures owned by the hexadecimal strings.
    class xDifferentLengths final {};
    class xTagNotFound final {};
    class xErrorTagLength final {};
    class xWrongKeyLength final {};
    class xWrongDataLength final {};
    class xWrongTDESMode final {};
    class xWrongMode final {};

    C_StringHexa() = default;
    // Builds the value from caller text of `sourceType`: binary (no leading zeros),
    // character (two digits a character, at most 30000 characters), hexadecimal
    // (as given) or decimal (up to 2^64 - 1, no leading zeros).
    C_StringHexa(std::string_view text, int sourceType);

    bool IsValid(std::string_view text) const override;
    std::string DigitFromValue(int value) const override;
    std::string GetPadded(int length) const override;

    // '0'-'9', 'A'-'F' to 0-15, and back; anything else is xWrongValue.
    static int DigitValue(char digit);
    static char DigitChar(int value);

    // Numeric order; leading zeros do not count.
    int Compare(const C_StringHexa& other) const noexcept { return C_StringType::Compare(other, '0'); }

    // ---- Conversions and comparison ----

    // ---- Transforms ----

    // ---- Arithmetic and logic ----

    // ---- BER-TLV extraction ----

    // ---- Cryptography ----

    // Two-key Triple-DES of this value, one block of 16 digits, in place, with
    // `key` of 32 digits (K1 then K2) on the shared DES engine: mode 1 encrypts
    // E(K1, D(K2, E(K1, x))), mode 0 decrypts. Checks, in this order: key length
    // (xWrongKeyLength), data length (xWrongDataLength), mode (xWrongTDESMode);
    // only then are K1 and K2 loaded, leaving K1 in the engine's slot 0.
    void TripleDES(const C_StringHexa& key, int mode);

    // ---- Random values ----

protected:
    // Takes `digits` as the value without any check (the caller guarantees them).
    struct Trusted final {};
    C_StringHexa(Trusted, std::string digits) { m_value = std::move(digits); }
};
