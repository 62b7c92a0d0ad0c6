#pragma once
// One file, open for the length of one exported call. The image-file and DC9
// modules reach the file system only through this class, so that 64-bit sizes
// and offsets, directories given as files, the never-truncate rule and write
// errors are handled once, on Linux and on Windows alike.
//
// Streams are binary on every platform: no newline translation. Line ends are
// written and read by the callers themselves.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>

class C_File final {
public:
    class xOpenFailed final {};   // missing, not a regular file (a directory, device or pipe), or not permitted
    class xReadFailed final {};   // an I/O error while reading
    class xWriteFailed final {};  // an I/O error while writing or closing (a full disk)
    class xSeekFailed final {};   // a position below 0 or past the end, or an I/O error

    enum class Mode {
        Read,    // an existing regular file, read from its start
        Append,  // created when missing, written at its end, never truncated
    };

    // `bufferSize`: the stream's buffer. The default suits reading or writing a
    // file in order; a reader that seeks to a few records takes a small one, so
    // that each seek does not refill 64 KiB. kNoBuffer: none at all, every Read
    // and Write goes straight to the system, for callers that read and write in
    // large blocks of their own (no copy through a second buffer).
    static constexpr std::size_t kDefaultBuffer = std::size_t{64} * 1024;
    static constexpr std::size_t kNoBuffer = 0;
    C_File(const char* path, Mode mode, std::size_t bufferSize = kDefaultBuffer);
    ~C_File();
    C_File(C_File&& other) noexcept;
    C_File& operator=(C_File&& other) noexcept;
    C_File(const C_File&) = delete;
    C_File& operator=(const C_File&) = delete;

    // The size in bytes now, written data included.
    std::int64_t Size();
    // The next read starts at `offset` (0 to Size()).
    void Seek(std::int64_t offset);
    std::int64_t Tell();
    // Reads up to `size` bytes; fewer only at the end of the file.
    std::size_t Read(void* data, std::size_t size);
    // Writes all of `data`, or throws xWriteFailed.
    void Write(const void* data, std::size_t size);
    void Write(std::string_view text) { Write(text.data(), text.size()); }
    // Flushes and closes; xWriteFailed when written data could not be kept.
    void Close();

    // Runs `body`, turning every failure of a file above into `X`: the file
    // formats report them all as their own I/O error.
    template <class X, class Body>
    static decltype(auto) FailuresAs(Body&& body) {
        try {
            return std::forward<Body>(body)();
        } catch (const xOpenFailed&) {
            throw X{};
        } catch (const xReadFailed&) {
            throw X{};
        } catch (const xWriteFailed&) {
            throw X{};
        } catch (const xSeekFailed&) {
            throw X{};
        }
    }

private:
    std::FILE* m_file = nullptr;
    bool m_reading = false;  // the last operation on the stream was a read
    bool m_writing = false;  // the last operation on the stream was a write
};
