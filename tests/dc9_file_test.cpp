// C_DC9File: the format's image data, descriptions of the fixtures and of large
// generated files, extraction and the encrypted copy at class level.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dc9/C_DC9File.h"
#include "support/dc9_data.h"
#include "support/temp_dir.h"
#include "support/vectors.h"
#include "types/C_StringHexa.h"

namespace {

using D = C_DC9File;
using S = C_StringType;
namespace dc9 = vek::test::dc9;

const C_StringHexa kKey("2315208C9110AD40", S::kHexadecimal);

std::vector<FIRDescription> describe(const std::string& path, const std::string& marker, int recordSize, short room,
                                     short& firCount) {
    std::vector<FIRDescription> entries(static_cast<std::size_t>(room));
    firCount = room;
    D(path, room).InitDescription(reinterpret_cast<const unsigned char*>(marker.data()),
                                  static_cast<int>(marker.size()), recordSize, firCount, entries.data());
    entries.resize(static_cast<std::size_t>(firCount < room ? firCount : room));
    return entries;
}

std::string by_index(const std::string& path, const std::vector<FIRDescription>& entries, short fir, int index) {
    std::string out(1 << 20, '\0');
    int size = static_cast<int>(out.size());
    D(path, static_cast<short>(entries.size()))
        .ExtractImageByIndex(entries.data(), fir, index, reinterpret_cast<unsigned char*>(out.data()), size);
    out.resize(static_cast<std::size_t>(size));
    return out;
}

struct ImageCase {
    std::string record;
    std::size_t start;
    std::size_t length;  // npos: no image data
};

TEST(DC9File, FindImageData) {
    constexpr auto none = std::string::npos;
    const ImageCase cases[] = {
        {"#SMC#ABC#END#", 5, 3},
        {"xx#SMC##END#tail", 7, 0},             // empty image data
        {"#SM#SMC#A#END#", 8, 1},               // a '#' that starts no marker
        {"##SMC#AB#EN#END#", 6, 5},             // "#EN#" is not the end marker
        {"#SMC#A#SMC#B#END#", 5, 7},            // the first "#SMC#" counts
        {std::string("#SMC#\0\x01#END#", 12), 5, 2},
        {"#SMC#", 0, none},
        {"#SMC#AB#END", 0, none},               // the end marker cut by the record's end
        {"#END##SMC#A", 0, none},               // an end marker before the start
        {"#SMC#END#", 0, none},                 // the end marker searched after the start marker
        {"", 0, none},
    };
    for (const auto& c : cases) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(c.record.data());
        if (c.length == none) {
            EXPECT_THROW(D::FindImageData(bytes, c.record.size()), D::xImageDataNotFound) << c.record;
        } else {
            const auto image = D::FindImageData(bytes, c.record.size());
            EXPECT_EQ(image.start, c.start) << c.record;
            EXPECT_EQ(image.length, c.length) << c.record;
        }
    }
    // Only the bytes of the record count.
    const std::string longer = "#SMC#AB#END#";
    EXPECT_THROW(D::FindImageData(reinterpret_cast<const unsigned char*>(longer.data()), 10), D::xImageDataNotFound);
}

// Every description of the fixtures, through the class: what it fills on
// success; a failure of some kind otherwise (the codes are checked through the
// exports).
TEST(DC9File, DescribesTheFixtures) {
    for (const auto& v : vek::test::load_vectors("dc9/describe.vec")) {
        const auto marker = vek::test::bytes_of(v["endMarker"]);
        const auto room = static_cast<short>(v.integer("firCount"));
        std::vector<FIRDescription> entries(static_cast<std::size_t>(room), FIRDescription{-7, -7, -7, -7});
        short firCount = room;
        const bool none = v.has("description");
        const auto run = [&] {
            D(v["fileName"], room)
                .InitDescription(marker.data(), static_cast<int>(marker.size()), v.integer("recordSize"), firCount,
                                 none ? nullptr : entries.data());
        };
        if (v.has("Status")) {
            EXPECT_ANY_THROW(run()) << v;
        } else {
            EXPECT_NO_THROW(run()) << v;
        }
        EXPECT_EQ(firCount, v.integer("FirCount")) << v;
        if (!none) {
            EXPECT_EQ(dc9::text(entries), v["Description"]) << v;
        }
    }
}

// Records longer than the first search buffer (10000 bytes), and a marker that
// straddles the end of what one read brings.
TEST(DC9File, LongEndMarkedRecords) {
    const vek::test::TempDir dir;
    for (const std::size_t digits : {9952u, 9953u, 9954u, 25008u}) {
        std::string image;
        for (std::size_t i = 0; i < digits; ++i) image += "0123456789ABCDEF"[i % 16];
        const std::string mark = dc9::file_mark(1);
        const std::string rec = dc9::data_record(std::string(26, 'K'), image);
        const std::string path = dir.file("long" + std::to_string(digits));
        vek::test::write_file(path, mark + rec + rec + dc9::file_mark(2) + rec);
        short firCount = 0;
        const auto entries = describe(path, "\r\n", 0, 4, firCount);
        ASSERT_EQ(firCount, 2);
        const auto m = static_cast<std::int32_t>(mark.size());
        const auto r = static_cast<std::int32_t>(rec.size());
        EXPECT_EQ(dc9::text(entries), dc9::text({{0, m, 2, r}, {m + 2 * r, m, 1, r}}));
        EXPECT_EQ(by_index(path, entries, 0, 3), std::string(28, 'P') + "0" + image);
    }
}

// Records longer than the description's read-ahead window (256 KiB): the end
// marker found wherever it lies across a window's end, a partial marker at the
// end of a window not taken for one, and the records after a long one measured
// from the right place.
TEST(DC9File, RecordsAcrossTheReadAheadWindow) {
    const vek::test::TempDir dir;
    constexpr std::int64_t kWindow = 256 * 1024;
    const std::string marker = "#EOR";
    const std::string mark = "FILEMK\\\\P1" + marker;
    const auto m = static_cast<std::int32_t>(mark.size());
    for (std::int64_t shift = -5; shift <= 5; ++shift) {
        // The first data record's marker ends `shift` bytes after the window's end;
        // a decoy "#EO" ends right at it when the marker lies wholly after it.
        const auto length = static_cast<std::size_t>(kWindow + shift - m);
        std::string rec(length - marker.size(), 'x');
        if (shift >= 4) rec.replace(rec.size() - static_cast<std::size_t>(shift) + 1, 3, "#EO");
        rec += marker;
        const std::string huge = std::string(600000, 'y') + marker;  // across two windows' ends
        const std::string path = dir.file("window" + std::to_string(shift));
        vek::test::write_file(path, mark + rec + rec + mark + huge + huge + mark + "z" + marker);
        short firCount = 0;
        const auto entries = describe(path, marker, 0, 3, firCount);
        ASSERT_EQ(firCount, 3) << shift;
        const auto r = static_cast<std::int32_t>(rec.size());
        const auto h = static_cast<std::int32_t>(huge.size());
        const std::int32_t second = m + 2 * r;
        const std::int32_t third = second + m + 2 * h;
        EXPECT_EQ(dc9::text(entries), dc9::text({{0, m, 2, r}, {second, m, 2, h}, {third, m, 1, 5}})) << shift;
    }
}

// A marker that occurs in no record: the search ends at the end of the file.
TEST(DC9File, MarkerNowhere) {
    const vek::test::TempDir dir;
    const std::string path = dir.file("nowhere");
    vek::test::write_file(path, std::string(30000, 'x'));
    short firCount = 1;
    std::vector<FIRDescription> entries(1);
    const std::string marker = "\r\n";
    EXPECT_THROW(D(path, 1).InitDescription(reinterpret_cast<const unsigned char*>(marker.data()), 2, 0, firCount,
                                            entries.data()),
                 D::xEndRecordNotFound);
}

// Offsets are 32-bit at the interface: a record that starts beyond 2^31 - 1
// is an I/O error, never a wrapped offset. The files are sparse.
TEST(DC9File, OffsetsBeyond32Bits) {
    const vek::test::TempDir dir;
    constexpr std::int64_t kGiB = std::int64_t{1} << 30;
    const std::string fits = dir.file("fits");
    const std::string beyond = dir.file("beyond");
    vek::test::write_file(fits, "");
    vek::test::write_file(beyond, "");
    std::filesystem::resize_file(fits, 2 * kGiB);
    std::filesystem::resize_file(beyond, 3 * kGiB);
    short firCount = 0;
    EXPECT_EQ(dc9::text(describe(fits, "", static_cast<int>(kGiB), 1, firCount)), "0 0 2 1073741824");
    EXPECT_THROW(describe(beyond, "", static_cast<int>(kGiB), 1, firCount), D::xIOError);
}

// The FIR count is 16-bit: 32767 parts are described, one more is refused.
TEST(DC9File, AtMost32767Parts) {
    const vek::test::TempDir dir;
    std::string marks;
    for (int i = 0; i < 32767; ++i) marks += "FILEMK\\\\";
    const std::string most = dir.file("most");
    const std::string more = dir.file("more");
    vek::test::write_file(most, marks);
    vek::test::write_file(more, marks + "FILEMK\\\\");
    short firCount = 0;
    D(most, 0).InitDescription(nullptr, 0, 8, firCount, nullptr);
    EXPECT_EQ(firCount, 32767);
    EXPECT_THROW(D(more, 0).InitDescription(nullptr, 0, 8, firCount, nullptr), D::xWrongFIRNumber);
}

// The copy against the copies OpenSSL made (make_fixtures.py), and back.
TEST(DC9File, EncryptedCopyAndBack) {
    const vek::test::TempDir dir;
    for (const auto& [name, marker, size] : {std::tuple{"fixed_three_parts", "", 120},
                                             {"marker_three_parts", "\r\n", 0},
                                             {"marker_leading_records", "\r\n", 0}}) {
        const std::string source = dc9::fixture(std::string(name) + ".dc9");
        short firCount = 0;
        const auto entries = describe(source, marker, size, 8, firCount);
        const D file(source, static_cast<short>(entries.size()));
        const std::string encrypted = dir.file(std::string(name) + ".enc");
        file.DecryptOrEncryptImageFile(entries.data(), encrypted.c_str(), kKey, 1, 0);
        EXPECT_EQ(vek::test::read_file(encrypted), vek::test::read_file(dc9::fixture(std::string(name) + ".encrypted"))) << name;
        const std::string decrypted = dir.file(std::string(name) + ".dec");
        D(encrypted, file.GetFIRCount()).DecryptOrEncryptImageFile(entries.data(), decrypted.c_str(), kKey, 0, 0);
        EXPECT_EQ(vek::test::read_file(decrypted), vek::test::read_file(source)) << name;
    }
}

TEST(DC9File, CopyChecksAndTargets) {
    const vek::test::TempDir dir;
    const std::string source = dc9::fixture("marker_three_parts.dc9");
    short firCount = 0;
    const auto entries = describe(source, "\r\n", 0, 3, firCount);
    const D file(source, 3);
    const std::string target = dir.file("target");
    EXPECT_THROW(file.DecryptOrEncryptImageFile(entries.data(), target.c_str(), C_StringHexa("2315208C9110AD", S::kHexadecimal), 1, 0),
                 D::xWrongKeyLength);
    EXPECT_THROW(file.DecryptOrEncryptImageFile(entries.data(), target.c_str(), kKey, 1, 1), D::xWrongCryptMode);
    EXPECT_FALSE(std::filesystem::exists(target));  // both refused before any file is opened

    // A target with content is refused and kept; an empty one is written.
    vek::test::write_file(target, "keep me");
    EXPECT_THROW(file.DecryptOrEncryptImageFile(entries.data(), target.c_str(), kKey, 1, 0), D::xFileAlreadyExists);
    EXPECT_EQ(vek::test::read_file(target), "keep me");
    vek::test::write_file(target, "");
    file.DecryptOrEncryptImageFile(entries.data(), target.c_str(), kKey, 1, 0);
    EXPECT_EQ(vek::test::read_file(target), vek::test::read_file(dc9::fixture("marker_three_parts.encrypted")));
    // A missing source creates no target.
    const std::string other = dir.file("other");
    EXPECT_THROW(D(dir.file("missing"), 3).DecryptOrEncryptImageFile(entries.data(), other.c_str(), kKey, 1, 0),
                 D::xIOError);
    EXPECT_FALSE(std::filesystem::exists(other));
}

// A failure part-way keeps the records written before it.
TEST(DC9File, CopyFailurePartWayKeepsWhatWasWritten) {
    const vek::test::TempDir dir;
    const std::string good = dc9::data_record(std::string(26, 'A'), "0123456789ABCDEF");
    const std::string odd = dc9::data_record(std::string(26, 'B'), "0123456789ABCDEF0");
    const std::string mark = dc9::file_mark(1);
    const std::string source = dir.file("source");
    vek::test::write_file(source, mark + good + good);
    const std::string bad = dir.file("bad");
    vek::test::write_file(bad, mark + good + odd);
    short firCount = 0;
    const auto entries = describe(source, "\r\n", 0, 1, firCount);
    const std::string first = dir.file("first");
    D(source, 1).DecryptOrEncryptImageFile(entries.data(), first.c_str(), kKey, 1, 0);
    const std::string partial = dir.file("partial");
    // The odd record is one byte longer: described by hand as the good one's length.
    std::vector<FIRDescription> hand = entries;
    EXPECT_THROW(D(bad, 1).DecryptOrEncryptImageFile(hand.data(), partial.c_str(), kKey, 1, 0), S::xModuloError);
    EXPECT_EQ(vek::test::read_file(partial), vek::test::read_file(first).substr(0, mark.size() + good.size()));
}

// A description that does not belong to the file: reads stay within the file,
// and no length in it makes a buffer larger than the file.
TEST(DC9File, HostileDescriptions) {
    const std::string source = dc9::fixture("fixed_three_parts.dc9");
    const std::vector<FIRDescription> huge{{0, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF}};
    std::string out(64, '\0');
    int size = 64;
    const D file(source, 1);
    EXPECT_THROW(file.ExtractImageByIndex(huge.data(), 1, -3, reinterpret_cast<unsigned char*>(out.data()), size),
                 D::xIOError);
    EXPECT_EQ(size, 0);
    size = 64;
    EXPECT_THROW(file.ExtractImageBySearchKey(huge.data(), 1, 0x1D, std::string(26, 'K'),
                                              reinterpret_cast<unsigned char*>(out.data()), size),
                 D::xIOError);
    const vek::test::TempDir dir;
    const std::string target = dir.file("copy");
    EXPECT_THROW(file.DecryptOrEncryptImageFile(huge.data(), target.c_str(), kKey, 1, 0), D::xIOError);
    EXPECT_EQ(vek::test::read_file(target), "");
    // A null description with entries to read has no code of its own.
    EXPECT_THROW(file.ExtractImageByIndex(nullptr, 1, 1, reinterpret_cast<unsigned char*>(out.data()), size),
                 D::xWrongInputParameter);
}

}  // namespace
