// Hexadecimal strings: the class, and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/api.h"
#include "types/C_StringBin.h"
#include "types/C_StringDec.h"
#include "types/C_StringEvenHexa.h"
#include "types/C_StringHexa.h"

#if VEK_HAVE_GMP
#include <gmpxx.h>
#endif

namespace {

using S = C_StringType;
using vek::test::call_text;

// Oracle: an unsigned 64-bit value in upper-case hexadecimal, by the standard library.
std::string hex_of(std::uint64_t v) {
    char text[17];
    const auto end = std::to_chars(text, text + sizeof text, v, 16).ptr;
    std::string s(text, end);
    for (char& c : s)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return s;
}
std::string dec_of(std::uint64_t v) { return std::to_string(v); }
std::string bin_of(std::uint64_t v) {
    char text[65];
    const auto end = std::to_chars(text, text + sizeof text, v, 2).ptr;
    return std::string(text, end);
}

// ---- The class ----

TEST(StringHexa, DigitsBothWays) {
    const char* digits = "0123456789ABCDEF";
    for (int v = 0; v < 16; ++v) {
        EXPECT_EQ(C_StringHexa::DigitValue(digits[v]), v);
        EXPECT_EQ(C_StringHexa::DigitChar(v), digits[v]);
        EXPECT_EQ(C_StringHexa().DigitFromValue(v), std::string(1, digits[v]));
    }
    for (const char c : {'a', 'f', 'G', '/', ':', '@', '\0'}) EXPECT_THROW(C_StringHexa::DigitValue(c), S::xWrongValue);
    for (const int v : {-1, 16, 255}) {
        EXPECT_THROW(C_StringHexa::DigitChar(v), S::xWrongValue);
        EXPECT_THROW(C_StringHexa().DigitFromValue(v), S::xWrongValue);
    }
}

TEST(StringHexa, IsValidChecksLengthThenEmptinessThenAlphabet) {
    const C_StringHexa h;
    EXPECT_TRUE(h.IsValid("0123456789ABCDEF"));
    EXPECT_FALSE(h.IsValid("0a"));
    EXPECT_FALSE(h.IsValid("G"));
    EXPECT_THROW(h.IsValid(""), S::xEmptyString);
    EXPECT_THROW(h.IsValid(std::string(60001, 'x')), S::xStringTooLong);
    EXPECT_TRUE(h.IsValid(std::string(60000, 'F')));
}

TEST(StringHexa, PadsWithZeros) {
    EXPECT_EQ(C_StringHexa("FF", S::kHexadecimal).GetPadded(4), "00FF");
    EXPECT_THROW(C_StringHexa("FFF", S::kHexadecimal).GetPadded(2), S::xLengthTooSmall);
}

TEST(StringHexa, CompareDec) {
    const auto dec = [](const char* t) { return C_StringDec(t, S::kDecimal); };
    EXPECT_EQ(C_StringHexa("FF", S::kHexadecimal).CompareDec(dec("255")), 0);
    EXPECT_EQ(C_StringHexa("00FF", S::kHexadecimal).CompareDec(dec("0256")), -1);
    EXPECT_EQ(C_StringHexa("100", S::kHexadecimal).CompareDec(dec("255")), 1);
    // A long hexadecimal value still compares with the largest decimal one.
    EXPECT_EQ(C_StringHexa("10000000000000000", S::kHexadecimal).CompareDec(dec("18446744073709551615")), 1);
    EXPECT_THROW(C_StringHexa("1", S::kHexadecimal).CompareDec(dec("18446744073709551616")), S::xNumberTooBig);
}

TEST(StringHexa, ExtractBinChecksInOrder) {
    const C_StringHexa v("A5", S::kHexadecimal);
    EXPECT_EQ(v.ExtractBin(0, 4).GetValue(), "1010");
    EXPECT_EQ(v.ExtractBin(4, 4).GetValue(), "0101");
    EXPECT_EQ(v.ExtractBin(0, 8).GetValue(), "10100101");
    EXPECT_EQ(v.ExtractBin(7, 1).GetValue(), "1");
    EXPECT_THROW(v.ExtractBin(-1, 0), S::xWrongPos);       // position before length
    EXPECT_THROW(v.ExtractBin(240000, 1), S::xWrongPos);
    EXPECT_THROW(v.ExtractBin(8, 0), S::xWrongLength);     // length before the position's place
    EXPECT_THROW(v.ExtractBin(0, 240001), S::xWrongLength);
    EXPECT_THROW(v.ExtractBin(8, 9), S::xInvalidPos);      // past the last bit before overlap
    EXPECT_THROW(v.ExtractBin(5, 4), S::xOverlap);
    EXPECT_THROW(v.ExtractBin(0, 60001), S::xOverlap);      // the run check comes before the size
    const C_StringHexa wide(std::string(15001, 'F'), S::kHexadecimal);
    EXPECT_EQ(wide.ExtractBin(4, 60000).GetLength(), 60000);
    EXPECT_THROW(wide.ExtractBin(0, 60001), S::xStringTooLong);
    const C_StringHexa widest(std::string(60000, '0'), S::kHexadecimal);
    EXPECT_EQ(widest.ExtractBin(239999, 1).GetValue(), "0");
}

TEST(StringEvenHexa, DigitFromValueGivesTwoDigits) {
    const C_StringEvenHexa e;
    EXPECT_EQ(e.DigitFromValue(0), "00");
    EXPECT_EQ(e.DigitFromValue(10), "0A");
    EXPECT_EQ(e.DigitFromValue(0x7F), "7F");
    EXPECT_EQ(e.DigitFromValue(255), "FF");
    EXPECT_THROW(e.DigitFromValue(-1), S::xWrongValue);
    EXPECT_THROW(e.DigitFromValue(256), S::xWrongValue);
    // Otherwise a hexadecimal string like any other.
    const C_StringEvenHexa v("0A0B", S::kHexadecimal);
    EXPECT_EQ(v.GetPadded(6), "000A0B");
    const C_StringHexa& base = v;
    EXPECT_EQ(base.DigitFromValue(11), "0B");  // the override is the one called
}

// ---- The exports: results, every status code, the order of the checks ----

// A null output buffer cannot be written: -99, not a crash; a size below 1 is
// still -50 first.
TEST(HexaExports, NullOutputIsAnInternalFailure) {
    const std::function<short(char*, int)> calls[] = {
        [](char* o, int n) { return VEK(vek_Conv_DecToHexa)("255", 0, o, n); },
        [](char* o, int n) { return VEK(vek_Conv_CharToHexa)("AB", o, n); },
        [](char* o, int n) { return VEK(vek_Conv_BinToHexa)("11111", 0, o, n); },
        [](char* o, int n) { return VEK(vek_Conv_ExtractBinFromHexa)("A5", 1, 4, o, n); },
    };
    for (const auto& call : calls) {
        EXPECT_EQ(call(nullptr, 16), 0);
        EXPECT_EQ(VEK_STATUS(), -99);
        EXPECT_EQ(call(nullptr, 0), 0);
        EXPECT_EQ(VEK_STATUS(), -50);
    }
}

static const vek::test::TextSamples kSamples{{
    {"vek_Conv_DecToHexa", [](char* o, int n) { return VEK(vek_Conv_DecToHexa)("255", 4, o, n); }, "00FF"},
    {"vek_Conv_CharToHexa", [](char* o, int n) { return VEK(vek_Conv_CharToHexa)("AB", o, n); }, "4142"},
    {"vek_Conv_BinToHexa", [](char* o, int n) { return VEK(vek_Conv_BinToHexa)("11111", 0, o, n); }, "1F"},
    {"vek_Conv_ExtractBinFromHexa",
     [](char* o, int n) { return VEK(vek_Conv_ExtractBinFromHexa)("A5", 3, 4, o, n); }, "1001"},
}};

auto dec_to_hexa(std::string in, int length) {
    return [in, length](char* o, int n) { return VEK(vek_Conv_DecToHexa)(in.c_str(), length, o, n); };
}
auto bin_to_hexa(std::string in, int length) {
    return [in, length](char* o, int n) { return VEK(vek_Conv_BinToHexa)(in.c_str(), length, o, n); };
}

// The 64-bit edges against the standard library's own formatting.
TEST(HexaConversions, SixtyFourBitEdges) {
    std::vector<std::uint64_t> values = {0, 1, 9, 10, 15, 16, 255, 256, 0xFFFFFFFFu, 0x100000000u,
                                         UINT64_MAX / 10, UINT64_MAX / 10 + 1, INT64_MAX, std::uint64_t{1} << 63,
                                         UINT64_MAX - 1, UINT64_MAX};
    std::mt19937_64 random(20240613);
    for (int i = 0; i < 200; ++i) values.push_back(random() >> (random() % 64));
    for (const std::uint64_t v : values) {
        SCOPED_TRACE(v);
        const auto dec = call_text(dec_to_hexa(dec_of(v), 0));
        EXPECT_EQ(dec.out, hex_of(v));
        const auto bin = call_text(bin_to_hexa(bin_of(v), 0));
        EXPECT_EQ(bin.out, hex_of(v));
        int order = 7;
        EXPECT_EQ(VEK(vek_Comp_HexaToDec)(hex_of(v).c_str(), dec_of(v).c_str(), &order), -1);
        EXPECT_EQ(order, 0);
        if (v != UINT64_MAX) {
            EXPECT_EQ(VEK(vek_Comp_HexaToDec)(hex_of(v).c_str(), dec_of(v + 1).c_str(), &order), -1);
            EXPECT_EQ(order, -1);
            EXPECT_EQ(VEK(vek_Comp_HexaToDec)(hex_of(v + 1).c_str(), dec_of(v).c_str(), &order), -1);
            EXPECT_EQ(order, 1);
        }
    }
}

#if VEK_HAVE_GMP
// Long binary numbers, up to the 60000-bit limit, against GMP.
TEST(HexaConversions, LongBinaryAgainstGmp) {
    std::mt19937 random(7);
    for (const int bits : {1, 3, 4, 5, 63, 64, 65, 1000, 59999, 60000}) {
        std::string text(static_cast<std::size_t>(bits), '0');
        for (char& c : text) c = random() % 2 ? '1' : '0';
        if (bits > 8) text[3] = '1';
        const mpz_class value(text, 2);
        std::string expected = value.get_str(16);
        for (char& c : expected) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(call_text(bin_to_hexa(text, 0)).out, expected) << bits;
    }
}
#endif

// A null result pointer cannot be written: -99, not a crash.
TEST(HexaComparison, NullResultIsAnInternalFailure) {
    EXPECT_EQ(VEK(vek_Comp_HexaToHexa)("1", "2", nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_Comp_HexaToDec)("1", "2", nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
}

// ---- Text into a byte block ----

struct Bytes {
    short result;
    short status;
    int count;
    std::vector<unsigned char> bytes;  // the whole block, so that writes past count + 1 show
};

template <class F>
Bytes to_bytes(F fn, const std::string& text) {
    Bytes b{0, 0, -7, std::vector<unsigned char>(16, 0xEE)};
    b.result = fn(text.c_str(), b.bytes.data(), &b.count);
    b.status = VEK_STATUS();
    return b;
}

// The pointers: a null block or count is -99, but the text is checked first.
TEST(HexaToBytes, HexaToArrayCharPointers) {
    int count = 0;
    unsigned char one[4];
    EXPECT_EQ(VEK(vek_Conv_HexaToArrayChar)("AB", nullptr, &count), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_Conv_HexaToArrayChar)("AB", one, nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_Conv_HexaToArrayChar)("xy", nullptr, nullptr), 0);  // the text first
    EXPECT_EQ(VEK_STATUS(), -2);
}

TEST(HexaToBytes, BinToArrayCharAgainstTheValuesOwnBytes) {
    const auto run = [](const std::string& t) { return to_bytes(VEK(vek_Conv_BinToArrayChar), t); };
    // Every length from 1 to 64 against the value's own big-endian bytes.
    std::mt19937_64 random(99);
    for (int bits = 1; bits <= 64; ++bits) {
        const std::uint64_t v = bits == 64 ? random() : random() & ((std::uint64_t{1} << bits) - 1);
        std::string text = bin_of(v);
        text.insert(0, static_cast<std::size_t>(bits) - text.size(), '0');
        const std::size_t n = (static_cast<std::size_t>(bits) + 7) / 8;
        std::vector<unsigned char> expected(16, 0xEE);
        for (std::size_t i = 0; i < n; ++i) expected[i] = static_cast<unsigned char>(v >> (8 * (n - 1 - i)));
        expected[n] = 0;
        const Bytes b = run(text);
        EXPECT_EQ(b.count, static_cast<int>(n)) << text;
        EXPECT_EQ(b.bytes, expected) << text;
    }

    int count = 0;
    EXPECT_EQ(VEK(vek_Conv_BinToArrayChar)("1", nullptr, &count), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
}

}  // namespace
