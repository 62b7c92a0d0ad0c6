#include "types/C_StringDec.h"

#include <cstdint>
#include <cstring>

#include "types/hexa_codec.h"

namespace {

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the 8 digits of `part` (below 10^8) ending at `end`.
void put_eight(char* end, std::uint32_t part) noexcept {
    for (int i = 0; i < 4; ++i) {
        end -= 2;
        std::memcpy(end, kPairs + std::size_t{2} * (part % 100), 2);
        part /= 100;
    }
}

// Unsigned decimal without leading zeros. The value is cut into parts of 8
// digits first, so that the digits come from short, independent 32-bit
// divisions rather than one chain of twenty 64-bit ones.
std::string to_decimal(std::uint64_t value) {
    constexpr std::uint64_t kEight = 100000000;
    char text[24];
    const auto low = static_cast<std::uint32_t>(value % kEight);
    const std::uint64_t rest = value / kEight;
    const auto middle = static_cast<std::uint32_t>(rest % kEight);
    const auto high = static_cast<std::uint32_t>(rest / kEight);  // below 184468
    put_eight(text + 24, low);
    put_eight(text + 16, middle);
    put_eight(text + 8, high);
    const char* first = text;
    while (first < text + 23 && *first == '0') ++first;
    return std::string(first, static_cast<std::size_t>(text + 24 - first));
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
        // The text is valid upper-case hexadecimal here.
        for (const char c : digits) value = value << 4 | vek::hexa::value(c);
    }
    m_value = to_decimal(value);
}

bool C_StringDec::IsValid(std::string_view text) const { return IsValidText(text, kDecimal); }

std::string C_StringDec::DigitFromValue(int value) const {
    if (value < 0 || value > 9) throw xWrongValue{};
    return std::string(1, static_cast<char>('0' + value));
}

std::string C_StringDec::GetPadded(int length) const { return GetPaddedWith(length, '0'); }
