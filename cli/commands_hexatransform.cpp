// Hexadecimal transforms in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kHexaTransform{{
    {.name = "Tran_SwapHexa",
     .summary = "the two digits of every byte exchanged (1234 gives 2143)"},
    {.name = "Tran_SwapHexaByte",
     .summary = "the two digits of one byte exchanged (A5 gives 5A)"},
    {.name = "Tran_SwapBitInHexa",
     .summary = "all the bits in reverse order (12 gives 48)"},
    {.name = "Tran_IncreaseHexa",
     .summary = "hexa + 1",
     .details = "The result has no leading zeros; resultLength 1 to 60000 pads it on the left with '0', 0 does not."},
    {.name = "Tran_DecreaseHexa",
     .summary = "hexa - 1; fails on zero",
     .details = "The result has no leading zeros; resultLength 1 to 60000 pads it on the left with '0', 0 does not."},
    {.name = "Tran_SetBinInHexa",
     .summary = "hexa with the bits bin written from bit position on",
     .details = "Bit 1 is the most significant bit of the first digit; the length of hexa is kept."},
    {.name = "Tran_ShiftBitLeft",
     .summary = "the bits moved count places toward the first digit, length kept",
     .details = "Zeros come in at the end; a negative count shifts right."},
    {.name = "Tran_ShiftBitRight",
     .summary = "the bits moved count places toward the last digit, length kept",
     .details = "Zeros come in at the front; a negative count shifts left."},
}};

}  // namespace
}  // namespace vek::cli
