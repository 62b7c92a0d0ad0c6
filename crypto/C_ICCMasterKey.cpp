#include "crypto/C_ICCMasterKey.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "crypto/C_DESKey.h"
#include "crypto/C_SHA1.h"
#include "types/C_StringType.h"
#include "types/hexa_codec.h"

namespace {

bool decimal(std::string_view text) noexcept { return C_StringType::InAlphabet(text, C_StringType::kDecimal); }

// Every byte's least significant bit set so that the byte has an odd number of ones.
std::uint64_t odd_parity(std::uint64_t block) noexcept {
    std::uint64_t out = 0;
    for (int i = 7; i >= 0; --i) {
        const unsigned b = static_cast<unsigned>(block >> (8 * i)) & 0xFEu;
        out = out << 8 | (b | (static_cast<unsigned>(std::popcount(b) & 1) ^ 1u));
    }
    return out;
}

}  // namespace

C_ICCMasterKey::C_ICCMasterKey(std::string_view issuerMasterKey, std::string_view pan, std::string_view psn,
                               int option) {
    const C_DESKey imk(issuerMasterKey, C_DESKey::kDouble);
    if (pan.empty() || pan.size() > 19 || !decimal(pan)) throw xInvalidPAN{};
    if (!psn.empty() && (psn.size() != 2 || !decimal(psn))) throw xInvalidPSN{};
    if (option != kByLength && option != kOptionA && option != kOptionB) throw xWrongOption{};

    // X = PAN || PSN, at most 21 digits, with room for a '0' in front.
    char x[22];
    std::size_t n = 1;
    std::memcpy(x + n, pan.data(), pan.size());
    n += pan.size();
    const std::string_view sequence = psn.empty() ? std::string_view("00") : psn;
    std::copy_n(sequence.data(), 2, x + n);
    n += 2;
    const std::size_t digits = n - 1;  // of X itself

    char y[16];
    if (option == kOptionA || pan.size() <= 16) {
        // The rightmost 16 digits, zeros on the left when X is shorter.
        const std::size_t take = digits < 16 ? digits : 16;
        std::memset(y, '0', 16 - take);
        std::memcpy(y + 16 - take, x + n - take, take);
    } else {
        // An even number of digits, packed, hashed, decimalised.
        const char* from = x + 1;
        std::size_t count = digits;
        if (count % 2 != 0) {
            x[0] = '0';
            from = x;
            ++count;
        }
        std::uint8_t packed[11];
        vek::hexa::decode(std::string_view(from, count), packed);
        std::uint8_t hash[C_SHA1::kDigestBytes];
        C_SHA1::Digest(packed, count / 2, hash);
        char hex[2 * C_SHA1::kDigestBytes];
        vek::hexa::encode(hash, sizeof hash, hex);
        vek::hexa::decimalise(std::string_view(hex, sizeof hex), y, 16);  // 40 digits give at least 16
    }
    const std::uint64_t block = vek::hexa::decode16(y);
    vek::hexa::encode16(odd_parity(imk.Encrypt(block)), m_text);
    vek::hexa::encode16(odd_parity(imk.Encrypt(~block)), m_text + 16);
}
