// Decimal arithmetic on the digit text itself, and the Luhn check digit.
//
// Sums and differences never leave the text: eight digit characters at a time
// are loaded into one 64-bit word (last digit in the lowest byte) and added or
// subtracted there, the decimal carry riding on the word's own binary carry:
//  - adding, one operand's bytes are biased by 246, so a byte whose digit sum
//    reaches 10 overflows into the next byte exactly as a decimal carry would;
//  - subtracting plain digit values, a byte that goes below zero borrows from
//    the next byte exactly as a decimal borrow would.
// Afterwards every byte whose top bit is set (a biased byte that did not carry,
// or a byte that borrowed) is corrected by 246, and '0' is added back.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "types/C_StringDec.h"

namespace vek::decimal {
namespace {

using Word = std::uint64_t;
constexpr Word kOnes = 0x0101010101010101ull;
constexpr Word kZeros = 0x30 * kOnes;  // eight '0' characters
constexpr std::size_t kChunk = sizeof(Word);

inline Word to_text_order(Word w) noexcept {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(w);
    return w;
}

// Eight digit characters as one word, the last one in the lowest byte.
inline Word load(const char* p) noexcept {
    Word w = 0;
    std::memcpy(&w, p, kChunk);
    return to_text_order(w);
}

inline void store(char* p, Word w) noexcept {
    w = to_text_order(w);
    std::memcpy(p, &w, kChunk);
}

// Bytes holding a digit plus 246 (top bit set) lose the 246; then '0' is added.
inline Word settle(Word w) noexcept { return w - ((w >> 7) & kOnes) * 0xF6 + kZeros; }

// Eight digits of a plus eight digits of b plus carry (0 or 1); carry out in `carry`.
inline Word add8(Word a, Word b, unsigned& carry) noexcept {
    const Word biased = a + 0xC6 * kOnes;  // '0'..'9' + 0xC6 = 246..255: digit + 246
    const Word sum = biased + (b - kZeros);
    const Word total = sum + carry;
    carry = static_cast<unsigned>(sum < biased) | static_cast<unsigned>(total < sum);
    return settle(total);
}

// Eight digits of a minus eight digits of b minus borrow (0 or 1); borrow out in `borrow`.
inline Word sub8(Word a, Word b, unsigned& borrow) noexcept {
    const Word x = a - kZeros;
    const Word y = b - kZeros;
    const Word difference = x - y;
    const Word total = difference - borrow;
    borrow = static_cast<unsigned>(x < y) | static_cast<unsigned>(difference < borrow);
    return settle(total);
}

// x + y for digit texts, as long as the longer operand; `carryOut` tells
// whether a carry leaves its first digit. Leading zeros are kept.
std::string add(std::string_view x, std::string_view y, bool& carryOut) {
    if (x.size() < y.size()) std::swap(x, y);
    std::string result;
    result.reserve(x.size() + 1);  // room for a carry digit in front
    result.assign(x.size(), '0');
    char* const out = result.data();
    std::size_t i = x.size();
    std::size_t j = y.size();
    unsigned carry = 0;
    while (j >= kChunk) {
        i -= kChunk;
        j -= kChunk;
        store(out + i, add8(load(x.data() + i), load(y.data() + j), carry));
    }
    while (j > 0) {
        --i;
        --j;
        const unsigned d = static_cast<unsigned>(x[i] - '0') + static_cast<unsigned>(y[j] - '0') + carry;
        carry = d >= 10 ? 1u : 0u;
        out[i] = static_cast<char>('0' + d - 10 * carry);
    }
    // Past the shorter operand the carry runs through the longer one's nines.
    while (carry != 0 && i > 0) {
        --i;
        if (x[i] == '9') {
            out[i] = '0';
        } else {
            out[i] = static_cast<char>(x[i] + 1);
            carry = 0;
        }
    }
    std::memcpy(out, x.data(), i);
    carryOut = carry != 0;
    return result;
}

// x - y for digit texts, y no longer than x; `borrowOut` tells when x < y.
// Leading zeros are kept.
std::string subtract(std::string_view x, std::string_view y, bool& borrowOut) {
    std::string result(x.size(), '0');
    char* const out = result.data();
    std::size_t i = x.size();
    std::size_t j = y.size();
    unsigned borrow = 0;
    while (j >= kChunk) {
        i -= kChunk;
        j -= kChunk;
        store(out + i, sub8(load(x.data() + i), load(y.data() + j), borrow));
    }
    while (j > 0) {
        --i;
        --j;
        const int d = (x[i] - '0') - (y[j] - '0') - static_cast<int>(borrow);
        borrow = d < 0 ? 1u : 0u;
        out[i] = static_cast<char>('0' + d + 10 * static_cast<int>(borrow));
    }
    // Past the subtrahend the borrow runs through the minuend's zeros.
    while (borrow != 0 && i > 0) {
        --i;
        if (x[i] == '0') {
            out[i] = '9';
        } else {
            out[i] = static_cast<char>(x[i] - 1);
            borrow = 0;
        }
    }
    std::memcpy(out, x.data(), i);
    borrowOut = borrow != 0;
    return result;
}

}  // namespace
}  // namespace vek::decimal

C_StringDec C_StringDec::Add(const C_StringDec& other) const {
    bool carry = false;
    C_StringDec sum;
    sum.m_value = vek::decimal::add(m_value, other.m_value, carry);
    if (carry) {
        // A carry out of a 60000-digit operand would need a 60001st digit.
        if (sum.m_value.size() >= static_cast<std::size_t>(kMaxLength)) throw xResultTooBig{};
        sum.m_value.insert(sum.m_value.begin(), '1');
    } else {
        sum.TrimLeading('0');
    }
    return sum;
}

C_StringDec C_StringDec::Subtract(const C_StringDec& other) const {
    // A subtrahend with more digits than this value is a negative result whatever
    // the two values: leading zeros count ("10" - "005" is refused), so that a
    // field-width mismatch shows. Otherwise a final borrow means this < other.
    if (other.m_value.size() > m_value.size()) throw xNegativeResult{};
    bool borrow = false;
    C_StringDec difference;
    difference.m_value = vek::decimal::subtract(m_value, other.m_value, borrow);
    if (borrow) throw xNegativeResult{};
    difference.TrimLeading('0');
    return difference;
}

void C_StringDec::Increase() { *this = Add(C_StringDec("1", kDecimal)); }

void C_StringDec::Decrease() { *this = Subtract(C_StringDec("1", kDecimal)); }

char C_StringDec::LuhnKey() const {
    // From the rightmost digit, every other digit (the first included) is
    // doubled; a doubled digit counts as the sum of its two digits.
    unsigned sum = 0;
    bool doubled = true;
    for (auto it = m_value.rbegin(); it != m_value.rend(); ++it, doubled = !doubled) {
        unsigned d = static_cast<unsigned>(*it - '0');
        if (doubled) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}
