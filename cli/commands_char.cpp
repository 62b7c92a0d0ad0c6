// Character strings in the vek command.
#include "cli/bytes_text.h"
#include "cli/command.h"

namespace vek::cli {
namespace {

#define VEK_ESCAPES                                                                                \
    "The result is printed with printable ASCII as it is and every other byte, and the\n"          \
    "backslash, as \\xHH (two upper-case hexadecimal digits), so that no byte is lost."
#define VEK_RAW_INPUT                                                                              \
    "text - reads the characters from standard input as raw bytes (one final newline dropped; the\n" \
    "text ends at a 0x00 byte, as the library reads NUL-terminated text)."

const Register kChar{{
    {.name = "Conv_HexaToChar",
     .summary = "the characters that hexa denotes, two digits a byte (414243 gives ABC)",
     .details = "hexa: an even number of upper-case hexadecimal digits. A 0x00 byte is refused (-3).\n" VEK_ESCAPES,
     .print = print_escaped},
    {.name = "Conv_BinToChar",
     .summary = "the characters that bin denotes, eight bits a byte",
     .details = "bin: a multiple of 8 characters '0' and '1'. A 0x00 byte is refused (-4).\n" VEK_ESCAPES,
     .print = print_escaped},
    {.name = "Tran_SwapCharInPairs",
     .summary = "characters 1 and 2, 3 and 4, ... change places (ABCD gives BADC)",
     .details = VEK_RAW_INPUT "\n" VEK_ESCAPES,
     .print = print_escaped},
    {.name = "Tran_SwapChar",
     .summary = "the two halves of every byte change places (A, 0x41, gives 0x14)",
     .details = VEK_RAW_INPUT "\n" VEK_ESCAPES,
     .print = print_escaped},
}};

}  // namespace
}  // namespace vek::cli
