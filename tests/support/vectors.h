#pragma once
// Test vectors kept as data in tests/data/*.vec:
//
//   # comment
//   [vek_Conv_HexaToDec]
//   In = 1F
//   Length = 0
//   Out = 31
//
// A blank line ends a case; a [section] names the cases after it. Values are
// taken as written after "= " (so an empty value is the empty text).

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vek::test {

struct Vector final {
    std::string section;
    int line = 0;
    std::map<std::string, std::string> fields;

    const std::string& operator[](const std::string& key) const;
    bool has(const std::string& key) const { return fields.count(key) != 0; }
    int integer(const std::string& key) const { return std::stoi((*this)[key]); }
};

// All cases of tests/data/<file>, optionally only those of one section.
std::vector<Vector> load_vectors(const std::string& file, const std::string& section = "");

inline std::ostream& operator<<(std::ostream& os, const Vector& v) {
    return os << v.section << " (line " << v.line << ")";
}

}  // namespace vek::test
