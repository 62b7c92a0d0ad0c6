// Comparison with a decimal number and extraction of a run of bits.
#include "types/C_StringBin.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"

namespace {

constexpr int kMaxBitPosition = 4 * C_StringType::kMaxLength - 1;  // 239999
constexpr int kMaxBitRun = 4 * C_StringType::kMaxLength;           // 240000

}  // namespace

int C_StringHexa::CompareDec(const C_StringDec& dec) const {
    return Compare(C_StringHexa(dec.GetPadded(0), kDecimal));
}

C_StringBin C_StringHexa::ExtractBin(int position, int length) const {
    CheckRun(position, length, 4 * GetLength(), kMaxBitPosition, kMaxBitRun, true);
    if (length > kMaxLength) throw xStringTooLong{};  // what the binary string would refuse
    std::string bits(static_cast<std::size_t>(length), '0');
    for (int i = 0; i < length; ++i) {
        const int bit = position + i;
        if ((DigitValue(m_value[static_cast<std::size_t>(bit / 4)]) >> (3 - bit % 4)) & 1)
            bits[static_cast<std::size_t>(i)] = '1';
    }
    return C_StringBin(bits, kBinary);
}
