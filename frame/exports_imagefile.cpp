// Image files: records by index, searches by field value, appending, and the
// whole file encrypted or decrypted into a second file.
#include <optional>

#include "crypto/C_EngineLock.h"
#include "crypto/C_Image.h"
#include "frame/frame.h"
#include "imagefile/C_ImageFile.h"
#include "imagefile/C_ImageFileHeader.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using F = C_ImageFile;
using Header = C_ImageFileHeader;

// The searched value (-1) and the key (-5) of every search; an empty key is no
// key: the records are plain.
struct Search final {
    C_StringHexa value;
    std::optional<C_StringHexa> key;
    const C_StringHexa* Key() const noexcept { return key ? &*key : nullptr; }
};

Search search_inputs(const char* value, const char* key) {
    Search s{frame::operand<C_StringHexa>(value, S::kHexadecimal, frame::OnBadText{-1}), std::nullopt};
    if (*frame::in(key) != '\0')
        s.key = frame::operand<C_StringHexa>(key, S::kHexadecimal, On<S::xInvalidType, S::xStringTooLong>{-5});
    return s;
}

// The four sequential searches differ only in their field mode.
short sequential(const char* fileName, short hasHeader, int position, const char* value, const char* key, char* out,
                 int outSize, int fieldMode) {
    return frame::text(out, outSize, [&] {
        const Search s = search_inputs(value, key);
        const C_EngineLock engine(s.key.has_value());  // stored records are decrypted with the engine
        const F file(frame::in(fileName), hasHeader);
        return frame::stage(
                   [&] { return file.FindBySequentialField(position, s.value, s.Key(), fieldMode, 0, outSize); },
                   On<F::xWrongPos, F::xInvalidPos>{-2}, On<F::xImageNotFound>{-3}, On<F::xInvalidFile>{-4},
                   On<F::xWrongKeyLength>{-5}, On<F::xIOError>{-6}, On<F::xOverlap>{-7},
                   On<F::xBufferTooSmall>{VEK_STATUS_BUFFER_TOO_SMALL})
            .Release();
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_File_ExtractImageByIndex(const char* fileName, int index, short hasHeader, char* out,
                                                    int outSize) {
    return frame::text(out, outSize, [&] {
        const F file(frame::in(fileName), hasHeader);
        if (index == 0 || index < -3) frame::fail(-1);
        return frame::stage(
            [&] {
                // The header is read no further than the caller's buffer can take.
                if (index == -3) return file.ReadHeader(static_cast<std::size_t>(outSize - 1));
                return file.ReadImage(index > 0 ? index - 1 : index).Release();
            },
            On<F::xImageNotFound>{-2}, On<F::xNoHeader>{-3}, On<F::xIOError>{-4}, On<F::xInvalidFile>{-5},
            On<F::xBufferTooSmall>{VEK_STATUS_BUFFER_TOO_SMALL});
    });
}

VEK_API short VEK_CALL vek_File_ExtractImageByHexaField(const char* fileName, short hasHeader, int position,
                                                        const char* value, const char* key, char* out, int outSize) {
    return sequential(fileName, hasHeader, position, value, key, out, outSize, F::kHexaField);
}

VEK_API short VEK_CALL vek_File_ExtractImageByDecField(const char* fileName, short hasHeader, int position,
                                                       const char* value, const char* key, char* out, int outSize) {
    return sequential(fileName, hasHeader, position, value, key, out, outSize, F::kDecField);
}

VEK_API short VEK_CALL vek_File_ExtractImageBySwapHexaField(const char* fileName, short hasHeader, int position,
                                                            const char* value, const char* key, char* out,
                                                            int outSize) {
    return sequential(fileName, hasHeader, position, value, key, out, outSize, F::kSwapHexaField);
}

VEK_API short VEK_CALL vek_File_ExtractImageBySwapDecField(const char* fileName, short hasHeader, int position,
                                                           const char* value, const char* key, char* out,
                                                           int outSize) {
    return sequential(fileName, hasHeader, position, value, key, out, outSize, F::kSwapDecField);
}

VEK_API short VEK_CALL vek_File_ExtractImageByFieldWithNonSeqSearch(const char* fileName, short hasHeader,
                                                                    int position, const char* value, const char* key,
                                                                    char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const Search s = search_inputs(value, key);
        const C_EngineLock engine(s.key.has_value());  // stored records are decrypted with the engine
        const F file(frame::in(fileName), hasHeader);
        // An invalid record ends the scan as an internal failure (-99).
        return frame::stage([&] { return file.FindByScan(position, s.value, s.Key(), 0); },
                            On<F::xWrongPos, F::xInvalidPos>{-2}, On<F::xImageNotFound>{-3},
                            On<F::xWrongKeyLength, F::xWrongCryptMode, F::xWrongSwapMode>{-5},
                            On<F::xIOError>{-6}, On<F::xOverlap>{-7}, On<F::xInvalidFile>{VEK_STATUS_INTERNAL})
            .Release();
    });
}

VEK_API short VEK_CALL vek_File_ExtractImageByFieldNonSeqGetNb(const char* fileName, short hasHeader, int position,
                                                               const char* value, const char* key, char* out,
                                                               int outSize, int* count) {
    return frame::text(out, outSize, [&] {
        const Search s = search_inputs(value, key);
        const C_EngineLock engine(s.key.has_value());  // stored records are decrypted with the engine
        const F file(frame::in(fileName), hasHeader);
        // The count is written once the scan has run, also when it found no
        // record or several.
        int matches = -1;
        try {
            auto found = frame::stage([&] { return file.CountByScan(position, s.value, s.Key(), 0, matches); },
                                      On<F::xWrongPos, F::xInvalidPos>{-2}, On<F::xImageNotFound>{-3},
                                      On<F::xImageFoundMultiple>{-4},
                                      On<F::xWrongKeyLength, F::xWrongCryptMode, F::xWrongSwapMode>{-5},
                                      On<F::xIOError>{-6}, On<F::xOverlap>{-7},
                                      On<F::xInvalidFile>{VEK_STATUS_INTERNAL});  // an invalid record
            frame::target(count) = matches;
            return found.Release();
        } catch (const frame::xStatus&) {
            if (matches >= 0) frame::target(count) = matches;
            throw;
        }
    });
}

VEK_API short VEK_CALL vek_File_AppendImageFileHeader(const char* fileName, const char* header) {
    return frame::call([&] {
        const F file(frame::in(fileName), 1);
        const auto h = frame::stage([&] { return F::HeaderLine(frame::in(header)); }, On<Header::xInvalidHeader>{-1});
        frame::stage([&] { file.WriteHeader(h); }, On<F::xFileAlreadyExists>{-2}, On<F::xIOError>{-3});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_AppendImage(const char* fileName, const char* image) {
    return frame::call([&] {
        const F file(frame::in(fileName), 0);
        const auto img =
            frame::operand<C_Image>(image, On<S::xInvalidType>{-1}, On<S::xEmptyString, S::xStringTooLong>{-2});
        frame::stage([&] { file.AppendImage(img); }, On<F::xIOError>{-3});
        return true;
    });
}

VEK_API short VEK_CALL vek_File_DecryptOrEncryptImageFile(const char* inFileName, const char* outFileName,
                                                          short hasHeader, short mode, const char* key,
                                                          const char* newHeader) {
    return frame::call([&] {
        const C_EngineLock engine;
        if (mode != 0 && mode != 1) frame::fail(-6);
        const F file(frame::in(inFileName), hasHeader);
        std::optional<Header> header;
        if (*frame::in(newHeader) != '\0')
            header = frame::stage([&] { return F::HeaderLine(newHeader); }, On<Header::xInvalidHeader>{-7});
        const auto k = frame::operand<C_StringHexa>(key, S::kHexadecimal, On<S::xInvalidType>{-2},
                                                    On<S::xEmptyString, S::xStringTooLong>{-1});
        frame::stage([&] { file.CryptFile(frame::in(outFileName), k, mode, header ? &*header : nullptr, 0); },
                     On<F::xWrongKeyLength>{-1}, On<F::xInvalidFile>{-3}, On<F::xFileAlreadyExists>{-4},
                     On<F::xIOError>{-5});
        return true;
    });
}

}  // extern "C"
