// BER-TLV data read as a tree: the engine of types/tlv.h reads the elements;
// this file decides where filler stands and arranges, names and renders them.
#include "cli/tlv_tree.h"

#include <cstdio>

#include "cli/bytes_text.h"
#include "cli/emv_dictionary.h"
#include "cli/emv_meaning.h"
#include "types/tlv.h"

namespace vek::cli::tlv_tree {
namespace {

constexpr std::size_t kWrapBytes = 32;
// Deeper constructed values are shown as plain values: the tree's depth, and
// the stack, stay bounded whatever the input.
constexpr int kDeepest = 64;
// Tags have one to three bytes (ISO/IEC 7816-4); FF bytes are read as the start
// of a tag only when it ends within three.
constexpr std::size_t kLongestFFTag = 3;

std::string bytes(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

// For one level of elements (a region of `size` bytes): where each element
// that starts at a byte ends, and whether the bytes from each position on read
// as filler and whole elements to the region's end. Built in one pass from the
// end: a tag's size comes from a table of where each run of bytes with bit 8 set
// ends, so that no byte is looked at more than a few times.
class Level final {
public:
    Level(const std::uint8_t* region, std::size_t size) : m_region(region), m_size(size), m_clear(size + 1), m_whole(size + 1) {
        m_clear[size] = size;
        for (std::size_t j = size; j-- > 0;) m_clear[j] = (region[j] & 0x80) == 0 ? j : m_clear[j + 1];
        m_whole[size] = 1;
        for (std::size_t i = size; i-- > 0;) {
            const std::uint8_t b = region[i];
            if (b == 0x00) {
                m_whole[i] = m_whole[i + 1];
                continue;
            }
            std::size_t end = 0;
            std::size_t tagBytes = 0;
            const bool element = End(i, &end, &tagBytes) && m_whole[end] != 0 && (b != 0xFF || tagBytes <= kLongestFFTag);
            m_whole[i] = element || (b == 0xFF && m_whole[i + 1] != 0) ? 1 : 0;
        }
    }

    bool Whole(std::size_t at) const { return m_whole[at] != 0; }

    // The end of the element that starts at `at` when it lies wholly inside the
    // region (the engine's reading rules), with its tag's size.
    bool End(std::size_t at, std::size_t* end, std::size_t* tagBytes) const {
        std::size_t t = 1;
        if ((m_region[at] & 0x1F) == 0x1F) {
            if (at + 1 >= m_size || m_clear[at + 1] >= m_size) return false;
            t = m_clear[at + 1] - at + 1;
        }
        std::size_t f = 0;
        std::size_t v = 0;
        if (tlv::ReadLength(m_region + at + t, m_size - at - t, &f, &v) != tlv::kFound) return false;
        if (v > m_size - at - t - f) return false;
        *end = at + t + f + v;
        *tagBytes = t;
        return true;
    }

private:
    const std::uint8_t* m_region;
    std::size_t m_size;
    std::vector<std::size_t> m_clear;  // the first byte at or after j with bit 8 clear, or size
    std::vector<char> m_whole;
};

// How the FF byte at `at` is read: as a tag (true) or as filler, and why.
bool ff_is_tag(const Level& level, const std::uint8_t* region, std::size_t at, std::string& reading) {
    std::size_t end = 0;
    std::size_t tagBytes = 0;
    if (!level.End(at, &end, &tagBytes) || tagBytes > kLongestFFTag) return false;
    const std::string tag = hexa_of(region + at, tagBytes);
    const bool tagWhole = level.Whole(end);
    const bool fillerWhole = level.Whole(at + 1);
    if (tagWhole && fillerWhole) {
        if (emv::find_tag(tag) != nullptr) {
            reading = "read as a tag: a known tag, though the bytes read whole as filler too";
            return true;
        }
        reading = "read as filler: " + tag + " would be an unknown tag";
        return false;
    }
    if (fillerWhole) {
        reading = "read as filler: as the tag " + tag + " the rest would be malformed";
        return false;
    }
    reading = tagWhole ? "read as a tag: as filler the rest would be malformed"
                       : "read as a tag: a whole element, though the rest is malformed either way";
    return true;
}

// Why the length field of `left` bytes at `field` is not read: one of its three causes.
std::string length_defect(const std::uint8_t* field, std::size_t left) {
    if (left == 0) return "the length field is cut off (0 bytes left)";
    const std::size_t count = field[0] < 0x80 ? 0 : field[0] & 0x7Fu;
    if (count > tlv::kMaxLengthBytes)
        return "the length field has " + std::to_string(count) + " length bytes (at most " +
               std::to_string(tlv::kMaxLengthBytes) + " are read)";
    if (count >= left)
        return "the length field of " + bytes(1 + count) + " is cut off (" + bytes(left) + " left)";
    return "the length field gives 2^31 or more";
}

void read_list(const std::uint8_t* data, std::size_t start, std::size_t size, int depth, const Options& options,
               bool& whole, std::vector<Node>& nodes) {
    const std::uint8_t* region = data + start;
    const Level level(region, size);
    const char* where = depth == 0 ? options.outermost : "its template";
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t b = region[at];
        std::string reading;
        if (b == 0x00 || (b == 0xFF && !ff_is_tag(level, region, at, reading))) {
            // Filler: a run of equal bytes, one node.
            Node* run = nodes.empty() ? nullptr : &nodes.back();
            if (run != nullptr && run->kind == Node::Kind::Filler && run->offset + run->length == start + at &&
                run->tag == hexa_of(&b, 1)) {
                ++run->length;
                if (run->reading.empty()) run->reading = reading;
            } else {
                Node n;
                n.kind = Node::Kind::Filler;
                n.offset = start + at;
                n.tag = hexa_of(&b, 1);
                n.length = 1;
                n.reading = reading;
                nodes.push_back(std::move(n));
            }
            ++at;
            continue;
        }
        Node n;
        n.offset = start + at;
        n.reading = std::move(reading);
        tlv::Element e;
        if (tlv::ReadElement(region, size, at, &e) != tlv::kFound) {
            n.kind = Node::Kind::Malformed;
            if (e.tagBytes == 0) {
                n.defect = std::string("the tag does not end before the end of ") + where;
            } else if (e.fieldBytes == 0) {
                n.defect = "tag " + hexa_of(region + at, e.tagBytes) + ": " +
                           length_defect(region + at + e.tagBytes, size - at - e.tagBytes);
            } else {
                n.defect = "tag " + hexa_of(region + at, e.tagBytes) + ": its value of " + bytes(e.valueLength) +
                           " runs past the end of " + where + " (" + bytes(size - e.valueOffset()) + " left)";
            }
            nodes.push_back(std::move(n));
            whole = false;
            return;
        }
        n.tag = hexa_of(region + at, e.tagBytes);
        if (const emv::TagInfo* info = emv::find_tag(n.tag)) n.name = info->name;
        n.tagClass = emv::tag_class(b);
        n.length = e.valueLength;
        n.constructed = tlv::IsConstructed(b) && depth < kDeepest;
        const std::size_t valueAt = start + e.valueOffset();
        if (n.constructed) {
            read_list(data, valueAt, e.valueLength, depth + 1, options, whole, n.children);
        } else {
            n.value = hexa_of(data + valueAt, e.valueLength);
            emv::explain(n, data + valueAt, e.valueLength, valueAt, depth == 0, options.format1);
        }
        nodes.push_back(std::move(n));
        at = e.valueOffset() + e.valueLength;
    }
}

void fact_text(const Fact& f, const std::string& indent, std::string& out) {
    out += indent + f.label;
    if (!f.value.empty()) out += ": " + f.value;
    out += '\n';
    for (const Fact& p : f.parts) fact_text(p, indent + "  ", out);
}

std::string entry_name(const std::string& name, const char* tagClass) {
    return name.empty() ? std::string("(") + tagClass + " class)" : name;
}

void fact_json(const std::vector<Fact>& facts, std::string& out) {
    out += '[';
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const Fact& f = facts[i];
        out += (i == 0 ? "" : ", ");
        out += "{\"label\": " + json_string(f.label) + ", \"value\": " + json_string(f.value);
        if (!f.parts.empty()) {
            out += ", \"parts\": ";
            fact_json(f.parts, out);
        }
        out += '}';
    }
    out += ']';
}

}  // namespace

bool whole_list(const std::uint8_t* data, std::size_t size) { return Level(data, size).Whole(0); }

bool read(const std::uint8_t* data, std::size_t size, const Options& options, std::vector<Node>& nodes) {
    bool whole = true;
    // A status word ends a response: two bytes after whole elements, taken off
    // before the elements are read (9000 would read as an empty element 90).
    if (options.statusWord && size >= 2 && emv::is_status_word(data[size - 2], data[size - 1]) &&
        whole_list(data, size - 2)) {
        read_list(data, 0, size - 2, 0, options, whole, nodes);
        Node sw;
        sw.kind = Node::Kind::StatusWord;
        sw.offset = size - 2;
        sw.tag = hexa_of(data + size - 2, 2);
        sw.defect = emv::status_word_meaning(data[size - 2], data[size - 1]);
        nodes.push_back(std::move(sw));
        return whole;
    }
    read_list(data, 0, size, 0, options, whole, nodes);
    return whole;
}

const Node* first_malformed(const std::vector<Node>& nodes) {
    for (const Node& n : nodes) {
        if (n.kind == Node::Kind::Malformed) return &n;
        if (const Node* m = first_malformed(n.children)) return m;
    }
    return nullptr;
}

void render_text(const std::vector<Node>& nodes, int depth, std::string& out) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    for (const Node& n : nodes) {
        const std::string reading = n.reading.empty() ? "" : " (" + n.reading + ")";
        switch (n.kind) {
            case Node::Kind::Filler:
                out += indent + "filler " + n.tag + " x " + std::to_string(n.length) + reading + '\n';
                break;
            case Node::Kind::Malformed:
                out += indent + "malformed element at offset " + std::to_string(n.offset) + ": " + n.defect + '\n';
                break;
            case Node::Kind::StatusWord:
                out += indent + "status word " + n.tag + ": " + n.defect + '\n';
                break;
            case Node::Kind::Element: {
                out += indent + n.tag + " [" + std::to_string(n.length) + "] " + entry_name(n.name, n.tagClass) +
                       reading + '\n';
                if (n.constructed) {
                    render_text(n.children, depth + 1, out);
                    break;
                }
                for (std::size_t i = 0; i < n.value.size(); i += 2 * kWrapBytes) {
                    out += indent + "  " + n.value.substr(i, 2 * kWrapBytes);
                    if (!n.text.empty()) out += "  \"" + n.text.substr(i / 2, kWrapBytes) + '"';
                    out += '\n';
                }
                for (std::size_t i = 0; i < n.list.size(); ++i) {
                    const DolEntry& e = n.list[i];
                    out += indent + "  entry " + std::to_string(i + 1) + ": " + e.tag + " [" + std::to_string(e.length) +
                           "] " + entry_name(e.name, e.tagClass) + '\n';
                }
                for (const Fact& f : n.facts) fact_text(f, indent + "  ", out);
                render_text(n.fields, depth + 2, out);
                break;
            }
        }
    }
}

std::string json_string(const std::string& text) {
    std::string s = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (u < 0x20 || u == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", u);
            s += escape;
        } else {
            s += c;
        }
    }
    return s + '"';
}

void render_json(const std::vector<Node>& nodes, int depth, std::string& out) {
    const std::string indent(2 * static_cast<std::size_t>(depth + 1), ' ');
    out += '[';
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        out += (i == 0 ? "\n" : ",\n") + indent + "{\"offset\": " + std::to_string(n.offset) + ", ";
        const std::string reading = n.reading.empty() ? "" : ", \"reading\": " + json_string(n.reading);
        switch (n.kind) {
            case Node::Kind::Filler:
                out += "\"filler\": \"" + n.tag + "\", \"length\": " + std::to_string(n.length) + reading + "}";
                break;
            case Node::Kind::Malformed: out += "\"malformed\": " + json_string(n.defect) + "}"; break;
            case Node::Kind::StatusWord:
                out += "\"status\": \"" + n.tag + "\", \"meaning\": " + json_string(n.defect) + "}";
                break;
            case Node::Kind::Element:
                out += "\"tag\": \"" + n.tag + "\", \"name\": " + (n.name.empty() ? "null" : json_string(n.name)) +
                       ", \"class\": \"" + n.tagClass + "\", \"constructed\": " + (n.constructed ? "true" : "false") +
                       ", \"length\": " + std::to_string(n.length) + reading;
                if (n.constructed) {
                    out += ", \"children\": ";
                    render_json(n.children, depth + 1, out);
                    out += '}';
                    break;
                }
                out += ", \"value\": \"" + n.value + "\"";
                if (!n.text.empty()) out += ", \"text\": " + json_string(n.text);
                if (!n.list.empty()) {
                    out += ", \"list\": [";
                    for (std::size_t k = 0; k < n.list.size(); ++k) {
                        const DolEntry& e = n.list[k];
                        out += std::string(k == 0 ? "" : ", ") + "{\"tag\": \"" + e.tag + "\", \"name\": " +
                               (e.name.empty() ? "null" : json_string(e.name)) + ", \"class\": \"" + e.tagClass +
                               "\", \"length\": " + std::to_string(e.length) + "}";
                    }
                    out += ']';
                }
                if (!n.facts.empty()) {
                    out += ", \"facts\": ";
                    fact_json(n.facts, out);
                }
                if (!n.fields.empty()) {
                    out += ", \"fields\": ";
                    render_json(n.fields, depth + 1, out);
                }
                out += '}';
                break;
        }
    }
    if (!nodes.empty()) out += "\n" + std::string(2 * static_cast<std::size_t>(depth), ' ');
    out += ']';
}

}  // namespace vek::cli::tlv_tree
