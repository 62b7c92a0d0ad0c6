#pragma once
// vek tlv [--json] [--gpo | --gac] HEX: every element of BER-TLV data as an
// indented tree, with what the values mean (cli/tlv_tree.h).

#include <string>
#include <vector>

namespace vek::cli {

// `args` are the words after "tlv". Returns the exit status: 0 the data is
// whole, 1 a malformed element (the tree up to it is printed), 2 bad usage.
int tlv_view(const std::vector<std::string>& args);

// The usage and help text of vek tlv.
extern const char* const kTlvHelp;

// The bytes of a hexadecimal argument that may hold spaces and line ends ("-"
// reads standard input). Throws UsageError for text that is no byte block.
std::vector<unsigned char> spaced_bytes(const std::string& arg);

}  // namespace vek::cli
