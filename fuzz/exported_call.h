#pragma once
// Shared by the fuzz targets: a failed property aborts, and one exported call
// with an output buffer of `outSize` bytes is checked against the frame's rules.

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "vek.h"

namespace vek::fuzz {

inline void check(bool ok) {
    if (!ok) std::abort();
}

struct Result final {
    short result;
    std::string out;
};

// -1 with status 0 and a terminated text, or 0 with -50, -99 or one of `codes`
// and "" in the buffer.
template <class Call>
Result exported(Call call, int outSize, std::initializer_list<short> codes) {
    std::vector<char> out(static_cast<std::size_t>(outSize), '\x7F');
    const short result = call(out.data(), outSize);
    const short status = vek_LastStatus();
    if (result == -1) {
        check(status == 0);
        check(std::memchr(out.data(), '\0', out.size()) != nullptr);
        return {result, out.data()};
    }
    check(result == 0);
    bool known = status == -50 || status == -99;
    for (const short c : codes) known = known || status == c;
    check(known);
    check(out[0] == '\0');
    return {result, ""};
}

}  // namespace vek::fuzz
