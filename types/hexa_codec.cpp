#include "types/hexa_codec.h"

#include "types/C_StringType.h"

namespace vek::hexa {

// The typed strings' alphabet check, sixteen characters at a time.
bool valid(std::string_view text) noexcept { return C_StringType::InAlphabet(text, C_StringType::kHexadecimal); }

std::size_t decimalise(std::string_view text, char* out, std::size_t count) noexcept {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size() && n < count; ++i)
        if (text[i] <= '9') out[n++] = text[i];
    for (std::size_t i = 0; i < text.size() && n < count; ++i)
        if (text[i] >= 'A') out[n++] = static_cast<char>(text[i] - 'A' + '0');
    return n;
}

}  // namespace vek::hexa
