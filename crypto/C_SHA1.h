#pragma once
// SHA-1 (FIPS 180-4): the 20-byte digest of a message of any length, given in
// one piece or in several. Used where a standard derives a value from a hash
// (the ICC master key derivation of a long PAN, crypto/C_ICCMasterKey.h).

#include <cstddef>
#include <cstdint>

class C_SHA1 final {
public:
    static constexpr std::size_t kDigestBytes = 20;

    C_SHA1() noexcept { Reset(); }

    // Starts a new message.
    void Reset() noexcept;
    // Appends `size` bytes to the message.
    void Update(const std::uint8_t* bytes, std::size_t size) noexcept;
    // Completes the message (its padding and bit length) and writes its digest;
    // the object then starts a new message.
    void Final(std::uint8_t digest[kDigestBytes]) noexcept;

    // The digest of `size` bytes in one call.
    static void Digest(const std::uint8_t* bytes, std::size_t size, std::uint8_t digest[kDigestBytes]) noexcept;

private:
    void Compress(const std::uint8_t block[64]) noexcept;

    std::uint32_t m_h[5] = {};
    std::uint64_t m_length = 0;  // bytes so far
    std::uint8_t m_block[64] = {};
    std::size_t m_filled = 0;    // bytes of m_block in use
};
