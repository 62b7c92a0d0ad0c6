// The line check of valid_lines for AVX-512 (BW), built with that instruction
// set enabled (see CMakeLists.txt); only called when the processor has it.

#include "types/hexa_lines.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)

#include <immintrin.h>

namespace vek::hexa {
namespace {

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
    void Step(__mmask64 in, __m512i x) noexcept {
        const __mmask64 digit = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(x, _mm512_set1_epi8('0')), _mm512_set1_epi8(10));
        const __mmask64 letter = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(x, _mm512_set1_epi8('A')), _mm512_set1_epi8(6));
        m_notDigits |= in & ~(digit | letter);
    }
    __mmask64 m_notDigits = 0;
    std::uint64_t m_bad = 0;
};

}  // namespace

std::size_t lines_avx512(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines::check<Flags>(text, count, size, end);
}

}  // namespace vek::hexa

#endif
