#include "types/C_StringDec.h"

#include <cstdint>

#include "types/C_StringHexa.h"

namespace {

std::string to_decimal(std::uint64_t value) {
    char text[20];
    int first = 20;
    do {
        text[--first] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return std::string(text + first, text + 20);
}

}  // namespace

C_StringDec::C_StringDec(std::string_view text, int sourceType) {
    if (sourceType != kBinary && sourceType != kHexadecimal && sourceType != kDecimal) throw xWrongType{};
    CheckSource(text, sourceType);
    if (sourceType == kDecimal) {
        m_value.assign(text);
        return;
    }
    const std::size_t first = text.find_first_not_of('0');
    const std::string_view digits = first == std::string_view::npos ? std::string_view{} : text.substr(first);
    std::uint64_t value = 0;
    if (sourceType == kBinary) {
        if (digits.size() > 64) throw xNumberTooBig{};
        for (const char c : digits) value = value << 1 | static_cast<std::uint64_t>(c - '0');
    } else {
        if (digits.size() > 16) throw xNumberTooBig{};
        for (const char c : digits) value = value << 4 | static_cast<std::uint64_t>(C_StringHexa::DigitValue(c));
    }
    m_value = to_decimal(value);
}

bool C_StringDec::IsValid(std::string_view text) const { return IsValidText(text, kDecimal); }

std::string C_StringDec::DigitFromValue(int value) const {
    if (value < 0 || value > 9) throw xWrongValue{};
    return std::string(1, static_cast<char>('0' + value));
}

std::string C_StringDec::GetPadded(int length) const { return GetPaddedWith(length, '0'); }
