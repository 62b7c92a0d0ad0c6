#include "crypto/C_MAC.h"

#include <cstdint>

#include "crypto/C_DESKey.h"
#include "types/C_StringType.h"
#include "types/hexa_codec.h"

C_MAC::C_MAC(std::string_view key, std::string_view data, int algorithm, int padding) {
    const C_DESKey k(key, algorithm == 3 ? C_DESKey::kDouble | C_DESKey::kTriple : C_DESKey::kAnyLength);
    if (data.size() % 2 != 0 || data.size() > static_cast<std::size_t>(C_StringType::kMaxLength) ||
        !vek::hexa::valid(data))
        throw xInvalidData{};
    if (algorithm != 1 && algorithm != 3) throw xWrongAlgorithm{};
    if (padding != 1 && padding != 2) throw xWrongPadding{};

    // The chaining: single DES under K1 for algorithm 3, the key's cipher for algorithm 1.
    const auto cipher = [&](std::uint64_t x) { return algorithm == 3 ? k.EncryptWith(0, x) : k.Encrypt(x); };
    std::uint64_t h = 0;
    const std::size_t whole = data.size() / 16;
    for (std::size_t i = 0; i < whole; ++i) h = cipher(h ^ vek::hexa::decode16(data.data() + 16 * i));

    // The last block: the rest of the data, padded.
    const std::string_view rest = data.substr(16 * whole);
    const bool lastBlock = !rest.empty() || padding == 2 || data.empty();
    if (lastBlock) {
        std::uint8_t bytes[8] = {};
        vek::hexa::decode(rest, bytes);
        if (padding == 2) bytes[rest.size() / 2] = 0x80;
        std::uint64_t block = 0;
        for (const std::uint8_t b : bytes) block = block << 8 | b;
        h = cipher(h ^ block);
    }
    if (algorithm == 3) h = k.EncryptWith(2, k.DecryptWith(1, h));
    vek::hexa::encode16(h, m_text);
}
