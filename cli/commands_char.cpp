// Character strings in the vek command.
#include "cli/bytes_text.h"
#include "cli/command.h"

namespace vek::cli {
namespace {

#define VEK_ESCAPES                                                                                \
    "The result is printed with printable ASCII as it is and every other byte, and the\n"          \
    "backslash, as \\xHH (two upper-case hexadecimal digits), so that no byte is lost."
#define VEK_RAW_INPUT                                                                              \
    "TEXT - reads the characters from standard input as raw bytes (one final newline dropped; the\n" \
    "text ends at a 0x00 byte, as the library reads NUL-terminated text)."

const Register kChar{{
    {.name = "Conv_HexaToChar",
     .params = {"HEXA"},
     .summary = "the characters that HEXA denotes, two digits a byte (414243 gives ABC)",
     .kind = Kind::Text,
     .details = "HEXA: an even number of upper-case hexadecimal digits. A 0x00 byte is refused (-3).\n" VEK_ESCAPES,
     .invoke = bind(&vek_Conv_HexaToChar),
     .print = print_escaped},
    {.name = "Conv_BinToChar",
     .params = {"BIN"},
     .summary = "the characters that BIN denotes, eight bits a byte",
     .kind = Kind::Text,
     .details = "BIN: a multiple of 8 characters '0' and '1'. A 0x00 byte is refused (-4).\n" VEK_ESCAPES,
     .invoke = bind(&vek_Conv_BinToChar),
     .print = print_escaped},
    {.name = "Tran_SwapCharInPairs",
     .params = {"TEXT"},
     .summary = "characters 1 and 2, 3 and 4, ... change places (ABCD gives BADC)",
     .kind = Kind::Text,
     .details = VEK_RAW_INPUT "\n" VEK_ESCAPES,
     .invoke = bind(&vek_Tran_SwapCharInPairs),
     .print = print_escaped},
    {.name = "Tran_SwapChar",
     .params = {"TEXT"},
     .summary = "the two halves of every byte change places (A, 0x41, gives 0x14)",
     .kind = Kind::Text,
     .details = VEK_RAW_INPUT "\n" VEK_ESCAPES,
     .invoke = bind(&vek_Tran_SwapChar),
     .print = print_escaped},
}};

}  // namespace
}  // namespace vek::cli
