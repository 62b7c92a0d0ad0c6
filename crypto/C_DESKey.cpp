#include "crypto/C_DESKey.h"

#include <cstring>

#include "crypto/des_block.h"
#include "crypto/des_sliced.h"
#include "types/hexa_codec.h"

using namespace vek::des::block;

namespace {

// Three schedules in a row, one IP and one final permutation for all of them:
// IP of a pass's output undoes the final permutation and leaves its halves
// exchanged. Encrypting: E(a), D(b), E(c); decrypting: D(a), E(b), D(c).
template <bool Encrypt>
VEK_INLINE std::uint64_t three(const u32* a, const u32* b, const u32* c, std::uint64_t block) noexcept {
    u32 hi = static_cast<u32>(block >> 32), lo = static_cast<u32>(block);
    initial_permutation(hi, lo);
    rounds<Encrypt>(a, hi, lo);
    rounds<!Encrypt>(b, lo, hi);
    rounds<Encrypt>(c, hi, lo);
    final_permutation(lo, hi);
    return std::uint64_t{lo} << 32 | hi;
}

template <bool Encrypt>
VEK_INLINE std::uint64_t one(const u32* schedule, std::uint64_t block) noexcept {
    u32 hi = static_cast<u32>(block >> 32), lo = static_cast<u32>(block);
    initial_permutation(hi, lo);
    rounds<Encrypt>(schedule, hi, lo);
    final_permutation(lo, hi);
    return std::uint64_t{lo} << 32 | hi;
}

}  // namespace

C_DESKey::C_DESKey(std::string_view text, unsigned allowed) {
    if (text.empty() || !vek::hexa::valid(text)) throw xInvalidKey{};
    const std::size_t parts = text.size() / 16;
    if (text.size() % 16 != 0 || parts < 1 || parts > 3 || (allowed & (1u << (parts - 1))) == 0)
        throw xWrongKeyLength{};
    m_parts = static_cast<int>(parts);
    for (int i = 0; i < m_parts; ++i) {
        vek::hexa::decode(text.substr(16 * static_cast<std::size_t>(i), 16), m_key[i]);
        key_schedule(m_key[i], m_schedule[i]);
    }
}

std::uint64_t C_DESKey::Encrypt(std::uint64_t block) const noexcept {
    if (m_parts == 1) return one<true>(m_schedule[0], block);
    return three<true>(m_schedule[0], m_schedule[1], m_schedule[Third()], block);
}

std::uint64_t C_DESKey::Decrypt(std::uint64_t block) const noexcept {
    if (m_parts == 1) return one<false>(m_schedule[0], block);
    return three<false>(m_schedule[Third()], m_schedule[1], m_schedule[0], block);
}

std::uint64_t C_DESKey::EncryptWith(int part, std::uint64_t block) const noexcept {
    const int p = part == 2 ? Third() : (part == 1 && m_parts > 1 ? 1 : 0);
    return one<true>(m_schedule[p], block);
}

std::uint64_t C_DESKey::DecryptWith(int part, std::uint64_t block) const noexcept {
    const int p = part == 2 ? Third() : (part == 1 && m_parts > 1 ? 1 : 0);
    return one<false>(m_schedule[p], block);
}

void C_DESKey::ECB(int direction, char* text, std::size_t blocks) const noexcept {
    namespace des = vek::des;
    const bool encrypt = direction != 0;
    if (blocks >= des::kSlicedMinBlocks && des::variant() != des::Variant::Table) {
        // The sliced round keys of each part, for this run only.
        std::uint64_t masks[3][des::kSlicedKeyWords];
        for (int i = 0; i < m_parts; ++i) des::slice_key(m_key[i], masks[i]);
        des::SlicedPasses passes;
        if (m_parts == 1) {
            passes.count = 1;
            passes.encrypt[0] = encrypt;
            passes.masks[0] = masks[0];
        } else {
            const int order[3] = {encrypt ? 0 : Third(), 1, encrypt ? Third() : 0};
            passes.count = 3;
            for (int i = 0; i < 3; ++i) {
                passes.encrypt[i] = (i == 1) != encrypt;
                passes.masks[i] = masks[order[i]];
            }
        }
        const std::size_t tail = des::sliced_hexa_blocks(passes, text, blocks);
        text += 16 * (blocks - tail);
        blocks = tail;
    }
    if (m_parts == 1) {
        if (encrypt)
            ecb_hexa_blocks<true>(m_schedule[0], text, blocks);
        else
            ecb_hexa_blocks<false>(m_schedule[0], text, blocks);
        return;
    }
    for (std::size_t i = 0; i < blocks; ++i, text += 16) {
        const std::uint64_t x = vek::hexa::decode16(text);
        vek::hexa::encode16(encrypt ? Encrypt(x) : Decrypt(x), text);
    }
}

void C_DESKey::CBCEncrypt(char* text, std::size_t blocks, std::uint64_t& chaining) const noexcept {
    std::uint64_t c = chaining;
    for (std::size_t i = 0; i < blocks; ++i, text += 16) {
        c = Encrypt(vek::hexa::decode16(text) ^ c);
        vek::hexa::encode16(c, text);
    }
    chaining = c;
}

void C_DESKey::CBCDecrypt(const char* cipher, char* plain, std::size_t blocks, std::uint64_t& chaining) const noexcept {
    if (blocks == 0) return;
    std::memcpy(plain, cipher, 16 * blocks);
    ECB(0, plain, blocks);
    std::uint64_t previous = chaining;
    for (std::size_t i = 0; i < blocks; ++i) {
        const std::size_t at = 16 * i;
        vek::hexa::encode16(vek::hexa::decode16(plain + at) ^ previous, plain + at);
        previous = vek::hexa::decode16(cipher + at);
    }
    chaining = previous;
}
