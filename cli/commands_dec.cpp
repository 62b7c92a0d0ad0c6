// The decimal-string functions in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kLength = "resultLength 0 gives the result without leading zeros; 1 to 60000 pads with 0 on the left.";

const Register kDec{{
    {.name = "Conv_HexaToDec",
     .summary = "a hexadecimal number of up to 16 significant digits in decimal",
     .details = kLength},
    {.name = "Conv_BinToDec",
     .summary = "a binary number of up to 64 significant bits in decimal",
     .details = kLength},
    {.name = "Veri_IsDec",
     .summary = "whether a text is decimal (1 to 60000 characters 0-9)"},
    {.name = "Comp_DecToDec",
     .summary = "-1, 0 or 1 as decimal a is smaller than, equal to or larger than b",
     .details = "By value: leading zeros do not count (0010 equals 10)."},
    {.name = "Tran_IncreaseDec",
     .summary = "a decimal number plus 1",
     .details = kLength},
    {.name = "Tran_DecreaseDec",
     .summary = "a decimal number minus 1",
     .details = kLength},
    {.name = "Calc_AddDecToDec",
     .summary = "the sum of two decimal numbers of up to 60000 digits",
     .details = kLength},
    {.name = "Calc_SubstractDecToDec",
     .summary = "decimal a minus b, up to 60000 digits (b must not be larger or have more digits)",
     .details = std::string("b with more digits than a fails whatever the values, leading zeros counted:\n"
                            "10 minus 005 fails (status -4), 010 minus 005 gives 5.\n") +
                kLength},
    {.name = "Calc_LuhnKey",
     .summary = "the Luhn check digit that completes a card number",
     .details = "dec is the card number without its check digit."},
}};

}  // namespace
}  // namespace vek::cli
