#include "imagefile/C_File.h"

#include <sys/stat.h>

#include <utility>

namespace {

int seek(std::FILE* file, std::int64_t offset, int whence) noexcept {
#if defined(_WIN32)
    return _fseeki64(file, offset, whence);
#else
    static_assert(sizeof(off_t) == 8, "64-bit file offsets are required");
    return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

std::int64_t tell(std::FILE* file) noexcept {
#if defined(_WIN32)
    return _ftelli64(file);
#else
    return ftello(file);
#endif
}

bool is_directory(std::FILE* file) noexcept {
#if defined(_WIN32)
    struct _stati64 info {};
    return _fstati64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFDIR) != 0;
#else
    struct stat info {};
    return fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode);
#endif
}

}  // namespace

C_File::C_File(const char* path, Mode mode, std::size_t bufferSize) {
    if (path == nullptr || *path == '\0') throw xOpenFailed{};
    // "ab" creates a missing file and never truncates an existing one; "a+b"
    // would also allow reads, which no writer here needs.
    m_file = std::fopen(path, mode == Mode::Read ? "rb" : "ab");
    if (m_file == nullptr) throw xOpenFailed{};
    // On Linux a directory opens for reading; it is not a file of records.
    if (is_directory(m_file)) {
        std::fclose(m_file);
        m_file = nullptr;
        throw xOpenFailed{};
    }
    std::setvbuf(m_file, nullptr, _IOFBF, bufferSize > 0 ? bufferSize : kDefaultBuffer);
}

C_File::~C_File() {
    if (m_file != nullptr) std::fclose(m_file);
}

C_File::C_File(C_File&& other) noexcept
    : m_file(std::exchange(other.m_file, nullptr)), m_reading(other.m_reading), m_writing(other.m_writing) {}

C_File& C_File::operator=(C_File&& other) noexcept {
    if (this != &other) {
        if (m_file != nullptr) std::fclose(m_file);
        m_file = std::exchange(other.m_file, nullptr);
        m_reading = other.m_reading;
        m_writing = other.m_writing;
    }
    return *this;
}

std::int64_t C_File::Size() {
    if (m_file == nullptr) throw xSeekFailed{};
    const std::int64_t here = tell(m_file);
    if (here < 0 || seek(m_file, 0, SEEK_END) != 0) throw xSeekFailed{};
    const std::int64_t end = tell(m_file);
    if (end < 0 || seek(m_file, here, SEEK_SET) != 0) throw xSeekFailed{};
    m_reading = m_writing = false;
    return end;
}

void C_File::Seek(std::int64_t offset) {
    if (m_file == nullptr || offset < 0 || offset > Size()) throw xSeekFailed{};
    if (seek(m_file, offset, SEEK_SET) != 0) throw xSeekFailed{};
    m_reading = m_writing = false;
}

std::int64_t C_File::Tell() {
    if (m_file == nullptr) throw xSeekFailed{};
    const std::int64_t here = tell(m_file);
    if (here < 0) throw xSeekFailed{};
    return here;
}

std::size_t C_File::Read(void* data, std::size_t size) {
    if (m_file == nullptr) throw xReadFailed{};
    if (size == 0) return 0;
    // A read after a write needs a positioning call in between (C stream rule).
    if (m_writing && std::fflush(m_file) != 0) throw xWriteFailed{};
    m_writing = false;
    m_reading = true;
    const std::size_t got = std::fread(data, 1, size, m_file);
    if (got < size && std::ferror(m_file) != 0) throw xReadFailed{};
    return got;
}

void C_File::Write(const void* data, std::size_t size) {
    if (m_file == nullptr) throw xWriteFailed{};
    if (size == 0) return;
    if (m_reading && seek(m_file, 0, SEEK_CUR) != 0) throw xWriteFailed{};
    m_reading = false;
    m_writing = true;
    if (std::fwrite(data, 1, size, m_file) != size) throw xWriteFailed{};
}

void C_File::Close() {
    if (m_file == nullptr) return;
    const bool flushed = std::fflush(m_file) == 0 && std::ferror(m_file) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed) throw xWriteFailed{};
}
