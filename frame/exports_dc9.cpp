// DC9 files: the description, extraction by index and by search key, and the
// encrypted or decrypted copy.
#include "crypto/C_EngineLock.h"
#include "crypto/C_Image.h"
#include "dc9/C_DC9File.h"
#include "frame/frame.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using DC9 = C_DC9File;

static_assert(sizeof(FIRDescription) == 16, "four 32-bit integers, no padding");

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_File_DC9InitDescription(const char* fileName, const unsigned char* endMarker,
                                                   int endMarkerLength, int recordSize, short* firCount,
                                                   FIRDescription* description) {
    return frame::call([&] {
        short& count = frame::target(firCount);
        frame::stage(
            [&] {
                DC9(frame::in(fileName), count).InitDescription(endMarker, endMarkerLength, recordSize, count,
                                                                description);
            },
            On<DC9::xWrongInputParameter>{-1}, On<DC9::xWrongRecordSize>{-2}, On<DC9::xWrongFIRNumber>{-3},
            On<DC9::xIOError>{-4}, On<DC9::xMemError>{-5}, On<DC9::xEndRecordNotFound>{-6});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DC9ExtractImageByIndex(const char* fileName, short firCount,
                                                       const FIRDescription* description, short fir,
                                                       int recordIndex, unsigned char* out, int* size) {
    return frame::call([&] {
        int& room = frame::target(size);
        frame::stage(
            [&] {
                DC9(frame::in(fileName), firCount).ExtractImageByIndex(description, fir, recordIndex, out, room);
            },
            On<DC9::xWrongFIRNumber>{-1}, On<DC9::xWrongRecordIndex>{-2}, On<DC9::xImageDataNotFound>{-3},
            On<DC9::xIOError>{-4}, On<DC9::xMemError>{-5}, On<DC9::xBufferTooSmall>{VEK_STATUS_BUFFER_TOO_SMALL},
            On<DC9::xWrongInputParameter>{VEK_STATUS_INTERNAL});  // a null description or out
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
                         DC9(frame::in(fileName), firCount)
                             .ExtractImageBySearchKey(description, fir, searchKeyCode, frame::in(searchKey), out, room);
                     },
                     On<DC9::xWrongFIRNumber>{-1}, On<DC9::xSearchKeyCodeNotFound>{-2}, On<DC9::xImageDataNotFound>{-3},
                     On<DC9::xIOError>{-4}, On<DC9::xMemError>{-5}, On<DC9::xRecordNotFound>{-6},
                     On<DC9::xWrongSearchKeySize>{-7}, On<DC9::xBufferTooSmall>{VEK_STATUS_BUFFER_TOO_SMALL},
                     On<DC9::xWrongInputParameter>{VEK_STATUS_INTERNAL});  // a null description or out
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DC9DecryptOrEncryptImageFile(const char* fileName, short firCount,
                                                             const FIRDescription* description,
                                                             const char* outFileName, short mode, const char* key) {
    return frame::call([&] {
        const C_EngineLock engine;
        if (mode != 0 && mode != 1) frame::fail(-1);
        const auto k = frame::operand<C_StringHexa>(key, S::kHexadecimal, On<S::xEmptyString, S::xInvalidType>{-3},
                                                    On<S::xStringTooLong>{-2});
        // A record without image data and a null description have no code of
        // their own here: -99.
        frame::stage([&] {
                         DC9(frame::in(fileName), firCount)
                             .DecryptOrEncryptImageFile(description, frame::in(outFileName), k, mode, 0);
                     },
                     On<DC9::xWrongFIRNumber>{-1},
                     On<DC9::xWrongKeyLength, S::xStringTooLong, C_Image::xWrongKeyLength>{-2},
                     On<S::xEmptyString, S::xInvalidType>{-3}, On<DC9::xIOError>{-4}, On<DC9::xMemError>{-5},
                     On<DC9::xFileAlreadyExists>{-6}, On<DC9::xWrongImageDataSize, S::xModuloError>{-7},
                     On<DC9::xImageDataNotFound, DC9::xWrongInputParameter>{VEK_STATUS_INTERNAL});
        return true;
    });
}

}  // extern "C"
