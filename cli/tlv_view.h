#pragma once
// vek tlv [--json] HEX: every element of BER-TLV data as an indented tree.

#include <string>
#include <vector>

namespace vek::cli {

// `args` are the words after "tlv". Returns the exit status: 0 the data is
// whole, 1 a malformed element (the tree up to it is printed), 2 bad usage.
int tlv_view(const std::vector<std::string>& args);

// The usage and help text of vek tlv.
extern const char* const kTlvHelp;

}  // namespace vek::cli
