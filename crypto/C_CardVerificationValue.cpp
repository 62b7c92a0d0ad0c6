#include "crypto/C_CardVerificationValue.h"

#include <cstdint>
#include <cstring>

#include "crypto/C_DESKey.h"
#include "types/C_StringType.h"
#include "types/hexa_codec.h"

namespace {

bool decimal(std::string_view text, std::size_t min, std::size_t max) noexcept {
    return text.size() >= min && text.size() <= max && C_StringType::InAlphabet(text, C_StringType::kDecimal);
}

}  // namespace

C_CardVerificationValue::C_CardVerificationValue(std::string_view cvk, std::string_view pan, std::string_view expiry,
                                                 std::string_view serviceCode) {
    const C_DESKey key(cvk, C_DESKey::kDouble);
    if (!decimal(pan, 1, 19)) throw xInvalidPAN{};
    if (!decimal(expiry, 4, 4)) throw xInvalidExpiry{};
    if (!decimal(serviceCode, 3, 3)) throw xInvalidServiceCode{};

    // At most 19 + 4 + 3 = 26 digits, then zeros.
    char text[32];
    std::memset(text, '0', sizeof text);
    std::memcpy(text, pan.data(), pan.size());
    std::memcpy(text + pan.size(), expiry.data(), 4);
    std::memcpy(text + pan.size() + 4, serviceCode.data(), 3);

    const std::uint64_t first = key.EncryptWith(0, vek::hexa::decode16(text));
    const std::uint64_t result = key.Encrypt(first ^ vek::hexa::decode16(text + 16));
    char digits[16];
    vek::hexa::encode16(result, digits);
    vek::hexa::decimalise(std::string_view(digits, 16), m_text, 3);
}
