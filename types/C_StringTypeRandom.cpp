// The shared fill routine of the random values.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "types/C_RandomGenerator.h"
#include "types/C_StringType.h"

void C_StringType::RandomFillValues(int length, int lo, int hi) {
    if (length < 1 || length > kMaxLength) throw xWrongLength{};
    if (lo >= hi) throw xWrongMinMax{};

    // The unit of every byte value b, DigitFromValue(lo + b mod range), worked out
    // once: a byte reaches at most 256 values of the range.
    const std::int64_t range = std::int64_t{hi} - lo + 1;
    const int reachable = range < 256 ? static_cast<int>(range) : 256;
    std::vector<std::string> values(static_cast<std::size_t>(reachable));
    try {
        for (int v = 0; v < reachable; ++v) values[static_cast<std::size_t>(v)] = DigitFromValue(lo + v);
    } catch (const xWrongValue&) {
        throw xWrongMinMax{};
    }
    const std::size_t width = values[0].size();
    for (const auto& v : values)
        if (v.size() != width || width == 0) throw xWrongMinMax{};
    if (static_cast<std::size_t>(length) % width != 0) throw xModuloError{};
    std::string units(256 * width, ' ');
    for (std::size_t b = 0; b < 256; ++b)
        std::memcpy(&units[b * width], values[b % static_cast<std::size_t>(reachable)].data(), width);

    const std::size_t count = static_cast<std::size_t>(length) / width;
    std::vector<std::uint64_t> blocks((count + 7) / 8);  // 8 bytes a block
    std::string text(static_cast<std::size_t>(length), ' ');

    C_RandomGenerator& generator = C_RandomGenerator::Instance();
    generator.InitRandomGenerator();
    generator.NextRandomBlocks(blocks.data(), blocks.size());
    for (std::size_t u = 0; u < count; ++u) {
        const auto b = static_cast<std::size_t>((blocks[u / 8] >> (8 * (u % 8))) & 0xFF);
        std::memcpy(&text[u * width], &units[b * width], width);
    }
    m_value = std::move(text);
}
