// Image file headers: the parser's field lists, and the three header exports as
// a caller sees them (tests/data/imageheader.vec).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "imagefile/C_ImageFileHeader.h"
#include "support/api.h"
#include "support/expect_vector.h"
#include "support/vectors.h"

namespace {

using vek::test::call_text;
using vek::test::load_vectors;
using vek::test::Vector;
using Header = C_ImageFileHeader;

// The vector files write a space as ␠ where it would be hard to see.
std::string spaces(const std::string& text) {
    static const std::string kMark = "\xE2\x90\xA0";  // U+2420 in UTF-8
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        const bool mark = text.compare(i, kMark.size(), kMark) == 0;
        plain += mark ? ' ' : text[i];
        i += mark ? kMark.size() : 1;
    }
    return plain;
}

std::string field(const Vector& v, const std::string& key) { return spaces(v[key]); }

std::string listed(const Header& h) {
    std::string s;
    for (const auto& [name, value] : h.Fields()) s += "(" + name + "|" + value + ")";
    return s;
}

class HeaderParse : public ::testing::TestWithParam<Vector> {};

TEST_P(HeaderParse, FieldsAndText) {
    const Vector& v = GetParam();
    if (v.has("Invalid")) {
        EXPECT_THROW(Header{field(v, "Header")}, Header::xInvalidHeader);
        return;
    }
    const Header h(field(v, "Header"));
    EXPECT_EQ(listed(h), field(v, "Fields"));
    EXPECT_EQ(h.GetText(), field(v, "Text"));
    // What GetText writes parses back to the same list, as long as no field is
    // nameless (the parser reads everything after a nameless field as values).
    const bool named = std::none_of(h.Fields().begin(), h.Fields().end(), [](const auto& f) { return f.first.empty(); });
    if (named) {
        EXPECT_EQ(listed(Header(h.GetText())), field(v, "Fields"));
    }
}

INSTANTIATE_TEST_SUITE_P(ImageHeader, HeaderParse, ::testing::ValuesIn(load_vectors("imageheader.vec", "Parse")));

class HeaderExports : public ::testing::TestWithParam<Vector> {};

TEST_P(HeaderExports, AsACallerSeesThem) {
    const Vector& v = GetParam();
    const std::string header = field(v, "Header");
    const std::string name = field(v, "Name");
    vek::test::Outcome got{};
    if (v.section == "vek_Tran_SetFieldInImageFileHeader") {
        const std::string value = field(v, "Value");
        got = call_text([&](char* o, int n) {
            return VEK(vek_Tran_SetFieldInImageFileHeader)(header.c_str(), name.c_str(), value.c_str(), o, n);
        });
    } else if (v.section == "vek_Tran_GetFieldInImageFileHeader") {
        got = call_text([&](char* o, int n) {
            return VEK(vek_Tran_GetFieldInImageFileHeader)(header.c_str(), name.c_str(), o, n);
        });
    } else {
        got = call_text([&](char* o, int n) {
            return VEK(vek_Tran_RemoveFieldInImageFileHeader)(header.c_str(), name.c_str(), o, n);
        });
    }
    Vector expected = v;
    if (expected.has("Out")) expected.fields["Out"] = field(v, "Out");
    vek::test::expect_vector_outcome(got, expected);
}

std::vector<Vector> export_cases() {
    std::vector<Vector> cases = load_vectors("imageheader.vec");
    std::erase_if(cases, [](const Vector& v) { return v.section == "Parse"; });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ImageHeader, HeaderExports, ::testing::ValuesIn(export_cases()));

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
