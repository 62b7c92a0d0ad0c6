// Data preparation through the exports: the shared DES engine left as it was,
// PIN blocks with random fill (formats 1 and 3) by structure and round trip,
// null pointers and the size rule. The fixed answers are in data/dataprep.vec.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/api.h"
#include "support/texts.h"

namespace {

using vek::test::call_text;
using vek::test::Outcome;

void expect_ok(const Outcome& o, const std::string& out) {
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, out);
}

// One successful call of each of the nine, with its published or oracle answer
// (data/dataprep.vec gives the sources); the frame test also runs them with
// buffers that are too small.
const std::vector<vek::test::TextSample> kNine{
    {"vek_Calc_KeyCheckValue",
     [](char* o, int n) { return VEK(vek_Calc_KeyCheckValue)("0123456789ABCDEFFEDCBA9876543210", 0, o, n); },
     "08D7B4"},
    {"vek_Calc_TripleDESData",
     [](char* o, int n) {
         return VEK(vek_Calc_TripleDESData)("0123456789ABCDEF", "4E6F77206973207468652074696D6520666F7220616C6C20",
                                            1, 1, "1234567890ABCDEF", o, n);
     },
     "E5C7CDDE872BF27C43E934008C389C0F683788499A7C05F6"},
    {"vek_Calc_MAC",
     [](char* o, int n) {
         return VEK(vek_Calc_MAC)("0123456789ABCDEFFEDCBA9876543210",
                                  "4E6F77206973207468652074696D6520666F7220616C6C20", 3, 1, o, n);
     },
     "A1C72E74EA3FA9B6"},
    {"vek_Calc_DeriveICCMasterKey",
     [](char* o, int n) {
         return VEK(vek_Calc_DeriveICCMasterKey)("0123456789ABCDEFFEDCBA9876543210", "99012345678901234", "45", 0, o,
                                                 n);
     },
     "985EC4FD3EDF6162E31AF1C7D0543416"},
    {"vek_Calc_CardVerificationValue",
     [](char* o, int n) {
         return VEK(vek_Calc_CardVerificationValue)("0123456789ABCDEFFEDCBA9876543210", "4123456789012", "8701", "101",
                                                    o, n);
     },
     "370"},
    {"vek_Calc_PINBlock", [](char* o, int n) { return VEK(vek_Calc_PINBlock)(0, "92389", "4000001234562", o, n); },
     "0592789FFFEDCBA9"},
    {"vek_Conv_PINBlockToPIN",
     [](char* o, int n) { return VEK(vek_Conv_PINBlockToPIN)(0, "0592789FFFEDCBA9", "4000001234562", o, n); },
     "92389"},
    {"vek_Tran_BuildTLV", [](char* o, int n) { return VEK(vek_Tran_BuildTLV)("9F36", "0001", o, n); }, "9F36020001"},
    {"vek_Tran_BuildDGI", [](char* o, int n) { return VEK(vek_Tran_BuildDGI)("0101", "5A021234", o, n); },
     "0101045A021234"},
};
const vek::test::TextSamples kSamples{kNine};

Outcome fast(const std::string& image, short mode) {
    return call_text([&](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)(image.c_str(), mode, 0, o, n); });
}

// A caller's engine sequence: a key loaded, a first block, then (between) any
// of the nine, then more blocks, short and long (the long run goes through the
// engine's bitsliced schedule). What comes out must be what the same sequence
// gives without the nine in between.
TEST(DataPrepExports, LeaveTheSharedEngineAsItWas) {
    const std::string block = "0123456789ABCDEF";
    const std::string run = vek::test::repeat("4E6F772069732074", 3750);
    auto sequence = [&](bool between) {
        EXPECT_EQ(VEK(vek_Tran_InitDES)(1, "133457799BBCDFF1", 0), -1);
        std::vector<Outcome> seen{fast(block, 1)};
        if (between) {
            for (const auto& f : kNine) expect_ok(call_text(f.run), f.expected);
            // The random fill of formats 1 and 3, a 60000-digit Triple-DES run
            // and a MAC under a single key, all with keys of their own.
            EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_PINBlock)(1, "1234", nullptr, o, n); }).result, -1);
            EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_PINBlock)(3, "1234", "4000001234562", o, n); }).result, -1);
            EXPECT_EQ(call_text([&](char* o, int n) {
                          return VEK(vek_Calc_TripleDESData)("FEDCBA9876543210", run.c_str(), 0, 1, "0000000000000000", o, n);
                      }).result, -1);
            EXPECT_EQ(call_text([](char* o, int n) { return VEK(vek_Calc_MAC)("FEDCBA9876543210", "", 1, 2, o, n); }).result, -1);
        }
        seen.push_back(fast(block, 1));
        seen.push_back(fast(seen.front().out, 0));
        seen.push_back(fast(run, 1));
        return seen;
    };
    const auto alone = sequence(false);
    const auto interrupted = sequence(true);
    ASSERT_EQ(alone.size(), interrupted.size());
    // DES of 0123456789ABCDEF under 133457799BBCDFF1 (the classic worked example).
    EXPECT_EQ(alone[0].out, "85E813540F0AB405");
    for (std::size_t i = 0; i < alone.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(interrupted[i].result, -1);
        EXPECT_EQ(interrupted[i].out, alone[i].out);
    }
}

// The clear PIN field of a block, by exclusive-or with the account field of
// `pan` (0000 and the 12 digits before the check digit), written here.
std::string clear_field(const std::string& block, const std::string& pan) {
    const std::string account = "0000" + pan.substr(pan.size() - 13, 12);
    std::string field(16, '0');
    for (int i = 0; i < 16; ++i) {
        const auto x = std::strtol(block.substr(i, 1).c_str(), nullptr, 16) ^
                       std::strtol(account.substr(i, 1).c_str(), nullptr, 16);
        field[i] = "0123456789ABCDEF"[x];
    }
    return field;
}

struct RandomFill final {
    short format;
    const char* pan;       // nullptr for format 1
    const char* allowed;   // the fill's digits
};

class DataPrepPINBlock : public ::testing::TestWithParam<RandomFill> {};

// Formats 1 and 3: each block holds the format digit, the length, the PIN and
// a fill from the format's digits; it reads back to the PIN; the fill varies.
TEST_P(DataPrepPINBlock, RandomFillByStructureAndRoundTrip) {
    const auto& c = GetParam();
    std::set<std::string> blocks;
    for (const std::string pin : {"1234", "0000000", "987654321098"}) {
        for (int i = 0; i < 8; ++i) {
            const auto built = call_text([&](char* o, int n) { return VEK(vek_Calc_PINBlock)(c.format, pin.c_str(), c.pan, o, n); });
            ASSERT_EQ(built.result, -1);
            ASSERT_EQ(built.out.size(), 16u);
            if (pin.size() <= 7) blocks.insert(built.out);
            const std::string field = c.pan == nullptr ? built.out : clear_field(built.out, c.pan);
            EXPECT_EQ(field.substr(0, 2 + pin.size()), std::to_string(c.format) + "0123456789ABC"[pin.size()] + pin);
            EXPECT_EQ(field.find_first_not_of(c.allowed, 2 + pin.size()), std::string::npos) << field;
            expect_ok(call_text([&](char* o, int n) { return VEK(vek_Conv_PINBlockToPIN)(c.format, built.out.c_str(), c.pan, o, n); }),
                      pin);
        }
    }
    // 16 blocks with 7 or more random digits each: equal ones would be a broken source.
    EXPECT_EQ(blocks.size(), 16u);
}

INSTANTIATE_TEST_SUITE_P(Formats, DataPrepPINBlock,
                         ::testing::Values(RandomFill{1, nullptr, "0123456789ABCDEF"},
                                           RandomFill{3, "4000001234562", "ABCDEF"},
                                           RandomFill{3, "5432109876543210987", "ABCDEF"}));

// Every text a null pointer: the first check's code, no crash; a null out with
// room claimed is an internal failure, with none it is -50.
TEST(DataPrepExports, NullPointers) {
    struct Case final {
        const char* function;
        std::function<short(char*, int)> run;
        short status;
    };
    const std::vector<Case> cases{
        {"KeyCheckValue", [](char* o, int n) { return VEK(vek_Calc_KeyCheckValue)(nullptr, 0, o, n); }, -1},
        {"TripleDESData", [](char* o, int n) { return VEK(vek_Calc_TripleDESData)(nullptr, nullptr, 1, 0, nullptr, o, n); }, -1},
        {"MAC", [](char* o, int n) { return VEK(vek_Calc_MAC)(nullptr, nullptr, 1, 1, o, n); }, -1},
        {"DeriveICCMasterKey", [](char* o, int n) { return VEK(vek_Calc_DeriveICCMasterKey)(nullptr, nullptr, nullptr, 0, o, n); }, -1},
        {"CardVerificationValue", [](char* o, int n) { return VEK(vek_Calc_CardVerificationValue)(nullptr, nullptr, nullptr, nullptr, o, n); }, -1},
        {"PINBlock", [](char* o, int n) { return VEK(vek_Calc_PINBlock)(0, nullptr, nullptr, o, n); }, -2},
        {"PINBlockToPIN", [](char* o, int n) { return VEK(vek_Conv_PINBlockToPIN)(0, nullptr, nullptr, o, n); }, -2},
        {"BuildTLV", [](char* o, int n) { return VEK(vek_Tran_BuildTLV)(nullptr, nullptr, o, n); }, -1},
        {"BuildDGI", [](char* o, int n) { return VEK(vek_Tran_BuildDGI)(nullptr, nullptr, o, n); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        const auto o = call_text(c.run);
        EXPECT_EQ(o.result, 0);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(c.run(nullptr, 0), 0);
        EXPECT_EQ(VEK_STATUS(), -50);
        EXPECT_EQ(c.run(nullptr, 64), 0);
        EXPECT_EQ(VEK_STATUS(), -99);
    }
    // A null psn is "00" and a null value is empty: these succeed.
    expect_ok(call_text([](char* o, int n) {
                  return VEK(vek_Calc_DeriveICCMasterKey)("0123456789ABCDEFFEDCBA9876543210", "4761739001010010", nullptr, 0, o, n);
              }),
              "7C89E3641F4FE9CDFD8989B02FF149CB");
    expect_ok(call_text([](char* o, int n) { return VEK(vek_Tran_BuildDGI)("8000", nullptr, o, n); }), "800000");
    expect_ok(call_text([](char* o, int n) { return VEK(vek_Calc_MAC)("0123456789ABCDEF", nullptr, 1, 1, o, n); }),
              "D5D44FF720683D0D");
}

// What vek_Tran_BuildTLV writes, vek_Tran_ExtractTLV reads back, inside a
// template too; the DGI around it is the record as a card's personalization takes it.
TEST(DataPrepExports, BuiltElementsReadBack) {
    const std::string value = vek::test::repeat("A5", 300);
    const auto inner = call_text([&](char* o, int n) { return VEK(vek_Tran_BuildTLV)("9F4B", value.c_str(), o, n); });
    ASSERT_EQ(inner.result, -1);
    const auto record = call_text([&](char* o, int n) { return VEK(vek_Tran_BuildTLV)("70", inner.out.c_str(), o, n); });
    ASSERT_EQ(record.result, -1);
    expect_ok(call_text([&](char* o, int n) { return VEK(vek_Tran_ExtractTLV)("70", "9F4B", nullptr, record.out.c_str(), o, n); }),
              value);
    const auto dgi = call_text([&](char* o, int n) { return VEK(vek_Tran_BuildDGI)("0101", record.out.c_str(), o, n); });
    ASSERT_EQ(dgi.result, -1);
    // 70 82 0131 (9F4B 82 012C <300 bytes>): 4 + 305 = 309 bytes, FF 0135 in the DGI.
    EXPECT_EQ(record.out.substr(0, 18), "708201319F4B82012C");
    EXPECT_EQ(dgi.out.substr(0, 10), "0101FF0135");
    EXPECT_EQ(dgi.out.substr(10), record.out);
}

}  // namespace
