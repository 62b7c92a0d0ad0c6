// Hexadecimal transforms: bit reversal, writing bits, shifts, increment and
// decrement, against a plain bit-string oracle (everywhere) and GMP (on Linux);
// and the exports as a caller sees them, status codes and check order included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/texts.h"
#include "types/C_StringBin.h"
#include "types/C_StringHexa.h"

#if VEK_HAVE_GMP
#include <gmpxx.h>
#endif

namespace {

using S = C_StringType;
using vek::test::call_text;
using vek::test::random_below;
using vek::test::random_bits;
using vek::test::random_hexa;

C_StringHexa hexa(const std::string& text) { return C_StringHexa(text, S::kHexadecimal); }

// The oracle: a hexadecimal text as its bit string (four bits a digit, most
// significant first) and back.
std::string bits_of(const std::string& hex) {
    static const char* const kNibbles[] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                                           "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
    std::string bits;
    for (const char c : hex) bits += kNibbles[std::string("0123456789ABCDEF").find(c)];
    return bits;
}

std::string hex_of(const std::string& bits) {
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789ABCDEF"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hex;
}

// Shifts of the bit string itself, length kept.
std::string shifted_left(const std::string& hex, long long count) {
    const std::string bits = bits_of(hex);
    const auto n = static_cast<long long>(bits.size());
    if (count >= n) return hex_of(std::string(bits.size(), '0'));
    return hex_of(bits.substr(static_cast<std::size_t>(count)) + std::string(static_cast<std::size_t>(count), '0'));
}

std::string shifted_right(const std::string& hex, long long count) {
    const std::string bits = bits_of(hex);
    const auto n = static_cast<long long>(bits.size());
    if (count >= n) return hex_of(std::string(bits.size(), '0'));
    return hex_of(std::string(static_cast<std::size_t>(count), '0') + bits.substr(0, bits.size() - static_cast<std::size_t>(count)));
}

TEST(HexaTransform, ShiftsAgainstBitStrings) {
    std::mt19937_64 rng(1234);
    for (int round = 0; round < 400; ++round) {
        const std::size_t n = 1 + random_below(rng, round % 10 == 0 ? 3000 : 40);
        const std::string v = random_hexa(rng, n);
        const int count = static_cast<int>(rng() % (4 * n + 9));
        SCOPED_TRACE(v + " by " + std::to_string(count));
        EXPECT_EQ(hexa(v).ShiftLeft(count).GetValue(), shifted_left(v, count));
        EXPECT_EQ(hexa(v).ShiftRight(count).GetValue(), shifted_right(v, count));
        // A negative count shifts the other way.
        EXPECT_EQ(hexa(v).ShiftLeft(-count).GetValue(), shifted_right(v, count));
        EXPECT_EQ(hexa(v).ShiftRight(-count).GetValue(), shifted_left(v, count));
    }
}

TEST(HexaTransform, ShiftExamples) {
    EXPECT_EQ(hexa("1234").ShiftLeft(4).GetValue(), "2340");
    EXPECT_EQ(hexa("1234").ShiftLeft(1).GetValue(), "2468");
    EXPECT_EQ(hexa("ABCD").ShiftLeft(6).GetValue(), "F340");
    EXPECT_EQ(hexa("1234").ShiftRight(4).GetValue(), "0123");
    EXPECT_EQ(hexa("1234").ShiftRight(1).GetValue(), "091A");
    EXPECT_EQ(hexa("ABCD").ShiftRight(6).GetValue(), "02AF");
    EXPECT_EQ(hexa("8000").ShiftRight(15).GetValue(), "0001");
    EXPECT_EQ(hexa("1234").ShiftLeft(0).GetValue(), "1234");
    EXPECT_EQ(hexa("1234").ShiftRight(0).GetValue(), "1234");
    for (const int count : {16, 17, 32767, INT_MAX, -16, INT_MIN}) {
        EXPECT_EQ(hexa("1234").ShiftLeft(count).GetValue(), "0000") << count;
        EXPECT_EQ(hexa("1234").ShiftRight(count).GetValue(), "0000") << count;
    }
    EXPECT_EQ(hexa("00FF").ShiftLeft(-4).GetValue(), "000F");
    EXPECT_EQ(hexa("00FF").ShiftRight(-4).GetValue(), "0FF0");
}

TEST(HexaTransform, SwapBitsAgainstBitStrings) {
    std::mt19937_64 rng(4321);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = 1 + random_below(rng, round % 10 == 0 ? 60000 : 30);
        const std::string v = random_hexa(rng, n);
        std::string bits = bits_of(v);
        std::reverse(bits.begin(), bits.end());
        auto x = hexa(v);
        x.SwapBits();
        ASSERT_EQ(x.GetValue(), hex_of(bits)) << v;
        x.SwapBits();
        EXPECT_EQ(x.GetValue(), v);  // twice gives the value back
    }
    for (const auto& [in, out] : {std::pair{"1", "8"}, {"12", "48"}, {"ABC", "3D5"}, {"F0", "0F"}, {"0", "0"}}) {
        auto x = hexa(in);
        x.SwapBits();
        EXPECT_EQ(x.GetValue(), out) << in;
    }
}

TEST(HexaTransform, SetBinAgainstBitStrings) {
    std::mt19937_64 rng(99);
    for (int round = 0; round < 400; ++round) {
        const std::size_t n = 1 + random_below(rng, round % 10 == 0 ? 15000 : 20);
        const std::string v = random_hexa(rng, n);
        const std::size_t position = random_below(rng, 4 * n);
        const std::string piece = random_bits(rng, 1 + random_below(rng, 4 * n - position));
        std::string bits = bits_of(v);
        bits.replace(position, piece.size(), piece);
        auto x = hexa(v);
        x.SetBin(static_cast<int>(position), C_StringBin(piece, S::kBinary));
        EXPECT_EQ(x.GetValue(), hex_of(bits)) << v << " " << position << " " << piece;
    }
}

TEST(HexaTransform, SetBinChecksInOrder) {
    const C_StringBin one("1", S::kBinary), two("11", S::kBinary);
    auto x = hexa("FF");
    EXPECT_THROW(x.SetBin(-1, one), S::xWrongPos);
    EXPECT_THROW(x.SetBin(240000, one), S::xWrongPos);  // before the position is compared with the value
    EXPECT_THROW(x.SetBin(8, one), S::xInvalidPos);
    EXPECT_THROW(x.SetBin(8, two), S::xInvalidPos);  // before the overlap
    EXPECT_THROW(x.SetBin(7, two), S::xOverlap);
    EXPECT_EQ(x.GetValue(), "FF");  // untouched by a refused write
    auto longest = hexa(std::string(60000, '0'));
    longest.SetBin(239999, one);
    EXPECT_EQ(longest.GetValue(), std::string(59999, '0') + "1");
}

TEST(HexaTransform, IncreaseAndDecrease) {
    auto x = hexa("00FF");
    x.Increase();
    EXPECT_EQ(x.GetValue(), "100");
    x = hexa("FFFF");
    x.Increase();
    EXPECT_EQ(x.GetValue(), "10000");
    x = hexa("0100");
    x.Decrease();
    EXPECT_EQ(x.GetValue(), "FF");
    x = hexa("0001");
    x.Decrease();
    EXPECT_EQ(x.GetValue(), "0");
    for (const char* zero : {"0", "000"}) {
        x = hexa(zero);
        EXPECT_THROW(x.Decrease(), S::xNegativeResult);
    }
    x = hexa(std::string(60000, 'F'));
    EXPECT_THROW(x.Increase(), S::xResultTooBig);
}

#if VEK_HAVE_GMP

std::string text_of(const mpz_class& v, std::size_t width) {
    std::string s = v.get_str(16);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return s;
}

TEST(HexaTransform, LongShiftsAndStepsAgainstGmp) {
    std::mt19937_64 rng(777);
    for (int round = 0; round < 100; ++round) {
        const std::size_t n = 1 + random_below(rng, 60000);
        const std::string v = random_hexa(rng, n);
        const mpz_class x(v, 16);
        const int count = static_cast<int>(rng() % 32768);
        const mpz_class all = (mpz_class(1) << (4 * n)) - 1;
        EXPECT_EQ(hexa(v).ShiftLeft(count).GetValue(), text_of((x << count) & all, n));
        EXPECT_EQ(hexa(v).ShiftRight(count).GetValue(), text_of(x >> count, n));
        auto up = hexa(v);
        up.Increase();
        if (x + 1 <= all || n < 60000) {
            EXPECT_EQ(up.GetValue(), text_of(x + 1, 0));
        }
        if (x != 0) {
            auto down = hexa(v);
            down.Decrease();
            EXPECT_EQ(down.GetValue(), text_of(x - 1, 0));
        }
    }
}

#endif  // VEK_HAVE_GMP

// ---- The exports ----

const vek::test::TextSamples kSamples{{
    {"vek_Tran_SwapHexa", [](char* o, int n) { return VEK(vek_Tran_SwapHexa)("1234", o, n); }, "2143"},
    {"vek_Tran_SwapHexaByte", [](char* o, int n) { return VEK(vek_Tran_SwapHexaByte)("A5", o, n); }, "5A"},
    {"vek_Tran_SwapBitInHexa", [](char* o, int n) { return VEK(vek_Tran_SwapBitInHexa)("12", o, n); }, "48"},
    {"vek_Tran_IncreaseHexa", [](char* o, int n) { return VEK(vek_Tran_IncreaseHexa)("00FF", 4, o, n); }, "0100"},
    {"vek_Tran_DecreaseHexa", [](char* o, int n) { return VEK(vek_Tran_DecreaseHexa)("0100", 0, o, n); }, "FF"},
    {"vek_Tran_SetBinInHexa", [](char* o, int n) { return VEK(vek_Tran_SetBinInHexa)("1111", 1, "00", o, n); },
     "F0"},
    {"vek_Tran_ShiftBitLeft", [](char* o, int n) { return VEK(vek_Tran_ShiftBitLeft)("1234", 4, o, n); }, "2340"},
    {"vek_Tran_ShiftBitRight", [](char* o, int n) { return VEK(vek_Tran_ShiftBitRight)("1234", 4, o, n); },
     "0123"},
}};

}  // namespace
