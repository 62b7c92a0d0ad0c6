#pragma once
// Hexadecimal or binary digit text written into a caller's byte block: the
// reverse of C_ArrayChar. No typed string holds the text; the failures are the
// typed strings' own (C_StringType::xEmptyString, xInvalidType, xStringTooLong).

#include <string_view>

namespace vek::bytes {

// Largest byte count: the count plus its trailing zero byte fit in 60000 bytes.
inline constexpr int kMaxBytes = 59999;

// The bytes of hexadecimal `text`, two digits a byte, high half first; an odd
// last digit is a high half with a zero low half ("ABC" gives AB C0). Writes
// count + 1 bytes (the last one 0) to `bytes` and returns count = (L + 1) / 2.
// Checks in order: empty, a character outside '0'-'9', 'A'-'F', too many bytes.
int FromHexa(std::string_view text, unsigned char* bytes);

// The bytes of binary `text`, read as one binary number right-aligned in
// count = (L + 7) / 8 bytes, most significant byte first: a length that is a
// multiple of 8 gives one byte a group of eight, "101" gives 05, "100000000"
// gives 01 00. Writes count + 1 bytes (the last one 0) and returns count.
// Checks in order: a character other than '0' or '1', empty, too many bytes.
int FromBin(std::string_view text, unsigned char* bytes);

// The checks alone, in the same order; returns the count.
int HexaCount(std::string_view text);
int BinCount(std::string_view text);

}  // namespace vek::bytes
