#pragma once
// Helpers of the DC9 tests: the fixtures of tests/data/dc9/, descriptions as the
// vector files write them, and records for files generated at test time.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/texts.h"
#include "vek.h"

namespace vek::test::dc9 {

inline std::string fixture(const std::string& name) { return std::string(VEK_TEST_DATA) + "/dc9/" + name; }

// "0 120 2 120, 360 120 2 120" as entries.
inline std::vector<FIRDescription> entries(const std::string& text) {
    std::vector<FIRDescription> all;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        std::istringstream fields(part);
        FIRDescription e{};
        if (fields >> e.offset >> e.markLength >> e.recordCount >> e.recordLength) all.push_back(e);
    }
    return all;
}

inline std::string text(const std::vector<FIRDescription>& all) {
    std::string s;
    for (const auto& e : all) {
        if (!s.empty()) s += ", ";
        s += std::to_string(e.offset) + " " + std::to_string(e.markLength) + " " + std::to_string(e.recordCount) +
             " " + std::to_string(e.recordLength);
    }
    return s;
}

// A data record as the fixtures build it: the search key `key` after the code
// byte 0x1D, then "#SMC#", a 28-byte prefix, the flag '0', `digits`, "#END#".
inline std::string data_record(const std::string& key, const std::string& digits, const std::string& end = "\r\n") {
    return "DR" + std::string(1, '\x1D') + key + "#SMC#" + std::string(28, 'P') + "0" + digits + "#END#" + end;
}

inline std::string file_mark(int part, const std::string& end = "\r\n") {
    return "FILEMK\\\\PART" + std::to_string(part) + end;
}

}  // namespace vek::test::dc9
