#pragma once
// A DC9 record file: the binary batch of personalization records that goes to a
// personalization machine.
//
// The file is a plain sequence of records. A record that begins with the eight
// bytes "FILEMK\\" is a file-mark record and opens a part (a FIR, numbered from 1);
// every other record is a data record of the part opened last. A data record
// carries one image between the markers "#SMC#" and "#END#". Record boundaries
// are not stored: the caller gives either one fixed record size or an end marker
// that closes every record.
//
// A description (one FIRDescription per part, owned by the caller) is read once by
// InitDescription and then trusted by the other operations, which compute file
// offsets from it and read only the records they need. A description may be
// hostile: no operation reads outside the record it names or outside the file,
// and no buffer grows beyond the file's size because of a length in it.
//
// Each operation opens the file, works and closes it; nothing stays open.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>


class C_StringHexa;

// One part of a DC9 file as the caller's description holds it: the same four
// 32-bit integers as FIRDescription in vek.h (whichever header comes first
// defines it).
#ifndef VEK_FIR_DESCRIPTION
#define VEK_FIR_DESCRIPTION
typedef struct FIRDescription {
    std::int32_t offset;
    std::int32_t markLength;
    std::int32_t recordCount;
    std::int32_t recordLength;
} FIRDescription;
#endif

class C_DC9File final {
public:
    class xWrongInputParameter final {};    // not exactly one of end marker and record size given
    class xWrongRecordSize final {};        // a partial record; a record that does not end with the marker
    class xWrongFIRNumber final {};         // a part number out of range; more parts than the description holds
    class xIOError final {};                // a file cannot be opened, read, written, or a position is outside it
    class xMemError final {};               // a record buffer cannot be allocated
    class xEndRecordNotFound final {};      // no end marker between a record's start and the end of the file
    class xWrongRecordIndex final {};       // no such record
    class xImageDataNotFound final {};      // a record without "#SMC#" ... "#END#"
    class xBufferTooSmall final {};         // the caller's room is shorter than the result
    class xSearchKeyCodeNotFound final {};  // a record searched lacks the search-key code byte
    class xRecordNotFound final {};         // every record searched, no match
    class xWrongSearchKeySize final {};     // a search key not of 26 characters
    class xWrongKeyLength final {};         // a key not of 16 digits
    class xFileAlreadyExists final {};      // the target file is not empty
    class xWrongImageDataSize final {};     // image data of 29 bytes or fewer
    class xWrongCryptMode final {};         // a block mode other than 0

    // The first eight bytes of a file-mark record.
    static constexpr std::string_view kFileMark{"FILEMK\\\\", 8};
    // Image data: bytes 0 to 27 a prefix, byte 28 the encryption flag ('1' or
    // '0'), then the image's hexadecimal digits.
    static constexpr std::size_t kFlagByte = 28;
    static constexpr std::size_t kSearchKeySize = 26;

    // Where the image data lies in a record: `start` bytes from the record's
    // first byte, `length` bytes long.
    struct ImageData final {
        std::size_t start;
        std::size_t length;
    };

    // `firCount`: the number of entries the caller's description holds (or room for).
    C_DC9File(std::string fileName, short firCount) : m_fileName(std::move(fileName)), m_firCount(firCount) {}

    const std::string& GetFileName() const noexcept { return m_fileName; }
    short GetFIRCount() const noexcept { return m_firCount; }

    // Reads the file front to back and describes its parts. Exactly one of
    // `endMarkerLength` (the end marker's length, `endMarker` its bytes) and
    // `recordSize` (the fixed size of every record) is above 0, else
    // xWrongInputParameter before the file is opened. With `description`, entry
    // k-1 receives part k (data records before the first file mark form part 1,
    // at offset 0 without a mark); up to GetFIRCount() entries are written, and
    // more parts end in xWrongFIRNumber after the whole file is read. `firCount`
    // receives the part number at every file mark (so it keeps its value in a
    // file without any). Failures: xIOError, xWrongRecordSize, xEndRecordNotFound,
    // xMemError, xWrongFIRNumber; what was written before a failure stays.
    void InitDescription(const unsigned char* endMarker, int endMarkerLength, int recordSize, short& firCount,
                         FIRDescription* description) const;

    // The image data of one record, copied to `out`; `size` holds the room in
    // `out` on entry and the bytes written on return (0 on failure). `fir` is 1
    // to GetFIRCount(), or 0 for the file as a whole; `recordIndex` is 1 to n, -1
    // the first data record, -2 the last, -3 the part's whole file-mark record.
    // Checks in order: xWrongFIRNumber, the file (xIOError), xWrongRecordIndex,
    // reading (xIOError, xMemError), xImageDataNotFound, xBufferTooSmall.
    void ExtractImageByIndex(const FIRDescription* description, short fir, int recordIndex, unsigned char* out,
                             int& size) const;

    // The image data of the first data record of part `fir` (0: of every part in
    // order) that holds the byte `searchKeyCode` directly followed by `searchKey`
    // (26 bytes). The search ends at the first record that lacks the code byte
    // (xSearchKeyCodeNotFound). Checks in order: xWrongFIRNumber,
    // xWrongSearchKeySize, the file (xIOError), then per record reading (xIOError,
    // xMemError), xSearchKeyCodeNotFound; at the end xRecordNotFound, then
    // xImageDataNotFound and xBufferTooSmall for the record found.
    void ExtractImageBySearchKey(const FIRDescription* description, short fir, int searchKeyCode,
                                 std::string_view searchKey, unsigned char* out, int& size) const;

    // Copies the described parts of the file to `outFileName` with every image
    // encrypted (`direction` non-zero) or decrypted under the single-DES `key`, its
    // flag byte set to '1' or '0'. The source is read from its start, part after
    // part, without gaps; bytes after the last described record are not copied.
    // The target is created when missing; one that is not empty is refused
    // (xFileAlreadyExists) and left as it was. A failure part-way leaves what was
    // written. Checks in order: xWrongKeyLength, xWrongCryptMode, xWrongFIRNumber
    // (a FIR count below 1), the files
    // (xIOError, xFileAlreadyExists), then per record reading (xIOError,
    // xMemError), xImageDataNotFound, xWrongImageDataSize, the digits as a C_Image
    // (C_StringType::xStringTooLong, xInvalidType, xModuloError), writing
    // (xIOError). The key is loaded into the DES engine once, at the first image.
    void DecryptOrEncryptImageFile(const FIRDescription* description, const char* outFileName,
                                   const C_StringHexa& key, short direction, int blockMode) const;

    // The image data of one record of `length` bytes: the bytes after the first
    // "#SMC#" up to the first "#END#" after it, both lying wholly within the
    // record; else xImageDataNotFound. The image data may be empty.
    static ImageData FindImageData(const unsigned char* bytes, std::size_t length);

private:
    // The description's entries, checked against the FIR count.
    const FIRDescription& Entry(const FIRDescription* description, int fir) const;

    std::string m_fileName;
    short m_firCount;
};
