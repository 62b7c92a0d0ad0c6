// The bitsliced DES path: the sliced key schedule, the choice of kernel, and
// the portable kernel (64-bit words, any processor).

#include "crypto/des_sliced.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "crypto/des_sliced_engine.h"
#include "crypto/des_tables.h"

namespace vek::des {
namespace {

// The key bit (1..64) behind bit j + 1 of round r + 1's key: PC-1, the
// cumulative rotation of C and D, then PC-2.
struct KeySource {
    std::uint8_t bit[16][48];
};

constexpr KeySource make_key_source() {
    KeySource s{};
    int shift = 0;
    for (int r = 0; r < 16; ++r) {
        shift += kShifts[r];
        for (int j = 0; j < 48; ++j) {
            const int p = kPC2[j] - 1;  // 0..55 in C D
            const int from = p < 28 ? (p + shift) % 28 : 28 + (p - 28 + shift) % 28;
            s.bit[r][j] = static_cast<std::uint8_t>(kPC1[from]);
        }
    }
    return s;
}

constexpr KeySource kKeySource = make_key_source();

constexpr bool x86 =
#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
    true;
#else
    false;
#endif

Variant detect() noexcept {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) return Variant::Avx512;
    if (__builtin_cpu_supports("avx2")) return Variant::Avx2;
    if (__builtin_cpu_supports("sse2")) return Variant::Sse2;
#endif
    return Variant::Portable;
}

// The variant named by VEK_DES_VARIANT, or the widest supported.
Variant initial() noexcept {
    const Variant best = best_variant();
    const char* wanted = std::getenv("VEK_DES_VARIANT");
    if (wanted == nullptr) return best;
    for (const Variant v : {Variant::Table, Variant::Portable, Variant::Sse2, Variant::Avx2, Variant::Avx512})
        if (std::strcmp(wanted, variant_name(v)) == 0) return v < best ? v : best;
    return best;
}

std::atomic<int> g_variant{-1};

Kernel kernel_of(Variant v) noexcept {
    if constexpr (x86) {
        switch (v) {
            case Variant::Avx512: return kernel_avx512;
            case Variant::Avx2: return kernel_avx2;
            case Variant::Sse2: return kernel_sse2;
            case Variant::Portable: case Variant::Table: break;
        }
    }
    return kernel_portable;
}

}  // namespace

void slice_key(const std::uint8_t key[8], std::uint64_t masks[kSlicedKeyWords]) noexcept {
    for (int r = 0; r < 16; ++r)
        for (int j = 0; j < 48; ++j) {
            const int b = kKeySource.bit[r][j] - 1;
            masks[48 * r + j] = std::uint64_t{0} - ((key[b / 8] >> (7 - b % 8)) & 1u);
        }
}

Variant best_variant() noexcept {
    static const Variant best = detect();
    return best;
}

Variant variant() noexcept {
    int v = g_variant.load(std::memory_order_relaxed);
    if (v < 0) {
        v = static_cast<int>(initial());
        g_variant.store(v, std::memory_order_relaxed);
    }
    return static_cast<Variant>(v);
}

Variant force_variant(Variant wanted) noexcept {
    const Variant v = wanted < best_variant() ? wanted : best_variant();
    g_variant.store(static_cast<int>(v), std::memory_order_relaxed);
    return v;
}

const char* variant_name(Variant v) noexcept {
    switch (v) {
        case Variant::Avx512: return "avx512";
        case Variant::Avx2: return "avx2";
        case Variant::Sse2: return "sse2";
        case Variant::Portable: return "portable";
        case Variant::Table: break;
    }
    return "table";
}

std::size_t sliced_hexa_run(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept {
    if (variant() == Variant::Table) return blocks;
    return kernel_of(variant())(passes, run, blocks);
}

std::size_t sliced_hexa_blocks(const SlicedPasses& passes, char* text, std::size_t blocks) noexcept {
    BlockRun run{text, 0, blocks, 16 * blocks};
    return sliced_hexa_run(passes, run, blocks);
}

SlicedPasses SlicedPasses::One(bool encrypt, const std::uint64_t* masks) noexcept {
    SlicedPasses one;
    one.count = 1;
    one.encrypt[0] = encrypt;
    one.masks[0] = masks;
    return one;
}

std::size_t kernel_portable(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept {
    return run_lanes<Lane64>(passes, run, blocks);
}

}  // namespace vek::des
