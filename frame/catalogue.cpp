#include "frame/catalogue.h"

#include <array>

namespace vek::catalogue {
namespace {

constexpr Entry kEntries[] = {
    // Frame: vek_LastStatus and vek_Version leave no code.

    // Binary strings
    {"vek_Conv_DecToBin", -1, "the decimal text is empty or holds a character other than 0-9"},
    {"vek_Conv_DecToBin", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_DecToBin", -3, "the result length is shorter than the result"},
    {"vek_Conv_DecToBin", -4, "the text is longer than 60000 characters or the number is above 2^64 - 1"},
    {"vek_Conv_HexaToBin", -1, "the hexadecimal text is empty or holds a character other than 0-9, A-F"},
    {"vek_Conv_HexaToBin", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_HexaToBin", -3, "the text is longer than 60000 characters"},
    {"vek_Conv_HexaToBin", -4, "the result length is shorter than the result"},
    {"vek_Conv_HexaToBin", -5, "the number has more than 15000 significant digits"},
    {"vek_Conv_CharToBin", -1, "the text is empty or longer than 7500 characters"},
    {"vek_Veri_IsBin", -1, "the text is empty"},
    {"vek_Veri_IsBin", -2, "the text is longer than 60000 characters"},
    {"vek_Veri_IsBin", -3, "the text is not binary"},
    {"vek_Tran_SetBinInBin", -1, "the piece holds a character other than 0 and 1"},
    {"vek_Tran_SetBinInBin", -2, "the piece is empty or longer than 60000 characters"},
    {"vek_Tran_SetBinInBin", -3, "the position is below 1 or above 60000"},
    {"vek_Tran_SetBinInBin", -4, "the position is past the end of the target"},
    {"vek_Tran_SetBinInBin", -5, "the target holds a character other than 0 and 1"},
    {"vek_Tran_SetBinInBin", -6, "the target is empty or longer than 60000 characters"},
    {"vek_Tran_SetBinInBin", -7, "the piece runs past the end of the target"},
    {"vek_Tran_GetBinInBin", -1, "the text holds a character other than 0 and 1"},
    {"vek_Tran_GetBinInBin", -2, "the text is empty or longer than 60000 characters"},
    {"vek_Tran_GetBinInBin", -3, "the position is below 1 or above 60000"},
    {"vek_Tran_GetBinInBin", -4, "the position is past the end of the text"},
    {"vek_Tran_GetBinInBin", -5, "the length is below 1 or above 60000"},
    {"vek_Tran_GetBinInBin", -6, "the bits asked for run past the end of the text"},
    {"vek_Tran_ReverseBin", -1, "the text holds a character other than 0 and 1"},
    {"vek_Tran_ReverseBin", -2, "the text is empty or longer than 60000 characters"},
    {"vek_Calc_ORBinary", -1, "a text or the output is a null pointer"},
    {"vek_Calc_ORBinary", -2, "the two texts differ in length"},
    {"vek_Calc_ANDBinary", -1, "a text or the output is a null pointer"},
    {"vek_Calc_ANDBinary", -2, "the two texts differ in length"},
    {"vek_Calc_XORBinary", -1, "a text or the output is a null pointer"},
    {"vek_Calc_XORBinary", -2, "the two texts differ in length"},

    // Character strings

    // Decimal strings
    {"vek_Conv_HexaToDec", -1, "the hexadecimal text is empty or holds a character other than 0-9, A-F"},
    {"vek_Conv_HexaToDec", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_HexaToDec", -3, "the result length is shorter than the result"},
    {"vek_Conv_HexaToDec", -4, "the text is longer than 60000 characters or has more than 16 significant digits"},
    {"vek_Conv_BinToDec", -1, "the text holds a character other than 0 and 1"},
    {"vek_Conv_BinToDec", -2, "the result length is below 0 or above 60000"},
    {"vek_Conv_BinToDec", -3, "the result length is shorter than the result"},
    {"vek_Conv_BinToDec", -4, "the number has more than 64 significant bits"},
    {"vek_Conv_BinToDec", -5, "the text is empty or longer than 60000 characters"},
    {"vek_Veri_IsDec", -1, "the text is empty"},
    {"vek_Veri_IsDec", -2, "the text is not decimal"},
    {"vek_Veri_IsDec", -3, "the text is longer than 60000 characters"},
    {"vek_Comp_DecToDec", -1, "the first number is empty, not decimal or longer than 60000 characters"},
    {"vek_Comp_DecToDec", -2, "the second number is empty, not decimal or longer than 60000 characters"},
    {"vek_Tran_IncreaseDec", -1, "the decimal text is empty or holds a character other than 0-9"},
    {"vek_Tran_IncreaseDec", -2, "the result length is below 0 or above 60000"},
    {"vek_Tran_IncreaseDec", -3, "the text is longer than 60000 characters"},
    {"vek_Tran_IncreaseDec", -4, "the result length is shorter than the result"},
    {"vek_Tran_IncreaseDec", -5, "the result would need more than 60000 digits"},
    {"vek_Tran_DecreaseDec", -1, "the decimal text is empty, not decimal or longer than 60000 characters"},
    {"vek_Tran_DecreaseDec", -2, "the result length is below 0 or above 60000"},
    {"vek_Tran_DecreaseDec", -3, "the result length is shorter than the result"},
    {"vek_Tran_DecreaseDec", -4, "the number is zero: the result would be negative"},
    {"vek_Calc_AddDecToDec", -1, "the first number is empty, not decimal or longer than 60000 characters"},
    {"vek_Calc_AddDecToDec", -2, "the second number is empty, not decimal or longer than 60000 characters"},
    {"vek_Calc_AddDecToDec", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_AddDecToDec", -4, "the result length is shorter than the result"},
    {"vek_Calc_AddDecToDec", -5, "the sum would need more than 60000 digits"},
    {"vek_Calc_SubstractDecToDec", -1, "the first number is empty, not decimal or longer than 60000 characters"},
    {"vek_Calc_SubstractDecToDec", -2, "the second number is empty, not decimal or longer than 60000 characters"},
    {"vek_Calc_SubstractDecToDec", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_SubstractDecToDec", -4, "the second number is larger than the first: the result would be negative"},
    {"vek_Calc_SubstractDecToDec", -5, "the result length is shorter than the result"},
    {"vek_Calc_LuhnKey", -1, "the card number is empty, not decimal or longer than 60000 characters"},

    // Hexadecimal strings

    // Hexadecimal transforms

    // Hexadecimal arithmetic and logic

    // BER-TLV extraction

    // Character arrays

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
