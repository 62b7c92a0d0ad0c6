#include "crypto/C_SHA1.h"

#include <bit>
#include <cstring>

namespace {

std::uint32_t load_be(const std::uint8_t* p) noexcept {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

void C_SHA1::Reset() noexcept {
    m_h[0] = 0x67452301u;
    m_h[1] = 0xEFCDAB89u;
    m_h[2] = 0x98BADCFEu;
    m_h[3] = 0x10325476u;
    m_h[4] = 0xC3D2E1F0u;
    m_length = 0;
    m_filled = 0;
}

void C_SHA1::Compress(const std::uint8_t block[64]) noexcept {
    std::uint32_t w[80];
    for (std::size_t t = 0; t < 16; ++t) w[t] = load_be(block + 4 * t);
    for (int t = 16; t < 80; ++t) w[t] = std::rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    std::uint32_t a = m_h[0], b = m_h[1], c = m_h[2], d = m_h[3], e = m_h[4];
    for (int t = 0; t < 80; ++t) {
        std::uint32_t f = 0;
        std::uint32_t k = 0;
        if (t < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999u;
        } else if (t < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1u;
        } else if (t < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDCu;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6u;
        }
        const std::uint32_t temp = std::rotl(a, 5) + f + e + k + w[t];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = temp;
    }
    m_h[0] += a;
    m_h[1] += b;
    m_h[2] += c;
    m_h[3] += d;
    m_h[4] += e;
}

void C_SHA1::Update(const std::uint8_t* bytes, std::size_t size) noexcept {
    if (size == 0) return;
    m_length += size;
    if (m_filled > 0) {
        const std::size_t take = size < 64 - m_filled ? size : 64 - m_filled;
        std::memcpy(m_block + m_filled, bytes, take);
        m_filled += take;
        bytes += take;
        size -= take;
        if (m_filled < 64) return;
        Compress(m_block);
        m_filled = 0;
    }
    for (; size >= 64; size -= 64, bytes += 64) Compress(bytes);
    if (size > 0) std::memcpy(m_block, bytes, size);
    m_filled = size;
}

void C_SHA1::Final(std::uint8_t digest[kDigestBytes]) noexcept {
    const std::uint64_t bits = m_length * 8;
    // 80, then zeros up to 56 bytes of a block, then the length in bits.
    m_block[m_filled++] = 0x80;
    if (m_filled > 56) {
        std::memset(m_block + m_filled, 0, 64 - m_filled);
        Compress(m_block);
        m_filled = 0;
    }
    std::memset(m_block + m_filled, 0, 56 - m_filled);
    for (int i = 0; i < 8; ++i) m_block[56 + i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    Compress(m_block);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<std::uint8_t>(m_h[i] >> (24 - 8 * j));
    Reset();
}

void C_SHA1::Digest(const std::uint8_t* bytes, std::size_t size, std::uint8_t digest[kDigestBytes]) noexcept {
    C_SHA1 sha;
    sha.Update(bytes, size);
    sha.Final(digest);
}
