// Hexadecimal arithmetic and logic in the vek command.
#include <cstdio>

#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kLength = "resultLength 0 gives the result at its natural length; 1 to 60000 pads it on the left with '0'.";
const char* const kLogic =
    "a and b have the same even number of digits; the result keeps that length, leading zeros included.\n";

const Register kHexaArith{{
    {.name = "Calc_AddHexaToHexa",
     .summary = "a + b in hexadecimal, any length up to 60000 digits",
     .details = std::string("The sum has no leading zeros (0001 + 0001 gives 2).\n") + kLength},
    {.name = "Calc_SubstractHexaToHexa",
     .summary = "a - b in hexadecimal; fails when b is greater than a or has more digits",
     .details = std::string("b with more digits than a fails whatever the values, leading zeros counted:\n"
                            "5 - 03 fails (status -5), 05 - 03 gives 2. The difference has no leading zeros.\n") +
                kLength},
    {.name = "Calc_AddDecToHexa",
     .summary = "hexa + dec, in hexadecimal (dec up to 18446744073709551615)",
     .details = std::string("The sum has no leading zeros.\n") + kLength},
    {.name = "Calc_SubstractDecToHexa",
     .summary = "hexa - dec, in hexadecimal (dec up to 18446744073709551615)",
     .details = std::string("dec is written in hexadecimal without leading zeros, then subtracted as in\n"
                            "Calc_SubstractHexaToHexa: more digits than hexa (whose leading zeros count),\n"
                            "or a greater value, fails (status -6). The difference has no leading zeros.\n") +
                kLength},
    {.name = "Calc_XorHexa",
     .summary = "digit-wise a XOR b",
     .details = std::string(kLogic) + kLength},
    {.name = "Calc_AndHexa",
     .summary = "digit-wise a AND b",
     .details = std::string(kLogic) + kLength},
    {.name = "Calc_OrHexa",
     .summary = "digit-wise a OR b",
     .details = std::string(kLogic) + kLength},
    {.name = "Calc_ComplementHexa",
     .summary = "every digit d replaced by 15 - d (all bits inverted)",
     .details = kLength},
    {.name = "Calc_ChecksumHexa",
     .summary = "XOR of the consecutive blockLength-digit blocks of hexa",
     .details = "blockLength is 1 to 30000 and divides the length of hexa; the result has blockLength digits."},
    {.name = "Calc_CountBits",
     .summary = "the number of one bits of hexa (mode 0: of zero bits)"},
}};

}  // namespace
}  // namespace vek::cli
