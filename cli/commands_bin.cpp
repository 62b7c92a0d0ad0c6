// The binary-string functions in the vek command.
#include <algorithm>

#include "cli/command.h"

namespace vek::cli {
namespace {

// The raw bitwise functions take no output size: the buffer is made as long as
// the longer text plus its NUL.
std::function<Outcome(const std::vector<std::string>&, std::size_t)> raw(short(VEK_CALL* fn)(const char*, const char*,
                                                                                            char*)) {
    return [fn](const std::vector<std::string>& args, std::size_t) {
        check_argument_count(args, 2);
        const std::string a = text_argument(args[0]);
        const std::string b = text_argument(args[1]);
        std::string buffer(std::max(a.size(), b.size()) + 1, '\0');
        Outcome o;
        o.result = fn(a.c_str(), b.c_str(), buffer.data());
        o.status = vek_LastStatus();
        o.text = std::string(buffer.c_str());
        return o;
    };
}

const char* const kRawDetails =
    "Character by character: '1' is a 1 bit, any other character a 0 bit (the texts\n"
    "are not checked). The two texts must have the same length.";

const Register kBin{{
    {.name = "Conv_DecToBin",
     .params = {"DEC", "LENGTH"},
     .summary = "the bits of a decimal number up to 2^64 - 1",
     .details = "LENGTH 0 gives the bits without leading zeros; 1 to 60000 pads with 0 on the left.",
     .invoke = bind(&vek_Conv_DecToBin)},
    {.name = "Conv_HexaToBin",
     .params = {"HEXA", "LENGTH"},
     .summary = "the bits of a hexadecimal number (up to 15000 significant digits)",
     .details = "Upper-case digits only. LENGTH 0 gives the bits without leading zeros;\n"
                "1 to 60000 pads with 0 on the left.",
     .invoke = bind(&vek_Conv_HexaToBin)},
    {.name = "Conv_CharToBin",
     .params = {"TEXT"},
     .summary = "the 8 bits of every character of a text (up to 7500 characters)",
     .invoke = bind(&vek_Conv_CharToBin)},
    {.name = "Veri_IsBin",
     .params = {"TEXT"},
     .summary = "whether a text is binary (1 to 60000 characters 0 and 1)",
     .kind = Kind::Predicate,
     .falseCode = -3,
     .invoke = bind(&vek_Veri_IsBin)},
    {.name = "Tran_SetBinInBin",
     .params = {"TARGET", "POSITION", "PIECE"},
     .summary = "overwrites the bits of TARGET from POSITION (from 1) with PIECE",
     .details = "The result keeps the target's length; PIECE must end within TARGET.",
     .invoke = bind(&vek_Tran_SetBinInBin)},
    {.name = "Tran_GetBinInBin",
     .params = {"BIN", "POSITION", "LENGTH"},
     .summary = "LENGTH bits of BIN from POSITION (from 1) on",
     .invoke = bind(&vek_Tran_GetBinInBin)},
    {.name = "Tran_ReverseBin",
     .params = {"BIN"},
     .summary = "the bits of BIN in reverse order",
     .invoke = bind(&vek_Tran_ReverseBin)},
    {.name = "Calc_ORBinary",
     .params = {"A", "B"},
     .summary = "bitwise OR of two texts of equal length",
     .details = kRawDetails,
     .invoke = raw(&vek_Calc_ORBinary)},
    {.name = "Calc_ANDBinary",
     .params = {"A", "B"},
     .summary = "bitwise AND of two texts of equal length",
     .details = kRawDetails,
     .invoke = raw(&vek_Calc_ANDBinary)},
    {.name = "Calc_XORBinary",
     .params = {"A", "B"},
     .summary = "bitwise XOR of two texts of equal length",
     .details = kRawDetails,
     .invoke = raw(&vek_Calc_XORBinary)},
}};

}  // namespace
}  // namespace vek::cli
