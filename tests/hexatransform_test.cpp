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
#include "types/C_StringBin.h"
#include "types/C_StringHexa.h"

#if VEK_HAVE_GMP
#include <gmpxx.h>
#endif

namespace {

using S = C_StringType;
using vek::test::call_text;

C_StringHexa hexa(const std::string& text) { return C_StringHexa(text, S::kHexadecimal); }

std::string random_hexa(std::mt19937_64& rng, std::size_t digits) {
    static const char kAlphabet[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (char& c : text) c = kAlphabet[rng() % 16];
    return text;
}

std::string random_bits(std::mt19937_64& rng, std::size_t n) {
    std::string bits(n, '0');
    for (char& c : bits) c = rng() % 2 ? '1' : '0';
    return bits;
}

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
    return hex_of(std::string(static_cast<std::size_t>(count), '0') + bits.substr(0, bits.size() - count));
}

TEST(HexaTransform, ShiftsAgainstBitStrings) {
    std::mt19937_64 rng(1234);
    for (int round = 0; round < 400; ++round) {
        const std::size_t n = 1 + rng() % (round % 10 == 0 ? 3000 : 40);
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
        const std::size_t n = 1 + rng() % (round % 10 == 0 ? 60000 : 30);
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
        const std::size_t n = 1 + rng() % (round % 10 == 0 ? 15000 : 20);
        const std::string v = random_hexa(rng, n);
        const std::size_t position = rng() % (4 * n);
        const std::string piece = random_bits(rng, 1 + rng() % (4 * n - position));
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
        const std::size_t n = 1 + rng() % 60000;
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

struct ExportCase {
    std::string name;
    std::function<short(char*, int)> run;
    short result;
    short status;
    std::string out;
};

void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }

const std::string kTooLong(60001, 'A');
const std::string kTooLongBad(60001, 'z');
const std::string kLongestF(60000, 'F');
const std::string kTooManyBits(60001, '1');

using OneFn = decltype(&vek_Tran_SwapHexa);
using LengthFn = decltype(&vek_Tran_IncreaseHexa);
using ShiftFn = decltype(&vek_Tran_ShiftBitLeft);

std::function<short(char*, int)> one(OneFn fn, const char* text) {
    return [=](char* o, int n) { return fn(text, o, n); };
}
std::function<short(char*, int)> sized(LengthFn fn, const char* text, int length) {
    return [=](char* o, int n) { return fn(text, length, o, n); };
}
std::function<short(char*, int)> shift(ShiftFn fn, const char* text, short count) {
    return [=](char* o, int n) { return fn(text, count, o, n); };
}
std::function<short(char*, int)> set_bin(const char* bin, int position, const char* text) {
    return [=](char* o, int n) { return VEK(vek_Tran_SetBinInHexa)(bin, position, text, o, n); };
}

std::vector<ExportCase> transform_cases() {
    const auto swap = VEK(vek_Tran_SwapHexa);
    const auto byte = VEK(vek_Tran_SwapHexaByte);
    const auto bits = VEK(vek_Tran_SwapBitInHexa);
    const auto up = VEK(vek_Tran_IncreaseHexa);
    const auto down = VEK(vek_Tran_DecreaseHexa);
    std::vector<ExportCase> c = {
        {"swap", one(swap, "1234"), -1, 0, "2143"},
        {"swap byte", one(swap, "AB"), -1, 0, "BA"},
        {"swap odd", one(swap, "ABC"), 0, -2, ""},
        {"swap invalid", one(swap, "12x4"), 0, -1, ""},
        {"swap empty", one(swap, nullptr), 0, -1, ""},
        {"swap too long and odd: length first", one(swap, kTooLong.c_str()), 0, -1, ""},
        {"swap one byte", one(byte, "A5"), -1, 0, "5A"},
        {"swap one byte: one digit", one(byte, "A"), 0, -2, ""},
        {"swap one byte: four digits", one(byte, "ABCD"), 0, -2, ""},
        {"swap one byte: length before characters", one(byte, "zzz"), 0, -2, ""},
        {"swap one byte: invalid", one(byte, "zz"), 0, -1, ""},
        {"swap one byte: empty", one(byte, ""), 0, -1, ""},
        {"swap one byte: null", one(byte, nullptr), 0, -1, ""},
        {"swap bits", one(bits, "ABC"), -1, 0, "3D5"},
        {"swap bits keeps zeros", one(bits, "0001"), -1, 0, "8000"},
        {"swap bits invalid", one(bits, "ab"), 0, -1, ""},
        {"swap bits empty", one(bits, ""), 0, -1, ""},
        {"swap bits too long", one(bits, kTooLong.c_str()), 0, -1, ""},
        {"increase", sized(up, "00FF", 0), -1, 0, "100"},
        {"increase padded", sized(up, "00FF", 4), -1, 0, "0100"},
        {"increase carry", sized(up, "FFFF", 0), -1, 0, "10000"},
        {"increase invalid", sized(up, "0x1", 0), 0, -1, ""},
        {"increase empty", sized(up, "", 0), 0, -1, ""},
        {"increase length", sized(up, "1", -1), 0, -2, ""},
        {"increase length above 60000", sized(up, "1", 60001), 0, -2, ""},
        {"increase too long", sized(up, kTooLong.c_str(), 0), 0, -3, ""},
        {"increase too long, before characters", sized(up, kTooLongBad.c_str(), 0), 0, -3, ""},
        {"increase length too small", sized(up, "FF", 2), 0, -4, ""},
        {"increase too big", sized(up, kLongestF.c_str(), 0), 0, -5, ""},
        {"increase too big, before padding", sized(up, kLongestF.c_str(), -1), 0, -5, ""},
        {"decrease", sized(down, "0100", 0), -1, 0, "FF"},
        {"decrease to zero", sized(down, "0001", 0), -1, 0, "0"},
        {"decrease padded", sized(down, "0100", 4), -1, 0, "00FF"},
        {"decrease invalid", sized(down, "-1", 0), 0, -1, ""},
        {"decrease empty", sized(down, nullptr, 0), 0, -1, ""},
        {"decrease length", sized(down, "10", 60001), 0, -2, ""},
        {"decrease too long", sized(down, kTooLongBad.c_str(), 0), 0, -3, ""},
        {"decrease length too small", sized(down, "1000", 2), 0, -4, ""},
        {"decrease zero", sized(down, "0000", 0), 0, -5, ""},
        {"decrease zero, before padding", sized(down, "0", -1), 0, -5, ""},
        {"set bits", set_bin("1111", 1, "00"), -1, 0, "F0"},
        {"set bits last", set_bin("0", 8, "FF"), -1, 0, "FE"},
        {"set bits middle", set_bin("0110", 3, "0000"), -1, 0, "1800"},
        {"set bits: bits invalid", set_bin("012", 1, "FF"), 0, -1, ""},
        {"set bits: bits empty", set_bin("", 1, "FF"), 0, -1, ""},
        {"set bits: bits bad before target", set_bin("2", 1, "zz"), 0, -1, ""},
        {"set bits: position 0", set_bin("1", 0, "FF"), 0, -2, ""},
        {"set bits: position 9", set_bin("1", 9, "FF"), 0, -2, ""},
        {"set bits: position above 240000", set_bin("1", 240001, "FF"), 0, -2, ""},
        {"set bits: lowest position", set_bin("1", INT_MIN, "FF"), 0, -2, ""},
        {"set bits: target invalid", set_bin("1", 1, "fF"), 0, -3, ""},
        {"set bits: target empty", set_bin("1", 1, ""), 0, -3, ""},
        {"set bits: target too long", set_bin("1", 1, kTooLong.c_str()), 0, -3, ""},
        {"set bits: target before position", set_bin("1", 0, "x"), 0, -3, ""},
        {"set bits: bits too long", set_bin(kTooManyBits.c_str(), 1, "FF"), 0, -4, ""},
        {"set bits: bits too long before target", set_bin(kTooManyBits.c_str(), 1, ""), 0, -4, ""},
        {"set bits: overlap", set_bin("11", 8, "FF"), 0, -5, ""},
    };
    const struct {
        const char* name;
        ShiftFn fn;
    } shifts[] = {{"shift left", VEK(vek_Tran_ShiftBitLeft)}, {"shift right", VEK(vek_Tran_ShiftBitRight)}};
    for (const auto& s : shifts) {
        const std::string name = s.name;
        c.push_back({name + ": invalid", shift(s.fn, "zz", 1), 0, -1, ""});
        c.push_back({name + ": empty", shift(s.fn, "", 1), 0, -2, ""});
        c.push_back({name + ": null", shift(s.fn, nullptr, 1), 0, -2, ""});
        c.push_back({name + ": too long", shift(s.fn, kTooLong.c_str(), 1), 0, -3, ""});
        c.push_back({name + ": too long, before characters", shift(s.fn, kTooLongBad.c_str(), 1), 0, -3, ""});
        c.push_back({name + ": by 0", shift(s.fn, "1234", 0), -1, 0, "1234"});
        c.push_back({name + ": by 16", shift(s.fn, "1234", 16), -1, 0, "0000"});
        c.push_back({name + ": by 32767", shift(s.fn, "1234", 32767), -1, 0, "0000"});
        c.push_back({name + ": by -32768", shift(s.fn, "1234", -32768), -1, 0, "0000"});
    }
    const auto left = VEK(vek_Tran_ShiftBitLeft);
    const auto right = VEK(vek_Tran_ShiftBitRight);
    c.push_back({"shift left by 6", shift(left, "ABCD", 6), -1, 0, "F340"});
    c.push_back({"shift left by -1", shift(left, "1234", -1), -1, 0, "091A"});
    c.push_back({"shift right by 15", shift(right, "8000", 15), -1, 0, "0001"});
    c.push_back({"shift right by -1", shift(right, "1234", -1), -1, 0, "2468"});
    return c;
}

class HexaTransformExport : public ::testing::TestWithParam<ExportCase> {};

TEST_P(HexaTransformExport, ResultStatusAndText) {
    const auto& c = GetParam();
    const auto o = call_text(c.run);
    EXPECT_EQ(o.result, c.result);
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(HexaTransform, HexaTransformExport, ::testing::ValuesIn(transform_cases()));

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
