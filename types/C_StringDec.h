#pragma once
// An unsigned decimal number written as digit text of up to 60000 digits.

#include <string>
#include <string_view>

#include "types/C_StringType.h"

class C_StringDec : public C_StringType {
public:
    C_StringDec() = default;
    // From binary or hexadecimal text (a 64-bit value, written without leading
    // zeros) or decimal text (kept as given). Character text is xWrongType.
    C_StringDec(std::string_view text, int sourceType);

    bool IsValid(std::string_view text) const override;
    std::string DigitFromValue(int value) const override;
    std::string GetPadded(int length) const override;

    // Numeric order; leading zeros do not count.
    int Compare(const C_StringDec& other) const noexcept { return C_StringType::Compare(other, '0'); }

    // ---- Arithmetic and the Luhn key ----

    // The sum, without leading zeros. A carry out of a 60000-digit operand is
    // xResultTooBig.
    C_StringDec Add(const C_StringDec& other) const;
    // This value minus `other`, without leading zeros; leading zeros of either
    // operand do not count. Below zero is xNegativeResult.
    C_StringDec Subtract(const C_StringDec& other) const;
    // Value plus 1 (xResultTooBig) and minus 1 (xNegativeResult), in place.
    void Increase();
    void Decrease();
    // The Luhn check digit that completes this value, '0' to '9'.
    char LuhnKey() const;

    // ---- Random values ----

    // Random digits between two bounds, each given as one character: the minimum
    // '0' to '8', the maximum '1' to '9'.
    // A bad minimum is xWrongMin, then a bad maximum xWrongMax; then the checks of
    // RandomFillValues: xWrongLength, and xWrongMinMax when the minimum is not
    // below the maximum.
    virtual void RandomFill(int length, std::string_view minimum, std::string_view maximum);
};
