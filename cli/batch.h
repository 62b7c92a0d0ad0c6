#pragma once
// Batch mode of the vek command: vek --each FUNCTION ARG... runs the function
// once per line of standard input, every argument "-" taking the line, and
// prints one output line per input line.

#include <string>
#include <vector>

namespace vek::cli {

// `args` are the words after --each. Returns the exit status: 0 every line
// succeeded, 1 a line failed, 2 bad usage (nothing read).
int run_each(const std::vector<std::string>& args);

}  // namespace vek::cli
