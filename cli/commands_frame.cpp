// The frame functions in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kFrame{{
    {.name = "LastStatus",
     .summary = "the status left by the most recent call (always 0 in a fresh process)"},
    {.name = "Version",
     .summary = "the interface version of the library (13)"},
}};

}  // namespace
}  // namespace vek::cli
