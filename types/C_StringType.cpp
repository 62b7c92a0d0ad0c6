#include "types/C_StringType.h"

#include <algorithm>

namespace {

bool all_of(std::string_view text, bool (*allowed)(unsigned char)) noexcept {
    return std::all_of(text.begin(), text.end(), [allowed](char c) { return allowed(static_cast<unsigned char>(c)); });
}

bool is_bin(unsigned char c) noexcept { return c == '0' || c == '1'; }
bool is_dec(unsigned char c) noexcept { return c >= '0' && c <= '9'; }
bool is_hexa(unsigned char c) noexcept { return is_dec(c) || (c >= 'A' && c <= 'F'); }

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
        case kBinary: return all_of(text, is_bin);
        case kHexadecimal: return all_of(text, is_hexa);
        case kDecimal: return all_of(text, is_dec);
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
