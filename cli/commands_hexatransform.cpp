// Hexadecimal transforms in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kHexaTransform{{
    {.name = "Tran_SwapHexa",
     .params = {"HEXA"},
     .summary = "the two digits of every byte exchanged (1234 gives 2143)",
     .invoke = bind(&vek_Tran_SwapHexa)},
    {.name = "Tran_SwapHexaByte",
     .params = {"HEXA"},
     .summary = "the two digits of one byte exchanged (A5 gives 5A)",
     .invoke = bind(&vek_Tran_SwapHexaByte)},
    {.name = "Tran_SwapBitInHexa",
     .params = {"HEXA"},
     .summary = "all the bits in reverse order (12 gives 48)",
     .invoke = bind(&vek_Tran_SwapBitInHexa)},
    {.name = "Tran_IncreaseHexa",
     .params = {"HEXA", "LENGTH"},
     .summary = "HEXA + 1",
     .details = "The result has no leading zeros; LENGTH 1 to 60000 pads it on the left with '0', 0 does not.",
     .invoke = bind(&vek_Tran_IncreaseHexa)},
    {.name = "Tran_DecreaseHexa",
     .params = {"HEXA", "LENGTH"},
     .summary = "HEXA - 1; fails on zero",
     .details = "The result has no leading zeros; LENGTH 1 to 60000 pads it on the left with '0', 0 does not.",
     .invoke = bind(&vek_Tran_DecreaseHexa)},
    {.name = "Tran_SetBinInHexa",
     .params = {"BITS", "POSITION", "HEXA"},
     .summary = "HEXA with the bits BITS written from bit POSITION on",
     .details = "Bit 1 is the most significant bit of the first digit; the length of HEXA is kept.",
     .invoke = bind(&vek_Tran_SetBinInHexa)},
    {.name = "Tran_ShiftBitLeft",
     .params = {"HEXA", "COUNT"},
     .summary = "the bits moved COUNT places toward the first digit, length kept",
     .details = "Zeros come in at the end; a negative COUNT shifts right.",
     .invoke = bind(&vek_Tran_ShiftBitLeft)},
    {.name = "Tran_ShiftBitRight",
     .params = {"HEXA", "COUNT"},
     .summary = "the bits moved COUNT places toward the last digit, length kept",
     .details = "Zeros come in at the front; a negative COUNT shifts left.",
     .invoke = bind(&vek_Tran_ShiftBitRight)},
}};

}  // namespace
}  // namespace vek::cli
