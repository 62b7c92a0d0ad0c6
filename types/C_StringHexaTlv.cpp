// BER-TLV extraction on a hexadecimal string; the reading itself is the
// engine in types/tlv.cpp.
#include <new>
#include <string>
#include <utility>

#include "types/xRuntimeError.h"
#include "types/C_StringHexa.h"
#include "types/tlv.h"

namespace {

// A tag has 2 or 4 digits (one or two bytes); an optional tag may also be absent.
bool tag_length_ok(int digits, bool optional) noexcept {
    return digits == 2 || digits == 4 || (optional && digits == 0);
}

}  // namespace

C_StringHexa C_StringHexa::ExtractTLV(const C_StringHexa& tag1, const C_StringHexa& tag2,
                                      const C_StringHexa& tag3) const {
    if (!tag_length_ok(tag1.GetLength(), false)) throw xErrorTagLength{};
    if (!tag_length_ok(tag2.GetLength(), true)) throw xErrorTagLength{};
    if (!tag_length_ok(tag3.GetLength(), true)) throw xErrorTagLength{};
    try {
        // The value lies inside the data, so the data's length bounds its digits.
        std::string value(m_value.size() + 1, '\0');
        std::size_t digits = 0;
        if (vek::tlv::Extract(m_value, tag1.GetValue(), tag2.GetValue(), tag3.GetValue(), value.data(),
                              value.size(), &digits) != vek::tlv::kFound)
            throw xTagNotFound{};
        if (digits == 0) throw xEmptyString{};
        value.resize(digits);
        return C_StringHexa(Trusted{}, std::move(value));
    } catch (const std::bad_alloc&) {
        throw xRuntimeError{};
    }
}
