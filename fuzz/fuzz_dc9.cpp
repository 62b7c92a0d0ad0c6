// Fuzzes the DC9 exports on arbitrary file bytes and descriptions: the
// description, both extractions and the encrypted copy. The input is
//
//   byte 0   the call: 0 mod 4 describe, 1 by index, 2 by search key, 3 copy
//   byte 1   the layout: bit 0 fixed size (record size byte 2 + 1), else an end
//            marker of 1 to 4 bytes (bits 1-2) taken from the input
//   byte 2   record size choice
//   byte 3   the description: bit 7 null (describe) or hostile (the others: up
//            to 4 entries of 16 bytes taken from the input, whatever they say);
//            otherwise the file's own description; bits 0-2 its room
//   byte 4   fir, byte 5 recordIndex (signed), byte 6 search-key code,
//   byte 7   room in out (0-255, or 1 MiB when 255)
//   then     the end marker bytes, the hostile entries, then the file's bytes
//
// The search key is cut from the file where it holds the code byte, so that
// matches happen. Every buffer has exactly its stated size; while a call runs,
// an allocation above the file's size plus the file stream's own 64 KiB buffer
// aborts: no length in a description may drive one.
#include <sanitizer/allocator_interface.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "vek.h"

namespace {

bool g_watch = false;
std::size_t g_limit = 0;

void on_malloc(const volatile void*, std::size_t size) {
    if (g_watch && size > g_limit) {
        std::fprintf(stderr, "an allocation of %zu bytes for a file of at most %zu\n", size, g_limit);
        std::abort();
    }
}
void on_free(const volatile void*) {}

void check(bool ok) {
    if (!ok) std::abort();
}

const std::string& path(const char* what) {
    static const std::string dir = "/tmp/vek-fuzz-dc9-" + std::to_string(::getpid());
    static std::string names[2] = {dir + "-source", dir + "-target"};
    return names[what[0] == 't' ? 1 : 0];
}

void write_file(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    check(f != nullptr);
    if (size > 0) check(std::fwrite(bytes, 1, size, f) == size);
    check(std::fclose(f) == 0);
}

bool in_file(const std::uint8_t* file, std::size_t size, const unsigned char* bytes, int count) {
    if (count == 0) return true;
    for (std::size_t at = 0; at + static_cast<std::size_t>(count) <= size; ++at)
        if (std::memcmp(file + at, bytes, static_cast<std::size_t>(count)) == 0) return true;
    return false;
}

struct Watch {
    explicit Watch(std::size_t fileSize) {
        g_limit = fileSize + 64 * 1024 + 4096;
        g_watch = true;
    }
    ~Watch() { g_watch = false; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 8) return 0;
    const int call = input[0] % 4;
    const bool fixed = (input[1] & 1) != 0;
    const std::size_t markerLength = fixed ? 0 : 1 + ((input[1] >> 1) & 3);
    const int recordSize = fixed ? 1 + input[2] : 0;
    const bool hostile = (input[3] & 0x80) != 0;
    const short room = static_cast<short>(input[3] & 7);
    const auto fir = static_cast<short>(static_cast<std::int8_t>(input[4]) % 6);
    const int recordIndex = static_cast<std::int8_t>(input[5]);
    const int code = input[6];
    const int outRoom = input[7] == 255 ? (1 << 20) : input[7];
    std::size_t at = 8;
    if (size < at + markerLength) return 0;
    const std::vector<unsigned char> marker(input + at, input + at + markerLength);
    at += markerLength;
    std::vector<FIRDescription> entries;
    if (hostile && call != 0) {
        const std::size_t count = size > at ? input[at++] % 5 : 0;
        if (size < at + 16 * count) return 0;
        entries.resize(count);
        if (count > 0) std::memcpy(entries.data(), input + at, 16 * count);
        at += 16 * count;
    }
    const std::uint8_t* file = input + at;
    const std::size_t fileSize = size - at;
    const std::string& source = path("source");
    write_file(source, file, fileSize);

    // The description: asked for, or the file's own, or the hostile one.
    std::vector<FIRDescription> own(static_cast<std::size_t>(room) + 1, FIRDescription{-7, -7, -7, -7});
    short firCount = room;
    short described = 0;
    {
        const Watch watch(fileSize);
        described = vek_File_DC9InitDescription(source.c_str(), markerLength > 0 ? marker.data() : nullptr,
                                                static_cast<int>(markerLength), recordSize, &firCount,
                                                hostile && call == 0 ? nullptr : own.data());
    }
    const short status = vek_LastStatus();
    if (described == -1) {
        check(status == 0);
        // Every described record lies within the file, the parts one after the other.
        std::int64_t next = 0;
        const int filled = hostile && call == 0 ? 0 : (firCount < room ? firCount : room);
        for (int k = 0; k < filled; ++k) {
            const FIRDescription& e = own[static_cast<std::size_t>(k)];
            if (e.offset == -7) break;  // a file without file marks: firCount kept its value
            check(e.offset == next && e.markLength >= 0 && e.recordLength >= 0);
            next = std::int64_t{e.offset} + e.markLength + std::int64_t{e.recordCount} * e.recordLength;
            check(next <= static_cast<std::int64_t>(fileSize));
        }
    } else {
        check(described == 0 && status <= -1 && status >= -6);
    }
    check(own.back().offset == -7);  // never past the room
    if (call == 0) return 0;
    if (!hostile) {
        if (described != -1) return 0;
        entries.assign(own.begin(), own.begin() + (firCount < room ? firCount : room));
        if (!entries.empty() && entries[0].offset == -7) entries.clear();
    }
    const auto count = static_cast<short>(entries.size());

    if (call == 3) {
        const std::string& target = path("target");
        std::remove(target.c_str());
        short result = 0;
        {
            const Watch watch(fileSize);
            result = vek_File_DC9DecryptOrEncryptImageFile(source.c_str(), count, entries.data(), target.c_str(),
                                                           static_cast<short>(input[5] & 1), "2315208C9110AD40");
        }
        const short copied = vek_LastStatus();
        // A copy of no parts is refused before any file is created.
        if (count < 1) check(result == 0 && copied == -1 && ::access(target.c_str(), F_OK) != 0);
        else check(result == -1 ? copied == 0 : (copied == -99 || (copied <= -2 && copied >= -7)));
        return 0;
    }

    std::vector<unsigned char> out(static_cast<std::size_t>(outRoom) + 1, 0xEE);
    int outSize = outRoom;
    short result = 0;
    std::string key(26, 'K');
    if (call == 2) {
        const void* hit = fileSize > 0 ? std::memchr(file, code, fileSize) : nullptr;
        if (hit != nullptr) {
            const auto from = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - file) + 1;
            for (std::size_t i = 0; i < 26 && from + i < fileSize; ++i) key[i] = file[from + i] != 0 ? static_cast<char>(file[from + i]) : 'K';
        }
    }
    {
        const Watch watch(fileSize);
        result = call == 1 ? vek_File_DC9ExtractImageByIndex(source.c_str(), count, entries.data(), fir, recordIndex,
                                                             out.data(), &outSize)
                           : vek_File_DC9ExtractImageBySearchKey(source.c_str(), count, entries.data(), fir, code,
                                                                 key.c_str(), out.data(), &outSize);
    }
    const short extracted = vek_LastStatus();
    check(out.back() == 0xEE);
    if (result == -1) {
        check(extracted == 0 && outSize >= 0 && outSize <= outRoom);
        check(in_file(file, fileSize, out.data(), outSize));  // the bytes come from the file
    } else {
        check(result == 0 && outSize == 0 && out[0] == 0xEE);
        check(extracted == -50 || (extracted <= -1 && extracted >= -7));
    }
    return 0;
}
