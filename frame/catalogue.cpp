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
    {"vek_Calc_SubstractDecToDec", -4, "the second number has more digits than the first (leading zeros count) or is larger: the result would be negative"},
    {"vek_Calc_SubstractDecToDec", -5, "the result length is shorter than the result"},
    {"vek_Calc_LuhnKey", -1, "the card number is empty, not decimal or longer than 60000 characters"},

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
    {"vek_Tran_SwapHexa", -1, "the text is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Tran_SwapHexa", -2, "the text has an odd number of digits"},
    {"vek_Tran_SwapHexaByte", -1, "the text is not hexadecimal or is empty"},
    {"vek_Tran_SwapHexaByte", -2, "the text is not exactly two digits long"},
    {"vek_Tran_SwapBitInHexa", -1, "the text is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Tran_IncreaseHexa", -1, "the text is not hexadecimal or is empty"},
    {"vek_Tran_IncreaseHexa", -2, "the result length is below 0 or above 60000"},
    {"vek_Tran_IncreaseHexa", -3, "the text is longer than 60000 characters"},
    {"vek_Tran_IncreaseHexa", -4, "the result length is shorter than the result"},
    {"vek_Tran_IncreaseHexa", -5, "the result would be longer than 60000 digits"},
    {"vek_Tran_DecreaseHexa", -1, "the text is not hexadecimal or is empty"},
    {"vek_Tran_DecreaseHexa", -2, "the result length is below 0 or above 60000"},
    {"vek_Tran_DecreaseHexa", -3, "the text is longer than 60000 characters"},
    {"vek_Tran_DecreaseHexa", -4, "the result length is shorter than the result"},
    {"vek_Tran_DecreaseHexa", -5, "the value is zero: the result would be negative"},
    {"vek_Tran_SetBinInHexa", -1, "the bits are not binary or are empty"},
    {"vek_Tran_SetBinInHexa", -2, "the position is below 1, above 240000 or beyond the last bit"},
    {"vek_Tran_SetBinInHexa", -3, "the target is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Tran_SetBinInHexa", -4, "the bits are longer than 60000 characters"},
    {"vek_Tran_SetBinInHexa", -5, "the bits run past the end of the target"},
    {"vek_Tran_ShiftBitLeft", -1, "the text is not hexadecimal"},
    {"vek_Tran_ShiftBitLeft", -2, "the text is empty"},
    {"vek_Tran_ShiftBitLeft", -3, "the text is longer than 60000 characters"},
    {"vek_Tran_ShiftBitRight", -1, "the text is not hexadecimal"},
    {"vek_Tran_ShiftBitRight", -2, "the text is empty"},
    {"vek_Tran_ShiftBitRight", -3, "the text is longer than 60000 characters"},

    // Hexadecimal arithmetic and logic
    {"vek_Calc_AddHexaToHexa", -1, "the first number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_AddHexaToHexa", -2, "the second number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_AddHexaToHexa", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_AddHexaToHexa", -4, "the result length is shorter than the sum"},
    {"vek_Calc_AddHexaToHexa", -5, "the sum would be longer than 60000 digits"},
    {"vek_Calc_SubstractHexaToHexa", -1, "the first number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_SubstractHexaToHexa", -2, "the second number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_SubstractHexaToHexa", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_SubstractHexaToHexa", -4, "the result length is shorter than the difference"},
    {"vek_Calc_SubstractHexaToHexa", -5, "the second number has more digits than the first (leading zeros count) or is greater: the result would be negative"},
    {"vek_Calc_AddDecToHexa", -1, "the decimal number is not decimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_AddDecToHexa", -2, "the hexadecimal number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_AddDecToHexa", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_AddDecToHexa", -4, "the result length is shorter than the sum"},
    {"vek_Calc_AddDecToHexa", -5, "the decimal number is above 18446744073709551615"},
    {"vek_Calc_AddDecToHexa", -6, "the sum would be longer than 60000 digits"},
    {"vek_Calc_SubstractDecToHexa", -1, "the decimal number is not decimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_SubstractDecToHexa", -2, "the hexadecimal number is not hexadecimal, is empty or is longer than 60000 characters"},
    {"vek_Calc_SubstractDecToHexa", -3, "the result length is below 0 or above 60000"},
    {"vek_Calc_SubstractDecToHexa", -4, "the result length is shorter than the difference"},
    {"vek_Calc_SubstractDecToHexa", -5, "the decimal number is above 18446744073709551615"},
    {"vek_Calc_SubstractDecToHexa", -6, "the decimal number, in hexadecimal, has more digits than the hexadecimal number (whose leading zeros count) or is greater: the result would be negative"},
    {"vek_Calc_XorHexa", -1, "the first text is not hexadecimal or is empty"},
    {"vek_Calc_XorHexa", -2, "the second text is not hexadecimal or is empty"},
    {"vek_Calc_XorHexa", -3, "the two texts differ in length"},
    {"vek_Calc_XorHexa", -4, "the first text has an odd number of digits"},
    {"vek_Calc_XorHexa", -5, "a text is longer than 60000 characters"},
    {"vek_Calc_XorHexa", -6, "the result length is below 0 or above 60000"},
    {"vek_Calc_XorHexa", -7, "the result length is shorter than the result"},
    {"vek_Calc_AndHexa", -1, "the first text is not hexadecimal or is empty"},
    {"vek_Calc_AndHexa", -2, "the second text is not hexadecimal or is empty"},
    {"vek_Calc_AndHexa", -3, "the two texts differ in length"},
    {"vek_Calc_AndHexa", -4, "the first text has an odd number of digits"},
    {"vek_Calc_AndHexa", -5, "a text is longer than 60000 characters"},
    {"vek_Calc_AndHexa", -6, "the result length is below 0 or above 60000"},
    {"vek_Calc_AndHexa", -7, "the result length is shorter than the result"},
    {"vek_Calc_OrHexa", -1, "the first text is not hexadecimal or is empty"},
    {"vek_Calc_OrHexa", -2, "the second text is not hexadecimal or is empty"},
    {"vek_Calc_OrHexa", -3, "the two texts differ in length"},
    {"vek_Calc_OrHexa", -4, "the first text has an odd number of digits"},
    {"vek_Calc_OrHexa", -5, "a text is longer than 60000 characters"},
    {"vek_Calc_OrHexa", -6, "the result length is below 0 or above 60000"},
    {"vek_Calc_OrHexa", -7, "the result length is shorter than the result"},
    {"vek_Calc_ComplementHexa", -1, "the text is not hexadecimal or is empty"},
    {"vek_Calc_ComplementHexa", -2, "the result length is below 0 or above 60000"},
    {"vek_Calc_ComplementHexa", -3, "the text is longer than 60000 characters"},
    {"vek_Calc_ComplementHexa", -4, "the result length is shorter than the result"},
    {"vek_Calc_ChecksumHexa", -1, "the text is not hexadecimal"},
    {"vek_Calc_ChecksumHexa", -2, "the text is empty or longer than 60000 characters"},
    {"vek_Calc_ChecksumHexa", -3, "the block length is below 1 or above 30000"},
    {"vek_Calc_ChecksumHexa", -4, "the text length is not a multiple of the block length"},
    {"vek_Calc_CountBits", -1, "the text is not hexadecimal, is empty or is longer than 60000 characters"},

    // BER-TLV extraction
    {"vek_Tran_ExtractTLV", -1, "a tag is not hexadecimal text"},
    {"vek_Tran_ExtractTLV", -2, "the data is not hexadecimal text"},
    {"vek_Tran_ExtractTLV", -3, "a tag is not 2 or 4 digits (tag 1), or not 0, 2 or 4 digits (tags 2 and 3), or is longer than 60000 characters"},
    {"vek_Tran_ExtractTLV", -4, "tag 1 is empty"},
    {"vek_Tran_ExtractTLV", -5, "the data is empty, or the element found has an empty value"},
    {"vek_Tran_ExtractTLV", -6, "the data is longer than 60000 digits"},
    {"vek_Tran_ExtractTLV", -7, "the tag path leads to no element of the data"},

    // Character arrays
    {"vek_Conv_ArrayCharToHexa", -1, "the length is 0 or negative, or there are no bytes"},
    {"vek_Conv_ArrayCharToHexa", -2, "the length is above 30000 bytes"},
    {"vek_Conv_ArrayCharToBin", -1, "the length is 0 or negative, or there are no bytes"},
    {"vek_Conv_ArrayCharToBin", -2, "the length is above 7500 bytes"},

    // Random values
    {"vek_Calc_RndByMinMax", -1, "the length is below 1 or above 60000"},
    {"vek_Calc_RndByMinMax", -2, "the minimum or the maximum is outside the bounds of its type"},
    {"vek_Calc_RndByMinMax", -3, "the length is odd for type HEXA2"},
    {"vek_Calc_RndByMinMax", -4, "the minimum is not below the maximum"},
    {"vek_Calc_RndByMinMax", -5, "the type is missing or not one of BIN, DEC, HEXA, HEXA2, CHAR"},
    {"vek_Calc_RndByMinMax", -6, "a bound is not 2 characters for HEXA2, or longer than 1 character for another type"},
    {"vek_Calc_RndByMinMax", -7, "the minimum and the maximum have different lengths"},

    // Triple-DES and image encryption
    {"vek_Calc_TripleDES", -1, "the key holds a character other than 0-9, A-F"},
    {"vek_Calc_TripleDES", -2, "the key is empty or not exactly 32 hexadecimal digits"},
    {"vek_Calc_TripleDES", -3, "the data holds a character other than 0-9, A-F"},
    {"vek_Calc_TripleDES", -4, "the data is not exactly 16 hexadecimal digits"},
    {"vek_Calc_TripleDES", -5, "the mode is neither 1 (encrypt) nor 0 (decrypt)"},
    {"vek_Tran_DecryptOrEncryptImage", -1, "the key is empty or not exactly 16 hexadecimal digits"},
    {"vek_Tran_DecryptOrEncryptImage", -2, "the key holds a character other than 0-9, A-F"},
    {"vek_Tran_DecryptOrEncryptImage", -3, "the image is empty or holds a character other than 0-9, A-F"},
    {"vek_Tran_DecryptOrEncryptImage", -4, "the mode is neither 1 (encrypt) nor 0 (decrypt)"},
    {"vek_Tran_DecryptOrEncryptImage", -5, "the image length is not a multiple of 16 digits"},
    {"vek_Tran_DecryptOrEncryptImage", -6, "the image is longer than 60000 characters"},
    {"vek_Tran_InitDES", -1, "the key is empty"},
    {"vek_Tran_InitDES", -2, "the mode is neither 1 nor 0"},
    {"vek_Tran_InitDES", -4, "the key is not exactly 16 digits"},
    {"vek_Tran_CalDES_Fast", -1, "the image holds a character other than 0-9, A-F"},
    {"vek_Tran_CalDES_Fast", -2, "the image is empty"},
    {"vek_Tran_CalDES_Fast", -3, "the image is longer than 60000 characters"},
    {"vek_Tran_CalDES_Fast", -4, "the mode is neither 1 (encrypt) nor 0 (decrypt)"},
    {"vek_Tran_CalDES_Fast", -5, "the image length is not a multiple of 16 digits"},

    // Image file header
    {"vek_Tran_SetFieldInImageFileHeader", -1, "the header text does not parse"},
    {"vek_Tran_SetFieldInImageFileHeader", -2, "the name holds a space or '/', or the value holds '/'"},
    {"vek_Tran_SetFieldInImageFileHeader", -3, "the name or the value is empty"},
    {"vek_Tran_GetFieldInImageFileHeader", -1, "the header text does not parse"},
    {"vek_Tran_GetFieldInImageFileHeader", -2, "the name holds a space or '/'"},
    {"vek_Tran_GetFieldInImageFileHeader", -3, "the header has no field of that name"},
    {"vek_Tran_GetFieldInImageFileHeader", -4, "the name is empty"},
    {"vek_Tran_RemoveFieldInImageFileHeader", -1, "the header text does not parse"},
    {"vek_Tran_RemoveFieldInImageFileHeader", -2, "the name holds a space or '/'"},
    {"vek_Tran_RemoveFieldInImageFileHeader", -3, "the header has no field of that name"},
    {"vek_Tran_RemoveFieldInImageFileHeader", -4, "the name is empty"},

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
