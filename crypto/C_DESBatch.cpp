#include "crypto/C_DESBatch.h"

#include <cstring>

void C_DESBatch::Cipher() {
    if (m_spans.empty()) return;
    // One run of digits: gathered, processed, put back in place.
    m_digits.clear();
    for (const Span& s : m_spans) m_digits.append(m_out, s.at, s.size);
    C_DES::Instance().CalDESHexaBlocks(m_direction, m_digits.data(), m_digits.size() / 16);
    std::size_t from = 0;
    for (const Span& s : m_spans) {
        std::memcpy(m_out.data() + s.at, m_digits.data() + from, s.size);
        from += s.size;
    }
}
