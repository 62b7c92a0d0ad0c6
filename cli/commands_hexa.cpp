// Hexadecimal strings in the vek command.
#include <cstdio>
#include <vector>

#include "cli/bytes_text.h"
#include "cli/command.h"

namespace vek::cli {
namespace {

using ToBytes = short(VEK_CALL*)(const char*, unsigned char*, int*);

// Text in, a byte block and its count out: the block is printed in hexadecimal,
// then the count.
std::function<Outcome(const std::vector<std::string>&, std::size_t)> to_bytes(ToBytes fn, std::size_t digitsPerByte) {
    return [fn, digitsPerByte](const std::vector<std::string>& args, std::size_t) {
        check_argument_count(args, 1);
        const std::string text = text_argument(args[0]);
        std::vector<unsigned char> bytes(text.size() / digitsPerByte + 2);
        int count = 0;
        Outcome o;
        o.result = fn(text.c_str(), bytes.data(), &count);
        o.status = vek_LastStatus();
        if (o.result != 0) {
            o.text = hexa_of(bytes.data(), static_cast<std::size_t>(count));
            o.number = count;
        }
        return o;
    };
}

void print_bytes(const Outcome& o) { std::printf("%s %d\n", o.text.value_or("").c_str(), o.number.value_or(0)); }

const Register kHexa{{
    {.name = "Conv_DecToHexa",
     .params = {"DEC", "LENGTH"},
     .summary = "a decimal number up to 2^64 - 1 in hexadecimal (LENGTH 0: natural length, else padded with 0)",
     .kind = Kind::Text,
     .details = "DEC: decimal digits; leading zeros do not count toward the 20 significant digits.\n"
                "LENGTH: 0 for the natural length, 1 to 60000 to pad on the left with '0'.",
     .invoke = bind(&vek_Conv_DecToHexa)},
    {.name = "Conv_CharToHexa",
     .params = {"TEXT"},
     .summary = "each character as two hexadecimal digits (AB gives 4142)",
     .kind = Kind::Text,
     .details = "TEXT: 1 to 30000 characters. TEXT - reads the characters from standard input as raw\n"
                "bytes (one final newline dropped; the text ends at a 0x00 byte, as the library reads\n"
                "NUL-terminated text), for bytes a shell argument cannot carry.",
     .invoke = bind(&vek_Conv_CharToHexa)},
    {.name = "Conv_BinToHexa",
     .params = {"BIN", "LENGTH"},
     .summary = "a binary number in hexadecimal (LENGTH 0: natural length, else padded with 0)",
     .kind = Kind::Text,
     .details = "BIN: 1 to 60000 characters '0' and '1'.\n"
                "LENGTH: 0 for the natural length, 1 to 60000 to pad on the left with '0'.",
     .invoke = bind(&vek_Conv_BinToHexa)},
    {.name = "Conv_ExtractBinFromHexa",
     .params = {"HEXA", "POSITION", "LENGTH"},
     .summary = "LENGTH bits of HEXA from bit POSITION on, as binary text",
     .kind = Kind::Text,
     .details = "POSITION counts from 1, the most significant bit of the first digit; LENGTH is the\n"
                "number of bits (at most 60000). A5 3 4 gives 1001.",
     .invoke = bind(&vek_Conv_ExtractBinFromHexa)},
    {.name = "Veri_IsHexa",
     .params = {"TEXT"},
     .summary = "whether TEXT is hexadecimal ('0'-'9', 'A'-'F', upper case only)",
     .kind = Kind::Predicate,
     .falseCode = -2,
     .details = "Prints true (exit 0) or false (exit 1).",
     .invoke = bind(&vek_Veri_IsHexa)},
    {.name = "Comp_HexaToHexa",
     .params = {"A", "B"},
     .summary = "compares two hexadecimal numbers: -1, 0 or 1",
     .kind = Kind::Compare,
     .details = "Leading zeros do not count: 00FF and FF are equal.",
     .invoke = bind(&vek_Comp_HexaToHexa)},
    {.name = "Comp_HexaToDec",
     .params = {"HEXA", "DEC"},
     .summary = "compares a hexadecimal number with a decimal one up to 2^64 - 1: -1, 0 or 1",
     .kind = Kind::Compare,
     .details = "FF and 255 are equal.",
     .invoke = bind(&vek_Comp_HexaToDec)},
    {.name = "Conv_HexaToArrayChar",
     .params = {"HEXA"},
     .summary = "the bytes that HEXA denotes (an odd last digit is a high half), with their count",
     .kind = Kind::Text,
     .details = "Prints the byte block in hexadecimal, two digits a byte, then a space and the byte\n"
                "count: vek Conv_HexaToArrayChar 0A1 prints \"0A10 2\". The trailing 0x00 byte that the\n"
                "function adds after the block is not printed.",
     .invoke = to_bytes(&vek_Conv_HexaToArrayChar, 2),
     .print = print_bytes},
    {.name = "Conv_BinToArrayChar",
     .params = {"BIN"},
     .summary = "the bytes of BIN read as one binary number, right-aligned, with their count",
     .kind = Kind::Text,
     .details = "Prints the byte block in hexadecimal, two digits a byte, then a space and the byte\n"
                "count: vek Conv_BinToArrayChar 101 prints \"05 1\"; 100000000 prints \"0100 2\". The\n"
                "trailing 0x00 byte that the function adds after the block is not printed.",
     .invoke = to_bytes(&vek_Conv_BinToArrayChar, 8),
     .print = print_bytes},
}};

}  // namespace
}  // namespace vek::cli
