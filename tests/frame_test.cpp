// The frame shared by every exported function.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include "frame/catalogue.h"
#include "frame/frame.h"
#include "support/api.h"
#include "types/C_StringType.h"

namespace {

using vek::frame::On;
using S = C_StringType;

TEST(Frame, VersionAndLastStatusThroughTheLibrary) {
    EXPECT_EQ(VEK(vek_Version)(), 13);
    EXPECT_EQ(VEK(vek_LastStatus)(), VEK(vek_LastStatus)());
}

TEST(Frame, StatusIsResetOnEntryAndKeptUntilTheNextCall) {
    vek::status::set(-7);
    EXPECT_EQ(vek::frame::call([] { return true; }), -1);
    EXPECT_EQ(vek::status::get(), 0);

    EXPECT_EQ(vek::frame::call([]() -> bool { vek::frame::fail(-3); }), 0);
    EXPECT_EQ(vek::status::get(), -3);
    EXPECT_EQ(vek::status::get(), -3);  // reading does not change it
}

// A body that throws T, run through the outer layer.
template <class T>
short throwing() {
    return vek::frame::call([]() -> bool { throw T{}; });
}

TEST(Frame, OuterLayerTranslatesEveryKind) {
    EXPECT_EQ(throwing<std::bad_alloc>(), 0);
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(throwing<xRuntimeError>(), 0);
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(throwing<xBufferTooSmall>(), 0);
    EXPECT_EQ(vek::status::get(), -50);
    EXPECT_EQ(vek::frame::call([]() -> bool { throw std::runtime_error("boom"); }), 0);
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(throwing<int>(), 0);
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(throwing<S::xWrongType>(), 0);  // no code of its own anywhere
    EXPECT_EQ(vek::status::get(), -99);
}

TEST(Frame, StageMapsOnlyTheListedTypesAndTheFirstMatchingRowWins) {
    const auto run = [](auto thrower) {
        return vek::frame::call([&] {
            vek::frame::stage(thrower, On<S::xEmptyString, S::xInvalidType>{-1}, On<S::xStringTooLong>{-2},
                              On<S::xInvalidType>{-5});
            return true;
        });
    };
    EXPECT_EQ(run([] { throw S::xInvalidType{}; }), 0);
    EXPECT_EQ(vek::status::get(), -1);
    EXPECT_EQ(run([] { throw S::xStringTooLong{}; }), 0);
    EXPECT_EQ(vek::status::get(), -2);
    EXPECT_EQ(run([] { throw S::xOverlap{}; }), 0);  // unlisted: the outer layer's -99
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(run([] { throw std::bad_alloc{}; }), 0);
    EXPECT_EQ(vek::status::get(), -99);
    EXPECT_EQ(run([] { throw xBufferTooSmall{}; }), 0);
    EXPECT_EQ(vek::status::get(), -50);
}

TEST(Frame, StagesGiveCodesPerInputInBuildOrder) {
    // Two inputs, both bad: the first built decides.
    const short result = vek::frame::call([] {
        vek::frame::stage([] { throw S::xEmptyString{}; }, On<S::xEmptyString>{-1});
        vek::frame::stage([] { throw S::xEmptyString{}; }, On<S::xEmptyString>{-2});
        return true;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(vek::status::get(), -1);
}

struct SizeCase {
    int outSize;
    short result;
    short status;
    const char* out;  // nullptr: untouched
};

class FrameSizeRule : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FrameSizeRule, ClearsFirstAndCopiesOnlyWhatFits) {
    const SizeCase c = GetParam();
    char out[16];
    std::memset(out, 'x', sizeof out);
    const short result = vek::frame::text(out, c.outSize, [] { return std::string("ABCD"); });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(vek::status::get(), c.status);
    if (c.out == nullptr)
        EXPECT_EQ(out[0], 'x');
    else
        EXPECT_STREQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Frame, FrameSizeRule,
                         ::testing::Values(SizeCase{-1, 0, -50, nullptr}, SizeCase{0, 0, -50, nullptr},
                                           SizeCase{1, 0, -50, ""}, SizeCase{4, 0, -50, ""},
                                           SizeCase{5, -1, 0, "ABCD"}, SizeCase{16, -1, 0, "ABCD"}));

TEST(Frame, AFailingBodyLeavesTheEmptyText) {
    char out[8] = "garbage";
    EXPECT_EQ(vek::frame::text(out, sizeof out, []() -> std::string { throw S::xEmptyString{}; }), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(vek::status::get(), -99);
}

// The size rule, checked through the library on every export that registered a
// sample: a failed call first, so that the reset of the status shows.
TEST(Frame, EveryTextExportKeepsTheSizeRule) {
    for (const auto& sample : vek::test::text_samples()) {
        SCOPED_TRACE(sample.function);
        const auto ok = vek::test::call_text(sample.run);
        ASSERT_EQ(ok.result, -1);
        EXPECT_EQ(ok.status, 0);
        EXPECT_EQ(ok.out, sample.expected);

        const int exact = static_cast<int>(sample.expected.size());
        const auto tight = vek::test::call_text(sample.run, exact);
        EXPECT_EQ(tight.result, 0);
        EXPECT_EQ(tight.status, -50);
        EXPECT_EQ(tight.out, "");

        const auto none = vek::test::call_text(sample.run, 0);
        EXPECT_EQ(none.result, 0);
        EXPECT_EQ(none.status, -50);
        EXPECT_EQ(none.out, std::string(1, '\x7F'));  // not written at all

        EXPECT_EQ(vek::test::call_text(sample.run).status, 0);  // reset after a failure
    }
}

}  // namespace

namespace {

// Every exported function has its codes in the catalogue, and the catalogue
// speaks of no other function. (Its rows are written from vek.h, as is the
// export table.)
TEST(Catalogue, CoversExactlyTheExportTable) {
    std::ifstream table(VEK_EXPORT_TABLE);
    ASSERT_TRUE(table) << VEK_EXPORT_TABLE;
    std::set<std::string> exported;
    for (std::string line; std::getline(table, line);)
        if (!line.empty() && line[0] != '#') exported.insert(line);
    std::set<std::string> described;
    for (const auto& e : vek::catalogue::entries()) {
        described.insert(std::string(e.function));
        EXPECT_TRUE(exported.count(std::string(e.function))) << e.function << " is not exported";
        EXPECT_TRUE(e.code < 0 && (e.code >= -7 || e.code == VEK_STATUS_BUFFER_TOO_SMALL ||
                                   e.code == VEK_STATUS_INTERNAL))
            << e.function << " " << e.code;
        EXPECT_FALSE(e.message.empty()) << e.function << " " << e.code;
    }
    for (const auto& name : exported) {
        if (name == "vek_LastStatus" || name == "vek_Version") continue;
        EXPECT_TRUE(described.count(name)) << name << " has no status codes in the catalogue";
    }
    EXPECT_EQ(vek::catalogue::message("Conv_HexaToDec", -50), vek::catalogue::message("vek_Conv_HexaToDec", -50));
}

// The common codes carry their one meaning, unless a function gives them one of
// its own (a block mode other than 0 is an internal failure of its own).
TEST(Catalogue, CommonCodesUnlessAFunctionHasItsOwn) {
    using vek::catalogue::message;
    EXPECT_EQ(message("", VEK_STATUS_OK), "no failure");
    EXPECT_EQ(message("vek_Conv_HexaToDec", VEK_STATUS_BUFFER_TOO_SMALL), message("", VEK_STATUS_BUFFER_TOO_SMALL));
    EXPECT_EQ(message("vek_Conv_HexaToDec", VEK_STATUS_INTERNAL), "internal failure");
    EXPECT_NE(message("vek_Tran_CalDES_Fast", VEK_STATUS_INTERNAL), message("", VEK_STATUS_INTERNAL));
    EXPECT_NE(message("vek_Tran_CalDES_Fast", VEK_STATUS_INTERNAL).find("blockMode"), std::string_view::npos);
    EXPECT_EQ(message("vek_Conv_HexaToDec", -8), "");
}

}  // namespace
