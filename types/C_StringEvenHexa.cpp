#include "types/C_StringEvenHexa.h"

std::string C_StringEvenHexa::DigitFromValue(int value) const {
    if (value < 0 || value > 255) throw xWrongValue{};
    return {DigitChar(value >> 4), DigitChar(value & 0xF)};
}
