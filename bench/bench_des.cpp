// DES speed: vek's exports against OpenSSL's DES on the same data.
//
//   BM_Vek_CalDES_Fast/V / BM_OpenSSL_DesEcbHexa: a 60000-digit image (3750
//     blocks) under a key loaded once; OpenSSL's side also decodes the digits to
//     bytes and encodes the result back, as the image travels as text. V forces
//     the engine's variant: 0 the single-block table path alone, 1 portable,
//     2 SSE2, 3 AVX2, 4 AVX-512 (the label names it).
//   BM_Vek_TripleDES / BM_OpenSSL_TripleDesHexa: one block per call, the two key
//     schedules computed afresh every call, digits in and out.
//   BM_Ratio_TripleDesPerCall: the same side by side, 1024 rotating random keys
//     and blocks: vek_Calc_TripleDES against OpenSSL's hex decode, two
//     DES_set_key_unchecked, DES_ecb3_encrypt(K1, K2, K1) and hex encode in
//     every call; calls per second of each and their ratio (vek / OpenSSL).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "crypto/C_EngineLock.h"
#include "des_bench_support.h"
#include "side_by_side.h"
#include "vek.h"

namespace {

using vek::bench::Hexa;
using vek::bench::kHexa;
#if VEK_BENCH_OPENSSL
using vek::bench::schedule_of;
#endif

const char* const kKey = "133457799BBCDFF1";
const char* const kKey2 = "0123456789ABCDEFFEDCBA9876543210";
const char* const kBlock = "4E6F772069732074";

std::string random_text(std::mt19937& rng, std::size_t digits) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string s(digits, '0');
    for (auto& c : s) c = kDigits[rng() & 15];
    return s;
}

std::string random_image(std::size_t digits) {
    std::mt19937 rng(42);
    return random_text(rng, digits);
}


void BM_Vek_CalDES_Fast(benchmark::State& state) {
    if (!vek::bench::force_variant(state)) return;
    const std::string image = random_image(60000);
    std::vector<char> out(60001);
    vek_Tran_InitDES(1, kKey, 0);
    for (auto _ : state) {
        const short ok = vek_Tran_CalDES_Fast(image.c_str(), 1, 0, out.data(), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 30000);
    vek::des::force_variant(vek::des::best_variant());
}
BENCHMARK(BM_Vek_CalDES_Fast)->Apply(vek::bench::each_variant);

void BM_Vek_TripleDES(benchmark::State& state) {
    char out[17];
    for (auto _ : state) {
        const short ok = vek_Calc_TripleDES(kKey2, kBlock, 1, out, sizeof out);
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Vek_TripleDES);

// The engine's lock, taken and released with no other thread waiting: what
// every DES call pays for being safe to call from several threads (compare
// with BM_Vek_TripleDES, the smallest DES call).
void BM_EngineLock(benchmark::State& state) {
    for (auto _ : state) {
        const C_EngineLock engine;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EngineLock);

#if VEK_BENCH_OPENSSL

void BM_OpenSSL_DesEcbHexa(benchmark::State& state) {
    const std::string image = random_image(60000);
    std::vector<std::uint8_t> bytes(30000);
    std::vector<char> out(60001);
    DES_key_schedule ks = schedule_of(kKey);
    for (auto _ : state) {
        kHexa.decode(image.c_str(), bytes.size(), bytes.data());
        for (std::size_t at = 0; at < bytes.size(); at += 8) {
            auto* block = reinterpret_cast<DES_cblock*>(&bytes[at]);
            DES_ecb_encrypt(block, block, &ks, DES_ENCRYPT);
        }
        Hexa::encode(bytes.data(), bytes.size(), out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 30000);
}
BENCHMARK(BM_OpenSSL_DesEcbHexa);

void BM_OpenSSL_TripleDesHexa(benchmark::State& state) {
    char out[17];
    for (auto _ : state) {
        DES_key_schedule k1 = schedule_of(kKey2), k2 = schedule_of(kKey2 + 16);
        DES_cblock block;
        kHexa.decode(kBlock, 8, block);
        DES_ecb3_encrypt(&block, &block, &k1, &k2, &k1, DES_ENCRYPT);
        Hexa::encode(block, 8, out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenSSL_TripleDesHexa);

void BM_Ratio_TripleDesPerCall(benchmark::State& state) {
    constexpr int kKeys = 1024;
    std::mt19937 rng(1024);
    std::vector<std::string> keys, blocks;
    for (int i = 0; i < kKeys; ++i) {
        keys.push_back(random_text(rng, 32));
        blocks.push_back(random_text(rng, 16));
    }
    char out[17], reference[17];
    const auto openssl = [&](int i) {
        std::uint8_t kb[16];
        DES_cblock block;
        kHexa.decode(keys[static_cast<std::size_t>(i)].c_str(), 16, kb);
        kHexa.decode(blocks[static_cast<std::size_t>(i)].c_str(), 8, block);
        DES_key_schedule s1, s2;
        DES_set_key_unchecked(reinterpret_cast<const_DES_cblock*>(kb), &s1);
        DES_set_key_unchecked(reinterpret_cast<const_DES_cblock*>(kb + 8), &s2);
        DES_ecb3_encrypt(&block, &block, &s1, &s2, &s1, DES_ENCRYPT);
        Hexa::encode(block, 8, reference);
    };
    const auto ours = [&](int i) {
        vek_Calc_TripleDES(keys[static_cast<std::size_t>(i)].c_str(), blocks[static_cast<std::size_t>(i)].c_str(), 1,
                           out, sizeof out);
    };
    for (int i = 0; i < kKeys; ++i) {
        ours(i);
        openssl(i);
        if (std::string(out) != reference) {
            state.SkipWithError("vek and OpenSSL disagree");
            return;
        }
    }
    const auto all = [&](const auto& call, long rounds) {
        for (long r = 0; r < rounds; ++r)
            for (int i = 0; i < kKeys; ++i) call(i);
        benchmark::ClobberMemory();
    };
    const long oursRounds = vek::bench::runs_for(vek::bench::seconds_of([&] { all(ours, 1); }), 0.05);
    const long opensslRounds = vek::bench::runs_for(vek::bench::seconds_of([&] { all(openssl, 1); }), 0.05);
    vek::bench::SideBySide figures;
    for (auto _ : state) {
        const double v = vek::bench::seconds_of([&] { all(ours, oursRounds); });
        const double o = vek::bench::seconds_of([&] { all(openssl, opensslRounds); });
        figures.Add(static_cast<double>(kKeys * oursRounds) / v, static_cast<double>(kKeys * opensslRounds) / o);
    }
    figures.Report(state, "vek_calls_per_s", "openssl_calls_per_s", "ratio_vek_over_openssl");
}
BENCHMARK(BM_Ratio_TripleDesPerCall)->Iterations(11)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
