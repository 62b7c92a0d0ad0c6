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

    // Numeric order against a decimal number: its text is converted to hexadecimal
    // first, so a value above 2^64 - 1 is xNumberTooBig. (C_StringDec, C_StringBin:
    // types/C_StringDec.h, types/C_StringBin.h.)
    int CompareDec(const class C_StringDec& dec) const;
    // The `length` bits from 0-based bit `position` on (position 0 is the most
    // significant bit of the first digit), as binary text. Checks in order:
    // xWrongPos (position outside 0 to 239999), xWrongLength (length outside 1 to
    // 240000), xInvalidPos (position past the last bit), xOverlap (the run passes
    // the end), then xStringTooLong for more than 60000 bits.
    class C_StringBin ExtractBin(int position, int length) const;

    // ---- Transforms ----

    // ---- Arithmetic and logic ----

    // ---- BER-TLV extraction ----

    // ---- Cryptography ----

    // ---- Random values ----

protected:
    // Takes `digits` as the value without any check (the caller guarantees them).
    struct Trusted final {};
    C_StringHexa(Trusted, std::string digits) { m_value = std::move(digits); }
};
