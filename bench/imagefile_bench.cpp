// Image files: the figures that the file layout is for, side by side.
//
//   BM_Image_SequentialSearch/N   one decimal-field search in a file of N records
//                                 of 64 digits (10,000 and 1,000,000): three records
//                                 read whatever N, so the times should match.
//   BM_Image_PlainRead            the 1,000,000-record file read end to end with
//                                 plain 64 KiB reads (the floor for any scan).
//   BM_Image_Scan / _CountScan    the two scans over the same file, the value in
//                                 the last record (every record read).
//   BM_Image_EncryptFile/V        the whole file encrypted into a second file, with
//                                 the engine's variant V forced (see bench_des.cpp).
//   BM_OpenSSL_EncryptFile        the same conversion with OpenSSL's DES.
//   BM_Image_DesEngineBlocks      the DES engine on the same digits in memory, key
//                                 schedule once: the cipher's own rate.
//
// Side by side, each against its reference, sample by sample (side_by_side.h),
// on 1,000,000 records of 64 digits without a header, an 8-digit decimal
// serial first:
//   BM_Ratio_ScanOverRead         vek_File_ExtractImageByFieldNonSeqGetNb for the
//                                 last record's serial (every record read and
//                                 checked) against read() of the same file end to
//                                 end into a 1 MiB buffer: MB/s and their ratio.
//   BM_Ratio_EncryptFileOverEngine  vek_File_DecryptOrEncryptImageFile on that file
//                                 against the engine's block rate through
//                                 vek_Tran_CalDES_Fast on a 60000-digit image, and
//                                 against OpenSSL's on the same image (a plain hex
//                                 decode and encode around DES_ecb_encrypt).
//                                 Beside them the copy floor: read() and write()
//                                 of the same file into a new one, 256 KiB at a
//                                 time, nothing done to the bytes; and the bound
//                                 it sets on one core, engine time over engine
//                                 time plus copy time (the ratio a whole-file
//                                 encryption reaches if its only costs are the
//                                 cipher and the copy).
//
// Files are made once per run in a temporary directory (warm cache after the
// first pass). Counters: bytes per second of file read, and the peak resident
// memory (max_rss_MB), which must stay far below the 66 MB file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "crypto/C_DES.h"
#include "des_bench_support.h"
#include "side_by_side.h"
#include "vek.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "2315208C9110AD40";
constexpr int kDigits = 64;

const fs::path& work_dir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("vek-bench-imagefile-" + std::to_string(::getpid()));
        fs::create_directories(d);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(work_dir(), ignored);
        });
        return d;
    }();
    return dir;
}

void serial_of(int k, char* eight);

// Writes `header` (if any) and `records` records of kDigits digits with CR LF:
// a decimal serial from 10000000 up in digits 1 to 8, random digits after it
// (from `seed`).
void write_records(const std::string& path, const std::string& header, int records, std::uint64_t seed) {
    std::ofstream out(path, std::ios::binary);
    out << header;
    std::mt19937_64 rng(seed);
    static const char* const kHexa = "0123456789ABCDEF";
    std::string line(kDigits + 2, '0');
    line[kDigits] = '\r';
    line[kDigits + 1] = '\n';
    for (int k = 0; k < records; ++k) {
        serial_of(k, line.data());
        for (int i = 8; i < kDigits; ++i) line[static_cast<std::size_t>(i)] = kHexa[rng() & 15];
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

// A batch of `records` records after a header line.
std::string batch(int records) {
    static std::map<int, std::string> made;
    auto& path = made[records];
    if (!path.empty()) return path;
    path = (work_dir() / ("batch-" + std::to_string(records) + ".img")).string();
    write_records(path, "JOB BENCH/COUNT " + std::to_string(records) + "\r\n", records, 7);
    return path;
}

// The 8-digit serial of record k: 10000000 + k.
void serial_of(int k, char* eight) {
    unsigned value = 10000000u + static_cast<unsigned>(k);
    for (int i = 7; i >= 0; --i, value /= 10) eight[i] = static_cast<char>('0' + value % 10);
}

double max_rss_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_Image_SequentialSearch(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string path = batch(records);
    char out[kDigits + 1];
    std::mt19937 rng(11);
    char serial[9] = {};
    for (auto _ : state) {
        serial_of(static_cast<int>(rng() % static_cast<unsigned>(records)), serial);
        const short ok = vek_File_ExtractImageByDecField(path.c_str(), 1, 1, serial, "", out, sizeof out);
        if (ok != -1) state.SkipWithError("search failed");
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Image_SequentialSearch)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

constexpr int kMillion = 1000000;

void BM_Image_PlainRead(benchmark::State& state) {
    const std::string path = batch(kMillion);
    std::vector<char> buffer(64 * 1024);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::size_t lines = 0;
        for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0;) {
            bytes += static_cast<std::int64_t>(got);
            for (std::size_t i = 0; i < got; ++i) lines += buffer[i] == '\n';
        }
        std::fclose(f);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Image_PlainRead)->Unit(benchmark::kMillisecond);

void BM_Image_Scan(benchmark::State& state) {
    const std::string path = batch(kMillion);
    char out[kDigits + 1];
    char serial[9] = {};
    serial_of(kMillion - 1, serial);
    for (auto _ : state) {
        if (vek_File_ExtractImageByFieldWithNonSeqSearch(path.c_str(), 1, 1, serial, "", out, sizeof out) != -1)
            state.SkipWithError("scan failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fs::file_size(path)));
    state.counters["max_rss_MB"] = max_rss_mb();
}
BENCHMARK(BM_Image_Scan)->Unit(benchmark::kMillisecond);

void BM_Image_CountScan(benchmark::State& state) {
    const std::string path = batch(kMillion);
    char out[kDigits + 1];
    int count = 0;
    for (auto _ : state) {
        if (vek_File_ExtractImageByFieldNonSeqGetNb(path.c_str(), 1, 1, "10000000", "", out, sizeof out, &count) != -1)
            state.SkipWithError("count failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fs::file_size(path)));
    state.counters["max_rss_MB"] = max_rss_mb();
}
BENCHMARK(BM_Image_CountScan)->Unit(benchmark::kMillisecond);

void BM_Image_EncryptFile(benchmark::State& state) {
    if (!vek::bench::force_variant(state)) return;
    const std::string path = batch(kMillion);
    const std::string target = (work_dir() / "encrypted.img").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
        if (vek_File_DecryptOrEncryptImageFile(path.c_str(), target.c_str(), 1, 1, kKey, "") != -1)
            state.SkipWithError("encryption failed");
    }
    fs::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kMillion * kDigits / 2);
    state.counters["max_rss_MB"] = max_rss_mb();
    vek::des::force_variant(vek::des::best_variant());
}
BENCHMARK(BM_Image_EncryptFile)->Apply(vek::bench::each_variant)->Unit(benchmark::kMillisecond);

#if VEK_BENCH_OPENSSL
// The same conversion with OpenSSL's DES: the header line copied, then every
// record read, its digits decoded, each block encrypted, the result encoded and
// written with its line end.
void BM_OpenSSL_EncryptFile(benchmark::State& state) {
    const std::string path = batch(kMillion);
    const std::string target = (work_dir() / "encrypted-openssl.img").string();
    DES_key_schedule ks = vek::bench::schedule_of(kKey);
    std::vector<std::uint8_t> bytes;
    std::vector<char> text;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
        std::FILE* in = std::fopen(path.c_str(), "rb");
        std::FILE* out = std::fopen(target.c_str(), "wb");
        char* line = nullptr;
        std::size_t room = 0;
        ssize_t got = ::getline(&line, &room, in);  // the header line
        std::fwrite(line, 1, static_cast<std::size_t>(got), out);
        while ((got = ::getline(&line, &room, in)) > 0) {
            auto digits = static_cast<std::size_t>(got);
            while (digits > 0 && (line[digits - 1] == '\n' || line[digits - 1] == '\r')) --digits;
            bytes.resize(digits / 2);
            text.resize(digits + 1);
            vek::bench::kHexa.decode(line, bytes.size(), bytes.data());
            for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
                auto* block = reinterpret_cast<DES_cblock*>(&bytes[at]);
                DES_ecb_encrypt(block, block, &ks, DES_ENCRYPT);
            }
            vek::bench::Hexa::encode(bytes.data(), bytes.size(), text.data());
            std::fwrite(text.data(), 1, digits, out);
            std::fwrite("\r\n", 1, 2, out);
        }
        std::free(line);
        std::fclose(in);
        std::fclose(out);
    }
    fs::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kMillion * kDigits / 2);
}
BENCHMARK(BM_OpenSSL_EncryptFile)->Unit(benchmark::kMillisecond);
#endif

void BM_Image_DesEngineBlocks(benchmark::State& state) {
    // The same records' digits, one after the other in memory.
    std::ifstream in(batch(kMillion), std::ios::binary);
    std::string line;
    std::getline(in, line);
    std::string digits;
    digits.reserve(static_cast<std::size_t>(kMillion) * kDigits);
    while (std::getline(in, line)) digits.append(line, 0, kDigits);
    C_DES& des = C_DES::Instance();
    des.SetKeyHexa(kKey);
    for (auto _ : state) {
        des.CalDESHexaBlocks(1, digits.data(), digits.size() / 16);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(digits.size() / 2));
}
BENCHMARK(BM_Image_DesEngineBlocks)->Unit(benchmark::kMillisecond);

// The records of the side-by-side figures: 1,000,000 lines of 64 digits, an
// 8-digit decimal serial from 10000000 on, then random digits; no header.
const std::string& plain_records() {
    static const std::string path = [] {
        const std::string p = (work_dir() / "records-1000000x64.img").string();
        write_records(p, "", kMillion, 64);
        return p;
    }();
    return path;
}

// read() of `from` and write() of each piece to a new file `to`, 256 KiB at a
// time: what any whole-file conversion costs beyond its own work.
void copy_file(const std::string& from, const std::string& to) {
    static std::vector<char> buffer(std::size_t{256} << 10);
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (in >= 0 && out >= 0)
        for (ssize_t got; (got = ::read(in, buffer.data(), buffer.size())) > 0;)
            if (::write(out, buffer.data(), static_cast<std::size_t>(got)) != got) break;
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
}

// read() of the whole file into a 1 MiB buffer; the bytes read.
std::int64_t read_whole(const std::string& path) {
    static std::vector<char> buffer(std::size_t{1} << 20);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    std::int64_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) total += got;
    ::close(fd);
    return total;
}

void BM_Ratio_ScanOverRead(benchmark::State& state) {
    const std::string& path = plain_records();
    const auto bytes = static_cast<double>(fs::file_size(path));
    char serial[9] = {};
    serial_of(kMillion - 1, serial);
    char out[kDigits + 1];
    int count = 0;
    const auto scan = [&] {
        if (vek_File_ExtractImageByFieldNonSeqGetNb(path.c_str(), 0, 1, serial, "", out, sizeof out, &count) != -1 ||
            count != 1)
            state.SkipWithError("scan failed");
    };
    read_whole(path);  // a warm page cache
    const long scans = vek::bench::runs_for(vek::bench::seconds_of(scan), 0.1);
    const long reads = vek::bench::runs_for(vek::bench::seconds_of([&] { read_whole(path); }), 0.1);
    vek::bench::SideBySide figures;
    for (auto _ : state) {
        const double v = vek::bench::seconds_of([&] {
            for (long i = 0; i < scans; ++i) scan();
        });
        const double r = vek::bench::seconds_of([&] {
            for (long i = 0; i < reads; ++i) benchmark::DoNotOptimize(read_whole(path));
        });
        figures.Add(bytes * static_cast<double>(scans) / v / 1e6, bytes * static_cast<double>(reads) / r / 1e6);
    }
    figures.Report(state, "scan_MB_per_s", "read_MB_per_s", "ratio_scan_over_read");
    state.counters["max_rss_MB"] = max_rss_mb();
}
BENCHMARK(BM_Ratio_ScanOverRead)->Iterations(11)->Unit(benchmark::kMillisecond);

void BM_Ratio_EncryptFileOverEngine(benchmark::State& state) {
    const std::string& path = plain_records();
    const std::string target = (work_dir() / "records-encrypted.img").string();
    constexpr double kBlocks = static_cast<double>(kMillion) * (kDigits / 16);
    constexpr const char* kImageKey = "133457799BBCDFF1";
    // The engine's reference: a 60000-digit image, the key loaded once.
    std::mt19937_64 rng(60000);
    std::string image(60000, '0');
    for (auto& c : image) c = "0123456789ABCDEF"[rng() & 15];
    std::vector<char> out(image.size() + 1);
    constexpr double kImageBlocks = 60000.0 / 16;
    const auto engine = [&] { vek_Tran_CalDES_Fast(image.c_str(), 1, 0, out.data(), static_cast<int>(out.size())); };
    const auto encrypt = [&] {
        fs::remove(target);
        const double s = vek::bench::seconds_of([&] {
            if (vek_File_DecryptOrEncryptImageFile(path.c_str(), target.c_str(), 0, 1, kImageKey, "") != -1)
                state.SkipWithError("encryption failed");
        });
        return s;
    };
    vek_Tran_InitDES(1, kImageKey, 0);
    const long engineRuns = vek::bench::runs_for(vek::bench::seconds_of(engine), 0.05);
#if VEK_BENCH_OPENSSL
    DES_key_schedule ks = vek::bench::schedule_of(kImageKey);
    std::vector<std::uint8_t> bytes(image.size() / 2);
    const auto openssl = [&] {
        vek::bench::kHexa.decode(image.c_str(), bytes.size(), bytes.data());
        for (std::size_t at = 0; at < bytes.size(); at += 8) {
            auto* block = reinterpret_cast<DES_cblock*>(&bytes[at]);
            DES_ecb_encrypt(block, block, &ks, DES_ENCRYPT);
        }
        vek::bench::Hexa::encode(bytes.data(), bytes.size(), out.data());
    };
    const long opensslRuns = vek::bench::runs_for(vek::bench::seconds_of(openssl), 0.05);
    vek::bench::SideBySide againstOpenSSL;
#endif
    const std::string copy = (work_dir() / "records-copied.img").string();
    const auto copied = [&] {
        fs::remove(copy);
        return vek::bench::seconds_of([&] { copy_file(path, copy); });
    };
    vek::bench::SideBySide againstEngine;
    std::vector<double> bounds, copyRates;
    for (auto _ : state) {
        const double fileRate = kBlocks / encrypt();
        vek_Tran_InitDES(1, kImageKey, 0);
        const double e = vek::bench::seconds_of([&] {
            for (long i = 0; i < engineRuns; ++i) engine();
        });
        const double engineRate = kImageBlocks * static_cast<double>(engineRuns) / e;
        againstEngine.Add(fileRate, engineRate);
        // Both as seconds for the file's blocks: the bound is engine / (engine + copy).
        const double engineSeconds = kBlocks / engineRate, copySeconds = copied();
        bounds.push_back(engineSeconds / (engineSeconds + copySeconds));
        copyRates.push_back(kBlocks / copySeconds);
#if VEK_BENCH_OPENSSL
        const double o = vek::bench::seconds_of([&] {
            for (long i = 0; i < opensslRuns; ++i) openssl();
        });
        againstOpenSSL.Add(fileRate, kImageBlocks * static_cast<double>(opensslRuns) / o);
#endif
    }
    fs::remove(target);
    fs::remove(copy);
    againstEngine.Report(state, "file_blocks_per_s", "engine_blocks_per_s", "ratio_file_over_engine");
    state.counters["copy_blocks_per_s"] = vek::bench::median(copyRates);
    state.counters["one_core_bound_file_over_engine"] = vek::bench::median(bounds);
#if VEK_BENCH_OPENSSL
    againstOpenSSL.Report(state, "file_blocks_per_s", "openssl_hex_blocks_per_s", "ratio_file_over_openssl_hex");
#endif
    state.counters["max_rss_MB"] = max_rss_mb();
}
BENCHMARK(BM_Ratio_EncryptFileOverEngine)->Iterations(11)->Unit(benchmark::kMillisecond);

}  // namespace
