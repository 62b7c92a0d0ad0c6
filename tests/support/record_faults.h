#pragma once
// What can be wrong in one fixed-length record of a file of hexadecimal records
// with CR LF ends, for tests that plant one fault where a read buffer runs out.

#include <cstddef>
#include <string>
#include <vector>

namespace vek::test {

struct RecordFault final {
    const char* name;
    std::size_t at;     // from the record's start; `digits` is the CR
    std::string bytes;  // written there
};

// The faults of a record of `digits` digits: a byte that is not a digit (first,
// last, a NUL, an LF among the digits), a digit where the CR belongs, a digit
// where the LF belongs.
inline std::vector<RecordFault> record_faults(std::size_t digits) {
    return {
        {"first digit G", 0, "G"},
        {"last digit in lower case", digits - 1, "f"},
        {"a NUL among the digits", digits / 2, std::string(1, '\0')},
        {"no CR: a digit more", digits, "0"},
        {"no LF", digits + 1, "A"},
        {"an LF among the digits", 5, "\n"},
    };
}

}  // namespace vek::test
