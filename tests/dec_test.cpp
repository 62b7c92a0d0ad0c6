// Decimal strings: the class and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/api.h"
#include "types/C_StringDec.h"

#if VEK_HAVE_GMP
#include <gmpxx.h>
#endif

namespace {

using S = C_StringType;
using vek::test::call_text;

C_StringDec dec(const std::string& text) { return C_StringDec(text, S::kDecimal); }

static const vek::test::TextSamples kSamples{{
    {"vek_Conv_HexaToDec", [](char* o, int n) { return VEK(vek_Conv_HexaToDec)("FFFF", 0, o, n); }, "65535"},
    {"vek_Conv_BinToDec", [](char* o, int n) { return VEK(vek_Conv_BinToDec)("101", 5, o, n); }, "00005"},
    {"vek_Tran_IncreaseDec", [](char* o, int n) { return VEK(vek_Tran_IncreaseDec)("0999", 0, o, n); }, "1000"},
    {"vek_Tran_DecreaseDec", [](char* o, int n) { return VEK(vek_Tran_DecreaseDec)("1000", 0, o, n); }, "999"},
    {"vek_Calc_AddDecToDec", [](char* o, int n) { return VEK(vek_Calc_AddDecToDec)("19", "1", 0, o, n); }, "20"},
    {"vek_Calc_SubstractDecToDec",
     [](char* o, int n) { return VEK(vek_Calc_SubstractDecToDec)("20", "1", 0, o, n); }, "19"},
    {"vek_Calc_LuhnKey", [](char* o, int n) { return VEK(vek_Calc_LuhnKey)("7992739871", o, n); }, "3"},
}};

// ---- The class ----

TEST(StringDec, ConstructionFromEachSourceTypeInCheckOrder) {
    EXPECT_EQ(dec("007").GetValue(), "007");  // decimal text is kept as given
    EXPECT_EQ(C_StringDec("0000101", S::kBinary).GetValue(), "5");
    EXPECT_EQ(C_StringDec("000", S::kBinary).GetValue(), "0");
    EXPECT_EQ(C_StringDec("00FF", S::kHexadecimal).GetValue(), "255");
    EXPECT_EQ(C_StringDec(std::string(64, '1'), S::kBinary).GetValue(), "18446744073709551615");
    EXPECT_THROW(C_StringDec("1" + std::string(64, '0'), S::kBinary), S::xNumberTooBig);
    EXPECT_THROW(C_StringDec("10000000000000000", S::kHexadecimal), S::xNumberTooBig);
    EXPECT_THROW(C_StringDec("12", S::kCharacter), S::xWrongType);
    EXPECT_THROW(C_StringDec("12", 4), S::xWrongType);
    EXPECT_THROW(C_StringDec(std::string(60001, 'x'), S::kCharacter), S::xWrongType);  // the type comes first
    EXPECT_THROW(dec(std::string(60001, 'x')), S::xStringTooLong);                     // then the length
    EXPECT_THROW(dec(""), S::xEmptyString);
    EXPECT_THROW(dec("1a"), S::xInvalidType);
    EXPECT_THROW(C_StringDec("12", S::kBinary), S::xInvalidType);
    EXPECT_THROW(C_StringDec("ff", S::kHexadecimal), S::xInvalidType);
    EXPECT_EQ(dec(std::string(60000, '9')).GetLength(), 60000);
}

TEST(StringDec, VirtualOperations) {
    const C_StringDec d;
    EXPECT_TRUE(d.IsValid("0123456789"));
    EXPECT_FALSE(d.IsValid("12a"));
    EXPECT_THROW(d.IsValid(""), S::xEmptyString);
    EXPECT_THROW(d.IsValid(std::string(60001, '1')), S::xStringTooLong);
    EXPECT_EQ(d.DigitFromValue(0), "0");
    EXPECT_EQ(d.DigitFromValue(9), "9");
    EXPECT_THROW(d.DigitFromValue(10), S::xWrongValue);
    EXPECT_THROW(d.DigitFromValue(-1), S::xWrongValue);
    EXPECT_EQ(dec("12").GetPadded(4), "0012");
}

TEST(StringDec, ArithmeticDropsLeadingZeros) {
    EXPECT_EQ(dec("0007").Add(dec("0003")).GetValue(), "10");
    EXPECT_EQ(dec("000").Add(dec("0")).GetValue(), "0");
    EXPECT_EQ(dec("0100").Subtract(dec("99")).GetValue(), "1");
    EXPECT_EQ(dec("010").Subtract(dec("005")).GetValue(), "5");
    EXPECT_EQ(dec("0005").Subtract(dec("5")).GetValue(), "0");
    EXPECT_THROW(dec("0099").Subtract(dec("100")), S::xNegativeResult);
    auto v = dec("0999");
    v.Increase();
    EXPECT_EQ(v.GetValue(), "1000");
    v.Decrease();
    EXPECT_EQ(v.GetValue(), "999");
    auto zero = dec("000");
    EXPECT_THROW(zero.Decrease(), S::xNegativeResult);
    EXPECT_EQ(zero.GetValue(), "000");  // unchanged by the failure
}

// A subtrahend with more digits than the minuend is a negative result whatever
// the values: its leading zeros count, so a field-width mismatch shows.
TEST(StringDec, SubtrahendWithMoreDigitsIsNegative) {
    EXPECT_THROW(dec("10").Subtract(dec("005")), S::xNegativeResult);
    EXPECT_THROW(dec("5").Subtract(dec("00000000")), S::xNegativeResult);
    EXPECT_THROW(dec("5").Subtract(dec("006")), S::xNegativeResult);
    EXPECT_THROW(dec("9").Subtract(dec("00")), S::xNegativeResult);
    EXPECT_THROW(dec(std::string(59999, '9')).Subtract(dec(std::string(60000, '0'))), S::xNegativeResult);
    EXPECT_EQ(dec(std::string(60000, '9')).Subtract(dec(std::string(60000, '0'))).GetValue(), std::string(60000, '9'));
}

TEST(StringDec, SumsAtTheLengthLimit) {
    const auto nines = dec(std::string(60000, '9'));
    EXPECT_THROW(nines.Add(dec("1")), S::xResultTooBig);
    EXPECT_THROW(dec("1").Add(nines), S::xResultTooBig);
    auto n = nines;
    EXPECT_THROW(n.Increase(), S::xResultTooBig);
    // A leading zero leaves room for the carry.
    EXPECT_EQ(dec("0" + std::string(59999, '9')).Add(dec("1")).GetValue(), "1" + std::string(59999, '0'));
    EXPECT_EQ(nines.Subtract(nines).GetValue(), "0");
    EXPECT_EQ(dec("1" + std::string(59999, '0')).Subtract(dec("1")).GetValue(), std::string(59999, '9'));
}

TEST(StringDec, CompareByValue) {
    EXPECT_EQ(dec("0010").Compare(dec("10")), 0);
    EXPECT_EQ(dec("9").Compare(dec("10")), -1);
    EXPECT_EQ(dec("10").Compare(dec("9")), 1);
}

TEST(StringDec, LuhnKeyCompletesPublishedCardNumbers) {
    // Published Luhn-valid numbers: the key of all but the last digit is the last digit.
    for (const std::string card : {"4111111111111111", "5555555555554444", "378282246310005", "79927398713",
                                   "4012888888881881", "6011111111111117", "3530111333300000"}) {
        EXPECT_EQ(dec(card.substr(0, card.size() - 1)).LuhnKey(), card.back()) << card;
    }
    EXPECT_EQ(dec("0").LuhnKey(), '0');
    EXPECT_EQ(dec(std::string(60000, '9')).LuhnKey(), '0');  // 30000 * (9 + 9) = 540000
}

// ---- The exports beyond the vectors: limits and long operands ----

TEST(DecExports, LimitsAndCheckOrder) {
    const std::string nines(60000, '9');
    const std::string tooLong(60001, '1');
    auto add = [](const std::string& a, const std::string& b, int length) {
        return call_text([&](char* o, int n) { return VEK(vek_Calc_AddDecToDec)(a.c_str(), b.c_str(), length, o, n); });
    };
    EXPECT_EQ(add(nines, "1", 0).status, -5);
    EXPECT_EQ(add(nines, "1", -1).status, -5);  // the sum fails before the length is looked at
    EXPECT_EQ(add(tooLong, "1", 0).status, -1);
    EXPECT_EQ(add("1", tooLong, 0).status, -2);
    EXPECT_EQ(add(tooLong, "x", 0).status, -1);  // the first operand is built first
    const auto big = add(std::string(59999, '9'), "1", 0);
    EXPECT_EQ(big.result, -1);
    EXPECT_EQ(big.out, "1" + std::string(59999, '0'));

    auto inc = [](const std::string& a, int length) {
        return call_text([&](char* o, int n) { return VEK(vek_Tran_IncreaseDec)(a.c_str(), length, o, n); });
    };
    EXPECT_EQ(inc(tooLong, 0).status, -3);
    EXPECT_EQ(inc(nines, 0).status, -5);
    EXPECT_EQ(inc(nines, 60001).status, -5);

    auto decr = [](const std::string& a) {
        return call_text([&](char* o, int n) { return VEK(vek_Tran_DecreaseDec)(a.c_str(), 0, o, n); });
    };
    EXPECT_EQ(decr(tooLong).status, -1);

    auto sub = [](const std::string& a, const std::string& b) {
        return call_text([&](char* o, int n) { return VEK(vek_Calc_SubstractDecToDec)(a.c_str(), b.c_str(), 0, o, n); });
    };
    EXPECT_EQ(sub(tooLong, "1").status, -1);
    EXPECT_EQ(sub("1", tooLong).status, -2);

    EXPECT_EQ(VEK(vek_Veri_IsDec)(tooLong.c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(VEK(vek_Veri_IsDec)(nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -1);

    auto hexa = [](const std::string& a) {
        return call_text([&](char* o, int n) { return VEK(vek_Conv_HexaToDec)(a.c_str(), 0, o, n); });
    };
    EXPECT_EQ(hexa(std::string(60001, 'F')).status, -4);
    EXPECT_EQ(hexa(std::string(59984, '0') + std::string(16, 'F')).out, "18446744073709551615");
    auto binary = [](const std::string& a) {
        return call_text([&](char* o, int n) { return VEK(vek_Conv_BinToDec)(a.c_str(), 0, o, n); });
    };
    EXPECT_EQ(binary(tooLong).status, -5);
    EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_LuhnKey)(nullptr, o, n); }).status, -1);
    EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Calc_LuhnKey)(tooLong.c_str(), o, n); }).status, -1);
}

// A null output buffer with a positive size cannot be written: -99, not a crash.
TEST(DecExports, NullOutputIsAnInternalFailure) {
    const std::vector<std::pair<const char*, std::function<short(int)>>> calls = {
        {"HexaToDec", [](int n) { return VEK(vek_Conv_HexaToDec)("FF", 0, nullptr, n); }},
        {"BinToDec", [](int n) { return VEK(vek_Conv_BinToDec)("101", 0, nullptr, n); }},
        {"IncreaseDec", [](int n) { return VEK(vek_Tran_IncreaseDec)("9", 0, nullptr, n); }},
        {"DecreaseDec", [](int n) { return VEK(vek_Tran_DecreaseDec)("10", 0, nullptr, n); }},
        {"AddDecToDec", [](int n) { return VEK(vek_Calc_AddDecToDec)("1", "2", 0, nullptr, n); }},
        {"SubstractDecToDec", [](int n) { return VEK(vek_Calc_SubstractDecToDec)("3", "2", 0, nullptr, n); }},
        {"LuhnKey", [](int n) { return VEK(vek_Calc_LuhnKey)("7992739871", nullptr, n); }},
    };
    for (const auto& [name, fn] : calls) {
        EXPECT_EQ(fn(64), 0) << name;
        EXPECT_EQ(VEK_STATUS(), -99) << name;
        EXPECT_EQ(fn(0), 0) << name;  // no room at all: the size rule answers first
        EXPECT_EQ(VEK_STATUS(), -50) << name;
    }
}

TEST(DecExports, CompareWritesOnlyOnSuccess) {
    int order = 42;
    EXPECT_EQ(VEK(vek_Comp_DecToDec)("1", nullptr, &order), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(order, 42);
    EXPECT_EQ(VEK(vek_Comp_DecToDec)("1", "2", nullptr), 0);  // nowhere to write: refused, no crash
    EXPECT_EQ(VEK_STATUS(), -99);
    const std::string tooLong(60001, '1');
    EXPECT_EQ(VEK(vek_Comp_DecToDec)(tooLong.c_str(), "1", &order), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
}

// `value` written in base 2 to the `shift`, by shifts and masks.
std::string digits_of(std::uint64_t value, int shift) {
    char digits[64];
    int first = 64;
    do {
        digits[--first] = "0123456789ABCDEF"[value & ((1u << shift) - 1)];
        value >>= shift;
    } while (value != 0);
    return std::string(digits + first, digits + 64);
}

// Conversions at the 64-bit edges against plain integer arithmetic.
TEST(DecExports, ConversionsAtThe64BitEdges) {
    std::mt19937_64 random(20240601);
    std::vector<std::uint64_t> values = {0, 1, 9, 10, 255, 0xFFFFFFFFull, 0x100000000ull, 0x7FFFFFFFFFFFFFFFull,
                                         0x8000000000000000ull, UINT64_MAX - 1, UINT64_MAX};
    for (int i = 0; i < 200; ++i) values.push_back(random() >> (random() % 64));
    for (const std::uint64_t value : values) {
        const std::string hexa = digits_of(value, 4);
        const std::string bits = digits_of(value, 1);
        const std::string expected = std::to_string(value);
        EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Conv_HexaToDec)(hexa.c_str(), 0, o, n); }).out,
                  expected);
        EXPECT_EQ(call_text([&](char* o, int n) { return VEK(vek_Conv_BinToDec)(bits.c_str(), 0, o, n); }).out,
                  expected);
    }
}

#if VEK_HAVE_GMP

// Sums and differences of any length against GMP.
class DecArithmeticOracle : public ::testing::Test {
protected:
    std::mt19937 m_random{1234567};

    std::string digits(std::size_t count) {
        std::string text(count, '0');
        for (char& c : text) c = static_cast<char>('0' + m_random() % 10);
        return text;
    }
    // A random operand of up to `most` characters, sometimes with leading
    // zeros, sometimes made mostly of 9s or 0s (long carries and borrows).
    std::string operand(std::size_t most) {
        const std::size_t length = 1 + m_random() % most;
        std::string text = digits(length);
        switch (m_random() % 5) {
            case 0: std::fill_n(text.begin(), m_random() % length + 1, '0'); break;
            case 1: std::fill(text.begin(), text.end() - static_cast<long>(m_random() % length), '9'); break;
            case 2: std::fill(text.begin() + 1, text.end(), '0'); break;
            default: break;
        }
        return text;
    }
    static mpz_class big(const std::string& text) { return mpz_class(text, 10); }
    static std::string text_of(const mpz_class& v) { return v.get_str(10); }
    // a - b is refused when b has more digits than a (leading zeros count),
    // whatever the values, and otherwise when b is the larger value.
    static bool negative(const std::string& a, const std::string& b) {
        return a.size() < b.size() || big(a) < big(b);
    }
};

TEST_F(DecArithmeticOracle, ClassAgreesWithGmpOnRandomOperands) {
    for (int round = 0; round < 600; ++round) {
        const std::size_t most = round % 3 == 0 ? 60000 : (round % 3 == 1 ? 40 : 300);
        const std::string a = operand(most);
        const std::string b = operand(most);
        const mpz_class x = big(a);
        const mpz_class y = big(b);
        const mpz_class sum = x + y;
        if (text_of(sum).size() > 60000)
            EXPECT_THROW(dec(a).Add(dec(b)), S::xResultTooBig);
        else
            ASSERT_EQ(dec(a).Add(dec(b)).GetValue(), text_of(sum)) << a << " + " << b;
        if (negative(a, b)) {
            EXPECT_THROW(dec(a).Subtract(dec(b)), S::xNegativeResult) << a << " - " << b;
        } else {
            ASSERT_EQ(dec(a).Subtract(dec(b)).GetValue(), text_of(x - y)) << a << " - " << b;
        }
        if (negative(b, a)) {
            EXPECT_THROW(dec(b).Subtract(dec(a)), S::xNegativeResult) << b << " - " << a;
        } else {
            ASSERT_EQ(dec(b).Subtract(dec(a)).GetValue(), text_of(y - x)) << b << " - " << a;
        }
        // The same digits at the wider operand's width: only the values decide.
        const std::size_t width = std::max(a.size(), b.size());
        std::string wa = a;
        std::string wb = b;
        wa.insert(0, width - a.size(), '0');
        wb.insert(0, width - b.size(), '0');
        if (x >= y) {
            ASSERT_EQ(dec(wa).Subtract(dec(wb)).GetValue(), text_of(x - y)) << wa << " - " << wb;
        } else {
            EXPECT_THROW(dec(wa).Subtract(dec(wb)), S::xNegativeResult) << wa << " - " << wb;
        }
    }
}

TEST_F(DecArithmeticOracle, CarryAndBorrowEdgesAtEveryChunkBoundary) {
    for (std::size_t n = 1; n <= 40; ++n) {
        for (std::size_t m = 1; m <= n + 1; ++m) {
            const std::string nines(n, '9');
            const std::string power = std::string(n + 1, '0').replace(0, 1, 1, '1');
            const std::string one = std::string(m, '0').replace(m - 1, 1, 1, '1');
            const std::string a = std::string(n + 1, '9').replace(0, 1, 1, '0');  // a leading zero counts in nothing
            ASSERT_EQ(dec(nines).Add(dec(one)).GetValue(), text_of(big(nines) + 1));
            ASSERT_EQ(dec(a).Add(dec(one)).GetValue(), text_of(big(nines) + 1));
            ASSERT_EQ(dec(power).Subtract(dec(one)).GetValue(), nines);
            ASSERT_EQ(dec(power).Subtract(dec(power)).GetValue(), "0");
            ASSERT_EQ(dec(nines).Add(dec(std::string(m, '9'))).GetValue(),
                      text_of(big(nines) + big(std::string(m, '9'))));
            if (m <= n) {
                const std::string low = std::string(n - m, '0') + std::string(m, '9');
                ASSERT_EQ(dec(power).Subtract(dec(low)).GetValue(), text_of(big(power) - big(low)));
            }
        }
    }
}

TEST_F(DecArithmeticOracle, ExportsAgreeWithGmpOnLongOperands) {
    for (int round = 0; round < 40; ++round) {
        const std::string a = operand(59999);
        const std::string b = operand(59999);
        const mpz_class x = big(a);
        const mpz_class y = big(b);
        const auto sum = call_text([&](char* o, int n) { return VEK(vek_Calc_AddDecToDec)(a.c_str(), b.c_str(), 0, o, n); });
        ASSERT_EQ(sum.result, -1);
        ASSERT_EQ(sum.out, text_of(x + y));
        const auto difference =
            call_text([&](char* o, int n) { return VEK(vek_Calc_SubstractDecToDec)(a.c_str(), b.c_str(), 0, o, n); });
        if (negative(a, b)) {
            EXPECT_EQ(difference.result, 0);
            EXPECT_EQ(difference.status, -4);
        } else {
            ASSERT_EQ(difference.out, text_of(x - y));
        }
        const auto next = call_text([&](char* o, int n) { return VEK(vek_Tran_IncreaseDec)(a.c_str(), 0, o, n); });
        ASSERT_EQ(next.out, text_of(x + 1));
    }
}

#endif  // VEK_HAVE_GMP

}  // namespace
