#pragma once
// Helpers of the DC9 tests: the fixtures of tests/data/dc9/, descriptions as the
// vector files write them, and files generated at test time in a temporary folder.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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

inline std::vector<unsigned char> bytes_of_hexa(const std::string& hexa) {
    std::vector<unsigned char> b(hexa.size() / 2);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<unsigned char>(std::stoi(hexa.substr(2 * i, 2), nullptr, 16));
    return b;
}

inline std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_all(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of its own for one test, removed with everything in it at the end.
class TempDir final {
public:
    TempDir() {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("vek-dc9-" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// A data record as the fixtures build it: the search key `key` after the code
// byte 0x1D, then "#SMC#", a 28-byte prefix, the flag '0', `digits`, "#END#".
inline std::string data_record(const std::string& key, const std::string& digits, const std::string& end = "\r\n") {
    return "DR" + std::string(1, '\x1D') + key + "#SMC#" + std::string(28, 'P') + "0" + digits + "#END#" + end;
}

inline std::string file_mark(int part, const std::string& end = "\r\n") {
    return "FILEMK\\\\PART" + std::to_string(part) + end;
}

}  // namespace vek::test::dc9
