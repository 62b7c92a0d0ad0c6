#include "io/C_LineReader.h"

#include <algorithm>
#include <cstring>

C_LineReader::C_LineReader(C_File& file, std::size_t bufferSize) : m_file(file), m_buffer(bufferSize) {}

void C_LineReader::Seek(std::int64_t offset) {
    m_file.Seek(offset);
    m_pos = m_end = 0;
}

bool C_LineReader::Fill() {
    m_pos = 0;
    m_end = m_file.Read(m_buffer.data(), m_buffer.size());
    return m_end > 0;
}

std::span<char> C_LineReader::Ahead(std::size_t atLeast) {
    std::size_t available = m_end - m_pos;
    if (available < atLeast && available < m_buffer.size()) {
        // What is left moves to the front, and the buffer is filled behind it.
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, available);
        m_pos = 0;
        m_end = available + m_file.Read(m_buffer.data() + available, m_buffer.size() - available);
        available = m_end;
    }
    return {m_buffer.data() + m_pos, available};
}

template <class Sink>
bool C_LineReader::Read(Line& line, std::int64_t limit, Sink&& sink) {
    if (m_pos == m_end && !Fill()) return false;
    line.length = 0;
    // A CR at the end of a piece is held back until the next byte shows whether
    // it opens the line end.
    bool heldCr = false;
    for (;;) {
        if (m_pos == m_end && !Fill()) {
            if (heldCr) {
                sink(std::string_view("\r", 1));
                ++line.length;
            }
            line.end = End::None;
            return true;
        }
        const char* begin = m_buffer.data() + m_pos;
        const std::size_t available = m_end - m_pos;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', available));
        std::size_t n = lf != nullptr ? static_cast<std::size_t>(lf - begin) : available;
        m_pos += lf != nullptr ? n + 1 : n;
        if (heldCr && n == 0 && lf != nullptr) {
            line.end = End::CrLf;
            return true;
        }
        if (heldCr) {
            sink(std::string_view("\r", 1));
            ++line.length;
        }
        heldCr = n > 0 && begin[n - 1] == '\r';
        if (heldCr) --n;
        if (n > 0) sink(std::string_view(begin, n));
        line.length += static_cast<std::int64_t>(n);
        if (lf != nullptr) {
            line.end = heldCr ? End::CrLf : End::Lf;
            return true;
        }
        if (line.length > limit) {
            line.end = End::None;
            return true;
        }
    }
}

bool C_LineReader::Next(Line& line, std::size_t keep, std::int64_t limit) {
    // The common case: the whole line, line end included, is in the buffer.
    if (m_pos < m_end) {
        const char* begin = m_buffer.data() + m_pos;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', m_end - m_pos));
        if (lf != nullptr) {
            std::size_t n = static_cast<std::size_t>(lf - begin);
            m_pos += n + 1;
            const bool cr = n > 0 && begin[n - 1] == '\r';
            if (cr) --n;
            line.text = std::string_view(begin, std::min(n, keep));
            line.length = static_cast<std::int64_t>(n);
            line.end = cr ? End::CrLf : End::Lf;
            return true;
        }
    }
    m_kept.clear();
    const bool found = Read(line, limit, [&](std::string_view part) {
        if (m_kept.size() < keep) m_kept.append(part.substr(0, keep - m_kept.size()));
    });
    line.text = m_kept;
    return found;
}
