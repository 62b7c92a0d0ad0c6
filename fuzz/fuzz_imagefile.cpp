// Fuzzes the image file readers and the whole-file conversion on arbitrary
// file contents with arbitrary arguments. Input layout:
//
//   byte 0     the operation: 0 by index, 1-4 the sequential searches (field
//              modes 0-3), 5 the first-match scan, 6 the counting scan, 7 the
//              conversion
//   byte 1     bit 0 hasHeader; bit 1 a valid key, bit 2 a short key; bit 3 the
//              conversion's mode; bits 4-7 the output size
//   bytes 2-3  the index or position (signed 16 bits)
//   byte 4     n, the value's length (0 to 31), then n bytes of value
//   the rest   the file's contents
//
// Checked: nothing crashes or reads outside a buffer; each call leaves -1 with
// status 0 or 0 with a code it documents; a found record holds the value at the
// position; a conversion that succeeds converts back and forth to the same file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "exported_call.h"
#include "vek.h"

namespace {

using vek::fuzz::check;
using vek::fuzz::exported;

std::string temp(const char* what) {
    return "/tmp/vek-fuzz-imagefile-" + std::to_string(getpid()) + "-" + what;
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const int operation = data[0] % 8;
    const auto hasHeader = static_cast<short>(data[1] & 1);
    const char* const key = (data[1] & 2) != 0 ? "133457799BBCDFF1" : (data[1] & 4) != 0 ? "1334577" : "";
    const auto mode = static_cast<short>((data[1] >> 3) & 1);
    const int outSize = 1 + (data[1] >> 4) * 9;
    const auto number = static_cast<std::int16_t>(data[2] | data[3] << 8);
    const std::size_t n = data[4] % 32;
    if (size < 5 + n) return 0;
    std::string value(reinterpret_cast<const char*>(data + 5), n);
    value.resize(std::strlen(value.c_str()));
    const std::string contents(reinterpret_cast<const char*>(data + 5 + n), size - 5 - n);

    const std::string path = temp("in");
    write(path, contents);
    const char* file = path.c_str();

    if (operation == 0) {
        const auto got = exported([&](char* o, int s) { return vek_File_ExtractImageByIndex(file, number, hasHeader, o, s); },
                                  outSize, {-1, -2, -3, -4, -5});
        if (got.result == -1) check(contents.find(got.out) != std::string::npos);
    } else if (operation <= 4) {
        using Fn = short(VEK_CALL*)(const char*, short, int, const char*, const char*, char*, int);
        const Fn fns[] = {vek_File_ExtractImageByHexaField, vek_File_ExtractImageByDecField,
                          vek_File_ExtractImageBySwapHexaField, vek_File_ExtractImageBySwapDecField};
        const auto got = exported([&](char* o, int s) { return fns[operation - 1](file, hasHeader, number, value.c_str(), key, o, s); },
                                  outSize, {-1, -2, -3, -4, -5, -6, -7});
        if (got.result == -1 && operation <= 2 && *key == '\0')
            check(got.out.compare(static_cast<std::size_t>(number - 1), value.size(), value) == 0);
    } else if (operation == 5) {
        const auto got = exported(
            [&](char* o, int s) { return vek_File_ExtractImageByFieldWithNonSeqSearch(file, hasHeader, number, value.c_str(), key, o, s); },
            outSize, {-1, -2, -3, -5, -6, -7});
        if (got.result == -1) check(got.out.compare(static_cast<std::size_t>(number - 1), value.size(), value) == 0);
    } else if (operation == 6) {
        int count = -1;
        const auto got = exported(
            [&](char* o, int s) {
                return vek_File_ExtractImageByFieldNonSeqGetNb(file, hasHeader, number, value.c_str(), key, o, s, &count);
            },
            outSize, {-1, -2, -3, -4, -5, -6, -7});
        if (got.result == -1) check(count == 1);
        if (vek_LastStatus() == -4) check(count > 1);
        if (vek_LastStatus() == -3) check(count == 0);
    } else {
        const std::string once = temp("once");
        const std::string back = temp("back");
        const std::string again = temp("again");
        std::remove(once.c_str());
        const char* const newHeader = value.empty() ? nullptr : value.c_str();
        const short result = vek_File_DecryptOrEncryptImageFile(file, once.c_str(), hasHeader, mode, "0123456789ABCDEF", newHeader);
        const short status = vek_LastStatus();
        check(result == -1 ? status == 0 : result == 0 && (status == -3 || status == -5 || status == -7));
        if (result == -1) {
            std::remove(back.c_str());
            std::remove(again.c_str());
            const short other = mode == 0 ? 1 : 0;
            const short hasLine = hasHeader != 0 || newHeader != nullptr ? 1 : 0;
            check(vek_File_DecryptOrEncryptImageFile(once.c_str(), back.c_str(), hasLine, other, "0123456789ABCDEF", "") == -1);
            check(vek_File_DecryptOrEncryptImageFile(back.c_str(), again.c_str(), hasLine, mode, "0123456789ABCDEF", "") == -1);
            check(read(again) == read(once));
            std::remove(back.c_str());
            std::remove(again.c_str());
        }
        // The source is never touched.
        check(read(path) == contents);
        std::remove(once.c_str());
    }
    return 0;
}
