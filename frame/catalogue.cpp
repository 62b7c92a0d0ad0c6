#include "frame/catalogue.h"

#include <array>

namespace vek::catalogue {
namespace {

constexpr Entry kEntries[] = {
    // Frame: vek_LastStatus and vek_Version leave no code.

    // Binary strings

    // Character strings

    // Decimal strings

    // Hexadecimal strings

    // Hexadecimal transforms

    // Hexadecimal arithmetic and logic

    // BER-TLV extraction

    // Character arrays

    // Random values

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
