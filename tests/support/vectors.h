#pragma once
// Test vectors kept as data in tests/data/*.vec:
//
//   # comment
//   [vek_Conv_HexaToDec]
//   hexa = 1F
//   resultLength = 0
//   Out = 31
//
// A blank line ends a case; a [section] names the cases after it (the exported
// function they call, for the one runner of support/expect_vector.h, which also
// tells what their fields mean). Values are taken as written after "= " (so an
// empty value is the empty text), with notations for what a line cannot show:
//
//   \xHH      the byte HH (\x20 for a space at either end of a value)
//   \\        one backslash
//   {N*TEXT}  TEXT written N times: {60001*A}, 1{15000*0}, {30000*5A}
//   {data}    the folder of the vector files, tests/data: {data}/images/empty.img

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

// `value` with the notations above written out.
std::string decode_value(const std::string& value);

// All cases of tests/data/<file>, optionally only those of one section.
std::vector<Vector> load_vectors(const std::string& file, const std::string& section = "");

// A published single-DES answer of des.vec: a plaintext block and its cipher.
struct DesAnswer final {
    std::string plain, cipher;
};

// des.vec's answers under `key` (for 0101010101010101, the variable-plaintext
// table: one plaintext bit set at a time), in the file's order.
std::vector<DesAnswer> des_answers(const std::string& key);

inline std::ostream& operator<<(std::ostream& os, const Vector& v) {
    return os << v.section << " (line " << v.line << ")";
}

}  // namespace vek::test
