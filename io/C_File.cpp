#include "io/C_File.h"

#include <utility>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <string_view>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#if defined(_WIN32)

// Whether the last component of `path` names a device in every folder ("NUL",
// "con.txt", "COM1 .log"): such a name is the device, never a file, so it is not
// even opened.
bool is_device_name(const char* path) noexcept {
    std::string_view name(path);
    const std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    // `name` begins with `device`, letters compared without case.
    const auto starts = [&](std::string_view device) {
        if (name.size() < device.size()) return false;
        for (std::size_t i = 0; i < device.size(); ++i) {
            const char c = name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
            if (c != device[i]) return false;
        }
        return true;
    };
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (name.size() == device.size() && starts(device)) return true;
    // COM1 to COM9, LPT1 to LPT9.
    return name.size() == 4 && (starts("COM") || starts("LPT")) && name[3] >= '1' && name[3] <= '9';
}

#endif

// Opens `path` if it is a regular file, else nullptr. A device or a pipe is
// refused before a byte is read or written: /dev/zero would give one endless
// line, and the open of a FIFO without its other end would block. The check and
// the open are one: the file opened is the one looked at.
std::FILE* open_regular(const char* path, C_File::Mode mode) noexcept {
    const bool reading = mode == C_File::Mode::Read;
#if defined(_WIN32)
    if (is_device_name(path)) return nullptr;
    // As fopen "rb" and "ab" open: shared for reading and writing; appending
    // creates a missing file and never truncates.
    HANDLE handle = CreateFileA(path, reading ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, reading ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;  // a directory fails here too
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle),
                                   reading ? _O_RDONLY | _O_BINARY : _O_WRONLY | _O_APPEND | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, reading ? "rb" : "ab");
    if (file == nullptr) _close(fd);
    return file;
#else
    // A path that is there and is not a regular file is not even opened (opening
    // some devices has effects of its own).
    struct stat info {};
    if (::stat(path, &info) == 0 && !S_ISREG(info.st_mode)) return nullptr;
    // Non-blocking for the open alone, so that a FIFO that appeared meanwhile
    // fails or opens at once and is then refused. Appending matches fopen "ab".
    const int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (reading ? O_RDONLY : O_WRONLY | O_CREAT | O_APPEND);
    const int fd = ::open(path, flags, 0666);
    if (fd < 0) return nullptr;
    const int status = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || status == -1 ||
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, reading ? "rb" : "ab");
    if (file == nullptr) ::close(fd);
    return file;
#endif
}

}  // namespace

C_File::C_File(const char* path, Mode mode, std::size_t bufferSize) {
    if (path == nullptr || *path == '\0') throw xOpenFailed{};
    // Only a regular file is opened: a directory, a device or a pipe is refused.
    // Appending creates a missing file and never truncates one; no writer here
    // needs to read.
    m_file = open_regular(path, mode);
    if (m_file == nullptr) throw xOpenFailed{};
    if (bufferSize == kNoBuffer)
        std::setvbuf(m_file, nullptr, _IONBF, 0);
    else
        std::setvbuf(m_file, nullptr, _IOFBF, bufferSize);
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
