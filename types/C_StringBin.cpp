#include "types/C_StringBin.h"

#include <cstdint>

#include "types/C_StringHexa.h"
#include "types/hexa_codec.h"

C_StringBin::C_StringBin(std::string_view text, int sourceType) {
    if (sourceType < kBinary || sourceType > kDecimal) throw xWrongType{};
    CheckSource(text, sourceType, sourceType == kCharacter ? kMaxCharacters : kMaxLength);
    switch (sourceType) {
        case kBinary: m_value.assign(text); break;
        case kCharacter:
            m_value.reserve(text.size() * 8);
            for (const char c : text)
                for (int bit = 7; bit >= 0; --bit) m_value += (static_cast<unsigned char>(c) >> bit & 1) ? '1' : '0';
            break;
        case kHexadecimal: {
            const std::size_t first = text.find_first_not_of('0');
            if (first == std::string_view::npos) {
                m_value.assign(1, '0');
                break;
            }
            const std::string_view digits = text.substr(first);
            if (digits.size() > 15000) throw xNumberTooBig{};
            m_value.reserve(digits.size() * 4);
            for (const char c : digits) {
                const unsigned v = vek::hexa::value(c);
                for (int bit = 3; bit >= 0; --bit) m_value += (v >> bit & 1) ? '1' : '0';
            }
            m_value.erase(0, m_value.find('1'));  // the first digit is not 0, so a '1' exists
            break;
        }
        default: {  // decimal, up to 2^64 - 1
            const std::uint64_t value = DecimalValue(text);
            if (value == 0) {
                m_value.assign(1, '0');
                break;
            }
            for (int bit = 63 - __builtin_clzll(value); bit >= 0; --bit) m_value += (value >> bit & 1) ? '1' : '0';
        }
    }
}

bool C_StringBin::IsValid(std::string_view text) const { return IsValidText(text, kBinary); }

std::string C_StringBin::DigitFromValue(int value) const {
    if (value < 0 || value > 1) throw xWrongValue{};
    return std::string(1, static_cast<char>('0' + value));
}

std::string C_StringBin::GetPadded(int length) const { return GetPaddedWith(length, '0'); }
