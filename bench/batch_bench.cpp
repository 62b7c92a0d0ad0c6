// Batch mode of the vek command against a loop calling the export directly:
// 1,000,000 lines of 16 hexadecimal digits through Conv_HexaToDec, side by
// side. The command's run is a whole process (start, reading standard input,
// writing standard output to /dev/null), so both are measured in real time,
// as items (lines) per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "vek.h"

#ifdef VEK_COMMAND
namespace {

constexpr int kLines = 1000000;

// The lines, drawn from a fixed linear congruential sequence: every run reads the same input.
const std::vector<std::string>& lines() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> v;
        v.reserve(kLines);
        std::uint64_t x = 0x0123456789ABCDEFu;
        char text[17];
        for (int i = 0; i < kLines; ++i) {
            x = x * 6364136223846793005u + 1442695040888963407u;
            std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(x));
            v.emplace_back(text);
        }
        return v;
    }();
    return all;
}

// The same lines as a file, written once.
const std::string& input_file() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "vek_batch_bench.txt").string();
        std::FILE* f = std::fopen(p.c_str(), "wb");
        for (const auto& line : lines()) std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
        return p;
    }();
    return path;
}

void BM_EachCommand(benchmark::State& state) {
    const std::string command = std::string(VEK_COMMAND) + " --each Conv_HexaToDec - 0 < " + input_file() + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("vek --each failed");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kLines);
}
BENCHMARK(BM_EachCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_EachLoop(benchmark::State& state) {
    const auto& all = lines();
    char out[32];
    for (auto _ : state) {
        for (const auto& line : all) {
            benchmark::DoNotOptimize(vek_Conv_HexaToDec(line.c_str(), 0, out, sizeof out));
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kLines);
}
BENCHMARK(BM_EachLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
#endif
