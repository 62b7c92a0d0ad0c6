#pragma once
// The BER-TLV engine: plain functions on byte arrays that read tags and
// lengths, search one level of a list of elements and walk a path of up to
// three tags. Each function returns a small status number (below) instead of
// throwing; C_StringHexa::ExtractTLV turns a non-zero status into an exception.
//
// Encoding read (BER-TLV as used on smart cards):
//  - Tag: one byte, unless its low five bits are all 1; then the following
//    bytes belong to the tag while their bit 8 is set, and the first following
//    byte with bit 8 clear is its last byte (9F 36 is the tag 9F36).
//  - Length: a first byte below 80 is the length itself. Otherwise its low
//    seven bits count the length bytes that follow, big-endian (81 xx, 82 xx yy,
//    and 80 alone is 0). More than four length bytes, or a length of 2^31 or
//    more, is not accepted. There is no indefinite length.
//  - Value: the next `length` bytes.
//
// Every element must lie wholly inside its region (the data, or the value of
// the enclosing element on the path); one that does not ends the search as
// "not found". Filler bytes (00, FF) between elements are not skipped: every
// byte at an element boundary starts a tag. No function reads outside the
// bytes or the text it is given.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vek::tlv {

// Status numbers.
inline constexpr int kFound = 0;
inline constexpr int kNotFound = 2;      // no element on the path, or one that runs past its region
inline constexpr int kInconsistent = 3;  // sizes that do not add up (an element's size overflows,
                                         // data larger than the work area, a result area too small)
inline constexpr int kInvalidText = 4;   // text that is not upper-case hexadecimal
inline constexpr int kNoTag = 7;         // no tag given

// The largest data a text walk holds: 60000 digits, 30000 bytes.
inline constexpr std::size_t kWorkAreaBytes = 30000;
// The longest tag a path may name, in bytes.
inline constexpr std::size_t kMaxTagBytes = 2;
// The most length bytes after a long-form first length byte (81 to 84).
inline constexpr std::size_t kMaxLengthBytes = 4;
// Lengths from here on are refused.
inline constexpr std::uint64_t kLengthLimit = 0x80000000u;

// Two upper-case hexadecimal digits to a byte: kFound, or kInvalidText.
int HexPairToByte(char high, char low, std::uint8_t* byte) noexcept;

// `text` to bytes, two digits a byte, first byte first; an odd trailing digit
// is not part of any byte (but must still be a digit). Writes text.size() / 2
// bytes to `bytes` and that count to `count`: kFound; kInvalidText for a
// character that is not a digit; kInconsistent when `capacity` is too small.
int HexToBytes(std::string_view text, std::uint8_t* bytes, std::size_t capacity, std::size_t* count) noexcept;

// `size` bytes to 2 * size upper-case digits, then a NUL.
void BytesToHex(const std::uint8_t* bytes, std::size_t size, char* text) noexcept;

// Reads the tag that starts at `at`, with `remaining` bytes readable there:
// kFound with its size in bytes in `tagBytes`, or kNotFound when the tag does
// not end within `remaining` bytes.
int ReadTag(const std::uint8_t* at, std::size_t remaining, std::size_t* tagBytes) noexcept;

// Reads the length field that starts at `at`, with `remaining` bytes readable
// there: kFound with the field's size in `fieldBytes` and the length in
// `valueLength`; kNotFound when the field does not fit in `remaining`, counts
// more than four length bytes, or gives a length of 2^31 or more.
int ReadLength(const std::uint8_t* at, std::size_t remaining, std::size_t* fieldBytes,
               std::size_t* valueLength) noexcept;

// Writes the length field of `length` (below kLengthLimit) in its shortest
// definite form: one byte below 128, else 81 to 84 followed by the length
// big-endian in as few bytes as it needs (81 xx, 82 xx yy, ...). Answers the
// field's size, 1 to 1 + kMaxLengthBytes; ReadLength reads it back.
std::size_t WriteLength(std::size_t length, std::uint8_t field[1 + kMaxLengthBytes]) noexcept;

// The total size of an element from its parts: kFound with the sum in `total`,
// or kInconsistent when the sum overflows.
int ElementSize(std::size_t tagBytes, std::size_t fieldBytes, std::size_t valueLength, std::size_t* total) noexcept;

// One element found in a list.
struct Element final {
    std::size_t offset = 0;      // of its first tag byte, from the region's start
    std::size_t tagBytes = 0;    // T
    std::size_t fieldBytes = 0;  // F, the length field's size
    std::size_t valueLength = 0; // V
    std::size_t valueOffset() const noexcept { return offset + tagBytes + fieldBytes; }
};

// Reads the element that starts at byte `at` of the `size` bytes at `region`
// (at < size): kFound with it in `element` when its tag, length field and value
// all lie inside the region. Otherwise kNotFound, `element` holding what could
// be read, which tells the defect: tagBytes 0, the tag does not end inside the
// region; fieldBytes 0, the length field does not fit or is not accepted (see
// ReadLength); else the value runs past the region. The next element of the
// list starts at element->valueOffset() + element->valueLength.
int ReadElement(const std::uint8_t* region, std::size_t size, std::size_t at, Element* element) noexcept;

// A tag's first byte with bit 6 set: the value is itself a list of elements.
inline constexpr bool IsConstructed(std::uint8_t firstTagByte) noexcept { return (firstTagByte & 0x20) != 0; }

// 00 and FF: the bytes cards put before, between and after elements as
// filler. The search functions here do not skip them (every byte at an element
// boundary starts a tag); a reader that shows a whole list may.
inline constexpr bool IsFiller(std::uint8_t byte) noexcept { return byte == 0x00 || byte == 0xFF; }

// Searches the `size` bytes at `region` as one level of a list of elements for
// the first element whose tag is exactly the `tagBytes` bytes at `tag`:
// kFound with it in `element`, or kNotFound (no such element, or an element
// met on the way, the matching one included, that runs past the region).
int FindInList(const std::uint8_t* region, std::size_t size, const std::uint8_t* tag, std::size_t tagBytes,
               Element* element) noexcept;

// Walks the path: the first tag among the elements of the `size` bytes at
// `data`, each further tag among the elements inside the previous one's value.
// Each tag is upper-case hexadecimal text of 1 to kMaxTagBytes bytes; an empty
// text ends the path (a tag after an empty one does not count). kFound with the
// last element's value in `valueOffset` (from `data`) and `valueLength`;
// kNoTag when the first tag is empty; kNotFound when a tag is not of a usable
// length or the path does not lead to an element; kInvalidText for a tag that
// is not hexadecimal; kInconsistent when an element's size overflows.
int Walk(const std::uint8_t* data, std::size_t size, std::string_view tag1, std::string_view tag2,
         std::string_view tag3, std::size_t* valueOffset, std::size_t* valueLength) noexcept;

// The whole extraction on text: decodes `data` (hexadecimal digits, an odd
// trailing digit ignored) into a work area of kWorkAreaBytes bytes, walks the
// path and writes the value as upper-case digits and a NUL to `out`, with its
// digit count in `digits`. Besides the statuses of Walk (kNoTag is tested
// first): kInvalidText for data that is not hexadecimal; kInconsistent for
// data of more than 2 * kWorkAreaBytes + 1 digits or a value that does not fit
// in `outCapacity` bytes with its NUL.
int Extract(std::string_view data, std::string_view tag1, std::string_view tag2, std::string_view tag3, char* out,
            std::size_t outCapacity, std::size_t* digits) noexcept;

}  // namespace vek::tlv
