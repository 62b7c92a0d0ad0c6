#pragma once
// One data grouping (DGI) as the EMV card personalization format writes it:
// the 2-byte DGI, the length of its value in one byte (0 to 254) or FF followed
// by two bytes (255 to 65535), and the value, all as upper-case hexadecimal
// text.

#include <string>
#include <string_view>
#include <utility>

class C_DGI final {
public:
    class xInvalidDGI final {};    // not 4 upper-case hexadecimal digits
    class xInvalidValue final {};  // not upper-case hexadecimal, an odd number of digits, or over 60000 digits

    // Checks, in this order: the DGI (xInvalidDGI), then the value
    // (xInvalidValue), which may be empty.
    C_DGI(std::string_view dgi, std::string_view value);

    const std::string& GetValue() const noexcept { return m_value; }
    std::string Release() noexcept { return std::move(m_value); }

private:
    std::string m_value;
};
