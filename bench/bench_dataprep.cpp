// Data preparation speed: the classes against OpenSSL doing the same work,
// digits in and out.
//
//   BM_Vek_TripleDESData_TwoKeyEcb/V / BM_OpenSSL_EvpDesEdeEcbHexa: two-key
//     Triple-DES ECB over 60000 digits (3750 blocks), the key made afresh every
//     call; OpenSSL's side is EVP DES-EDE-ECB with a plain hexadecimal decode
//     and encode around it. V forces the engine's variant (as in bench_des.cpp).
//   BM_Vek_KeyCheckValue, BM_Vek_MACOneBlock, BM_Vek_DeriveICCMasterKey (A and
//     B), BM_Vek_CardVerificationValue, each against BM_OpenSSL_...: one call
//     each, the key schedules computed afresh every call, digits in and out.
//   BM_Export_...: the same through the exports (vek.h), buffer copy included.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "crypto/C_CardVerificationValue.h"
#include "crypto/C_ICCMasterKey.h"
#include "crypto/C_KeyCheckValue.h"
#include "crypto/C_MAC.h"
#include "crypto/C_TripleDESData.h"
#include "des_bench_support.h"
#include "vek.h"

#if VEK_BENCH_OPENSSL
#include <openssl/evp.h>
#include <openssl/sha.h>
#endif

namespace {

using vek::bench::Hexa;
using vek::bench::kHexa;
#if VEK_BENCH_OPENSSL
using vek::bench::schedule_of;
#endif

const char* const kKey2 = "0123456789ABCDEFFEDCBA9876543210";
const char* const kBlock = "4E6F772069732074";
const char* const kPAN16 = "4123456789012345";
const char* const kPAN19 = "9999012345678901234";

std::string random_digits(std::size_t n) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::mt19937 rng(42);
    std::string s(n, '0');
    for (auto& c : s) c = kDigits[rng() & 15];
    return s;
}

void BM_Vek_TripleDESData_TwoKeyEcb(benchmark::State& state) {
    if (!vek::bench::force_variant(state)) return;
    const std::string data = random_digits(60000);
    for (auto _ : state) {
        const C_TripleDESData result(kKey2, data, 1, C_TripleDESData::kECB, "");
        benchmark::DoNotOptimize(result.GetValue().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 30000);
    vek::des::force_variant(vek::des::best_variant());
}
BENCHMARK(BM_Vek_TripleDESData_TwoKeyEcb)->Apply(vek::bench::each_variant);

void BM_Vek_KeyCheckValue(benchmark::State& state) {
    for (auto _ : state) {
        const C_KeyCheckValue kcv(kKey2, 6);
        benchmark::DoNotOptimize(kcv.GetValue().data());
    }
}
BENCHMARK(BM_Vek_KeyCheckValue);

void BM_Vek_MACOneBlock(benchmark::State& state) {
    const int algorithm = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const C_MAC mac(kKey2, kBlock, algorithm, 1);
        benchmark::DoNotOptimize(mac.GetValue().data());
    }
    state.SetLabel(algorithm == 1 ? "algorithm 1, two-key" : "algorithm 3");
}
BENCHMARK(BM_Vek_MACOneBlock)->Arg(1)->Arg(3);

void BM_Vek_DeriveICCMasterKey(benchmark::State& state) {
    const char* pan = state.range(0) == 1 ? kPAN16 : kPAN19;
    for (auto _ : state) {
        const C_ICCMasterKey key(kKey2, pan, "01", 0);
        benchmark::DoNotOptimize(key.GetValue().data());
    }
    state.SetLabel(state.range(0) == 1 ? "option A" : "option B");
}
BENCHMARK(BM_Vek_DeriveICCMasterKey)->Arg(1)->Arg(2);

void BM_Vek_CardVerificationValue(benchmark::State& state) {
    for (auto _ : state) {
        const C_CardVerificationValue cvv(kKey2, kPAN16, "8701", "101");
        benchmark::DoNotOptimize(cvv.GetValue().data());
    }
}
BENCHMARK(BM_Vek_CardVerificationValue);

// The same work through the exports, as a caller pays for it: the frame, the
// checks and the copy into the caller's buffer.
void BM_Export_TripleDESData_TwoKeyEcb(benchmark::State& state) {
    const std::string data = random_digits(60000);
    std::vector<char> out(60001);
    for (auto _ : state) {
        vek_Calc_TripleDESData(kKey2, data.c_str(), 1, 0, nullptr, out.data(), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 30000);
}
BENCHMARK(BM_Export_TripleDESData_TwoKeyEcb);

void BM_Export_KeyCheckValue(benchmark::State& state) {
    char out[8];
    for (auto _ : state) {
        vek_Calc_KeyCheckValue(kKey2, 6, out, sizeof out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Export_KeyCheckValue);

void BM_Export_MACOneBlock(benchmark::State& state) {
    const auto algorithm = static_cast<short>(state.range(0));
    char out[17];
    for (auto _ : state) {
        vek_Calc_MAC(kKey2, kBlock, algorithm, 1, out, sizeof out);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(algorithm == 1 ? "algorithm 1, two-key" : "algorithm 3");
}
BENCHMARK(BM_Export_MACOneBlock)->Arg(1)->Arg(3);

void BM_Export_DeriveICCMasterKey(benchmark::State& state) {
    const char* pan = state.range(0) == 1 ? kPAN16 : kPAN19;
    char out[33];
    for (auto _ : state) {
        vek_Calc_DeriveICCMasterKey(kKey2, pan, "01", 0, out, sizeof out);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(state.range(0) == 1 ? "option A" : "option B");
}
BENCHMARK(BM_Export_DeriveICCMasterKey)->Arg(1)->Arg(2);

void BM_Export_CardVerificationValue(benchmark::State& state) {
    char out[4];
    for (auto _ : state) {
        vek_Calc_CardVerificationValue(kKey2, kPAN16, "8701", "101", out, sizeof out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Export_CardVerificationValue);

#if VEK_BENCH_OPENSSL

void BM_OpenSSL_EvpDesEdeEcbHexa(benchmark::State& state) {
    const std::string data = random_digits(60000);
    std::vector<std::uint8_t> in(30000), out(30000 + 8);
    std::vector<char> text(60001);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    for (auto _ : state) {
        std::uint8_t key[16];
        kHexa.decode(kKey2, 16, key);
        kHexa.decode(data.c_str(), in.size(), in.data());
        EVP_EncryptInit_ex(ctx, EVP_des_ede_ecb(), nullptr, key, nullptr);
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        int n = 0, m = 0;
        EVP_EncryptUpdate(ctx, out.data(), &n, in.data(), static_cast<int>(in.size()));
        EVP_EncryptFinal_ex(ctx, out.data() + n, &m);
        Hexa::encode(out.data(), static_cast<std::size_t>(n + m), text.data());
        benchmark::ClobberMemory();
    }
    EVP_CIPHER_CTX_free(ctx);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 30000);
}
BENCHMARK(BM_OpenSSL_EvpDesEdeEcbHexa);

void BM_OpenSSL_KeyCheckValue(benchmark::State& state) {
    char out[7];
    for (auto _ : state) {
        DES_key_schedule k1 = schedule_of(kKey2), k2 = schedule_of(kKey2 + 16);
        DES_cblock block = {};
        DES_ecb3_encrypt(&block, &block, &k1, &k2, &k1, DES_ENCRYPT);
        Hexa::encode(block, 3, out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenSSL_KeyCheckValue);

void BM_OpenSSL_MACOneBlock(benchmark::State& state) {
    const int algorithm = static_cast<int>(state.range(0));
    char out[17];
    for (auto _ : state) {
        DES_key_schedule k1 = schedule_of(kKey2), k2 = schedule_of(kKey2 + 16);
        DES_cblock block;
        kHexa.decode(kBlock, 8, block);
        if (algorithm == 1) {
            DES_ecb3_encrypt(&block, &block, &k1, &k2, &k1, DES_ENCRYPT);
        } else {
            DES_ecb_encrypt(&block, &block, &k1, DES_ENCRYPT);
            DES_ecb_encrypt(&block, &block, &k2, DES_DECRYPT);
            DES_ecb_encrypt(&block, &block, &k1, DES_ENCRYPT);
        }
        Hexa::encode(block, 8, out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetLabel(algorithm == 1 ? "algorithm 1, two-key" : "algorithm 3");
}
BENCHMARK(BM_OpenSSL_MACOneBlock)->Arg(1)->Arg(3);

void BM_OpenSSL_DeriveICCMasterKey(benchmark::State& state) {
    const bool optionA = state.range(0) == 1;
    const std::string pan = optionA ? kPAN16 : kPAN19;
    char out[33];
    for (auto _ : state) {
        const std::string x = pan + "01";
        std::string y;
        if (optionA) {
            y = x.substr(x.size() - 16);
        } else {
            const std::string even = x.size() % 2 != 0 ? "0" + x : x;
            std::uint8_t packed[11], hash[SHA_DIGEST_LENGTH];
            kHexa.decode(even.c_str(), even.size() / 2, packed);
            SHA1(packed, even.size() / 2, hash);
            char hex[41];
            Hexa::encode(hash, sizeof hash, hex);
            for (const char c : std::string(hex, 40))
                if (c <= '9' && y.size() < 16) y += c;
            for (const char c : std::string(hex, 40))
                if (c >= 'A' && y.size() < 16) y += static_cast<char>(c - 'A' + '0');
        }
        DES_key_schedule k1 = schedule_of(kKey2), k2 = schedule_of(kKey2 + 16);
        DES_cblock z[2];
        kHexa.decode(y.c_str(), 8, z[0]);
        for (int i = 0; i < 8; ++i) z[1][i] = static_cast<std::uint8_t>(~z[0][i]);
        for (auto& half : z) {
            DES_ecb3_encrypt(&half, &half, &k1, &k2, &k1, DES_ENCRYPT);
            DES_set_odd_parity(&half);
        }
        Hexa::encode(z[0], 16, out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetLabel(optionA ? "option A" : "option B");
}
BENCHMARK(BM_OpenSSL_DeriveICCMasterKey)->Arg(1)->Arg(2);

void BM_OpenSSL_CardVerificationValue(benchmark::State& state) {
    char out[4];
    for (auto _ : state) {
        std::string text = std::string(kPAN16) + "8701" + "101";
        text.append(32 - text.size(), '0');
        DES_key_schedule k1 = schedule_of(kKey2), k2 = schedule_of(kKey2 + 16);
        DES_cblock a, b;
        kHexa.decode(text.c_str(), 8, a);
        kHexa.decode(text.c_str() + 16, 8, b);
        DES_ecb_encrypt(&a, &a, &k1, DES_ENCRYPT);
        for (int i = 0; i < 8; ++i) b[i] ^= a[i];
        DES_ecb3_encrypt(&b, &b, &k1, &k2, &k1, DES_ENCRYPT);
        char hex[17];
        Hexa::encode(b, 8, hex);
        std::size_t n = 0;
        for (int i = 0; i < 16 && n < 3; ++i)
            if (hex[i] <= '9') out[n++] = hex[i];
        for (int i = 0; i < 16 && n < 3; ++i)
            if (hex[i] >= 'A') out[n++] = static_cast<char>(hex[i] - 'A' + '0');
        out[3] = '\0';
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenSSL_CardVerificationValue);

#endif

}  // namespace
