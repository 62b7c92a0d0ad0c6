// The TLV tree view: the library's TLV engine (types/tlv.h) reads each element;
// this file only arranges and prints them, with names from the EMV dictionary.
#include "cli/tlv_view.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <string_view>

#include "cli/bytes_text.h"
#include "cli/command.h"
#include "types/tlv.h"

namespace vek::cli {

extern const char* const kEmvTags;  // emv_tags.tsv, built in

const char* const kTlvHelp =
    "usage: vek tlv [--json] HEX\n"
    "Prints every element of BER-TLV data (hexadecimal text, either case, spaces allowed;\n"
    "- reads standard input) as an indented tree: tag, length in bytes, the tag's name\n"
    "from the EMV dictionary, and the value, wrapped at 32 bytes a line. Constructed\n"
    "elements (bit 6 of the tag's first byte set) are opened; 00 and FF bytes between\n"
    "elements are shown as filler. A malformed element is reported with its offset (in\n"
    "bytes from the start of the data) after everything before it; the elements after\n"
    "its template still follow. --json prints the same tree as JSON: a list of objects\n"
    "with offset, tag, name, constructed, length and children or value; filler objects\n"
    "with offset, filler and length; a malformed object with offset and malformed.\n"
    "Exit status: 0 the data is whole, 1 a malformed element, 2 bad usage.\n"
    "Example: vek tlv 70075A0512345678 9F\n";

namespace {

constexpr std::size_t kWrapBytes = 32;
// Deeper constructed values are shown as plain values: the tree's depth, and
// the stack, stay bounded whatever the input.
constexpr int kDeepest = 64;

const std::map<std::string, std::string, std::less<>>& dictionary() {
    static const auto table = [] {
        std::map<std::string, std::string, std::less<>> t;
        std::istringstream in(kEmvTags);
        std::string line;
        while (std::getline(in, line)) {
            const auto tab = line.find('\t');
            if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
            t.emplace(line.substr(0, tab), line.substr(tab + 1));
        }
        return t;
    }();
    return table;
}

std::string bytes(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

struct Node {
    enum class Kind { Element, Filler, Malformed } kind = Kind::Element;
    std::size_t offset = 0;
    std::string tag;   // Element: the tag in hexadecimal; Filler: the byte
    std::size_t length = 0;  // Element: the value's; Filler: the run's
    bool constructed = false;
    std::string value;  // a primitive element's value in hexadecimal
    std::vector<Node> children;
    std::string defect;  // Malformed: what is wrong
};

// One level of elements: `size` bytes at `data + start`. Returns false when
// an element of this level, or inside one, is malformed.
bool read_list(const std::uint8_t* data, std::size_t start, std::size_t size, int depth, bool top,
               std::vector<Node>& nodes) {
    const std::uint8_t* region = data + start;
    std::size_t at = 0;
    bool whole = true;
    while (at < size) {
        Node n;
        n.offset = start + at;
        if (tlv::IsFiller(region[at])) {
            n.kind = Node::Kind::Filler;
            n.tag = hexa_of(region + at, 1);
            const std::size_t first = at;
            while (at < size && region[at] == region[first]) ++at;
            n.length = at - first;
            nodes.push_back(std::move(n));
            continue;
        }
        tlv::Element e;
        if (tlv::ReadElement(region, size, at, &e) != tlv::kFound) {
            const char* where = top ? "the data" : "its template";
            n.kind = Node::Kind::Malformed;
            if (e.tagBytes == 0) {
                n.defect = std::string("the tag does not end before the end of ") + where;
            } else if (e.fieldBytes == 0) {
                n.defect = "tag " + hexa_of(region + at, e.tagBytes) +
                           ": the length field is cut off, has more than 4 length bytes, or gives 2^31 or more";
            } else {
                n.defect = "tag " + hexa_of(region + at, e.tagBytes) + ": its value of " + bytes(e.valueLength) +
                           " runs past the end of " + where + " (" + bytes(size - e.valueOffset()) + " left)";
            }
            nodes.push_back(std::move(n));
            return false;
        }
        n.tag = hexa_of(region + at, e.tagBytes);
        n.length = e.valueLength;
        n.constructed = tlv::IsConstructed(region[at]) && depth < kDeepest;
        if (n.constructed) {
            whole = read_list(data, start + e.valueOffset(), e.valueLength, depth + 1, false, n.children) && whole;
        } else {
            n.value = hexa_of(region + e.valueOffset(), e.valueLength);
        }
        nodes.push_back(std::move(n));
        at = e.valueOffset() + e.valueLength;
    }
    return whole;
}

std::string_view name_of(std::string_view tag) {
    const auto& d = dictionary();
    const auto it = d.find(tag);
    return it == d.end() ? std::string_view() : std::string_view(it->second);
}

void print_text(const std::vector<Node>& nodes, int depth) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    for (const Node& n : nodes) {
        switch (n.kind) {
            case Node::Kind::Filler:
                std::printf("%sfiller %s x %zu\n", indent.c_str(), n.tag.c_str(), n.length);
                break;
            case Node::Kind::Malformed:
                std::printf("%smalformed element at offset %zu: %s\n", indent.c_str(), n.offset, n.defect.c_str());
                break;
            case Node::Kind::Element: {
                const std::string_view name = name_of(n.tag);
                std::printf("%s%s [%zu]%s%.*s\n", indent.c_str(), n.tag.c_str(), n.length, name.empty() ? "" : " ",
                            static_cast<int>(name.size()), name.data());
                if (n.constructed) {
                    print_text(n.children, depth + 1);
                } else {
                    for (std::size_t i = 0; i < n.value.size(); i += 2 * kWrapBytes)
                        std::printf("%s  %s\n", indent.c_str(), n.value.substr(i, 2 * kWrapBytes).c_str());
                }
                break;
            }
        }
    }
}

std::string json_string(std::string_view text) {
    std::string s = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') s += '\\';
        s += c;
    }
    return s + '"';
}

void print_json(const std::vector<Node>& nodes, int depth) {
    const std::string indent(2 * static_cast<std::size_t>(depth + 1), ' ');
    std::printf("[");
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        std::printf("%s\n%s{\"offset\": %zu, ", i == 0 ? "" : ",", indent.c_str(), n.offset);
        switch (n.kind) {
            case Node::Kind::Filler:
                std::printf("\"filler\": \"%s\", \"length\": %zu}", n.tag.c_str(), n.length);
                break;
            case Node::Kind::Malformed: std::printf("\"malformed\": %s}", json_string(n.defect).c_str()); break;
            case Node::Kind::Element:
                std::printf("\"tag\": \"%s\", \"name\": %s, \"constructed\": %s, \"length\": %zu, ", n.tag.c_str(),
                            json_string(name_of(n.tag)).c_str(), n.constructed ? "true" : "false", n.length);
                if (n.constructed) {
                    std::printf("\"children\": ");
                    print_json(n.children, depth + 1);
                    std::printf("}");
                } else {
                    std::printf("\"value\": \"%s\"}", n.value.c_str());
                }
                break;
        }
    }
    if (!nodes.empty()) std::printf("\n%*s", 2 * depth, "");
    std::printf("]");
    if (depth == 0) std::printf("\n");
}

const Node* first_malformed(const std::vector<Node>& nodes) {
    for (const Node& n : nodes) {
        if (n.kind == Node::Kind::Malformed) return &n;
        if (const Node* m = first_malformed(n.children)) return m;
    }
    return nullptr;
}

}  // namespace

int tlv_view(const std::vector<std::string>& args) {
    const bool json = !args.empty() && args[0] == "--json";
    const std::vector<std::string> rest(args.begin() + (json ? 1 : 0), args.end());
    if (rest.size() != 1) {
        std::fputs(kTlvHelp, stderr);
        return 2;
    }
    std::string text;
    for (const char c : argument_text(rest[0]))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') text += c;
    std::vector<unsigned char> bytes;
    try {
        bytes = bytes_of(text);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "vek tlv: %s\n", e.message.c_str());
        return 2;
    }
    std::vector<Node> tree;
    const bool whole = read_list(bytes.data(), 0, bytes.size(), 0, true, tree);
    if (json) {
        print_json(tree, 0);
    } else {
        print_text(tree, 0);
    }
    if (whole) return 0;
    const Node* m = first_malformed(tree);
    std::fprintf(stderr, "vek tlv: malformed element at offset %zu: %s\n", m->offset, m->defect.c_str());
    return 1;
}

}  // namespace vek::cli
