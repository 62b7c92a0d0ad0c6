// Hexadecimal arithmetic and logic in the vek command.
#include <cstdio>

#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kLength = "LENGTH 0 gives the result at its natural length; 1 to 60000 pads it on the left with '0'.";
const char* const kLogic =
    "A and B have the same even number of digits; the result keeps that length, leading zeros included.\n";

const Register kHexaArith{{
    {.name = "Calc_AddHexaToHexa",
     .params = {"A", "B", "LENGTH"},
     .summary = "A + B in hexadecimal, any length up to 60000 digits",
     .details = std::string("The sum has no leading zeros (0001 + 0001 gives 2).\n") + kLength,
     .invoke = bind(&vek_Calc_AddHexaToHexa)},
    {.name = "Calc_SubstractHexaToHexa",
     .params = {"A", "B", "LENGTH"},
     .summary = "A - B in hexadecimal; fails when B is greater than A or has more digits",
     .details = std::string("B with more digits than A fails whatever the values, leading zeros counted:\n"
                            "5 - 03 fails (status -5), 05 - 03 gives 2. The difference has no leading zeros.\n") +
                kLength,
     .invoke = bind(&vek_Calc_SubstractHexaToHexa)},
    {.name = "Calc_AddDecToHexa",
     .params = {"HEXA", "DEC", "LENGTH"},
     .summary = "HEXA + DEC, in hexadecimal (DEC up to 18446744073709551615)",
     .details = std::string("The sum has no leading zeros.\n") + kLength,
     .invoke = bind(&vek_Calc_AddDecToHexa)},
    {.name = "Calc_SubstractDecToHexa",
     .params = {"HEXA", "DEC", "LENGTH"},
     .summary = "HEXA - DEC, in hexadecimal (DEC up to 18446744073709551615)",
     .details = std::string("DEC is written in hexadecimal without leading zeros, then subtracted as in\n"
                            "Calc_SubstractHexaToHexa: more digits than HEXA (whose leading zeros count),\n"
                            "or a greater value, fails (status -6). The difference has no leading zeros.\n") +
                kLength,
     .invoke = bind(&vek_Calc_SubstractDecToHexa)},
    {.name = "Calc_XorHexa",
     .params = {"A", "B", "LENGTH"},
     .summary = "digit-wise A XOR B",
     .details = std::string(kLogic) + kLength,
     .invoke = bind(&vek_Calc_XorHexa)},
    {.name = "Calc_AndHexa",
     .params = {"A", "B", "LENGTH"},
     .summary = "digit-wise A AND B",
     .details = std::string(kLogic) + kLength,
     .invoke = bind(&vek_Calc_AndHexa)},
    {.name = "Calc_OrHexa",
     .params = {"A", "B", "LENGTH"},
     .summary = "digit-wise A OR B",
     .details = std::string(kLogic) + kLength,
     .invoke = bind(&vek_Calc_OrHexa)},
    {.name = "Calc_ComplementHexa",
     .params = {"HEXA", "LENGTH"},
     .summary = "every digit d replaced by 15 - d (all bits inverted)",
     .details = kLength,
     .invoke = bind(&vek_Calc_ComplementHexa)},
    {.name = "Calc_ChecksumHexa",
     .params = {"HEXA", "BLOCK"},
     .summary = "XOR of the consecutive BLOCK-digit blocks of HEXA",
     .details = "BLOCK is 1 to 30000 and divides the length of HEXA; the result has BLOCK digits.",
     .invoke = bind(&vek_Calc_ChecksumHexa)},
    {.name = "Calc_CountBits",
     .params = {"HEXA", "MODE"},
     .summary = "the number of one bits of HEXA (MODE 0: of zero bits)",
     .kind = Kind::Number,
     .invoke = bind(&vek_Calc_CountBits)},
}};

}  // namespace
}  // namespace vek::cli
