// The frame functions in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kFrame{{
    {.name = "LastStatus",
     .params = {},
     .summary = "the status left by the most recent call (always 0 in a fresh process)",
     .kind = Kind::Value,
     .invoke = bind(&vek_LastStatus)},
    {.name = "Version",
     .params = {},
     .summary = "the interface version of the library (13)",
     .kind = Kind::Value,
     .invoke = bind(&vek_Version)},
}};

}  // namespace
}  // namespace vek::cli
