// Decimal text to hexadecimal text: vek_Conv_DecToHexa against GMP doing the
// same text-to-text work (mpz_set_str base 10, mpz_get_str base 16).
#include <benchmark/benchmark.h>

#include "vek.h"

#if __has_include(<gmp.h>)
#include <gmp.h>
#define VEK_BENCH_GMP 1
#endif

namespace {

const char* const kValue = "18446744073709551615";  // 20 digits, 2^64 - 1

void BM_VekDecToHexa(benchmark::State& state) {
    char out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(vek_Conv_DecToHexa(kValue, 0, out, sizeof out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_VekDecToHexa);

#if VEK_BENCH_GMP
void BM_GmpDecToHexa(benchmark::State& state) {
    mpz_t value;
    mpz_init(value);
    char out[32];
    for (auto _ : state) {
        mpz_set_str(value, kValue, 10);
        benchmark::DoNotOptimize(mpz_get_str(out, 16, value));
    }
    mpz_clear(value);
}
BENCHMARK(BM_GmpDecToHexa);
#endif

}  // namespace
