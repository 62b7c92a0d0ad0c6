#include "imagefile/C_ImageFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

#include "crypto/C_DES.h"
#include "crypto/C_DESBatch.h"
#include "io/C_File.h"
#include "io/C_LineReader.h"
#include "types/C_StringDec.h"
#include "types/hexa_codec.h"

namespace {

using S = C_StringType;
using Line = C_LineReader::Line;
using End = C_LineReader::End;

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kKeyDigits = 16;
constexpr int kBlockDigits = 16;
// What is kept of a record line: one character more than a record may have, so
// that an over-long line still fails as a typed string would.
constexpr std::size_t kRecordKeep = S::kMaxLength + 1;
// Read buffers: large for the scans and the conversion, which read every record
// in turn, many records a read, straight into the line reader's buffer (256 KiB
// reads cost the least system time per byte here, and the records are then
// checked while they are still in the cache); small for the searches and the
// index, which read a few lines at computed offsets.
constexpr std::size_t kStreamBuffer = std::size_t{256} * 1024;
constexpr std::size_t kProbeBuffer = std::size_t{4} * 1024;

// Runs `body`, turning every failure of the file itself into xIOError.
template <class Body>
decltype(auto) file_access(Body&& body) {
    return C_File::FailuresAs<C_ImageFile::xIOError>(std::forward<Body>(body));
}

// Runs `body`, turning every failure of a typed string into `X`.
template <class X, class Body>
decltype(auto) typed_failure_as(Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (const S::xEmptyString&) {
        throw X{};
    } catch (const S::xStringTooLong&) {
        throw X{};
    } catch (const S::xInvalidType&) {
        throw X{};
    } catch (const S::xModuloError&) {
        throw X{};
    } catch (const S::xNegativeResult&) {
        throw X{};
    } catch (const S::xNumberTooBig&) {
        throw X{};
    } catch (const S::xResultTooBig&) {
        throw X{};
    } catch (const S::xWrongValue&) {
        throw X{};
    }
}

void check_key(const C_StringHexa* key, int blockMode) {
    if (key != nullptr && key->GetLength() != kKeyDigits) throw C_ImageFile::xWrongKeyLength{};
    if (key != nullptr && blockMode != 0) throw C_ImageFile::xWrongCryptMode{};
}

// The position rule for a field of `width` characters at 1-based `position` in
// records of `recordLength` characters.
std::int64_t field_start(int position, std::int64_t width, std::int64_t recordLength) {
    const std::int64_t p0 = static_cast<std::int64_t>(position) - 1;
    if (p0 < 0 || p0 > S::kMaxLength) throw C_ImageFile::xWrongPos{};
    if (p0 > recordLength - 1) throw C_ImageFile::xInvalidPos{};
    if (p0 + width > recordLength) throw C_ImageFile::xOverlap{};
    return p0;
}

// A field value compared where it stands in records of `stride` bytes (digits
// and line end), as many records a scan reads: its first eight bytes (or all of
// it when shorter) compared as one word, the rest only when they match.
class FieldMatch final {
public:
    FieldMatch(std::string_view value, std::size_t at, std::size_t stride) : m_value(value), m_at(at) {
        const std::size_t n = std::min<std::size_t>(value.size(), 8);
        if (stride < 8 || n == 0) return;
        // The word read: at the field, or the record's last eight bytes when the
        // field is closer than that to the record's end.
        m_word = std::min(at, stride - 8);
        const std::size_t shift = 8 * (at - m_word);
        char bytes[8] = {};
        std::memcpy(bytes, value.data(), n);
        m_want = vek::hexa::load(bytes) << shift;
        m_mask = (n == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1) << shift;
        m_wide = true;
    }

    // Whether the field of `record` (of `stride` bytes readable) is the value.
    bool In(const char* record) const noexcept {
        if (m_wide) {
            if (((vek::hexa::load(record + m_word) ^ m_want) & m_mask) != 0) return false;
            if (m_value.size() <= 8) return true;
        }
        return std::memcmp(record + m_at, m_value.data(), m_value.size()) == 0;
    }

private:
    std::string_view m_value;
    std::size_t m_at;
    std::size_t m_word = 0;
    std::uint64_t m_want = 0, m_mask = 0;
    bool m_wide = false;
};

// A difference of two field values (digits without leading zeros) as a record
// index; one that does not fit in a signed 32-bit integer cannot be one.
int index_of(const std::string& digits, int base) {
    int index = 0;
    const char* end = digits.data() + digits.size();
    const auto [at, error] = std::from_chars(digits.data(), end, index, base);
    if (error != std::errc{} || at != end) throw C_ImageFile::xInvalidFile{};
    return index;
}

}  // namespace

// An image file opened for reading, with the offsets of its layout: the header
// line's end, record 0's length and the stride, all taken from the file's first
// lines.
class C_ImageFile::Layout final {
public:
    // `lineBuffer`: the line reader's buffer; `fileBuffer`: the file's own
    // (C_File::kNoBuffer when the line reader reads in large blocks).
    Layout(const C_ImageFile& file, std::size_t lineBuffer, std::size_t fileBuffer)
        : m_file(file.GetFileName().c_str(), C_File::Mode::Read, fileBuffer), m_lines(m_file, lineBuffer) {
        m_size = m_file.Size();
        Line line;
        if (file.GetHeaderFlag() != 0) {
            const bool found = m_lines.Next(line, 0);
            m_headerEnd = (found ? line.length : 0) + 2;
            m_headerWhole = found && line.end == End::CrLf;
        }
        if (m_lines.Next(line, kRecordKeep)) {
            m_recordLength = line.length;
            m_first.assign(line.text).append(kLineEnd);
            m_firstKept = line.text.size();
            m_firstWhole = line.end == End::CrLf;
        }
        m_stride = m_recordLength + 2;
    }

    std::int64_t RecordLength() const noexcept { return m_recordLength; }
    // N: the number of whole strides after the header.
    std::int64_t Count() const noexcept { return m_size > m_headerEnd ? (m_size - m_headerEnd) / m_stride : 0; }

    // Record k read at its offset H + k * L, in one read of a known size: the
    // byte before it must be the LF of a line end (so the record starts a line),
    // then record 0's length in digits, then CR LF or the end of the file.
    // Anything else is not a record of this file: xInvalidFile.
    C_Image Record(std::int64_t k) {
        if (k < 0 || m_headerEnd > m_size - 1 || k > (m_size - 1 - m_headerEnd) / m_stride) throw xImageNotFound{};
        if (m_recordLength > S::kMaxLength) throw xInvalidFile{};
        const std::int64_t offset = m_headerEnd + k * m_stride;
        const std::size_t before = offset > 0 ? 1 : 0;
        const auto r = static_cast<std::size_t>(m_recordLength);
        m_record.resize(before + r + kLineEnd.size());
        m_file.Seek(offset - static_cast<std::int64_t>(before));
        const std::size_t got = m_file.Read(m_record.data(), m_record.size());
        const std::string_view bytes(m_record.data(), got);
        if (before == 1 && (got == 0 || bytes[0] != '\n')) throw xInvalidFile{};
        const bool ended = got == m_record.size() ? bytes.substr(before + r) == kLineEnd : got == before + r;
        if (!ended) throw xInvalidFile{};
        return typed_failure_as<xInvalidFile>([&] { return C_Image(bytes.substr(before, r)); });
    }

    // Every record in turn, from record 0 on, each handed to `visit` as its text
    // until `visit` returns false. The records are consecutive lines, each of
    // which must have record 0's length and end with CR LF (so that each starts
    // at its offset), else xInvalidFile, and must be a valid hexadecimal string,
    // else the typed string's own failure: each record is checked in turn, and
    // one is visited only when it passed. The text handed over stays valid
    // until the next record, and its line end follows it in memory (a whole
    // stride can be read from its start).
    //
    // After record 0 the records are taken from the reader's buffer many at a
    // time where they stand: their boundaries are known (the stride), and a run
    // of them is checked at once; only a run that fails is looked at record by
    // record, to fail at the first bad one as a line-by-line reading would.
    template <class Visit>
    void ForEach(Visit&& visit) {
        const std::int64_t count = Count();
        if (count == 0) return;
        if ((m_headerEnd > 0 && !m_headerWhole) || !m_firstWhole) throw xInvalidFile{};
        const std::string_view first(m_first.data(), m_firstKept);
        C_StringHexa::Checked(first);  // the typed string's own failure, unchanged
        if (!visit(first)) return;
        // Record 0 is 1 to 60000 digits: a stride fits in the reader's buffer.
        const auto r = static_cast<std::size_t>(m_recordLength);
        const auto stride = static_cast<std::size_t>(m_stride);
        for (std::int64_t k = 1; k < count;) {
            const std::span<char> ahead = m_lines.Ahead(stride);
            const auto n = static_cast<std::size_t>(std::min<std::int64_t>(
                static_cast<std::int64_t>(ahead.size() / stride), count - k));
            if (n == 0) throw xInvalidFile{};  // the file ends inside the record
            const std::size_t good = vek::hexa::valid_lines(ahead.data(), n, r, kLineEnd);
            for (std::size_t i = 0; i < good; ++i)
                if (!visit(std::string_view(ahead.data() + i * stride, r))) return;
            if (good < n) {
                // The line there is another length or lacks its CR LF (an LF in
                // the digits ends it early); else a character is no digit.
                const std::string_view line(ahead.data() + good * stride, stride);
                if (line.substr(0, r).find('\n') != std::string_view::npos || line.substr(r) != kLineEnd)
                    throw xInvalidFile{};
                C_StringHexa::Checked(line.substr(0, r));
                throw xInvalidFile{};  // not reached: the check above fails
            }
            m_lines.Skip(n * stride);
            k += static_cast<std::int64_t>(n);
        }
    }

private:
    C_File m_file;
    C_LineReader m_lines;
    std::int64_t m_size = 0;
    std::int64_t m_headerEnd = 0;     // H
    std::int64_t m_recordLength = 0;  // r
    std::int64_t m_stride = 2;        // L
    bool m_headerWhole = false;       // the header line ends with CR LF
    std::string m_first;              // record 0's text (as much as is kept) and CR LF
    std::size_t m_firstKept = 0;      // the length of that text
    std::string m_record;             // the bytes read for one record
    bool m_firstWhole = false;        // record 0 ends with CR LF
};

// ---- Reading ----

std::string C_ImageFile::ReadHeader(std::size_t maxLength) const {
    if (m_headerFlag == 0) throw xNoHeader{};
    return file_access([&] {
        C_File file(m_fileName.c_str(), C_File::Mode::Read, kProbeBuffer);
        C_LineReader lines(file, kProbeBuffer);
        Line line;
        const std::size_t keep = maxLength == std::string::npos ? maxLength : maxLength + 1;
        if (!lines.Next(line, keep)) throw xNoHeader{};
        if (static_cast<std::uint64_t>(line.length) > maxLength) throw xBufferTooSmall{};
        return std::string(line.text);
    });
}

C_Image C_ImageFile::ReadImage(int index) const {
    if (index < 0 && index != -1 && index != -2) throw xWrongIndex{};
    return file_access([&] {
        Layout layout(*this, kProbeBuffer, kProbeBuffer);
        const std::int64_t k = index == -2 ? layout.Count() - 1 : index == -1 ? 0 : index;
        return layout.Record(k);
    });
}

// Checks, in this order: key length, block mode, field mode; the first record
// (none: xImageNotFound) against `outputSize`; the last record, its length and
// `outputSize`; the position; then, on the decrypted first and last records,
// ascending fields (xInvalidFile) and the value within them (xImageNotFound);
// the index from the difference value - first field; the record there, its
// length and its field. A typed-string failure on the way (a field that is not
// decimal in the decimal modes, records that are not whole DES blocks) means
// the file is not what a sequential search needs: xInvalidFile.
C_Image C_ImageFile::FindBySequentialField(int position, const C_StringHexa& value, const C_StringHexa* key,
                                           int fieldMode, int blockMode, int outputSize) const {
    const bool swapped = fieldMode == kSwapHexaField || fieldMode == kSwapDecField;
    const bool decimal = fieldMode == kDecField || fieldMode == kSwapDecField;
    const std::int64_t n = value.GetLength();
    const std::int64_t pad = swapped && n % 2 == 1 ? 1 : 0;
    check_key(key, blockMode);
    if (fieldMode < kHexaField || fieldMode > kSwapDecField) throw xWrongSwapMode{};

    return file_access([&] {
        Layout layout(*this, kProbeBuffer, kProbeBuffer);
        C_Image first = layout.Record(0);
        const int r = first.GetLength();
        if (r > outputSize) throw xBufferTooSmall{};
        C_Image last = layout.Record(layout.Count() - 1);
        if (last.GetLength() > outputSize) throw xBufferTooSmall{};
        if (last.GetLength() != r) throw xInvalidFile{};
        const auto p0 = static_cast<std::size_t>(field_start(position, n + pad, r));

        // The field as the value is written: the pairs swapped back and the filler
        // dropped in the swapped modes.
        const auto field = [&](const C_Image& record) {
            C_StringHexa digits(std::string_view(record.GetValue()).substr(p0, static_cast<std::size_t>(n + pad)),
                                S::kHexadecimal);
            if (swapped) digits.SwapPairs();
            return digits.GetValue().substr(0, static_cast<std::size_t>(n));
        };
        return typed_failure_as<xInvalidFile>([&] {
            if (key != nullptr) {
                first.Decrypt(*key);
                last.Decrypt(*key);
            }
            const std::string x = field(first);
            const std::string y = field(last);
            const std::string& t = value.GetValue();
            if (x > y) throw xInvalidFile{};
            if (t < x || t > y) throw xImageNotFound{};
            const int index = decimal ? index_of(C_StringDec(t, S::kDecimal)
                                                     .Subtract(C_StringDec(x, S::kDecimal))
                                                     .GetValue(), 10)
                                      : index_of(value.Subtract(C_StringHexa(x, S::kHexadecimal)).GetValue(), 16);
            if (index < 0) throw xInvalidFile{};
            C_Image found = layout.Record(index);
            if (key != nullptr) found.Decrypt(*key);
            if (found.GetLength() != r || field(found) != t) throw xInvalidFile{};
            return found;
        });
    });
}

// The scans read the records as consecutive lines. The field of every record is
// compared where it stands; with a key only the DES blocks under the field are
// decrypted, and the whole record once it matches. The key is loaded into the
// engine once, before the first decryption.
template <class OnMatch>
void C_ImageFile::Scan(int position, const C_StringHexa& value, const C_StringHexa* key, int blockMode,
                       OnMatch&& onMatch) const {
    check_key(key, blockMode);
    file_access([&] {
        Layout layout(*this, kStreamBuffer, C_File::kNoBuffer);
        const std::int64_t r = layout.RecordLength();
        const std::string& t = value.GetValue();
        const auto p0 = static_cast<std::size_t>(field_start(position, static_cast<std::int64_t>(t.size()), r));
        const std::size_t firstBlock = p0 / kBlockDigits * kBlockDigits;
        const std::size_t endBlock = (p0 + t.size() + kBlockDigits - 1) / kBlockDigits * kBlockDigits;
        if (key == nullptr) {
            // The field's words held by value, in registers through the run.
            const FieldMatch field(t, p0, static_cast<std::size_t>(r) + kLineEnd.size());
            layout.ForEach([field, &onMatch](std::string_view text) {
                return !field.In(text.data()) || onMatch(C_Image(text));
            });
            return;
        }
        std::string work;
        bool keyLoaded = false;
        layout.ForEach([&](std::string_view text) {
            if (!keyLoaded) {
                if (r % kBlockDigits != 0) throw S::xModuloError{};
                C_Image::InitDES(*key, blockMode);
                keyLoaded = true;
            }
            work.assign(text.substr(firstBlock, endBlock - firstBlock));
            C_DES::Instance().CalDESHexaBlocks(0, work.data(), work.size() / kBlockDigits);
            if (std::string_view(work).substr(p0 - firstBlock, t.size()) != t) return true;
            C_Image record(text);
            record.CalDES_Fast(0, blockMode);
            return onMatch(std::move(record));
        });
    });
}

C_Image C_ImageFile::FindByScan(int position, const C_StringHexa& value, const C_StringHexa* key,
                                int blockMode) const {
    C_Image found;
    bool any = false;
    Scan(position, value, key, blockMode, [&](C_Image&& record) {
        found = std::move(record);
        any = true;
        return false;
    });
    if (!any) throw xImageNotFound{};
    return found;
}

C_Image C_ImageFile::CountByScan(int position, const C_StringHexa& value, const C_StringHexa* key, int blockMode,
                                 int& count) const {
    C_Image found;
    std::int64_t matches = 0;
    Scan(position, value, key, blockMode, [&](C_Image&& record) {
        if (matches++ == 0) found = std::move(record);
        return true;
    });
    count = matches > INT32_MAX ? INT32_MAX : static_cast<int>(matches);
    if (matches == 0) throw xImageNotFound{};
    if (matches > 1) throw xImageFoundMultiple{};
    return found;
}

// ---- Writing ----

C_ImageFileHeader C_ImageFile::HeaderLine(std::string_view text) {
    if (text.find_first_of("\r\n") != std::string_view::npos) throw C_ImageFileHeader::xInvalidHeader{};
    return C_ImageFileHeader(text);
}

void C_ImageFile::WriteHeader(const C_ImageFileHeader& header) const {
    if (m_headerFlag == 0) throw xNoHeader{};
    file_access([&] {
        C_File file(m_fileName.c_str(), C_File::Mode::Append);
        if (file.Size() != 0) throw xFileAlreadyExists{};
        file.Write(header.GetText() + std::string(kLineEnd));
        file.Close();
    });
}

void C_ImageFile::AppendImage(const C_Image& image) const {
    file_access([&] {
        C_File file(m_fileName.c_str(), C_File::Mode::Append);
        const std::int64_t size = file.Size();
        if (m_headerFlag != 0 && size == 0) throw xInvalidFile{};
        // A last line without its line end is completed first, so that the record
        // starts a line of its own and no byte before it changes: CR LF after text,
        // LF after a lone CR, nothing after an LF (a lone LF already ends a line).
        std::string_view completion;
        if (size > 0) {
            C_File current(m_fileName.c_str(), C_File::Mode::Read, kProbeBuffer);
            current.Seek(size - 1);
            char last = 0;
            if (current.Read(&last, 1) != 1) throw xIOError{};
            completion = last == '\n' ? std::string_view{} : last == '\r' ? kLineEnd.substr(1) : kLineEnd;
        }
        std::string text;
        text.reserve(completion.size() + image.GetValue().size() + kLineEnd.size());
        text.append(completion).append(image.GetValue()).append(kLineEnd);
        file.Write(text);
        file.Close();
    });
}

void C_ImageFile::CryptFile(const std::string& targetName, const C_StringHexa& key, short direction,
                            const C_ImageFileHeader* newHeader, int blockMode) const {
    if (key.GetLength() != kKeyDigits) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongCryptMode{};
    file_access([&] {
        C_File source(m_fileName.c_str(), C_File::Mode::Read, C_File::kNoBuffer);
        C_File target(targetName.c_str(), C_File::Mode::Append, C_File::kNoBuffer);
        if (target.Size() != 0) throw xFileAlreadyExists{};
        C_LineReader lines(source, kStreamBuffer);
        Line line;

        // The header line: the new header wins over the source's, which is copied
        // as it stands when there is no new one. Like every line read, the source's
        // is at most 60000 characters; one that is longer, or that holds a NUL or a
        // CR of its own, is no image file's header: refused before anything is
        // written, and read no further than that shows.
        std::string headerText;
        if (m_headerFlag != 0) {
            lines.Next(line, kRecordKeep, S::kMaxLength);
            if (line.length > S::kMaxLength) throw xInvalidFile{};
            if (newHeader == nullptr) {
                if (line.text.find_first_of(std::string_view("\0\r", 2)) != std::string_view::npos)
                    throw xInvalidFile{};
                headerText.assign(line.text);
            }
        }
        if (newHeader != nullptr) headerText = newHeader->GetText();
        if (m_headerFlag != 0 || newHeader != nullptr) target.Write(headerText + std::string(kLineEnd));

        // The records, in order. Empty lines may close the file; a record after
        // an empty line is an error, never silently dropped. The records are
        // processed in batches; a failure first writes the records before it.
        //
        // After a record ended by CR LF, the lines that follow are taken as
        // records of the same length, many at a time, where they stand in the
        // reader's buffer: a run of them is checked at once (digits, CR LF), and
        // those that pass are encrypted in place and written as they are. The
        // first line that does not pass (another length, another line end, a
        // character that is no digit, an empty line, the file's end) is read as
        // a line and judged as such, as every record was before it.
        C_DESBatch batch(key, direction != 0 ? 1 : 0, blockMode,
                         [&](const char* bytes, std::size_t size) { target.Write(bytes, size); });
        bool emptyLine = false;
        std::size_t length = 0;  // the run's record length; 0: none
        batch.Run([&] {
            for (;;) {
                if (length > 0) {
                    const std::size_t stride = length + kLineEnd.size();
                    const std::span<char> ahead = lines.Ahead(stride);
                    const std::size_t n = ahead.size() / stride;
                    const std::size_t good = vek::hexa::valid_lines(ahead.data(), n, length, kLineEnd);
                    batch.AppendRecords(ahead.data(), good, length, stride);
                    lines.Skip(good * stride);
                    if (good > 0 && good == n) continue;
                }
                if (!lines.Next(line, kRecordKeep, S::kMaxLength)) break;
                if (line.length == 0) {
                    emptyLine = true;
                    length = 0;
                    continue;
                }
                if (emptyLine) throw xInvalidFile{};
                typed_failure_as<xInvalidFile>([&] {
                    C_StringHexa::Checked(line.text);
                    if (line.text.size() % kBlockDigits != 0) throw S::xModuloError{};
                });
                batch.AppendRecord({}, line.text, kLineEnd);
                length = line.end == End::CrLf ? line.text.size() : 0;
            }
        });
        target.Close();
    });
}
