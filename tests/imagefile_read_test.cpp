// Image files read and searched, beyond the cases of tests/data/imagefile.vec
// that the one runner runs on the fixtures of tests/data/images/: searches in
// encrypted files against published DES answers, scans of files several read
// buffers long with bad records where the buffer runs out, files that change
// between calls, and files beyond 2 GiB.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/record_faults.h"
#include "support/temp_dir.h"
#include "support/texts.h"
#include "support/vectors.h"

namespace {

using vek::test::call_text;
using vek::test::des_answers;
using vek::test::record_faults;
using vek::test::RecordFault;
using vek::test::Outcome;
using vek::test::TempDir;
using vek::test::write_file;

constexpr int kLarge = 300000;

std::string fixture(const std::string& name) { return std::string(VEK_TEST_DATA) + "/images/" + name; }

// A null pointer for the count cannot be written: an internal failure, not a crash.
TEST(ImageFileCount, NullCountIsRefused) {
    const std::string path = fixture("repeated-values.img");
    const auto got = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldNonSeqGetNb)(path.c_str(), 1, 1, "3333", "", o, n, nullptr);
    });
    EXPECT_EQ(got.result, 0);
    EXPECT_EQ(got.status, -99);
    EXPECT_EQ(got.out, "");
}

// ---------------------------------------------------------------------------
// Encrypted records: the published single-DES answers under one key (NIST SP
// 800-17, variable plaintext, key 01..01) make records of two blocks each.

// Records "serial (8 decimal digits) + 8 digits + one published block", stored
// encrypted: the serial block's cipher is computed by the library itself, so
// the searches are checked on the published block, which must come back plain.
TEST(ImageFileEncrypted, SearchesDecryptWithTheKey) {
    const auto pairs = des_answers("0101010101010101");
    ASSERT_GE(pairs.size(), 4u);
    const std::string key = "0101010101010101";
    TempDir dir;
    const std::string plainPath = dir.file("plain.img");
    const std::string encryptedPath = dir.file("encrypted.img");
    std::string plain = "JOB 7\r\n";
    std::string expectedCipherTail;
    for (std::size_t i = 0; i < 4; ++i) plain += "0000500" + std::to_string(i) + "FFFFFFFF" + pairs[i].plain + "\r\n";
    write_file(plainPath, plain);
    ASSERT_EQ(VEK(vek_File_DecryptOrEncryptImageFile)(plainPath.c_str(), encryptedPath.c_str(), 1, 1, key.c_str(), ""),
              -1);

    // The second block of every stored record is the published cipher block.
    for (std::size_t i = 0; i < 4; ++i) {
        const auto stored = call_text([&](char* o, int n) {
            return VEK(vek_File_ExtractImageByIndex)(encryptedPath.c_str(), static_cast<int>(i + 1), 1, o, n);
        });
        ASSERT_EQ(stored.out.size(), 32u);
        EXPECT_EQ(stored.out.substr(16), pairs[i].cipher);
    }
    const std::string third = "00005002FFFFFFFF" + pairs[2].plain;
    const auto byDec = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByDecField)(encryptedPath.c_str(), 1, 1, "00005002", key.c_str(), o, n);
    });
    EXPECT_EQ(byDec.status, 0);
    EXPECT_EQ(byDec.out, third);
    const auto byHexa = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByHexaField)(encryptedPath.c_str(), 1, 1, "00005002", key.c_str(), o, n);
    });
    EXPECT_EQ(byHexa.out, third);
    // The scans compare a field in the second block, decrypted.
    const std::string field = pairs[3].plain.substr(0, 4);
    const auto scan = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(encryptedPath.c_str(), 1, 17, field.c_str(), key.c_str(),
                                                                 o, n);
    });
    EXPECT_EQ(scan.out, "00005003FFFFFFFF" + pairs[3].plain);
    int count = -1;
    const auto counted = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldNonSeqGetNb)(encryptedPath.c_str(), 1, 9, "FFFFFFFF", key.c_str(), o, n,
                                                            &count);
    });
    EXPECT_EQ(counted.status, -4);
    EXPECT_EQ(count, 4);
    // Plain fields are not found in the stored text without the key.
    const auto noKey = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(encryptedPath.c_str(), 1, 17, field.c_str(), "", o, n);
    });
    EXPECT_EQ(noKey.status, -3);
    // The key stays loaded in the engine for vek_Tran_CalDES_Fast.
    const auto fast = call_text([&](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)(pairs[0].plain.c_str(), 1, 0, o, n); });
    EXPECT_EQ(fast.out, pairs[0].cipher);
}

// ---------------------------------------------------------------------------
// Scans of files several read buffers long. The scans read the records many at
// a time from a buffer of 256 KiB, refilled as it runs out; a bad record at
// any place around the refills must end the scan there exactly as a reading
// line by line does (-99, the count unwritten), while a value in a record
// before it is still found and the first-match scan never reaches it.

constexpr std::int64_t kReadBuffer = 256 * 1024;
constexpr int kUnwritten = -12345;

// Records of `digits` digits: an 8-digit decimal serial from 10000000 on, then
// random digits; after a header line when `header` is set.
struct ScanFile final {
    std::string text;
    std::vector<std::string> records;
    std::size_t headerEnd = 0;
    std::size_t stride = 0;
    std::size_t Offset(std::size_t k) const { return headerEnd + k * stride; }
};

ScanFile scan_file(std::size_t digits, std::size_t count, bool header) {
    std::mt19937_64 rng(digits * 31 + count);
    ScanFile f;
    if (header) f.text = "LOT 5/SCAN\r\n";
    f.headerEnd = f.text.size();
    f.stride = digits + 2;
    for (std::size_t k = 0; k < count; ++k) {
        f.records.push_back(std::to_string(10000000 + k) + vek::test::random_hexa(rng, digits - 8));
        f.text += f.records.back() + "\r\n";
    }
    return f;
}

// Overwrites the bytes at `offset` of the file with `bytes`.
void patch(const std::string& path, std::size_t offset, const std::string& bytes) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Outcome count_scan(const std::string& path, short header, const std::string& value, int& count) {
    count = kUnwritten;
    return call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldNonSeqGetNb)(path.c_str(), header, 1, value.c_str(), "", o, n, &count);
    });
}

Outcome first_scan(const std::string& path, short header, const std::string& value) {
    return call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(path.c_str(), header, 1, value.c_str(), "", o, n);
    });
}

TEST(ImageFileScanBuffers, BadRecordsWhereTheBufferRunsOut) {
    TempDir dir;
    const std::string path = dir.file("scan.img");
    for (const std::size_t digits : {std::size_t{16}, std::size_t{30}, std::size_t{64}}) {
        for (const bool header : {false, true}) {
            const std::size_t count = static_cast<std::size_t>(3 * kReadBuffer) / (digits + 2) + 20;
            const ScanFile f = scan_file(digits, count, header);
            const auto h = static_cast<short>(header);
            write_file(path, f.text);
            int n = 0;
            const auto whole = count_scan(path, h, f.records.back().substr(0, 8), n);
            ASSERT_EQ(whole.status, 0);
            EXPECT_EQ(whole.out, f.records.back());
            EXPECT_EQ(n, 1);

            std::vector<RecordFault> faults = record_faults(digits);
            faults.push_back({"CR LF early", digits - 2, "\r\n"});
            // The records around the first three refills: each refill starts at
            // the record that did not fit whole, so the window widens by one a refill.
            for (std::size_t j = 1; j <= 3; ++j) {
                const std::size_t near = (static_cast<std::size_t>(j * kReadBuffer) - f.headerEnd) / f.stride;
                for (std::size_t k = near - j - 1; k <= near + 1; ++k) {
                    for (const RecordFault& fault : faults) {
                        SCOPED_TRACE(std::to_string(digits) + " digits, header " + std::to_string(header) +
                                     ", record " + std::to_string(k) + ": " + fault.name);
                        patch(path, f.Offset(k) + fault.at, fault.bytes);
                        const auto counted = count_scan(path, h, f.records[0].substr(0, 8), n);
                        EXPECT_EQ(counted.result, 0);
                        EXPECT_EQ(counted.status, -99);
                        EXPECT_EQ(n, kUnwritten);
                        const auto before = first_scan(path, h, f.records[k - 1].substr(0, 8));
                        EXPECT_EQ(before.status, 0);
                        EXPECT_EQ(before.out, f.records[k - 1]);
                        const auto after = first_scan(path, h, f.records[k + 1].substr(0, 8));
                        EXPECT_EQ(after.status, -99);
                        patch(path, f.Offset(k), f.text.substr(f.Offset(k), f.stride));  // restored
                    }
                }
            }
        }
    }
}

// Every call reads the file as it is then: records appended, a file cut back,
// a last record cut short (not a whole stride: not counted), a record changed.
TEST(ImageFileScanBuffers, FilesThatChangeBetweenCalls) {
    TempDir dir;
    const std::string path = dir.file("growing.img");
    const ScanFile f = scan_file(64, static_cast<std::size_t>(kReadBuffer) / 66 * 2 + 7, true);
    const std::string last = f.records.back().substr(0, 8);
    const std::string firstHalf = f.text.substr(0, f.Offset(f.records.size() / 2));
    write_file(path, firstHalf);
    int n = 0;
    EXPECT_EQ(count_scan(path, 1, last, n).status, -3);
    EXPECT_EQ(n, 0);
    write_file(path, f.text);
    EXPECT_EQ(count_scan(path, 1, last, n).out, f.records.back());
    EXPECT_EQ(n, 1);
    // The serials 1000xxxx all match "1000": every record counted, the whole file read.
    EXPECT_EQ(count_scan(path, 1, "1000", n).status, -4);
    EXPECT_EQ(n, static_cast<int>(f.records.size()));
    write_file(path, f.text + f.records[3]);  // a record without its line end: less than a stride
    EXPECT_EQ(count_scan(path, 1, "1000", n).status, -4);
    EXPECT_EQ(n, static_cast<int>(f.records.size()));
    write_file(path, f.text + f.records[3] + "\r\n");
    EXPECT_EQ(count_scan(path, 1, "1000", n).status, -4);
    EXPECT_EQ(n, static_cast<int>(f.records.size()) + 1);
    std::filesystem::resize_file(path, f.Offset(100) + 10);  // cut inside record 100
    EXPECT_EQ(count_scan(path, 1, "1000", n).status, -4);
    EXPECT_EQ(n, 100);
    EXPECT_EQ(count_scan(path, 1, f.records[99].substr(0, 8), n).out, f.records[99]);
    patch(path, f.Offset(99) + 20, "x");
    EXPECT_EQ(count_scan(path, 1, f.records[99].substr(0, 8), n).status, -99);
}

// ---------------------------------------------------------------------------
// Files beyond 2 GiB and beyond 4 GiB (sparse: cheap to make): record 0 at the
// start, the last record past 2^31 or 2^32 bytes (beyond a signed or an
// unsigned 32-bit offset), zeros between them but for the line end before it.

class ImageFileLarge : public ::testing::TestWithParam<int> {};

TEST_P(ImageFileLarge, RecordsBeyondTheOffsetBits) {
    TempDir dir;
    const std::string path = dir.file("large.img");
    const std::string header = "LOT 99";
    const std::int64_t stride = 18;  // 16 digits and CR LF
    const std::int64_t headerEnd = static_cast<std::int64_t>(header.size()) + 2;
    const std::int64_t last = (std::int64_t{1} << GetParam()) / stride + 1000;  // the last record's index
    ASSERT_GT(headerEnd + last * stride, std::int64_t{1} << GetParam());
    write_file(path, header + "\r\n0000000000000000\r\n");
    std::error_code error;
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(headerEnd + last * stride - 2), error);
    if (error) GTEST_SKIP() << "no sparse file here: " << error.message();
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << "\r\n00000000" << std::hex << std::uppercase;
        out.width(8);
        out.fill('0');
        out << last << "\r\n";
    }
    ASSERT_EQ(std::filesystem::file_size(path), static_cast<std::uintmax_t>(headerEnd + (last + 1) * stride));
    char lastText[17];
    std::snprintf(lastText, sizeof lastText, "00000000%08llX", static_cast<unsigned long long>(last));

    const auto byIndex = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByIndex)(path.c_str(), static_cast<int>(last + 1), 1, o, n);
    });
    EXPECT_EQ(byIndex.out, lastText);
    const auto lastOne = call_text([&](char* o, int n) { return VEK(vek_File_ExtractImageByIndex)(path.c_str(), -2, 1, o, n); });
    EXPECT_EQ(lastOne.out, lastText);
    // The sequential search computes the last record's offset from its value.
    const auto found = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByHexaField)(path.c_str(), 1, 1, lastText, "", o, n);
    });
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, lastText);
    // The zeros in between are no records.
    const auto middle = call_text([&](char* o, int n) { return VEK(vek_File_ExtractImageByIndex)(path.c_str(), 1000, 1, o, n); });
    EXPECT_EQ(middle.status, -5);
    const auto between = call_text([&](char* o, int n) {
        return VEK(vek_File_ExtractImageByHexaField)(path.c_str(), 1, 1, "0000000000000100", "", o, n);
    });
    EXPECT_EQ(between.status, -4);
}

INSTANTIATE_TEST_SUITE_P(ImageFile, ImageFileLarge, ::testing::Values(31, 32),
                         [](const ::testing::TestParamInfo<int>& p) { return "Beyond2To" + std::to_string(p.param); });

static const vek::test::TextSamples kSamples{{
    {"vek_File_ExtractImageByIndex",
     [](char* o, int n) {
         return VEK(vek_File_ExtractImageByIndex)(fixture("worked-example.img").c_str(), 2, 1, o, n);
     },
     "00001001B1C2D3E4F5061728"},
    {"vek_File_ExtractImageByDecField",
     [](char* o, int n) {
         return VEK(vek_File_ExtractImageByDecField)(fixture("worked-example.img").c_str(), 1, 1, "00001001", "", o, n);
     },
     "00001001B1C2D3E4F5061728"},
    {"vek_File_ExtractImageByFieldWithNonSeqSearch",
     [](char* o, int n) {
         return VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(fixture("worked-example.img").c_str(), 1, 9, "B1C2",
                                                                  "", o, n);
     },
     "00001001B1C2D3E4F5061728"},
}};

}  // namespace
