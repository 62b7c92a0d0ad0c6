#include "io/C_ByteReader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

C_ByteReader::C_ByteReader(const std::string& path) : m_file(path.c_str(), C_File::Mode::Read) {
    m_size = m_file.Size();
}

void C_ByteReader::Grow(Bytes& buffer, std::size_t size) {
    if (buffer.size() >= size) return;
    try {
        buffer.reserve(size);  // exactly the size asked for, never double
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        throw xNoMemory{};
    } catch (const std::length_error&) {
        throw xNoMemory{};
    }
}

std::size_t C_ByteReader::ReadSome(std::int64_t offset, unsigned char* bytes, std::size_t count) {
    try {
        if (offset != m_position) {
            m_file.Seek(offset);
            m_position = offset;
        }
        std::size_t got = 0;
        while (got < count) {
            const std::size_t n = m_file.Read(bytes + got, count - got);
            if (n == 0) break;
            got += n;
        }
        m_position += static_cast<std::int64_t>(got);
        return got;
    } catch (...) {
        m_position = -1;  // unknown: the next read seeks
        throw;
    }
}

void C_ByteReader::Read(std::int64_t offset, unsigned char* bytes, std::size_t count) {
    if (ReadSome(offset, bytes, count) != count) throw C_File::xReadFailed{};
}

void C_ByteReader::ReadRecord(std::int64_t offset, std::int64_t length, Bytes& buffer) {
    if (offset < 0 || length < 0 || length > m_size || offset > m_size - length) throw C_File::xSeekFailed{};
    Grow(buffer, static_cast<std::size_t>(length));
    Read(offset, buffer.data(), static_cast<std::size_t>(length));
}

const unsigned char* C_ByteReader::Move(std::int64_t offset, std::size_t count) {
    const std::int64_t end = WindowEnd();
    Grow(m_window, static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(kWindow), m_size)));
    std::size_t keep = 0;
    if (offset >= m_windowStart && offset < end && m_position == end) {
        keep = static_cast<std::size_t>(end - offset);
        std::memmove(m_window.data(), m_window.data() + (offset - m_windowStart), keep);
    }
    m_windowStart = offset;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(m_window.size()), Left(offset)));
    m_windowBytes = keep + ReadSome(offset + static_cast<std::int64_t>(keep), m_window.data() + keep, want - keep);
    if (m_windowBytes < count) throw C_File::xReadFailed{};
    return m_window.data();
}
