// Random values: vek_Calc_RndByMinMax for a key-sized result and for the
// longest one (60000 characters: 7500 generator blocks, two DES blocks each).
#include <benchmark/benchmark.h>

#include <string>

#include "vek.h"

namespace {

void BM_Vek_RndByMinMax(benchmark::State& state, const char* lo, const char* hi, const char* type) {
    const int length = static_cast<int>(state.range(0));
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    for (auto _ : state) {
        if (vek_Calc_RndByMinMax(lo, hi, type, length, out.data(), length + 1) != -1) state.SkipWithError("failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * length);
}

BENCHMARK_CAPTURE(BM_Vek_RndByMinMax, Hexa2, "", "", "HEXA2")->Arg(16)->Arg(60000);
BENCHMARK_CAPTURE(BM_Vek_RndByMinMax, Dec, "", "", "DEC")->Arg(4)->Arg(60000);
BENCHMARK_CAPTURE(BM_Vek_RndByMinMax, Char, "a", "z", "CHAR")->Arg(60000);

}  // namespace
