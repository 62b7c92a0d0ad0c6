#include "dc9/C_DC9File.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "crypto/C_DESBatch.h"
#include "crypto/C_Image.h"
#include "io/C_ByteReader.h"
#include "io/C_File.h"
#include "types/C_StringHexa.h"

namespace {

using D = C_DC9File;
using Bytes = C_ByteReader::Bytes;

constexpr std::string_view kImageStart{"#SMC#"};
constexpr std::string_view kImageEnd{"#END#"};
constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

// Runs `body`, turning every failure of the file into xIOError and a buffer
// that cannot grow into xMemError.
template <class Body>
decltype(auto) file_access(Body&& body) {
    try {
        return C_File::FailuresAs<D::xIOError>(std::forward<Body>(body));
    } catch (const C_ByteReader::xNoMemory&) {
        throw D::xMemError{};
    }
}

// The offset of the first `needle` lying wholly within bytes[from, length), or npos.
std::size_t find(const unsigned char* bytes, std::size_t length, std::size_t from, std::string_view needle) noexcept {
    const std::string_view hay(reinterpret_cast<const char*>(bytes), length);
    return hay.find(needle, from);
}

// The description of a file, read record by record.
class Describer final {
public:
    Describer(C_ByteReader& source, std::string_view marker, std::int64_t recordSize)
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

    C_ByteReader& m_source;
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

    file_access([&] {
        C_ByteReader source(m_fileName);
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
    });
}

void C_DC9File::ExtractImageByIndex(const FIRDescription* description, short fir, int recordIndex,
                                    unsigned char* out, int& size) const {
    const int room = size;
    size = 0;
    if (fir < 0 || fir > m_firCount) throw xWrongFIRNumber{};
    file_access([&] {
        C_ByteReader source(m_fileName);

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
    });
}

void C_DC9File::ExtractImageBySearchKey(const FIRDescription* description, short fir, int searchKeyCode,
                                        std::string_view searchKey, unsigned char* out, int& size) const {
    const int room = size;
    size = 0;
    if (fir < 0 || fir > m_firCount) throw xWrongFIRNumber{};
    if (searchKey.size() != kSearchKeySize) throw xWrongSearchKeySize{};
    file_access([&] {
        C_ByteReader source(m_fileName);

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
                for (; hit != nullptr;
                     hit = static_cast<const unsigned char*>(
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
    });
}

void C_DC9File::DecryptOrEncryptImageFile(const FIRDescription* description, const char* outFileName,
                                          const C_StringHexa& key, short direction, int blockMode) const {
    if (key.GetLength() != 16) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongCryptMode{};
    // A copy of no parts would only create an empty target.
    if (m_firCount < 1) throw xWrongFIRNumber{};
    file_access([&] {
        C_ByteReader source(m_fileName);
        C_File target(outFileName != nullptr ? outFileName : "", C_File::Mode::Append);
        if (target.Size() != 0) throw xFileAlreadyExists{};

        // The source is read straight through, part after part, as the description
        // lays it out; one buffer serves every record. The images are processed in
        // batches; a failure first writes everything before it.
        Bytes buffer;
        std::int64_t offset = 0;
        const auto bytes_of = [](const unsigned char* p, std::size_t n) {
            return std::string_view(reinterpret_cast<const char*>(p), n);
        };
        C_DESBatch batch(key, direction != 0 ? 1 : 0, blockMode,
                         [&](const char* bytes, std::size_t size) { target.Write(bytes, size); });
        batch.Run([&] {
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
                    const std::size_t before = image.start + kFlagByte + 1;
                    const std::size_t after = before + digits.size();
                    batch.AppendRecord(bytes_of(buffer.data(), before), digits,
                                       bytes_of(buffer.data() + after, length - after));
                    offset += e.recordLength;
                }
            }
        });
        target.Close();
    });
}
