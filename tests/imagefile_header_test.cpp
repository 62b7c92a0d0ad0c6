// Image file headers: the parser's field lists (tests/data/imageheader.vec, whose
// export cases the one runner runs), and the three header exports as a caller
// sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "imagefile/C_ImageFileHeader.h"
#include "support/api.h"
#include "support/vectors.h"

namespace {

using vek::test::call_text;
using vek::test::load_vectors;
using vek::test::Vector;
using Header = C_ImageFileHeader;

std::string listed(const Header& h) {
    std::string s;
    for (const auto& [name, value] : h.Fields()) s += "(" + name + "|" + value + ")";
    return s;
}

class HeaderParse : public ::testing::TestWithParam<Vector> {};

TEST_P(HeaderParse, FieldsAndText) {
    const Vector& v = GetParam();
    if (v.has("Invalid")) {
        EXPECT_THROW(Header{v["Header"]}, Header::xInvalidHeader);
        return;
    }
    const Header h(v["Header"]);
    EXPECT_EQ(listed(h), v["Fields"]);
    EXPECT_EQ(h.GetText(), v["Text"]);
    // What GetText writes parses back to the same list, as long as no field is
    // nameless (the parser reads everything after a nameless field as values).
    const bool named = std::none_of(h.Fields().begin(), h.Fields().end(), [](const auto& f) { return f.first.empty(); });
    if (named) {
        EXPECT_EQ(listed(Header(h.GetText())), v["Fields"]);
    }
}

INSTANTIATE_TEST_SUITE_P(ImageHeader, HeaderParse, ::testing::ValuesIn(load_vectors("imageheader.vec", "Parse")));

// The class keeps the order of its fields through every change.
TEST(HeaderClass, OrderKeptThroughChanges) {
    Header h;
    EXPECT_EQ(h.GetText(), "");
    EXPECT_THROW(h.GetField("A"), Header::xFieldNotFound);
    EXPECT_THROW(h.RemoveField("A"), Header::xFieldNotFound);
    h.SetField("A", "1");
    h.SetField("B", "2");
    h.SetField("C", "3");
    h.SetField("A", "9");
    h.RemoveField("B");
    h.SetField("B", "4");
    EXPECT_EQ(h.GetText(), "A 9/C 3/B 4");
    const Header copy = h;
    h.RemoveField("A");
    EXPECT_EQ(copy.GetText(), "A 9/C 3/B 4");
    EXPECT_EQ(h.GetText(), "C 3/B 4");
}

// Null pointers read as empty texts: an empty header, an empty name.
TEST(HeaderExportsNull, NullReadsAsEmpty) {
    const auto set = call_text([](char* o, int n) {
        return VEK(vek_Tran_SetFieldInImageFileHeader)(nullptr, "LOT", "1", o, n);
    });
    EXPECT_EQ(set.result, -1);
    EXPECT_EQ(set.out, "LOT 1");
    const auto get = call_text([](char* o, int n) {
        return VEK(vek_Tran_GetFieldInImageFileHeader)("LOT 1", nullptr, o, n);
    });
    EXPECT_EQ(get.status, -4);
}

static const vek::test::TextSamples kSamples{{
    {"vek_Tran_SetFieldInImageFileHeader",
     [](char* o, int n) { return VEK(vek_Tran_SetFieldInImageFileHeader)("LOT 17", "TYPE", "B", o, n); },
     "LOT 17/TYPE B"},
    {"vek_Tran_GetFieldInImageFileHeader",
     [](char* o, int n) { return VEK(vek_Tran_GetFieldInImageFileHeader)("LOT 17/TYPE B", "TYPE", o, n); }, "B"},
    {"vek_Tran_RemoveFieldInImageFileHeader",
     [](char* o, int n) { return VEK(vek_Tran_RemoveFieldInImageFileHeader)("LOT 17/TYPE B", "LOT", o, n); },
     "TYPE B"},
}};

}  // namespace
