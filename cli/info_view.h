#pragma once
// vek info [--end-marker HEX | --record-size N] FILE: what a personalization
// file is (an image file or a DC9 file, told from its content) and a summary of
// it, read with the library's own classes.

#include <string>
#include <vector>

namespace vek::cli {

// `args` are the words after "info". Returns the exit status: 0 a summary, 1 a
// file refused or unreadable, 2 bad usage.
int info_view(const std::vector<std::string>& args);

extern const char* const kInfoHelp;

}  // namespace vek::cli
