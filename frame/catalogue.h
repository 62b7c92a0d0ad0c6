#pragma once
// The status-code catalogue: for every exported function, every code it can
// leave, with its text from include/vek.h. The rows are written from the
// header at build time (scripts/vekgen.py), so a code and its message change in
// one place. Data only; the export set does not grow for it. The command-line
// tool prints these messages; the tests check them.

#include <span>
#include <string_view>

namespace vek::catalogue {

struct Entry final {
    std::string_view function;  // the full exported name, "vek_..."
    short code;                 // -1 to -7, or -50 and -99 where the function gives them a meaning of its own
    std::string_view message;
};

// Every entry, grouped by family, in header order; a function's codes in
// numeric order (-1 to -7, then -50 and -99).
std::span<const Entry> entries() noexcept;

// The message for `code` left by `function` (with or without its "vek_" prefix):
// the function's own entry, else the common meaning of 0, -50 and -99, else "".
std::string_view message(std::string_view function, short code) noexcept;

}  // namespace vek::catalogue
