// The TLV tree view: reads the data (cli/tlv_tree.h) and prints the tree as
// text or JSON.
#include "cli/tlv_view.h"

#include <cstdio>

#include "cli/bytes_text.h"
#include "cli/command.h"
#include "cli/tlv_tree.h"

namespace vek::cli {

const char* const kTlvHelp =
    "usage: vek tlv [--json] [--gpo | --gac] HEX\n"
    "Prints every element of BER-TLV data (hexadecimal text, either case, spaces allowed\n"
    "when quoted; - reads standard input) as an indented tree: tag, length in bytes, the\n"
    "tag's name from the EMV dictionary (or its class, for a tag it does not name), and\n"
    "the value, wrapped at 32 bytes a line. Constructed elements (bit 6 of the tag's\n"
    "first byte set) are opened. Values are explained where the tag says how: text\n"
    "elements (50, 5F20, 9F12, 5F2D, 84, 4F ...) as text beside the hexadecimal when\n"
    "every byte is printable; data object lists (8C, 8D, 9F38, 9F49, 97) entry by entry;\n"
    "the CVM list (8E) with amounts X and Y and each rule in words; the AFL (94) entry\n"
    "by entry; the AIP (82), AUC (9F07) and CID (9F27) bits; and a format 1 response\n"
    "(80 at the top level) split into its fields when its shape tells a GET PROCESSING\n"
    "OPTIONS response (AIP, AFL) from a GENERATE AC response (CID, ATC, cryptogram,\n"
    "issuer application data); --gpo or --gac says which.\n"
    "00 bytes between elements are filler. FF bytes are filler unless they read as the\n"
    "first byte of a tag of up to 3 bytes (FF8105 ...) whose element fits its template\n"
    "and leaves a rest that reads whole; when both readings are whole, a tag that the\n"
    "dictionary knows is a tag and any other is filler. The reading taken is shown\n"
    "beside the tag or the filler.\n"
    "Two bytes left over after whole top-level elements that form a status word (SW1\n"
    "61-6F or 90-9F) are shown as the status word with its ISO/IEC 7816-4 meaning.\n"
    "A malformed element is reported with its offset (in bytes from the start of the\n"
    "data) after everything before it, and says whether its tag does not end, its\n"
    "length field is cut off, has more than 4 length bytes or gives 2^31 or more, or\n"
    "its value runs past the end; the elements after its template still follow.\n"
    "--json prints the same tree as JSON: a list of objects with offset, tag, name\n"
    "(null when unknown), class, constructed, length, and children or value (with text,\n"
    "list, facts and fields where the value is explained); filler objects with offset,\n"
    "filler and length; a status word with offset, status and meaning; a malformed\n"
    "object with offset and malformed; reading where FF bytes were decided.\n"
    "Exit status: 0 the data is whole, 1 a malformed element, 2 bad usage (no data).\n"
    "Example: vek tlv '800A 1C00 08010300 10010100 9000'\n";

std::vector<unsigned char> spaced_bytes(const std::string& arg) {
    std::string text;
    for (const char c : argument_text(arg))
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') text += c;
    return bytes_of(text);
}

int tlv_view(const std::vector<std::string>& args) {
    bool json = false;
    tlv_tree::Options options;
    std::size_t at = 0;
    for (; at < args.size() && args[at].size() > 2 && args[at].compare(0, 2, "--") == 0; ++at) {
        if (args[at] == "--json") {
            json = true;
        } else if (args[at] == "--gpo" && options.format1 == tlv_tree::Format1::Guess) {
            options.format1 = tlv_tree::Format1::Gpo;
        } else if (args[at] == "--gac" && options.format1 == tlv_tree::Format1::Guess) {
            options.format1 = tlv_tree::Format1::Gac;
        } else {
            std::fputs(kTlvHelp, stderr);
            return 2;
        }
    }
    if (args.size() != at + 1) {
        std::fputs(kTlvHelp, stderr);
        return 2;
    }
    std::vector<unsigned char> bytes;
    try {
        bytes = spaced_bytes(args[at]);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "vek tlv: %s\n", e.message.c_str());
        return 2;
    }
    if (bytes.empty()) {
        std::fputs("vek tlv: no data: HEX holds no bytes\n", stderr);
        return 2;
    }
    std::vector<tlv_tree::Node> tree;
    const bool whole = tlv_tree::read(bytes.data(), bytes.size(), options, tree);
    std::string out;
    if (json) {
        tlv_tree::render_json(tree, 0, out);
        out += '\n';
    } else {
        tlv_tree::render_text(tree, 0, out);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (whole) return 0;
    const tlv_tree::Node* m = tlv_tree::first_malformed(tree);
    std::fprintf(stderr, "vek tlv: malformed element at offset %zu: %s\n", m->offset, m->defect.c_str());
    return 1;
}

}  // namespace vek::cli
