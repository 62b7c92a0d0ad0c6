#include "dc9/C_DC9File.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <new>
#include <vector>

#include "crypto/C_DESBatch.h"
#include "crypto/C_Image.h"
#include "imagefile/C_File.h"
#include "types/C_StringHexa.h"

namespace {

using D = C_DC9File;
using Bytes = std::vector<unsigned char>;

constexpr std::string_view kImageStart{"#SMC#"};
constexpr std::string_view kImageEnd{"#END#"};
constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();
// The read-ahead window through which a description looks at the records: the
// end-marker search runs through it piece by piece, and the records it does not
// search are looked at there (their first eight and their last bytes). Larger
// than the file stream's own buffer, so that its reads go straight into the window.
constexpr std::size_t kWindow = std::size_t{256} * 1024;

// A buffer that grows (never shrinks) to the largest record met; a failure to
// grow is the class's xMemError.
void grow(Bytes& buffer, std::size_t size) {
    if (buffer.size() >= size) return;
    try {
        buffer.reserve(size);  // exactly the size asked for, never double
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        throw D::xMemError{};
    } catch (const std::length_error&) {
        throw D::xMemError{};
    }
}

C_File open(const char* path, C_File::Mode mode) {
    try {
        return C_File(path, mode);
    } catch (const C_File::xOpenFailed&) {
        throw D::xIOError{};
    }
}

// The source file as a byte stream: reads at given offsets, seeking only when the
// offset is not where the last read ended. Every failure of the file is xIOError.
class Source final {
public:
    explicit Source(const std::string& path) : m_file(open(path.c_str(), C_File::Mode::Read)) {
        try {
            m_size = m_file.Size();
        } catch (...) {
            throw D::xIOError{};
        }
    }

    std::int64_t Size() const noexcept { return m_size; }
    std::int64_t Left(std::int64_t offset) const noexcept { return m_size - offset; }

    // Up to `count` bytes at `offset`; fewer only at the end of the file.
    std::size_t ReadSome(std::int64_t offset, unsigned char* bytes, std::size_t count) {
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
            m_position = -1;
            throw D::xIOError{};
        }
    }

    // Whether the file holds `bytes` at `offset` (bytes past its end never match).
    // The file is looked at through a read-ahead window, so that a description
    // reads it straight through, whatever the records' lengths.
    bool Matches(std::int64_t offset, std::string_view bytes) {
        if (offset < 0 || Left(offset) < static_cast<std::int64_t>(bytes.size())) return false;
        for (std::size_t done = 0; done < bytes.size();) {
            const std::size_t n = std::min(bytes.size() - done, kWindow);
            if (std::memcmp(View(offset + static_cast<std::int64_t>(done), n), bytes.data() + done, n) != 0) return false;
            done += n;
        }
        return true;
    }

    // The bytes of the window from `offset` (within the file) on: at least one,
    // at most the window's size. A window that does not hold `offset` moves to it.
    std::string_view Ahead(std::int64_t offset) {
        const std::int64_t end = m_windowStart + static_cast<std::int64_t>(m_windowBytes);
        if (offset < m_windowStart || offset >= end) View(offset, 1);
        const auto at = static_cast<std::size_t>(offset - m_windowStart);
        return {reinterpret_cast<const char*>(m_window.data()) + at, m_windowBytes - at};
    }

    // Exactly `count` bytes at `offset`, else xIOError.
    void Read(std::int64_t offset, unsigned char* bytes, std::size_t count) {
        if (ReadSome(offset, bytes, count) != count) throw D::xIOError{};
    }

    // The record of `length` bytes at `offset` into `buffer`. A place outside the
    // file is xIOError before anything is allocated, so a hostile length never
    // drives an allocation beyond the file's size.
    void ReadRecord(std::int64_t offset, std::int64_t length, Bytes& buffer) {
        if (offset < 0 || length < 0 || length > m_size || offset > m_size - length) throw D::xIOError{};
        grow(buffer, static_cast<std::size_t>(length));
        Read(offset, buffer.data(), static_cast<std::size_t>(length));
    }

private:
    // The `count` bytes (at most kWindow, all within the file) at `offset`, from
    // the window. A window moved forward keeps the bytes it still covers and
    // reads on from where the last read ended, so that nothing is read twice.
    const unsigned char* View(std::int64_t offset, std::size_t count) {
        const std::int64_t end = m_windowStart + static_cast<std::int64_t>(m_windowBytes);
        if (offset >= m_windowStart && offset + static_cast<std::int64_t>(count) <= end)
            return m_window.data() + (offset - m_windowStart);
        grow(m_window, static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(kWindow), m_size)));
        std::size_t keep = 0;
        if (offset >= m_windowStart && offset < end && m_position == end) {
            keep = static_cast<std::size_t>(end - offset);
            std::memmove(m_window.data(), m_window.data() + (offset - m_windowStart), keep);
        }
        m_windowStart = offset;
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(m_window.size()), Left(offset)));
        m_windowBytes = keep + ReadSome(offset + static_cast<std::int64_t>(keep), m_window.data() + keep, want - keep);
        if (m_windowBytes < count) throw D::xIOError{};
        return m_window.data();
    }

    C_File m_file;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
    Bytes m_window;
    std::int64_t m_windowStart = 0;
    std::size_t m_windowBytes = 0;
};

// The offset of the first `needle` lying wholly within bytes[from, length), or npos.
std::size_t find(const unsigned char* bytes, std::size_t length, std::size_t from, std::string_view needle) noexcept {
    const std::string_view hay(reinterpret_cast<const char*>(bytes), length);
    return hay.find(needle, from);
}

// The description of a file, read record by record.
class Describer final {
public:
    Describer(Source& source, std::string_view marker, std::int64_t recordSize)
        : m_source(source), m_marker(marker), m_recordSize(recordSize) {}

    // The length of the record at `offset` (not at the end of the file), and
    // whether it is a file-mark record. `knownLength` is the length of the part's
    // data records in end-marker mode, 0 while unknown.
    std::int64_t Measure(std::int64_t offset, std::int64_t knownLength, bool& fileMark) {
        if (m_recordSize > 0) {
            if (m_source.Left(offset) < m_recordSize) throw D::xWrongRecordSize{};
            fileMark = m_recordSize >= static_cast<std::int64_t>(D::kFileMark.size()) &&
                       m_source.Matches(offset, D::kFileMark);
            return m_recordSize;
        }
        // A data record of the known length, unless the bytes there begin with
        // the file mark: such a record is measured by searching.
        const bool marked = m_source.Matches(offset, D::kFileMark);
        if (knownLength > 0 && !marked) {
            if (m_source.Left(offset) < knownLength) throw D::xIOError{};
            const auto m = static_cast<std::int64_t>(m_marker.size());
            if (knownLength < m || !m_source.Matches(offset + knownLength - m, m_marker)) throw D::xWrongRecordSize{};
            fileMark = false;
            return knownLength;
        }
        const std::int64_t length = Search(offset);
        fileMark = marked && length >= static_cast<std::int64_t>(D::kFileMark.size());
        // Bytes that began like a file mark but end within its eight bytes: a data
        // record, which must then have the part's length like the others.
        if (!fileMark && knownLength > 0 && length != knownLength) throw D::xWrongRecordSize{};
        return length;
    }

private:
    // The length of the record at `offset`: up to the end of the first marker that
    // lies wholly within the bytes from `offset` on. The bytes are searched where
    // the source's window holds them, piece by piece, each byte once; the last
    // marker length - 1 bytes of a piece are carried over, for a marker that
    // straddles two pieces. Nothing of the record is kept.
    std::int64_t Search(std::int64_t offset) {
        const std::size_t keep = m_marker.size() - 1;
        std::string carried;
        for (std::int64_t at = offset; at < m_source.Size();) {
            const std::string_view piece = m_source.Ahead(at);
            if (!carried.empty()) {
                // A marker that begins in the carried bytes ends within the first
                // `keep` bytes of the piece.
                const std::string joint = carried + std::string(piece.substr(0, keep));
                const std::size_t hit = joint.find(m_marker);
                if (hit != std::string::npos)
                    return at - static_cast<std::int64_t>(carried.size()) +
                           static_cast<std::int64_t>(hit + m_marker.size()) - offset;
            }
            const std::size_t hit = piece.find(m_marker);
            if (hit != std::string_view::npos) return at + static_cast<std::int64_t>(hit + m_marker.size()) - offset;
            carried.append(piece.substr(piece.size() > keep ? piece.size() - keep : 0));
            if (carried.size() > keep) carried.erase(0, carried.size() - keep);
            at += static_cast<std::int64_t>(piece.size());
        }
        throw D::xEndRecordNotFound{};
    }

    Source& m_source;
    std::string_view m_marker;
    std::int64_t m_recordSize;
};

// A 64-bit place in the file computed from a description entry.
struct Place final {
    std::int64_t offset;
    std::int64_t length;
};

std::int64_t first_record(const FIRDescription& e) noexcept {
    return static_cast<std::int64_t>(e.offset) + e.markLength;
}

Place record(const FIRDescription& e, std::int64_t zeroBasedIndex) noexcept {
    return {first_record(e) + zeroBasedIndex * e.recordLength, e.recordLength};
}

// Copies a result to the caller's room under the size rule of the extractions.
void deliver(const unsigned char* bytes, std::size_t length, unsigned char* out, int& size, int room) {
    if (room < 0 || length > static_cast<std::size_t>(room)) throw D::xBufferTooSmall{};
    if (out == nullptr && length > 0) throw D::xWrongInputParameter{};  // no code of its own: internal failure
    if (length > 0) std::memcpy(out, bytes, length);
    size = static_cast<int>(length);
}

}  // namespace

const FIRDescription& C_DC9File::Entry(const FIRDescription* description, int fir) const {
    if (fir < 1 || fir > m_firCount) throw xWrongRecordIndex{};
    // A null description has no code of its own: an internal failure.
    if (description == nullptr) throw xWrongInputParameter{};
    return description[fir - 1];
}

C_DC9File::ImageData C_DC9File::FindImageData(const unsigned char* bytes, std::size_t length) {
    const std::size_t open = find(bytes, length, 0, kImageStart);
    if (open == std::string_view::npos) throw xImageDataNotFound{};
    const std::size_t start = open + kImageStart.size();
    const std::size_t close = find(bytes, length, start, kImageEnd);
    if (close == std::string_view::npos) throw xImageDataNotFound{};
    return {start, close - start};
}

void C_DC9File::InitDescription(const unsigned char* endMarker, int endMarkerLength, int recordSize,
                                short& firCount, FIRDescription* description) const {
    if ((endMarkerLength != 0) == (recordSize != 0)) throw xWrongInputParameter{};
    if (endMarkerLength < 0 || recordSize < 0 || (endMarkerLength > 0 && endMarker == nullptr))
        throw xWrongInputParameter{};
    const std::string_view marker(reinterpret_cast<const char*>(endMarker), static_cast<std::size_t>(endMarkerLength));

    Source source(m_fileName);
    Describer describer(source, marker, recordSize);
    int fir = 0;                   // the part of the records read; 16-bit at the interface
    std::int64_t dataLength = 0;   // the length of the part's data records, 0 while unknown
    for (std::int64_t offset = 0; offset < source.Size();) {
        bool fileMark = false;
        const std::int64_t length = describer.Measure(offset, dataLength, fileMark);
        // Offsets and lengths are 32-bit at the interface: never wrapped.
        if (offset > kMaxOffset || length > kMaxOffset) throw xIOError{};
        if (fileMark) {
            if (fir == std::numeric_limits<short>::max()) throw xWrongFIRNumber{};
            ++fir;
            if (description != nullptr && fir <= m_firCount)
                description[fir - 1] = {static_cast<std::int32_t>(offset), static_cast<std::int32_t>(length), 0, 0};
            firCount = static_cast<short>(fir);
            dataLength = 0;
        } else {
            dataLength = length;
            if (description != nullptr) {
                if (fir == 0) {
                    // Data records before the first file mark: part 1, at offset 0 without a mark.
                    fir = 1;
                    if (m_firCount >= 1) description[0] = {0, 0, 0, 0};
                }
                if (fir <= m_firCount) {
                    ++description[fir - 1].recordCount;
                    description[fir - 1].recordLength = static_cast<std::int32_t>(length);
                }
            }
        }
        offset += length;
    }
    if (description != nullptr && fir > m_firCount) throw xWrongFIRNumber{};
}

void C_DC9File::ExtractImageByIndex(const FIRDescription* description, short fir, int recordIndex,
                                    unsigned char* out, int& size) const {
    const int room = size;
    size = 0;
    if (fir < 0 || fir > m_firCount) throw xWrongFIRNumber{};
    Source source(m_fileName);

    // The record: a place computed from the description alone.
    Place place{};
    const int k = fir > 0 ? fir : (recordIndex == -2 ? m_firCount : 1);
    if (recordIndex == -3) {
        const FIRDescription& e = Entry(description, k);
        place = {e.offset, e.markLength};
    } else if (recordIndex == -1 || recordIndex == -2) {
        const FIRDescription& e = Entry(description, k);
        if (e.recordCount < 1) throw xWrongRecordIndex{};
        if (recordIndex == -2) {
            place = record(e, static_cast<std::int64_t>(e.recordCount) - 1);
        } else {
            // The whole file's first record: part 1 taken to start at offset 0.
            place = fir > 0 ? record(e, 0) : Place{e.markLength, e.recordLength};
        }
    } else if (recordIndex >= 1) {
        std::int64_t r = recordIndex - 1;
        bool found = false;
        for (int j = fir > 0 ? fir : 1; j <= (fir > 0 ? fir : m_firCount) && !found; ++j) {
            const FIRDescription& e = Entry(description, j);
            if (r < e.recordCount) {
                place = record(e, r);
                found = true;
            } else {
                r -= std::max(e.recordCount, 0);
            }
        }
        if (!found) throw xWrongRecordIndex{};
    } else {
        throw xWrongRecordIndex{};  // 0 and below -3 name no record
    }

    Bytes buffer;
    source.ReadRecord(place.offset, place.length, buffer);
    if (recordIndex == -3) return deliver(buffer.data(), static_cast<std::size_t>(place.length), out, size, room);
    const ImageData image = FindImageData(buffer.data(), static_cast<std::size_t>(place.length));
    deliver(buffer.data() + image.start, image.length, out, size, room);
}

void C_DC9File::ExtractImageBySearchKey(const FIRDescription* description, short fir, int searchKeyCode,
                                        std::string_view searchKey, unsigned char* out, int& size) const {
    const int room = size;
    size = 0;
    if (fir < 0 || fir > m_firCount) throw xWrongFIRNumber{};
    if (searchKey.size() != kSearchKeySize) throw xWrongSearchKeySize{};
    Source source(m_fileName);

    const auto code = static_cast<unsigned char>(searchKeyCode & 0xFF);
    const int last = fir > 0 ? fir : m_firCount;
    Bytes buffer;
    for (int k = fir > 0 ? fir : 1; k <= last; ++k) {
        const FIRDescription& e = Entry(description, k);
        for (std::int64_t j = 0; j < e.recordCount; ++j) {
            const Place place = record(e, j);
            source.ReadRecord(place.offset, place.length, buffer);
            const auto length = static_cast<std::size_t>(place.length);
            const unsigned char* bytes = buffer.data();
            const unsigned char* hit =
                length > 0 ? static_cast<const unsigned char*>(std::memchr(bytes, code, length)) : nullptr;
            if (hit == nullptr) throw xSearchKeyCodeNotFound{};
            for (; hit != nullptr; hit = static_cast<const unsigned char*>(
                                       std::memchr(hit + 1, code, length - static_cast<std::size_t>(hit + 1 - bytes)))) {
                const auto at = static_cast<std::size_t>(hit - bytes) + 1;
                if (length - at < kSearchKeySize) break;
                if (std::memcmp(bytes + at, searchKey.data(), kSearchKeySize) == 0) {
                    const ImageData image = FindImageData(bytes, length);
                    return deliver(bytes + image.start, image.length, out, size, room);
                }
            }
        }
    }
    throw xRecordNotFound{};
}

void C_DC9File::DecryptOrEncryptImageFile(const FIRDescription* description, const char* outFileName,
                                          const C_StringHexa& key, short direction, int blockMode) const {
    if (key.GetLength() != 16) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongCryptMode{};
    // A copy of no parts would only create an empty target.
    if (m_firCount < 1) throw xWrongFIRNumber{};
    Source source(m_fileName);
    C_File target = open(outFileName != nullptr ? outFileName : "", C_File::Mode::Append);
    const auto write = [&](const unsigned char* bytes, std::size_t count) {
        try {
            target.Write(bytes, count);
        } catch (...) {
            throw xIOError{};
        }
    };
    try {
        if (target.Size() != 0) throw xFileAlreadyExists{};
    } catch (const C_File::xReadFailed&) {
        throw xIOError{};
    } catch (const C_File::xSeekFailed&) {
        throw xIOError{};
    }

    // The source is read straight through, part after part, as the description
    // lays it out; one buffer serves every record. The images are encrypted in
    // batches; a failure first writes everything before it.
    Bytes buffer;
    std::int64_t offset = 0;
    bool keyLoaded = false;
    C_DESBatch batch(direction != 0 ? 1 : 0);
    const auto bytes_of = [](const unsigned char* p, std::size_t n) {
        return std::string_view(reinterpret_cast<const char*>(p), n);
    };
    const auto flush = [&] {
        batch.Flush([&](const char* p, std::size_t n) { write(reinterpret_cast<const unsigned char*>(p), n); });
    };
    try {
        for (int k = 1; k <= m_firCount; ++k) {
            const FIRDescription& e = Entry(description, k);
            source.ReadRecord(offset, e.markLength, buffer);
            batch.Append(bytes_of(buffer.data(), static_cast<std::size_t>(e.markLength)));
            offset += e.markLength;
            for (std::int64_t j = 0; j < e.recordCount; ++j) {
                source.ReadRecord(offset, e.recordLength, buffer);
                const auto length = static_cast<std::size_t>(e.recordLength);
                const ImageData image = FindImageData(buffer.data(), length);
                if (image.length <= kFlagByte + 1) throw xWrongImageDataSize{};
                unsigned char* data = buffer.data() + image.start;
                const std::string_view digits =
                    C_StringHexa::Checked(bytes_of(data + kFlagByte + 1, image.length - kFlagByte - 1));
                data[kFlagByte] = direction != 0 ? '1' : '0';
                // The key schedule is computed once per call, at the first image.
                if (!keyLoaded) {
                    C_Image::InitDES(key, blockMode);
                    keyLoaded = true;
                }
                C_Image::CheckFast(digits.size(), blockMode);
                const std::size_t before = image.start + kFlagByte + 1;
                batch.Append(bytes_of(buffer.data(), before));
                batch.AppendDigits(digits);
                batch.Append(bytes_of(buffer.data() + before + digits.size(), length - before - digits.size()));
                if (batch.Full()) flush();
                offset += e.recordLength;
            }
        }
    } catch (...) {
        flush();
        throw;
    }
    flush();
    try {
        target.Close();
    } catch (...) {
        throw xIOError{};
    }
}
