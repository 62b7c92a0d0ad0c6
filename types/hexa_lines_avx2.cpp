// The line check of valid_lines for AVX2, built with that instruction set
// enabled (see CMakeLists.txt); only called when the processor has it.

#include "types/hexa_lines.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)

#include <immintrin.h>

namespace vek::hexa {
namespace {

// 0xFF in the bytes of `x` that are digits. Shifted by 0x80 - '0', the digits
// are the ten lowest signed bytes; shifted by 0x80 - 'A', the letters the six lowest.
inline __m256i digits(__m256i x) noexcept {
    const __m256i digit = _mm256_cmpgt_epi8(_mm256_set1_epi8(-128 + 10), _mm256_add_epi8(x, _mm256_set1_epi8(0x80 - '0')));
    const __m256i letter = _mm256_cmpgt_epi8(_mm256_set1_epi8(-128 + 6), _mm256_add_epi8(x, _mm256_set1_epi8(0x80 - 'A')));
    return _mm256_or_si256(digit, letter);
}

// Thirty-two characters a step.
class Flags final {
public:
    void Digits(const char* p, std::size_t size) noexcept {
        if (size < 16) {
            m_bad |= lines::not_digits_narrow(p, size);
            return;
        }
        if (size < 32) {
            Step(_mm256_setr_m128i(Load16(p), Load16(p + size - 16)));  // two overlapping halves
            return;
        }
        std::size_t i = 0;
        for (; i + 32 <= size; i += 32) Step(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i)));
        if (i < size) Step(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + size - 32)));  // overlapping
    }
    void Other(std::uint64_t bad) noexcept { m_bad |= bad; }
    bool Any() const noexcept { return m_bad != 0 || _mm256_movemask_epi8(m_ok) != -1; }

private:
    static __m128i Load16(const char* p) noexcept { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    void Step(__m256i x) noexcept { m_ok = _mm256_and_si256(m_ok, digits(x)); }
    __m256i m_ok = _mm256_set1_epi8(-1);
    std::uint64_t m_bad = 0;
};

// The digits among the `bytes` bytes at `text`, counted in the bytes of a
// vector (each byte a counter, added up into the sums before it could wrap);
// the last bytes short of a step one by one.
std::size_t digits_in(const char* text, std::size_t bytes) noexcept {
    constexpr std::size_t kSteps = 255;  // a byte counter's most, one a step
    __m256i total = _mm256_setzero_si256();  // four 64-bit sums
    std::size_t i = 0;
    const std::size_t whole = bytes / 32 * 32;
    while (i < whole) {
        __m256i counters = _mm256_setzero_si256();
        const std::size_t stop = whole - i > kSteps * 32 ? i + kSteps * 32 : whole;
        for (; i < stop; i += 32)
            counters = _mm256_sub_epi8(counters, digits(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i))));
        total = _mm256_add_epi64(total, _mm256_sad_epu8(counters, _mm256_setzero_si256()));
    }
    alignas(32) std::uint64_t sums[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(sums), total);
    std::uint64_t found = sums[0] + sums[1] + sums[2] + sums[3];
    for (; i < bytes; ++i) found += is_digit(text[i]) ? 1 : 0;
    return static_cast<std::size_t>(found);  // at most `bytes`
}

}  // namespace

std::size_t lines_avx2(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines::check_run<Flags>(text, count, size, end, digits_in);
}

}  // namespace vek::hexa

#endif
