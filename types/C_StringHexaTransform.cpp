// In-place and length-keeping transforms of hexadecimal strings: increment and
// decrement, bit reversal, writing a run of bits, shifts.
//
// Bit position p is bit 3 - (p mod 4) of digit p div 4: position 0 is the most
// significant bit of the first digit.
#include <array>
#include <climits>
#include <string>

#include "types/C_StringBin.h"
#include "types/C_StringHexa.h"
#include "types/hexa_codec.h"

namespace vek::hexa {
namespace {

// Every digit character mapped to the digit of its four bits read backwards.
constexpr std::array<char, 256> kReversed = [] {
    std::array<char, 256> table{};
    for (unsigned v = 0; v < 16; ++v) {
        const unsigned r = ((v & 1) << 3) | ((v & 2) << 1) | ((v & 4) >> 1) | ((v & 8) >> 3);
        table[static_cast<unsigned char>(kDigits[v])] = kDigits[r];
    }
    return table;
}();

constexpr int kLargestBitPosition = 4 * C_StringType::kMaxLength - 1;  // 239999
constexpr int kLargestBitRun = 4 * C_StringType::kMaxLength;           // 240000

}  // namespace
}  // namespace vek::hexa

using namespace vek::hexa;

void C_StringHexa::Increase() { *this = Add(C_StringHexa(Trusted{}, "1")); }

void C_StringHexa::Decrease() { *this = Subtract(C_StringHexa(Trusted{}, "1")); }

void C_StringHexa::SwapBits() {
    // The bit string read backwards: the digits in reverse order, each one's own
    // four bits reversed (an odd middle digit is reversed in place).
    const std::size_t n = m_value.size();
    for (std::size_t i = 0; i < n / 2; ++i) {
        const std::size_t j = n - 1 - i;
        const char first = m_value[i];
        m_value[i] = kReversed[static_cast<unsigned char>(m_value[j])];
        m_value[j] = kReversed[static_cast<unsigned char>(first)];
    }
    if (n % 2 == 1) {
        char& middle = m_value[n / 2];
        middle = kReversed[static_cast<unsigned char>(middle)];
    }
}

void C_StringHexa::SetBin(int position, const C_StringBin& bits) {
    const int n = GetLength();
    const int m = bits.GetLength();
    CheckRun(position, m, 4 * n, kLargestBitPosition, kLargestBitRun, false);
    const std::string& source = bits.GetValue();
    for (int i = 0; i < m; ++i) {
        const int p = position + i;
        char& d = m_value[static_cast<std::size_t>(p / 4)];
        const unsigned mask = 8u >> (p % 4);
        d = digit(source[static_cast<std::size_t>(i)] == '1' ? value(d) | mask : value(d) & ~mask);
    }
}

C_StringHexa C_StringHexa::ShiftLeft(int count) const {
    if (count < 0) return ShiftRight(count == INT_MIN ? INT_MAX : -count);
    if (count == 0) return *this;
    const std::size_t n = m_value.size();
    const auto q = static_cast<std::size_t>(count / 4);
    const unsigned r = static_cast<unsigned>(count % 4);
    std::string result(n, '0');
    if (q < n) {
        // Result digit k takes its high bits from digit k + q and its low bits from
        // the top of digit k + q + 1 (0 past the end).
        const char* source = m_value.data() + q;
        const std::size_t kept = n - q;
        for (std::size_t k = 0; k < kept; ++k) {
            const unsigned next = k + 1 < kept ? value(source[k + 1]) : 0;
            result[k] = digit((value(source[k]) << r) | (next >> (4 - r)));
        }
    }
    return C_StringHexa(Trusted{}, std::move(result));
}

C_StringHexa C_StringHexa::ShiftRight(int count) const {
    if (count < 0) return ShiftLeft(count == INT_MIN ? INT_MAX : -count);
    if (count == 0) return *this;
    const std::size_t n = m_value.size();
    const auto q = static_cast<std::size_t>(count / 4);
    const unsigned r = static_cast<unsigned>(count % 4);
    std::string result(n, '0');
    if (q < n) {
        // Result digit q + k takes its low bits from digit k and its high bits from
        // the bottom of digit k - 1 (0 before the start).
        char* target = result.data() + q;
        const std::size_t kept = n - q;
        for (std::size_t k = 0; k < kept; ++k) {
            const unsigned previous = k > 0 ? value(m_value[k - 1]) : 0;
            target[k] = digit((value(m_value[k]) >> r) | (previous << (4 - r)));
        }
    }
    return C_StringHexa(Trusted{}, std::move(result));
}
