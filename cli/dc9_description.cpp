#include "cli/dc9_description.h"

#include <cstdio>

namespace vek::cli {

namespace {
constexpr short kMostFirs = 32767;
}

short describe_dc9(const std::string& path, const Dc9Layout& layout, std::vector<FIRDescription>& entries) {
    entries.assign(kMostFirs, FIRDescription{-1, 0, 0, 0});
    short firCount = kMostFirs;
    const short result = vek_File_DC9InitDescription(path.c_str(), layout.marker.empty() ? nullptr : layout.marker.data(),
                                                     static_cast<int>(layout.marker.size()), layout.recordSize,
                                                     &firCount, entries.data());
    std::size_t filled = 0;
    while (filled < entries.size() && entries[filled].offset != -1) ++filled;
    entries.resize(filled);
    return result;
}

std::string dc9_table(const std::vector<FIRDescription>& entries) {
    std::string table = "fir     offset markLength recordCount recordLength\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        char row[96];
        std::snprintf(row, sizeof row, "%3zu %10d %10d %11d %12d\n", i + 1, static_cast<int>(entries[i].offset),
                      static_cast<int>(entries[i].markLength), static_cast<int>(entries[i].recordCount),
                      static_cast<int>(entries[i].recordLength));
        table += row;
    }
    return table;
}

}  // namespace vek::cli
