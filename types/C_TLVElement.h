#pragma once
// One BER-TLV element built from its tag and its value: the tag as given, the
// length in its shortest definite form (types/tlv.h, WriteLength: 1 byte below
// 128, then 81 xx, 82 xx yy, 83 xx yy zz) and the value, all as upper-case
// hexadecimal text. What it builds reads back through the TLV extraction
// (C_StringHexa::ExtractTLV) for the tags that accepts.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

class C_TLVElement final {
public:
    class xInvalidTag final {};    // not a well-formed BER tag of 1 to 4 bytes
    class xInvalidValue final {};  // not upper-case hexadecimal, an odd number of digits, or over 60000 digits

    // The longest tag, in bytes.
    static constexpr std::size_t kMaxTagBytes = 4;

    // Checks, in this order: the tag (xInvalidTag): 2 to 8 hexadecimal digits
    // whose bytes form exactly one BER tag, that is a first byte with its low
    // five bits not all set and no more bytes, or a first byte with them all set
    // followed by bytes with bit 8 set except the last; then the value
    // (xInvalidValue), which may be empty.
    C_TLVElement(std::string_view tag, std::string_view value);

    const std::string& GetValue() const noexcept { return m_value; }
    std::string Release() noexcept { return std::move(m_value); }

private:
    std::string m_value;
};
