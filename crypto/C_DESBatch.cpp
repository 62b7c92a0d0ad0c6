#include "crypto/C_DESBatch.h"

#include <cstring>
#include <utility>

#include "crypto/C_DES.h"
#include "crypto/C_Image.h"

C_DESBatch::C_DESBatch(const C_StringHexa& key, int direction, int blockMode, Write write)
    : m_key(&key), m_direction(direction), m_blockMode(blockMode), m_write(std::move(write)) {}

void C_DESBatch::LoadKey() {
    C_Image::InitDES(*m_key, m_blockMode);
    m_keyLoaded = true;
}

void C_DESBatch::AppendRecords(char* records, std::size_t count, std::size_t digits, std::size_t stride) {
    if (count == 0) return;
    if (!m_keyLoaded) LoadKey();
    if (digits % kBlockDigits != 0) throw C_StringType::xModuloError{};
    Flush();
    C_DES::Instance().CalDESHexaRecords(m_direction, records, count, digits / kBlockDigits, stride);
    m_write(records, count * stride);
}

void C_DESBatch::Grow(std::size_t more) {
    m_out.reserve(m_out.size() + more + kGrowStep);  // exactly this much (vector's reserve)
}

void C_DESBatch::Flush() {
    Cipher();
    m_spans.clear();
    try {
        if (!m_out.empty()) m_write(m_out.data(), m_out.size());
    } catch (...) {
        m_out.clear();  // never written twice
        throw;
    }
    m_out.clear();
}

void C_DESBatch::Cipher() {
    if (m_spans.empty()) return;
    // One run of digits: gathered, processed, put back in place.
    std::size_t total = 0;
    for (const Span& s : m_spans) total += s.size;
    if (total > m_digits.capacity()) m_digits.reserve(total);  // exactly, never doubled
    m_digits.resize(total);
    std::size_t at = 0;
    for (const Span& s : m_spans) {
        std::memcpy(m_digits.data() + at, m_out.data() + s.at, s.size);
        at += s.size;
    }
    C_DES::Instance().CalDESHexaBlocks(m_direction, m_digits.data(), m_digits.size() / 16);
    std::size_t from = 0;
    for (const Span& s : m_spans) {
        std::memcpy(m_out.data() + s.at, m_digits.data() + from, s.size);
        from += s.size;
    }
}
