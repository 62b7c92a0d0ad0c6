// The decimal-string functions in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kLength = "LENGTH 0 gives the result without leading zeros; 1 to 60000 pads with 0 on the left.";

const Register kDec{{
    {.name = "Conv_HexaToDec",
     .params = {"HEXA", "LENGTH"},
     .summary = "a hexadecimal number of up to 16 significant digits in decimal",
     .details = kLength,
     .invoke = bind(&vek_Conv_HexaToDec)},
    {.name = "Conv_BinToDec",
     .params = {"BIN", "LENGTH"},
     .summary = "a binary number of up to 64 significant bits in decimal",
     .details = kLength,
     .invoke = bind(&vek_Conv_BinToDec)},
    {.name = "Veri_IsDec",
     .params = {"TEXT"},
     .summary = "whether a text is decimal (1 to 60000 characters 0-9)",
     .kind = Kind::Predicate,
     .falseCode = -2,
     .invoke = bind(&vek_Veri_IsDec)},
    {.name = "Comp_DecToDec",
     .params = {"A", "B"},
     .summary = "-1, 0 or 1 as decimal A is smaller than, equal to or larger than B",
     .kind = Kind::Compare,
     .details = "By value: leading zeros do not count (0010 equals 10).",
     .invoke = bind(&vek_Comp_DecToDec)},
    {.name = "Tran_IncreaseDec",
     .params = {"DEC", "LENGTH"},
     .summary = "a decimal number plus 1",
     .details = kLength,
     .invoke = bind(&vek_Tran_IncreaseDec)},
    {.name = "Tran_DecreaseDec",
     .params = {"DEC", "LENGTH"},
     .summary = "a decimal number minus 1",
     .details = kLength,
     .invoke = bind(&vek_Tran_DecreaseDec)},
    {.name = "Calc_AddDecToDec",
     .params = {"A", "B", "LENGTH"},
     .summary = "the sum of two decimal numbers of up to 60000 digits",
     .details = kLength,
     .invoke = bind(&vek_Calc_AddDecToDec)},
    {.name = "Calc_SubstractDecToDec",
     .params = {"A", "B", "LENGTH"},
     .summary = "decimal A minus B, up to 60000 digits (B must not be larger or have more digits)",
     .details = std::string("B with more digits than A fails whatever the values, leading zeros counted:\n"
                            "10 minus 005 fails (status -4), 010 minus 005 gives 5.\n") +
                kLength,
     .invoke = bind(&vek_Calc_SubstractDecToDec)},
    {.name = "Calc_LuhnKey",
     .params = {"NUMBER"},
     .summary = "the Luhn check digit that completes a card number",
     .details = "NUMBER is the card number without its check digit.",
     .invoke = bind(&vek_Calc_LuhnKey)},
}};

}  // namespace
}  // namespace vek::cli
