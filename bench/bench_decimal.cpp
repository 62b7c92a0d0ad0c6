// Decimal arithmetic on text: the exported functions against GMP doing the same
// text-to-text work (parse both operands, compute, write the result as text).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "vek.h"

#if __has_include(<gmp.h>)
#include <gmp.h>
#define VEK_BENCH_GMP 1
#endif

namespace {

std::string random_digits(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string text(count, '0');
    for (char& c : text) c = static_cast<char>('0' + random() % 10);
    text[0] = static_cast<char>('1' + random() % 8);  // no leading zero, no carry out of 60000 digits
    return text;
}

const std::string& first_operand() {
    static const std::string text = random_digits(60000, 1);
    return text;
}

const std::string& second_operand() {
    static const std::string text = random_digits(60000, 2);
    return text;
}

const char* const kHexa = "FEDCBA9876543210";

void BM_vek_AddDecToDec(benchmark::State& state) {
    std::string out(60002, '\0');
    for (auto _ : state) {
        const short r = vek_Calc_AddDecToDec(first_operand().c_str(), second_operand().c_str(), 0, out.data(),
                                             static_cast<int>(out.size()));
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * 120000);
}
BENCHMARK(BM_vek_AddDecToDec);

void BM_vek_SubstractDecToDec(benchmark::State& state) {
    // The larger minus the smaller, so that every call succeeds.
    const bool firstLarger = first_operand() > second_operand();
    const std::string& a = firstLarger ? first_operand() : second_operand();
    const std::string& b = firstLarger ? second_operand() : first_operand();
    std::string out(60002, '\0');
    for (auto _ : state) {
        const short r = vek_Calc_SubstractDecToDec(a.c_str(), b.c_str(), 0, out.data(), static_cast<int>(out.size()));
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * 120000);
}
BENCHMARK(BM_vek_SubstractDecToDec);

void BM_vek_HexaToDec(benchmark::State& state) {
    char out[32];
    for (auto _ : state) {
        const short r = vek_Conv_HexaToDec(kHexa, 0, out, sizeof out);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_vek_HexaToDec);

#if VEK_BENCH_GMP

// GMP, text to text: both operands parsed, the operation, the result written.
template <void (*Op)(mpz_ptr, mpz_srcptr, mpz_srcptr)>
void gmp_text_round_trip(benchmark::State& state) {
    const bool firstLarger = first_operand() > second_operand();
    const std::string& a = firstLarger ? first_operand() : second_operand();
    const std::string& b = firstLarger ? second_operand() : first_operand();
    std::string out(60002, '\0');
    mpz_t x, y, z;
    mpz_inits(x, y, z, nullptr);
    for (auto _ : state) {
        mpz_set_str(x, a.c_str(), 10);
        mpz_set_str(y, b.c_str(), 10);
        Op(z, x, y);
        mpz_get_str(out.data(), 10, z);
        benchmark::DoNotOptimize(out.data());
    }
    mpz_clears(x, y, z, nullptr);
    state.SetBytesProcessed(state.iterations() * 120000);
}

void BM_gmp_AddDecToDec(benchmark::State& state) { gmp_text_round_trip<mpz_add>(state); }
BENCHMARK(BM_gmp_AddDecToDec);

void BM_gmp_SubstractDecToDec(benchmark::State& state) { gmp_text_round_trip<mpz_sub>(state); }
BENCHMARK(BM_gmp_SubstractDecToDec);

void BM_gmp_HexaToDec(benchmark::State& state) {
    char out[32];
    mpz_t x;
    mpz_init(x);
    for (auto _ : state) {
        mpz_set_str(x, kHexa, 16);
        mpz_get_str(out, 10, x);
        benchmark::DoNotOptimize(out);
    }
    mpz_clear(x);
}
BENCHMARK(BM_gmp_HexaToDec);

#endif  // VEK_BENCH_GMP

}  // namespace
