#include "types/tlv.h"

#include "types/hexa_codec.h"

#include <array>
#include <cstring>
#include <limits>

namespace vek::tlv {
namespace {

using vek::hexa::checked_value;

// A searched tag as bytes: kFound with its bytes, kNotFound for an unusable
// length, kInvalidText for a character that is not a digit.
int tag_bytes(std::string_view text, std::array<std::uint8_t, kMaxTagBytes>& bytes, std::size_t* count) noexcept {
    if (text.size() % 2 != 0 || text.size() > 2 * kMaxTagBytes) return kNotFound;
    if (!vek::hexa::valid(text)) return kInvalidText;
    std::size_t n = 0;
    HexToBytes(text, bytes.data(), bytes.size(), &n);
    *count = n;
    return kFound;
}

}  // namespace

int HexPairToByte(char high, char low, std::uint8_t* byte) noexcept {
    const int h = checked_value(high);
    const int l = checked_value(low);
    if (h < 0 || l < 0) return kInvalidText;
    *byte = static_cast<std::uint8_t>(h << 4 | l);
    return kFound;
}

int HexToBytes(std::string_view text, std::uint8_t* bytes, std::size_t capacity, std::size_t* count) noexcept {
    if (text.size() % 2 != 0 && checked_value(text.back()) < 0) return kInvalidText;
    const std::size_t n = text.size() / 2;
    if (n > capacity) return kInconsistent;
    if (!vek::hexa::to_bytes(text.substr(0, 2 * n), bytes)) return kInvalidText;
    *count = n;
    return kFound;
}

void BytesToHex(const std::uint8_t* bytes, std::size_t size, char* text) noexcept {
    vek::hexa::encode(bytes, size, text);
    text[2 * size] = '\0';
}

int ReadTag(const std::uint8_t* at, std::size_t remaining, std::size_t* tagBytes) noexcept {
    if (remaining == 0) return kNotFound;
    std::size_t n = 1;
    if ((at[0] & 0x1F) == 0x1F) {
        // Subsequent bytes while bit 8 is set; the first with bit 8 clear is the last.
        for (;;) {
            if (n >= remaining) return kNotFound;
            if ((at[n++] & 0x80) == 0) break;
        }
    }
    *tagBytes = n;
    return kFound;
}

int ReadLength(const std::uint8_t* at, std::size_t remaining, std::size_t* fieldBytes,
               std::size_t* valueLength) noexcept {
    if (remaining == 0) return kNotFound;
    const std::uint8_t first = at[0];
    if (first < 0x80) {
        *fieldBytes = 1;
        *valueLength = first;
        return kFound;
    }
    const std::size_t count = first & 0x7Fu;
    if (count > kMaxLengthBytes || count >= remaining) return kNotFound;
    std::uint64_t length = 0;
    for (std::size_t i = 1; i <= count; ++i) length = length << 8 | at[i];
    if (length >= kLengthLimit) return kNotFound;
    *fieldBytes = 1 + count;
    *valueLength = static_cast<std::size_t>(length);
    return kFound;
}

std::size_t WriteLength(std::size_t length, std::uint8_t field[1 + kMaxLengthBytes]) noexcept {
    if (length < 0x80) {
        field[0] = static_cast<std::uint8_t>(length);
        return 1;
    }
    std::size_t count = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8) ++count;
    field[0] = static_cast<std::uint8_t>(0x80 | count);
    for (std::size_t i = 0; i < count; ++i) field[1 + i] = static_cast<std::uint8_t>(length >> (8 * (count - 1 - i)));
    return 1 + count;
}

int ElementSize(std::size_t tagBytes, std::size_t fieldBytes, std::size_t valueLength, std::size_t* total) noexcept {
    constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
    if (tagBytes > kMax - fieldBytes || tagBytes + fieldBytes > kMax - valueLength) return kInconsistent;
    *total = tagBytes + fieldBytes + valueLength;
    return kFound;
}

int ReadElement(const std::uint8_t* region, std::size_t size, std::size_t at, Element* element) noexcept {
    Element e;
    e.offset = at;
    *element = e;
    if (ReadTag(region + at, size - at, &e.tagBytes) != kFound) return kNotFound;
    element->tagBytes = e.tagBytes;
    const std::size_t afterTag = at + e.tagBytes;
    if (ReadLength(region + afterTag, size - afterTag, &e.fieldBytes, &e.valueLength) != kFound) return kNotFound;
    *element = e;
    const std::size_t afterField = afterTag + e.fieldBytes;
    if (e.valueLength > size - afterField) return kNotFound;  // the value runs past the region
    return kFound;
}

int FindInList(const std::uint8_t* region, std::size_t size, const std::uint8_t* tag, std::size_t tagBytes,
               Element* element) noexcept {
    std::size_t at = 0;
    while (at < size) {
        Element e;
        if (ReadElement(region, size, at, &e) != kFound) return kNotFound;
        if (e.tagBytes == tagBytes && std::memcmp(region + at, tag, tagBytes) == 0) {
            *element = e;
            return kFound;
        }
        at = e.valueOffset() + e.valueLength;
    }
    return kNotFound;
}

int Walk(const std::uint8_t* data, std::size_t size, std::string_view tag1, std::string_view tag2,
         std::string_view tag3, std::size_t* valueOffset, std::size_t* valueLength) noexcept {
    // The tags in use: tag 1, then tag 2 if tag 1 is given, then tag 3 if tag 2 is.
    const std::string_view given[] = {tag1, tag2, tag3};
    std::size_t used = 0;
    while (used < 3 && !given[used].empty()) ++used;
    if (used == 0) return kNoTag;

    std::size_t regionOffset = 0;
    std::size_t regionSize = size;
    for (std::size_t level = 0; level < used; ++level) {
        std::array<std::uint8_t, kMaxTagBytes> tag{};
        std::size_t tagSize = 0;
        if (const int status = tag_bytes(given[level], tag, &tagSize); status != kFound) return status;
        Element e;
        if (const int status = FindInList(data + regionOffset, regionSize, tag.data(), tagSize, &e);
            status != kFound)
            return status;
        std::size_t total = 0;
        if (ElementSize(e.tagBytes, e.fieldBytes, e.valueLength, &total) != kFound) return kInconsistent;
        // The value becomes the next region, or the result after the last tag.
        regionOffset += e.valueOffset();
        regionSize = e.valueLength;
    }
    *valueOffset = regionOffset;
    *valueLength = regionSize;
    return kFound;
}

int Extract(std::string_view data, std::string_view tag1, std::string_view tag2, std::string_view tag3, char* out,
            std::size_t outCapacity, std::size_t* digits) noexcept {
    if (tag1.empty()) return kNoTag;
    // The work area: the data's bytes. Left uninitialised on purpose: HexToBytes
    // fills its first `size` bytes and only those are read.
    std::array<std::uint8_t, kWorkAreaBytes> area;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::size_t size = 0;
    if (const int status = HexToBytes(data, area.data(), area.size(), &size); status != kFound) return status;
    std::size_t offset = 0;
    std::size_t length = 0;
    if (const int status = Walk(area.data(), size, tag1, tag2, tag3, &offset, &length); status != kFound)
        return status;
    if (outCapacity == 0 || length > (outCapacity - 1) / 2) return kInconsistent;
    BytesToHex(area.data() + offset, length, out);
    *digits = 2 * length;
    return kFound;
}

}  // namespace vek::tlv
