#pragma once
// vek::hexa::valid_lines (types/hexa_codec.h) written once for every
// instruction set: the lines are checked in groups of eight without a branch
// per line or per character, then the first line that failed in a group is
// looked for one line at a time. Each kernel file supplies its own way of
// flagging characters that are not digits (sixteen, thirty-two or sixty-four a
// step); the processor's features choose the kernel once (hexa_codec.cpp).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "types/hexa_codec.h"

namespace vek::hexa {

using LinesKernel = std::size_t (*)(const char* text, std::size_t count, std::size_t size,
                                    std::string_view end) noexcept;

// The kernels, one per instruction set, each in its own file built for it; only
// called when the processor has it.
std::size_t lines_portable(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept;
std::size_t lines_avx2(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept;
std::size_t lines_avx512(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept;

// The kernel in use and every kernel this processor runs, widest first (for
// tests and benchmarks, which compare them all).
struct NamedLinesKernel final {
    const char* name;
    LinesKernel kernel;
};
LinesKernel lines_kernel() noexcept;
std::size_t lines_kernels(NamedLinesKernel* out, std::size_t room) noexcept;

namespace lines {

// Eight characters in a word: a byte's top bit is set when the byte is not a
// digit. For bytes below 0x80, adding 0x80 - c sets a byte's top bit exactly
// when the byte is at least c, with no carry into the next byte; a byte of
// 0x80 or more is flagged by itself, whatever its carry does to the next.
inline std::uint64_t not_digits8(const char* p) noexcept {
    constexpr std::uint64_t top = kOnes * 0x80;
    const std::uint64_t x = load(p);
    const auto at_least = [x](unsigned c) { return x + kOnes * (0x80 - c); };
    const std::uint64_t digit = (at_least('0') & ~at_least('9' + 1)) | (at_least('A') & ~at_least('F' + 1));
    return (x & top) | (~digit & top);
}

// Non-zero when one of the `size` characters at `p` (fewer than sixteen) is not
// a digit: eight a word, else one by one.
inline std::uint64_t not_digits_narrow(const char* p, std::size_t size) noexcept {
    std::uint64_t bad = 0;
    std::size_t i = 0;
    if (size >= 8) {
        for (; i + 8 <= size; i += 8) bad |= not_digits8(p + i);
        if (i < size) bad |= not_digits8(p + size - 8);  // the last eight, overlapping
        return bad;
    }
    for (; i < size; ++i) bad |= is_digit(p[i]) ? 0 : 1;
    return bad;
}

// Non-zero when the bytes at `p` are not `end`.
inline std::uint64_t wrong_end(const char* p, std::string_view end) noexcept {
    if (end.size() == 2) {
        std::uint16_t got = 0, want = 0;
        std::memcpy(&got, p, 2);
        std::memcpy(&want, end.data(), 2);
        return static_cast<std::uint64_t>(got ^ want);
    }
    return std::memcmp(p, end.data(), end.size()) != 0 ? 1 : 0;
}

// Non-zero when the end of one of the `count` lines is not `end`: four lines a
// step, without a branch per line.
inline std::uint64_t wrong_ends(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    const std::size_t stride = size + end.size();
    std::uint64_t wrong = 0;
    std::size_t k = 0;
    for (; k + 4 <= count; k += 4) {
        const char* e = text + k * stride + size;
        wrong |= wrong_end(e, end) | wrong_end(e + stride, end) | wrong_end(e + 2 * stride, end) |
                 wrong_end(e + 3 * stride, end);
    }
    for (; k < count; ++k) wrong |= wrong_end(text + k * stride + size, end);
    return wrong;
}

// The driver. Flags gathers what one group of lines shows: Digits(p, size)
// flags every character that is not a digit, Other(bad) any other fault
// (non-zero), Any() whether something was flagged.
template <class Flags>
inline std::size_t check(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    const std::size_t stride = size + end.size();
    constexpr std::size_t kGroup = 8;
    std::size_t k = 0;
    for (; k < count; k += kGroup) {
        const std::size_t n = count - k < kGroup ? count - k : kGroup;
        Flags flags;
        for (std::size_t i = 0; i < n; ++i) {
            const char* line = text + (k + i) * stride;
            flags.Digits(line, size);
            flags.Other(wrong_end(line + size, end));
        }
        if (flags.Any()) break;
    }
    // In the group that failed, the first line that did.
    for (; k < count; ++k) {
        const char* line = text + k * stride;
        Flags flags;
        flags.Digits(line, size);
        flags.Other(wrong_end(line + size, end));
        if (flags.Any()) return k;
    }
    return count;
}

// A kernel with a counter of digits: the run is first checked as one text,
// cheaper than line by line when, as usually, all pass. Every line's end is
// where it belongs and the digits `digits_in(text, bytes)` counts over the
// whole run are as many as the lines' characters, so every byte but the ends'
// is a digit (which holds only when no byte of the end is a digit). A run that
// fails is checked line by line with Flags, for the first line that fails.
template <class Flags, class DigitsIn>
inline std::size_t check_run(const char* text, std::size_t count, std::size_t size, std::string_view end,
                             DigitsIn digits_in) noexcept {
    bool endsAreNoDigits = true;
    for (const char c : end) endsAreNoDigits = endsAreNoDigits && !is_digit(c);
    if (endsAreNoDigits && wrong_ends(text, count, size, end) == 0 &&
        digits_in(text, count * (size + end.size())) == count * size)
        return count;
    return check<Flags>(text, count, size, end);
}

}  // namespace lines
}  // namespace vek::hexa
