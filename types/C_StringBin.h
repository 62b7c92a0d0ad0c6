#pragma once
// A bit string written as '0'/'1' text of up to 60000 bits, most significant first.

#include <string>
#include <string_view>

#include "types/C_StringType.h"

class C_StringBin : public C_StringType {
public:
    static constexpr int kMaxCharacters = 7500;  // character input: 8 bits each

    C_StringBin() = default;
    // From binary text (kept as given), character text (8 bits a character),
    // hexadecimal text (up to 15000 significant digits) or decimal text (a 64-bit
    // value); converted numbers are written without leading zeros.
    C_StringBin(std::string_view text, int sourceType);

    bool IsValid(std::string_view text) const override;
    std::string DigitFromValue(int value) const override;
    std::string GetPadded(int length) const override;

    // ---- Bit operations ----

    static constexpr int kMaxPosition = kMaxLength - 1;

    // Reverses the order of the bits, in place.
    void Reverse() noexcept;
    // Overwrites the bits from the 0-based `position` on with the piece's bits;
    // the length does not change. xWrongPos, xInvalidPos, xOverlap.
    void SetBin(int position, const C_StringBin& piece);
    // The `length` bits from the 0-based `position` on. xWrongPos, xWrongLength,
    // xInvalidPos, xOverlap.
    C_StringBin GetBin(int position, int length) const;

    // ---- Random values ----

    // Random bits between two bounds given as one character each: the minimum
    // must be "0" (else xWrongMin), then the maximum "1" (else xWrongMax); then the
    // length check of RandomFillValues (xWrongLength).
    virtual void RandomFill(int length, std::string_view minimum, std::string_view maximum);
};
