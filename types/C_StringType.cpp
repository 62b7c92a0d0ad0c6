#include "types/C_StringType.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The alphabets are one or two ranges of ASCII characters. Texts are checked
// eight bytes at a time: for bytes below 0x80, adding 0x80 - c sets a byte's top
// bit exactly when the byte is at least c, with no carry into the next byte.
struct Range final {
    unsigned char first, last;
};

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kTop = kOnes * 0x80;

constexpr std::uint64_t at_least(std::uint64_t x, unsigned c) noexcept { return x + kOnes * (0x80 - c); }

constexpr std::uint64_t in_range(std::uint64_t x, Range r) noexcept {
    return at_least(x, r.first) & ~at_least(x, r.last + 1u);
}

template <Range... R>
constexpr bool all_in_word(std::uint64_t x) noexcept {
    return (x & kTop) == 0 && ((in_range(x, R) | ...) & kTop) == kTop;
}

#if defined(__GNUC__)
// Sixteen bytes at a time with the compiler's vector extension (SSE2 on x86).
using Bytes16 = unsigned char __attribute__((vector_size(16)));

template <Range... R>
bool all_in_16(const char* p) noexcept {
    Bytes16 x;
    std::memcpy(&x, p, 16);
    Bytes16 ok = {};
    ((ok |= ((x >= R.first) & (x <= R.last))), ...);
    std::uint64_t halves[2];
    std::memcpy(halves, &ok, 16);
    return (halves[0] & halves[1]) == ~std::uint64_t{0};
}
#endif

template <Range... R>
bool all_in(std::string_view text) noexcept {
    std::size_t i = 0;
#if defined(__GNUC__)
    for (; i + 16 <= text.size(); i += 16)
        if (!all_in_16<R...>(text.data() + i)) return false;
#endif
    for (; i + 8 <= text.size(); i += 8) {  // the check is per byte: byte order does not matter
        std::uint64_t x = 0;
        std::memcpy(&x, text.data() + i, 8);
        if (!all_in_word<R...>(x)) return false;
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!((c >= R.first && c <= R.last) || ...)) return false;
    }
    return true;
}

constexpr Range kBinaryDigits{'0', '1'};
constexpr Range kDecimalDigits{'0', '9'};
constexpr Range kHexaLetters{'A', 'F'};

static_assert(all_in_word<kDecimalDigits, kHexaLetters>(0x3031323334353637ull));
static_assert(all_in_word<kDecimalDigits, kHexaLetters>(0x3839414243444546ull));
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0x3031323334353647ull));  // 'G'
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0x3031323334353661ull));  // 'a'
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0x302F323334353637ull));  // '/'
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0x303A323334353637ull));  // ':'
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0x3040323334353637ull));  // '@'
static_assert(!all_in_word<kDecimalDigits, kHexaLetters>(0xB031323334353637ull));  // a high byte
static_assert(all_in_word<kBinaryDigits>(0x3031303130313031ull) && !all_in_word<kBinaryDigits>(0x3031303130313032ull));

}  // namespace

std::string C_StringType::GetPaddedWith(int length, char pad) const {
    if (length < 0 || length > kMaxLength) throw xWrongLength{};
    if (length != 0 && length < GetLength()) throw xLengthTooSmall{};
    if (length == 0) return m_value;
    std::string padded(static_cast<std::size_t>(length - GetLength()), pad);
    padded += m_value;
    return padded;
}

int C_StringType::Compare(const C_StringType& other, char pad) const noexcept {
    const std::string_view a = m_value;
    const std::string_view b = other.m_value;
    const std::size_t n = std::max(a.size(), b.size());
    const std::size_t padA = n - a.size();
    const std::size_t padB = n - b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(i < padA ? pad : a[i - padA]);
        const auto cb = static_cast<unsigned char>(i < padB ? pad : b[i - padB]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

void C_StringType::SwapPairs() {
    if (m_value.size() % 2 != 0) throw xModuloError{};
    for (std::size_t i = 0; i < m_value.size(); i += 2) std::swap(m_value[i], m_value[i + 1]);
}

void C_StringType::TrimLeading(char character) {
    const std::size_t first = m_value.find_first_not_of(character);
    if (first == std::string::npos)
        m_value.assign(1, '0');
    else
        m_value.erase(0, first);
}

bool C_StringType::IsValidText(std::string_view text, int sourceType) {
    if (sourceType < kBinary || sourceType > kDecimal) throw xWrongType{};
    if (text.size() > static_cast<std::size_t>(kMaxLength)) throw xStringTooLong{};
    if (text.empty()) throw xEmptyString{};
    return InAlphabet(text, sourceType);
}

bool C_StringType::InAlphabet(std::string_view text, int sourceType) noexcept {
    switch (sourceType) {
        case kBinary: return all_in<kBinaryDigits>(text);
        case kHexadecimal: return all_in<kDecimalDigits, kHexaLetters>(text);
        case kDecimal: return all_in<kDecimalDigits>(text);
        default: return true;  // any character text is valid
    }
}

void C_StringType::CheckSource(std::string_view text, int sourceType, int limit) {
    if (text.size() > static_cast<std::size_t>(limit)) throw xStringTooLong{};
    if (!IsValidText(text, sourceType)) throw xInvalidType{};
}

void C_StringType::CheckRun(int position, int run, int bits, int maxPosition, int maxRun, bool reading) {
    if (position < 0 || position > maxPosition) throw xWrongPos{};
    if (reading && (run <= 0 || run > maxRun)) throw xWrongLength{};
    if (position > bits - 1) throw xInvalidPos{};
    if (static_cast<long long>(bits) < static_cast<long long>(position) + run) throw xOverlap{};
}

std::uint64_t C_StringType::DecimalValue(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    if (digits.size() > 20) throw xNumberTooBig{};
    // Nineteen digits always fit in 64 bits; only a twentieth can overflow.
    const std::size_t safe = digits.size() < 19 ? digits.size() : 19;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < safe; ++i) value = value * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    if (digits.size() == 20) {
        const auto last = static_cast<std::uint64_t>(digits[19] - '0');
        if (value > (UINT64_MAX - last) / 10) throw xNumberTooBig{};
        value = value * 10 + last;
    }
    return value;
}
