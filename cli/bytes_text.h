#pragma once
// How the vek command shows raw bytes: as hexadecimal text for byte blocks, and
// with \xHH escapes (escaped(), cli/command.h) for character results that hold
// unprintable bytes.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"

namespace vek::cli {

// Bytes as upper-case hexadecimal text, two digits a byte.
inline std::string hexa_of(const unsigned char* bytes, std::size_t count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        s += kDigits[bytes[i] >> 4];
        s += kDigits[bytes[i] & 0xF];
    }
    return s;
}

// Hexadecimal text (either case, an even number of digits) as bytes; else UsageError.
inline std::vector<unsigned char> bytes_of(std::string_view hexa) {
    const auto digit = [&](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        throw UsageError{quoted(hexa) + " is not a byte block in hexadecimal (two digits a byte)"};
    };
    if (hexa.size() % 2 != 0)
        throw UsageError{quoted(hexa) + " has an odd number of digits (two digits a byte)"};
    std::vector<unsigned char> bytes(hexa.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(digit(hexa[2 * i]) << 4 | digit(hexa[2 * i + 1]));
    return bytes;
}

// Prints a character result with escapes.
inline void print_escaped(const Outcome& o) { std::printf("%s\n", escaped(o.text.value_or("")).c_str()); }

}  // namespace vek::cli
