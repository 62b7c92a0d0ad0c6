// File access shared by the image-file and DC9 modules.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#if !defined(_WIN32)
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "io/C_File.h"
#include "io/C_LineReader.h"
#include "support/api.h"
#include "support/dc9_data.h"
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

// Without a buffer of its own the file reads and writes the same bytes.
TEST(File, UnbufferedReadsAndWritesTheSameBytes) {
    TempDir dir;
    const std::string path = dir.file("raw.bin");
    std::string bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>(i * 13 + (i >> 9));
    {
        C_File file(path.c_str(), C_File::Mode::Append, C_File::kNoBuffer);
        file.Write(bytes.substr(0, 5));
        file.Write(bytes.substr(5));
        EXPECT_EQ(file.Size(), static_cast<std::int64_t>(bytes.size()));
        file.Close();
    }
    C_File file(path.c_str(), C_File::Mode::Read, C_File::kNoBuffer);
    EXPECT_EQ(read_all(file, 65537), bytes);
    file.Seek(3);
    char three[3];
    ASSERT_EQ(file.Read(three, 3), 3u);
    EXPECT_EQ(std::string(three, 3), bytes.substr(3, 3));
}

// The bytes ahead of a line reader: in order across refills of a small buffer,
// what was not skipped handed over again, lines read on from where the bytes
// skipped end, and what is left at the end of the file.
TEST(LineReader, AheadHandsOverTheFileInOrderAcrossRefills) {
    TempDir dir;
    const std::string path = dir.file("lines.txt");
    std::string bytes = "HEADER\r\n";
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>('A' + i % 26);
    bytes += "\r\nLAST";
    write_file(path, bytes);
    constexpr std::size_t kBuffer = 64;
    for (const std::size_t fileBuffer : {C_File::kNoBuffer, std::size_t{16}}) {
        C_File file(path.c_str(), C_File::Mode::Read, fileBuffer);
        C_LineReader lines(file, kBuffer);
        C_LineReader::Line line;
        ASSERT_TRUE(lines.Next(line, 100));
        EXPECT_EQ(line.text, "HEADER");
        std::mt19937 rng(5);
        const std::size_t stop = bytes.size() - 6;  // before the last line end
        for (std::size_t at = 8; at < stop;) {
            const std::size_t want = 1 + rng() % (kBuffer + 8);
            const auto ahead = lines.Ahead(want);
            ASSERT_GE(ahead.size(), std::min({want, kBuffer, bytes.size() - at})) << at;
            ASSERT_LE(ahead.size(), kBuffer);
            ASSERT_EQ(std::string_view(ahead.data(), ahead.size()), std::string_view(bytes).substr(at, ahead.size()));
            const std::size_t skip = std::min<std::size_t>(rng() % (ahead.size() + 1), stop - at);
            lines.Skip(skip);
            at += skip;
        }
        ASSERT_TRUE(lines.Next(line, 100));  // what is left of the long line
        EXPECT_EQ(line.text, "");
        EXPECT_EQ(line.end, C_LineReader::End::CrLf);
        const auto last = lines.Ahead(kBuffer);
        EXPECT_EQ(std::string_view(last.data(), last.size()), "LAST");
        lines.Skip(last.size());
        EXPECT_TRUE(lines.Ahead(1).empty());
        EXPECT_FALSE(lines.Next(line, 100));
    }
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
    // A file size limit makes the system refuse every byte past it, as a full
    // disk would (the signal it raises is ignored for the test).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    TempDir dir;
    bool reported = false;
    {
        C_File file(dir.file("full.bin").c_str(), C_File::Mode::Append);
        std::string block(256 * 1024, 'A');
        try {
            file.Write(block);
            file.Close();
        } catch (const C_File::xWriteFailed&) {
            reported = true;
        }
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_TRUE(reported);
}
#endif

// ---------------------------------------------------------------------------
// Only regular files are opened: a device or a pipe would be read forever (the
// first line of /dev/zero never ends) or block the open itself (a FIFO without
// a writer or a reader). Every file function refuses them with its "cannot be
// opened or read" code, before reading a byte.

// The outcome of one exported call: its result and the status left.
using Outcome = std::pair<short, short>;

// Runs `call` on a thread of its own: its outcome, or nothing when it has not
// returned within a few seconds. `unblock` then runs, and the thread is left
// behind, so that a regression fails the test instead of hanging the suite.
std::optional<Outcome> within_seconds(std::function<Outcome()> call, const std::function<void()>& unblock) {
    auto done = std::make_shared<std::promise<Outcome>>();
    auto outcome = done->get_future();
    std::thread([call = std::move(call), done] { done->set_value(call()); }).detach();
    if (outcome.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return outcome.get();
    unblock();
    return std::nullopt;
}

// Every file function, each called with `special` as the file it opens: the
// input (image or DC9 file) or the output (a record appended, a copy written),
// with `source` a valid image file and `dc9` a valid DC9 file for the others.
struct FileCall final {
    const char* name;
    short code;  // the function's "cannot be opened or read (written)" status
    std::function<short(const std::string& special, const std::string& source, const std::string& dc9)> call;
};

std::vector<FileCall> file_calls() {
    static FIRDescription kParts[1] = {{0, 0, 1, 0}};
    static char out[256];
    static int count = 0;
    static const unsigned char kCrLf[] = {'\r', '\n'};
    using Str = const std::string&;
    return {
        {"ExtractImageByIndex", -4, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByIndex)(f.c_str(), 1, 0, out, sizeof out); }},
        {"ExtractImageByIndex last", -4, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByIndex)(f.c_str(), -2, 0, out, sizeof out); }},
        {"ExtractImageByIndex header", -4, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByIndex)(f.c_str(), -3, 1, out, sizeof out); }},
        {"ExtractImageByHexaField", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByHexaField)(f.c_str(), 0, 1, "00", "", out, sizeof out); }},
        {"ExtractImageByDecField", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByDecField)(f.c_str(), 0, 1, "00", "", out, sizeof out); }},
        {"ExtractImageBySwapHexaField", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageBySwapHexaField)(f.c_str(), 0, 1, "00", "", out, sizeof out); }},
        {"ExtractImageBySwapDecField", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageBySwapDecField)(f.c_str(), 0, 1, "00", "", out, sizeof out); }},
        {"ExtractImageByFieldWithNonSeqSearch", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(f.c_str(), 0, 1, "00", "", out, sizeof out); }},
        {"ExtractImageByFieldNonSeqGetNb", -6, [](Str f, Str, Str) { return VEK(vek_File_ExtractImageByFieldNonSeqGetNb)(f.c_str(), 0, 1, "00", "", out, sizeof out, &count); }},
        {"DecryptOrEncryptImageFile source", -5, [](Str f, Str, Str) { return VEK(vek_File_DecryptOrEncryptImageFile)(f.c_str(), (f + ".copy").c_str(), 1, 1, "0123456789ABCDEF", nullptr); }},
        {"DecryptOrEncryptImageFile target", -5, [](Str f, Str s, Str) { return VEK(vek_File_DecryptOrEncryptImageFile)(s.c_str(), f.c_str(), 0, 1, "0123456789ABCDEF", nullptr); }},
        {"AppendImageFileHeader", -3, [](Str f, Str, Str) { return VEK(vek_File_AppendImageFileHeader)(f.c_str(), "LOT 1"); }},
        {"AppendImage", -3, [](Str f, Str, Str) { return VEK(vek_File_AppendImage)(f.c_str(), "00AB"); }},
        {"DC9InitDescription", -4, [](Str f, Str, Str) { short n = 1; return VEK(vek_File_DC9InitDescription)(f.c_str(), kCrLf, 2, 0, &n, nullptr); }},
        {"DC9InitDescription fixed", -4, [](Str f, Str, Str) { short n = 1; return VEK(vek_File_DC9InitDescription)(f.c_str(), nullptr, 0, 80, &n, nullptr); }},
        {"DC9ExtractImageByIndex", -4, [](Str f, Str, Str) { int size = sizeof out; return VEK(vek_File_DC9ExtractImageByIndex)(f.c_str(), 1, kParts, 1, 1, reinterpret_cast<unsigned char*>(out), &size); }},
        {"DC9ExtractImageBySearchKey", -4, [](Str f, Str, Str) { int size = sizeof out; return VEK(vek_File_DC9ExtractImageBySearchKey)(f.c_str(), 1, kParts, 1, 0x1D, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", reinterpret_cast<unsigned char*>(out), &size); }},
        {"DC9DecryptOrEncryptImageFile source", -4, [](Str f, Str, Str) { return VEK(vek_File_DC9DecryptOrEncryptImageFile)(f.c_str(), 1, kParts, (f + ".copy").c_str(), 1, "0123456789ABCDEF"); }},
        {"DC9DecryptOrEncryptImageFile target", -4, [](Str f, Str, Str d) { return VEK(vek_File_DC9DecryptOrEncryptImageFile)(d.c_str(), 1, kParts, f.c_str(), 1, "0123456789ABCDEF"); }},
    };
}

// Calls every file function on `special` and expects its code, in time.
void expect_refused(const std::string& special, const std::function<void()>& unblock) {
    TempDir dir;
    const std::string source = dir.file("source.img");
    write_file(source, "00AB\r\n00AC\r\n");
    const std::string dc9 = vek::test::dc9::fixture("marker_three_parts.dc9");
    for (const FileCall& c : file_calls()) {
        SCOPED_TRACE(std::string(c.name) + " on " + special);
        auto call = c.call;
        const auto outcome = within_seconds(
            [call, special, source, dc9] {
                const short result = call(special, source, dc9);
                return Outcome{result, VEK_STATUS()};
            },
            unblock);
        ASSERT_TRUE(outcome.has_value()) << "the call did not return";
        EXPECT_EQ(outcome->first, 0);
        EXPECT_EQ(outcome->second, c.code);
    }
}

#if !defined(_WIN32)
TEST(File, RefusesDevicesAndPipes) {
    // Nothing is read from a device, nothing written to it.
    for (const char* device : {"/dev/zero", "/dev/null", "/dev/full", "/dev/urandom"}) {
        if (!std::filesystem::exists(device)) continue;
        EXPECT_THROW(C_File(device, C_File::Mode::Read), C_File::xOpenFailed) << device;
        EXPECT_THROW(C_File(device, C_File::Mode::Append), C_File::xOpenFailed) << device;
    }
    TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A blocked open of the FIFO is released by opening both of its ends here;
    // a write into it then must not end the process.
    signal(SIGPIPE, SIG_IGN);
    const auto release = [fifo] {
        const int fd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    };
    for (const C_File::Mode mode : {C_File::Mode::Read, C_File::Mode::Append}) {
        const auto outcome = within_seconds(
            [fifo, mode]() -> Outcome {
                try {
                    C_File file(fifo.c_str(), mode);
                    return {-1, 0};
                } catch (const C_File::xOpenFailed&) {
                    return {0, 0};
                }
            },
            release);
        ASSERT_TRUE(outcome.has_value()) << "the open blocked";
        EXPECT_EQ(outcome->first, 0);
    }
    expect_refused("/dev/zero", [] {});
    expect_refused(fifo, release);
}
#else
TEST(File, RefusesDevices) {
    TempDir dir;
    for (const std::string& device : {std::string("NUL"), std::string("con"), std::string("COM1"),
                                     std::string("aux.txt"), std::string("Lpt1 .log"), dir.file("NUL"),
                                     dir.file("conin$")}) {
        SCOPED_TRACE(device);
        EXPECT_THROW(C_File(device.c_str(), C_File::Mode::Read), C_File::xOpenFailed);
        EXPECT_THROW(C_File(device.c_str(), C_File::Mode::Append), C_File::xOpenFailed);
    }
    // Names that only begin like a device are files.
    const std::string console = dir.file("console.txt");
    C_File(console.c_str(), C_File::Mode::Append).Close();
    EXPECT_NO_THROW(C_File(console.c_str(), C_File::Mode::Read));
    expect_refused("NUL", [] {});
}
#endif

}  // namespace
