#include "types/C_TLVElement.h"

#include <cstdint>
#include <new>

#include "types/C_StringType.h"
#include "types/tlv.h"
#include "types/hexa_codec.h"
#include "types/xRuntimeError.h"

C_TLVElement::C_TLVElement(std::string_view tag, std::string_view value) {
    if (tag.empty() || tag.size() % 2 != 0 || tag.size() > 2 * kMaxTagBytes || !vek::hexa::valid(tag))
        throw xInvalidTag{};
    std::uint8_t tagBytes[kMaxTagBytes];
    vek::hexa::decode(tag, tagBytes);
    std::size_t read = 0;
    if (vek::tlv::ReadTag(tagBytes, tag.size() / 2, &read) != vek::tlv::kFound || read != tag.size() / 2)
        throw xInvalidTag{};
    if (value.size() % 2 != 0 || value.size() > static_cast<std::size_t>(C_StringType::kMaxLength) ||
        !vek::hexa::valid(value))
        throw xInvalidValue{};

    std::uint8_t field[1 + vek::tlv::kMaxLengthBytes];
    const std::size_t fieldBytes = vek::tlv::WriteLength(value.size() / 2, field);
    try {
        m_value.reserve(tag.size() + 2 * fieldBytes + value.size());
        m_value.append(tag);
        m_value.resize(tag.size() + 2 * fieldBytes);
        vek::hexa::encode(field, fieldBytes, m_value.data() + tag.size());
        m_value.append(value);
    } catch (const std::bad_alloc&) {
        throw xRuntimeError{};
    }
}
