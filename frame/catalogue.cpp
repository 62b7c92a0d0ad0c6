#include "frame/catalogue.h"

#include <array>

namespace vek::catalogue {
namespace {

constexpr Entry kEntries[] = {
    // Frame: vek_LastStatus and vek_Version leave no code.

    // Binary strings

    // Character strings
    {"vek_Conv_HexaToChar", -1, "the text is empty, longer than 60000 digits or not hexadecimal"},
    {"vek_Conv_HexaToChar", -2, "the text has an odd number of digits"},
    {"vek_Conv_HexaToChar", -3, "a byte of the result is 0x00, which a text cannot carry"},
    {"vek_Conv_BinToChar", -1, "the text is not binary"},
    {"vek_Conv_BinToChar", -2, "the text is empty or longer than 60000 bits"},
    {"vek_Conv_BinToChar", -3, "the number of bits is not a multiple of 8"},
    {"vek_Conv_BinToChar", -4, "a byte of the result is 0x00, which a text cannot carry"},
    {"vek_Tran_SwapCharInPairs", -1, "the text is empty or longer than 60000 characters"},
    {"vek_Tran_SwapCharInPairs", -2, "the text has an odd number of characters"},
    {"vek_Tran_SwapChar", -1, "the text is empty"},
    {"vek_Tran_SwapChar", -2, "the text is longer than 60000 characters"},

    // Decimal strings

    // Hexadecimal strings
    {"vek_Conv_DecToHexa", -1, "the text is empty or not decimal"},
    {"vek_Conv_DecToHexa", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_DecToHexa", -3, "the result length is shorter than the result"},
    {"vek_Conv_DecToHexa", -4, "the text is longer than 60000 digits or the value is above 2^64 - 1"},
    {"vek_Conv_CharToHexa", -1, "the text is empty"},
    {"vek_Conv_CharToHexa", -2, "the text is longer than 30000 characters"},
    {"vek_Conv_BinToHexa", -1, "the text is empty, longer than 60000 bits or not binary"},
    {"vek_Conv_BinToHexa", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_BinToHexa", -3, "the result length is shorter than the result"},
    {"vek_Conv_ExtractBinFromHexa", -1, "the text is empty, longer than 60000 digits or not hexadecimal, or more than 60000 bits are asked"},
    {"vek_Conv_ExtractBinFromHexa", -2, "the length is below 1 or above 240000"},
    {"vek_Conv_ExtractBinFromHexa", -3, "the position is below 1 or above 240000"},
    {"vek_Conv_ExtractBinFromHexa", -4, "the bits run past the end of the text"},
    {"vek_Conv_ExtractBinFromHexa", -5, "the position is past the last bit"},
    {"vek_Veri_IsHexa", -1, "the text is empty"},
    {"vek_Veri_IsHexa", -2, "the text is not hexadecimal"},
    {"vek_Veri_IsHexa", -3, "the text is longer than 60000 characters"},
    {"vek_Comp_HexaToHexa", -1, "the first text is empty, longer than 60000 digits or not hexadecimal"},
    {"vek_Comp_HexaToHexa", -2, "the second text is empty, longer than 60000 digits or not hexadecimal"},
    {"vek_Comp_HexaToDec", -1, "the hexadecimal text is empty, longer than 60000 digits or not hexadecimal"},
    {"vek_Comp_HexaToDec", -2, "the decimal text is empty, longer than 60000 digits or not decimal"},
    {"vek_Comp_HexaToDec", -3, "the decimal value is above 2^64 - 1"},
    {"vek_Conv_HexaToArrayChar", -1, "the text is empty"},
    {"vek_Conv_HexaToArrayChar", -2, "the text is not hexadecimal"},
    {"vek_Conv_HexaToArrayChar", -3, "the result would be more than 59999 bytes"},
    {"vek_Conv_BinToArrayChar", -1, "the text is empty"},
    {"vek_Conv_BinToArrayChar", -2, "the text is not binary"},
    {"vek_Conv_BinToArrayChar", -3, "the result would be more than 59999 bytes"},

    // Hexadecimal transforms

    // Hexadecimal arithmetic and logic

    // BER-TLV extraction

    // Character arrays
    {"vek_Conv_ArrayCharToHexa", -1, "the length is 0 or negative, or there are no bytes"},
    {"vek_Conv_ArrayCharToHexa", -2, "the length is above 30000 bytes"},
    {"vek_Conv_ArrayCharToBin", -1, "the length is 0 or negative, or there are no bytes"},
    {"vek_Conv_ArrayCharToBin", -2, "the length is above 7500 bytes"},

    // Random values

    // Triple-DES and image encryption

    // Image file header

    // Image files

    // DC9 files

    {"", 0, ""},  // end marker, never matched
};

}  // namespace

std::span<const Entry> entries() noexcept { return {kEntries, std::size(kEntries) - 1}; }

std::string_view message(std::string_view function, short code) noexcept {
    if (!function.starts_with("vek_")) {
        for (const Entry& e : entries())
            if (e.code == code && e.function.substr(4) == function) return e.message;
    } else {
        for (const Entry& e : entries())
            if (e.code == code && e.function == function) return e.message;
    }
    switch (code) {
        case 0: return "no failure";
        case -50: return "the output buffer is too small for the result";
        case -99: return "internal failure";
        default: return "";
    }
}

}  // namespace vek::catalogue
