// File access shared by the image-file and DC9 modules.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "imagefile/C_File.h"
#include "support/temp_dir.h"

namespace {

using vek::test::read_file;
using vek::test::TempDir;
using vek::test::write_file;

std::string read_all(C_File& file, std::size_t chunk) {
    std::string text, part(chunk, '\0');
    for (std::size_t got; (got = file.Read(part.data(), chunk)) > 0;) text.append(part, 0, got);
    return text;
}

TEST(File, ReadsBytesExactlyAndSeeks) {
    TempDir dir;
    const std::string path = dir.file("data.bin");
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7 + (i >> 8));
    bytes += "\r\n\x1A\r";  // no translation of line ends or end-of-file bytes
    write_file(path, bytes);

    C_File file(path.c_str(), C_File::Mode::Read);
    EXPECT_EQ(file.Size(), static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(read_all(file, 4093), bytes);
    file.Seek(150001);
    EXPECT_EQ(file.Tell(), 150001);
    char two[2];
    ASSERT_EQ(file.Read(two, 2), 2u);
    EXPECT_EQ(std::string(two, 2), bytes.substr(150001, 2));
    file.Seek(static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(file.Read(two, 2), 0u);
    EXPECT_THROW(file.Seek(-1), C_File::xSeekFailed);
    EXPECT_THROW(file.Seek(static_cast<std::int64_t>(bytes.size()) + 1), C_File::xSeekFailed);
}

TEST(File, RefusesWhatIsNotAFileToRead) {
    TempDir dir;
    EXPECT_THROW(C_File(dir.file("missing").c_str(), C_File::Mode::Read), C_File::xOpenFailed);
    EXPECT_THROW(C_File(dir.path().string().c_str(), C_File::Mode::Read), C_File::xOpenFailed);
    EXPECT_THROW(C_File(dir.path().string().c_str(), C_File::Mode::Append), C_File::xOpenFailed);
    EXPECT_THROW(C_File("", C_File::Mode::Read), C_File::xOpenFailed);
    EXPECT_THROW(C_File(nullptr, C_File::Mode::Append), C_File::xOpenFailed);
    EXPECT_THROW(C_File(dir.file("no/such/dir").c_str(), C_File::Mode::Append), C_File::xOpenFailed);
}

TEST(File, AppendCreatesAndNeverTruncates) {
    TempDir dir;
    const std::string path = dir.file("out.txt");
    {
        C_File file(path.c_str(), C_File::Mode::Append);
        EXPECT_EQ(file.Size(), 0);
        file.Write("0123\r\n");
        file.Close();
    }
    {
        C_File file(path.c_str(), C_File::Mode::Append);
        EXPECT_EQ(file.Size(), 6);
        file.Write("4567\r\n");
        EXPECT_EQ(file.Size(), 12);
    }  // closed by the destructor
    EXPECT_EQ(read_file(path), "0123\r\n4567\r\n");
}

TEST(File, OffsetsBeyondFourGigabytes) {
    // A sparse file: cheap to make, larger than any 32-bit offset.
    TempDir dir;
    const std::string path = dir.file("sparse.bin");
    const std::uintmax_t size = (std::uintmax_t{1} << 32) + 10;
    write_file(path, "");
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    if (error) GTEST_SKIP() << "no sparse file here: " << error.message();
    {
        C_File file(path.c_str(), C_File::Mode::Append);
        file.Write("END");
        file.Close();
    }
    C_File file(path.c_str(), C_File::Mode::Read);
    ASSERT_EQ(file.Size(), static_cast<std::int64_t>(size) + 3);
    file.Seek(static_cast<std::int64_t>(size) - 1);
    char tail[8];
    ASSERT_EQ(file.Read(tail, sizeof tail), 4u);
    EXPECT_EQ(std::string(tail, 4), std::string("\0END", 4));
}

#if !defined(_WIN32)
TEST(File, LostWritesAreReported) {
    // /dev/full takes the open and refuses every byte written.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
    C_File file("/dev/full", C_File::Mode::Append);
    std::string block(256 * 1024, 'A');
    EXPECT_THROW(
        {
            file.Write(block);
            file.Close();
        },
        C_File::xWriteFailed);
}
#endif

}  // namespace
