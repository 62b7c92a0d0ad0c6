#include "crypto/C_PINBlock.h"

#include <cstdint>
#include <cstring>

#include "crypto/C_RandomGenerator.h"
#include "types/C_StringType.h"
#include "types/hexa_codec.h"
#include "types/xRuntimeError.h"

namespace {

bool decimal(std::string_view text) noexcept { return C_StringType::InAlphabet(text, C_StringType::kDecimal); }

bool known_format(int format) noexcept { return format == 0 || format == 1 || format == 3; }

bool uses_pan(int format) noexcept { return format != 1; }

// The account field of formats 0 and 3: 0000 and the 12 PAN digits before the
// check digit. xInvalidPAN for a PAN that has no such digits.
std::uint64_t account_field(std::string_view pan) {
    if (pan.size() < 13 || pan.size() > 19 || !decimal(pan)) throw C_PINBlock::xInvalidPAN{};
    char field[16] = {'0', '0', '0', '0'};
    std::memcpy(field + 4, pan.data() + pan.size() - 13, 12);
    return vek::hexa::decode16(field);
}

// `count` random fill digits of `format` into `out`: 0-F for format 1, A-F for
// format 3. Each random byte gives two 4-bit values; for format 3 a value
// below 12 gives A + value mod 6 (each letter equally likely), the rest are
// drawn again.
void random_fill(int format, char* out, std::size_t count) {
    unsigned char bytes[16];
    std::size_t used = sizeof bytes;
    for (std::size_t n = 0; n < count;) {
        if (used == sizeof bytes) {
            if (!C_RandomGenerator::SystemRandom(bytes, sizeof bytes)) throw xRuntimeError{};
            used = 0;
        }
        const unsigned byte = bytes[used++];
        for (const unsigned v : {byte >> 4, byte & 0xFu}) {
            if (n == count) break;
            if (format == 1)
                out[n++] = vek::hexa::digit(v);
            else if (v < 12)
                out[n++] = static_cast<char>('A' + v % 6);
        }
    }
}

}  // namespace

C_PINBlock::C_PINBlock(int format, std::string_view pin, std::string_view pan) {
    if (!known_format(format)) throw xWrongFormat{};
    if (pin.size() < 4 || pin.size() > 12 || !decimal(pin)) throw xInvalidPIN{};
    const std::uint64_t account = uses_pan(format) ? account_field(pan) : 0;

    char field[16];
    field[0] = vek::hexa::digit(static_cast<unsigned>(format));
    field[1] = vek::hexa::digit(static_cast<unsigned>(pin.size()));
    std::memcpy(field + 2, pin.data(), pin.size());
    char* fill = field + 2 + pin.size();
    const std::size_t fillDigits = 14 - pin.size();
    if (format == 0)
        std::memset(fill, 'F', fillDigits);
    else
        random_fill(format, fill, fillDigits);
    vek::hexa::encode16(vek::hexa::decode16(field) ^ account, m_text);
}

std::string C_PINBlock::GetPIN(int format, std::string_view block, std::string_view pan) {
    if (!known_format(format)) throw xWrongFormat{};
    if (block.size() != 16 || !vek::hexa::valid(block)) throw xInvalidBlock{};
    const std::uint64_t account = uses_pan(format) ? account_field(pan) : 0;

    char field[16];
    vek::hexa::encode16(vek::hexa::decode16(block.data()) ^ account, field);
    const unsigned length = vek::hexa::value(field[1]);
    if (field[0] != vek::hexa::digit(static_cast<unsigned>(format)) || length < 4 || length > 12)
        throw xMalformedBlock{};
    const std::string_view pin(field + 2, length);
    if (!decimal(pin)) throw xMalformedBlock{};
    for (std::size_t i = 2 + length; i < 16; ++i) {
        const bool allowed = format == 0 ? field[i] == 'F' : format == 3 ? field[i] >= 'A' : true;
        if (!allowed) throw xMalformedBlock{};
    }
    return std::string(pin);
}
