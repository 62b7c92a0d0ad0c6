// The DES engine.
//
// The standard's tables (IP, E, P, S1-S8, PC-1, PC-2, the shift schedule) are
// in crypto/des_tables.h; the tables this single-block path runs on are derived
// from them at compile time:
//  - each half block is held in a register rotated left by one bit (register bit
//    0 holds the standard's bit 1, bit 31 its bit 2), so that the eight 6-bit
//    groups of E(R) are plain byte-aligned fields of R and of R rotated right by
//    4: the expansion costs nothing;
//  - round keys are stored in the same arrangement, groups 1, 3, 5, 7 in one
//    word and 2, 4, 6, 8 in the other;
//  - S-box and P are merged into eight tables (SP tables) that give P(S(group))
//    directly in the register arrangement, indexed by a whole byte;
//  - IP and its inverse are done by a sequence of swap-moves on the two words;
//  - the key schedule runs on 7-bit chunk tables for PC-1 and PC-2.
// static_asserts below check the derived forms against the standard's tables.

#include "crypto/C_DES.h"

#include <bit>
#include <cstring>
#include <utility>

#include "crypto/des_sliced.h"
#include "crypto/des_tables.h"
#include "types/hexa_codec.h"

namespace vek::des {
namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

// ---- Register arrangement of a half block ----

// Standard bit k (1..32) of a half block sits at this register bit.
constexpr int reg_bit(int k) { return (33 - k) % 32; }
// A 32-bit value in the standard's order (bit 1 = most significant) to register form.
constexpr u32 to_reg(u32 standard) { return std::rotl(standard, 1); }

// The 6-bit groups of E(R), read from the register: groups 1, 3, 5, 7 from R
// rotated right by 4, groups 2, 4, 6, 8 from R, each at shift 24, 16, 8, 0.
constexpr int group_shift(int g) { return 24 - 8 * ((g - 1) / 2); }  // g = 1..8
constexpr bool group_is_rotated(int g) { return g % 2 == 1; }

// The extraction above reads exactly the bits that E selects, in E's order.
constexpr bool extraction_matches_e() {
    for (int g = 1; g <= 8; ++g)
        for (int p = 0; p < 6; ++p) {
            // Bit p (0 = most significant) of the field sits at this bit of the word read.
            const int field_bit = group_shift(g) + 5 - p;
            const int bit = group_is_rotated(g) ? (field_bit + 4) % 32 : field_bit;
            if (bit != reg_bit(kE[6 * (g - 1) + p])) return false;
        }
    return true;
}
static_assert(extraction_matches_e());

// ---- SP tables ----

// Indexed by a whole byte: the field's upper two bits (neighbouring bits of R)
// are ignored, so a round reads each group with a plain byte extraction.
struct SPTables {
    u32 t[8][256];
};

constexpr SPTables make_sp() {
    SPTables sp{};
    for (int g = 0; g < 8; ++g)
        for (int v = 0; v < 64; ++v) {
            const int row = ((v >> 4) & 2) | (v & 1);
            const int col = (v >> 1) & 0xF;
            // S-box output in the standard's order: bits 4g+1..4g+4 of the 32.
            const u32 s = static_cast<u32>(kS[g][row * 16 + col]) << (28 - 4 * g);
            u32 p = 0;
            for (int i = 0; i < 32; ++i)
                if ((s >> (32 - kP[i])) & 1) p |= u32{1} << (31 - i);
            for (int high = 0; high < 256; high += 64) sp.t[g][high | v] = to_reg(p);
        }
    return sp;
}

alignas(64) constexpr SPTables kSP = make_sp();

// ---- Initial permutation and its inverse, by swap-moves ----

constexpr void swap_move(u32& a, u32& b, int shift, u32 mask) {
    const u32 w = ((a >> shift) ^ b) & mask;
    b ^= w;
    a ^= w << shift;
}

// (hi, lo): the block's first and second four bytes, big-endian. Afterwards hi
// and lo hold L0 and R0 of IP(block) in register form.
constexpr void initial_permutation(u32& hi, u32& lo) {
    swap_move(hi, lo, 4, 0x0F0F0F0Fu);
    swap_move(hi, lo, 16, 0x0000FFFFu);
    swap_move(lo, hi, 2, 0x33333333u);
    swap_move(lo, hi, 8, 0x00FF00FFu);
    lo = std::rotl(lo, 1);
    const u32 w = (hi ^ lo) & 0xAAAAAAAAu;
    hi ^= w;
    lo ^= w;
    hi = std::rotl(hi, 1);
}

// The exact inverse of initial_permutation: with hi = R16 and lo = L16 in
// register form, gives IP^-1(R16 L16) as the block's two big-endian words.
constexpr void final_permutation(u32& hi, u32& lo) {
    hi = std::rotr(hi, 1);
    const u32 w = (hi ^ lo) & 0xAAAAAAAAu;
    hi ^= w;
    lo ^= w;
    lo = std::rotr(lo, 1);
    swap_move(lo, hi, 8, 0x00FF00FFu);
    swap_move(lo, hi, 2, 0x33333333u);
    swap_move(hi, lo, 16, 0x0000FFFFu);
    swap_move(hi, lo, 4, 0x0F0F0F0Fu);
}

// The swap-move sequence is IP: every single input bit lands where the table puts it.
constexpr bool initial_permutation_matches_ip() {
    for (int j = 1; j <= 64; ++j) {
        u32 hi = j <= 32 ? u32{1} << (32 - j) : 0;
        u32 lo = j > 32 ? u32{1} << (64 - j) : 0;
        initial_permutation(hi, lo);
        int out = 0;
        while (kIP[out] != j) ++out;  // IP output bit out + 1 takes input bit j
        const u32 want_hi = out < 32 ? to_reg(u32{1} << (31 - out)) : 0;
        const u32 want_lo = out >= 32 ? to_reg(u32{1} << (63 - out)) : 0;
        if (hi != want_hi || lo != want_lo) return false;
        final_permutation(hi, lo);
        if (hi != (j <= 32 ? u32{1} << (32 - j) : 0) || lo != (j > 32 ? u32{1} << (64 - j) : 0)) return false;
    }
    return true;
}
static_assert(initial_permutation_matches_ip());

// ---- Key schedule tables ----

// A round key as one 64-bit value: groups 1, 3, 5, 7 in the upper word, 2, 4, 6,
// 8 in the lower, group g at group_shift(g) within its word.
constexpr u64 round_key_bit(int j) {  // PC-2 output bit j, 1..48
    const int g = (j - 1) / 6 + 1;
    const int shift = group_shift(g) + 5 - (j - 1) % 6;
    return u64{1} << (shift + (g % 2 == 1 ? 32 : 0));
}

struct KeyTables {
    u64 pc1[8][128];  // key byte b (without its parity bit) to C (bits 55..28) and D (27..0)
    u64 pc2[8][128];  // chunk q of C (q < 4) or of D (q >= 4), 7 bits each, to round-key bits
};

constexpr KeyTables make_key_tables() {
    KeyTables t{};
    for (int b = 0; b < 8; ++b)
        for (int v = 0; v < 128; ++v)
            for (int i = 0; i < 56; ++i) {
                const int k = kPC1[i] - 1;  // 0-based key bit
                if (k / 8 == b && k % 8 != 7 && ((v >> (6 - k % 8)) & 1)) t.pc1[b][v] |= u64{1} << (55 - i);
            }
    for (int q = 0; q < 8; ++q)
        for (int v = 0; v < 128; ++v)
            for (int j = 1; j <= 48; ++j) {
                const int src = kPC2[j - 1] - 1;  // 0-based bit of C D (0..55)
                if (src / 7 == q && ((v >> (6 - src % 7)) & 1)) t.pc2[q][v] |= round_key_bit(j);
            }
    return t;
}

alignas(64) constexpr KeyTables kKeyTables = make_key_tables();


// ---- Rounds ----

#if defined(__GNUC__)
#define VEK_INLINE inline __attribute__((always_inline))
#else
#define VEK_INLINE inline
#endif

// Keeps the compiler from regrouping the XOR of the eight table words: left to
// itself it chains them one after another, eight steps after the first load,
// where a tree of pairs needs three. A round's latency is what a lone block
// waits for (one call, one block), so the tree is fixed here (the empty
// assembly makes each value opaque, so it is combined only as written).
#if defined(__GNUC__)
#define VEK_GROUPED(x) asm("" : "+r"(x))
#else
#define VEK_GROUPED(x) static_cast<void>(x)
#endif

// f(R, K) from a = rotr(R, 4) ^ K's first word and b = R ^ its second: the
// eight groups are bytes of a and b.
VEK_INLINE u32 sp(u32 a, u32 b) noexcept {
    u32 x0 = kSP.t[0][a >> 24] ^ kSP.t[1][b >> 24];
    u32 x1 = kSP.t[2][(a >> 16) & 0xFF] ^ kSP.t[3][(b >> 16) & 0xFF];
    u32 x2 = kSP.t[4][(a >> 8) & 0xFF] ^ kSP.t[5][(b >> 8) & 0xFF];
    u32 x3 = kSP.t[6][a & 0xFF] ^ kSP.t[7][b & 0xFF];
    VEK_GROUPED(x0);
    VEK_GROUPED(x1);
    VEK_GROUPED(x2);
    VEK_GROUPED(x3);
    u32 y0 = x0 ^ x1, y1 = x2 ^ x3;
    VEK_GROUPED(y0);
    VEK_GROUPED(y1);
    return y0 ^ y1;
}

VEK_INLINE u32 feistel(u32 r, const u32* k) noexcept { return sp(std::rotr(r, 4) ^ k[0], r ^ k[1]); }

// Sixteen rounds on (l, r) = (L0, R0); afterwards l = L16, r = R16. Decryption
// takes the round keys in reverse order.
//
// A lone block's time is the latency of its rounds one after another, so each
// half is kept as the two words a round reads (rotr(h, 4) and h), with the key
// of the round that next reads it already XORed in: a round's output reaches
// the next round's table indexes through one XOR (and a rotation) instead of
// three steps. Once read, a half takes the key of its next round off the
// path: the XOR of the two keys.
template <bool Encrypt>
VEK_INLINE void rounds(const u32* ks, u32& l, u32& r) noexcept {
    constexpr int step = Encrypt ? 2 : -2;
    const u32* k = Encrypt ? ks : ks + 30;
    const auto key = [k](int i, int word) { return k[step * i + word]; };
    u32 ra = std::rotr(r, 4) ^ key(0, 0), rb = r ^ key(0, 1);
    u32 la = std::rotr(l, 4) ^ key(1, 0), lb = l ^ key(1, 1);
    for (int i = 0; i < 16; i += 2) {
        u32 f = sp(ra, rb);
        if (i + 2 < 16) {
            ra ^= key(i, 0) ^ key(i + 2, 0);
            rb ^= key(i, 1) ^ key(i + 2, 1);
        }
        la ^= std::rotr(f, 4);
        lb ^= f;
        f = sp(la, lb);
        if (i + 3 < 16) {
            la ^= key(i + 1, 0) ^ key(i + 3, 0);
            lb ^= key(i + 1, 1) ^ key(i + 3, 1);
        }
        ra ^= std::rotr(f, 4);
        rb ^= f;
    }
    r = rb ^ key(14, 1);
    l = lb ^ key(15, 1);
}

// Two independent blocks in flight: their rounds interleave, so one block's
// table loads overlap the other's.
template <bool Encrypt>
VEK_INLINE void rounds2(const u32* ks, u32& l0, u32& r0, u32& l1, u32& r1) noexcept {
    constexpr int step = Encrypt ? 2 : -2;
    const u32* k = Encrypt ? ks : ks + 30;
    for (int i = 0; i < 8; ++i) {
        l0 ^= feistel(r0, k);
        l1 ^= feistel(r1, k);
        k += step;
        r0 ^= feistel(l0, k);
        r1 ^= feistel(l1, k);
        k += step;
    }
}

// ---- Bytes and hexadecimal digits ----

VEK_INLINE u32 load_be(const std::uint8_t* p) noexcept {
    return (u32{p[0]} << 24) | (u32{p[1]} << 16) | (u32{p[2]} << 8) | u32{p[3]};
}

VEK_INLINE void store_be(u32 v, std::uint8_t* p) noexcept {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// Digits to numbers and back through the hexadecimal codec, eight at a time.
using vek::hexa::decode8;
using vek::hexa::encode8;

VEK_INLINE void hexa_to_bytes(const char* text, std::uint8_t* bytes) noexcept {
    store_be(decode8(text), bytes);
    store_be(decode8(text + 8), bytes + 4);
}

}  // namespace
}  // namespace vek::des

using namespace vek::des;

namespace {
constinit C_DES g_engine;  // zero at load: all-zero keys and schedules, slot 0
}

C_DES& C_DES::Instance() noexcept { return g_engine; }

namespace {

// The rotation of C and D before round r is cumulative: C rotated left by the
// sum of the first r + 1 shifts.
constexpr int total_shift(int round) {
    int sum = 0;
    for (int i = 0; i <= round; ++i) sum += kShifts[i];
    return sum;
}

// One round key of the key schedule. c2 and d2 hold C and D twice over (bits
// 55..28 and 27..0), so C rotated left by n is simply c2 >> (28 - n): no
// rotation is done, each 7-bit chunk of the rotated half is read at a fixed
// shift, and every round key can be computed on its own, in any order.
template <int Round>
VEK_INLINE u64 round_key(u64 c2, u64 d2, u32* out) noexcept {
    constexpr int base = 28 - total_shift(Round) % 28;
    const auto& t = kKeyTables.pc2;
    const u64 k = t[0][(c2 >> (base + 21)) & 127] | t[1][(c2 >> (base + 14)) & 127] |
                  t[2][(c2 >> (base + 7)) & 127] | t[3][(c2 >> base) & 127] | t[4][(d2 >> (base + 21)) & 127] |
                  t[5][(d2 >> (base + 14)) & 127] | t[6][(d2 >> (base + 7)) & 127] | t[7][(d2 >> base) & 127];
    constexpr std::size_t at = std::size_t{2} * Round;
    out[at] = static_cast<u32>(k >> 32);
    out[at + 1] = static_cast<u32>(k);
    return k;
}

// C and D of a key (PC-1), each held twice over.
struct Halves {
    u64 c2, d2;
};

VEK_INLINE Halves permuted_choice_1(const std::uint8_t* key) noexcept {
    const auto& t = kKeyTables.pc1;
    const u64 cd = t[0][key[0] >> 1] | t[1][key[1] >> 1] | t[2][key[2] >> 1] | t[3][key[3] >> 1] |
                   t[4][key[4] >> 1] | t[5][key[5] >> 1] | t[6][key[6] >> 1] | t[7][key[7] >> 1];
    const u64 c = cd >> 28, d = cd & 0x0FFFFFFFu;
    return {c | c << 28, d | d << 28};
}

template <int... Round>
VEK_INLINE void schedule(Halves h, u32* out, std::integer_sequence<int, Round...>) noexcept {
    (round_key<Round>(h.c2, h.d2, out), ...);
}

// Round J of the first Triple-DES pass (with K1), with the key schedules of
// both keys computed alongside: the pass's rounds wait on their table loads,
// and the independent schedule work fills that time. Encrypting, the pass uses
// K1's round keys first to last, decrypting last to first.
template <bool Encrypt, int J>
VEK_INLINE void first_pass_round(Halves k1, Halves k2, u32* s1, u32* s2, u32& l, u32& r) noexcept {
    round_key<J>(k2.c2, k2.d2, s2);
    const u64 k = round_key<Encrypt ? J : 15 - J>(k1.c2, k1.d2, s1);
    const u32 pair[2] = {static_cast<u32>(k >> 32), static_cast<u32>(k)};
    if constexpr (J % 2 == 0)
        l ^= feistel(r, pair);
    else
        r ^= feistel(l, pair);
}

template <bool Encrypt, int... J>
VEK_INLINE void first_pass(Halves k1, Halves k2, u32* s1, u32* s2, u32& l, u32& r,
                           std::integer_sequence<int, J...>) noexcept {
    (first_pass_round<Encrypt, J>(k1, k2, s1, s2, l, r), ...);
}

}  // namespace

void C_DES::ComputeSchedule(int slot) noexcept {
    m_slicedReady[slot] = false;
    schedule(permuted_choice_1(m_key[slot]), m_schedule[slot], std::make_integer_sequence<int, 16>{});
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
    return on_hexa(text, [&](Byte* b) { CalTripleDES(direction, b); });
}

int C_DES::CalDESCBCHexa(int direction, char text[16]) noexcept {
    return on_hexa(text, [&](Byte* b) { CalDESCBC(direction, b); });
}

int C_DES::CalTripleDESCBCHexa(int direction, char text[16]) noexcept {
    return on_hexa(text, [&](Byte* b) { CalTripleDESCBC(direction, b); });
}

namespace {

template <bool Encrypt>
void ecb_hexa_blocks(const u32* ks, char* text, std::size_t blocks) noexcept {
    for (; blocks >= 2; blocks -= 2, text += 32) {
        u32 h0 = decode8(text), l0 = decode8(text + 8);
        u32 h1 = decode8(text + 16), l1 = decode8(text + 24);
        initial_permutation(h0, l0);
        initial_permutation(h1, l1);
        rounds2<Encrypt>(ks, h0, l0, h1, l1);
        final_permutation(l0, h0);
        final_permutation(l1, h1);
        encode8(l0, text);
        encode8(h0, text + 8);
        encode8(l1, text + 16);
        encode8(h1, text + 24);
    }
    if (blocks == 1) {
        u32 h = decode8(text), l = decode8(text + 8);
        initial_permutation(h, l);
        rounds<Encrypt>(ks, h, l);
        final_permutation(l, h);
        encode8(l, text);
        encode8(h, text + 8);
    }
}

}  // namespace

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
    if (left >= kSlicedMinBlocks) left = sliced_hexa_run(direction != 0, SlicedSchedule(m_current), run, left);
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
