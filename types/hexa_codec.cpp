#include "types/hexa_codec.h"

#include <cstring>

#include "types/C_StringType.h"
#include "types/hexa_lines.h"

namespace vek::hexa {

// The typed strings' alphabet check, sixteen characters at a time.
bool valid(std::string_view text) noexcept { return C_StringType::InAlphabet(text, C_StringType::kHexadecimal); }

std::size_t decimalise(std::string_view text, char* out, std::size_t count) noexcept {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size() && n < count; ++i)
        if (text[i] <= '9') out[n++] = text[i];
    for (std::size_t i = 0; i < text.size() && n < count; ++i)
        if (text[i] >= 'A') out[n++] = static_cast<char>(text[i] - 'A' + '0');
    return n;
}

namespace {

// The portable line check: sixteen characters a step with the compiler's vector
// extension (SSE2 on x86), else eight a word. Shifted by 0x80 - '0', the digits
// are the ten lowest signed bytes; shifted by 0x80 - 'A', the letters the six lowest.
class Flags final {
public:
    void Digits(const char* p, std::size_t size) noexcept {
#if defined(__GNUC__)
        if (size >= 16) {
            std::size_t i = 0;
            for (; i + 16 <= size; i += 16) Step(p + i);
            if (i < size) Step(p + size - 16);  // the last sixteen, overlapping
            return;
        }
#endif
        m_bad |= lines::not_digits_narrow(p, size);
    }
    void Other(std::uint64_t bad) noexcept { m_bad |= bad; }
    bool Any() const noexcept {
#if defined(__GNUC__)
        std::uint64_t halves[2];
        std::memcpy(halves, &m_ok, 16);
        if ((halves[0] & halves[1]) != ~std::uint64_t{0}) return true;
#endif
        return m_bad != 0;
    }

private:
#if defined(__GNUC__)
    using Bytes16 = unsigned char __attribute__((vector_size(16)));
    using Signed16 = signed char __attribute__((vector_size(16)));

    void Step(const char* p) noexcept {
        Bytes16 x;
        std::memcpy(&x, p, 16);
        const Signed16 digit = reinterpret_cast<Signed16>(x + static_cast<unsigned char>(0x80 - '0')) < -128 + 10;
        const Signed16 letter = reinterpret_cast<Signed16>(x + static_cast<unsigned char>(0x80 - 'A')) < -128 + 6;
        m_ok &= digit | letter;
    }
    Signed16 m_ok = ~Signed16{};
#endif
    std::uint64_t m_bad = 0;
};

constexpr bool kX86 =
#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
    true;
#else
    false;
#endif

bool has(const char* feature) noexcept {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    __builtin_cpu_init();
    if (std::strcmp(feature, "avx512") == 0) return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
    if (std::strcmp(feature, "avx2") == 0) return __builtin_cpu_supports("avx2");
#endif
    static_cast<void>(feature);
    return false;
}

}  // namespace

std::size_t lines_portable(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines::check<Flags>(text, count, size, end);
}

std::size_t lines_kernels(NamedLinesKernel* out, std::size_t room) noexcept {
    NamedLinesKernel all[3];
    std::size_t n = 0;
    if constexpr (kX86) {
        if (has("avx512")) all[n++] = {"avx512", lines_avx512};
        if (has("avx2")) all[n++] = {"avx2", lines_avx2};
    }
    all[n++] = {"portable", lines_portable};
    for (std::size_t i = 0; i < n && i < room; ++i) out[i] = all[i];
    return n;
}

LinesKernel lines_kernel() noexcept {
    static const LinesKernel widest = [] {
        NamedLinesKernel first[1];
        lines_kernels(first, 1);
        return first[0].kernel;
    }();
    return widest;
}

std::size_t valid_lines(const char* text, std::size_t count, std::size_t size, std::string_view end) noexcept {
    return lines_kernel()(text, count, size, end);
}

}  // namespace vek::hexa
