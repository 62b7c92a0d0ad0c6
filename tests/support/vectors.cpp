#include "support/vectors.h"

#include <fstream>
#include <stdexcept>

namespace vek::test {

const std::string& Vector::operator[](const std::string& key) const {
    const auto it = fields.find(key);
    if (it == fields.end()) throw std::out_of_range("vector field missing: " + key);
    return it->second;
}

std::string decode_value(const std::string& value) {
    static const std::string kData = "{data}";
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size() && value[i + 1] == '\\') {
            text += '\\';
            ++i;
        } else if (c == '\\' && i + 3 < value.size() && value[i + 1] == 'x') {
            text += static_cast<char>(std::stoi(value.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (value.compare(i, kData.size(), kData) == 0) {
            text += VEK_TEST_DATA;
            i += kData.size() - 1;
        } else if (c == '{') {
            const std::size_t star = value.find('*', i);
            const std::size_t end = value.find('}', i);
            if (star == std::string::npos || end == std::string::npos || star > end)
                throw std::runtime_error("bad repetition in vector value: " + value);
            const int times = std::stoi(value.substr(i + 1, star - i - 1));
            const std::string piece = decode_value(value.substr(star + 1, end - star - 1));
            for (int k = 0; k < times; ++k) text += piece;
            i = end;
        } else if (c == '\\') {
            throw std::runtime_error("bad escape in vector value: " + value);
        } else {
            text += c;
        }
    }
    return text;
}

std::vector<Vector> load_vectors(const std::string& file, const std::string& section) {
    std::ifstream in(std::string(VEK_TEST_DATA) + "/" + file);
    if (!in) throw std::runtime_error("cannot open test data " + file);
    std::vector<Vector> cases;
    Vector current;
    std::string name;
    std::string line;
    int number = 0;
    const auto flush = [&] {
        if (!current.fields.empty() && (section.empty() || current.section == section)) cases.push_back(current);
        current.fields.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            flush();
        } else if (line[0] == '#') {
            continue;
        } else if (line[0] == '[' && line.back() == ']') {
            flush();
            name = line.substr(1, line.size() - 2);
        } else {
            const auto eq = line.find('=');
            if (eq == std::string::npos) throw std::runtime_error(file + ": bad line " + std::to_string(number));
            std::string key = line.substr(0, eq);
            while (!key.empty() && key.back() == ' ') key.pop_back();
            std::string value = line.substr(eq + 1);
            if (!value.empty() && value[0] == ' ') value.erase(0, 1);
            if (current.fields.empty()) {
                current.section = name;
                current.line = number;
            }
            current.fields[key] = decode_value(value);
        }
    }
    flush();
    return cases;
}

std::vector<DesAnswer> des_answers(const std::string& key) {
    std::vector<DesAnswer> answers;
    for (const Vector& v : load_vectors("des.vec", "vek_Tran_DecryptOrEncryptImage"))
        if (v["key"] == key) answers.push_back({v["image"], v["Out"]});
    return answers;
}

}  // namespace vek::test
