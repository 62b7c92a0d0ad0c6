// DC9 files: the description, extraction by index and by search key, and the
// encrypted or decrypted copy.
#include "crypto/C_EngineLock.h"
#include "crypto/C_Image.h"
#include "dc9/C_DC9File.h"
#include "frame/frame.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace frame = vek::frame;
using frame::On;
using D = C_DC9File;
using S = C_StringType;

static_assert(sizeof(FIRDescription) == 16, "four 32-bit integers, no padding");

extern "C" {

VEK_API short VEK_CALL vek_File_DC9InitDescription(const char* fileName, const unsigned char* endMarker,
                                                   int endMarkerLength, int recordSize, short* firCount,
                                                   FIRDescription* description) {
    return frame::call([&] {
        short& count = frame::target(firCount);
        frame::stage([&] { D(frame::in(fileName), count).InitDescription(endMarker, endMarkerLength, recordSize, count, description); },
                     On<D::xWrongInputParameter>{-1}, On<D::xWrongRecordSize>{-2}, On<D::xWrongFIRNumber>{-3},
                     On<D::xIOError>{-4}, On<D::xMemError>{-5}, On<D::xEndRecordNotFound>{-6});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DC9ExtractImageByIndex(const char* fileName, short firCount,
                                                       const FIRDescription* description, short fir,
                                                       int recordIndex, unsigned char* out, int* size) {
    return frame::call([&] {
        int& room = frame::target(size);
        frame::stage([&] { D(frame::in(fileName), firCount).ExtractImageByIndex(description, fir, recordIndex, out, room); },
                     On<D::xWrongFIRNumber>{-1}, On<D::xWrongRecordIndex>{-2}, On<D::xImageDataNotFound>{-3},
                     On<D::xIOError>{-4}, On<D::xMemError>{-5}, On<D::xBufferTooSmall>{-50});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DC9ExtractImageBySearchKey(const char* fileName, short firCount,
                                                           const FIRDescription* description, short fir,
                                                           int searchKeyCode, const char* searchKey,
                                                           unsigned char* out, int* size) {
    return frame::call([&] {
        int& room = frame::target(size);
        frame::stage([&] {
                         D(frame::in(fileName), firCount)
                             .ExtractImageBySearchKey(description, fir, searchKeyCode, frame::in(searchKey), out, room);
                     },
                     On<D::xWrongFIRNumber>{-1}, On<D::xSearchKeyCodeNotFound>{-2}, On<D::xImageDataNotFound>{-3},
                     On<D::xIOError>{-4}, On<D::xMemError>{-5}, On<D::xRecordNotFound>{-6},
                     On<D::xWrongSearchKeySize>{-7}, On<D::xBufferTooSmall>{-50});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DC9DecryptOrEncryptImageFile(const char* fileName, short firCount,
                                                             const FIRDescription* description,
                                                             const char* outFileName, short mode, const char* key) {
    return frame::call([&] {
        const C_EngineLock engine;
        if (mode != 0 && mode != 1) frame::fail(-1);
        const auto k = frame::stage([&] { return C_StringHexa(frame::in(key), S::kHexadecimal); },
                                    On<S::xEmptyString, S::xInvalidType>{-3}, On<S::xStringTooLong>{-2});
        // A record without image data (xImageDataNotFound) and a block mode other
        // than 0 (xWrongCryptMode) have no code of their own here: -99.
        frame::stage([&] {
                         D(frame::in(fileName), firCount)
                             .DecryptOrEncryptImageFile(description, frame::in(outFileName), k, mode, 0);
                     },
                     On<D::xWrongFIRNumber>{-1}, On<D::xWrongKeyLength, S::xStringTooLong, C_Image::xWrongKeyLength>{-2},
                     On<S::xEmptyString, S::xInvalidType>{-3}, On<D::xIOError>{-4}, On<D::xMemError>{-5},
                     On<D::xFileAlreadyExists>{-6}, On<D::xWrongImageDataSize, S::xModuloError>{-7});
        return true;
    });
}

}  // extern "C"
