// Character arrays: the class, and the exports as a caller sees them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/texts.h"
#include "types/C_ArrayChar.h"

namespace {

using A = C_ArrayChar;
using vek::test::call_text;

const unsigned char kSample[] = {0x00, 0x7F, 0xFF};
const char* const kSampleBits = "000000000111111111111111";

TEST(ArrayChar, ConvertsEveryByteValue) {
    EXPECT_EQ(A(kSample, 3, A::kHexadecimal).GetText(), "007FFF");
    EXPECT_EQ(A(kSample, 3, A::kBinary).GetText(), kSampleBits);
    EXPECT_EQ(A(kSample, 3, A::kBinary).GetSize(), 25);
    std::vector<unsigned char> all(256);
    std::string hexa;
    for (int v = 0; v < 256; ++v) {
        all[static_cast<std::size_t>(v)] = static_cast<unsigned char>(v);
        hexa += "0123456789ABCDEF"[v >> 4];
        hexa += "0123456789ABCDEF"[v & 15];
    }
    EXPECT_EQ(A(all.data(), 256, A::kHexadecimal).GetText(), hexa);
}

TEST(ArrayChar, ChecksInOrder) {
    const std::vector<unsigned char> big(30001, 0xA5);
    EXPECT_THROW(A(kSample, 3, 1), A::xWrongType);
    EXPECT_THROW(A(kSample, 3, 3), A::xWrongType);
    EXPECT_THROW(A(kSample, 3, 4), A::xWrongType);
    EXPECT_THROW(A(kSample, -1, -1), A::xWrongType);   // the type first
    EXPECT_THROW(A(nullptr, 60001, 2), A::xStringTooLong);  // then the length limit
    EXPECT_THROW(A(kSample, 0, 2), A::xEmptyString);
    EXPECT_THROW(A(kSample, -1, 2), A::xInvalidType);
    EXPECT_THROW(A(nullptr, 1, 2), A::xEmptyString);
    EXPECT_THROW(A(big.data(), 30001, A::kHexadecimal), A::xStringTooLong);
    EXPECT_EQ(A(big.data(), 30000, A::kHexadecimal).GetSize(), 60001);
    EXPECT_THROW(A(big.data(), 7501, A::kBinary), A::xStringTooLong);
    EXPECT_EQ(A(big.data(), 7500, A::kBinary).GetSize(), 60001);
    EXPECT_EQ(A::DigitChar(0), '0');
    EXPECT_EQ(A::DigitChar(15), 'F');
    EXPECT_THROW(A::DigitChar(16), A::xWrongValue);
    EXPECT_THROW(A::DigitChar(-1), A::xWrongValue);
}

// A null output buffer cannot be written: -99, not a crash.
TEST(ArrayCharExports, NullOutputIsAnInternalFailure) {
    EXPECT_EQ(VEK(vek_Conv_ArrayCharToHexa)(kSample, 3, nullptr, 64), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_Conv_ArrayCharToBin)(kSample, 3, nullptr, 64), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
}

// Text to bytes and back gives the text again.
TEST(ArrayCharExports, RoundTripWithTheTextToBytesConversions) {
    const std::string hexa = "00017F80FEFF0A1B2C3D4E5F";
    unsigned char bytes[32];
    int count = 0;
    ASSERT_EQ(VEK(vek_Conv_HexaToArrayChar)(hexa.c_str(), bytes, &count), -1);
    auto o = call_text([&](char* out, int n) { return VEK(vek_Conv_ArrayCharToHexa)(bytes, count, out, n); });
    EXPECT_EQ(o.out, hexa);
    const std::string bits = "0000000110000000111111110000000001010101";
    ASSERT_EQ(VEK(vek_Conv_BinToArrayChar)(bits.c_str(), bytes, &count), -1);
    o = call_text([&](char* out, int n) { return VEK(vek_Conv_ArrayCharToBin)(bytes, count, out, n); });
    EXPECT_EQ(o.out, bits);
}

static const vek::test::TextSamples kSamples{{
    {"vek_Conv_ArrayCharToHexa", [](char* o, int n) { return VEK(vek_Conv_ArrayCharToHexa)(kSample, 3, o, n); }, "007FFF"},
    {"vek_Conv_ArrayCharToBin", [](char* o, int n) { return VEK(vek_Conv_ArrayCharToBin)(kSample, 3, o, n); }, kSampleBits},
}};

}  // namespace
