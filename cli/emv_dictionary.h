#pragma once
// The EMV tag dictionary built into the command (cli/emv_tags.tsv): each known
// tag's name and how its value is explained beside the hexadecimal.

#include <cstdint>
#include <string_view>

namespace vek::cli::emv {

// How a value is explained (the third column of emv_tags.tsv).
enum class View {
    Hexa,     // the hexadecimal only
    Text,     // the bytes as text too, when every byte is printable
    Dol,      // a data object list
    Cvm,      // a cardholder verification method list
    Afl,      // an application file locator
    Aip,      // application interchange profile bits
    Auc,      // application usage control bits
    Cid,      // cryptogram information data
    Format1,  // a response message template format 1 (at the top level only)
};

struct TagInfo final {
    std::string_view name;
    View view = View::Hexa;
};

// The entry of `tag` (upper-case hexadecimal), or null for a tag the
// dictionary does not name.
const TagInfo* find_tag(std::string_view tag);

// The class of a tag, from bits 8 and 7 of its first byte.
const char* tag_class(std::uint8_t firstTagByte);

}  // namespace vek::cli::emv
