#include "crypto/C_KeyCheckValue.h"

#include "crypto/C_DESKey.h"
#include "types/hexa_codec.h"

C_KeyCheckValue::C_KeyCheckValue(std::string_view key, int digits) {
    const C_DESKey k(key);
    if (digits < 0 || digits > 16) throw xWrongDigits{};
    m_digits = static_cast<std::size_t>(digits == 0 ? kDefaultDigits : digits);
    vek::hexa::encode16(k.Encrypt(0), m_text);
}
