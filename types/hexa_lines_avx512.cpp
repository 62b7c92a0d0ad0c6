// The line check of valid_lines for AVX-512 (BW), built with that instruction
// set enabled (see CMakeLists.txt); only called when the processor has it.

#include "types/hexa_lines.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)

#include <immintrin.h>

namespace vek::hexa {
namespace {

// The bytes of `x` that are digits.
inline __mmask64 digits(__m512i x) noexcept {
    const __mmask64 digit = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(x, _mm512_set1_epi8('0')), _mm512_set1_epi8(10));
    const __mmask64 letter = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(x, _mm512_set1_epi8('A')), _mm512_set1_epi8(6));
    return _kor_mask64(digit, letter);
}

// Sixty-four characters a step, the last step a masked load of what is left
// (nothing past the line is read).
class Flags final {
public:
    void Digits(const char* p, std::size_t size) noexcept {
        std::size_t i = 0;
        for (; i + 64 <= size; i += 64) Step(~__mmask64{0}, _mm512_loadu_si512(p + i));
        if (i < size) {
            const __mmask64 rest = (__mmask64{1} << (size - i)) - 1;
            Step(rest, _mm512_maskz_loadu_epi8(rest, p + i));
        }
    }
    void Other(std::uint64_t bad) noexcept { m_bad |= bad; }
    bool Any() const noexcept { return m_bad != 0 || m_notDigits != 0; }

private:
    void Step(__mmask64 in, __m512i x) noexcept { m_notDigits |= in & ~digits(x); }
    __mmask64 m_notDigits = 0;
    std::uint64_t m_bad = 0;
};

// The digits among the `bytes` bytes at `text`, counted in the bytes of a
// vector (each byte a counter, added up into the sums before it could wrap);
// the last step a masked load of what is left.
std::size_t digits_in(const char* text, std::size_t bytes) noexcept {
    constexpr std::size_t kSteps = 255;  // a byte counter's most, one a step
    const __m512i one = _mm512_set1_epi8(1);
    __m512i total = _mm512_setzero_si512();  // eight 64-bit sums
    std::size_t i = 0;
    while (i < bytes) {
        // At most 255 steps into the byte counters, then into the sums.
        __m512i counters = _mm512_setzero_si512();
        const std::size_t stop = bytes - i > kSteps * 64 ? i + kSteps * 64 : bytes;
        for (; i + 64 <= stop; i += 64)
            counters = _mm512_mask_add_epi8(counters, digits(_mm512_loadu_si512(text + i)), counters, one);
        if (i < stop) {
            const __mmask64 in = (__mmask64{1} << (stop - i)) - 1;
            counters = _mm512_mask_add_epi8(counters, _kand_mask64(in, digits(_mm512_maskz_loadu_epi8(in, text + i))),
                                            counters, one);
            i = stop;
        }
        total = _mm512_add_epi64(total, _mm512_sad_epu8(counters, _mm512_setzero_si512()));
    }
    alignas(64) std::uint64_t sums[8];
    _mm512_store_si512(sums, total);
    std::uint64_t digitsFound = 0;
    for (const std::uint64_t sum : sums) digitsFound += sum;
    return static_cast<std::size_t>(digitsFound);  // at most `bytes`
}

}  // namespace

std::size_t lines_avx512(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines::check_run<Flags>(text, count, size, end, digits_in);
}

}  // namespace vek::hexa

#endif
