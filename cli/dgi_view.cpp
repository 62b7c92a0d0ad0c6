// The DGI view: data groupings as they travel to a personalization machine.
#include "cli/dgi_view.h"

#include <cstdio>

#include "cli/bytes_text.h"
#include "cli/command.h"
#include "cli/tlv_view.h"

namespace vek::cli {

const char* const kDgiHelp =
    "usage: vek dgi [--json] HEX\n"
    "Prints personalization data as data groupings (DGIs): each DGI's identifier, the\n"
    "length of its value in bytes, what the identifier says, and the value. A DGI is a\n"
    "2-byte identifier, a length of one byte (00 to FE) or FF and two bytes, then the\n"
    "value. HEX is hexadecimal text, either case, spaces allowed when quoted; - reads\n"
    "standard input.\n"
    "An identifier whose first byte is 01 to 1E is a record (the SFI, then the record\n"
    "number); its value, a record template (70), is opened with the decoder of vek tlv.\n"
    "DGIs of keys and PIN data (8000 to 8FFF, enciphered keys and PIN blocks; 9000, key\n"
    "check values; 9010, PIN try counter and limit) are shown as values only. Any other\n"
    "DGI is opened where its value reads as whole TLV elements, and shown as a value\n"
    "otherwise.\n"
    "A malformed grouping (an identifier or length cut off, a value that runs past the\n"
    "end) is reported with its offset after everything before it. --json prints a list\n"
    "of objects with offset, dgi, length, about, and children (the TLV tree as vek tlv\n"
    "--json prints it, offsets counted from the start of the data) or value; a malformed\n"
    "grouping with offset and malformed.\n"
    "Exit status: 0 the data is whole, 1 a malformed grouping or record, 2 bad usage.\n"
    "Example: vek dgi '0101 0E 700C5F2D046465656E9F0702FFC0 9000 03 123456'\n";

namespace dgi {
namespace {

std::string bytes(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

void shift(std::vector<tlv_tree::Node>& nodes, std::size_t by) {
    for (tlv_tree::Node& n : nodes) {
        n.offset += by;
        shift(n.children, by);
        shift(n.fields, by);
    }
}

bool keys_or_pin(std::uint8_t first, std::uint8_t second) {
    return (first & 0xF0) == 0x80 || (first == 0x90 && (second == 0x00 || second == 0x10));
}

}  // namespace

bool read(const std::uint8_t* data, std::size_t size, std::vector<Group>& groups) {
    bool whole = true;
    std::size_t at = 0;
    while (at < size) {
        Group g;
        g.offset = at;
        const std::size_t left = size - at;
        if (left < 3) {
            g.defect = left < 2 ? "the identifier is cut off (" + bytes(left) + " left)"
                                : "DGI " + hexa_of(data + at, 2) + ": the length is cut off";
            groups.push_back(std::move(g));
            return false;
        }
        g.id = hexa_of(data + at, 2);
        std::size_t field = 1;
        g.length = data[at + 2];
        if (g.length == 0xFF) {
            if (left < 5) {
                g.defect = "DGI " + g.id + ": the length is cut off (FF and 2 bytes, " + bytes(left - 2) + " left)";
                g.id.clear();
                groups.push_back(std::move(g));
                return false;
            }
            field = 3;
            g.length = static_cast<std::size_t>(data[at + 3]) << 8 | data[at + 4];
        }
        const std::size_t valueAt = at + 2 + field;
        if (g.length > size - valueAt) {
            g.defect = "DGI " + g.id + ": its value of " + bytes(g.length) + " runs past the end of the data (" +
                       bytes(size - valueAt) + " left)";
            g.id.clear();
            groups.push_back(std::move(g));
            return false;
        }
        const std::uint8_t first = data[at];
        const std::uint8_t second = data[at + 1];
        const std::uint8_t* value = data + valueAt;
        if (first >= 0x01 && first <= 0x1E) {
            g.about = "record " + std::to_string(second) + " of SFI " + std::to_string(first);
            g.opened = true;
        } else if (keys_or_pin(first, second)) {
            g.about = "keys or PIN data, shown as a value";
        } else {
            g.opened = g.length > 0 && tlv_tree::whole_list(value, g.length);
        }
        if (g.opened) {
            tlv_tree::Options options;
            options.statusWord = false;
            options.outermost = "the DGI's value";
            whole = tlv_tree::read(value, g.length, options, g.elements) && whole;
            shift(g.elements, valueAt);
        } else {
            g.value = hexa_of(value, g.length);
        }
        groups.push_back(std::move(g));
        at = valueAt + g.length;
    }
    return whole;
}

void render_text(const std::vector<Group>& groups, std::string& out) {
    for (const Group& g : groups) {
        if (g.id.empty()) {
            out += "malformed DGI at offset " + std::to_string(g.offset) + ": " + g.defect + '\n';
            continue;
        }
        out += "DGI " + g.id + " [" + std::to_string(g.length) + "]" + (g.about.empty() ? "" : " " + g.about) + '\n';
        if (g.opened) {
            tlv_tree::render_text(g.elements, 1, out);
            continue;
        }
        for (std::size_t i = 0; i < g.value.size(); i += 64) out += "  " + g.value.substr(i, 64) + '\n';
    }
}

void render_json(const std::vector<Group>& groups, std::string& out) {
    out += '[';
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        out += (i == 0 ? "\n  " : ",\n  ");
        out += "{\"offset\": " + std::to_string(g.offset) + ", ";
        if (g.id.empty()) {
            out += "\"malformed\": " + tlv_tree::json_string(g.defect) + "}";
            continue;
        }
        out += "\"dgi\": \"" + g.id + "\", \"length\": " + std::to_string(g.length) + ", \"about\": " +
               (g.about.empty() ? "null" : tlv_tree::json_string(g.about));
        if (g.opened) {
            out += ", \"children\": ";
            tlv_tree::render_json(g.elements, 1, out);
        } else {
            out += ", \"value\": \"" + g.value + "\"";
        }
        out += '}';
    }
    if (!groups.empty()) out += '\n';
    out += "]\n";
}

const std::string* first_defect(const std::vector<Group>& groups, std::size_t* offset) {
    for (const Group& g : groups) {
        if (g.id.empty()) {
            *offset = g.offset;
            return &g.defect;
        }
        if (const tlv_tree::Node* m = tlv_tree::first_malformed(g.elements)) {
            *offset = m->offset;
            return &m->defect;
        }
    }
    return nullptr;
}

}  // namespace dgi

int dgi_view(const std::vector<std::string>& args) {
    const bool json = !args.empty() && args[0] == "--json";
    if (args.size() != (json ? 2u : 1u)) {
        std::fputs(kDgiHelp, stderr);
        return 2;
    }
    std::vector<unsigned char> bytes;
    try {
        bytes = spaced_bytes(args.back());
    } catch (const UsageError& e) {
        std::fprintf(stderr, "vek dgi: %s\n", e.message.c_str());
        return 2;
    }
    if (bytes.empty()) {
        std::fputs("vek dgi: no data: HEX holds no bytes\n", stderr);
        return 2;
    }
    std::vector<dgi::Group> groups;
    const bool whole = dgi::read(bytes.data(), bytes.size(), groups);
    std::string out;
    if (json) {
        dgi::render_json(groups, out);
    } else {
        dgi::render_text(groups, out);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (whole) return 0;
    std::size_t offset = 0;
    const std::string* defect = dgi::first_defect(groups, &offset);
    std::fprintf(stderr, "vek dgi: malformed at offset %zu: %s\n", offset,
                 defect == nullptr ? "" : defect->c_str());
    return 1;
}

}  // namespace vek::cli
