// Character strings: the class, and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "support/api.h"
#include "types/C_StringChar.h"

namespace {

using S = C_StringType;
using C = C_StringChar;
using vek::test::call_text;

std::string repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

// ---- The class ----

TEST(StringChar, ConstructionFromEachSourceType) {
    EXPECT_EQ(C("0100000101000010", S::kBinary).GetValue(), "AB");
    EXPECT_EQ(C("414243", S::kHexadecimal).GetValue(), "ABC");
    EXPECT_EQ(C("00FF80", S::kHexadecimal).GetValue(), std::string("\x00\xFF\x80", 3));  // zero bytes kept
    EXPECT_EQ(C("0000000011111111", S::kBinary).GetValue(), std::string("\x00\xFF", 2));
    EXPECT_EQ(C("any text", S::kCharacter).GetValue(), "any text");
    EXPECT_THROW(C("12", S::kDecimal), S::xWrongType);
    EXPECT_THROW(C("12", -1), S::xWrongType);
}

TEST(StringChar, ConstructionChecksInOrder) {
    // The unit before the length: an over-long text of a wrong unit is xModuloError.
    EXPECT_THROW(C(std::string(60001, '0'), S::kBinary), S::xModuloError);
    EXPECT_THROW(C(std::string(60008, '0'), S::kBinary), S::xStringTooLong);
    EXPECT_THROW(C(std::string(60001, 'x'), S::kHexadecimal), S::xModuloError);
    EXPECT_THROW(C(std::string(60002, 'x'), S::kHexadecimal), S::xStringTooLong);
    EXPECT_THROW(C(std::string(60001, 'x'), S::kCharacter), S::xStringTooLong);
    // The unit before the alphabet.
    EXPECT_THROW(C("4a4", S::kHexadecimal), S::xModuloError);
    EXPECT_THROW(C("0100000", S::kBinary), S::xModuloError);
    EXPECT_THROW(C("4a", S::kHexadecimal), S::xInvalidType);
    EXPECT_THROW(C("01000002", S::kBinary), S::xInvalidType);
    EXPECT_THROW(C("", S::kBinary), S::xEmptyString);
    EXPECT_THROW(C("", S::kHexadecimal), S::xEmptyString);
    EXPECT_THROW(C("", S::kCharacter), S::xEmptyString);
    EXPECT_EQ(C(std::string(60000, '1'), S::kBinary).GetLength(), 7500);
    EXPECT_EQ(C(std::string(60000, 'F'), S::kHexadecimal).GetLength(), 30000);
}

TEST(StringChar, Slots) {
    const C c;
    EXPECT_TRUE(c.IsValid("\x01\xFF any"));
    EXPECT_THROW(c.IsValid(""), S::xEmptyString);
    EXPECT_THROW(c.IsValid(std::string(60001, 'a')), S::xStringTooLong);
    EXPECT_EQ(c.DigitFromValue(1), "\x01");
    EXPECT_EQ(c.DigitFromValue('A'), "A");
    EXPECT_EQ(c.DigitFromValue(255), "\xFF");
    EXPECT_THROW(c.DigitFromValue(0), S::xWrongValue);
    EXPECT_THROW(c.DigitFromValue(256), S::xWrongValue);
    EXPECT_THROW(c.DigitFromValue(-1), S::xWrongValue);
    EXPECT_EQ(C("AB", S::kCharacter).GetPadded(4), "  AB");
    EXPECT_THROW(C("AB", S::kCharacter).GetPadded(1), S::xLengthTooSmall);
}

TEST(StringChar, SwapsAndTheZeroByteCheck) {
    C v("\x41\x0F\xF0\xFF", S::kCharacter);
    v.SwapNibbles();
    EXPECT_EQ(v.GetValue(), "\x14\xF0\x0F\xFF");
    v.SwapPairs();
    EXPECT_EQ(v.GetValue(), "\xF0\x14\xFF\x0F");
    EXPECT_NO_THROW(v.CheckNoNullChar());
    EXPECT_THROW(C("410042", S::kHexadecimal).CheckNoNullChar(), C::xNullChar);
    EXPECT_THROW(C("00", S::kHexadecimal).CheckNoNullChar(), C::xNullChar);
}

// ---- The exports ----

struct TextCase {
    const char* label;
    std::function<short(char*, int)> run;
    short status;  // 0: success
    std::string out;
};
std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << c.label; }

class CharText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CharText, ResultAndStatus) {
    const TextCase& c = GetParam();
    const auto o = call_text(c.run);
    EXPECT_EQ(o.result, c.status == 0 ? -1 : 0);
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.out, c.status == 0 ? c.out : "");
}

#define CALL(fn, text) \
    [in = std::string(text)](char* o, int n) { return VEK(fn)(in.c_str(), o, n); }

INSTANTIATE_TEST_SUITE_P(
    Char, CharText,
    ::testing::Values(
        TextCase{"HexaToChar 414243", CALL(vek_Conv_HexaToChar, "414243"), 0, "ABC"},
        TextCase{"HexaToChar high bytes", CALL(vek_Conv_HexaToChar, "017F80FF"), 0, "\x01\x7F\x80\xFF"},
        TextCase{"HexaToChar 60000 digits", CALL(vek_Conv_HexaToChar, repeat("5A", 30000)), 0, std::string(30000, 'Z')},
        TextCase{"HexaToChar empty", CALL(vek_Conv_HexaToChar, ""), -1, ""},
        TextCase{"HexaToChar lower case", CALL(vek_Conv_HexaToChar, "4a"), -1, ""},
        TextCase{"HexaToChar too long", CALL(vek_Conv_HexaToChar, std::string(60002, 'A')), -1, ""},
        TextCase{"HexaToChar odd", CALL(vek_Conv_HexaToChar, "41424"), -2, ""},
        TextCase{"HexaToChar odd before invalid", CALL(vek_Conv_HexaToChar, "4a4"), -2, ""},
        TextCase{"HexaToChar odd before too long", CALL(vek_Conv_HexaToChar, std::string(60001, 'A')), -2, ""},
        TextCase{"HexaToChar zero byte", CALL(vek_Conv_HexaToChar, "410042"), -3, ""},
        TextCase{"HexaToChar only zero", CALL(vek_Conv_HexaToChar, "00"), -3, ""},
        TextCase{"BinToChar AB", CALL(vek_Conv_BinToChar, "0100000101000010"), 0, "AB"},
        TextCase{"BinToChar FF", CALL(vek_Conv_BinToChar, "11111111"), 0, "\xFF"},
        TextCase{"BinToChar not binary", CALL(vek_Conv_BinToChar, "01000002"), -1, ""},
        TextCase{"BinToChar empty", CALL(vek_Conv_BinToChar, ""), -2, ""},
        TextCase{"BinToChar too long", CALL(vek_Conv_BinToChar, std::string(60008, '1')), -2, ""},
        TextCase{"BinToChar not 8", CALL(vek_Conv_BinToChar, "0100000"), -3, ""},
        TextCase{"BinToChar not 8 before invalid", CALL(vek_Conv_BinToChar, "x"), -3, ""},
        TextCase{"BinToChar not 8 before too long", CALL(vek_Conv_BinToChar, std::string(60001, '1')), -3, ""},
        TextCase{"BinToChar zero byte", CALL(vek_Conv_BinToChar, "0100000100000000"), -4, ""},
        TextCase{"SwapCharInPairs ABCD", CALL(vek_Tran_SwapCharInPairs, "ABCD"), 0, "BADC"},
        TextCase{"SwapCharInPairs 60000", CALL(vek_Tran_SwapCharInPairs, repeat("ab", 30000)), 0, repeat("ba", 30000)},
        TextCase{"SwapCharInPairs empty", CALL(vek_Tran_SwapCharInPairs, ""), -1, ""},
        TextCase{"SwapCharInPairs too long before odd", CALL(vek_Tran_SwapCharInPairs, std::string(60001, 'a')), -1, ""},
        TextCase{"SwapCharInPairs odd", CALL(vek_Tran_SwapCharInPairs, "ABC"), -2, ""},
        TextCase{"SwapChar A", CALL(vek_Tran_SwapChar, "A"), 0, "\x14"},
        TextCase{"SwapChar ab", CALL(vek_Tran_SwapChar, "ab"), 0, "\x16\x26"},
        TextCase{"SwapChar high", CALL(vek_Tran_SwapChar, "\xFF\x80\x01"), 0, "\xFF\x08\x10"},
        TextCase{"SwapChar empty", CALL(vek_Tran_SwapChar, ""), -1, ""},
        TextCase{"SwapChar too long", CALL(vek_Tran_SwapChar, std::string(60001, 'a')), -2, ""}));

TEST(CharExports, NullInputIsTheEmptyText) {
    char out[8];
    EXPECT_EQ(VEK(vek_Conv_HexaToChar)(nullptr, out, sizeof out), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(VEK(vek_Conv_BinToChar)(nullptr, out, sizeof out), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(VEK(vek_Tran_SwapCharInPairs)(nullptr, out, sizeof out), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(VEK(vek_Tran_SwapChar)(nullptr, out, sizeof out), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
}

// A null output buffer cannot be written: -99, not a crash.
TEST(CharExports, NullOutputIsAnInternalFailure) {
    for (const auto fn : {VEK(vek_Conv_HexaToChar), VEK(vek_Conv_BinToChar), VEK(vek_Tran_SwapCharInPairs),
                          VEK(vek_Tran_SwapChar)}) {
        EXPECT_EQ(fn("01000001", nullptr, 16), 0);
        EXPECT_EQ(VEK_STATUS(), -99);
    }
}

TEST(CharExports, SwapsUndoThemselves) {
    const std::string text = "\x01\x7F\x80\xFE card 4970";
    char once[64];
    char twice[64];
    for (const auto fn : {VEK(vek_Tran_SwapChar), VEK(vek_Tran_SwapCharInPairs)}) {
        ASSERT_EQ(fn(text.c_str(), once, sizeof once), -1);
        ASSERT_EQ(fn(once, twice, sizeof twice), -1);
        EXPECT_EQ(std::string(twice), text);
    }
}

static const vek::test::TextSamples kSamples{{
    {"vek_Conv_HexaToChar", [](char* o, int n) { return VEK(vek_Conv_HexaToChar)("414243", o, n); }, "ABC"},
    {"vek_Conv_BinToChar", [](char* o, int n) { return VEK(vek_Conv_BinToChar)("0100000101000010", o, n); }, "AB"},
    {"vek_Tran_SwapCharInPairs", [](char* o, int n) { return VEK(vek_Tran_SwapCharInPairs)("ABCD", o, n); }, "BADC"},
    {"vek_Tran_SwapChar", [](char* o, int n) { return VEK(vek_Tran_SwapChar)("ab", o, n); }, "\x16\x26"},
}};

}  // namespace
