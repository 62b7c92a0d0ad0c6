// BER-TLV extraction: the engine on bytes, C_StringHexa::ExtractTLV and
// vek_Tran_ExtractTLV. Every expected value is the value bytes written into the
// encodings below; lengths are counted by hand in the comments.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/texts.h"
#include "types/C_StringHexa.h"
#include "types/tlv.h"

namespace {

using S = C_StringType;
using H = C_StringHexa;
namespace tlv = vek::tlv;
using vek::test::bytes_of;

// `n` bytes 00 01 02 ... (wrapping at FF) as hexadecimal text.
std::string counting(std::size_t n) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        text += digits[(i & 0xFF) >> 4];
        text += digits[i & 0xF];
    }
    return text;
}


// ---------------------------------------------------------------------------
// Records used below.

// READ RECORD response, SFI 1 record 1: template 70 of 0x47 = 71 bytes.
//   5A 08 4761739001010010                        PAN                       10 bytes
//   5F24 03 251231                                expiry date                6
//   5F25 03 200101                                effective date             6
//   5F34 01 01                                    PAN sequence number        4
//   9F07 02 FF00                                  application usage control  5
//   9F0D 05 F040008800                            IAC default                8
//   57 11 4761739001010010D2512201143814489F      track 2 equivalent        19
//   5F20 0A 56495341204341524420                  cardholder name "VISA CARD " 13
const std::string kRecord1 =
    "7047"
    "5A084761739001010010"
    "5F2403251231"
    "5F2503200101"
    "5F340101"
    "9F0702FF00"
    "9F0D05F040008800"
    "57114761739001010010D2512201143814489F"
    "5F200A56495341204341524420";

// GENERATE AC response, template 77 of 0x010E = 270 bytes.
//   9F27 01 80                     cryptogram information data       4 bytes
//   9F36 02 0001                   application transaction counter   5
//   9F4B 82 0100 <256 bytes>       signed dynamic application data 261
const std::string kGenerateAc = "7782010E" "9F270180" "9F36020001" "9F4B820100" + counting(256);

// SELECT response, FCI template 6F of 0x1C = 28 bytes, three levels deep.
//   84 07 A0000000031010           DF name                              9 bytes
//   A5 11                          FCI proprietary template, 17 bytes: 19
//     50 04 56495341               application label "VISA"            6
//     87 01 01                     application priority indicator      3
//     BF0C 05                      FCI issuer discretionary data:      8
//       9F4D 02 0B0A               log entry                           5
const std::string kFci = "6F1C" "8407A0000000031010" "A511" "500456495341" "870101" "BF0C05" "9F4D020B0A";

// ---------------------------------------------------------------------------
// The engine on bytes.

TEST(TlvEngine, HexPairsAndTexts) {
    std::uint8_t b = 0;
    EXPECT_EQ(tlv::HexPairToByte('9', 'F', &b), tlv::kFound);
    EXPECT_EQ(b, 0x9F);
    EXPECT_EQ(tlv::HexPairToByte('a', '0', &b), tlv::kInvalidText);  // upper case only
    EXPECT_EQ(tlv::HexPairToByte('0', 'G', &b), tlv::kInvalidText);

    std::uint8_t area[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    std::size_t n = 99;
    EXPECT_EQ(tlv::HexToBytes("5A0112F", area, 4, &n), tlv::kFound);  // odd digit: no byte
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(area[0], 0x5A);
    EXPECT_EQ(area[2], 0x12);
    EXPECT_EQ(area[3], 0xEE);
    EXPECT_EQ(tlv::HexToBytes("5A0112x", area, 4, &n), tlv::kInvalidText);  // the odd digit is checked too
    EXPECT_EQ(tlv::HexToBytes("5a", area, 4, &n), tlv::kInvalidText);
    EXPECT_EQ(tlv::HexToBytes("0102030405", area, 4, &n), tlv::kInconsistent);  // five bytes, room for four

    const std::uint8_t in[] = {0x00, 0xAB, 0xFF};
    char text[7];
    tlv::BytesToHex(in, 3, text);
    EXPECT_STREQ(text, "00ABFF");
}

struct TagCase {
    std::string bytes;
    int status;
    std::size_t tagBytes;
};

class TlvTag : public testing::TestWithParam<TagCase> {};

TEST_P(TlvTag, Reads) {
    const auto data = bytes_of(GetParam().bytes);
    std::size_t n = 0;
    ASSERT_EQ(tlv::ReadTag(data.data(), data.size(), &n), GetParam().status);
    if (GetParam().status == tlv::kFound) {
        EXPECT_EQ(n, GetParam().tagBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Tags, TlvTag,
                         testing::Values(TagCase{"5A08", tlv::kFound, 1}, TagCase{"9F3602", tlv::kFound, 2},
                                         TagCase{"DF810102", tlv::kFound, 3},    // three-byte tag
                                         TagCase{"1F01", tlv::kFound, 2},         // low five bits all set
                                         TagCase{"00", tlv::kFound, 1},           // filler reads as a tag
                                         TagCase{"FF9F36", tlv::kFound, 3},       // so does FF
                                         TagCase{"9F", tlv::kNotFound, 0},        // ends at the last byte
                                         TagCase{"DF81", tlv::kNotFound, 0},      // continuation never ends
                                         TagCase{"", tlv::kNotFound, 0}));

struct LengthCase {
    std::string bytes;
    int status;
    std::size_t fieldBytes;
    std::size_t length;
};

class TlvLength : public testing::TestWithParam<LengthCase> {};

TEST_P(TlvLength, Reads) {
    const auto data = bytes_of(GetParam().bytes);
    std::size_t f = 0;
    std::size_t v = 0;
    ASSERT_EQ(tlv::ReadLength(data.data(), data.size(), &f, &v), GetParam().status);
    if (GetParam().status == tlv::kFound) {
        EXPECT_EQ(f, GetParam().fieldBytes);
        EXPECT_EQ(v, GetParam().length);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, TlvLength,
                         testing::Values(LengthCase{"05", tlv::kFound, 1, 5}, LengthCase{"7F", tlv::kFound, 1, 127},
                                         LengthCase{"80", tlv::kFound, 1, 0},  // no indefinite form: 0
                                         LengthCase{"8103", tlv::kFound, 2, 3}, LengthCase{"81FF", tlv::kFound, 2, 255},
                                         LengthCase{"820003", tlv::kFound, 3, 3},
                                         LengthCase{"820100", tlv::kFound, 3, 256},
                                         LengthCase{"83010000", tlv::kFound, 4, 65536},
                                         LengthCase{"847FFFFFFF", tlv::kFound, 5, 2147483647},
                                         LengthCase{"8480000000", tlv::kNotFound, 0, 0},    // 2^31
                                         LengthCase{"84FFFFFFFF", tlv::kNotFound, 0, 0},
                                         LengthCase{"850000000001", tlv::kNotFound, 0, 0},  // five length bytes
                                         LengthCase{"FF", tlv::kNotFound, 0, 0},            // 127 length bytes
                                         LengthCase{"81", tlv::kNotFound, 0, 0},            // truncated
                                         LengthCase{"8200", tlv::kNotFound, 0, 0},
                                         LengthCase{"", tlv::kNotFound, 0, 0}));

TEST(TlvEngine, ElementSizeOverflowIsInconsistent) {
    constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
    std::size_t total = 0;
    EXPECT_EQ(tlv::ElementSize(2, 3, 256, &total), tlv::kFound);
    EXPECT_EQ(total, 261u);
    EXPECT_EQ(tlv::ElementSize(1, 1, kMax - 2, &total), tlv::kFound);
    EXPECT_EQ(total, kMax);
    EXPECT_EQ(tlv::ElementSize(1, 1, kMax - 1, &total), tlv::kInconsistent);
    EXPECT_EQ(tlv::ElementSize(kMax, 1, 0, &total), tlv::kInconsistent);
}

TEST(TlvEngine, FindInListReportsTheElement) {
    const auto data = bytes_of(kRecord1);
    const std::uint8_t expiry[] = {0x5F, 0x24};
    tlv::Element e;
    // One level only: 5F24 is inside 70.
    EXPECT_EQ(tlv::FindInList(data.data(), data.size(), expiry, 2, &e), tlv::kNotFound);
    // Inside 70's value (from byte 2, 71 bytes): 5A takes bytes 0-9, 5F24 starts at 10.
    ASSERT_EQ(tlv::FindInList(data.data() + 2, 71, expiry, 2, &e), tlv::kFound);
    EXPECT_EQ(e.offset, 10u);
    EXPECT_EQ(e.tagBytes, 2u);
    EXPECT_EQ(e.fieldBytes, 1u);
    EXPECT_EQ(e.valueLength, 3u);
    EXPECT_EQ(e.valueOffset(), 13u);
    // The region's end binds, not the data's: 70 cut to 12 bytes cuts 5F24's value.
    EXPECT_EQ(tlv::FindInList(data.data() + 2, 12, expiry, 2, &e), tlv::kNotFound);
}

// An element read at an offset, and the defect told when it is not whole:
// tagBytes 0 for a tag that does not end, fieldBytes 0 for a bad length field,
// else a value past the region. Sizes counted by hand from the bytes.
struct ElementCase {
    std::string bytes;
    std::size_t at;
    int status;
    std::size_t tagBytes, fieldBytes, valueLength;
};

class TlvElement : public testing::TestWithParam<ElementCase> {};

TEST_P(TlvElement, Reads) {
    const ElementCase& c = GetParam();
    const auto data = bytes_of(c.bytes);
    tlv::Element e;
    EXPECT_EQ(tlv::ReadElement(data.data(), data.size(), c.at, &e), c.status);
    EXPECT_EQ(e.offset, c.at);
    EXPECT_EQ(e.tagBytes, c.tagBytes);
    EXPECT_EQ(e.fieldBytes, c.fieldBytes);
    EXPECT_EQ(e.valueLength, c.valueLength);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, TlvElement,
    testing::Values(ElementCase{"5A021234", 0, tlv::kFound, 1, 1, 2}, ElementCase{"00005F2403251231", 2, tlv::kFound, 2, 1, 3},
                    ElementCase{"9F36820002AABB", 0, tlv::kFound, 2, 3, 2},
                    ElementCase{"5A00", 0, tlv::kFound, 1, 1, 0},
                    ElementCase{"AA9F", 1, tlv::kNotFound, 0, 0, 0},           // the tag does not end
                    ElementCase{"5A", 0, tlv::kNotFound, 1, 0, 0},             // no length field
                    ElementCase{"5A8501", 0, tlv::kNotFound, 1, 0, 0},         // five length bytes
                    ElementCase{"5A0312", 0, tlv::kNotFound, 1, 1, 3},         // value past the end
                    ElementCase{"9F368200FF00", 0, tlv::kNotFound, 2, 3, 255}));

TEST(TlvEngine, FillerAndConstructed) {
    EXPECT_TRUE(tlv::IsFiller(0x00));
    EXPECT_TRUE(tlv::IsFiller(0xFF));
    EXPECT_FALSE(tlv::IsFiller(0x5A));
    EXPECT_TRUE(tlv::IsConstructed(0x70));
    EXPECT_TRUE(tlv::IsConstructed(0xBF));  // BF0C
    EXPECT_FALSE(tlv::IsConstructed(0x9F));
    EXPECT_FALSE(tlv::IsConstructed(0x5A));
}

TEST(TlvEngine, WalkStatuses) {
    const auto data = bytes_of(kFci);
    std::size_t offset = 0;
    std::size_t length = 0;
    ASSERT_EQ(tlv::Walk(data.data(), data.size(), "6F", "A5", "BF0C", &offset, &length), tlv::kFound);
    EXPECT_EQ(offset, 25u);  // 6F1C | 8407... (9) | A511 | 500456495341 870101 | BF0C05 -> 2 + 9 + 2 + 9 + 3
    EXPECT_EQ(length, 5u);
    EXPECT_EQ(tlv::Walk(data.data(), data.size(), "", "A5", "BF0C", &offset, &length), tlv::kNoTag);
    // An empty tag 2 ends the path: tag 3 is not used.
    ASSERT_EQ(tlv::Walk(data.data(), data.size(), "6F", "", "ZZZ", &offset, &length), tlv::kFound);
    EXPECT_EQ(offset, 2u);
    EXPECT_EQ(length, 28u);
    EXPECT_EQ(tlv::Walk(data.data(), data.size(), "6F", "A50", "", &offset, &length), tlv::kNotFound);
    EXPECT_EQ(tlv::Walk(data.data(), data.size(), "6F", "DF8101", "", &offset, &length), tlv::kNotFound);
    EXPECT_EQ(tlv::Walk(data.data(), data.size(), "6F", "a5", "", &offset, &length), tlv::kInvalidText);
    EXPECT_EQ(tlv::Walk(data.data(), 0, "6F", "", "", &offset, &length), tlv::kNotFound);
    EXPECT_EQ(tlv::Walk(nullptr, 0, "6F", "", "", &offset, &length), tlv::kNotFound);
}

TEST(TlvEngine, ExtractOnTextAndItsSizeLimits) {
    char out[64];
    std::size_t digits = 0;
    ASSERT_EQ(tlv::Extract(kFci, "6F", "A5", "50", out, sizeof out, &digits), tlv::kFound);
    EXPECT_STREQ(out, "56495341");
    EXPECT_EQ(digits, 8u);
    // No tag is told first, whatever the data.
    EXPECT_EQ(tlv::Extract("xyz", "", "", "", out, sizeof out, &digits), tlv::kNoTag);
    EXPECT_EQ(tlv::Extract("6F0x", "6F", "", "", out, sizeof out, &digits), tlv::kInvalidText);
    // Room for 8 digits and the NUL, not fewer.
    EXPECT_EQ(tlv::Extract(kFci, "6F", "A5", "50", out, 9, &digits), tlv::kFound);
    EXPECT_EQ(tlv::Extract(kFci, "6F", "A5", "50", out, 8, &digits), tlv::kInconsistent);
    EXPECT_EQ(tlv::Extract(kFci, "6F", "A5", "50", out, 0, &digits), tlv::kInconsistent);
    // The work area holds 30000 bytes: 60000 digits (one more odd digit is no byte).
    const std::string full = "C1827528" + counting(29992) + "5A021234";  // 4 + 29992 + 4 = 30000 bytes
    ASSERT_EQ(full.size(), 60000u);
    EXPECT_EQ(tlv::Extract(full + "0", "5A", "", "", out, sizeof out, &digits), tlv::kFound);
    EXPECT_STREQ(out, "1234");
    EXPECT_EQ(tlv::Extract(full + "00", "5A", "", "", out, sizeof out, &digits), tlv::kInconsistent);
}

// ---------------------------------------------------------------------------
// C_StringHexa::ExtractTLV

TEST(StringHexaTlv, ExtractsAndThrows) {
    const H data(kRecord1, S::kHexadecimal);
    const H t70("70", S::kHexadecimal);
    const H none;
    EXPECT_EQ(data.ExtractTLV(t70, H("5F24", S::kHexadecimal), none).GetValue(), "251231");
    EXPECT_EQ(data.ExtractTLV(t70, H("9F07", S::kHexadecimal), none).GetValue(), "FF00");
    EXPECT_THROW(data.ExtractTLV(none, none, none), H::xErrorTagLength);
    EXPECT_THROW(data.ExtractTLV(H("707", S::kHexadecimal), none, none), H::xErrorTagLength);
    EXPECT_THROW(data.ExtractTLV(t70, H("5F2", S::kHexadecimal), none), H::xErrorTagLength);
    EXPECT_THROW(data.ExtractTLV(t70, none, H("5F2", S::kHexadecimal)), H::xErrorTagLength);
    EXPECT_THROW(data.ExtractTLV(H("5A", S::kHexadecimal), none, none), H::xTagNotFound);
    EXPECT_THROW(H("5A80", S::kHexadecimal).ExtractTLV(H("5A", S::kHexadecimal), none, none), S::xEmptyString);
}

// ---------------------------------------------------------------------------
// vek_Tran_ExtractTLV as a caller sees it.

vek::test::Outcome extract(const char* t1, const char* t2, const char* t3, const std::string& data, int size = 300000) {
    return vek::test::call_text(
        [&](char* o, int n) { return VEK(vek_Tran_ExtractTLV)(t1, t2, t3, data.c_str(), o, n); }, size);
}

TEST(ExtractTlvCalls, TooLongTagsAndNullData) {
    const std::string longTag(60001, 'z');  // too long is told before the digits
    EXPECT_EQ(extract(longTag.c_str(), nullptr, nullptr, "5A0112").status, -3);
    EXPECT_EQ(extract("70", longTag.c_str(), nullptr, "5A0112").status, -3);
    EXPECT_EQ(extract("70", nullptr, longTag.c_str(), "5A0112").status, -3);
    EXPECT_EQ(extract("70", "zz", longTag.c_str(), "5A0112").status, -1);  // tag 2 first

    const auto r = vek::test::call_text([](char* o, int n) { return VEK(vek_Tran_ExtractTLV)("5A", "", "", nullptr, o, n); });
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.status, -5);
}

TEST(ExtractTlvCalls, DataBeyondTenThousandBytes) {
    // 30000 bytes, the most the data may hold: C1 82 7528 then 29992 bytes, then 5A 02 1234.
    const std::string full = "C1827528" + counting(29992) + "5A021234";
    ASSERT_EQ(full.size(), 60000u);
    auto r = extract("5A", nullptr, nullptr, full);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1234");
    r = extract("C1", nullptr, nullptr, full);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, counting(29992));
    // A value announced one byte longer than what is left after its length field (0x752C).
    const std::string over = "C182752D" + counting(29992) + "5A021234";
    EXPECT_EQ(extract("5A", nullptr, nullptr, over).status, -7);
    EXPECT_EQ(extract("C1", nullptr, nullptr, over).status, -7);
}

TEST(ExtractTlvCalls, SizeRule) {
    // 0001 needs 5 bytes with its NUL.
    EXPECT_EQ(extract("77", "9F36", nullptr, kGenerateAc, 5).out, "0001");
    const auto tight = extract("77", "9F36", nullptr, kGenerateAc, 4);
    EXPECT_EQ(tight.status, -50);
    EXPECT_EQ(tight.out, "");
}

const vek::test::TextSamples kSamples{{
    {"vek_Tran_ExtractTLV",
     [](char* o, int n) { return VEK(vek_Tran_ExtractTLV)("70", "5F24", nullptr, kRecord1.c_str(), o, n); }, "251231"},
}};

}  // namespace
