// The DC9 exports as a caller sees them (libvek.so, or VEK.dll under wine), beyond
// the cases of tests/data/dc9/*.vec that the one runner runs: the description's
// layout, null pointers, the copy.
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/dc9_data.h"
#include "support/temp_dir.h"

namespace {

namespace dc9 = vek::test::dc9;

constexpr const char* kKey = "2315208C9110AD40";

// The caller's view of the description: four 32-bit integers, the same layout
// in every build (this file is compiled for Linux and for 32-bit Windows).
static_assert(sizeof(FIRDescription) == 16);
static_assert(offsetof(FIRDescription, offset) == 0);
static_assert(offsetof(FIRDescription, markLength) == 4);
static_assert(offsetof(FIRDescription, recordCount) == 8);
static_assert(offsetof(FIRDescription, recordLength) == 12);
static_assert(sizeof(FIRDescription::offset) == 4 && sizeof(FIRDescription::recordLength) == 4);

TEST(DC9Exports, DescriptionLayout) {
    FIRDescription e[2]{};
    const auto* base = reinterpret_cast<const unsigned char*>(&e[0]);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&e[1]) - base, 16);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&e[0].markLength) - base, 4);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&e[0].recordCount) - base, 8);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&e[0].recordLength) - base, 12);
}

// Only the low 8 bits of the code count.
TEST(DC9Exports, SearchKeyCodeLowByte) {
    const std::string path = dc9::fixture("fixed_three_parts.dc9");
    const auto entries = dc9::entries("0 120 2 120, 360 120 2 120, 720 120 2 120");
    std::vector<unsigned char> out(200);
    int size = 200;
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageBySearchKey)(path.c_str(), 3, entries.data(), 0, 0x7F1D,
                                                       "CARD0000000000000000000004", out.data(), &size),
              -1);
    EXPECT_EQ(size, 61);  // 28 prefix bytes, the flag, 32 digits
}

TEST(DC9Exports, NullPointers) {
    const std::string path = dc9::fixture("fixed_three_parts.dc9");
    const auto entries = dc9::entries("0 120 2 120");
    unsigned char out[100];
    int size = 100;
    EXPECT_EQ(VEK(vek_File_DC9InitDescription)(path.c_str(), nullptr, 0, 120, nullptr, nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageByIndex)(path.c_str(), 1, entries.data(), 1, 1, out, nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageByIndex)(path.c_str(), 1, nullptr, 1, 1, out, &size), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    size = 100;
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageByIndex)(path.c_str(), 1, entries.data(), 1, 1, nullptr, &size), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    size = 100;
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageBySearchKey)(path.c_str(), 1, entries.data(), 1, 0x1D, nullptr, out, &size), 0);
    EXPECT_EQ(VEK_STATUS(), -7);  // a null key reads as the empty text
    EXPECT_EQ(VEK(vek_File_DC9ExtractImageByIndex)(nullptr, 1, entries.data(), 1, 1, out, &size), 0);
    EXPECT_EQ(VEK_STATUS(), -4);
    // A marker length with no marker.
    short firCount = 1;
    EXPECT_EQ(VEK(vek_File_DC9InitDescription)(path.c_str(), nullptr, 2, 0, &firCount, nullptr), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
}

struct CopyCase {
    const char* name;
    short mode;
    const char* key;
    short status;
};

// The copy's checks, in order, on the fixtures.
TEST(DC9Exports, CopyStatusCodes) {
    const CopyCase cases[] = {
        {"marker_three_parts.dc9", 2, "", -1},               // the mode before the key
        {"marker_three_parts.dc9", -1, kKey, -1},
        {"marker_three_parts.dc9", 1, "", -3},
        {"marker_three_parts.dc9", 1, "2315208c9110ad40", -3},
        {"marker_three_parts.dc9", 1, "2315208C9110AD4", -2},
        {"marker_three_parts.dc9", 0, "2315208C9110AD4000", -2},
        {"missing.dc9", 1, kKey, -4},
        {"short_image.dc9", 1, kKey, -7},                    // image data of 29 bytes
        {"odd_digits.dc9", 1, kKey, -7},                     // 20 digits
        {"lower_case_digits.dc9", 1, kKey, -3},
        {"open_image.dc9", 1, kKey, -99},                    // no "#END#": no code of its own
    };
    for (const auto& c : cases) {
        const vek::test::TempDir dir;
        const std::string source = dc9::fixture(c.name);
        std::vector<FIRDescription> entries(2);
        short firCount = 2;
        VEK(vek_File_DC9InitDescription)(source.c_str(), reinterpret_cast<const unsigned char*>("\r\n"), 2, 0,
                                         &firCount, entries.data());
        const std::string target = dir.file("copy");
        EXPECT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(source.c_str(), 1, entries.data(), target.c_str(),
                                                             c.mode, c.key),
                  0)
            << c.name << " " << c.key;
        EXPECT_EQ(VEK_STATUS(), c.status) << c.name << " " << c.key;
    }
    const std::string longKey(60001, 'A');
    EXPECT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)("x", 1, nullptr, "y", 1, longKey.c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
}

// A copy of no parts is refused, as the extractions refuse such counts, before
// any file is created.
TEST(DC9Exports, CopyOfNoPartsIsRefused) {
    const vek::test::TempDir dir;
    const std::string source = dc9::fixture("marker_three_parts.dc9");
    const auto entries = dc9::entries("0 16 2 61, 138 16 2 61, 276 16 2 61");
    const std::string target = dir.file("copy");
    for (const short firCount : {short{0}, short{-1}, short{-32768}}) {
        EXPECT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(source.c_str(), firCount, entries.data(), target.c_str(),
                                                             1, kKey),
                  0)
            << firCount;
        EXPECT_EQ(VEK_STATUS(), -1) << firCount;
        EXPECT_FALSE(std::filesystem::exists(target)) << firCount;
    }
    // The mode and the key are looked at first.
    EXPECT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(source.c_str(), 0, entries.data(), target.c_str(), 1, "12"), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
}

TEST(DC9Exports, EncryptedCopyAndBack) {
    const vek::test::TempDir dir;
    const std::string source = dc9::fixture("marker_three_parts.dc9");
    std::vector<FIRDescription> entries(3);
    short firCount = 3;
    ASSERT_EQ(VEK(vek_File_DC9InitDescription)(source.c_str(), reinterpret_cast<const unsigned char*>("\r\n"), 2, 0,
                                               &firCount, entries.data()),
              -1);
    const std::string encrypted = dir.file("encrypted");
    ASSERT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(source.c_str(), 3, entries.data(), encrypted.c_str(), 1, kKey),
              -1);
    EXPECT_EQ(VEK_STATUS(), 0);
    EXPECT_EQ(vek::test::read_file(encrypted), vek::test::read_file(dc9::fixture("marker_three_parts.encrypted")));
    // The engine keeps the key: vek_Tran_CalDES_Fast encrypts with it.
    char block[17];
    ASSERT_EQ(VEK(vek_Tran_CalDES_Fast)("4E6F772069732074", 1, 0, block, 17), -1);
    char expected[17];
    ASSERT_EQ(VEK(vek_Tran_DecryptOrEncryptImage)("4E6F772069732074", 1, kKey, expected, 17), -1);
    EXPECT_STREQ(block, expected);

    // The copy again: the target now has content and is kept.
    const std::string before = vek::test::read_file(encrypted);
    EXPECT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(source.c_str(), 3, entries.data(), encrypted.c_str(), 1, kKey),
              0);
    EXPECT_EQ(VEK_STATUS(), -6);
    EXPECT_EQ(vek::test::read_file(encrypted), before);

    const std::string decrypted = dir.file("decrypted");
    ASSERT_EQ(VEK(vek_File_DC9DecryptOrEncryptImageFile)(encrypted.c_str(), 3, entries.data(), decrypted.c_str(), 0, kKey),
              -1);
    EXPECT_EQ(vek::test::read_file(decrypted), vek::test::read_file(source));

    // Images found in the encrypted copy read as encrypted ('1' at byte 28).
    unsigned char out[200];
    int size = 200;
    ASSERT_EQ(VEK(vek_File_DC9ExtractImageByIndex)(encrypted.c_str(), 3, entries.data(), 2, 1, out, &size), -1);
    EXPECT_EQ(out[28], '1');
}

}  // namespace
