// Fuzzes the data-preparation builders and the PIN block reader, on the
// classes. The first input byte chooses the way; the rest is split at the first
// '|' into two texts passed as they are (any bytes):
//
//   0 mod 3  BER-TLV element of tag | value: when built, its bytes read back
//            through the TLV engine as exactly one element with that tag and
//            value; when refused, the tag or the value was indeed bad.
//   1 mod 3  data grouping of dgi | value: the DGI, the length in its short
//            or long form, the value, nothing more.
//   2 mod 3  PIN block reader, format from the second byte, block | PAN: a PIN
//            read back has 4 to 12 decimal digits, and the block that PIN
//            builds (format 0 rebuilt exactly, formats 1 and 3 read again)
//            holds it.
//
// Every text handed over has exactly its own size, so a read past its end is
// an AddressSanitizer report. Results that break the contract abort.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "crypto/C_PINBlock.h"
#include "types/C_DGI.h"
#include "types/C_TLVElement.h"
#include "types/tlv.h"

namespace {

namespace tlv = vek::tlv;

void check(bool ok) {
    if (!ok) std::abort();
}

bool is_hexa(std::string_view text) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool is_decimal(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::vector<std::uint8_t> bytes_of(std::string_view hex) {
    std::vector<std::uint8_t> out(hex.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>(std::stoul(std::string(hex.substr(2 * i, 2)), nullptr, 16));
    return out;
}

bool good_value(std::string_view value) { return value.size() % 2 == 0 && value.size() <= 60000 && is_hexa(value); }

void tlv_element(const std::string& tag, const std::string& value) {
    std::string built;
    try {
        built = C_TLVElement(tag, value).GetValue();
    } catch (const C_TLVElement::xInvalidTag&) {
        std::size_t n = 0;
        const bool wellFormed = !tag.empty() && tag.size() % 2 == 0 && tag.size() <= 8 && is_hexa(tag) &&
                                tlv::ReadTag(bytes_of(tag).data(), tag.size() / 2, &n) == tlv::kFound &&
                                n == tag.size() / 2;
        check(!wellFormed);
        return;
    } catch (const C_TLVElement::xInvalidValue&) {
        check(!good_value(value));
        return;
    }
    check(good_value(value) && is_hexa(built) && built.size() % 2 == 0);
    const std::vector<std::uint8_t> bytes = bytes_of(built);
    tlv::Element e;
    check(tlv::ReadElement(bytes.data(), bytes.size(), 0, &e) == tlv::kFound);
    check(e.tagBytes * 2 == tag.size() && built.compare(0, tag.size(), tag) == 0);
    check(e.valueLength * 2 == value.size() && e.valueOffset() + e.valueLength == bytes.size());
    check(built.compare(2 * e.valueOffset(), std::string::npos, value) == 0);
    // The shortest form: a long form only from 128 bytes on, without a leading zero byte.
    const std::uint8_t first = bytes[e.tagBytes];
    check((first < 0x80) == (e.valueLength < 0x80));
    if (first >= 0x80) check(bytes[e.tagBytes + 1] != 0);
}

void dgi(const std::string& id, const std::string& value) {
    std::string built;
    try {
        built = C_DGI(id, value).GetValue();
    } catch (const C_DGI::xInvalidDGI&) {
        check(id.size() != 4 || !is_hexa(id));
        return;
    } catch (const C_DGI::xInvalidValue&) {
        check(!good_value(value));
        return;
    }
    check(id.size() == 4 && is_hexa(id) && good_value(value));
    const std::size_t bytes = value.size() / 2;
    const std::string length = built.substr(4, bytes < 255 ? 2 : 6);
    check(std::stoul(bytes < 255 ? length : length.substr(2), nullptr, 16) == bytes);
    check(bytes < 255 || length.compare(0, 2, "FF") == 0);
    check(built == id + length + value);
}

void pin_block(int format, const std::string& block, const std::string& pan) {
    std::string pin;
    try {
        pin = C_PINBlock::GetPIN(format, block, pan);
    } catch (const C_PINBlock::xWrongFormat&) {
        check(format != 0 && format != 1 && format != 3);
        return;
    } catch (const C_PINBlock::xInvalidBlock&) {
        check(block.size() != 16 || !is_hexa(block));
        return;
    } catch (const C_PINBlock::xInvalidPAN&) {
        check(format != 1 && (pan.size() < 13 || pan.size() > 19 || !is_decimal(pan)));
        return;
    } catch (const C_PINBlock::xMalformedBlock&) {
        return;
    }
    check(pin.size() >= 4 && pin.size() <= 12 && is_decimal(pin));
    const C_PINBlock rebuilt(format, pin, pan);
    if (format == 0) check(rebuilt.GetValue() == block);
    check(C_PINBlock::GetPIN(format, std::string(rebuilt.GetValue()), pan) == pin);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int way = data[0] % 3;
    const int format = static_cast<int>(data[1] % 5) - 1;  // -1 to 3
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t bar = rest.find('|');
    const std::string first = rest.substr(0, bar);
    const std::string second = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
    if (way == 0) tlv_element(first, second);
    else if (way == 1) dgi(first, second);
    else pin_block(format, first, second);
    return 0;
}
