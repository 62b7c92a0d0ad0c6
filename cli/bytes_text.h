#pragma once
// How the vek command shows raw bytes: as hexadecimal text for byte blocks, and
// with \xHH escapes (escaped(), cli/command.h) for character results that hold
// unprintable bytes.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "types/hexa_codec.h"

namespace vek::cli {

// Bytes as upper-case hexadecimal text, two digits a byte.
inline std::string hexa_of(const unsigned char* bytes, std::size_t count) {
    std::string s(2 * count, '\0');
    vek::hexa::encode(bytes, count, s.data());
    return s;
}

// Hexadecimal text (either case, an even number of digits) as bytes; else UsageError.
inline std::vector<unsigned char> bytes_of(std::string_view hexa) {
    if (hexa.size() % 2 != 0)
        throw UsageError{quoted(hexa) + " has an odd number of digits (two digits a byte)"};
    std::string upper(hexa);
    for (char& c : upper)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    std::vector<unsigned char> bytes(hexa.size() / 2);
    if (!vek::hexa::to_bytes(upper, bytes.data()))
        throw UsageError{quoted(hexa) + " is not a byte block in hexadecimal (two digits a byte)"};
    return bytes;
}

// Prints a character result with escapes.
inline void print_escaped(const Outcome& o) { std::printf("%s\n", escaped(o.text.value_or("")).c_str()); }

}  // namespace vek::cli
