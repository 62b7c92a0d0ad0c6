// The binary-string functions in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kRawDetails =
    "Character by character: '1' is a 1 bit, any other character a 0 bit (the texts\n"
    "are not checked). The two texts must have the same length.";

const Register kBin{{
    {.name = "Conv_DecToBin",
     .summary = "the bits of a decimal number up to 2^64 - 1",
     .details = "resultLength 0 gives the bits without leading zeros; 1 to 60000 pads with 0 on the left."},
    {.name = "Conv_HexaToBin",
     .summary = "the bits of a hexadecimal number (up to 15000 significant digits)",
     .details = "Upper-case digits only. resultLength 0 gives the bits without leading zeros;\n"
                "1 to 60000 pads with 0 on the left."},
    {.name = "Conv_CharToBin",
     .summary = "the 8 bits of every character of a text (up to 7500 characters)"},
    {.name = "Veri_IsBin",
     .summary = "whether a text is binary (1 to 60000 characters 0 and 1)"},
    {.name = "Tran_SetBinInBin",
     .summary = "overwrites the bits of target from position (from 1) with piece",
     .details = "The result keeps the target's length; piece must end within target."},
    {.name = "Tran_GetBinInBin",
     .summary = "length bits of bin from position (from 1) on"},
    {.name = "Tran_ReverseBin",
     .summary = "the bits of bin in reverse order"},
    {.name = "Calc_ORBinary",
     .summary = "bitwise OR of two texts of equal length",
     .details = kRawDetails},
    {.name = "Calc_ANDBinary",
     .summary = "bitwise AND of two texts of equal length",
     .details = kRawDetails},
    {.name = "Calc_XORBinary",
     .summary = "bitwise XOR of two texts of equal length",
     .details = kRawDetails},
}};

}  // namespace
}  // namespace vek::cli
