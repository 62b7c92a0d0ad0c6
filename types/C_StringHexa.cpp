#include "types/C_StringHexa.h"

#include <bit>
#include <cstdint>

#include "types/hexa_codec.h"

namespace {

// Hexadecimal without leading zeros (one "0" for zero).
std::string to_hexa(std::uint64_t value) {
    char text[16];
    vek::hexa::encode16(value, text);
    const int first = value == 0 ? 15 : std::countl_zero(value) / 4;
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
                    m_value[bit / 4] = vek::hexa::digit(vek::hexa::value(m_value[bit / 4]) | (8u >> (bit % 4)));
                }
            }
            break;
        }
        case kCharacter:
            m_value.resize(text.size() * 2);
            vek::hexa::encode(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), m_value.data());
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
    const int value = vek::hexa::checked_value(digit);
    if (value < 0) throw xWrongValue{};
    return value;
}

char C_StringHexa::DigitChar(int value) {
    if (value < 0 || value > 15) throw xWrongValue{};
    return vek::hexa::digit(static_cast<unsigned>(value));
}
