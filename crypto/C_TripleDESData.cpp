#include "crypto/C_TripleDESData.h"

#include <new>

#include "crypto/C_DESKey.h"
#include "types/C_StringType.h"
#include "types/hexa_codec.h"
#include "types/xRuntimeError.h"

C_TripleDESData::C_TripleDESData(std::string_view key, std::string_view data, int mode, int chaining,
                                 std::string_view iv) {
    const C_DESKey k(key);
    if (data.empty() || data.size() > static_cast<std::size_t>(C_StringType::kMaxLength) || !vek::hexa::valid(data))
        throw xInvalidData{};
    if (data.size() % 16 != 0) throw xWrongDataLength{};
    if ((mode != 0 && mode != 1) || (chaining != kECB && chaining != kCBC)) throw xWrongMode{};
    if (chaining == kCBC ? iv.size() != 16 || !vek::hexa::valid(iv) : !iv.empty()) throw xWrongIV{};
    const std::size_t blocks = data.size() / 16;
    try {
        if (chaining == kECB) {
            m_value.assign(data);
            k.ECB(mode, m_value.data(), blocks);
        } else {
            std::uint64_t chain = vek::hexa::decode16(iv.data());
            if (mode == 1) {
                m_value.assign(data);
                k.CBCEncrypt(m_value.data(), blocks, chain);
            } else {
                m_value.resize(data.size());
                k.CBCDecrypt(data.data(), m_value.data(), blocks, chain);
            }
        }
    } catch (const std::bad_alloc&) {
        throw xRuntimeError{};
    }
}
