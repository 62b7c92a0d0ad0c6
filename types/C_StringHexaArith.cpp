// Arithmetic and digit-wise logic of hexadecimal strings.
//
// Sums and differences run on eight digits at a time: each group of eight digit
// characters becomes a 32-bit number, the groups are added or subtracted from the
// least significant end with a carry or borrow, and the result is written back as
// characters. The logic operations combine eight nibble values in one word.
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"
#include "types/hexa_codec.h"

namespace vek::hexa {
namespace {

// The number written by the digits at positions [end - width, end) of `text` seen
// right-aligned in a field of `field` digits (positions before the text read as 0).
std::uint32_t group(std::string_view text, std::size_t field, std::size_t end, std::size_t width) noexcept {
    const std::size_t shift = field - text.size();  // zeros in front of the text
    if (end <= shift) return 0;
    if (width == 8 && end - width >= shift) return pack(nibbles(load(text.data() + (end - width - shift))));
    char buffer[8] = {'0', '0', '0', '0', '0', '0', '0', '0'};
    const std::size_t first = end - width > shift ? end - width : shift;  // first position inside the text
    for (std::size_t p = first; p < end; ++p) buffer[8 - (end - p)] = text[p - shift];
    return pack(nibbles(load(buffer)));
}

// Writes a ± b over max(|a|, |b|) digits into `out` and returns the final carry
// (addition) or borrow (subtraction), 0 or 1.
template <bool kSubtract>
unsigned combine(std::string_view a, std::string_view b, char* out) noexcept {
    const std::size_t field = a.size() > b.size() ? a.size() : b.size();
    std::uint64_t carry = 0;
    for (std::size_t end = field; end > 0;) {
        const std::size_t width = end >= 8 ? 8 : end;
        const std::uint64_t x = group(a, field, end, width);
        const std::uint64_t y = group(b, field, end, width);
        const std::uint64_t mask = (std::uint64_t{1} << (4 * width)) - 1;
        std::uint64_t r = 0;
        if constexpr (kSubtract) {
            const std::uint64_t t = y + carry;
            carry = x < t ? 1 : 0;
            r = (x - t) & mask;
        } else {
            r = x + y + carry;
            carry = r >> (4 * width);
            r &= mask;
        }
        char digits[8];
        store(digits, chars(unpack(static_cast<std::uint32_t>(r))));
        for (std::size_t i = 0; i < width; ++i) out[end - width + i] = digits[8 - width + i];
        end -= width;
    }
    return static_cast<unsigned>(carry);
}

// out[i] := op(a[i], b[i]) on digit values, eight digits a word.
template <class Op>
void digitwise(const char* a, const char* b, char* out, std::size_t n, Op op) noexcept {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) store(out + i, chars(op(nibbles(load(a + i)), nibbles(load(b + i))) & kLow));
    for (; i < n; ++i) out[i] = digit(static_cast<unsigned>(op(value(a[i]), value(b[i]))));
}

}  // namespace
}  // namespace vek::hexa

using namespace vek::hexa;

template <class Op>
C_StringHexa C_StringHexa::Digitwise(const C_StringHexa& other, Op op) const {
    if (m_value.size() != other.m_value.size()) throw xDifferentLengths{};
    std::string result(m_value.size(), '0');
    digitwise(m_value.data(), other.m_value.data(), result.data(), result.size(), op);
    return C_StringHexa(Trusted{}, std::move(result));
}

C_StringHexa C_StringHexa::Add(const C_StringHexa& other) const {
    const std::size_t field = m_value.size() > other.m_value.size() ? m_value.size() : other.m_value.size();
    std::string sum(field + 1, '1');  // room for a carry out of the top digit
    if (combine<false>(m_value, other.m_value, sum.data() + 1) != 0) {
        if (field >= static_cast<std::size_t>(kMaxLength)) throw xResultTooBig{};
        return C_StringHexa(Trusted{}, std::move(sum));
    }
    sum[0] = '0';  // no carry: the spare top digit goes with the leading zeros
    C_StringHexa result(Trusted{}, std::move(sum));
    result.TrimLeading('0');
    return result;
}

C_StringHexa C_StringHexa::Subtract(const C_StringHexa& other) const {
    // A subtrahend with more digits than this value is a negative result whatever
    // the two values: leading zeros count ("5" minus "03" is refused), so that a
    // field-width mismatch shows. Otherwise a final borrow means this < other.
    if (other.m_value.size() > m_value.size()) throw xNegativeResult{};
    std::string difference(m_value.size(), '0');
    if (combine<true>(m_value, other.m_value, difference.data()) != 0) throw xNegativeResult{};
    C_StringHexa result(Trusted{}, std::move(difference));
    result.TrimLeading('0');
    return result;
}

C_StringHexa C_StringHexa::AddDec(const C_StringDec& other) const {
    return Add(C_StringHexa(other.GetValue(), kDecimal));
}

C_StringHexa C_StringHexa::SubtractDec(const C_StringDec& other) const {
    return Subtract(C_StringHexa(other.GetValue(), kDecimal));
}

C_StringHexa C_StringHexa::Xor(const C_StringHexa& other) const {
    return Digitwise(other, [](auto x, auto y) { return x ^ y; });
}

C_StringHexa C_StringHexa::And(const C_StringHexa& other) const {
    return Digitwise(other, [](auto x, auto y) { return x & y; });
}

C_StringHexa C_StringHexa::Or(const C_StringHexa& other) const {
    return Digitwise(other, [](auto x, auto y) { return x | y; });
}

C_StringHexa C_StringHexa::Complement() const {
    // 15 - d flips the four bits of d.
    std::string result(m_value.size(), '0');
    digitwise(m_value.data(), m_value.data(), result.data(), result.size(), [](auto x, auto) { return x ^ kLow; });
    return C_StringHexa(Trusted{}, std::move(result));
}

C_StringHexa C_StringHexa::Checksum(int blockLength) const {
    if (blockLength < 1 || blockLength > kMaxLength / 2) throw xWrongLength{};
    const auto block = static_cast<std::size_t>(blockLength);
    const std::size_t n = m_value.size();
    if (n % block != 0) throw xModuloError{};
    // The digits of the first block, then every following block XORed into them.
    std::string accumulator = m_value.substr(0, block);
    for (std::size_t j = block; j < n; j += block)
        digitwise(accumulator.data(), m_value.data() + j, accumulator.data(), block,
                  [](auto x, auto y) { return x ^ y; });
    return C_StringHexa(Trusted{}, std::move(accumulator));
}

int C_StringHexa::CountBits(short mode) const noexcept {
    const std::size_t n = m_value.size();
    const char* p = m_value.data();
    int ones = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) ones += std::popcount(nibbles(load(p + i)));
    for (; i < n; ++i) ones += std::popcount(value(p[i]));
    return mode != 0 ? ones : static_cast<int>(4 * n) - ones;
}
