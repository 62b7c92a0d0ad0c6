// Hexadecimal arithmetic and logic: the class operations against an independent
// oracle (64-bit integers everywhere, GMP on Linux for values up to 60000 digits),
// and the exports as a caller sees them, status codes and check order included.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/texts.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"

#if VEK_HAVE_GMP
#include <gmpxx.h>
#endif

namespace {

using S = C_StringType;
using vek::test::call_text;
using vek::test::random_below;
using vek::test::random_hexa;

C_StringHexa hexa(const std::string& text) { return C_StringHexa(text, S::kHexadecimal); }

std::string hex64(std::uint64_t v, std::size_t width = 0) {
    char text[17];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(v));
    std::string s = text;
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return s;
}

std::uint64_t value64(const std::string& text) { return std::stoull(text, nullptr, 16); }

// The oracle's sign rule for a - b: b with more digits than a (leading zeros
// count) is negative whatever the values; otherwise the values decide.
bool negative(const std::string& a, const std::string& b, bool aBelowB) { return a.size() < b.size() || aBelowB; }

// `text` behind zeros up to `width` digits.
std::string widened(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

// ---- Against 64-bit integers (runs everywhere) ----

TEST(HexaArith, SmallValuesAgainstIntegers) {
    std::mt19937_64 rng(20240601);
    for (int round = 0; round < 3000; ++round) {
        // Up to 12 random digits behind up to 4 leading zeros: at most 16 digits.
        const std::string a = std::string(random_below(rng, 5), '0') + random_hexa(rng, 1 + random_below(rng, 12));
        const std::string b = std::string(random_below(rng, 5), '0') + random_hexa(rng, 1 + random_below(rng, 12));
        const std::uint64_t x = value64(a), y = value64(b);
        SCOPED_TRACE(a + " " + b);
        EXPECT_EQ(hexa(a).Add(hexa(b)).GetValue(), hex64(x + y));
        if (negative(a, b, x < y)) {
            EXPECT_THROW(hexa(a).Subtract(hexa(b)), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(a).Subtract(hexa(b)).GetValue(), hex64(x - y));
        }
        // At a common width only the values decide.
        const std::size_t width = a.size() > b.size() ? a.size() : b.size();
        if (x < y) {
            EXPECT_THROW(hexa(widened(a, width)).Subtract(hexa(widened(b, width))), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(widened(a, width)).Subtract(hexa(widened(b, width))).GetValue(), hex64(x - y));
        }

        // Digit-wise logic on operands of the same length.
        const std::string c = random_hexa(rng, a.size());
        const std::uint64_t z = value64(c);
        EXPECT_EQ(hexa(a).Xor(hexa(c)).GetValue(), hex64(x ^ z, a.size()));
        EXPECT_EQ(hexa(a).And(hexa(c)).GetValue(), hex64(x & z, a.size()));
        EXPECT_EQ(hexa(a).Or(hexa(c)).GetValue(), hex64(x | z, a.size()));
        const std::uint64_t all = a.size() >= 16 ? ~std::uint64_t{0} : (std::uint64_t{1} << (4 * a.size())) - 1;
        EXPECT_EQ(hexa(a).Complement().GetValue(), hex64(all & ~x, a.size()));

        int ones = 0;
        for (std::uint64_t v = x; v != 0; v &= v - 1) ++ones;
        EXPECT_EQ(hexa(a).CountBits(1), ones);
        EXPECT_EQ(hexa(a).CountBits(-7), ones);
        EXPECT_EQ(hexa(a).CountBits(0), static_cast<int>(4 * a.size()) - ones);
    }
}

TEST(HexaArith, DecimalOperandAgainstIntegers) {
    std::mt19937_64 rng(77);
    for (int round = 0; round < 1000; ++round) {
        const std::uint64_t x = rng() >> 1, d = rng() >> (1 + rng() % 63);
        const std::string h = std::string(rng() % 4, '0') + hex64(x);
        const std::string dec = std::string(rng() % 4, '0') + std::to_string(d);
        SCOPED_TRACE(h + " " + dec);
        EXPECT_EQ(hexa(h).AddDec(C_StringDec(dec, S::kDecimal)).GetValue(), hex64(x + d));
        // The decimal operand counts at its natural length in hexadecimal.
        if (negative(h, hex64(d), x < d)) {
            EXPECT_THROW(hexa(h).SubtractDec(C_StringDec(dec, S::kDecimal)), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(h).SubtractDec(C_StringDec(dec, S::kDecimal)).GetValue(), hex64(x - d));
        }
    }
    // 2^64 - 1 is the largest decimal operand, whatever its leading zeros.
    EXPECT_EQ(hexa("1").AddDec(C_StringDec("00018446744073709551615", S::kDecimal)).GetValue(),
              "10000000000000000");
    EXPECT_THROW(hexa("1").AddDec(C_StringDec("18446744073709551616", S::kDecimal)), S::xNumberTooBig);
    EXPECT_THROW(hexa("1").SubtractDec(C_StringDec("100000000000000000000", S::kDecimal)), S::xNumberTooBig);
}

TEST(HexaArith, ChecksumAgainstIntegers) {
    std::mt19937_64 rng(5);
    for (int round = 0; round < 500; ++round) {
        const std::size_t block = 1 + random_below(rng, 16), blocks = 1 + random_below(rng, 12);
        const std::string text = random_hexa(rng, block * blocks, rng() % 3 == 0 ? block : 0);
        std::uint64_t sum = 0;
        for (std::size_t j = 0; j < text.size(); j += block) sum ^= value64(text.substr(j, block));
        EXPECT_EQ(hexa(text).Checksum(static_cast<int>(block)).GetValue(), hex64(sum, block)) << text;
    }
}

TEST(HexaArith, ChecksumChecksInOrder) {
    const auto v = hexa("1122334455667788");
    EXPECT_EQ(v.Checksum(4).GetValue(), "0088");
    EXPECT_EQ(v.Checksum(16).GetValue(), "1122334455667788");
    EXPECT_THROW(v.Checksum(3), S::xModuloError);
    EXPECT_THROW(v.Checksum(32), S::xModuloError);  // a block longer than the text
    EXPECT_THROW(v.Checksum(0), S::xWrongLength);
    EXPECT_THROW(v.Checksum(30001), S::xWrongLength);  // before the modulo test
    EXPECT_THROW(v.Checksum(-1), S::xWrongLength);
    const auto longest = hexa(std::string(60000, 'A'));
    EXPECT_EQ(longest.Checksum(30000).GetValue(), std::string(30000, '0'));
}

TEST(HexaArith, SumsAndDifferencesDropLeadingZeros) {
    EXPECT_EQ(hexa("FFFF").Add(hexa("1")).GetValue(), "10000");
    EXPECT_EQ(hexa("0001").Add(hexa("0001")).GetValue(), "2");
    EXPECT_EQ(hexa("0").Add(hexa("0")).GetValue(), "0");
    EXPECT_EQ(hexa("000").Add(hexa("00000")).GetValue(), "0");
    EXPECT_EQ(hexa("10").Subtract(hexa("1")).GetValue(), "F");
    EXPECT_EQ(hexa("5").Subtract(hexa("5")).GetValue(), "0");
    EXPECT_EQ(hexa("0100").Subtract(hexa("FF")).GetValue(), "1");
    EXPECT_THROW(hexa("1").Subtract(hexa("2")), S::xNegativeResult);
    EXPECT_EQ(hexa("05").Subtract(hexa("03")).GetValue(), "2");
    EXPECT_EQ(hexa("0010").Subtract(hexa("005")).GetValue(), "B");
}

// A subtrahend with more digits than the minuend is a negative result whatever
// the values: its leading zeros count, so a field-width mismatch shows.
TEST(HexaArith, SubtrahendWithMoreDigitsIsNegative) {
    EXPECT_THROW(hexa("5").Subtract(hexa("03")), S::xNegativeResult);
    EXPECT_THROW(hexa("10").Subtract(hexa("005")), S::xNegativeResult);
    EXPECT_THROW(hexa("F").Subtract(hexa("00")), S::xNegativeResult);
    EXPECT_THROW(hexa(std::string(59999, 'F')).Subtract(hexa(std::string(60000, '0'))), S::xNegativeResult);
    EXPECT_EQ(hexa(std::string(60000, 'F')).Subtract(hexa(std::string(60000, '0'))).GetValue(), std::string(60000, 'F'));
    auto one = hexa("1");
    one.Decrease();  // "1" has one digit: no value is too short for a decrement
    EXPECT_EQ(one.GetValue(), "0");
    // A decimal operand counts at its natural length: its own leading zeros never do.
    EXPECT_EQ(hexa("F").SubtractDec(C_StringDec("0010", S::kDecimal)).GetValue(), "5");
    EXPECT_EQ(hexa("00F").SubtractDec(C_StringDec("15", S::kDecimal)).GetValue(), "0");
    EXPECT_THROW(hexa("F").SubtractDec(C_StringDec("16", S::kDecimal)), S::xNegativeResult);
}

TEST(HexaArith, SumAtTheLengthLimit) {
    const std::string nines(60000, 'F');
    EXPECT_THROW(hexa(nines).Add(hexa("1")), S::xResultTooBig);
    EXPECT_THROW(hexa("1").Add(hexa(nines)), S::xResultTooBig);
    // Without a carry out of the top digit the same length is fine.
    const std::string below = "0" + std::string(59999, 'F');
    EXPECT_EQ(hexa(below).Add(hexa("1")).GetValue(), "1" + std::string(59999, '0'));
    // 59999 digits may grow to 60000.
    EXPECT_EQ(hexa(std::string(59999, 'F')).Add(hexa("1")).GetValue(), "1" + std::string(59999, '0'));
}

TEST(HexaArith, LogicKeepsTheWidthAndRefusesDifferentLengths) {
    EXPECT_EQ(hexa("0F").Xor(hexa("F0")).GetValue(), "FF");
    EXPECT_EQ(hexa("0F").And(hexa("F0")).GetValue(), "00");
    EXPECT_EQ(hexa("A0").Or(hexa("05")).GetValue(), "A5");
    EXPECT_EQ(hexa("ABC").Complement().GetValue(), "543");
    EXPECT_EQ(hexa("0F").Complement().GetValue(), "F0");
    EXPECT_THROW(hexa("AB").Xor(hexa("ABCD")), C_StringHexa::xDifferentLengths);
    EXPECT_THROW(hexa("AB").And(hexa("0AB")), C_StringHexa::xDifferentLengths);
    EXPECT_THROW(hexa("AB").Or(hexa("A")), C_StringHexa::xDifferentLengths);
}

TEST(HexaArith, CountBitsPerDigit) {
    const char* const kOnes[] = {"0", "1248", "3569AC", "7BDE", "F"};
    for (int ones = 0; ones <= 4; ++ones)
        for (const char* d = kOnes[ones]; *d != '\0'; ++d) {
            EXPECT_EQ(hexa(std::string(1, *d)).CountBits(1), ones) << *d;
            EXPECT_EQ(hexa(std::string(1, *d)).CountBits(0), 4 - ones) << *d;
        }
    EXPECT_EQ(hexa("F0").CountBits(1), 4);
    EXPECT_EQ(hexa("F0").CountBits(0), 4);
    EXPECT_EQ(hexa("FF").CountBits(0), 0);
    EXPECT_EQ(hexa(std::string(60000, 'F')).CountBits(1), 240000);
}

#if VEK_HAVE_GMP

mpz_class big(const std::string& text) { return mpz_class(text, 16); }

std::string text_of(const mpz_class& v, std::size_t width = 0) {
    std::string s = v.get_str(16);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (s.size() < width) s.insert(0, width - s.size(), '0');
    return s;
}

// Lengths that cross the eight-digit groups, and long ones up to the limit.
std::size_t random_length(std::mt19937_64& rng) {
    static const std::size_t kEdges[] = {1, 2, 7, 8, 9, 15, 16, 17, 63, 64, 65};
    switch (rng() % 4) {
        case 0: return kEdges[rng() % std::size(kEdges)];
        case 1: return 1 + random_below(rng, 200);
        case 2: return 1 + random_below(rng, 5000);
        default: return 55000 + random_below(rng, 5001);
    }
}

TEST(HexaArith, LongValuesAgainstGmp) {
    std::mt19937_64 rng(424242);
    for (int round = 0; round < 200; ++round) {
        const std::size_t na = random_length(rng), nb = random_length(rng);
        const std::string a = random_hexa(rng, na, rng() % 3 == 0 ? random_below(rng, na) : 0);
        const std::string b = random_hexa(rng, nb, rng() % 3 == 0 ? random_below(rng, nb) : 0);
        const mpz_class x = big(a), y = big(b);
        SCOPED_TRACE("lengths " + std::to_string(na) + " " + std::to_string(nb));
        const mpz_class sum = x + y;
        if (text_of(sum).size() > 60000) {
            EXPECT_THROW(hexa(a).Add(hexa(b)), S::xResultTooBig);
        } else {
            EXPECT_EQ(hexa(a).Add(hexa(b)).GetValue(), text_of(sum));
        }
        if (negative(a, b, x < y)) {
            EXPECT_THROW(hexa(a).Subtract(hexa(b)), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(a).Subtract(hexa(b)).GetValue(), text_of(x - y));
        }
        const std::size_t width = na > nb ? na : nb;
        if (x < y) {
            EXPECT_THROW(hexa(widened(a, width)).Subtract(hexa(widened(b, width))), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(widened(a, width)).Subtract(hexa(widened(b, width))).GetValue(), text_of(x - y));
        }
        // Equal values, and values that differ only in the lowest digit, borrow through.
        EXPECT_EQ(hexa(a).Subtract(hexa(a)).GetValue(), "0");

        const std::string c = random_hexa(rng, na, rng() % 3 == 0 ? random_below(rng, na) : 0);
        const mpz_class z = big(c);
        EXPECT_EQ(hexa(a).Xor(hexa(c)).GetValue(), text_of(x ^ z, na));
        EXPECT_EQ(hexa(a).And(hexa(c)).GetValue(), text_of(x & z, na));
        EXPECT_EQ(hexa(a).Or(hexa(c)).GetValue(), text_of(x | z, na));
        const mpz_class all = (mpz_class(1) << (4 * na)) - 1;
        EXPECT_EQ(hexa(a).Complement().GetValue(), text_of(all - x, na));
        const auto ones = static_cast<int>(mpz_popcount(x.get_mpz_t()));
        EXPECT_EQ(hexa(a).CountBits(1), ones);
        EXPECT_EQ(hexa(a).CountBits(0), static_cast<int>(4 * na) - ones);
    }
}

TEST(HexaArith, CarriesAndBorrowsThroughLongRunsAgainstGmp) {
    std::mt19937_64 rng(99);
    for (int round = 0; round < 60; ++round) {
        const std::size_t n = 1 + random_below(rng, 60000);
        // F...F plus a small value, and 10...0 minus one: a carry or borrow through every group.
        const std::string f(n, 'F');
        const std::string small = hex64(rng() % 1000 + 1);
        std::string one(n, '0');
        one[0] = '1';
        if (n < 60000) {
            EXPECT_EQ(hexa(f).Add(hexa(small)).GetValue(), text_of(big(f) + big(small)));
        }
        if (!negative(one, small, big(one) < big(small))) {
            EXPECT_EQ(hexa(one).Subtract(hexa(small)).GetValue(), text_of(big(one) - big(small)));
        }
        // A subtrahend padded with zeros to the minuend's width borrows through every group.
        const std::string padded = widened(small, n);
        if (big(f) >= big(padded)) {
            EXPECT_EQ(hexa(f).Subtract(hexa(padded)).GetValue(), text_of(big(f) - big(padded)));
            EXPECT_EQ(hexa(one).Subtract(hexa(padded)).GetValue(), text_of(big(one) - big(padded)));
        }
        // One zero more than the minuend has digits: refused whatever the values.
        EXPECT_THROW(hexa(f).Subtract(hexa(widened(small, n + 1))), S::xNegativeResult);
    }
}

TEST(HexaArith, DecimalOperandAgainstGmp) {
    std::mt19937_64 rng(31337);
    for (int round = 0; round < 100; ++round) {
        const std::size_t n = random_length(rng);
        const std::string h = random_hexa(rng, n, rng() % 3 == 0 ? random_below(rng, n) : 0);
        const std::string dec = std::string(random_below(rng, 3), '0') + std::to_string(rng() >> (rng() % 64));
        const mpz_class x = big(h), d(dec, 10);
        if (text_of(x + d).size() <= 60000) {
            EXPECT_EQ(hexa(h).AddDec(C_StringDec(dec, S::kDecimal)).GetValue(), text_of(x + d));
        }
        if (negative(h, text_of(d), x < d)) {
            EXPECT_THROW(hexa(h).SubtractDec(C_StringDec(dec, S::kDecimal)), S::xNegativeResult);
        } else {
            EXPECT_EQ(hexa(h).SubtractDec(C_StringDec(dec, S::kDecimal)).GetValue(), text_of(x - d));
        }
    }
}

TEST(HexaArith, LongChecksumAgainstGmp) {
    std::mt19937_64 rng(2718);
    for (int round = 0; round < 60; ++round) {
        const std::size_t block = 1 + random_below(rng, rng() % 2 == 0 ? 40 : 30000);
        const std::size_t blocks = 1 + random_below(rng, 60000 / block);
        const std::string text = random_hexa(rng, block * blocks, rng() % 4 == 0 ? block : 0);
        mpz_class sum = 0;
        for (std::size_t j = 0; j < text.size(); j += block) sum ^= big(text.substr(j, block));
        EXPECT_EQ(hexa(text).Checksum(static_cast<int>(block)).GetValue(), text_of(sum, block));
    }
}

#endif  // VEK_HAVE_GMP

// ---- The exports ----

// A null count pointer cannot be written: -99, not a crash.
TEST(HexaArith, CountBitsWithoutAPlaceForTheCount) {
    EXPECT_EQ(VEK(vek_Calc_CountBits)("FF", 1, nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
}

// A caller that pushes the mode as a full 32-bit value: the function reads only the
// low 16 bits of that argument slot, so 65536 counts zero bits and 65537 one bits.
// (The slot is the same for a short and an int on both calling conventions.)
TEST(HexaArith, CountBitsReadsTheLowHalfOfTheModeSlot) {
    using WideMode = short(VEK_CALL*)(const char*, int, int*);
    const auto countBits = reinterpret_cast<WideMode>(vek::test::symbol("vek_Calc_CountBits"));
    int count = -5;
    EXPECT_EQ(countBits("A", 65536, &count), -1);
    EXPECT_EQ(count, 2);  // zero bits of A (1010)
    EXPECT_EQ(countBits("1", 65536, &count), -1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(countBits("1", 65537, &count), -1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(countBits("1", 0x7FFF0000, &count), -1);
    EXPECT_EQ(count, 3);
}

TEST(HexaArith, ExportsOnLongestOperands) {
    const std::string kLongest(60000, 'F');
    const std::string a = std::string(30000, '0') + std::string(30000, 'F');
    auto o = call_text([&](char* out, int n) { return VEK(vek_Calc_AddHexaToHexa)(a.c_str(), "1", 60000, out, n); });
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.out, std::string(29999, '0') + "1" + std::string(30000, '0'));
    o = call_text([&](char* out, int n) { return VEK(vek_Calc_XorHexa)(a.c_str(), kLongest.c_str(), 0, out, n); });
    EXPECT_EQ(o.out, std::string(30000, 'F') + std::string(30000, '0'));
}

const vek::test::TextSamples kSamples{{
    {"vek_Calc_AddHexaToHexa", [](char* o, int n) { return VEK(vek_Calc_AddHexaToHexa)("FFFF", "1", 0, o, n); },
     "10000"},
    {"vek_Calc_SubstractHexaToHexa",
     [](char* o, int n) { return VEK(vek_Calc_SubstractHexaToHexa)("0100", "FF", 4, o, n); }, "0001"},
    {"vek_Calc_AddDecToHexa", [](char* o, int n) { return VEK(vek_Calc_AddDecToHexa)("FF", "1", 0, o, n); }, "100"},
    {"vek_Calc_SubstractDecToHexa",
     [](char* o, int n) { return VEK(vek_Calc_SubstractDecToHexa)("100", "255", 0, o, n); }, "1"},
    {"vek_Calc_XorHexa", [](char* o, int n) { return VEK(vek_Calc_XorHexa)("0F", "F0", 0, o, n); }, "FF"},
    {"vek_Calc_AndHexa", [](char* o, int n) { return VEK(vek_Calc_AndHexa)("0F", "F0", 0, o, n); }, "00"},
    {"vek_Calc_OrHexa", [](char* o, int n) { return VEK(vek_Calc_OrHexa)("A0", "05", 0, o, n); }, "A5"},
    {"vek_Calc_ComplementHexa", [](char* o, int n) { return VEK(vek_Calc_ComplementHexa)("ABC", 0, o, n); }, "543"},
    {"vek_Calc_ChecksumHexa",
     [](char* o, int n) { return VEK(vek_Calc_ChecksumHexa)("1122334455667788", 4, o, n); }, "0088"},
}};

}  // namespace
