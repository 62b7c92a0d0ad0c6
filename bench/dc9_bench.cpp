// DC9 files: describing a file of 100,000 records against a plain read of the
// same file, side by side, and the rate of the encrypted copy.
//
//   BM_DC9_PlainRead            the file read front to back through C_File in
//                               64 KiB blocks, nothing else done
//   BM_DC9_Describe/EndMarker   vek_File_DC9InitDescription, records ended by CR LF
//   BM_DC9_Describe/FixedSize   the same file layout with fixed-size records
//   BM_DC9_EncryptedCopy        vek_File_DC9DecryptOrEncryptImageFile of the whole
//                               file into a fresh target (the key schedule once per
//                               call, one record buffer)
//
//   BM_DC9_DescribeSize/MB/layout
//                               the description of files of 10 MB and 100 MB,
//                               whose time per MB must not grow with the size:
//                               layout 0, end-marked records, the first part
//                               holding one record of half the file and 999 parts
//                               of 1000-byte records after it; layout 1, fixed-size
//                               records of 128 bytes; layout 2, the same fixed-size
//                               file described with an end marker it does not
//                               hold (the whole file is searched, then -6); each
//                               run starts with the processor caches emptied
//
// Bytes per second are the source file's bytes. The files (about 33 MB each) are
// generated once in a temporary folder; the page cache holds them, so the plain
// read measures the file access path rather than the disk.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "io/C_File.h"
#include "vek.h"

namespace {

constexpr int kParts = 10;
constexpr int kRecordsPerPart = 10000;  // 100,000 data records in all
constexpr int kDigits = 256;            // a 128-byte image per record
constexpr const char* kKey = "2315208C9110AD40";

std::string digits_of(int n) {
    static const char* const kHexa = "0123456789ABCDEF";
    std::string s(kDigits, '0');
    unsigned v = static_cast<unsigned>(n) * 2654435761u;
    for (auto& c : s) {
        v = v * 1664525u + 1013904223u;
        c = kHexa[v >> 28];
    }
    return s;
}

std::string data_record(int n, const std::string& end) {
    char key[27];
    std::snprintf(key, sizeof key, "CARD%022d", n);
    return "DR" + std::string(1, '\x1D') + key + "#SMC#" + std::string(28, 'P') + "0" + digits_of(n) + "#END#" + end;
}

// The two files, generated on first use and removed at exit.
class Files final {
public:
    Files() : m_dir(std::filesystem::temp_directory_path() / ("vek-dc9-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_dir);
        const std::string sample = data_record(0, "\r\n");
        m_recordSize = static_cast<int>(sample.size());
        Write(Marked(), "\r\n");
        Write(Fixed(), "");
    }
    ~Files() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::string Marked() const { return (m_dir / "marked.dc9").string(); }
    std::string Fixed() const { return (m_dir / "fixed.dc9").string(); }
    std::string Target() const { return (m_dir / "copy.dc9").string(); }
    int RecordSize() const { return m_recordSize; }

private:
    // End-marked records (`end` closes each), or fixed-size ones (`end` empty: the
    // file marks are padded to the data records' size).
    void Write(const std::string& path, const std::string& end) const {
        C_File f(path.c_str(), C_File::Mode::Append);
        for (int part = 1; part <= kParts; ++part) {
            std::string mark = "FILEMK\\\\PART" + std::to_string(100 + part).substr(1) + end;
            if (end.empty()) mark.resize(static_cast<std::size_t>(m_recordSize), '.');
            f.Write(mark);
            for (int i = 0; i < kRecordsPerPart; ++i) f.Write(data_record(part * kRecordsPerPart + i, end.empty() ? "XX" : end));
        }
        f.Close();
    }

    std::filesystem::path m_dir;
    int m_recordSize = 0;
};

const Files& files() {
    static const Files f;
    return f;
}

std::int64_t size_of(const std::string& path) { return static_cast<std::int64_t>(std::filesystem::file_size(path)); }

// The files of BM_DC9_DescribeSize, generated on first use and removed at exit.
class SizedFiles final {
public:
    static constexpr int kLongParts = 1000;
    static constexpr int kFixedSize = 128;

    SizedFiles() : m_dir(std::filesystem::temp_directory_path() / ("vek-dc9-sized-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_dir);
    }
    ~SizedFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    // The file of `megabytes` MB in end-marked (`marked`) or fixed-size layout.
    std::string Path(int megabytes, bool marked) {
        const std::string path = (m_dir / ((marked ? "long-" : "fixed-") + std::to_string(megabytes) + ".dc9")).string();
        if (std::filesystem::exists(path)) return path;
        const std::int64_t size = std::int64_t{megabytes} * 1000 * 1000;
        C_File f(path.c_str(), C_File::Mode::Append);
        if (marked) {
            f.Write("FILEMK\\\\PART0001\r\n");
            std::string record(static_cast<std::size_t>(size / 2), 'L');
            record.replace(record.size() - 2, 2, "\r\n");
            f.Write(record);
            std::string small(1000, 'S');
            small.replace(small.size() - 2, 2, "\r\n");
            const std::int64_t perPart = (size - size / 2) / (kLongParts - 1) / 1000;
            for (int part = 2; part <= kLongParts; ++part) {
                f.Write("FILEMK\\\\PART" + std::to_string(10000 + part).substr(1) + "\r\n");
                for (std::int64_t i = 0; i < perPart; ++i) f.Write(small);
            }
        } else {
            std::string mark = "FILEMK\\\\PART";
            mark.resize(kFixedSize, '.');
            std::string record = "DR" + std::string(kFixedSize - 2, 'D');
            f.Write(mark);
            for (std::int64_t at = kFixedSize; at + kFixedSize <= size; at += kFixedSize) f.Write(record);
        }
        f.Close();
        return path;
    }

private:
    std::filesystem::path m_dir;
};

// Writes a buffer larger than any processor cache, pushing out what they hold.
void evict_caches() {
    static std::vector<unsigned char> buffer(std::size_t{256} * 1024 * 1024);
    for (std::size_t i = 0; i < buffer.size(); i += 64) ++buffer[i];
    benchmark::DoNotOptimize(buffer.data());
}

void BM_DC9_DescribeSize(benchmark::State& state) {
    static SizedFiles sized;
    const int megabytes = static_cast<int>(state.range(0));
    const int layout = static_cast<int>(state.range(1));
    const std::string path = sized.Path(megabytes, layout == 0);
    std::vector<FIRDescription> entries(SizedFiles::kLongParts);
    static const unsigned char kCrLf[] = {'\r', '\n'};
    const short expected = layout == 2 ? 0 : -1;
    for (auto _ : state) {
        // Every description starts with the file out of the processor's caches
        // (still in the page cache), as a 100 MB file always is: else a 10 MB
        // file, which fits the last-level cache, reads twice as fast per MB.
        state.PauseTiming();
        evict_caches();
        state.ResumeTiming();
        short firCount = SizedFiles::kLongParts;
        const short result = vek_File_DC9InitDescription(path.c_str(), layout == 1 ? nullptr : kCrLf, layout == 1 ? 0 : 2,
                                                         layout == 1 ? SizedFiles::kFixedSize : 0, &firCount,
                                                         entries.data());
        if (result != expected || (layout == 2 && vek_LastStatus() != -6)) {
            state.SkipWithError("the description did not give the expected result");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * size_of(path));
    state.counters["s_per_MB"] = benchmark::Counter(
        static_cast<double>(megabytes), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DC9_DescribeSize)
    ->ArgsProduct({{10, 100}, {0, 1, 2}})
    ->ArgNames({"MB", "layout"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_DC9_PlainRead(benchmark::State& state) {
    const std::string path = files().Marked();
    std::vector<char> block(64 * 1024);
    for (auto _ : state) {
        C_File f(path.c_str(), C_File::Mode::Read);
        std::size_t total = 0;
        for (std::size_t n; (n = f.Read(block.data(), block.size())) != 0;) total += n;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * size_of(path));
}
BENCHMARK(BM_DC9_PlainRead)->Unit(benchmark::kMillisecond);

void BM_DC9_Describe(benchmark::State& state) {
    const bool marked = state.range(0) == 0;
    const std::string path = marked ? files().Marked() : files().Fixed();
    std::vector<FIRDescription> entries(kParts);
    static const unsigned char kCrLf[] = {'\r', '\n'};
    for (auto _ : state) {
        short firCount = kParts;
        const short result = vek_File_DC9InitDescription(path.c_str(), marked ? kCrLf : nullptr, marked ? 2 : 0,
                                                         marked ? 0 : files().RecordSize(), &firCount, entries.data());
        if (result != -1 || firCount != kParts || entries[kParts - 1].recordCount != kRecordsPerPart) {
            state.SkipWithError("the description failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * size_of(path));
    state.SetItemsProcessed(state.iterations() * kParts * kRecordsPerPart);
}
BENCHMARK(BM_DC9_Describe)->Arg(0)->Arg(1)->ArgName("fixedSize")->Unit(benchmark::kMillisecond);

void BM_DC9_EncryptedCopy(benchmark::State& state) {
    const std::string path = files().Marked();
    const std::string target = files().Target();
    std::vector<FIRDescription> entries(kParts);
    short firCount = kParts;
    static const unsigned char kCrLf[] = {'\r', '\n'};
    vek_File_DC9InitDescription(path.c_str(), kCrLf, 2, 0, &firCount, entries.data());
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(target);
        state.ResumeTiming();
        if (vek_File_DC9DecryptOrEncryptImageFile(path.c_str(), kParts, entries.data(), target.c_str(), 1, kKey) != -1) {
            state.SkipWithError("the copy failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * size_of(path));
    state.SetItemsProcessed(state.iterations() * kParts * kRecordsPerPart);
}
BENCHMARK(BM_DC9_EncryptedCopy)->Unit(benchmark::kMillisecond);

}  // namespace
