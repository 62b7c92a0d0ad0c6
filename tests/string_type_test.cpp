// The typed-string base, through the hexadecimal string (the base is abstract).
#include <gtest/gtest.h>

#include <string>

#include "types/C_StringHexa.h"

namespace {

using S = C_StringType;

C_StringHexa hexa(const char* text) { return C_StringHexa(text, S::kHexadecimal); }

TEST(StringType, PaddingRule) {
    const auto v = hexa("101");
    EXPECT_EQ(v.GetPadded(0), "101");
    EXPECT_EQ(v.GetPadded(3), "101");
    EXPECT_EQ(v.GetPadded(5), "00101");
    EXPECT_EQ(v.GetPaddedWith(4, ' '), " 101");
    const std::string longest = v.GetPadded(60000);
    EXPECT_EQ(longest.size(), 60000u);
    EXPECT_EQ(longest.find_first_not_of('0'), 59997u);
    EXPECT_EQ(longest.substr(59997), "101");
    EXPECT_THROW(v.GetPadded(2), S::xLengthTooSmall);
    EXPECT_THROW(v.GetPadded(-1), S::xWrongLength);
    EXPECT_THROW(v.GetPadded(60001), S::xWrongLength);
    // The length checks come before the too-small check.
    EXPECT_THROW(hexa(std::string(10, 'A').c_str()).GetPadded(-5), S::xWrongLength);
}

TEST(StringType, LengthLimitIsCheckedBeforeAnyCharacter) {
    EXPECT_EQ(hexa(std::string(60000, 'F').c_str()).GetLength(), 60000);
    EXPECT_THROW(hexa(std::string(60001, 'x').c_str()), S::xStringTooLong);
    EXPECT_THROW(hexa(""), S::xEmptyString);
    EXPECT_THROW(hexa("0a"), S::xInvalidType);
    EXPECT_THROW(C_StringHexa("1", 4), S::xWrongType);
    EXPECT_THROW(C_StringHexa("1", -1), S::xWrongType);
}

struct CompareCase {
    const char* a;
    const char* b;
    int expected;
};

class StringTypeCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(StringTypeCompare, PadsWithZerosThenComparesBytes) {
    const auto c = GetParam();
    EXPECT_EQ(hexa(c.a).Compare(hexa(c.b)), c.expected);
    EXPECT_EQ(hexa(c.b).Compare(hexa(c.a)), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(StringType, StringTypeCompare,
                         ::testing::Values(CompareCase{"10", "9", 1}, CompareCase{"0010", "10", 0},
                                           CompareCase{"0F", "F0", -1}, CompareCase{"00FF", "FF", 0},
                                           CompareCase{"100", "FF", 1}, CompareCase{"A", "9", 1},
                                           CompareCase{"0", "1", -1}));

TEST(StringType, SwapPairs) {
    auto v = hexa("1234");
    v.SwapPairs();
    EXPECT_EQ(v.GetValue(), "2143");
    auto odd = hexa("123");
    EXPECT_THROW(odd.SwapPairs(), S::xModuloError);
    EXPECT_EQ(odd.GetValue(), "123");
}

TEST(StringType, TrimLeading) {
    for (const auto& [in, out] : {std::pair{"000", "0"}, {"00120", "120"}, {"5", "5"}}) {
        auto v = hexa(in);
        v.TrimLeading('0');
        EXPECT_EQ(v.GetValue(), out) << in;
    }
}

TEST(StringType, PositionRuleChecksInOrder) {
    // position, run, bits, reading -> first broken rule
    EXPECT_THROW(S::CheckRun(-1, 0, 0, 59999, 60000, true), S::xWrongPos);
    EXPECT_THROW(S::CheckRun(60000, 0, 0, 59999, 60000, true), S::xWrongPos);
    EXPECT_THROW(S::CheckRun(5, 0, 4, 59999, 60000, true), S::xWrongLength);
    EXPECT_THROW(S::CheckRun(5, 60001, 4, 59999, 60000, true), S::xWrongLength);
    EXPECT_THROW(S::CheckRun(5, 0, 4, 59999, 60000, false), S::xInvalidPos);  // writing: no run check
    EXPECT_THROW(S::CheckRun(4, 1, 4, 59999, 60000, true), S::xInvalidPos);
    EXPECT_THROW(S::CheckRun(2, 3, 4, 59999, 60000, true), S::xOverlap);
    EXPECT_NO_THROW(S::CheckRun(2, 2, 4, 59999, 60000, true));
    EXPECT_NO_THROW(S::CheckRun(59999, 1, 60000, 59999, 60000, true));
}

TEST(StringType, SourceValidationAlphabets) {
    EXPECT_TRUE(S::IsValidText("0101", S::kBinary));
    EXPECT_FALSE(S::IsValidText("0121", S::kBinary));
    EXPECT_TRUE(S::IsValidText("0129", S::kDecimal));
    EXPECT_FALSE(S::IsValidText("12a", S::kDecimal));
    EXPECT_TRUE(S::IsValidText("09AF", S::kHexadecimal));
    EXPECT_FALSE(S::IsValidText("0a", S::kHexadecimal));
    EXPECT_TRUE(S::IsValidText("\x01\xFF any", S::kCharacter));
    EXPECT_THROW(S::IsValidText("", S::kCharacter), S::xEmptyString);
}

TEST(StringHexa, ConstructionFromEachSourceType) {
    EXPECT_EQ(C_StringHexa("0000101", S::kBinary).GetValue(), "5");
    EXPECT_EQ(C_StringHexa("11110000", S::kBinary).GetValue(), "F0");
    EXPECT_EQ(C_StringHexa("00000", S::kBinary).GetValue(), "0");
    EXPECT_EQ(C_StringHexa("AB", S::kCharacter).GetValue(), "4142");
    EXPECT_EQ(C_StringHexa("00AB", S::kHexadecimal).GetValue(), "00AB");
    EXPECT_EQ(C_StringHexa("255", S::kDecimal).GetValue(), "FF");
    EXPECT_EQ(C_StringHexa("00018446744073709551615", S::kDecimal).GetValue(), "FFFFFFFFFFFFFFFF");
    EXPECT_THROW(C_StringHexa("18446744073709551616", S::kDecimal), S::xNumberTooBig);
    EXPECT_THROW(C_StringHexa("100000000000000000000", S::kDecimal), S::xNumberTooBig);
    EXPECT_EQ(C_StringHexa(std::string(30000, 'z'), S::kCharacter).GetLength(), 60000);
    EXPECT_THROW(C_StringHexa(std::string(30001, 'z'), S::kCharacter), S::xStringTooLong);
}

}  // namespace
