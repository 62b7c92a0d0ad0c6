#pragma once
// vek dgi [--json] HEX: personalization data as data groupings (DGIs), the TLV
// inside each opened with the TLV tree's decoder (cli/tlv_tree.h).
//
// A DGI is a 2-byte identifier, a length (one byte 00 to FE, or FF and two
// bytes), then the value. An identifier whose first byte is 01 to 1E names a
// record (SFI, record number); its value is a record template and is always read
// as TLV. DGIs of keys and PIN data (8000 to 8FFF, enciphered; 9000, key check
// values; 9010, PIN try counter and limit) show their value only. Any other DGI
// is opened where its value reads as whole TLV elements, else shown as a value.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/tlv_tree.h"

namespace vek::cli {

namespace dgi {

struct Group final {
    std::size_t offset = 0;  // in bytes from the start of the data
    std::string id;          // the identifier, 4 hexadecimal digits; empty for a malformed grouping
    std::size_t length = 0;
    std::string about;       // what the identifier says: a record, keys or PIN data
    bool opened = false;     // the value is shown as TLV elements
    std::string value;       // the value in hexadecimal, when it is not opened
    std::vector<tlv_tree::Node> elements;
    std::string defect;      // a malformed grouping: what is wrong
};

// Reads the `size` bytes at `data` as DGIs. Returns false when a grouping, or a
// record's TLV, is malformed.
bool read(const std::uint8_t* data, std::size_t size, std::vector<Group>& groups);

void render_text(const std::vector<Group>& groups, std::string& out);
void render_json(const std::vector<Group>& groups, std::string& out);

}  // namespace dgi

// `args` are the words after "dgi". Returns the exit status: 0 whole, 1 a
// malformed grouping or record, 2 bad usage.
int dgi_view(const std::vector<std::string>& args);

extern const char* const kDgiHelp;

}  // namespace vek::cli
