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
     .summary = "a decimal number up to 2^64 - 1 in hexadecimal (resultLength 0: natural length, else padded with 0)",
     .details = "dec: decimal digits; leading zeros do not count toward the 20 significant digits.\n"
                "resultLength: 0 for the natural length, 1 to 60000 to pad on the left with '0'."},
    {.name = "Conv_CharToHexa",
     .summary = "each character as two hexadecimal digits (AB gives 4142)",
     .details = "text: 1 to 30000 characters. text - reads the characters from standard input as raw\n"
                "bytes (one final newline dropped; the text ends at a 0x00 byte, as the library reads\n"
                "NUL-terminated text), for bytes a shell argument cannot carry."},
    {.name = "Conv_BinToHexa",
     .summary = "a binary number in hexadecimal (resultLength 0: natural length, else padded with 0)",
     .details = "bin: 1 to 60000 characters '0' and '1'.\n"
                "resultLength: 0 for the natural length, 1 to 60000 to pad on the left with '0'."},
    {.name = "Conv_ExtractBinFromHexa",
     .summary = "length bits of hexa from bit position on, as binary text",
     .details = "position counts from 1, the most significant bit of the first digit; length is the\n"
                "number of bits (at most 60000). A5 3 4 gives 1001."},
    {.name = "Veri_IsHexa",
     .summary = "whether text is hexadecimal ('0'-'9', 'A'-'F', upper case only)",
     .details = "Prints true (exit 0) or false (exit 1)."},
    {.name = "Comp_HexaToHexa",
     .summary = "compares two hexadecimal numbers: -1, 0 or 1",
     .details = "Leading zeros do not count: 00FF and FF are equal."},
    {.name = "Comp_HexaToDec",
     .summary = "compares a hexadecimal number with a decimal one up to 2^64 - 1: -1, 0 or 1",
     .details = "FF and 255 are equal."},
    {.name = "Conv_HexaToArrayChar",
     .summary = "the bytes that hexa denotes (an odd last digit is a high half), with their count",
     .details = "Prints the byte block in hexadecimal, two digits a byte, then a space and the byte\n"
                "count: vek Conv_HexaToArrayChar 0A1 prints \"0A10 2\". The trailing 0x00 byte that the\n"
                "function adds after the block is not printed.",
     .invoke = to_bytes(&vek_Conv_HexaToArrayChar, 2),
     .print = print_bytes},
    {.name = "Conv_BinToArrayChar",
     .summary = "the bytes of bin read as one binary number, right-aligned, with their count",
     .details = "Prints the byte block in hexadecimal, two digits a byte, then a space and the byte\n"
                "count: vek Conv_BinToArrayChar 101 prints \"05 1\"; 100000000 prints \"0100 2\". The\n"
                "trailing 0x00 byte that the function adds after the block is not printed.",
     .invoke = to_bytes(&vek_Conv_BinToArrayChar, 8),
     .print = print_bytes},
}};

}  // namespace
}  // namespace vek::cli
