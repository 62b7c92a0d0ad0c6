#pragma once
// A DC9 file described in the vek command. A description lives in the caller's
// memory and each vek command is a process of its own, so every command that
// needs one describes the file first, with room for every possible FIR.

#include <string>
#include <vector>

#include "vek.h"

namespace vek::cli {

// The record layout of a DC9 file: the end marker's bytes (none for fixed-size
// records) and the record size (0 for end-marked records).
struct Dc9Layout final {
    std::vector<unsigned char> marker;
    int recordSize = 0;
};

// vek_File_DC9InitDescription with room for every possible FIR; `entries` keeps
// the filled ones (entries never written keep the offset -1, so they are known
// even in a file without a file mark, where firCount keeps its value).
short describe_dc9(const std::string& path, const Dc9Layout& layout, std::vector<FIRDescription>& entries);

// The description as a table, one row per FIR, with a heading line.
std::string dc9_table(const std::vector<FIRDescription>& entries);

}  // namespace vek::cli
