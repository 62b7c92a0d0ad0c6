#pragma once
// What the OpenSSL side of the DES benchmarks shares: a plain, table-driven
// hexadecimal decode and encode (images travel as text), and the variants of
// vek's engine to force, side by side.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "crypto/des_sliced.h"

// OpenSSL, where it is installed, does the same work beside vek.
#if __has_include(<openssl/des.h>)
#define VEK_BENCH_OPENSSL 1
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the low-level DES_* interface
#endif
#include <openssl/des.h>
#endif

namespace vek::bench {

// A plain, table-driven hexadecimal decode and encode for the OpenSSL side.
struct Hexa {
    std::uint8_t value[256] = {};
    Hexa() {
        for (int i = 0; i < 10; ++i) value['0' + i] = static_cast<std::uint8_t>(i);
        for (int i = 0; i < 6; ++i) value['A' + i] = static_cast<std::uint8_t>(10 + i);
    }
    void decode(const char* text, std::size_t bytes, std::uint8_t* out) const {
        for (std::size_t i = 0; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(value[static_cast<unsigned char>(text[2 * i])] << 4 |
                                               value[static_cast<unsigned char>(text[2 * i + 1])]);
    }
    static void encode(const std::uint8_t* in, std::size_t bytes, char* text) {
        static const char* const kDigits = "0123456789ABCDEF";
        for (std::size_t i = 0; i < bytes; ++i) {
            text[2 * i] = kDigits[in[i] >> 4];
            text[2 * i + 1] = kDigits[in[i] & 15];
        }
        text[2 * bytes] = '\0';
    }
};
inline const Hexa kHexa;

#if VEK_BENCH_OPENSSL
// OpenSSL's key schedule of the key written in the 16 digits at `digits`.
inline DES_key_schedule schedule_of(const char* digits) {
    DES_cblock key;
    kHexa.decode(digits, 8, key);
    DES_key_schedule ks;
    DES_set_key_unchecked(&key, &ks);
    return ks;
}
#endif

// Forces the engine variant of the benchmark's argument (a vek::des::Variant);
// false, with the benchmark skipped, when this processor lacks it.
inline bool force_variant(benchmark::State& state) {
    const auto wanted = static_cast<vek::des::Variant>(state.range(0));
    if (vek::des::force_variant(wanted) != wanted) {
        state.SkipWithError("variant not supported here");
        return false;
    }
    state.SetLabel(vek::des::variant_name(wanted));
    return true;
}

// Registers `b` once per variant, the single-block table path first.
inline void each_variant(benchmark::internal::Benchmark* b) {
    for (int v = static_cast<int>(vek::des::Variant::Table); v <= static_cast<int>(vek::des::Variant::Avx512); ++v) b->Arg(v);
}

}  // namespace vek::bench
