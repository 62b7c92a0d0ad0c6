#include "types/C_StringType.h"

#include <algorithm>

namespace {

// One table a source type: whether each byte is a character of its alphabet.
struct Alphabets final {
    bool binary[256] = {};
    bool decimal[256] = {};
    bool hexadecimal[256] = {};
    constexpr Alphabets() {
        for (int c = '0'; c <= '9'; ++c) decimal[c] = hexadecimal[c] = true;
        for (int c = 'A'; c <= 'F'; ++c) hexadecimal[c] = true;
        binary['0'] = binary['1'] = true;
    }
};
constexpr Alphabets kAlphabets;

bool all_in(std::string_view text, const bool (&alphabet)[256]) noexcept {
    bool ok = true;  // no early exit: the loop stays branch-free and vectorizes
    for (const char c : text) ok &= alphabet[static_cast<unsigned char>(c)];
    return ok;
}

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
    switch (sourceType) {
        case kBinary: return all_in(text, kAlphabets.binary);
        case kHexadecimal: return all_in(text, kAlphabets.hexadecimal);
        case kDecimal: return all_in(text, kAlphabets.decimal);
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
