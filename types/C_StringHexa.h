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

    // The value of the element that the path tag1 / tag2 / tag3 designates in
    // this value read as BER-TLV data: tag1 among the top-level elements, tag2
    // inside its value, tag3 inside tag2's value. Tag 1 has 2 or 4 digits, tags 2
    // and 3 have 0 (absent), 2 or 4, else xErrorTagLength (tag 1 tested first);
    // tag 3 counts only when tag 2 is given. A path that leads to no element is
    // xTagNotFound; an element with an empty value is xEmptyString.
    C_StringHexa ExtractTLV(const C_StringHexa& tag1, const C_StringHexa& tag2, const C_StringHexa& tag3) const;

    // ---- Cryptography ----

    // ---- Random values ----

protected:
    // Takes `digits` as the value without any check (the caller guarantees them).
    struct Trusted final {};
    C_StringHexa(Trusted, std::string digits) { m_value = std::move(digits); }
};
