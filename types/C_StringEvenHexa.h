#pragma once
// A hexadecimal string seen as whole bytes: its digit values are bytes, each
// written as exactly two upper-case digits. Used for random byte values.

#include <string>

#include "types/C_StringHexa.h"

class C_StringEvenHexa final : public C_StringHexa {
public:
    // A bound given to the random fill is not exactly two digits long.
    class xWrongMinLength final {};
    class xWrongMaxLength final {};

    using C_StringHexa::C_StringHexa;

    // 0 to 255 gives its two digits ("0A" for 10); anything else is xWrongValue.
    std::string DigitFromValue(int value) const override;

    // ---- Random values ----

    // Random bytes between two bounds, each given as two hexadecimal digits, as
    // `length` digits (two a byte). Checks, in this order: xWrongLength (length
    // outside 1 to 60000), xModuloError (odd length), xWrongMinLength and
    // xWrongMaxLength (a bound not exactly two characters), xWrongMin and xWrongMax
    // (a bound not hexadecimal), xWrongMin (minimum above FE), xWrongMax (maximum
    // 00); then xWrongMinMax when the minimum is not below the maximum.
    void RandomFill(int length, std::string_view minimum, std::string_view maximum) override;
};
