// Binary strings: the class and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/api.h"
#include "types/C_StringBin.h"

namespace {

using S = C_StringType;
using vek::test::call_text;

C_StringBin bin(const std::string& text) { return C_StringBin(text, S::kBinary); }

using Raw = short(VEK_CALL*)(const char*, const char*, char*);

static const vek::test::TextSamples kSamples{{
    {"vek_Conv_DecToBin", [](char* o, int n) { return VEK(vek_Conv_DecToBin)("10", 0, o, n); }, "1010"},
    {"vek_Conv_HexaToBin", [](char* o, int n) { return VEK(vek_Conv_HexaToBin)("0F", 6, o, n); }, "001111"},
    {"vek_Conv_CharToBin", [](char* o, int n) { return VEK(vek_Conv_CharToBin)("A", o, n); }, "01000001"},
    {"vek_Tran_SetBinInBin", [](char* o, int n) { return VEK(vek_Tran_SetBinInBin)("00000000", 3, "11", o, n); },
     "00110000"},
    {"vek_Tran_GetBinInBin", [](char* o, int n) { return VEK(vek_Tran_GetBinInBin)("110010", 2, 3, o, n); }, "100"},
    {"vek_Tran_ReverseBin", [](char* o, int n) { return VEK(vek_Tran_ReverseBin)("0011", o, n); }, "1100"},
}};

// ---- The class ----

TEST(StringBin, ConstructionFromEachSourceTypeInCheckOrder) {
    EXPECT_EQ(bin("0010").GetValue(), "0010");  // binary text is kept as given
    EXPECT_EQ(C_StringBin("A", S::kCharacter).GetValue(), "01000001");
    EXPECT_EQ(C_StringBin("\xFF", S::kCharacter).GetValue(), "11111111");
    EXPECT_EQ(C_StringBin("0F", S::kHexadecimal).GetValue(), "1111");
    EXPECT_EQ(C_StringBin("000", S::kHexadecimal).GetValue(), "0");
    EXPECT_EQ(C_StringBin("0010", S::kDecimal).GetValue(), "1010");
    EXPECT_EQ(C_StringBin("0", S::kDecimal).GetValue(), "0");
    EXPECT_THROW(C_StringBin("1", 4), S::xWrongType);
    EXPECT_THROW(C_StringBin("1", -1), S::xWrongType);
    EXPECT_EQ(C_StringBin(std::string(7500, 'z'), S::kCharacter).GetLength(), 60000);
    EXPECT_THROW(C_StringBin(std::string(7501, 'z'), S::kCharacter), S::xStringTooLong);
    EXPECT_THROW(bin(std::string(60001, 'x')), S::xStringTooLong);  // before any character is looked at
    EXPECT_THROW(C_StringBin("", S::kCharacter), S::xEmptyString);
    EXPECT_THROW(bin("012"), S::xInvalidType);
    EXPECT_THROW(C_StringBin("0a", S::kHexadecimal), S::xInvalidType);
    // Hexadecimal: up to 15000 significant digits, leading zeros free.
    EXPECT_EQ(C_StringBin(std::string(15000, 'F'), S::kHexadecimal).GetLength(), 60000);
    EXPECT_EQ(C_StringBin(std::string(45000, '0') + std::string(15000, 'F'), S::kHexadecimal).GetLength(), 60000);
    EXPECT_THROW(C_StringBin("1" + std::string(15000, '0'), S::kHexadecimal), S::xNumberTooBig);
    // Decimal: up to 2^64 - 1, leading zeros free.
    EXPECT_EQ(C_StringBin("18446744073709551615", S::kDecimal).GetValue(), std::string(64, '1'));
    EXPECT_THROW(C_StringBin("18446744073709551616", S::kDecimal), S::xNumberTooBig);
    EXPECT_THROW(C_StringBin("100000000000000000000", S::kDecimal), S::xNumberTooBig);
}

TEST(StringBin, VirtualOperations) {
    const C_StringBin b;
    EXPECT_TRUE(b.IsValid("0101"));
    EXPECT_FALSE(b.IsValid("0120"));
    EXPECT_THROW(b.IsValid(""), S::xEmptyString);
    EXPECT_THROW(b.IsValid(std::string(60001, '1')), S::xStringTooLong);
    EXPECT_EQ(b.DigitFromValue(0), "0");
    EXPECT_EQ(b.DigitFromValue(1), "1");
    EXPECT_THROW(b.DigitFromValue(2), S::xWrongValue);
    EXPECT_EQ(bin("101").GetPadded(5), "00101");
    EXPECT_THROW(bin("101").GetPadded(2), S::xLengthTooSmall);
}

TEST(StringBin, ReverseSetBinGetBin) {
    auto v = bin("0011");
    v.Reverse();
    EXPECT_EQ(v.GetValue(), "1100");

    auto target = bin("00000000");
    target.SetBin(2, bin("11"));
    EXPECT_EQ(target.GetValue(), "00110000");
    EXPECT_THROW(target.SetBin(7, bin("11")), S::xOverlap);
    EXPECT_THROW(target.SetBin(8, bin("1")), S::xInvalidPos);
    EXPECT_THROW(target.SetBin(60000, bin("1")), S::xWrongPos);
    EXPECT_THROW(target.SetBin(-1, bin("1")), S::xWrongPos);
    EXPECT_EQ(target.GetValue(), "00110000");  // failures leave it as it was

    const auto source = bin("110010");
    EXPECT_EQ(source.GetBin(2, 2).GetValue(), "00");
    EXPECT_EQ(source.GetBin(0, 6).GetValue(), "110010");
    EXPECT_THROW(source.GetBin(2, 0), S::xWrongLength);
    EXPECT_THROW(source.GetBin(5, 2), S::xOverlap);
    EXPECT_THROW(source.GetBin(6, 1), S::xInvalidPos);

    auto longest = bin(std::string(60000, '0'));
    longest.SetBin(59999, bin("1"));
    EXPECT_EQ(longest.GetBin(59998, 2).GetValue(), "01");
}

// ---- The exports beyond the vectors: limits, null pointers, raw buffers ----

TEST(BinExports, LimitsAndCheckOrder) {
    const std::string tooLong(60001, '1');
    auto conv = [](auto fn, const std::string& in, int length) {
        return call_text([&](char* o, int n) { return fn(in.c_str(), length, o, n); });
    };
    EXPECT_EQ(conv(VEK(vek_Conv_DecToBin), tooLong, 0).status, -4);
    EXPECT_EQ(conv(VEK(vek_Conv_HexaToBin), tooLong, 0).status, -3);
    EXPECT_EQ(conv(VEK(vek_Conv_HexaToBin), "1" + std::string(15000, '0'), 0).status, -5);
    EXPECT_EQ(conv(VEK(vek_Conv_HexaToBin), "1" + std::string(15000, '0'), -1).status, -5);
    EXPECT_EQ(conv(VEK(vek_Conv_HexaToBin), std::string(15000, 'F'), 0).out, std::string(60000, '1'));
    EXPECT_EQ(conv(VEK(vek_Conv_HexaToBin), "1", 60000).out, std::string(59999, '0') + "1");

    const std::string chars7501(7501, 'A');
    EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Conv_CharToBin)(chars7501.c_str(), o, n); }).status, -1);
    EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Conv_CharToBin)(nullptr, o, n); }).status, -1);

    EXPECT_EQ(VEK(vek_Veri_IsBin)(tooLong.c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(VEK(vek_Veri_IsBin)(nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(VEK(vek_Veri_IsBin)(std::string(60000, '0').c_str()), -1);
    EXPECT_EQ(VEK_STATUS(), 0);

    auto set = [](const std::string& target, int position, const std::string& piece) {
        return call_text([&](char* o, int n) {
            return VEK(vek_Tran_SetBinInBin)(target.c_str(), position, piece.c_str(), o, n);
        });
    };
    EXPECT_EQ(set(tooLong, 1, "x").status, -6);
    EXPECT_EQ(set("0", 1, tooLong).status, -2);
    EXPECT_EQ(set("0", INT32_MIN, "1").status, -3);
    EXPECT_EQ(set("0", INT32_MAX, "1").status, -3);

    auto get = [](const std::string& in, int position, int length) {
        return call_text([&](char* o, int n) { return VEK(vek_Tran_GetBinInBin)(in.c_str(), position, length, o, n); });
    };
    EXPECT_EQ(get(tooLong, 1, 1).status, -2);
    EXPECT_EQ(get("1", INT32_MIN, 1).status, -3);
    EXPECT_EQ(get("1", 1, INT32_MAX).status, -5);
    EXPECT_EQ(get(std::string(60000, '1'), 60000, 1).out, "1");
    EXPECT_EQ(get(std::string(60000, '1'), 59999, 2).out, "11");

    EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Tran_ReverseBin)(tooLong.c_str(), o, n); }).status, -2);
}

// DecToBin at the 64-bit edges against plain integer arithmetic.
TEST(BinExports, DecimalToBitsAtThe64BitEdges) {
    std::mt19937_64 random(7);
    std::vector<std::uint64_t> values = {0, 1, 2, 0x7FFFFFFFFFFFFFFFull, 0x8000000000000000ull, UINT64_MAX - 1,
                                         UINT64_MAX, 1844674407370955161ull, 1844674407370955162ull};
    for (int i = 0; i < 200; ++i) values.push_back(random() >> (random() % 64));
    for (const std::uint64_t value : values) {
        char digits[64];
        int first = 64;
        std::uint64_t v = value;
        do {
            digits[--first] = static_cast<char>('0' + (v & 1));
            v >>= 1;
        } while (v != 0);
        const std::string bits(digits + first, digits + 64);
        const std::string text = std::string(3, '0').append(std::to_string(value));
        const auto got = call_text([&](char* o, int n) { return VEK(vek_Conv_DecToBin)(text.c_str(), 0, o, n); });
        EXPECT_EQ(got.out, bits) << value;
        const auto padded = call_text([&](char* o, int n) { return VEK(vek_Conv_DecToBin)(text.c_str(), 64, o, n); });
        EXPECT_EQ(padded.out, std::string(64 - bits.size(), '0') + bits) << value;
    }
    // Just past 2^64 - 1 at the last digit, and 2^64 - 1 times 10.
    for (const char* over : {"18446744073709551616", "18446744073709551620", "184467440737095516150"}) {
        EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Conv_DecToBin)(over, 0, o, n); }).status, -4) << over;
    }
}

// A null output buffer with a positive size cannot be written: -99, not a crash.
TEST(BinExports, NullOutputIsAnInternalFailure) {
    const std::vector<std::pair<const char*, std::function<short(int)>>> calls = {
        {"DecToBin", [](int n) { return VEK(vek_Conv_DecToBin)("10", 0, nullptr, n); }},
        {"HexaToBin", [](int n) { return VEK(vek_Conv_HexaToBin)("0F", 0, nullptr, n); }},
        {"CharToBin", [](int n) { return VEK(vek_Conv_CharToBin)("A", nullptr, n); }},
        {"SetBinInBin", [](int n) { return VEK(vek_Tran_SetBinInBin)("0000", 2, "1", nullptr, n); }},
        {"GetBinInBin", [](int n) { return VEK(vek_Tran_GetBinInBin)("0110", 2, 2, nullptr, n); }},
        {"ReverseBin", [](int n) { return VEK(vek_Tran_ReverseBin)("0011", nullptr, n); }},
    };
    for (const auto& [name, fn] : calls) {
        EXPECT_EQ(fn(64), 0) << name;
        EXPECT_EQ(VEK_STATUS(), -99) << name;
        EXPECT_EQ(fn(0), 0) << name;  // no room at all: the size rule answers first
        EXPECT_EQ(VEK_STATUS(), -50) << name;
    }
}

TEST(BinExports, RawOperationsNeitherClearNorOverrun) {
    for (const Raw fn : {VEK(vek_Calc_ORBinary), VEK(vek_Calc_ANDBinary), VEK(vek_Calc_XORBinary)}) {
        char out[8];
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(fn("1", "10", out), 0);
        EXPECT_EQ(VEK_STATUS(), -2);
        EXPECT_EQ(out[0], '#');  // not cleared on failure
        EXPECT_EQ(fn(nullptr, "1", out), 0);
        EXPECT_EQ(VEK_STATUS(), -1);
        EXPECT_EQ(fn("1", nullptr, out), 0);
        EXPECT_EQ(VEK_STATUS(), -1);
        EXPECT_EQ(fn("1", "1", nullptr), 0);
        EXPECT_EQ(VEK_STATUS(), -1);
        EXPECT_EQ(fn(nullptr, "12", out), 0);  // the null check comes before the length check
        EXPECT_EQ(VEK_STATUS(), -1);
        EXPECT_EQ(fn("1010", "0110", out), -1);
        EXPECT_EQ(VEK_STATUS(), 0);
        EXPECT_EQ(out[4], '\0');
        EXPECT_EQ(out[5], '#');  // length plus one, nothing more
    }
    // Any length: the texts are not typed strings.
    const std::string a(70000, '1');
    const std::string b(70000, '0');
    std::string out(70001, '#');
    EXPECT_EQ(VEK(vek_Calc_XORBinary)(a.c_str(), b.c_str(), out.data()), -1);
    EXPECT_EQ(std::string(out.c_str()), a);
}

}  // namespace
