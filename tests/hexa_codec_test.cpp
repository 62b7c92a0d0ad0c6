// The hexadecimal codec against the C library's own hexadecimal formatting and
// reading (snprintf "%X", strtoull), on every byte and on random words; the
// line check of fixed-length records against a plain reading of the lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "support/texts.h"
#include "types/hexa_codec.h"
#include "types/hexa_lines.h"

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

// ---------------------------------------------------------------------------
// valid_lines: every kernel this processor runs against a plain line-by-line
// reading, for line lengths around every step width (8, 16, 32, 64), counts
// around its groups of eight, and a fault at every byte of a line.

bool plain_digit(char c) { return c != '\0' && std::strchr("0123456789ABCDEF", c) != nullptr; }

// The number of leading good lines, read one character at a time.
std::size_t plain_valid_lines(const std::string& text, std::size_t count, std::size_t size, std::string_view end) {
    const std::size_t stride = size + end.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view line(text.data() + k * stride, stride);
        for (std::size_t i = 0; i < size; ++i)
            if (!plain_digit(line[i])) return k;
        if (line.substr(size) != end) return k;
    }
    return count;
}

std::vector<hexa::NamedLinesKernel> every_kernel() {
    std::vector<hexa::NamedLinesKernel> kernels(8);
    kernels.resize(hexa::lines_kernels(kernels.data(), kernels.size()));
    return kernels;
}

// The lines in a buffer of exactly their size, so that a read past the last
// line's end is one past the allocation (seen by the sanitizers).
std::size_t run_kernel(hexa::LinesKernel kernel, const std::string& text, std::size_t count, std::size_t size,
                       std::string_view end) {
    const auto exact = std::make_unique<char[]>(text.size());
    std::memcpy(exact.get(), text.data(), text.size());
    return kernel(exact.get(), count, size, end);
}

TEST(HexaCodecLines, EveryKernelFindsTheFirstBadLine) {
    const auto kernels = every_kernel();
    ASSERT_FALSE(kernels.empty());
    EXPECT_EQ(hexa::lines_kernel(), kernels.front().kernel);  // the widest is the one in use
    std::mt19937_64 rng(23);
    const char digits[] = "0123456789ABCDEF";
    // Not digits: neighbours of the ranges, lower case, NUL, CR, LF, bytes above 0x7F.
    const char bad[] = {'/', ':', '@', 'G', 'a', 'f', '\0', '\r', '\n', ' ', static_cast<char>(0x80),
                        static_cast<char>(0xB0), static_cast<char>(0xC6), static_cast<char>(0xFF)};
    for (const std::string_view end : {std::string_view("\r\n"), std::string_view("\n")}) {
        for (std::size_t size = 1; size <= 140; ++size) {
            const std::size_t count = 1 + size % 19;  // 1 to 19 lines: partial and whole groups
            const std::size_t stride = size + end.size();
            std::string text;
            for (std::size_t k = 0; k < count; ++k) {
                for (std::size_t i = 0; i < size; ++i) text += digits[vek::test::random_below(rng, 16)];
                text += end;
            }
            for (const auto& [name, kernel] : kernels) {
                SCOPED_TRACE(std::string(name) + " size " + std::to_string(size));
                ASSERT_EQ(run_kernel(kernel, text, count, size, end), count);
                ASSERT_EQ(kernel(text.data(), 0, size, end), 0u);
                // One fault at every byte of a line (its digits and its end), in a
                // line chosen at random, with a character chosen at random.
                for (std::size_t at = 0; at < stride; ++at) {
                    const std::size_t k = vek::test::random_below(rng, count);
                    std::string faulty = text;
                    char replacement = bad[vek::test::random_below(rng, sizeof bad)];
                    if (at >= size && replacement == end[at - size]) replacement = 'X';  // else no fault
                    faulty[k * stride + at] = replacement;
                    const std::size_t expected = plain_valid_lines(faulty, count, size, end);
                    ASSERT_EQ(expected, k);
                    ASSERT_EQ(run_kernel(kernel, faulty, count, size, end), expected) << "at " << at << " line " << k;
                    // A second fault later changes nothing; one earlier wins.
                    const std::size_t later = k + 1 + vek::test::random_below(rng, count);
                    if (later < count) {
                        faulty[later * stride + vek::test::random_below(rng, size)] = 'g';
                        ASSERT_EQ(run_kernel(kernel, faulty, count, size, end), k);
                    }
                    if (k > 0) {
                        faulty[(k - 1) * stride + vek::test::random_below(rng, size)] = 'g';
                        ASSERT_EQ(run_kernel(kernel, faulty, count, size, end), k - 1);
                    }
                }
            }
        }
    }
}

// Long runs, as a file's read buffer holds them (the kernels count digits in
// bytes of a vector, added up before they could wrap): the first bad line
// found wherever it is, and a clean run taken whole.
TEST(HexaCodecLines, LongRuns) {
    std::mt19937_64 rng(99);
    const char digits[] = "0123456789ABCDEF";
    for (const std::size_t size : {std::size_t{16}, std::size_t{62}, std::size_t{64}, std::size_t{100}}) {
        const std::size_t count = 300000 / (size + 2), stride = size + 2;
        std::string text;
        for (std::size_t k = 0; k < count; ++k) {
            for (std::size_t i = 0; i < size; ++i) text += digits[vek::test::random_below(rng, 16)];
            text += "\r\n";
        }
        for (const auto& [name, kernel] : every_kernel()) {
            SCOPED_TRACE(std::string(name) + " size " + std::to_string(size));
            EXPECT_EQ(run_kernel(kernel, text, count, size, "\r\n"), count);
            for (const std::size_t k : {std::size_t{0}, count / 2, count - 257, count - 1}) {
                for (const std::size_t at : {std::size_t{0}, size - 1, size, size + 1}) {
                    std::string faulty = text;
                    faulty[k * stride + at] = at == size ? '\n' : at == size + 1 ? '\r' : 'g';
                    EXPECT_EQ(run_kernel(kernel, faulty, count, size, "\r\n"), k) << "line " << k << " at " << at;
                }
            }
        }
    }
}

}  // namespace
