// The bitsliced DES path: long electronic-codebook runs of the engine against
// the published vectors and against the single-block path, with the variant
// that VEK_DES_VARIANT forces (ctest runs these tests once per variant).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "crypto/C_DES.h"
#include "crypto/des_sliced.h"
#include "support/texts.h"
#include "support/vectors.h"

namespace {

using vek::des::Variant;
using vek::test::random_below;
using vek::test::random_hexa;

// Skips when VEK_DES_VARIANT names a variant this processor cannot run (the
// engine then runs a narrower one, which its own ctest run covers).
class DesSliced : public ::testing::Test {
protected:
    void SetUp() override {
        const char* wanted = std::getenv("VEK_DES_VARIANT");
        if (wanted == nullptr) return;
        for (const Variant v : {Variant::Table, Variant::Portable, Variant::Sse2, Variant::Avx2, Variant::Avx512})
            if (std::string(wanted) == vek::des::variant_name(v) && v > vek::des::best_variant())
                GTEST_SKIP() << "this processor lacks " << wanted;
    }
};

TEST_F(DesSliced, TheForcedVariantIsInEffect) {
    const char* wanted = std::getenv("VEK_DES_VARIANT");
    const std::string expected = wanted != nullptr ? wanted : vek::des::variant_name(vek::des::best_variant());
    EXPECT_EQ(vek::des::variant_name(vek::des::variant()), expected);
}

// The single-block path, block by block, on a fresh engine.
std::string one_by_one(const std::string& key, int direction, std::string text) {
    C_DES des;
    des.SetKeyHexa(key.c_str());
    for (std::size_t at = 0; at < text.size(); at += 16) des.CalDESHexa(direction, &text[at]);
    return text;
}

// Every published case, many blocks under each key: the cases of one key are
// laid out in a shuffled order, so that every block position of a pass sees
// several of them.
TEST_F(DesSliced, PublishedVectorsInLongRuns) {
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> byKey;
    for (const auto& v : vek::test::load_vectors("des.vec", "vek_Tran_DecryptOrEncryptImage"))
        byKey[v["key"]].emplace_back(v["image"], v["Out"]);
    std::mt19937_64 rng(12);
    C_DES des;
    for (const auto& [key, cases] : byKey) {
        std::string plain, cipher;
        for (int i = 0; i < 700; ++i) {
            const auto& c = cases[random_below(rng, cases.size())];
            plain += c.first;
            cipher += c.second;
        }
        des.SetKeyHexa(key.c_str());
        std::string text = plain;
        des.CalDESHexaBlocks(1, text.data(), text.size() / 16);
        EXPECT_EQ(text, cipher) << key;
        des.CalDESHexaBlocks(0, text.data(), text.size() / 16);
        EXPECT_EQ(text, plain) << key;
    }
}

// Every run length up to 600 blocks and a spread up to 2000 (every tail and
// partial pass of every width), both directions, both key slots, a new key at
// every length: a schedule kept from an earlier key would show at once.
TEST_F(DesSliced, RandomRunsMatchTheSingleBlockPath) {
    std::vector<std::size_t> lengths;
    for (std::size_t n = 1; n <= 600; ++n) lengths.push_back(n);
    for (std::size_t n = 601; n <= 2000; n += 13) lengths.push_back(n);
    lengths.push_back(2000);
    std::mt19937_64 rng(34);
    C_DES des;
    for (const std::size_t n : lengths) {
        const std::string key = random_hexa(rng, 16), plain = random_hexa(rng, 16 * n);
        const int slot = static_cast<int>(n % 2);
        des.SelectKey(slot);
        des.SetKeyHexa(key.c_str());
        const int direction = static_cast<int>(n / 2 % 2);
        std::string text = plain;
        des.CalDESHexaBlocks(direction, text.data(), n);
        ASSERT_EQ(text, one_by_one(key, direction, plain)) << n << " blocks";
        des.CalDESHexaBlocks(1 - direction, text.data(), n);
        ASSERT_EQ(text, plain) << n << " blocks";
    }
}

// Records in place: runs of records of 1 to 5 blocks with gaps of 2 (a line
// end) or 5 bytes between them, as many records as fill every pass width and
// leave every tail, against the single-block path record by record; the gaps
// are left alone.
TEST_F(DesSliced, RecordsMatchTheSingleBlockPathAndKeepTheirGaps) {
    std::mt19937_64 rng(78);
    C_DES des;
    for (std::size_t blocks = 1; blocks <= 5; ++blocks) {
        for (const std::size_t gap : {std::size_t{2}, std::size_t{5}}) {
            for (const std::size_t records : {1, 3, 4, 5, 15, 16, 17, 63, 64, 65, 127, 128, 129, 300, 515}) {
                const std::string key = random_hexa(rng, 16);
                const int direction = static_cast<int>(records % 2);
                const std::size_t digits = 16 * blocks, stride = digits + gap;
                std::string text, expected;
                for (std::size_t k = 0; k < records; ++k) {
                    const std::string plain = random_hexa(rng, digits);
                    const std::string marks = std::string(gap - 2, '.') + "\r\n";
                    text += plain + marks;
                    expected += one_by_one(key, direction, plain) + marks;
                }
                des.SetKeyHexa(key.c_str());
                des.CalDESHexaRecords(direction, text.data(), records, blocks, stride);
                ASSERT_EQ(text, expected) << records << " records of " << blocks << " blocks, gap " << gap;
            }
        }
    }
}

// Keys loaded every way the engine has, each followed by a long run on the
// slot it changed.
TEST_F(DesSliced, EveryKeyLoadReachesTheLongRuns) {
    std::mt19937_64 rng(56);
    const std::string k1 = random_hexa(rng, 16), k2 = random_hexa(rng, 16), k3 = random_hexa(rng, 16);
    const std::string plain = random_hexa(rng, 16 * 300), block = random_hexa(rng, 16);
    const auto run = [&](C_DES& des) {
        std::string t = plain;
        des.CalDESHexaBlocks(1, t.data(), 300);
        return t;
    };
    C_DES des;
    EXPECT_EQ(run(des), one_by_one(std::string(16, '0'), 1, plain));  // never loaded: the all-zero key
    des.SetKeysHexa(k1.c_str(), k2.c_str());
    EXPECT_EQ(run(des), one_by_one(k1, 1, plain));
    des.SelectKey(1);
    EXPECT_EQ(run(des), one_by_one(k2, 1, plain));
    std::string t = block;
    des.SetKeysAndCalTripleDESHexa(1, k3.c_str(), k1.c_str(), t.data());
    EXPECT_EQ(run(des), one_by_one(k3, 1, plain));
    des.SelectKey(1);
    EXPECT_EQ(run(des), one_by_one(k1, 1, plain));
    des.SetKeyHexa(k2.c_str());
    EXPECT_EQ(run(des), one_by_one(k2, 1, plain));
    des.SelectKey(0);
    EXPECT_EQ(run(des), one_by_one(k3, 1, plain));
}

}  // namespace
