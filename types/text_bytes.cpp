#include "types/text_bytes.h"

#include <cstring>

#include "types/C_StringType.h"
#include "types/hexa_codec.h"

namespace vek::bytes {
namespace {

using S = C_StringType;

// The count for a text of `length` digits of `perByte` digits a byte, or
// xStringTooLong; computed without overflow whatever the length.
int count_of(std::size_t length, std::size_t perByte) {
    const std::size_t count = length / perByte + (length % perByte != 0 ? 1 : 0);
    if (count > static_cast<std::size_t>(kMaxBytes)) throw S::xStringTooLong{};
    return static_cast<int>(count);
}

}  // namespace

int HexaCount(std::string_view text) {
    if (text.empty()) throw S::xEmptyString{};
    if (!S::InAlphabet(text, S::kHexadecimal)) throw S::xInvalidType{};
    return count_of(text.size(), 2);
}

int BinCount(std::string_view text) {
    if (!S::InAlphabet(text, S::kBinary)) throw S::xInvalidType{};
    if (text.empty()) throw S::xEmptyString{};
    return count_of(text.size(), 8);
}

int FromHexa(std::string_view text, unsigned char* bytes) {
    const int count = HexaCount(text);
    vek::hexa::decode(text, bytes);
    bytes[count] = 0;
    return count;
}

int FromBin(std::string_view text, unsigned char* bytes) {
    const int count = BinCount(text);
    std::memset(bytes, 0, static_cast<std::size_t>(count) + 1);
    // Bit r counted from the right end of the text lands in byte count-1 - r/8, bit r%8.
    const std::size_t last = text.size() - 1;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '1') continue;
        const std::size_t r = last - k;
        bytes[static_cast<std::size_t>(count) - 1 - r / 8] |= static_cast<unsigned char>(1u << (r % 8));
    }
    return count;
}

}  // namespace vek::bytes
