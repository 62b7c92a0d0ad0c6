// Random values: the generator, RandomFill of every typed string, RandomFillValues
// and vek_Calc_RndByMinMax. Random results are checked by their properties only:
// length, alphabet, every unit within its bounds, the blocks drawn, the DES key
// left in the engine, and a rough spread over many units.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "crypto/C_DES.h"
#include "crypto/C_RandomGenerator.h"
#include "support/api.h"
#include "support/vectors.h"
#include "types/C_StringBin.h"
#include "types/C_StringChar.h"
#include "types/C_StringDec.h"
#include "types/C_StringEvenHexa.h"
#include "types/C_StringHexa.h"

namespace {

using vek::test::call_text;
using S = C_StringType;
using E = C_StringEvenHexa;

const std::string kKey = C_RandomGenerator::kKey;  // the generator's documented key
const std::string kBlock = "0123456789ABCDEF";
const std::string kOtherKey = "133457799BBCDFF1";

int hexa_value(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// The export with a buffer large enough for any result; a null pointer where asked.
vek::test::Outcome rnd(const char* lo, const char* hi, const char* type, int length) {
    return call_text([&](char* o, int n) { return VEK(vek_Calc_RndByMinMax)(lo, hi, type, length, o, n); });
}

// The units of a result: one character, or two digits read as a byte for HEXA2.
std::vector<int> units(const std::string& text, bool pairs) {
    std::vector<int> u;
    if (pairs) {
        for (std::size_t i = 0; i + 1 < text.size(); i += 2) u.push_back(hexa_value(text[i]) * 16 + hexa_value(text[i + 1]));
    } else {
        for (const char c : text) u.push_back(static_cast<unsigned char>(c));
    }
    return u;
}

// What the engine's key slot does now: vek_Tran_CalDES_Fast on a known block,
// compared with the encryption of that block under `key`.
bool engine_key_is(const std::string& key) {
    const auto fast = call_text([](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)(kBlock.c_str(), 1, 0, o, n); });
    const auto full = call_text([&](char* o, int n) {
        return VEK(vek_Tran_DecryptOrEncryptImage)(kBlock.c_str(), 1, key.c_str(), o, n);
    });
    return fast.result == -1 && full.result == -1 && fast.out == full.out;
}

// ---- Generator and the class operations ----

TEST(RandomGenerator, LeavesItsKeyInTheEngineAndDrawsOneBlockPerEightUnits) {
    auto& generator = C_RandomGenerator::Instance();
    const struct {
        int length;
        int width;  // characters a unit
        std::uint64_t blocks;
    } cases[] = {{1, 1, 1}, {8, 1, 1}, {9, 1, 2}, {16, 1, 2}, {17, 1, 3}, {60000, 1, 7500},
                 {2, 2, 1}, {16, 2, 1}, {18, 2, 2}, {60000, 2, 3750}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        C_StringDec dec;
        C_StringEvenHexa bytes;
        C_DES::Instance().SetKeyHexa(kOtherKey.c_str());
        const std::uint64_t before = generator.BlocksDrawn();
        if (c.width == 1)
            dec.RandomFill(c.length, "0", "9");
        else
            bytes.RandomFill(c.length, "00", "FF");
        EXPECT_TRUE(generator.IsInitialised());
        EXPECT_EQ(generator.BlocksDrawn() - before, c.blocks);
        EXPECT_EQ(c.width == 1 ? dec.GetLength() : bytes.GetLength(), c.length);
        const C_DES::Byte* key = C_DES::Instance().Key(C_DES::Instance().CurrentSlot());
        for (int i = 0; i < 8; ++i) EXPECT_EQ(key[i], hexa_value(kKey[2 * i]) * 16 + hexa_value(kKey[2 * i + 1]));
    }
}

TEST(RandomGenerator, SuccessiveBlocksDiffer) {
    auto& generator = C_RandomGenerator::Instance();
    generator.InitRandomGenerator();
    std::uint64_t blocks[64];
    generator.NextRandomBlocks(blocks, 64);
    const std::uint64_t next = generator.NextRandomBlock();
    for (int i = 0; i < 64; ++i) {
        EXPECT_NE(blocks[i], next);
        for (int j = 0; j < i; ++j) EXPECT_NE(blocks[i], blocks[j]);
    }
}

// Each class raises its own exception types, and a failure leaves the generator
// and the engine alone.
TEST(RandomFill, ClassChecksInOrderLeaveTheGeneratorUntouched) {
    auto& generator = C_RandomGenerator::Instance();
    generator.InitRandomGenerator();
    const auto throws = [&](auto expected, const std::function<void()>& f) {
        C_DES::Instance().SetKeyHexa(kOtherKey.c_str());
        const std::uint64_t before = generator.BlocksDrawn();
        EXPECT_THROW(f(), decltype(expected));
        EXPECT_EQ(generator.BlocksDrawn(), before);
        EXPECT_EQ(C_DES::Instance().Key(C_DES::Instance().CurrentSlot())[0], 0x13);
    };
    C_StringBin bin;
    C_StringDec dec;
    C_StringHexa hexa;
    C_StringEvenHexa bytes;
    C_StringChar chars;
    throws(S::xWrongMin{}, [&] { bin.RandomFill(0, "1", "0"); });
    throws(S::xWrongMax{}, [&] { bin.RandomFill(0, "0", "0"); });
    throws(S::xWrongLength{}, [&] { bin.RandomFill(60001, "0", "1"); });
    throws(S::xWrongMin{}, [&] { dec.RandomFill(0, "9", "A"); });
    throws(S::xWrongMin{}, [&] { dec.RandomFill(4, "", "9"); });
    throws(S::xWrongMax{}, [&] { dec.RandomFill(0, "0", "0"); });
    throws(S::xWrongLength{}, [&] { dec.RandomFill(0, "5", "5"); });
    throws(S::xWrongMinMax{}, [&] { dec.RandomFill(4, "5", "5"); });
    throws(S::xWrongMin{}, [&] { hexa.RandomFill(4, "F", "F"); });
    throws(S::xWrongMin{}, [&] { hexa.RandomFill(4, "a", "F"); });
    throws(S::xWrongMax{}, [&] { hexa.RandomFill(4, "0", "0"); });
    throws(S::xWrongMinMax{}, [&] { hexa.RandomFill(4, "C", "A"); });
    throws(S::xWrongMin{}, [&] { chars.RandomFill(4, std::string(1, '\0'), "z"); });
    throws(S::xWrongMax{}, [&] { chars.RandomFill(4, "a", "\x01"); });
    throws(S::xWrongMinMax{}, [&] { chars.RandomFill(4, "\xFF", "\xFF"); });
    // The byte fill checks the length first.
    throws(S::xWrongLength{}, [&] { bytes.RandomFill(0, "x", "FFF"); });
    throws(S::xModuloError{}, [&] { bytes.RandomFill(5, "x", "FFF"); });
    throws(E::xWrongMinLength{}, [&] { bytes.RandomFill(4, "x", "FFF"); });
    throws(E::xWrongMaxLength{}, [&] { bytes.RandomFill(4, "GG", "FFF"); });
    throws(S::xWrongMin{}, [&] { bytes.RandomFill(4, "GG", "GG"); });
    throws(S::xWrongMax{}, [&] { bytes.RandomFill(4, "00", "0g"); });
    throws(S::xWrongMin{}, [&] { bytes.RandomFill(4, "FF", "00"); });
    throws(S::xWrongMax{}, [&] { bytes.RandomFill(4, "00", "00"); });
    throws(S::xWrongMinMax{}, [&] { bytes.RandomFill(4, "FE", "FE"); });
    // RandomFillValues itself: a range with values the type cannot write, and a
    // length that is not a whole number of units.
    throws(S::xWrongMinMax{}, [&] { dec.RandomFillValues(4, 0, 20); });
    throws(S::xWrongMinMax{}, [&] { dec.RandomFillValues(4, -1, 9); });
    throws(S::xModuloError{}, [&] { bytes.RandomFillValues(5, 0, 255); });
    throws(S::xWrongLength{}, [&] { bytes.RandomFillValues(-1, 0, 0); });
}

TEST(RandomFill, ClassesWriteUnitsOfTheirAlphabetWithinBounds) {
    C_StringHexa hexa;
    hexa.RandomFill(1000, "3", "B");
    for (const char c : hexa.GetValue()) EXPECT_TRUE((c >= '3' && c <= '9') || (c >= 'A' && c <= 'B')) << c;
    C_StringChar chars;
    chars.RandomFill(1000, "\x80", "\xFF");
    for (const char c : chars.GetValue()) EXPECT_GE(static_cast<unsigned char>(c), 0x80);
    C_StringEvenHexa bytes;
    bytes.RandomFill(1000, "F0", "FF");
    for (const int b : units(bytes.GetValue(), true)) EXPECT_GE(b, 0xF0);
    // Values reachable by no byte (a range wider than 256) are never checked.
    C_StringChar wide;
    EXPECT_THROW(wide.RandomFillValues(8, 1, 1000), S::xWrongMinMax);
}

// ---- The export ----

struct Property {
    const char* name;
    const char* lo;
    const char* hi;
    const char* type;
    int length;
    bool pairs;   // units of two hexadecimal digits
    int first;    // smallest unit allowed: a character code, or a byte value for HEXA2
    int last;     // largest
    const char* alphabet;  // every character of the result is one of these (null: any but NUL)
};

void PrintTo(const Property& p, std::ostream* os) { *os << p.name; }

class RandomExport : public ::testing::TestWithParam<Property> {};

TEST_P(RandomExport, LengthAlphabetAndBounds) {
    const Property& p = GetParam();
    const auto o = rnd(p.lo, p.hi, p.type, p.length);
    ASSERT_EQ(o.result, -1);
    EXPECT_EQ(o.status, 0);
    ASSERT_EQ(o.out.size(), static_cast<std::size_t>(p.length));  // and so no NUL inside
    if (p.alphabet != nullptr) {
        EXPECT_EQ(o.out.find_first_not_of(p.alphabet), std::string::npos) << o.out;
    }
    for (const int u : units(o.out, p.pairs)) {
        ASSERT_GE(u, p.first);
        ASSERT_LE(u, p.last);
    }
}

const char* const kHexa = "0123456789ABCDEF";

INSTANTIATE_TEST_SUITE_P(
    Random, RandomExport,
    ::testing::Values(Property{"BinDefault", "", "", "BIN", 64, false, '0', '1', "01"},
                      Property{"BinNullBounds", nullptr, nullptr, "bin", 64, false, '0', '1', "01"},
                      Property{"BinBounds", "0", "1", "Bin", 1, false, '0', '1', "01"},
                      Property{"DecDefault", "", "", "DEC", 100, false, '0', '9', "0123456789"},
                      Property{"DecZeroOne", "0", "1", "DEC", 4, false, '0', '1', "01"},
                      Property{"DecPin", "3", "7", "dec", 60000, false, '3', '7', "34567"},
                      Property{"HexaDefault", "", "", "HEXA", 100, false, '0', 'F', kHexa},
                      Property{"HexaLower", "A", "C", "hexa", 100, false, 'A', 'C', "ABC"},
                      Property{"HexaMixed", "8", "9", "Hexa", 100, false, '8', '9', "89"},
                      Property{"Hexa2Default", "", "", "HEXA2", 200, true, 0, 255, kHexa},
                      Property{"Hexa2Bounds", "1F", "3A", "hexa2", 200, true, 0x1F, 0x3A, kHexa},
                      Property{"Hexa2TwoValues", "00", "01", "HeXa2", 2, true, 0, 1, "01"},
                      Property{"Hexa2Longest", "E0", "FF", "HEXA2", 60000, true, 0xE0, 0xFF, kHexa},
                      Property{"CharDefault", "", "", "CHAR", 1000, false, 1, 255, nullptr},
                      Property{"CharLetters", "a", "z", "char", 1000, false, 'a', 'z', "abcdefghijklmnopqrstuvwxyz"},
                      Property{"CharHigh", "\x80", "\xFF", "CHAR", 1000, false, 0x80, 0xFF, nullptr},
                      Property{"CharLowest", "\x01", "\x02", "CHAR", 100, false, 1, 2, "\x01\x02"}),
    [](const auto& instance) { return std::string(instance.param.name); });

// The failures of random.vec (run with their codes by the one runner) leave the
// DES engine's key as it was.
TEST(RandomExport, FailuresKeepTheEngineKey) {
    for (const auto& v : vek::test::load_vectors("random.vec")) {
        SCOPED_TRACE(v);
        const auto text = [&v](const char* field) { return v.has(field) ? v[field].c_str() : nullptr; };
        ASSERT_EQ(VEK(vek_Tran_InitDES)(1, kOtherKey.c_str(), 0), -1);
        const auto o = rnd(text("minimum"), text("maximum"), text("type"), v.integer("length"));
        EXPECT_EQ(o.result, 0);
        EXPECT_TRUE(engine_key_is(kOtherKey));
    }
}

TEST(RandomExport, SizeRule) {
    const auto run = [](char* o, int n) { return VEK(vek_Calc_RndByMinMax)("", "", "HEXA2", 16, o, n); };
    const auto tight = call_text(run, 16);
    EXPECT_EQ(tight.result, 0);
    EXPECT_EQ(tight.status, -50);
    EXPECT_EQ(tight.out, "");
    const auto none = call_text(run, 0);
    EXPECT_EQ(none.result, 0);
    EXPECT_EQ(none.status, -50);
    EXPECT_EQ(none.out, std::string(1, '\x7F'));  // not written at all
    const auto fits = call_text(run, 17);
    EXPECT_EQ(fits.result, -1);
    EXPECT_EQ(fits.status, 0);
    EXPECT_EQ(fits.out.size(), 16u);
    // The longest result needs 60001 bytes; outSize is checked before anything else.
    EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_RndByMinMax)("", "", "DEC", 60000, o, n); }, 60000).status, -50);
    EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_RndByMinMax)("A", "", nullptr, 0, o, n); }, 0).status, -50);
    EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_RndByMinMax)("", "", "DEC", 60000, o, n); }, 60001).out.size(), 60000u);
}

TEST(RandomExport, CallerTextIsNotChanged) {
    char type[] = "hexa2";
    char lo[] = "0a";
    char out[8];
    EXPECT_EQ(VEK(vek_Calc_RndByMinMax)("00", "FF", type, 4, out, sizeof out), -1);
    EXPECT_STREQ(type, "hexa2");
    EXPECT_EQ(VEK(vek_Calc_RndByMinMax)(lo, "FF", "HEXA2", 4, out, sizeof out), 0);
    EXPECT_STREQ(lo, "0a");
}

TEST(RandomExport, LeavesTheGeneratorKeyInTheEngine) {
    for (const char* type : {"BIN", "DEC", "HEXA", "HEXA2", "CHAR"}) {
        SCOPED_TRACE(type);
        ASSERT_EQ(VEK(vek_Tran_InitDES)(1, kOtherKey.c_str(), 0), -1);
        ASSERT_TRUE(engine_key_is(kOtherKey));
        ASSERT_EQ(rnd("", "", type, 2).result, -1);
        EXPECT_TRUE(engine_key_is(kKey));
    }
}

TEST(RandomExport, CallsInARowDiffer) {
    const auto a = rnd("", "", "HEXA", 32);
    const auto b = rnd("", "", "HEXA", 32);
    const auto c = rnd("", "", "HEXA2", 32);
    ASSERT_EQ(a.result, -1);
    ASSERT_EQ(b.result, -1);
    ASSERT_EQ(c.result, -1);
    EXPECT_NE(a.out, b.out);
    EXPECT_NE(b.out, c.out);
    // Within one call a fresh block every 8 units: no 16-digit stretch repeats.
    const auto d = rnd("", "", "HEXA2", 60000);
    ASSERT_EQ(d.result, -1);
    std::vector<std::string> blocks;
    for (std::size_t i = 0; i < d.out.size(); i += 16) blocks.push_back(d.out.substr(i, 16));
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end());
}

// A rough spread over many units. The tolerances are many standard deviations
// wide, so that a correct generator practically never fails them.
TEST(RandomExport, UnitsSpreadOverTheRange) {
    {   // 60000 decimal digits: about 6000 of each (standard deviation about 73).
        const auto o = rnd("", "", "DEC", 60000);
        ASSERT_EQ(o.result, -1);
        std::array<int, 10> count{};
        for (const char c : o.out) ++count[static_cast<std::size_t>(c - '0')];
        for (int d = 0; d < 10; ++d) EXPECT_NEAR(count[static_cast<std::size_t>(d)], 6000, 1000) << d;
    }
    {   // 30000 bytes: about 117 of each value (standard deviation about 11).
        const auto o = rnd("", "", "HEXA2", 60000);
        ASSERT_EQ(o.result, -1);
        std::array<int, 256> count{};
        for (const int b : units(o.out, true)) ++count[static_cast<std::size_t>(b)];
        for (int b = 0; b < 256; ++b) EXPECT_NEAR(count[static_cast<std::size_t>(b)], 117, 75) << b;
    }
    {   // 60000 bits: about 30000 ones (standard deviation about 122).
        const auto o = rnd("", "", "BIN", 60000);
        ASSERT_EQ(o.result, -1);
        EXPECT_NEAR(static_cast<double>(std::count(o.out.begin(), o.out.end(), '1')), 30000, 2000);
    }
    {   // 60000 characters: every code 1 to 255 turns up (about 235 times each).
        const auto o = rnd("", "", "CHAR", 60000);
        ASSERT_EQ(o.result, -1);
        std::array<int, 256> count{};
        for (const char c : o.out) ++count[static_cast<unsigned char>(c)];
        EXPECT_EQ(count[0], 0);
        for (int c = 1; c < 256; ++c) EXPECT_GT(count[static_cast<std::size_t>(c)], 50) << c;
    }
}

}  // namespace
