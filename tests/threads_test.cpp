// Callers that run vek from several threads at once (a Python program whose
// threads call through ctypes, a .NET tool): every result must equal the one a
// single thread gets, and each thread's vek_LastStatus() must be the status of
// its own last call. Built on its own so that the ThreadSanitizer build of the
// test command compiles just the library and this program.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/api.h"
#include "support/temp_dir.h"
#include "support/texts.h"

namespace vek::test {
namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 300;
constexpr int kRecords = 200;
constexpr int kRecordDigits = 48;  // three DES blocks
// A whole-file encryption every this many rounds: the writes are the slow part.
constexpr int kFileEvery = 60;

std::string serial(int k) { return std::to_string(10000000 + k); }

// One thread's inputs and the results a single thread got for them.
struct Work final {
    std::string key;        // 16 digits, different in every thread
    std::string tdesKey;    // 32 digits
    std::string block;      // 16 digits
    std::string tdes;       // vek_Calc_TripleDES(tdesKey, block, 1)
    std::string image;      // 64 digits
    std::string encrypted;  // vek_Tran_DecryptOrEncryptImage(image, 1, key)
    std::string hexa;       // a hexadecimal number, and its decimal text worked out here
    std::string decimal;
    std::string encryptedFile;  // the plain file encrypted under key, single-threaded
    std::string encryptedBytes;
    int searched = 0;           // the record a search looks for
    // A TripleDES call that fails, with a code of its own in every thread.
    std::string badKey;
    std::string badBlock;
    short badMode = 1;
    short badStatus = 0;
};

std::string text_call(const std::function<short(char*, int)>& run, short& status) {
    const Outcome o = call_text(run, 4096);
    status = o.result == -1 ? o.status : short{1};
    return o.out;
}

class Threads : public ::testing::Test {
protected:
    void SetUp() override {
        std::mt19937_64 rng(20261211);
        std::string plain;
        for (int k = 0; k < kRecords; ++k) {
            m_records.push_back(serial(k) + random_hexa(rng, kRecordDigits - 8));
            plain += m_records.back() + "\r\n";
        }
        m_plainFile = m_dir.file("plain.img");
        write_file(m_plainFile, plain);

        // Codes -1, -3, -4 and -5 of vek_Calc_TripleDES, one a thread.
        const std::array<std::array<std::string, 2>, kThreads> bad = {{
            {"0123456789ABCDEFG123456789ABCDEF", "0000000000000000"},  // -1 key not hexadecimal
            {"0123456789ABCDEF0123456789ABCDEF", "00000000000000x0"},  // -3 data not hexadecimal
            {"0123456789ABCDEF0123456789ABCDEF", "000000000000000"},   // -4 data not 16 digits
            {"0123456789ABCDEF0123456789ABCDEF", "0000000000000000"},  // -5 mode 7
        }};
        const std::array<short, kThreads> badStatus = {-1, -3, -4, -5};

        for (int t = 0; t < kThreads; ++t) {
            Work w;
            w.key = random_hexa(rng, 16);
            w.tdesKey = random_hexa(rng, 32);
            w.block = random_hexa(rng, 16);
            w.image = random_hexa(rng, 64);
            const std::uint64_t value = rng() >> (8 * t);
            char hexa[17];
            std::snprintf(hexa, sizeof hexa, "%llX", static_cast<unsigned long long>(value));
            w.hexa = hexa;
            w.decimal = std::to_string(value);
            w.searched = 17 + 41 * t;
            w.badKey = bad[t][0];
            w.badBlock = bad[t][1];
            w.badMode = t == 3 ? short{7} : short{1};
            w.badStatus = badStatus[t];

            short status = 0;
            w.tdes = text_call([&](char* out, int size) {
                return VEK(vek_Calc_TripleDES)(w.tdesKey.c_str(), w.block.c_str(), 1, out, size);
            }, status);
            EXPECT_EQ(status, 0);
            w.encrypted = text_call([&](char* out, int size) {
                return VEK(vek_Tran_DecryptOrEncryptImage)(w.image.c_str(), 1, w.key.c_str(), out, size);
            }, status);
            EXPECT_EQ(status, 0);
            w.encryptedFile = m_dir.file("encrypted" + std::to_string(t) + ".img");
            EXPECT_EQ(VEK(vek_File_DecryptOrEncryptImageFile)(m_plainFile.c_str(), w.encryptedFile.c_str(), 0, 1,
                                                              w.key.c_str(), ""),
                      -1);
            w.encryptedBytes = read_file(w.encryptedFile);
            EXPECT_EQ(w.encryptedBytes.size(), plain.size());
            m_work.push_back(w);
        }
    }

    // One thread's rounds; the number of results that differ from the
    // single-threaded ones.
    int Run(int t) {
        const Work& w = m_work[static_cast<std::size_t>(t)];
        int wrong = 0;
        const auto expect = [&](bool ok) { wrong += ok ? 0 : 1; };
        const auto status_is = [&](short code) { expect(VEK(vek_LastStatus)() == code); };
        std::vector<char> out(4096);
        const auto text = [&] { return std::string(out.data()); };
        const int size = static_cast<int>(out.size());
        for (int round = 0; round < kRounds; ++round) {
            // Pure functions, succeeding and failing, each checked with its status.
            expect(VEK(vek_Conv_HexaToDec)(w.hexa.c_str(), 0, out.data(), size) == -1 && text() == w.decimal);
            status_is(0);
            expect(VEK(vek_Calc_TripleDES)(w.badKey.c_str(), w.badBlock.c_str(), w.badMode, out.data(), size) == 0);
            status_is(w.badStatus);

            // The DES engine, with a key of this thread's in every call.
            expect(VEK(vek_Calc_TripleDES)(w.tdesKey.c_str(), w.block.c_str(), 1, out.data(), size) == -1 &&
                   text() == w.tdes);
            status_is(0);
            expect(VEK(vek_Tran_DecryptOrEncryptImage)(w.image.c_str(), 1, w.key.c_str(), out.data(), size) == -1 &&
                   text() == w.encrypted);
            status_is(0);

            // A file stored under this thread's key, searched record by record.
            const std::string& record = m_records[static_cast<std::size_t>(w.searched)];
            expect(VEK(vek_File_ExtractImageByFieldWithNonSeqSearch)(w.encryptedFile.c_str(), 0, 1,
                                                                     serial(w.searched).c_str(), w.key.c_str(),
                                                                     out.data(), size) == -1 &&
                   text() == record);
            status_is(0);

            // Random values through the same engine.
            const short drawn = VEK(vek_Calc_RndByMinMax)("0", "9", "DEC", 32, out.data(), size);
            expect(drawn == -1 && text().size() == 32 && text().find_first_not_of("0123456789") == std::string::npos);
            status_is(0);

            // The whole file encrypted under this thread's key.
            if (round % kFileEvery == 0) {
                const std::string target = m_dir.file("copy" + std::to_string(m_copies++) + ".img");
                expect(VEK(vek_File_DecryptOrEncryptImageFile)(m_plainFile.c_str(), target.c_str(), 0, 1,
                                                               w.key.c_str(), "") == -1);
                status_is(0);
                expect(read_file(target) == w.encryptedBytes);
            }
        }
        return wrong;
    }

    TempDir m_dir;
    std::string m_plainFile;
    std::vector<std::string> m_records;
    std::vector<Work> m_work;
    std::atomic<int> m_copies{0};  // names the target of every whole-file copy
};

TEST_F(Threads, EveryResultAndStatusAsInOneThread) {
    ASSERT_EQ(m_work.size(), static_cast<std::size_t>(kThreads));
    // The single-threaded results first: the same calls, one thread.
    for (int t = 0; t < kThreads; ++t) ASSERT_EQ(Run(t), 0) << "thread " << t << " alone";

    std::array<std::atomic<int>, kThreads> wrong{};
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            while (!go.load()) std::this_thread::yield();
            wrong[static_cast<std::size_t>(t)] = Run(t);
        });
    }
    go = true;
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(wrong[static_cast<std::size_t>(t)].load(), 0) << "thread " << t;
}

// A key loaded with vek_Tran_InitDES stays loaded for the next call, whichever
// thread makes it: the engine is the process's.
TEST_F(Threads, LoadedKeyIsTheProcesss) {
    const std::string key = "133457799BBCDFF1";
    ASSERT_EQ(VEK(vek_Tran_InitDES)(1, key.c_str(), 0), -1);
    std::string result;
    std::thread other([&] {
        char out[17];
        if (VEK(vek_Tran_CalDES_Fast)("0123456789ABCDEF", 1, 0, out, sizeof out) == -1) result = out;
    });
    other.join();
    // FIPS 46 worked example: key 133457799BBCDFF1, block 0123456789ABCDEF.
    EXPECT_EQ(result, "85E813540F0AB405");
}

}  // namespace
}  // namespace vek::test
