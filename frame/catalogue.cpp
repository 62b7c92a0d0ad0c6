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
    {"vek_Tran_ExtractTLV", -1, "a tag is not hexadecimal text"},
    {"vek_Tran_ExtractTLV", -2, "the data is not hexadecimal text"},
    {"vek_Tran_ExtractTLV", -3, "a tag is not 2 or 4 digits (tag 1), or not 0, 2 or 4 digits (tags 2 and 3), or is longer than 60000 characters"},
    {"vek_Tran_ExtractTLV", -4, "tag 1 is empty"},
    {"vek_Tran_ExtractTLV", -5, "the data is empty, or the element found has an empty value"},
    {"vek_Tran_ExtractTLV", -6, "the data is longer than 60000 digits"},
    {"vek_Tran_ExtractTLV", -7, "the tag path leads to no element of the data"},

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
