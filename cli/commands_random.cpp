// Random values in the vek command.
#include "cli/bytes_text.h"
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kRandom{{
    {.name = "Calc_RndByMinMax",
     .summary = "random text of a length, each unit between a minimum and a maximum",
     .details = "type: BIN, DEC, HEXA (one digit a unit, bounds of one digit), HEXA2 (one byte a\n"
                "unit written as two digits, bounds of two digits, even length) or CHAR (one\n"
                "character a unit, bounds compared by code). Give \"\" \"\" as bounds for the whole\n"
                "range of the type. length: characters to write, 1 to 60000.\n"
                "The generator is seeded afresh in every process: each run gives new values.\n"
                "Printable ASCII is printed as it is; any other byte, and the backslash, as \\xHH.",
     .print = print_escaped},
}};

}  // namespace
}  // namespace vek::cli
