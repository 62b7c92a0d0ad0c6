#pragma once
// BER-TLV data read as a tree for the command's views (vek tlv, vek dgi): the
// library's TLV engine (types/tlv.h) reads each element; this reader decides
// where filler stands, takes a status word off the end of a response, names the
// tags from the EMV dictionary and explains the values it knows (emv_meaning.h).
// The tree is one decoding, rendered as text or as JSON.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vek::cli::tlv_tree {

// One thing a value says, in words: "amount X: 0", "byte 1 bit 5: ...". Parts
// go one level deeper.
struct Fact final {
    std::string label;
    std::string value;
    std::vector<Fact> parts;
};

// One entry of a data object list: a tag and the length it asks for.
struct DolEntry final {
    std::string tag;
    std::string name;       // empty: a tag the dictionary does not name
    const char* tagClass = "";
    std::size_t length = 0;
};

struct Node final {
    enum class Kind { Element, Filler, Malformed, StatusWord } kind = Kind::Element;
    std::size_t offset = 0;  // in bytes from the start of the data
    // Element: the tag in hexadecimal; Filler: the byte; StatusWord: SW1 SW2.
    std::string tag;
    std::size_t length = 0;  // Element: the value's; Filler: the run's
    bool constructed = false;
    std::string name;        // Element: the dictionary's name, empty when unknown
    const char* tagClass = "";
    std::string value;       // a primitive element's value in hexadecimal
    std::string text;        // the value as text, for text elements whose bytes are all printable
    std::string reading;     // FF bytes: why they were read as a tag or as filler
    std::string defect;      // Malformed: what is wrong; StatusWord: its meaning
    std::vector<Node> children;
    std::vector<DolEntry> list;  // a data object list's entries
    std::vector<Fact> facts;     // what the value means
    std::vector<Node> fields;    // a format 1 response split into its fields
};

// How a format 1 response (tag 80 at the top level) is split.
enum class Format1 {
    Guess,  // by its shape: split when it fits one of the two responses only
    Gpo,    // as a GET PROCESSING OPTIONS response: AIP, AFL
    Gac,    // as a GENERATE AC response: CID, ATC, cryptogram, issuer application data
};

struct Options final {
    Format1 format1 = Format1::Guess;
    bool statusWord = true;  // two bytes left after whole elements may be a status word
    const char* outermost = "the data";  // what the top level is called in messages
};

// Reads the `size` bytes at `data` as a list of elements, with filler between
// them and, when allowed, a status word after them. Returns false when an
// element is malformed (the tree then holds a Malformed node for it).
bool read(const std::uint8_t* data, std::size_t size, const Options& options, std::vector<Node>& nodes);

// Whether the `size` bytes at `data` read as filler and whole elements, to their
// end, at their own level (what is inside the elements is not looked at).
bool whole_list(const std::uint8_t* data, std::size_t size);

// The first malformed node, depth first; null when none.
const Node* first_malformed(const std::vector<Node>& nodes);

// The tree as indented text lines, `depth` levels in.
void render_text(const std::vector<Node>& nodes, int depth, std::string& out);
// The tree as a JSON array; `depth` sets the indentation of its lines.
void render_json(const std::vector<Node>& nodes, int depth, std::string& out);
// A JSON string literal.
std::string json_string(const std::string& text);

}  // namespace vek::cli::tlv_tree
