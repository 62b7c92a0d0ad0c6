#include "types/C_StringChar.h"

#include "types/hexa_codec.h"

C_StringChar::C_StringChar(std::string_view text, int sourceType) {
    if (sourceType < kBinary || sourceType > kHexadecimal) throw xWrongType{};
    if ((sourceType == kBinary && text.size() % 8 != 0) || (sourceType == kHexadecimal && text.size() % 2 != 0))
        throw xModuloError{};
    CheckSource(text, sourceType);
    switch (sourceType) {
        case kBinary:
            m_value.resize(text.size() / 8);
            for (std::size_t i = 0; i < m_value.size(); ++i) {
                unsigned byte = 0;
                for (std::size_t b = 0; b < 8; ++b) byte = byte << 1 | (text[8 * i + b] == '1' ? 1u : 0u);
                m_value[i] = static_cast<char>(byte);
            }
            break;
        case kCharacter: m_value.assign(text); break;
        default:  // hexadecimal
            m_value.resize(text.size() / 2);
            vek::hexa::decode(text.substr(0, 2 * m_value.size()), reinterpret_cast<std::uint8_t*>(m_value.data()));
    }
}

bool C_StringChar::IsValid(std::string_view text) const { return IsValidText(text, kCharacter); }

std::string C_StringChar::DigitFromValue(int value) const {
    if (value < 1 || value > 255) throw xWrongValue{};
    return std::string(1, static_cast<char>(static_cast<unsigned char>(value)));
}

std::string C_StringChar::GetPadded(int length) const { return GetPaddedWith(length, ' '); }

void C_StringChar::SwapNibbles() noexcept {
    for (char& c : m_value) {
        const auto byte = static_cast<unsigned char>(c);
        c = static_cast<char>(static_cast<unsigned char>(byte << 4 | byte >> 4));
    }
}

void C_StringChar::CheckNoNullChar() const {
    if (m_value.find('\0') != std::string::npos) throw xNullChar{};
}
