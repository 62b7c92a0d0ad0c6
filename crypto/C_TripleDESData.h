#pragma once
// DES or Triple-DES over data of any number of blocks: electronic codebook or
// cipher-block chaining, either direction, with a key of 16, 32 or 48 digits
// (crypto/C_DESKey.h). Long runs go through the bitsliced path: electronic
// codebook in both directions, and the deciphering step of chained decryption.

#include <string>
#include <string_view>
#include <utility>

class C_TripleDESData final {
public:
    class xInvalidData final {};      // empty, not upper-case hexadecimal, or over 60000 digits
    class xWrongDataLength final {};  // not a whole number of blocks of 16 digits
    class xWrongMode final {};        // a direction other than 0 and 1, or a chaining other than 0 and 1
    class xWrongIV final {};          // chaining: not 16 hexadecimal digits; codebook: not empty

    // Chaining.
    static constexpr int kECB = 0;
    static constexpr int kCBC = 1;

    // `data` encrypted (mode 1) or decrypted (mode 0) under `key`, in electronic
    // codebook (chaining 0, `iv` empty) or cipher-block chaining (chaining 1,
    // `iv` the initialisation vector of 16 digits). Checks, in this order: the
    // key (C_DESKey::xInvalidKey, then C_DESKey::xWrongKeyLength), the data
    // (xInvalidData, then xWrongDataLength), mode and chaining (xWrongMode), the
    // initialisation vector (xWrongIV).
    C_TripleDESData(std::string_view key, std::string_view data, int mode, int chaining, std::string_view iv);

    // The result, as many digits as the data.
    const std::string& GetValue() const noexcept { return m_value; }
    std::string Release() noexcept { return std::move(m_value); }

private:
    std::string m_value;
};
