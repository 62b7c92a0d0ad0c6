#include "types/C_DGI.h"

#include <cstdint>
#include <new>

#include "types/C_StringType.h"
#include "types/hexa_codec.h"
#include "types/xRuntimeError.h"

C_DGI::C_DGI(std::string_view dgi, std::string_view value) {
    if (dgi.size() != 4 || !vek::hexa::valid(dgi)) throw xInvalidDGI{};
    if (value.size() % 2 != 0 || value.size() > static_cast<std::size_t>(C_StringType::kMaxLength) ||
        !vek::hexa::valid(value))
        throw xInvalidValue{};

    // The value has at most 30000 bytes, so the long form's two bytes always hold its length.
    const std::size_t bytes = value.size() / 2;
    std::uint8_t field[3];
    std::size_t fieldBytes = 1;
    if (bytes < 0xFF) {
        field[0] = static_cast<std::uint8_t>(bytes);
    } else {
        field[0] = 0xFF;
        field[1] = static_cast<std::uint8_t>(bytes >> 8);
        field[2] = static_cast<std::uint8_t>(bytes);
        fieldBytes = 3;
    }
    try {
        m_value.reserve(4 + 2 * fieldBytes + value.size());
        m_value.append(dgi);
        m_value.resize(4 + 2 * fieldBytes);
        vek::hexa::encode(field, fieldBytes, m_value.data() + 4);
        m_value.append(value);
    } catch (const std::bad_alloc&) {
        throw xRuntimeError{};
    }
}
