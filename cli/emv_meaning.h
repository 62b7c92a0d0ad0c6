#pragma once
// What EMV values mean, as an engineer checks them by eye: text elements as
// text, data object lists, the CVM list, the AFL, the AIP and AUC bits, the
// cryptogram information data, a format 1 response split into its fields, and
// the ISO/IEC 7816-4 status words. Every decoder reads only the bytes it is
// given.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/tlv_tree.h"

namespace vek::cli::emv {

// Explains the primitive element `node` (its tag, name and class already set)
// whose value is the `length` bytes at `value`, by the dictionary's view of its
// tag; `valueOffset` is where the value starts in the data. `top`: the element
// stands at the top level of the data (where tag 80 is a format 1 response).
void explain(tlv_tree::Node& node, const std::uint8_t* value, std::size_t length, std::size_t valueOffset, bool top,
             tlv_tree::Format1 format1);

// Whether two bytes form a status word: SW1 61 to 6F or 90 to 9F.
bool is_status_word(std::uint8_t sw1, std::uint8_t sw2);

// The meaning of a status word.
std::string status_word_meaning(std::uint8_t sw1, std::uint8_t sw2);

}  // namespace vek::cli::emv
