#include "types/C_ArrayChar.h"

#include "types/hexa_codec.h"

C_ArrayChar::C_ArrayChar(const unsigned char* bytes, int length, int targetType) {
    if (targetType != kBinary && targetType != kHexadecimal) throw xWrongType{};
    if (length > kMaxLength) throw xStringTooLong{};
    if (length == 0) throw xEmptyString{};
    if (length < 0) throw xInvalidType{};
    if (bytes == nullptr) throw xEmptyString{};
    const int perByte = targetType == kHexadecimal ? 2 : 8;
    if (perByte * length > kMaxLength) throw xStringTooLong{};

    m_text.resize(static_cast<std::size_t>(perByte) * static_cast<std::size_t>(length));
    char* out = m_text.data();
    if (targetType == kHexadecimal) {
        vek::hexa::encode(bytes, static_cast<std::size_t>(length), out);
        return;
    }
    for (int k = 0; k < length; ++k)
        for (int bit = 7; bit >= 0; --bit) *out++ = (bytes[k] >> bit & 1) ? '1' : '0';
}

char C_ArrayChar::DigitChar(int value) {
    if (value < 0 || value > 15) throw xWrongValue{};
    return vek::hexa::digit(static_cast<unsigned>(value));
}
