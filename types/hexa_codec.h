#pragma once
// The hexadecimal codec: every conversion between hexadecimal digit text and
// values or bytes goes through here.
//
// Digits are upper-case only ('0'-'9', 'A'-'F'). Two kinds of functions:
// - checked ones (`is_digit`, `checked_value`, `valid`, `to_bytes`) accept any
//   character and say when it is not a digit;
// - trusted ones (`value`, `decode8`, `nibbles`, ...) expect valid digits, which
//   the typed strings guarantee, and use neither a table nor a branch per digit.
//
// The hot paths (DES blocks, long arithmetic, logic) handle eight digits at a
// time in one 64-bit word: eight characters are loaded into a word, turned into
// eight nibble values (one a byte), combined, and turned back into characters.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__AVX2__)
#include <immintrin.h>
#endif

#if defined(__GNUC__)
#define VEK_HEXA_INLINE inline __attribute__((always_inline))
#else
#define VEK_HEXA_INLINE inline
#endif

namespace vek::hexa {

inline constexpr char kDigits[] = "0123456789ABCDEF";
inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;   // 0x01 in every byte
inline constexpr std::uint64_t kLow = 0x0F0F0F0F0F0F0F0FULL;    // 0x0F in every byte

// ---- One digit ----

constexpr bool is_digit(char c) noexcept { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// The value 0-15 of one valid digit: '0'-'9' are 0x30-0x39, 'A'-'F' are 0x41-0x46,
// and bit 6 is set only for the letters.
constexpr unsigned value(char digit) noexcept {
    const auto c = static_cast<unsigned char>(digit);
    return (c & 0xFu) + 9u * (c >> 6);
}

// The value 0-15 of `c`, or -1 when it is not a digit.
constexpr int checked_value(char c) noexcept { return is_digit(c) ? static_cast<int>(value(c)) : -1; }

// The digit of the low four bits of `value`.
constexpr char digit(unsigned value) noexcept { return kDigits[value & 0xFu]; }

// ---- Bytes ----

// The byte that two valid digits write, the first the high half.
constexpr std::uint8_t byte(char high, char low) noexcept {
    return static_cast<std::uint8_t>(value(high) << 4 | value(low));
}

// The two digits of `b`, high half first.
inline void put_byte(std::uint8_t b, char* text) noexcept {
    text[0] = kDigits[b >> 4];
    text[1] = kDigits[b & 0xF];
}

// 2 * `size` digits for `size` bytes (no terminating zero).
inline void encode(const std::uint8_t* bytes, std::size_t size, char* text) noexcept {
    for (std::size_t i = 0; i < size; ++i) put_byte(bytes[i], text + 2 * i);
}

// True when every character of `text` is a digit; the empty text is valid here
// (the typed strings refuse it themselves).
bool valid(std::string_view text) noexcept;

// The fixed-length lines of a file, checked many at a time: of the `count`
// lines from `text` on, each `size` characters and then `end` (so each starts
// `size + end.size()` bytes after the one before), the number of leading ones
// whose characters are all digits and whose end is `end` exactly; `count` when
// all are. The lines are checked in groups without a branch per line, many
// characters a step, with the widest vector instructions the processor has.
std::size_t valid_lines(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept;

// The bytes of `text`, two digits a byte; an odd last digit is a high half with
// a zero low half. Writes (size + 1) / 2 bytes. `text` must be valid.
inline void decode(std::string_view text, std::uint8_t* bytes) noexcept {
    const std::size_t pairs = text.size() / 2;
    for (std::size_t i = 0; i < pairs; ++i) bytes[i] = byte(text[2 * i], text[2 * i + 1]);
    if (text.size() % 2 != 0) bytes[pairs] = static_cast<std::uint8_t>(value(text.back()) << 4);
}

// The checked form of `decode`: false, with nothing written, when a character
// is not a digit. The check runs sixteen characters at a time, then the
// conversion without a branch.
inline bool to_bytes(std::string_view text, std::uint8_t* bytes) noexcept {
    if (!valid(text)) return false;
    decode(text, bytes);
    return true;
}

// ---- Decimalisation ----

// Decimalises `text` (valid digits) as payment cards' check values and key
// derivations do: first its digits '0'-'9' in their order, then its letters
// 'A'-'F' in their order as '0'-'5'. Writes the first `count` of those digits
// to `out` (all of them when the text has fewer) and answers how many.
std::size_t decimalise(std::string_view text, char* out, std::size_t count) noexcept;

// ---- Eight digits in a word ----

// Eight bytes as they lie in memory, the first byte in the low-order position.
VEK_HEXA_INLINE std::uint64_t load(const char* p) noexcept {
    std::uint64_t w = 0;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    return w;
}

VEK_HEXA_INLINE void store(char* p, std::uint64_t w) noexcept {
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

// Eight valid digits to the 32-bit number they write (the first digit most
// significant), and back.
VEK_HEXA_INLINE std::uint32_t decode8(const char* p) noexcept { return pack(nibbles(load(p))); }
VEK_HEXA_INLINE void encode8(std::uint32_t number, char* p) noexcept { store(p, chars(unpack(number))); }

// Sixteen digits: one 64-bit number, one DES block.
VEK_HEXA_INLINE std::uint64_t decode16(const char* p) noexcept {
    return std::uint64_t{decode8(p)} << 32 | decode8(p + 8);
}
VEK_HEXA_INLINE void encode16(std::uint64_t number, char* p) noexcept {
    encode8(static_cast<std::uint32_t>(number >> 32), p);
    encode8(static_cast<std::uint32_t>(number), p + 8);
}

// `count` blocks of sixteen valid digits to their numbers, and back.
VEK_HEXA_INLINE void decode_blocks(const char* text, std::size_t count, std::uint64_t* numbers) noexcept {
    for (std::size_t i = 0; i < count; ++i) numbers[i] = decode16(text + 16 * i);
}
VEK_HEXA_INLINE void encode_blocks(const std::uint64_t* numbers, std::size_t count, char* text) noexcept {
    for (std::size_t i = 0; i < count; ++i) encode16(numbers[i], text + 16 * i);
}

// ---- Many blocks at once with vector instructions ----
// Compiled only in files built for AVX2 or AVX-512 (BW): the same results as
// decode_blocks and encode_blocks, two or four blocks a step. Decoding turns
// the characters into values as `nibbles` does, joins digit pairs with one
// multiply-add and gathers each block's bytes in reverse order (its number,
// little-endian) with a byte shuffle; encoding spreads each number's bytes
// over two characters each and maps values to digits with a 16-entry shuffle.

#if defined(__AVX2__)

VEK_HEXA_INLINE void decode_blocks_avx2(const char* text, std::size_t count, std::uint64_t* numbers) noexcept {
    const __m256i order = _mm256_setr_epi8(14, 12, 10, 8, 6, 4, 2, 0, -1, -1, -1, -1, -1, -1, -1, -1,  //
                                           14, 12, 10, 8, 6, 4, 2, 0, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m256i low = _mm256_set1_epi8(0x0F), one = _mm256_set1_epi8(1), weights = _mm256_set1_epi16(0x0110);
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + 16 * i));
        const __m256i letter = _mm256_and_si256(_mm256_srli_epi16(c, 6), one);
        const __m256i nine = _mm256_add_epi8(letter, _mm256_slli_epi16(letter, 3));
        const __m256i v = _mm256_add_epi8(_mm256_and_si256(c, low), nine);
        const __m256i n = _mm256_shuffle_epi8(_mm256_maddubs_epi16(v, weights), order);
        const __m256i packed = _mm256_permute4x64_epi64(n, 0x08);  // the low halves of the lanes
        _mm_storeu_si128(reinterpret_cast<__m128i*>(numbers + i), _mm256_castsi256_si128(packed));
    }
    for (; i < count; ++i) numbers[i] = decode16(text + 16 * i);
}

VEK_HEXA_INLINE void encode_blocks_avx2(const std::uint64_t* numbers, std::size_t count, char* text) noexcept {
    const __m256i spread = _mm256_setr_epi8(7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0,  //
                                            7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 0, 0);
    const __m256i digits = _mm256_setr_epi8('0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D',
                                            'E', 'F', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B',
                                            'C', 'D', 'E', 'F');
    const __m256i high = _mm256_set1_epi16(0x000F), low = _mm256_set1_epi16(0x0F00);
    std::size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(numbers + i));
        const __m256i b = _mm256_shuffle_epi8(_mm256_permute4x64_epi64(_mm256_castsi128_si256(two), 0x50), spread);
        // Even characters the high nibble, odd ones the low nibble of their byte.
        const __m256i v = _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi16(b, 4), high), _mm256_and_si256(b, low));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(text + 16 * i), _mm256_shuffle_epi8(digits, v));
    }
    for (; i < count; ++i) encode16(numbers[i], text + 16 * i);
}

#endif

#if defined(__AVX512BW__)

VEK_HEXA_INLINE void decode_blocks_avx512(const char* text, std::size_t count, std::uint64_t* numbers) noexcept {
    // The 16-byte patterns of the AVX2 forms, in every 128-bit lane, as 64-bit words.
    const __m512i order = _mm512_set4_epi64(-1, 0x00020406080A0C0E, -1, 0x00020406080A0C0E);
    const __m512i gather = _mm512_setr_epi64(0, 2, 4, 6, 0, 2, 4, 6);
    const __m512i low = _mm512_set1_epi8(0x0F), one = _mm512_set1_epi8(1), weights = _mm512_set1_epi16(0x0110);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m512i c = _mm512_loadu_si512(text + 16 * i);
        const __m512i letter = _mm512_and_si512(_mm512_srli_epi16(c, 6), one);
        const __m512i nine = _mm512_add_epi8(letter, _mm512_slli_epi16(letter, 3));
        const __m512i v = _mm512_add_epi8(_mm512_and_si512(c, low), nine);
        const __m512i n = _mm512_shuffle_epi8(_mm512_maddubs_epi16(v, weights), order);
        _mm512_mask_storeu_epi64(numbers + i, 0x0F, _mm512_maskz_permutexvar_epi64(0xFF, gather, n));
    }
    decode_blocks_avx2(text + 16 * i, count - i, numbers + i);
}

VEK_HEXA_INLINE void encode_blocks_avx512(const std::uint64_t* numbers, std::size_t count, char* text) noexcept {
    const __m512i spread =
        _mm512_set4_epi64(0x0000010102020303, 0x0404050506060707, 0x0000010102020303, 0x0404050506060707);
    const __m512i digits =
        _mm512_set4_epi64(0x4645444342413938, 0x3736353433323130, 0x4645444342413938, 0x3736353433323130);
    const __m512i twice = _mm512_setr_epi64(0, 0, 1, 1, 2, 2, 3, 3);
    const __m512i high = _mm512_set1_epi16(0x000F), low = _mm512_set1_epi16(0x0F00);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m512i four = _mm512_maskz_loadu_epi64(0x0F, numbers + i);
        const __m512i b = _mm512_shuffle_epi8(_mm512_maskz_permutexvar_epi64(0xFF, twice, four), spread);
        const __m512i v = _mm512_or_si512(_mm512_and_si512(_mm512_srli_epi16(b, 4), high), _mm512_and_si512(b, low));
        _mm512_storeu_si512(text + 16 * i, _mm512_shuffle_epi8(digits, v));
    }
    encode_blocks_avx2(numbers + i, count - i, text + 16 * i);
}

#endif

static_assert(value('7') == 7 && value('C') == 12 && checked_value('c') == -1 && checked_value('G') == -1);
static_assert(nibbles(0x3041) == 0x000A && chars(0x000A) == 0x3030303030303041ULL);
static_assert(pack(0x0706050403020100ULL) == 0x01234567u && pack(0x000F0E0D0C0B0A09ULL) == 0x9ABCDEF0u);
static_assert(unpack(0x01234567u) == 0x0706050403020100ULL && unpack(0x9ABCDEF0u) == 0x000F0E0D0C0B0A09ULL);

}  // namespace vek::hexa
