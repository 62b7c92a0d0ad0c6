// Character strings: the class, and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <string>

#include "support/api.h"
#include "types/C_StringChar.h"

namespace {

using S = C_StringType;
using C = C_StringChar;
using vek::test::call_text;

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
