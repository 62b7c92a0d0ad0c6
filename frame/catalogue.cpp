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
