// Image files written: the header line, appended records, and whole files
// encrypted or decrypted into a second file, as a caller sees them. The bytes
// written are compared exactly (CR LF line ends on every platform); the cipher
// text comes from published single-DES answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
using vek::test::DesAnswer;
using vek::test::read_file;
using vek::test::TempDir;
using vek::test::write_file;

std::string fixture(const std::string& name) { return std::string(VEK_TEST_DATA) + "/images/" + name; }
bool exists(const std::string& path) { return std::filesystem::exists(path); }

short header(const std::string& path, const char* text) {
    return VEK(vek_File_AppendImageFileHeader)(path.c_str(), text);
}
short append(const std::string& path, const char* image) { return VEK(vek_File_AppendImage)(path.c_str(), image); }
short crypt(const std::string& in, const std::string& out, short hasHeader, short mode, const char* key,
            const char* newHeader = nullptr) {
    return VEK(vek_File_DecryptOrEncryptImageFile)(in.c_str(), out.c_str(), hasHeader, mode, key, newHeader);
}

// ---------------------------------------------------------------------------
// Building a file line by line.

TEST(ImageFileWrite, HeaderStartsANewFileOnce) {
    TempDir dir;
    const std::string path = dir.file("batch.img");
    EXPECT_EQ(header(path, "  LOT 17/"), -1);
    EXPECT_EQ(read_file(path), "LOT 17\r\n");
    EXPECT_EQ(header(path, "LOT 18"), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(read_file(path), "LOT 17\r\n");

    // An empty file counts as new; an empty header is an empty first line.
    const std::string empty = dir.file("empty.img");
    write_file(empty, "");
    EXPECT_EQ(header(empty, ""), -1);
    EXPECT_EQ(read_file(empty), "\r\n");
}

TEST(ImageFileWrite, HeaderFailures) {
    TempDir dir;
    const std::string path = dir.file("batch.img");
    EXPECT_EQ(header(path, "NAME"), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_FALSE(exists(path));  // parsed before the file is opened
    // A line end inside the header would make two lines of it.
    EXPECT_EQ(header(path, "LOT 1\r\n00AB"), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(header(path, "LOT 1\nX 2"), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_FALSE(exists(path));
    EXPECT_EQ(header(dir.path().string(), "LOT 1"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(header(dir.file("no/such/dir.img"), "LOT 1"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(VEK(vek_File_AppendImageFileHeader)(nullptr, "LOT 1"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
}

TEST(ImageFileWrite, AppendedRecordsAreLinesAtTheEnd) {
    TempDir dir;
    const std::string path = dir.file("batch.img");
    ASSERT_EQ(header(path, "LOT 17/COUNT 3"), -1);
    const char* const records[] = {"00001000A1B2C3D4E5F60718", "00001001B1C2D3E4F5061728", "0000100299AABBCCDDEEFF00"};
    for (const char* r : records) ASSERT_EQ(append(path, r), -1);
    EXPECT_EQ(std::filesystem::file_size(path), 14u + 2 + 3 * 26);
    EXPECT_EQ(read_file(fixture("worked-example.img")), read_file(path));
    const auto third = call_text([&](char* o, int n) { return VEK(vek_File_ExtractImageByIndex)(path.c_str(), 3, 1, o, n); });
    EXPECT_EQ(third.out, records[2]);

    // A missing file is created; nothing compares record lengths.
    const std::string other = dir.file("other.img");
    EXPECT_EQ(append(other, "0A"), -1);
    EXPECT_EQ(append(other, "0123456789"), -1);
    EXPECT_EQ(read_file(other), "0A\r\n0123456789\r\n");
}

// A last line without its line end is completed before the record is
// appended: no byte of it changes, and the record starts a line of its own. A
// lone CR gets its LF; a lone LF already ends the line.
TEST(ImageFileWrite, AppendCompletesTheLastLine) {
    struct Case final {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"", "00AB\r\n"},
        {"0A\r\n", "0A\r\n00AB\r\n"},
        {"0A", "0A\r\n00AB\r\n"},
        {"0A\r", "0A\r\n00AB\r\n"},
        {"0A\n", "0A\n00AB\r\n"},
        {"LOT 17", "LOT 17\r\n00AB\r\n"},  // a header-only file's header stays whole
        {"0A\r\n0B", "0A\r\n0B\r\n00AB\r\n"},
        {std::string("0A\0", 3), std::string("0A\0\r\n00AB\r\n", 11)},
    };
    TempDir dir;
    int i = 0;
    for (const Case& c : cases) {
        const std::string path = dir.file("batch" + std::to_string(i++) + ".img");
        write_file(path, c.before);
        EXPECT_EQ(append(path, "00AB"), -1) << c.before;
        EXPECT_EQ(read_file(path), c.after) << c.before;
    }
    // The records before stay readable by their index.
    const std::string path = dir.file("records.img");
    write_file(path, "00001000A1B2\r\n00001001B1C2");
    ASSERT_EQ(append(path, "00001002C1D2"), -1);
    const char* const expected[] = {"00001000A1B2", "00001001B1C2", "00001002C1D2"};
    for (int index = 1; index <= 3; ++index) {
        const auto r = call_text([&](char* o, int n) { return VEK(vek_File_ExtractImageByIndex)(path.c_str(), index, 0, o, n); });
        EXPECT_EQ(r.out, expected[index - 1]);
    }
}

TEST(ImageFileWrite, AppendFailuresWriteNothing) {
    TempDir dir;
    const std::string path = dir.file("batch.img");
    EXPECT_EQ(append(path, "00ab"), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(append(path, ""), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(append(path, std::string(60001, '0').c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_FALSE(exists(path));
    EXPECT_EQ(append(dir.path().string(), "00"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(append(path, std::string(60000, 'F').c_str()), -1);
    EXPECT_EQ(std::filesystem::file_size(path), 60002u);
}

// ---------------------------------------------------------------------------
// Whole files, encrypted and decrypted: records of published plaintext blocks
// under one key, whose cipher blocks are published too.

struct Batch final {
    std::string plain;      // the source file
    std::string encrypted;  // what encryption must write
};

Batch published_batch(const std::string& headerLine) {
    const std::vector<DesAnswer> pairs = des_answers("0101010101010101");
    Batch b{headerLine.empty() ? "" : headerLine + "\r\n", headerLine.empty() ? "" : headerLine + "\r\n"};
    for (std::size_t i = 0; i + 1 < pairs.size() && i < 16; i += 2) {
        b.plain += pairs[i].plain + pairs[i + 1].plain + "\r\n";
        b.encrypted += pairs[i].cipher + pairs[i + 1].cipher + "\r\n";
    }
    return b;
}

constexpr const char* kKey = "0101010101010101";

TEST(ImageFileCrypt, EncryptsEveryRecordAndCopiesTheHeader) {
    TempDir dir;
    const Batch b = published_batch("LOT 17/TYPE TEST A");
    write_file(dir.file("plain.img"), b.plain);
    ASSERT_EQ(crypt(dir.file("plain.img"), dir.file("enc.img"), 1, 1, kKey), -1);
    EXPECT_EQ(read_file(dir.file("enc.img")), b.encrypted);
    ASSERT_EQ(crypt(dir.file("enc.img"), dir.file("dec.img"), 1, 0, kKey, ""), -1);
    EXPECT_EQ(read_file(dir.file("dec.img")), b.plain);
}

TEST(ImageFileCrypt, TheHeaderLine) {
    TempDir dir;
    const Batch with = published_batch("LOT 17");
    const Batch without = published_batch("");
    const std::string records = without.encrypted;
    write_file(dir.file("with.img"), with.plain);
    write_file(dir.file("without.img"), without.plain);

    ASSERT_EQ(crypt(dir.file("with.img"), dir.file("a.img"), 1, 1, kKey, "  LOT 18/ "), -1);
    EXPECT_EQ(read_file(dir.file("a.img")), "LOT 18\r\n" + records);
    ASSERT_EQ(crypt(dir.file("without.img"), dir.file("b.img"), 0, 1, kKey, "LOT 19"), -1);
    EXPECT_EQ(read_file(dir.file("b.img")), "LOT 19\r\n" + records);
    ASSERT_EQ(crypt(dir.file("without.img"), dir.file("c.img"), 0, 1, kKey), -1);
    EXPECT_EQ(read_file(dir.file("c.img")), records);

    // A header line of up to 60000 characters is copied as it stands, not parsed.
    const std::string longHeader(60000, '/');
    write_file(dir.file("long.img"), longHeader + "\r\n" + without.plain);
    ASSERT_EQ(crypt(dir.file("long.img"), dir.file("d.img"), 1, 1, kKey), -1);
    EXPECT_EQ(read_file(dir.file("d.img")), longHeader + "\r\n" + records);
}

// A header line that no image file holds (longer than 60000 characters, or
// holding a NUL or a CR that does not end it) is an invalid file, found before
// anything is written: the copy never grows with what it reads.
TEST(ImageFileCrypt, HeaderLineBeyondTheLimitsIsInvalid) {
    TempDir dir;
    const std::string records = published_batch("").plain;
    const std::string cases[] = {
        std::string(60001, 'H') + "\r\n" + records,
        std::string(3000000, 'H'),              // one long line without a line end
        std::string(3000000, '\0'),             // NUL bytes
        std::string("LOT\0 1\r\n", 8) + records,
        "LOT\r1\r\n" + records,
        "LOT 1\r\r\n" + records,
    };
    int i = 0;
    for (const std::string& source : cases) {
        const std::string in = dir.file("in" + std::to_string(i) + ".img");
        const std::string out = dir.file("out" + std::to_string(i++) + ".img");
        write_file(in, source);
        EXPECT_EQ(crypt(in, out, 1, 1, kKey), 0) << i;
        EXPECT_EQ(VEK_STATUS(), -3) << i;
        EXPECT_EQ(read_file(out), "") << i;
    }
    // A header replaced by a new one is skipped unread beyond the same limit.
    write_file(dir.file("long.img"), std::string(60001, 'H') + "\r\n" + records);
    EXPECT_EQ(crypt(dir.file("long.img"), dir.file("new.img"), 1, 1, kKey, "LOT 2"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(read_file(dir.file("new.img")), "");
}

TEST(ImageFileCrypt, EmptyLines) {
    TempDir dir;
    const std::string key = "133457799BBCDFF1";  // 0123456789ABCDEF <-> 85E813540F0AB405 (published)
    write_file(dir.file("end.img"), "H 1\r\n0123456789ABCDEF\r\n0123456789ABCDEF\r\n\r\n\r\n");
    ASSERT_EQ(crypt(dir.file("end.img"), dir.file("a.img"), 1, 1, key.c_str()), -1);
    EXPECT_EQ(read_file(dir.file("a.img")), "H 1\r\n85E813540F0AB405\r\n85E813540F0AB405\r\n");

    // A record after an empty line is never dropped silently.
    write_file(dir.file("gap.img"), "H 1\r\n0123456789ABCDEF\r\n\r\n0123456789ABCDEF\r\n");
    EXPECT_EQ(crypt(dir.file("gap.img"), dir.file("b.img"), 1, 1, key.c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(read_file(dir.file("b.img")), "H 1\r\n85E813540F0AB405\r\n");
}

// A failing record leaves the header and the records before it in the target.
TEST(ImageFileCrypt, BadRecordsKeepWhatWasWritten) {
    TempDir dir;
    const std::string key = "133457799BBCDFF1";
    struct Case final {
        const char* source;
        const char* kept;
    };
    const Case cases[] = {
        {"H 1\r\n0123456789ABCDEF\r\n0123456789ABCDEF0123\r\n", "H 1\r\n85E813540F0AB405\r\n"},
        {"H 1\r\n0123456789ABCDEF\r\n0123456789abcdef\r\n", "H 1\r\n85E813540F0AB405\r\n"},
        {"H 1\r\n0123456789ABCDEF\r\n01234567\r9ABCDEF\r\n", "H 1\r\n85E813540F0AB405\r\n"},
        {"H 1\r\n0123456789ABCDEF\r\n ", "H 1\r\n85E813540F0AB405\r\n"},
    };
    int i = 0;
    for (const Case& c : cases) {
        const std::string in = dir.file("in" + std::to_string(i) + ".img");
        const std::string out = dir.file("out" + std::to_string(i++) + ".img");
        write_file(in, std::string(c.source));
        EXPECT_EQ(crypt(in, out, 1, 1, key.c_str()), 0) << c.source;
        EXPECT_EQ(VEK_STATUS(), -3) << c.source;
        EXPECT_EQ(read_file(out), c.kept) << c.source;
    }
    // A record longer than 60000 digits.
    write_file(dir.file("long.img"), std::string(60016, '0') + "\r\n");
    EXPECT_EQ(crypt(dir.file("long.img"), dir.file("long.out"), 0, 1, key.c_str()), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(read_file(dir.file("long.out")), "");
    // The last record may lack its line end; it is written with one.
    write_file(dir.file("last.img"), "0123456789ABCDEF");
    EXPECT_EQ(crypt(dir.file("last.img"), dir.file("last.out"), 0, 1, key.c_str()), -1);
    EXPECT_EQ(read_file(dir.file("last.out")), "85E813540F0AB405\r\n");
}

TEST(ImageFileCrypt, ChecksInOrderAndFilesLeftAlone) {
    TempDir dir;
    const std::string source = fixture("empty-line-at-end.img");
    const std::string target = dir.file("target.img");
    const std::string missing = dir.file("missing.img");
    struct Case final {
        std::string in;
        short mode;
        const char* key;
        const char* newHeader;
        short status;
    };
    const Case cases[] = {
        {missing, 2, "", "NAME", -6},  // mode first, whatever else is wrong
        {missing, -1, kKey, nullptr, -6},
        {missing, 1, "xx", "NAME", -7},
        {missing, 1, kKey, "LOT \r\n", -7},
        {missing, 1, "01010101010101O1", "", -2},
        {missing, 1, "", nullptr, -1},
        {missing, 1, "010101010101010", nullptr, -1},  // key length before any file is opened
        {missing, 1, kKey, nullptr, -5},                // the source before the target
    };
    for (const Case& c : cases) {
        EXPECT_EQ(crypt(c.in, target, 1, c.mode, c.key, c.newHeader), 0) << c.status;
        EXPECT_EQ(VEK_STATUS(), c.status);
        EXPECT_FALSE(exists(target)) << c.status;
    }
    // A target that is not empty is refused and left as it is.
    write_file(target, "precious");
    EXPECT_EQ(crypt(source, target, 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -4);
    EXPECT_EQ(read_file(target), "precious");
    // The source itself as the target: not empty, refused, unchanged.
    const std::string copy = dir.file("copy.img");
    write_file(copy, read_file(source));
    EXPECT_EQ(crypt(copy, copy, 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -4);
    EXPECT_EQ(read_file(copy), read_file(source));
    // Directories are no files.
    EXPECT_EQ(crypt(dir.path().string(), dir.file("t2.img"), 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -5);
    EXPECT_EQ(crypt(source, dir.path().string(), 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -5);
}

#if !defined(_WIN32)
// /dev/full is a device, not a file: refused when opened, before any write.
TEST(ImageFileCrypt, LostWritesAreReported) {
    if (!exists("/dev/full")) GTEST_SKIP();
    const Batch b = published_batch("LOT 1");
    TempDir dir;
    write_file(dir.file("plain.img"), b.plain);
    EXPECT_EQ(crypt(dir.file("plain.img"), "/dev/full", 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -5);
    EXPECT_EQ(append("/dev/full", "00"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(header("/dev/full", "LOT 1"), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
}
#endif

// ---------------------------------------------------------------------------
// Files several read buffers long. The records are read many at a time from a
// buffer of 256 KiB, refilled as it runs out, and encrypted where they stand;
// any record the run cannot take (a bad one, another length, another line
// end, the last line, empty lines) is judged line by line as before, wherever
// it falls. The records are random choices of published plaintext blocks, so
// that what encryption writes is known.

constexpr std::size_t kReadBuffer = 256 * 1024;

// A source file and what encrypting it writes, built record by record.
struct LongFile final {
    std::string plain, encrypted;
    std::vector<std::size_t> starts;  // each record's offset in `plain`
    std::vector<std::size_t> ends;    // the length of `encrypted` after each record

    // A record of `blocks` published blocks chosen with `rng`, ended by `end`
    // in the source (written with CR LF whatever its end).
    void Add(std::mt19937_64& rng, const std::vector<DesAnswer>& pairs, std::size_t blocks, const std::string& end = "\r\n") {
        starts.push_back(plain.size());
        for (std::size_t b = 0; b < blocks; ++b) {
            const DesAnswer& p = pairs[vek::test::random_below(rng, pairs.size())];
            plain += p.plain;
            encrypted += p.cipher;
        }
        plain += end;
        encrypted += "\r\n";
        ends.push_back(encrypted.size());
    }
};

LongFile long_file(const std::string& header, std::size_t blocks, std::size_t bytes) {
    const auto pairs = des_answers("0101010101010101");
    std::mt19937_64 rng(blocks * 7 + header.size());
    LongFile f;
    f.plain = f.encrypted = header;
    while (f.plain.size() < bytes) f.Add(rng, pairs, blocks);
    return f;
}

TEST(ImageFileCryptBuffers, BadRecordsWhereTheBufferRunsOut) {
    TempDir dir;
    const std::string in = dir.file("plain.img");
    for (const std::size_t blocks : {std::size_t{1}, std::size_t{4}}) {
        for (const std::string& header : {std::string(), std::string("LOT 9/RUN\r\n")}) {
            const LongFile f = long_file(header, blocks, 3 * kReadBuffer + 500);
            const auto h = static_cast<short>(!header.empty());
            const std::size_t digits = 16 * blocks, stride = digits + 2;
            write_file(in, f.plain);
            const std::string whole = dir.file("whole.img"), back = dir.file("back.img");
            ASSERT_EQ(crypt(in, whole, h, 1, kKey), -1);
            EXPECT_EQ(read_file(whole), f.encrypted);
            ASSERT_EQ(crypt(whole, back, h, 0, kKey), -1);
            EXPECT_EQ(read_file(back), f.plain);
            std::filesystem::remove(whole);
            std::filesystem::remove(back);

            const std::vector<RecordFault> faults = record_faults(digits);
            int round = 0;
            for (std::size_t j = 1; j <= 3; ++j) {
                const std::size_t near = (j * kReadBuffer - header.size()) / stride;
                for (std::size_t k = near - j - 1; k <= near + 1; ++k) {
                    for (const RecordFault& fault : faults) {
                        SCOPED_TRACE(std::to_string(blocks) + " blocks, header " + std::to_string(h) + ", record " +
                                     std::to_string(k) + ": " + fault.name);
                        std::string source = f.plain;
                        source.replace(f.starts[k] + fault.at, fault.bytes.size(), fault.bytes);
                        write_file(in, source);
                        const std::string out = dir.file("out" + std::to_string(round++) + ".img");
                        EXPECT_EQ(crypt(in, out, h, 1, kKey), 0);
                        EXPECT_EQ(VEK_STATUS(), -3);
                        EXPECT_EQ(read_file(out), f.encrypted.substr(0, f.ends[k - 1]));
                        std::filesystem::remove(out);
                    }
                }
            }
        }
    }
}

// Records the run does not take, where the buffer runs out, are read as lines
// and the runs go on after them: another length, an LF alone as line end; then
// the last record without its line end, and empty lines at the end.
TEST(ImageFileCryptBuffers, RecordsOfOtherShapesAmongTheRuns) {
    TempDir dir;
    const auto pairs = des_answers("0101010101010101");
    std::mt19937_64 rng(99);
    LongFile f;
    f.plain = f.encrypted = "LOT 10\r\n";
    const std::size_t stride = 66;
    for (std::size_t j = 1; j <= 4; ++j) {
        while (f.plain.size() + 3 * stride < j * kReadBuffer) f.Add(rng, pairs, 4);
        // Around the buffer's end: a record of 2 blocks, one ended by LF alone,
        // one of 1 block, whichever of them the refill falls on.
        f.Add(rng, pairs, 2);
        f.Add(rng, pairs, 4, "\n");
        f.Add(rng, pairs, 1);
        f.Add(rng, pairs, j);
    }
    for (int i = 0; i < 100; ++i) f.Add(rng, pairs, 3);
    f.Add(rng, pairs, 4, "");  // the last record without a line end
    const std::string in = dir.file("plain.img");
    int round = 0;
    for (const std::string& end : {std::string(), std::string("\r\n\r\n"), std::string("\n\r\n\n")}) {
        SCOPED_TRACE("the file ending with " + std::to_string(end.size()) + " bytes of empty lines");
        write_file(in, f.plain + (end.empty() ? "" : "\r\n" + end));
        const std::string out = dir.file("out" + std::to_string(round++) + ".img");
        ASSERT_EQ(crypt(in, out, 1, 1, kKey), -1);
        EXPECT_EQ(read_file(out), f.encrypted);
    }
    // A record after an empty line is refused there, what came before kept.
    const std::size_t k = f.starts.size() - 50;
    std::string gap = f.plain;
    gap.insert(f.starts[k], "\r\n");
    write_file(in, gap);
    EXPECT_EQ(crypt(in, dir.file("gap.img"), 1, 1, kKey), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(read_file(dir.file("gap.img")), f.encrypted.substr(0, f.ends[k - 1]));
}

// The DES engine's key after a conversion is the conversion's key, loaded once
// a record is processed; a file without records leaves the engine as it was.
TEST(ImageFileCrypt, EngineKeyAfterwards) {
    TempDir dir;
    const auto fast = [] {
        return call_text([](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)("0123456789ABCDEF", 1, 0, o, n); }).out;
    };
    ASSERT_EQ(VEK(vek_Tran_InitDES)(1, "133457799BBCDFF1", 0), -1);
    write_file(dir.file("header-only.img"), "H 1\r\n");
    ASSERT_EQ(crypt(dir.file("header-only.img"), dir.file("a.img"), 1, 1, kKey), -1);
    EXPECT_EQ(read_file(dir.file("a.img")), "H 1\r\n");
    EXPECT_EQ(fast(), "85E813540F0AB405");
    write_file(dir.file("one.img"), "0000000000000000\r\n");
    ASSERT_EQ(crypt(dir.file("one.img"), dir.file("b.img"), 0, 1, "0123456789ABCDEF"), -1);
    const auto same = call_text([](char* o, int n) {
        return VEK(vek_Tran_DecryptOrEncryptImage)("0123456789ABCDEF", 1, "0123456789ABCDEF", o, n);
    });
    EXPECT_EQ(fast(), same.out);
}

}  // namespace
