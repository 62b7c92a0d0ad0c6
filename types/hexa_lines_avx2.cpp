// The line check of valid_lines for AVX2, built with that instruction set
// enabled (see CMakeLists.txt); only called when the processor has it.

#include "types/hexa_lines.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)

#include <immintrin.h>

namespace vek::hexa {
namespace {

// Thirty-two characters a step. Shifted by 0x80 - '0', the digits are the ten
// lowest signed bytes; shifted by 0x80 - 'A', the letters are the six lowest.
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
    void Step(__m256i x) noexcept {
        const __m256i digit = _mm256_cmpgt_epi8(_mm256_set1_epi8(-128 + 10), _mm256_add_epi8(x, _mm256_set1_epi8(0x80 - '0')));
        const __m256i letter = _mm256_cmpgt_epi8(_mm256_set1_epi8(-128 + 6), _mm256_add_epi8(x, _mm256_set1_epi8(0x80 - 'A')));
        m_ok = _mm256_and_si256(m_ok, _mm256_or_si256(digit, letter));
    }
    __m256i m_ok = _mm256_set1_epi8(-1);
    std::uint64_t m_bad = 0;
};

}  // namespace

std::size_t lines_avx2(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines::check<Flags>(text, count, size, end);
}

}  // namespace vek::hexa

#endif
