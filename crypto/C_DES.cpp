// The DES engine: the process's one instance, its key slots, schedules and
// chaining value. The single-block path is in crypto/des_block.h, the
// bitsliced path for long runs in crypto/des_sliced.h.

#include "crypto/C_DES.h"

#include <cstring>
#include <utility>

#include "crypto/des_block.h"
#include "crypto/des_sliced.h"
#include "types/hexa_codec.h"

using namespace vek::des;
using namespace vek::des::block;

namespace {
constinit C_DES g_engine;  // zero at load: all-zero keys and schedules, slot 0
}

C_DES& C_DES::Instance() noexcept { return g_engine; }

void C_DES::ComputeSchedule(int slot) noexcept {
    m_slicedReady[slot] = false;
    key_schedule(m_key[slot], m_schedule[slot]);
}

int C_DES::SelectKey(int slot) noexcept {
    m_current = slot == 1 ? 1 : 0;
    return 0;
}

int C_DES::SetKey(const Byte key[8]) noexcept {
    std::memcpy(m_key[m_current], key, 8);
    ComputeSchedule(m_current);
    return 0;
}

int C_DES::SetKeys(const Byte k1[8], const Byte k2[8]) noexcept {
    std::memcpy(m_key[0], k1, 8);
    std::memcpy(m_key[1], k2, 8);
    SelectKey(1);
    SetKey(k2);
    SelectKey(0);
    SetKey(k1);
    return 0;
}

int C_DES::SetIV(const Byte iv[8]) noexcept {
    std::memcpy(m_iv, iv, 8);
    return 0;
}

void C_DES::Des(int direction, u32& hi, u32& lo) const noexcept {
    initial_permutation(hi, lo);
    if (direction != 0)
        rounds<true>(m_schedule[m_current], hi, lo);
    else
        rounds<false>(m_schedule[m_current], hi, lo);
    final_permutation(lo, hi);
    std::swap(hi, lo);
}

// The three passes share one IP and one final permutation: IP of a pass's
// output undoes the final permutation and leaves its halves exchanged.
void C_DES::TripleDes(int direction, u32& hi, u32& lo) const noexcept {
    initial_permutation(hi, lo);
    if (direction != 0) {
        rounds<true>(m_schedule[0], hi, lo);
        rounds<false>(m_schedule[1], lo, hi);
        rounds<true>(m_schedule[0], hi, lo);
    } else {
        rounds<false>(m_schedule[0], hi, lo);
        rounds<true>(m_schedule[1], lo, hi);
        rounds<false>(m_schedule[0], hi, lo);
    }
    final_permutation(lo, hi);
    std::swap(hi, lo);
}

int C_DES::CalDES(int direction, Byte block[8]) noexcept {
    u32 hi = load_be(block), lo = load_be(block + 4);
    Des(direction, hi, lo);
    store_be(hi, block);
    store_be(lo, block + 4);
    return 0;
}

int C_DES::CalTripleDES(int direction, Byte block[8]) noexcept {
    u32 hi = load_be(block), lo = load_be(block + 4);
    TripleDes(direction, hi, lo);
    store_be(hi, block);
    store_be(lo, block + 4);
    m_current = 0;
    return 0;
}

void C_DES::Cbc(int direction, Byte block[8], void (C_DES::*cipher)(int, u32&, u32&) const noexcept) noexcept {
    u32 hi = load_be(block), lo = load_be(block + 4);
    const u32 ivHi = load_be(m_iv), ivLo = load_be(m_iv + 4);
    if (direction != 0) {
        hi ^= ivHi;
        lo ^= ivLo;
        (this->*cipher)(1, hi, lo);
        store_be(hi, m_iv);
        store_be(lo, m_iv + 4);
    } else {
        std::memcpy(m_iv, block, 8);
        (this->*cipher)(0, hi, lo);
        hi ^= ivHi;
        lo ^= ivLo;
    }
    store_be(hi, block);
    store_be(lo, block + 4);
}

int C_DES::CalDESCBC(int direction, Byte block[8]) noexcept {
    Cbc(direction, block, &C_DES::Des);
    return 0;
}

int C_DES::CalTripleDESCBC(int direction, Byte block[8]) noexcept {
    Cbc(direction, block, &C_DES::TripleDes);
    m_current = 0;
    return 0;
}

int C_DES::SetKeyHexa(const char key[16]) noexcept {
    Byte k[8];
    hexa_to_bytes(key, k);
    return SetKey(k);
}

int C_DES::SetKeysHexa(const char k1[16], const char k2[16]) noexcept {
    Byte a[8], b[8];
    hexa_to_bytes(k1, a);
    hexa_to_bytes(k2, b);
    return SetKeys(a, b);
}

int C_DES::SetIVHexa(const char iv[16]) noexcept {
    Byte v[8];
    hexa_to_bytes(iv, v);
    return SetIV(v);
}

namespace {

template <class Op>
int on_hexa(char text[16], Op op) noexcept {
    C_DES::Byte block[8];
    hexa_to_bytes(text, block);
    op(block);
    encode8(load_be(block), text);
    encode8(load_be(block + 4), text + 8);
    return 0;
}

}  // namespace

int C_DES::CalDESHexa(int direction, char text[16]) noexcept {
    u32 hi = decode8(text), lo = decode8(text + 8);
    Des(direction, hi, lo);
    encode8(hi, text);
    encode8(lo, text + 8);
    return 0;
}

int C_DES::CalTripleDESHexa(int direction, char text[16]) noexcept {
    u32 hi = decode8(text), lo = decode8(text + 8);
    TripleDes(direction, hi, lo);
    encode8(hi, text);
    encode8(lo, text + 8);
    m_current = 0;
    return 0;
}

int C_DES::CalDESCBCHexa(int direction, char text[16]) noexcept {
    return on_hexa(text, [&](Byte* b) { CalDESCBC(direction, b); });
}

int C_DES::CalTripleDESCBCHexa(int direction, char text[16]) noexcept {
    return on_hexa(text, [&](Byte* b) { CalTripleDESCBC(direction, b); });
}

const std::uint64_t* C_DES::SlicedSchedule(int slot) noexcept {
    if (!m_slicedReady[slot]) {
        slice_key(m_key[slot], m_sliced[slot]);
        m_slicedReady[slot] = true;
    }
    return m_sliced[slot];
}

int C_DES::CalDESHexaBlocks(int direction, char* text, std::size_t blocks) noexcept {
    return CalDESHexaRecords(direction, text, 1, blocks, 16 * blocks);
}

int C_DES::CalDESHexaRecords(int direction, char* text, std::size_t records, std::size_t blocks,
                             std::size_t stride) noexcept {
    if (records == 0 || blocks == 0) return 0;
    BlockRun run{text, 0, blocks, stride};
    std::size_t left = records * blocks;
    if (left >= kSlicedMinBlocks)
        left = sliced_hexa_run(SlicedPasses::One(direction != 0, SlicedSchedule(m_current)), run, left);
    // A short run, or the tail of a long one: the table path, record by record.
    const u32* ks = m_schedule[m_current];
    run.Take(left, [&](char* digits, std::size_t n, std::size_t) {
        if (direction != 0)
            ecb_hexa_blocks<true>(ks, digits, n);
        else
            ecb_hexa_blocks<false>(ks, digits, n);
    });
    return 0;
}

bool C_DES::KeysLoadedHexa(const char k1[16], const char k2[16]) const noexcept {
    // Word by word, so that other keys usually cost one word's decoding.
    return decode8(k1) == load_be(m_key[0]) && decode8(k1 + 8) == load_be(m_key[0] + 4) &&
           decode8(k2) == load_be(m_key[1]) && decode8(k2 + 8) == load_be(m_key[1] + 4);
}

int C_DES::SetKeysAndCalTripleDESHexa(int direction, const char k1[16], const char k2[16], char text[16]) noexcept {
    hexa_to_bytes(k1, m_key[0]);
    hexa_to_bytes(k2, m_key[1]);
    m_slicedReady[0] = m_slicedReady[1] = false;
    const Halves a = permuted_choice_1(m_key[0]), b = permuted_choice_1(m_key[1]);
    u32 hi = decode8(text), lo = decode8(text + 8);
    initial_permutation(hi, lo);
    constexpr auto kRounds = std::make_integer_sequence<int, 16>{};
    if (direction != 0) {
        first_pass<true>(a, b, m_schedule[0], m_schedule[1], hi, lo, kRounds);
        rounds<false>(m_schedule[1], lo, hi);
        rounds<true>(m_schedule[0], hi, lo);
    } else {
        first_pass<false>(a, b, m_schedule[0], m_schedule[1], hi, lo, kRounds);
        rounds<true>(m_schedule[1], lo, hi);
        rounds<false>(m_schedule[0], hi, lo);
    }
    final_permutation(lo, hi);
    encode8(lo, text);
    encode8(hi, text + 8);
    m_current = 0;
    return 0;
}
