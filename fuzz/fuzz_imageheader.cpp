// Fuzzes the image file header: the parser on any text, and the three header
// exports with any header, name and value. The input is split at '|' into
// header | name | value; the first byte chooses the output size.
//
// Checked: a text that parses writes back in the normalized form, which parses
// again to the same fields (unless a field is nameless); every export leaves -1
// with status 0, or 0 with a code of its own and "" in an output buffer that has
// exactly its stated size.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "imagefile/C_ImageFileHeader.h"
#include "exported_call.h"
#include "vek.h"

using vek::fuzz::check;
using vek::fuzz::exported;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int outSize = 1 + data[0] % 64 * (data[0] >= 0x80 ? 64 : 1);
    std::string parts[3];
    int part = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const char ch = static_cast<char>(data[i]);
        if (ch == '|' && part < 2) {
            ++part;
            continue;
        }
        parts[part] += ch;
    }
    // As a caller passes them: a NUL ends a text.
    for (auto& p : parts) p.resize(std::strlen(p.c_str()));
    const std::string& header = parts[0];
    const std::string& name = parts[1];
    const std::string& value = parts[2];

    try {
        const C_ImageFileHeader h(header);
        const std::string text = h.GetText();
        bool named = true;
        for (const auto& f : h.Fields()) {
            check(!f.second.empty());
            check(f.first.find_first_of(" /") == std::string::npos);
            named = named && !f.first.empty();
        }
        if (named) {
            const C_ImageFileHeader again(text);
            check(again.Fields() == h.Fields());
            check(again.GetText() == text);
        }
    } catch (const C_ImageFileHeader::xInvalidHeader&) {
    }

    exported([&](char* o, int n) { return vek_Tran_SetFieldInImageFileHeader(header.c_str(), name.c_str(), value.c_str(), o, n); },
             outSize, {-1, -2, -3});
    exported([&](char* o, int n) { return vek_Tran_GetFieldInImageFileHeader(header.c_str(), name.c_str(), o, n); },
             outSize, {-1, -2, -3, -4});
    exported([&](char* o, int n) { return vek_Tran_RemoveFieldInImageFileHeader(header.c_str(), name.c_str(), o, n); },
             outSize, {-1, -2, -3, -4});
    return 0;
}
