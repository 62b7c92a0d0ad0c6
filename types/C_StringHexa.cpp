#include "types/C_StringHexa.h"

#include <cstdint>

#include "types/hexa_digits.h"

namespace {

using vek::hexa::kDigits;

std::string to_hexa(std::uint64_t value) {
    char text[16];
    int first = 16;
    do {
        text[--first] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    return std::string(text + first, text + 16);
}

}  // namespace

C_StringHexa::C_StringHexa(std::string_view text, int sourceType) {
    if (sourceType < kBinary || sourceType > kDecimal) throw xWrongType{};
    CheckSource(text, sourceType, sourceType == kCharacter ? kMaxLength / 2 : kMaxLength);
    switch (sourceType) {
        case kBinary: {
            const std::size_t first = text.find_first_not_of('0');
            if (first == std::string_view::npos) {
                m_value.assign(1, '0');
                break;
            }
            const std::string_view bits = text.substr(first);
            const std::size_t digits = (bits.size() + 3) / 4;
            m_value.assign(digits, '0');
            // Group by four from the right end; a short group at the left is zero-filled.
            const std::size_t shift = digits * 4 - bits.size();
            for (std::size_t i = 0; i < bits.size(); ++i) {
                if (bits[i] == '1') {
                    const std::size_t bit = i + shift;
                    m_value[bit / 4] = kDigits[DigitValue(m_value[bit / 4]) | (8 >> (bit % 4))];
                }
            }
            break;
        }
        case kCharacter:
            m_value.resize(text.size() * 2);
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto c = static_cast<unsigned char>(text[i]);
                m_value[2 * i] = kDigits[c >> 4];
                m_value[2 * i + 1] = kDigits[c & 0xF];
            }
            break;
        case kHexadecimal: m_value.assign(text); break;
        default: {  // decimal, up to 2^64 - 1
            const std::uint64_t value = DecimalValue(text);
            m_value = to_hexa(value);
        }
    }
}

bool C_StringHexa::IsValid(std::string_view text) const { return IsValidText(text, kHexadecimal); }

std::string C_StringHexa::DigitFromValue(int value) const { return std::string(1, DigitChar(value)); }

std::string C_StringHexa::GetPadded(int length) const { return GetPaddedWith(length, '0'); }

int C_StringHexa::DigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    throw xWrongValue{};
}

char C_StringHexa::DigitChar(int value) {
    if (value < 0 || value > 15) throw xWrongValue{};
    return kDigits[value];
}
