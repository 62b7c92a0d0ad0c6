// Hexadecimal arithmetic, logic and transforms on operands of 60000 digits.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "types/C_StringHexa.h"

namespace {

// 60000 random digits behind a first digit chosen so that kA + kB does not carry
// out of the top digit.
C_StringHexa random_operand(std::uint64_t seed, char first) {
    std::mt19937_64 rng(seed);
    std::string text(60000, '0');
    for (char& c : text) c = "0123456789ABCDEF"[rng() % 16];
    text[0] = first;
    return C_StringHexa(text, C_StringType::kHexadecimal);
}

const C_StringHexa kA = random_operand(1, '7');
const C_StringHexa kB = random_operand(2, '3');

void BM_Add60000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kA.Add(kB));
}
void BM_Subtract60000(benchmark::State& state) {
    const C_StringHexa& big = kA.Compare(kB) >= 0 ? kA : kB;
    const C_StringHexa& small = kA.Compare(kB) >= 0 ? kB : kA;
    for (auto _ : state) benchmark::DoNotOptimize(big.Subtract(small));
}
void BM_Xor60000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kA.Xor(kB));
}
void BM_Checksum60000By16(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kA.Checksum(16));
}
void BM_CountBits60000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kA.CountBits(1));
}
void BM_ShiftLeft60000(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kA.ShiftLeft(5));
}
void BM_SwapBits60000(benchmark::State& state) {
    C_StringHexa v = kA;
    for (auto _ : state) {
        v.SwapBits();
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Add60000);
BENCHMARK(BM_Subtract60000);
BENCHMARK(BM_Xor60000);
BENCHMARK(BM_Checksum60000By16);
BENCHMARK(BM_CountBits60000);
BENCHMARK(BM_ShiftLeft60000);
BENCHMARK(BM_SwapBits60000);

}  // namespace
