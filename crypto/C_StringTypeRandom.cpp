// The shared fill routine of the random values.
#include <cstdint>
#include <string>
#include <vector>

#include "crypto/C_RandomGenerator.h"
#include "types/C_StringType.h"

namespace {

// Writes `count` units of W characters: unit u is the unit of byte u mod 8 (the
// least significant first) of block u / 8, looked up in `units` (W characters a
// byte value).
template <std::size_t W>
void spread(const std::uint64_t* blocks, std::size_t count, const char* units, char* text) noexcept {
    for (std::size_t u = 0; u < count; ++u) {
        const auto b = static_cast<std::size_t>((blocks[u / 8] >> (8 * (u % 8))) & 0xFF);
        for (std::size_t k = 0; k < W; ++k) text[u * W + k] = units[b * W + k];
    }
}

}  // namespace

void C_StringType::RandomFillValues(int length, int lo, int hi) {
    if (length < 1 || length > kMaxLength) throw xWrongLength{};
    if (lo >= hi) throw xWrongMinMax{};

    // The unit of every byte value b, DigitFromValue(lo + b mod range), worked out
    // once: a byte reaches at most 256 values of the range.
    const std::int64_t range = std::int64_t{hi} - lo + 1;
    const int reachable = range < 256 ? static_cast<int>(range) : 256;
    std::string values;  // the units of lo, lo + 1, ..., one after the other
    std::size_t width = 0;
    try {
        for (int v = 0; v < reachable; ++v) {
            const std::string unit = DigitFromValue(lo + v);
            if (v == 0) {
                width = unit.size();
                if (width == 0) throw xWrongMinMax{};
                values.reserve(static_cast<std::size_t>(reachable) * width);
            }
            if (unit.size() != width) throw xWrongMinMax{};  // units of one width only
            values += unit;
        }
    } catch (const xWrongValue&) {
        throw xWrongMinMax{};
    }
    if (static_cast<std::size_t>(length) % width != 0) throw xModuloError{};
    std::string units(256 * width, ' ');
    for (std::size_t b = 0, v = 0; b < 256; ++b, v = v + 1 == static_cast<std::size_t>(reachable) ? 0 : v + 1)
        for (std::size_t k = 0; k < width; ++k) units[b * width + k] = values[v * width + k];

    const std::size_t count = static_cast<std::size_t>(length) / width;
    std::vector<std::uint64_t> blocks((count + 7) / 8);  // 8 bytes a block
    std::string text(static_cast<std::size_t>(length), ' ');

    C_RandomGenerator& generator = C_RandomGenerator::Instance();
    generator.InitRandomGenerator();
    generator.NextRandomBlocks(blocks.data(), blocks.size());
    switch (width) {
        case 1: spread<1>(blocks.data(), count, units.data(), text.data()); break;
        case 2: spread<2>(blocks.data(), count, units.data(), text.data()); break;
        default:
            for (std::size_t u = 0; u < count; ++u) {
                const auto b = static_cast<std::size_t>((blocks[u / 8] >> (8 * (u % 8))) & 0xFF);
                text.replace(u * width, width, units, b * width, width);
            }
    }
    m_value = std::move(text);
}
