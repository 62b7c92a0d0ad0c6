// Fuzzes the vek command's data views: the TLV tree (filler and FF tags, the
// status word, every value explained: text, data object lists, CVM list, AFL,
// AIP, AUC, CID, format 1 responses) and the DGI reader, then renders each tree
// as text and as JSON. The first input byte chooses the way:
//
//   0 to 3  the TLV tree of the rest, format 1 guessed / --gpo / --gac / no status word
//   4       the rest as DGIs
//   5       every explained view on the rest as one value (each tag of the dictionary
//           that explains its value), at the top level
//
// Every buffer handed over has exactly its own size, so a read past its end is
// an AddressSanitizer report. Results that break the reader's promises abort.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/dgi_view.h"
#include "cli/emv_meaning.h"
#include "cli/tlv_tree.h"

namespace {

using vek::cli::tlv_tree::Node;

void check(bool ok) {
    if (!ok) std::abort();
}

// Every node lies inside the data; values are whole bytes of their stated length.
void check_nodes(const std::vector<Node>& nodes, std::size_t size) {
    for (const Node& n : nodes) {
        check(n.offset < size || (n.offset == size && n.kind == Node::Kind::Element));
        if (n.kind == Node::Kind::Element && !n.constructed) check(n.value.size() == 2 * n.length);
        if (n.kind == Node::Kind::Element) check(n.length <= size);
        if (n.kind == Node::Kind::Filler) check(n.length >= 1 && n.offset + n.length <= size);
        if (!n.text.empty()) check(n.text.size() == n.length);
        check_nodes(n.children, size);
        check_nodes(n.fields, size);
    }
}

void render(const std::vector<Node>& nodes) {
    std::string text;
    std::string json;
    vek::cli::tlv_tree::render_text(nodes, 0, text);
    vek::cli::tlv_tree::render_json(nodes, 0, json);
    check(json.front() == '[' && json.back() == ']');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size == 0) return 0;
    const unsigned mode = input[0] % 6;
    // A heap copy of exactly the data's size.
    const std::vector<std::uint8_t> data(input + 1, input + size);
    namespace tree = vek::cli::tlv_tree;
    if (mode <= 3) {
        tree::Options options;
        options.format1 = mode == 1 ? tree::Format1::Gpo : mode == 2 ? tree::Format1::Gac : tree::Format1::Guess;
        options.statusWord = mode != 3;
        std::vector<Node> nodes;
        const bool whole = tree::read(data.data(), data.size(), options, nodes);
        check(whole == (tree::first_malformed(nodes) == nullptr));
        check_nodes(nodes, data.size());
        render(nodes);
        return 0;
    }
    if (mode == 4) {
        std::vector<vek::cli::dgi::Group> groups;
        vek::cli::dgi::read(data.data(), data.size(), groups);
        for (const auto& g : groups) {
            check(g.offset < data.size());
            if (!g.id.empty() && !g.opened) check(g.value.size() == 2 * g.length);
            check_nodes(g.elements, data.size());
        }
        std::string text;
        std::string json;
        vek::cli::dgi::render_text(groups, text);
        vek::cli::dgi::render_json(groups, json);
        return 0;
    }
    for (const char* tag : {"50", "84", "8C", "9F38", "8E", "94", "82", "9F07", "9F27", "80"}) {
        for (const auto format1 : {tree::Format1::Guess, tree::Format1::Gpo, tree::Format1::Gac}) {
            Node n;
            n.tag = tag;
            n.length = data.size();
            vek::cli::emv::explain(n, data.data(), data.size(), 0, true, format1);
            for (const Node& f : n.fields) check(f.offset + f.length <= data.size());
            render({n});
        }
    }
    return 0;
}
