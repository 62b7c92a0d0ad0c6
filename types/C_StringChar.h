#pragma once
// A text of raw 8-bit characters (bytes), up to 60000 of them. Built from
// character text as given, or from the bytes that binary or hexadecimal digit
// text denotes; a value built from digits may hold any byte, 0x00 included.

#include <string>
#include <string_view>

#include "types/C_StringType.h"

class C_StringChar final : public C_StringType {
public:
    // The value holds a 0x00 byte, which a NUL-terminated text cannot carry.
    class xNullChar final {};

    C_StringChar() = default;
    // From binary text (8 bits a byte, most significant first), character text
    // (kept as given) or hexadecimal text (two digits a byte, high half first).
    // Checks in order: xWrongType (decimal or unknown source type); xModuloError
    // (binary length not a multiple of 8, odd hexadecimal length), before any
    // length check; xStringTooLong; then the source type's own validation
    // (xStringTooLong, xEmptyString, xInvalidType).
    C_StringChar(std::string_view text, int sourceType);

    // Every non-empty text of at most 60000 characters is valid.
    bool IsValid(std::string_view text) const override;
    // A character code 1 to 255 gives that character; anything else is xWrongValue.
    std::string DigitFromValue(int value) const override;
    // Pads with spaces.
    std::string GetPadded(int length) const override;

    // The two 4-bit halves of every byte change places (0x41 becomes 0x14).
    void SwapNibbles() noexcept;

    // xNullChar when the value holds a 0x00 byte: such a value cannot be handed
    // back as a NUL-terminated text without losing what follows the zero.
    void CheckNoNullChar() const;

    // ---- Random values ----

    // Random characters between two bounds, each given as one character and
    // compared by code (0 to 255): the minimum any code but 0, the maximum a code
    // of 2 or above. A bad minimum is xWrongMin, then a bad maximum xWrongMax; then
    // the checks of RandomFillValues (xWrongLength, xWrongMinMax when the minimum is
    // not below the maximum).
    virtual void RandomFill(int length, std::string_view minimum, std::string_view maximum);
};
