// The hexadecimal codec against the C library's own hexadecimal formatting and
// reading (snprintf "%X", strtoull), on every byte and on random words.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "types/hexa_codec.h"

namespace {

namespace hexa = vek::hexa;

std::string printed(unsigned long long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, value);
    return text;
}

TEST(HexaCodec, EveryCharacterIsADigitExactlyWhenStrtoulReadsItInUpperCase) {
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const char text[2] = {ch, '\0'};
        char* end = nullptr;
        const unsigned long read = std::strtoul(text, &end, 16);
        const bool upper = !(ch >= 'a' && ch <= 'f');
        const bool digit = end == text + 1 && upper;
        EXPECT_EQ(hexa::is_digit(ch), digit) << c;
        EXPECT_EQ(hexa::checked_value(ch), digit ? static_cast<int>(read) : -1) << c;
        if (digit) {
            EXPECT_EQ(hexa::value(ch), read) << c;
        }
    }
}

TEST(HexaCodec, EveryByteBothWays) {
    for (unsigned b = 0; b < 256; ++b) {
        const std::string expected = printed(b, 2);
        char text[2];
        hexa::put_byte(static_cast<std::uint8_t>(b), text);
        EXPECT_EQ(std::string(text, 2), expected);
        EXPECT_EQ(hexa::byte(expected[0], expected[1]), b);
        std::uint8_t back = 0;
        EXPECT_TRUE(hexa::to_bytes(expected, &back));
        EXPECT_EQ(back, b);
    }
}

TEST(HexaCodec, EightAndSixteenDigitsAtATimeMatchTheCLibrary) {
    std::mt19937_64 rng(20261210);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t value = rng();
        const auto low = static_cast<std::uint32_t>(value);
        const std::string eight = printed(low, 8);
        const std::string sixteen = printed(value, 16);
        char text[16];
        hexa::encode8(low, text);
        ASSERT_EQ(std::string(text, 8), eight);
        ASSERT_EQ(hexa::decode8(eight.data()), low);
        hexa::encode16(value, text);
        ASSERT_EQ(std::string(text, 16), sixteen);
        ASSERT_EQ(hexa::decode16(sixteen.data()), std::strtoull(sixteen.c_str(), nullptr, 16));
    }
}

TEST(HexaCodec, BytesToTextAndBack) {
    const std::uint8_t bytes[] = {0x00, 0x9F, 0xA0, 0xFF, 0x5A};
    char text[10];
    hexa::encode(bytes, sizeof bytes, text);
    EXPECT_EQ(std::string(text, 10), "009FA0FF5A");
    std::uint8_t back[3] = {};
    hexa::decode("ABC", back);  // an odd last digit is a high half
    EXPECT_EQ(back[0], 0xAB);
    EXPECT_EQ(back[1], 0xC0);
}

TEST(HexaCodec, ChecksRefuseWhatIsNotAnUpperCaseDigit) {
    std::uint8_t bytes[2];
    EXPECT_FALSE(hexa::to_bytes("0g", bytes));
    EXPECT_FALSE(hexa::to_bytes("ab", bytes));
    EXPECT_FALSE(hexa::to_bytes(std::string("0\0", 2), bytes));
    EXPECT_TRUE(hexa::valid(""));
    EXPECT_TRUE(hexa::valid("0123456789ABCDEF0123456789ABCDEF"));
    EXPECT_FALSE(hexa::valid("0123456789ABCDEF0123456789ABCDEf"));
    EXPECT_FALSE(hexa::valid("0123456789ABCDEF 123456789ABCDEF"));
}

}  // namespace
