#pragma once
// Hexadecimal digit text handled eight digits at a time in one 64-bit word.
//
// The arithmetic and logic of long hexadecimal values (up to 60000 digits) runs on
// the digit characters themselves: eight characters are loaded into a word, turned
// into eight nibble values (one a byte), combined, and turned back into characters,
// without a table look-up or a branch per digit. Every function here expects valid
// upper-case digits ('0'-'9', 'A'-'F'); the typed strings guarantee them.

#include <bit>
#include <cstdint>
#include <cstring>

namespace vek::hexa {

inline constexpr char kDigits[] = "0123456789ABCDEF";
inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;   // 0x01 in every byte
inline constexpr std::uint64_t kLow = 0x0F0F0F0F0F0F0F0FULL;    // 0x0F in every byte

// The value 0-15 of one valid digit: '0'-'9' are 0x30-0x39, 'A'-'F' are 0x41-0x46,
// and bit 6 is set only for the letters.
constexpr unsigned value(char digit) noexcept {
    const auto c = static_cast<unsigned char>(digit);
    return (c & 0xFu) + 9u * (c >> 6);
}

constexpr char digit(unsigned value) noexcept { return kDigits[value & 0xFu]; }

// Eight bytes as they lie in memory, the first byte in the low-order position.
inline std::uint64_t load(const char* p) noexcept {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    return w;
}

inline void store(char* p, std::uint64_t w) noexcept {
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    std::memcpy(p, &w, sizeof w);
}

// Eight digit characters to their eight values, byte by byte (the same formula as
// `value`; no byte carries into its neighbour).
constexpr std::uint64_t nibbles(std::uint64_t chars) noexcept {
    return (chars & kLow) + ((chars >> 6) & kOnes) * 9;
}

// Eight values 0-15 back to digit characters: '0' + v, and 7 more above 9
// (v + 6 reaches bit 4 exactly when v > 9).
constexpr std::uint64_t chars(std::uint64_t values) noexcept {
    return values + 0x30 * kOnes + ((((values + 6 * kOnes) >> 4) & kOnes) * 7);
}

// Eight nibble values in memory order (the first the most significant digit) to
// the 32-bit number they write, and back.
constexpr std::uint32_t pack(std::uint64_t values) noexcept {
    std::uint64_t x = __builtin_bswap64(values);  // the last digit in the low byte
    x = (x | (x >> 4)) & 0x00FF00FF00FF00FFULL;
    x = (x | (x >> 8)) & 0x0000FFFF0000FFFFULL;
    x = (x | (x >> 16)) & 0x00000000FFFFFFFFULL;
    return static_cast<std::uint32_t>(x);
}

constexpr std::uint64_t unpack(std::uint32_t number) noexcept {
    std::uint64_t x = number;
    x = (x | (x << 16)) & 0x0000FFFF0000FFFFULL;
    x = (x | (x << 8)) & 0x00FF00FF00FF00FFULL;
    x = (x | (x << 4)) & kLow;
    return __builtin_bswap64(x);  // the first digit in the low byte, as in memory
}

static_assert(nibbles(0x3041) == 0x000A && chars(0x000A) == 0x3030303030303041ULL);
static_assert(pack(0x0706050403020100ULL) == 0x01234567u);
static_assert(unpack(0x01234567u) == 0x0706050403020100ULL);

}  // namespace vek::hexa
