#pragma once
// A file read as bytes at given offsets, seeking only when the offset is not
// where the last read ended, with a read-ahead window through which a caller
// can look at the file straight through, whatever the lengths of its records.
//
// Failures are C_File's (the file cannot be opened, read, or a place lies
// outside it: a read that comes back short is xReadFailed), and xNoMemory when
// a buffer cannot grow to the size asked for.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "io/C_File.h"

class C_ByteReader final {
public:
    class xNoMemory final {};  // a buffer cannot grow to the size asked for

    using Bytes = std::vector<unsigned char>;

    // The read-ahead window: larger than the file stream's own buffer, so that
    // its reads go straight into the window.
    static constexpr std::size_t kWindow = std::size_t{256} * 1024;

    explicit C_ByteReader(const std::string& path);

    std::int64_t Size() const noexcept { return m_size; }
    std::int64_t Left(std::int64_t offset) const noexcept { return m_size - offset; }

    // Up to `count` bytes at `offset`; fewer only at the end of the file.
    std::size_t ReadSome(std::int64_t offset, unsigned char* bytes, std::size_t count);

    // Exactly `count` bytes at `offset`, else xReadFailed.
    void Read(std::int64_t offset, unsigned char* bytes, std::size_t count);

    // The `length` bytes at `offset` into `buffer`, which grows (never shrinks) to
    // the largest length asked for. A place outside the file is xSeekFailed before
    // anything is allocated, so a hostile length never drives an allocation
    // beyond the file's size.
    void ReadRecord(std::int64_t offset, std::int64_t length, Bytes& buffer);

    // Whether the file holds `bytes` at `offset` (bytes past its end never match),
    // looked at through the window. (This and Ahead run once or more a record of
    // a description: defined here, so that they inline.)
    bool Matches(std::int64_t offset, std::string_view bytes) {
        if (offset < 0 || Left(offset) < static_cast<std::int64_t>(bytes.size())) return false;
        for (std::size_t done = 0; done < bytes.size();) {
            const std::size_t n = std::min(bytes.size() - done, kWindow);
            if (std::memcmp(View(offset + static_cast<std::int64_t>(done), n), bytes.data() + done, n) != 0)
                return false;
            done += n;
        }
        return true;
    }

    // The bytes of the window from `offset` (within the file) on: at least one,
    // at most the window's size. A window that does not hold `offset` moves to it.
    std::string_view Ahead(std::int64_t offset) {
        if (offset < m_windowStart || offset >= WindowEnd()) Move(offset, 1);
        const auto at = static_cast<std::size_t>(offset - m_windowStart);
        return {reinterpret_cast<const char*>(m_window.data()) + at, m_windowBytes - at};
    }

    // Grows `buffer` to at least `size` bytes, exactly the size asked for, never
    // double; xNoMemory when it cannot.
    static void Grow(Bytes& buffer, std::size_t size);

private:
    std::int64_t WindowEnd() const noexcept { return m_windowStart + static_cast<std::int64_t>(m_windowBytes); }

    // The `count` bytes (at most kWindow, all within the file) at `offset`, from
    // the window, which moves when it does not hold them.
    const unsigned char* View(std::int64_t offset, std::size_t count) {
        if (offset >= m_windowStart && offset + static_cast<std::int64_t>(count) <= WindowEnd())
            return m_window.data() + (offset - m_windowStart);
        return Move(offset, count);
    }

    // The window moved to `offset`, holding at least `count` bytes. A window moved
    // forward keeps the bytes it still covers and reads on from where the last
    // read ended, so that nothing is read twice.
    const unsigned char* Move(std::int64_t offset, std::size_t count);

    C_File m_file;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
    Bytes m_window;
    std::int64_t m_windowStart = 0;
    std::size_t m_windowBytes = 0;
};
