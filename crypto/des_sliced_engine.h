#pragma once
// The bitsliced DES pass, written once for every lane type. Included only by
// the kernel files, each built for its own instruction set: everything here
// has internal linkage, so no instruction of one set leaks into another file.
//
// A lane type V holds 64 * N bits as N 64-bit elements and offers &, |, ^,
// andnot(a, b) = a & ~b, not, shifts within each element, broadcast of a
// 64-bit mask, load/store of N elements, and tern<T>(a, b, c): the 3-input
// function with truth table T (bit 4a + 2b + c of T is the result). Lanes
// without a native 3-input instruction build tern from two-input operations,
// chosen at compile time for the fewest operations.
//
// Layout of a pass: block i of the pass is element i % N of row i / N; the 64
// rows are transposed as a 64 x 64 bit matrix per element, after which row s - 1
// holds the standard's bit s of every block (the block's bit 1 being the most
// significant bit of its 64-bit number). IP and its inverse are only a choice
// of rows. Each S-box output bit is a multiplexer tree over three of the six
// inputs whose eight leaves are 3-input functions of the other three, their
// truth tables computed from the standard's S-box tables at compile time.
// Lanes without a 3-input instruction use circuits of another shape, chosen
// at compile time as well (see "S-box circuits from two-input operations").

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "crypto/des_sliced.h"
#include "crypto/des_tables.h"
#include "types/hexa_codec.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#if defined(__GNUC__)
#define VEK_SLICED_INLINE inline __attribute__((always_inline))
#else
#define VEK_SLICED_INLINE inline
#endif

namespace vek::des {
namespace {

using u64 = std::uint64_t;

// ---- Two- and three-input functions from two-input operations ----

// A two-input function by its 4-bit truth table (bit 2a + b).
template <int T, class V>
VEK_SLICED_INLINE V fn2(V a, V b) noexcept {
    if constexpr (T == 0) return V::zero();
    else if constexpr (T == 15) return V::ones();
    else if constexpr (T == 8) return a & b;
    else if constexpr (T == 4) return V::andnot(a, b);
    else if constexpr (T == 2) return V::andnot(b, a);
    else if constexpr (T == 1) return ~(a | b);
    else if constexpr (T == 12) return a;
    else if constexpr (T == 10) return b;
    else if constexpr (T == 3) return ~a;
    else if constexpr (T == 5) return ~b;
    else if constexpr (T == 6) return a ^ b;
    else if constexpr (T == 9) return ~(a ^ b);
    else if constexpr (T == 14) return a | b;
    else if constexpr (T == 7) return ~(a & b);
    else if constexpr (T == 11) return ~V::andnot(a, b);
    else return ~V::andnot(b, a);  // 13: a | ~b
}

constexpr int fn2_cost(int t) {
    switch (t) {
        case 0: case 15: case 12: case 10: return 0;
        case 8: case 4: case 2: case 3: case 5: case 6: case 14: return 1;
        default: return 2;
    }
}

// The halves of a 3-input table by its last input: c = 0 and c = 1.
constexpr int half0(int t) { return (t & 1) | ((t >> 1) & 2) | ((t >> 2) & 4) | ((t >> 3) & 8); }
constexpr int half1(int t) { return half0(t >> 1); }

// The cost of combining the halves f0 (c = 0) and f1 (c = 1) with c.
constexpr int join_cost(int f0, int f1) {
    if (f0 == f1) return 0;
    if (f0 == 0 || f1 == 0 || f0 == 15 || f1 == 15 || f1 == (15 & ~f0)) return f0 == 15 ? 2 : 1;
    return 3;
}
constexpr int split_cost(int t) { return fn2_cost(half0(t)) + fn2_cost(half1(t)) + join_cost(half0(t), half1(t)); }

// The same function with its inputs rotated: g(b, c, a) = f(a, b, c).
constexpr int rotate3(int t) {
    int g = 0;
    for (int i = 0; i < 8; ++i) {
        const int a = i >> 2, b = (i >> 1) & 1, c = i & 1;  // g's inputs are (b', c', a') = (a, b, c) rotated
        // g(x, y, z) with x = b, y = c, z = a: f's index is 4z + 2x + y.
        const int f_index = 4 * c + 2 * a + b;
        g |= ((t >> f_index) & 1) << i;
    }
    return g;
}

template <int T, class V>
VEK_SLICED_INLINE V split_on_last(V a, V b, V c) noexcept {
    constexpr int f0 = half0(T), f1 = half1(T);
    const V x0 = fn2<f0>(a, b);
    if constexpr (f0 == f1) return x0;
    else {
        const V x1 = fn2<f1>(a, b);
        if constexpr (f1 == 0) return V::andnot(x0, c);
        else if constexpr (f0 == 0) return x1 & c;
        else if constexpr (f1 == 15) return x0 | c;
        else if constexpr (f0 == 15) return ~V::andnot(c, x1);
        else if constexpr (f1 == (15 & ~f0)) return x0 ^ c;
        else return x0 ^ ((x0 ^ x1) & c);
    }
}

// How often to rotate t's inputs (0, 1 or 2) so that splitting on the last
// input costs fewest operations.
constexpr int cheapest_rotation(int t) {
    const int r1 = rotate3(t), r2 = rotate3(r1);
    const int c0 = split_cost(t), c1 = split_cost(r1), c2 = split_cost(r2);
    return c0 <= c1 && c0 <= c2 ? 0 : (c1 <= c2 ? 1 : 2);
}

// The operations tern_generic<t> takes.
constexpr int tern_cost(int t) {
    for (int i = cheapest_rotation(t); i > 0; --i) t = rotate3(t);
    return split_cost(t);
}

// tern<T> for lanes without a 3-input instruction: split on whichever input
// costs fewest operations.
template <int T, class V>
VEK_SLICED_INLINE V tern_generic(V a, V b, V c) noexcept {
    constexpr int r1 = rotate3(T), r2 = rotate3(r1);
    constexpr int rotation = cheapest_rotation(T);
    if constexpr (rotation == 0) return split_on_last<T>(a, b, c);
    else if constexpr (rotation == 1) return split_on_last<r1>(b, c, a);
    else return split_on_last<r2>(c, a, b);
}

// ---- Lane types ----

struct Lane64 {
    static constexpr bool kNativeTernary = false;
    u64 v;
    static constexpr int kElements = 1;
    static Lane64 zero() noexcept { return {0}; }
    static Lane64 ones() noexcept { return {~u64{0}}; }
    static Lane64 broadcast(u64 m) noexcept { return {m}; }
    static Lane64 load(const u64* p) noexcept { return {*p}; }
    void store(u64* p) const noexcept { *p = v; }
    friend Lane64 operator&(Lane64 a, Lane64 b) noexcept { return {a.v & b.v}; }
    friend Lane64 operator|(Lane64 a, Lane64 b) noexcept { return {a.v | b.v}; }
    friend Lane64 operator^(Lane64 a, Lane64 b) noexcept { return {a.v ^ b.v}; }
    friend Lane64 operator~(Lane64 a) noexcept { return {~a.v}; }
    static Lane64 andnot(Lane64 a, Lane64 b) noexcept { return {a.v & ~b.v}; }
    template <int S> static Lane64 shl(Lane64 a) noexcept { return {a.v << S}; }
    template <int S> static Lane64 shr(Lane64 a) noexcept { return {a.v >> S}; }
    template <int T> static Lane64 tern(Lane64 a, Lane64 b, Lane64 c) noexcept { return tern_generic<T>(a, b, c); }
};

#if defined(__SSE2__)
struct Lane128 {
    static constexpr bool kNativeTernary = false;
    __m128i v;
    static constexpr int kElements = 2;
    static Lane128 zero() noexcept { return {_mm_setzero_si128()}; }
    static Lane128 ones() noexcept { return {_mm_set1_epi32(-1)}; }
    static Lane128 broadcast(u64 m) noexcept { return {_mm_set1_epi64x(static_cast<long long>(m))}; }
    static Lane128 load(const u64* p) noexcept { return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))}; }
    void store(u64* p) const noexcept { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    friend Lane128 operator&(Lane128 a, Lane128 b) noexcept { return {_mm_and_si128(a.v, b.v)}; }
    friend Lane128 operator|(Lane128 a, Lane128 b) noexcept { return {_mm_or_si128(a.v, b.v)}; }
    friend Lane128 operator^(Lane128 a, Lane128 b) noexcept { return {_mm_xor_si128(a.v, b.v)}; }
    friend Lane128 operator~(Lane128 a) noexcept { return {_mm_xor_si128(a.v, _mm_set1_epi32(-1))}; }
    static Lane128 andnot(Lane128 a, Lane128 b) noexcept { return {_mm_andnot_si128(b.v, a.v)}; }
    template <int S> static Lane128 shl(Lane128 a) noexcept { return {_mm_slli_epi64(a.v, S)}; }
    template <int S> static Lane128 shr(Lane128 a) noexcept { return {_mm_srli_epi64(a.v, S)}; }
    template <int T> static Lane128 tern(Lane128 a, Lane128 b, Lane128 c) noexcept { return tern_generic<T>(a, b, c); }
};
#endif

#if defined(__AVX2__)
struct Lane256 {
    static constexpr bool kNativeTernary = false;
    __m256i v;
    static constexpr int kElements = 4;
    static Lane256 zero() noexcept { return {_mm256_setzero_si256()}; }
    static Lane256 ones() noexcept { return {_mm256_set1_epi32(-1)}; }
    static Lane256 broadcast(u64 m) noexcept { return {_mm256_set1_epi64x(static_cast<long long>(m))}; }
    static Lane256 load(const u64* p) noexcept { return {_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p))}; }
    void store(u64* p) const noexcept { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    friend Lane256 operator&(Lane256 a, Lane256 b) noexcept { return {_mm256_and_si256(a.v, b.v)}; }
    friend Lane256 operator|(Lane256 a, Lane256 b) noexcept { return {_mm256_or_si256(a.v, b.v)}; }
    friend Lane256 operator^(Lane256 a, Lane256 b) noexcept { return {_mm256_xor_si256(a.v, b.v)}; }
    friend Lane256 operator~(Lane256 a) noexcept { return {_mm256_xor_si256(a.v, _mm256_set1_epi32(-1))}; }
    static Lane256 andnot(Lane256 a, Lane256 b) noexcept { return {_mm256_andnot_si256(b.v, a.v)}; }
    template <int S> static Lane256 shl(Lane256 a) noexcept { return {_mm256_slli_epi64(a.v, S)}; }
    template <int S> static Lane256 shr(Lane256 a) noexcept { return {_mm256_srli_epi64(a.v, S)}; }
    template <int T> static Lane256 tern(Lane256 a, Lane256 b, Lane256 c) noexcept { return tern_generic<T>(a, b, c); }
};
#endif

#if defined(__AVX512F__)
struct Lane512 {
    static constexpr bool kNativeTernary = true;
    __m512i v;
    static constexpr int kElements = 8;
    static Lane512 zero() noexcept { return {_mm512_setzero_si512()}; }
    static Lane512 ones() noexcept { return {_mm512_set1_epi32(-1)}; }
    static Lane512 broadcast(u64 m) noexcept { return {_mm512_set1_epi64(static_cast<long long>(m))}; }
    static Lane512 load(const u64* p) noexcept { return {_mm512_loadu_si512(p)}; }
    void store(u64* p) const noexcept { _mm512_storeu_si512(p, v); }
    friend Lane512 operator&(Lane512 a, Lane512 b) noexcept { return {_mm512_and_si512(a.v, b.v)}; }
    friend Lane512 operator|(Lane512 a, Lane512 b) noexcept { return {_mm512_or_si512(a.v, b.v)}; }
    friend Lane512 operator^(Lane512 a, Lane512 b) noexcept { return {_mm512_xor_si512(a.v, b.v)}; }
    friend Lane512 operator~(Lane512 a) noexcept { return {_mm512_ternarylogic_epi64(a.v, a.v, a.v, 0x55)}; }
    static Lane512 andnot(Lane512 a, Lane512 b) noexcept { return {_mm512_andnot_si512(b.v, a.v)}; }
    template <int S> static Lane512 shl(Lane512 a) noexcept { return {_mm512_maskz_slli_epi64(0xFF, a.v, S)}; }
    template <int S> static Lane512 shr(Lane512 a) noexcept { return {_mm512_maskz_srli_epi64(0xFF, a.v, S)}; }
    template <int T> static Lane512 tern(Lane512 a, Lane512 b, Lane512 c) noexcept {
        if constexpr (T == 0xF0) return a;
        else if constexpr (T == 0xCC) return b;
        else if constexpr (T == 0xAA) return c;
        else return {_mm512_ternarylogic_epi64(a.v, b.v, c.v, T)};
    }
};
#endif

// ---- S-box circuits ----

// Which three of an S-box's six inputs (0 = its first, most significant bit)
// select in the multiplexer tree, from the root down; the other three feed the leaves.
struct Split {
    int select[3];
    int leaf[3];
};

// The S-box output bit `o` (0 = most significant) for the six inputs given as
// selector bits m (root first) and leaf bits t (truth-table index order).
constexpr int sbox_bit(int g, int o, const Split& s, int m, int t) {
    int in[6] = {};
    for (int i = 0; i < 3; ++i) {
        in[s.select[i]] = (m >> (2 - i)) & 1;
        in[s.leaf[i]] = (t >> (2 - i)) & 1;
    }
    int v = 0;
    for (int i = 0; i < 6; ++i) v = v << 1 | in[i];
    const int row = ((v >> 4) & 2) | (v & 1), col = (v >> 1) & 0xF;
    return (kS[g][row * 16 + col] >> (3 - o)) & 1;
}

// The leaf for selector values m: a 3-input truth table.
constexpr int leaf_table(int g, int o, const Split& s, int m) {
    int t = 0;
    for (int i = 0; i < 8; ++i) t |= sbox_bit(g, o, s, m, i) << i;
    return t;
}

// Two subtrees of the multiplexer tree (level `level`, prefixes p and q) compute the same function.
constexpr bool same_subtree(int g, int o, const Split& s, int level, int p, int q) {
    const int width = 1 << (3 - level);
    for (int i = 0; i < width; ++i)
        if (leaf_table(g, o, s, p * width + i) != leaf_table(g, o, s, q * width + i)) return false;
    return true;
}

// The split of each S-box: the selectors are the row bits and the first column bit.
inline constexpr Split kSplit = {{0, 5, 1}, {2, 3, 4}};

// A multiplexer over two leaves is a 4-input function F(select, a, b, c). Often
// it is also g(t, select, y) for one 3-input function t(a, b, c) and one leaf
// input y: two 3-input instructions instead of three. Found by trying every t.
struct Merge {
    bool found;
    int t, y, g;  // g's index: 4 t + 2 select + y
};

constexpr Merge merge_leaves(int zero, int one) {
    for (int y = 0; y < 3; ++y)
        for (int t = 0; t < 256; ++t) {
            int g = 0, seen = 0;
            bool ok = true;
            for (int i = 0; i < 16 && ok; ++i) {
                const int sel = i >> 3, leaf = i & 7;
                const int f = (((sel != 0) ? one : zero) >> leaf) & 1;
                const int index = ((t >> leaf) & 1) << 2 | sel << 1 | ((leaf >> (2 - y)) & 1);
                if ((seen >> index) & 1) ok = ((g >> index) & 1) == f;
                seen |= 1 << index;
                g |= f << index;
            }
            if (ok) return {true, t, y, g};
        }
    return {false, 0, 0, 0};
}

template <class V, int G, int O, int Level, int Prefix>
VEK_SLICED_INLINE V subtree(const V* x) noexcept {
    constexpr const Split& s = kSplit;
    constexpr bool pairOfLeaves = Level == 2 && V::kNativeTernary;
    constexpr Merge m = pairOfLeaves ? merge_leaves(leaf_table(G, O, s, 2 * Prefix), leaf_table(G, O, s, 2 * Prefix + 1))
                                     : Merge{false, 0, 0, 0};
    if constexpr (m.found) {
        const V t = V::template tern<m.t>(x[s.leaf[0]], x[s.leaf[1]], x[s.leaf[2]]);
        return V::template tern<m.g>(t, x[s.select[Level]], x[s.leaf[m.y]]);
    } else if constexpr (Level == 3) {
        return V::template tern<leaf_table(G, O, s, Prefix)>(x[s.leaf[0]], x[s.leaf[1]], x[s.leaf[2]]);
    } else if constexpr (same_subtree(G, O, s, Level + 1, 2 * Prefix, 2 * Prefix + 1)) {
        return subtree<V, G, O, Level + 1, 2 * Prefix>(x);
    } else {
        const V zero_side = subtree<V, G, O, Level + 1, 2 * Prefix>(x);
        const V one_side = subtree<V, G, O, Level + 1, 2 * Prefix + 1>(x);
        // select ? one : zero, the sides first: a destructive 3-input instruction
        // then overwrites a value that dies here rather than a copy of the selector.
        return V::template tern<0xD8>(zero_side, one_side, x[s.select[Level]]);
    }
}

// ---- S-box circuits from two-input operations ----
//
// Lanes without a 3-input instruction pay for every multiplexer (three
// operations) and for most leaves (two to four), so their circuits are chosen
// differently. A function of the six inputs is a 64-bit truth table (bit v is
// its value for the inputs v, input 0 being bit 5 of v), split on one selector
// per level into its halves f0 (selector 0) and f1 (selector 1). Besides the
// multiplexer f0 ^ ((f0 ^ f1) & s), a node can be built from one half and their
// difference d = f0 ^ f1, f0 ^ (s & d) or f1 ^ (d & ~s), and from one half alone
// when the other is its complement, zero or all ones. Each node takes the
// cheapest form by the count of operations below it; the choice depends only on
// the function and its level, so a function needed twice in one S-box is the
// same expression twice, which the compiler computes once.

inline constexpr u64 kAllOnes = ~u64{0};

constexpr u64 input_table(int i) {
    u64 t = 0;
    for (int v = 0; v < 64; ++v)
        if ((v >> (5 - i)) & 1) t |= u64{1} << v;
    return t;
}

constexpr u64 sbox_table(int g, int o) {
    u64 t = 0;
    for (int v = 0; v < 64; ++v) {
        const int row = ((v >> 4) & 2) | (v & 1), col = (v >> 1) & 0xF;
        if ((kS[g][row * 16 + col] >> (3 - o)) & 1) t |= u64{1} << v;
    }
    return t;
}

// f with input i fixed at b, as a function of all six inputs again.
constexpr u64 cofactor(u64 f, int i, int b) {
    const u64 m = input_table(i);
    const int shift = 1 << (5 - i);
    return b != 0 ? (f & m) | ((f & m) >> shift) : (f & ~m) | ((f & ~m) << shift);
}

// The input f is, 6 for a constant, -1 for any other function.
constexpr int free_input(u64 f) {
    if (f == 0 || f == kAllOnes) return 6;
    for (int i = 0; i < 6; ++i)
        if (f == input_table(i)) return i;
    return -1;
}

// The selector inputs of each S-box, from the root down; the other three feed
// the leaves. Chosen by trying all 120 orders with the cost below and keeping
// the one with fewest operations for the S-box's four outputs together.
inline constexpr int kSelect[8][3] = {{3, 2, 0}, {1, 5, 0}, {0, 2, 3}, {0, 5, 3},
                                      {0, 2, 3}, {4, 0, 1}, {4, 0, 5}, {5, 3, 4}};

constexpr Split leaf_split(int g) {
    Split s{{kSelect[g][0], kSelect[g][1], kSelect[g][2]}, {}};
    for (int i = 0, k = 0; i < 6; ++i)
        if (i != s.select[0] && i != s.select[1] && i != s.select[2]) s.leaf[k++] = i;
    return s;
}

// A leaf (a function of the leaf inputs only) as a 3-input truth table.
constexpr int leaf_of(u64 f, int g) {
    const Split s = leaf_split(g);
    int t = 0;
    for (int i = 0; i < 8; ++i) {
        int v = 0;
        for (int k = 0; k < 3; ++k)
            if ((i >> (2 - k)) & 1) v |= 1 << (5 - s.leaf[k]);
        t |= static_cast<int>((f >> v) & 1) << i;
    }
    return t;
}

enum class Form { Same, Mux, KeepZero, KeepOne, Flip, AndNot, Or, And, OrNot };

struct Node {
    Form form;
    u64 a, b;  // the parts it is built from
    int cost;  // operations, the parts' included
};

constexpr Node node(u64 f, int g, int level);

constexpr int node_cost(u64 f, int g, int level) {
    if (free_input(f) >= 0) return 0;
    if (level == 3) return tern_cost(leaf_of(f, g));
    return node(f, g, level).cost;
}

constexpr Node node(u64 f, int g, int level) {
    const int s = kSelect[g][level];
    const u64 f0 = cofactor(f, s, 0), f1 = cofactor(f, s, 1), d = f0 ^ f1;
    const int c0 = node_cost(f0, g, level + 1);
    if (f0 == f1) return {Form::Same, f0, 0, c0};
    const int c1 = node_cost(f1, g, level + 1), cd = node_cost(d, g, level + 1);
    Node best{Form::Mux, f0, f1, c0 + c1 + 3};
    const auto consider = [&best](Form form, u64 a, u64 b, int cost) {
        if (cost < best.cost) best = {form, a, b, cost};
    };
    consider(Form::KeepZero, f0, d, c0 + cd + 2);
    consider(Form::KeepOne, f1, d, c1 + cd + 2);
    if (f1 == ~f0) consider(Form::Flip, f0, 0, c0 + 1);
    if (f1 == 0) consider(Form::AndNot, f0, 0, c0 + 1);
    if (f1 == kAllOnes) consider(Form::Or, f0, 0, c0 + 1);
    if (f0 == 0) consider(Form::And, f1, 0, c1 + 1);
    if (f0 == kAllOnes) consider(Form::OrNot, f1, 0, c1 + 2);
    return best;
}

template <class V, int G, u64 F, int Level>
VEK_SLICED_INLINE V circuit(const V* x) noexcept {
    constexpr int input = free_input(F);
    if constexpr (input == 6) return F == 0 ? V::zero() : V::ones();
    else if constexpr (input >= 0) return x[input];
    else if constexpr (Level == 3) {
        constexpr Split s = leaf_split(G);
        return tern_generic<leaf_of(F, G)>(x[s.leaf[0]], x[s.leaf[1]], x[s.leaf[2]]);
    } else {
        constexpr Node n = node(F, G, Level);
        const V sel = x[kSelect[G][Level]];
        const V a = circuit<V, G, n.a, Level + 1>(x);
        if constexpr (n.form == Form::Same) return a;
        else if constexpr (n.form == Form::Flip) return a ^ sel;
        else if constexpr (n.form == Form::AndNot) return V::andnot(a, sel);
        else if constexpr (n.form == Form::Or) return a | sel;
        else if constexpr (n.form == Form::And) return a & sel;
        else if constexpr (n.form == Form::OrNot) return ~V::andnot(sel, a);
        else {
            const V b = circuit<V, G, n.b, Level + 1>(x);
            if constexpr (n.form == Form::KeepZero) return a ^ (sel & b);
            else if constexpr (n.form == Form::KeepOne) return a ^ V::andnot(b, sel);
            else return a ^ ((a ^ b) & sel);
        }
    }
}

// S-box G's output bit O: with a 3-input instruction the multiplexer tree,
// else the circuit above.
template <class V, int G, int O>
VEK_SLICED_INLINE V sbox_output(const V* x) noexcept {
    if constexpr (V::kNativeTernary) return subtree<V, G, O, 0, 0>(x);
    else return circuit<V, G, sbox_table(G, O), 0>(x);
}

// Where S-box output bit k (0..31 in S-box order) lands in f's output: the P table inverted.
constexpr int p_target(int k) {
    for (int i = 0; i < 32; ++i)
        if (kP[i] - 1 == k) return i;
    return -1;
}

// One S-box of a round: its six inputs from `r` (through E and the round key),
// its four outputs (through P) into `l`.
template <class V, int G>
VEK_SLICED_INLINE void sbox(const V* r, V* l, const u64* key) noexcept {
    V x[6];
    for (int p = 0; p < 6; ++p) x[p] = r[kE[6 * G + p] - 1] ^ V::broadcast(key[6 * G + p]);
    l[p_target(4 * G + 0)] = l[p_target(4 * G + 0)] ^ sbox_output<V, G, 0>(x);
    l[p_target(4 * G + 1)] = l[p_target(4 * G + 1)] ^ sbox_output<V, G, 1>(x);
    l[p_target(4 * G + 2)] = l[p_target(4 * G + 2)] ^ sbox_output<V, G, 2>(x);
    l[p_target(4 * G + 3)] = l[p_target(4 * G + 3)] ^ sbox_output<V, G, 3>(x);
}

// l ^= f(r, key).
template <class V>
VEK_SLICED_INLINE void round(const V* r, V* l, const u64* key) noexcept {
    sbox<V, 0>(r, l, key);
    sbox<V, 1>(r, l, key);
    sbox<V, 2>(r, l, key);
    sbox<V, 3>(r, l, key);
    sbox<V, 4>(r, l, key);
    sbox<V, 5>(r, l, key);
    sbox<V, 6>(r, l, key);
    sbox<V, 7>(r, l, key);
}

// ---- Transposition ----

// One step of the 64 x 64 bit transposition (per element): the upper-right and
// lower-left J x J blocks of every 2J x 2J block change places.
template <int J, class V>
VEK_SLICED_INLINE void transpose_step(V* a, u64 mask) noexcept {
    const V m = V::broadcast(mask);
    for (int k = 0; k < 64; k = (k + J + 1) & ~J) {
        const V t = (a[k] ^ V::template shr<J>(a[k + J])) & m;
        a[k] = a[k] ^ t;
        a[k + J] = a[k + J] ^ V::template shl<J>(t);
    }
}

// Row k, bit 63 - c (the most significant bit first) changes place with row c,
// bit 63 - k, in every element: its own inverse.
template <class V>
VEK_SLICED_INLINE void transpose(V* a) noexcept {
    transpose_step<32>(a, 0x00000000FFFFFFFFULL);
    transpose_step<16>(a, 0x0000FFFF0000FFFFULL);
    transpose_step<8>(a, 0x00FF00FF00FF00FFULL);
    transpose_step<4>(a, 0x0F0F0F0F0F0F0F0FULL);
    transpose_step<2>(a, 0x3333333333333333ULL);
    transpose_step<1>(a, 0x5555555555555555ULL);
}

// ---- A pass ----

// Sixteen rounds on the halves (l, r) = (L0, R0), the halves changing roles
// instead of places, so that afterwards l = L16 and r = R16; decryption takes
// the round keys last to first.
template <class V>
VEK_SLICED_INLINE void sixteen_rounds(V* l, V* r, bool encrypt, const u64* masks) noexcept {
    const int step = encrypt ? 48 : -48;
    const u64* key = encrypt ? masks : masks + std::ptrdiff_t{15} * 48;
    for (int i = 0; i < 8; ++i) {
        round(r, l, key);
        key += step;
        round(l, r, key);
        key += step;
    }
}

// 64 * N blocks, as 64-bit numbers, in place: one DES operation, or several in
// a row (Multi). The single operation has a path of its own, so that it runs
// exactly as fast as before the several were added.
template <class V, bool Multi>
void des_pass(const SlicedPasses& passes, u64* blocks) noexcept {
    constexpr std::ptrdiff_t n = V::kElements;
    V a[64];
    for (std::ptrdiff_t k = 0; k < 64; ++k) a[k] = V::load(blocks + n * k);
    transpose(a);
    // IP: L0 and R0 are rows of the standard's bits.
    V l[32], r[32];
    for (int i = 0; i < 32; ++i) {
        l[i] = a[kIP[i] - 1];
        r[i] = a[kIP[32 + i] - 1];
    }
    if constexpr (!Multi) {
        sixteen_rounds(l, r, passes.encrypt[0], passes.masks[0]);
    } else {
        // Between two operations IP^-1 and IP cancel out, leaving the halves
        // exchanged: the next L0 is R16 and the next R0 is L16, so every
        // other operation runs its rounds with the halves' roles swapped.
        for (int p = 0; p < passes.count; ++p) {
            if (p % 2 == 0)
                sixteen_rounds(l, r, passes.encrypt[p], passes.masks[p]);
            else
                sixteen_rounds(r, l, passes.encrypt[p], passes.masks[p]);
        }
        if (passes.count % 2 == 0)
            for (int i = 0; i < 32; ++i) {
                const V t = l[i];
                l[i] = r[i];
                r[i] = t;
            }
    }
    // l = L16, r = R16; the output is IP^-1 of R16 L16.
    for (int i = 0; i < 32; ++i) {
        a[kIP[i] - 1] = r[i];
        a[kIP[32 + i] - 1] = l[i];
    }
    transpose(a);
    for (std::ptrdiff_t k = 0; k < 64; ++k) a[k].store(blocks + n * k);
}

// The digits of a pass in and out, with the widest codec the file is built for.
VEK_SLICED_INLINE void decode(const char* text, std::size_t count, u64* blocks) noexcept {
#if defined(__AVX512BW__)
    hexa::decode_blocks_avx512(text, count, blocks);
#elif defined(__AVX2__)
    hexa::decode_blocks_avx2(text, count, blocks);
#else
    hexa::decode_blocks(text, count, blocks);
#endif
}

VEK_SLICED_INLINE void encode(const u64* blocks, std::size_t count, char* text) noexcept {
#if defined(__AVX512BW__)
    hexa::encode_blocks_avx512(blocks, count, text);
#elif defined(__AVX2__)
    hexa::encode_blocks_avx2(blocks, count, text);
#else
    hexa::encode_blocks(blocks, count, text);
#endif
}

// The next `count` blocks of `run` handed to `piece` as BlockRun::Take gives
// them (a pass's piece of a long record, or the ends of a pass in short ones).
template <class Piece>
#if defined(__GNUC__)
__attribute__((noinline))
#endif
void take_pieces(BlockRun& run, std::size_t count, const Piece& piece, std::size_t first) noexcept {
    run.Take(count, [&](char* text, std::size_t n, std::size_t at) { piece(text, n, first + at); });
}

// The same for records of R blocks (R = run.perRecord, known here): the whole
// records one after the other, each one piece of exactly R blocks, so that
// the codec's steps for them are laid out once, without a piece's bookkeeping
// in between.
template <std::size_t R, class Piece>
VEK_SLICED_INLINE void take_records(BlockRun& run, std::size_t count, const Piece& piece) noexcept {
    std::size_t first = 0;
    if (run.at != 0) {  // the rest of a record the last pass began
        first = count < R - run.at ? count : R - run.at;
        take_pieces(run, first, piece, 0);
    }
    const std::size_t whole = (count - first) / R;
    for (std::size_t k = 0; k < whole; ++k) piece(run.record + k * run.stride, R, first + k * R);
    run.record += whole * run.stride;
    first += whole * R;
    if (first < count) take_pieces(run, count - first, piece, first);
}

// `piece` over the next `count` blocks of `run`: short records (up to four
// blocks, 64 digits) record by record at a size known at compile time, else as
// Take gives them (longer pieces, whose bookkeeping matters less).
template <class Piece>
VEK_SLICED_INLINE void take(BlockRun& run, std::size_t count, const Piece& piece) noexcept {
    switch (run.perRecord) {
        case 1: take_records<1>(run, count, piece); break;
        case 2: take_records<2>(run, count, piece); break;
        case 3: take_records<3>(run, count, piece); break;
        case 4: take_records<4>(run, count, piece); break;
        default: take_pieces(run, count, piece, 0); break;
    }
}

// The digits of a piece to the pass's numbers, and back.
struct Decode final {
    u64* blocks;
    VEK_SLICED_INLINE void operator()(char* text, std::size_t n, std::size_t first) const noexcept {
        decode(text, n, blocks + first);
    }
};
struct Encode final {
    const u64* blocks;
    VEK_SLICED_INLINE void operator()(char* text, std::size_t n, std::size_t first) const noexcept {
        encode(blocks + first, n, text);
    }
};

// One pass over the next `count` (at most 64 * N) blocks of `run` in place;
// the pass's unused blocks are zero.
template <class V>
void hexa_pass(const SlicedPasses& passes, BlockRun& run, std::size_t count) noexcept {
    constexpr std::size_t width = 64 * V::kElements;
    alignas(64) u64 blocks[width];
    BlockRun back = run;
    take(run, count, Decode{blocks});
    if (count < width) std::memset(blocks + count, 0, (width - count) * sizeof(u64));
    if (passes.count == 1)
        des_pass<V, false>(passes, blocks);
    else
        des_pass<V, true>(passes, blocks);
    take(back, count, Encode{blocks});
}

// Full passes of the widest lane, then the rest in one pass of the narrowest
// lane it fills by more than half; a rest shorter than kSlicedMinBlocks is left.
template <class V, class... Narrower>
std::size_t run_lanes(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept {
    constexpr std::size_t width = 64 * V::kElements;
    for (; blocks >= width; blocks -= width) hexa_pass<V>(passes, run, width);
    if constexpr (sizeof...(Narrower) > 0) {
        if (blocks <= width / 2) return run_lanes<Narrower...>(passes, run, blocks);
    }
    if (blocks < kSlicedMinBlocks) return blocks;
    hexa_pass<V>(passes, run, blocks);
    return 0;
}

}  // namespace
}  // namespace vek::des
