#pragma once
// A personalization image file: fixed-length records of upper-case hexadecimal
// digits, one a line, each line ended by CR LF, optionally after one header
// line. Whether the first line is a header is not written in the file: the
// caller says so with the header flag.
//
//   header line (if any)   h characters, CR LF          H = h + 2, else 0
//   record 0 ... N-1       r characters each, CR LF     stride L = r + 2
//
// Record k starts at H + k * L, and N = (file size - H) div L. Every operation
// opens the file, works and closes it; nothing stays open between operations.
// Memory stays bounded by one record (or one header line) and a read buffer,
// whatever the size of the file.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "crypto/C_Image.h"
#include "imagefile/C_ImageFileHeader.h"
#include "types/C_StringHexa.h"

class C_ImageFile final {
public:
    class xIOError final {};             // the file could not be opened, read, sought or written
    class xNoHeader final {};            // no header line (flag 0, or an empty file)
    class xInvalidFile final {};         // a record or a field breaks the layout
    class xImageNotFound final {};       // no record there, or none with that field value
    class xImageFoundMultiple final {};  // several records with that field value
    class xWrongIndex final {};          // an index below 0 other than -1 and -2
    class xWrongPos final {};            // a position below 1 or above 60001
    class xInvalidPos final {};          // a position past the end of the record
    class xOverlap final {};             // a field running past the end of the record
    class xBufferTooSmall final {};      // records longer than the caller's output
    class xWrongKeyLength final {};      // a key that is not 16 digits
    class xWrongSwapMode final {};       // a field mode other than 0 to 3
    class xWrongCryptMode final {};      // a block mode other than 0
    class xFileAlreadyExists final {};   // a target file that is not empty

    // How a searched field is written in the records.
    enum FieldMode : int {
        kHexaField = 0,      // the value's digits as they are, hexadecimal index arithmetic
        kDecField = 1,       // the same, decimal index arithmetic
        kSwapHexaField = 2,  // the two digits of every byte swapped, odd values padded by a filler digit
        kSwapDecField = 3,   // the same, decimal index arithmetic
    };

    C_ImageFile() = default;
    C_ImageFile(std::string fileName, short headerFlag) : m_fileName(std::move(fileName)), m_headerFlag(headerFlag) {}

    const std::string& GetFileName() const noexcept { return m_fileName; }
    short GetHeaderFlag() const noexcept { return m_headerFlag; }

    // ---- Reading ----

    // The first line without its line end, not parsed. xNoHeader when the flag
    // is 0 or the file is empty; xBufferTooSmall when the line is longer than
    // `maxLength` (so that no more than that is ever held).
    std::string ReadHeader(std::size_t maxLength = std::string::npos) const;

    // Record `index` (0-based; -1 the first, -2 the last). xWrongIndex for other
    // negative indexes; xImageNotFound past the last record; xInvalidFile when the
    // line there does not start a line, differs in length from record 0, ends in a
    // lone LF, or is not 1 to 60000 upper-case hexadecimal digits.
    C_Image ReadImage(int index) const;

    // The record whose field at 1-based `position` equals `value`, in a file
    // whose field values run without gaps from the first record to the last: its
    // index is computed from the value, so only three records are read. `key`
    // (or null): the records are stored DES-encrypted with it; the field is read
    // from, and the record returned, decrypted. `outputSize`: records longer than
    // this are xBufferTooSmall before the search. See the .cpp for the checks.
    C_Image FindBySequentialField(int position, const C_StringHexa& value, const C_StringHexa* key, int fieldMode,
                                  int blockMode, int outputSize) const;

    // The first record whose field at `position` (digits as they stand) equals
    // `value`, reading every record in turn. A record that is not valid
    // hexadecimal raises the typed string's own exception; one of another length
    // than record 0 is xInvalidFile.
    C_Image FindByScan(int position, const C_StringHexa& value, const C_StringHexa* key, int blockMode) const;

    // As FindByScan, but reads every record and stores the number of matches in
    // `count` once the scan has run, before xImageNotFound (none) or
    // xImageFoundMultiple (several); returns the one match.
    C_Image CountByScan(int position, const C_StringHexa& value, const C_StringHexa* key, int blockMode,
                        int& count) const;

    // ---- Writing ----

    // A header parsed for writing into a file: a text holding a CR or an LF
    // would split the header line in two and shift every record, so it is
    // refused as C_ImageFileHeader::xInvalidHeader, like a text that does not parse.
    static C_ImageFileHeader HeaderLine(std::string_view text);

    // Files are opened for appending: created when missing, never truncated.
    // Every line is written with CR LF. A failure part-way keeps what was written.

    // Writes the header's text and a line end into the empty (or missing) file.
    // xNoHeader (flag 0), xFileAlreadyExists (the file is not empty: unchanged), xIOError.
    void WriteHeader(const C_ImageFileHeader& header) const;

    // Appends the record and a line end, after completing a last line that lacks
    // its line end (CR LF after text, LF after a lone CR). xInvalidFile when the
    // flag is set and the file is empty (its header line is missing), xIOError.
    void AppendImage(const C_Image& image) const;

    // Writes `targetName` from this file: the header line (this file's, unchanged,
    // or `newHeader`'s text when given), then every record encrypted (direction
    // non-zero) or decrypted with `key`, single DES block by block. Streams: one
    // record is held at a time. Empty lines at the end are ignored; an empty line
    // followed by a record is xInvalidFile, and so is a header line longer than
    // 60000 characters or holding a NUL or a CR of its own (nothing is written). Checks: xWrongKeyLength, xWrongCryptMode,
    // then the files (xIOError), xFileAlreadyExists (target not empty: unchanged),
    // then the records one by one (xInvalidFile); the target keeps what was written.
    void CryptFile(const std::string& targetName, const C_StringHexa& key, short direction,
                   const C_ImageFileHeader* newHeader, int blockMode) const;

private:
    class Layout;
    template <class OnMatch>
    void Scan(int position, const C_StringHexa& value, const C_StringHexa* key, int blockMode, OnMatch&& onMatch) const;

    std::string m_fileName;
    short m_headerFlag = 0;
};
