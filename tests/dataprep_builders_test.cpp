// Data preparation, the builders: one BER-TLV element and one data grouping
// (DGI) from a tag and a value. Expected lengths are written here with
// printf-style formatting; TLV elements are read back through the library's
// TLV extraction, DGIs through a reader written here.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "support/texts.h"
#include "types/C_DGI.h"
#include "types/C_StringHexa.h"
#include "types/C_TLVElement.h"
#include "types/tlv.h"

namespace {

using vek::test::random_hexa;
using S = C_StringType;

std::string hex_of(unsigned long long value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*llX", digits, value);
    return text;
}

// The length field that BER's shortest definite form gives `bytes`.
std::string ber_length(std::size_t bytes) {
    if (bytes < 128) return hex_of(bytes, 2);
    if (bytes < 256) return "81" + hex_of(bytes, 2);
    if (bytes < 65536) return "82" + hex_of(bytes, 4);
    if (bytes < 16777216) return "83" + hex_of(bytes, 6);
    return "84" + hex_of(bytes, 8);
}

template <class F>
std::string raised(F&& f) {
    try {
        f();
        return "";
    } catch (const C_TLVElement::xInvalidTag&) {
        return "tag";
    } catch (const C_TLVElement::xInvalidValue&) {
        return "value";
    } catch (const C_DGI::xInvalidDGI&) {
        return "dgi";
    } catch (const C_DGI::xInvalidValue&) {
        return "value";
    } catch (...) {
        return "other";
    }
}

// ---------------------------------------------------------------------------
// TLV elements.

TEST(TLVElement, KnownElements) {
    // The application PAN of an EMV record, and an empty value.
    EXPECT_EQ(C_TLVElement("5A", "4761739001010010").GetValue(), "5A084761739001010010");
    EXPECT_EQ(C_TLVElement("9F36", "").GetValue(), "9F3600");
    EXPECT_EQ(C_TLVElement("DF818101", "01").GetValue(), "DF8181010101");
}

TEST(TLVElement, LengthInItsShortestForm) {
    std::mt19937_64 rng(1);
    for (const std::size_t bytes : {0u, 1u, 127u, 128u, 200u, 255u, 256u, 4096u, 29999u, 30000u}) {
        const std::string value = random_hexa(rng, 2 * bytes);
        EXPECT_EQ(C_TLVElement("70", value).GetValue(), "70" + ber_length(bytes) + value) << bytes;
    }
}

TEST(TLVElement, WriteLengthIsReadBack) {
    for (const std::size_t length : {0u, 1u, 127u, 128u, 255u, 256u, 65535u, 65536u, 16777215u, 16777216u, 0x7FFFFFFFu}) {
        std::uint8_t field[1 + vek::tlv::kMaxLengthBytes];
        const std::size_t size = vek::tlv::WriteLength(length, field);
        std::string text;
        for (std::size_t i = 0; i < size; ++i) text += hex_of(field[i], 2);
        EXPECT_EQ(text, ber_length(length));
        std::size_t fieldBytes = 0, value = 0;
        ASSERT_EQ(vek::tlv::ReadLength(field, size, &fieldBytes, &value), vek::tlv::kFound);
        EXPECT_EQ(fieldBytes, size);
        EXPECT_EQ(value, length);
    }
}

TEST(TLVElement, ReadsBackThroughTheExtraction) {
    std::mt19937_64 rng(2);
    for (const std::string tag : {"5A", "9F36", "5F2D", "BF0C", "70", "DF01", "01"})
        for (const std::size_t bytes : {1u, 2u, 127u, 128u, 255u, 256u, 1000u, 29995u}) {
            const std::string value = random_hexa(rng, 2 * bytes);
            const std::string element = C_TLVElement(tag, value).GetValue();
            const C_StringHexa data(element, S::kHexadecimal);
            EXPECT_EQ(data.ExtractTLV(C_StringHexa(tag, S::kHexadecimal), C_StringHexa(), C_StringHexa()).GetValue(), value)
                << tag << " " << bytes;
        }
    // Nested: an element whose value is itself elements.
    const std::string inner = C_TLVElement("5A", "4761739001010010").GetValue() + C_TLVElement("5F24", "251231").GetValue();
    const C_StringHexa record(C_TLVElement("70", inner).GetValue(), S::kHexadecimal);
    EXPECT_EQ(record.ExtractTLV(C_StringHexa("70", S::kHexadecimal), C_StringHexa("5F24", S::kHexadecimal), C_StringHexa())
                  .GetValue(),
              "251231");
}

struct TagCase {
    std::string tag;
    bool wellFormed;
};
std::ostream& operator<<(std::ostream& os, const TagCase& c) { return os << "'" << c.tag << "'"; }
class TLVTags : public ::testing::TestWithParam<TagCase> {};
TEST_P(TLVTags, WellFormedOrRefused) {
    EXPECT_EQ(raised([] { C_TLVElement e(GetParam().tag, "01"); }), GetParam().wellFormed ? "" : "tag");
}
INSTANTIATE_TEST_SUITE_P(
    Ber, TLVTags,
    ::testing::Values(TagCase{"5A", true}, TagCase{"9F36", true}, TagCase{"5F2D", true}, TagCase{"BF0C", true},
                      TagCase{"DF8101", true}, TagCase{"DF818101", true}, TagCase{"7F4E", true}, TagCase{"00", true},
                      TagCase{"", false},           // empty
                      TagCase{"5", false},          // half a byte
                      TagCase{"9F3", false},        // odd
                      TagCase{"9f36", false},       // lower case
                      TagCase{"ZZ", false},         // not hexadecimal
                      TagCase{"9F", false},         // a first byte that announces more, alone
                      TagCase{"1F", false},
                      TagCase{"9F81", false},       // the last byte still announces more
                      TagCase{"DF818181", false},   // four bytes that never end
                      TagCase{"5A01", false},       // a one-byte tag and a byte more
                      TagCase{"9F3601", false},     // a two-byte tag and a byte more
                      TagCase{"DF81818101", false}  // five bytes
                      ));

TEST(TLVElement, ValueRefusals) {
    EXPECT_EQ(raised([] { C_TLVElement e("5A", "ABC"); }), "value");
    EXPECT_EQ(raised([] { C_TLVElement e("5A", "ab"); }), "value");
    EXPECT_EQ(raised([] { C_TLVElement e("5A", std::string(60002, '0')); }), "value");
    EXPECT_EQ(raised([] { C_TLVElement e("5A", std::string(60000, '0')); }), "");
    EXPECT_EQ(raised([] { C_TLVElement e("9F", "ABC"); }), "tag");  // the tag is checked first
}

// ---------------------------------------------------------------------------
// Data groupings.

// Reads one DGI back: the DGI, the length (one byte, or FF and two bytes) and
// the value, which must fill the rest exactly.
bool read_dgi(const std::string& text, std::string& dgi, std::string& value) {
    if (text.size() < 6) return false;
    dgi = text.substr(0, 4);
    std::size_t at = 6;
    unsigned long length = std::stoul(text.substr(4, 2), nullptr, 16);
    if (length == 0xFF) {
        if (text.size() < 10) return false;
        length = std::stoul(text.substr(6, 4), nullptr, 16);
        at = 10;
    }
    value = text.substr(at);
    return value.size() == 2 * length;
}

TEST(DGI, LengthFormsAndReadBack) {
    std::mt19937_64 rng(3);
    for (const std::size_t bytes : {0u, 1u, 127u, 128u, 254u, 255u, 256u, 4096u, 30000u}) {
        const std::string value = random_hexa(rng, 2 * bytes);
        const std::string built = C_DGI("8010", value).GetValue();
        const std::string length = bytes < 255 ? hex_of(bytes, 2) : "FF" + hex_of(bytes, 4);
        EXPECT_EQ(built, "8010" + length + value) << bytes;
        std::string dgi, back;
        ASSERT_TRUE(read_dgi(built, dgi, back)) << bytes;
        EXPECT_EQ(dgi, "8010");
        EXPECT_EQ(back, value);
    }
}

TEST(DGI, HoldsARecordOfTLVElements) {
    const std::string record =
        C_TLVElement("70", C_TLVElement("5A", "4761739001010010").GetValue() + C_TLVElement("5F24", "251231").GetValue())
            .GetValue();
    // 5A 08 and 8 bytes, 5F24 03 and 3 bytes: 16 bytes inside 70, 18 in the DGI.
    EXPECT_EQ(record, "70105A0847617390010100105F2403251231");
    EXPECT_EQ(C_DGI("0101", record).GetValue(), "010112" + record);
}

TEST(DGI, Refusals) {
    for (const std::string dgi : {"", "101", "01010", "010g", "0x01"})
        EXPECT_EQ(raised([&] { C_DGI d(dgi, "ABC"); }), "dgi") << dgi;
    EXPECT_EQ(raised([] { C_DGI d("0101", "ABC"); }), "value");
    EXPECT_EQ(raised([] { C_DGI d("0101", "0a"); }), "value");
    EXPECT_EQ(raised([] { C_DGI d("0101", std::string(60002, 'F')); }), "value");
    EXPECT_EQ(raised([] { C_DGI d("FFFF", ""); }), "");
}

}  // namespace
