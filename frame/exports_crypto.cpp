// Triple-DES and image encryption: the exports of the DES engine.
#include "crypto/C_EngineLock.h"
#include "crypto/C_Image.h"
#include "frame/frame.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using H = C_StringHexa;

bool is_mode(short mode) noexcept { return mode == 0 || mode == 1; }

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Calc_TripleDES(const char* key, const char* data, short mode, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const C_EngineLock engine;
        // Key and block are checked as hexadecimal strings in place: one block per
        // call is the hot path of a personalization job, so nothing is copied.
        const auto k = frame::stage([&] { return H::Checked(frame::in(key)); }, On<S::xInvalidType>{-1},
                                    On<S::xEmptyString, S::xStringTooLong>{-2});
        // An empty or over-long block has no code of its own: -99.
        const auto d = frame::stage([&] { return H::Checked(frame::in(data)); }, On<S::xInvalidType>{-3},
                                    On<S::xEmptyString, S::xStringTooLong>{VEK_STATUS_INTERNAL});
        frame::Fixed<16> result{};
        frame::stage([&] { H::TripleDES(k, d, mode, result.text); }, On<H::xWrongKeyLength>{-2},
                     On<H::xWrongDataLength>{-4}, On<H::xWrongTDESMode>{-5});
        return result;
    });
}

VEK_API short VEK_CALL vek_Tran_DecryptOrEncryptImage(const char* image, short mode, const char* key, char* out,
                                                      int outSize) {
    return frame::text(out, outSize, [&] {
        const C_EngineLock engine;
        auto img = frame::operand<C_Image>(image, On<S::xInvalidType, S::xEmptyString>{-3}, On<S::xStringTooLong>{-6});
        const auto k = frame::operand<H>(key, S::kHexadecimal, On<S::xInvalidType>{-2},
                                         On<S::xEmptyString, S::xStringTooLong>{-1});
        if (!is_mode(mode)) frame::fail(-4);
        frame::stage([&] { img.DecryptOrEncrypt(k, mode, 0); }, On<C_Image::xWrongKeyLength>{-1},
                     On<S::xModuloError>{-5});
        return img.Release();
    });
}

VEK_API short VEK_CALL vek_Tran_InitDES(short mode, const char* key, int /*reserved*/) {
    return frame::call([&] {
        const C_EngineLock engine;
        // Only an empty key has a code of its own; other bad keys end as -99.
        const auto k = frame::operand<H>(key, S::kHexadecimal, On<S::xEmptyString>{-1},
                                         On<S::xInvalidType, S::xStringTooLong>{VEK_STATUS_INTERNAL});
        if (!is_mode(mode)) frame::fail(-2);
        frame::stage([&] { C_Image::InitDES(k, 0); }, On<C_Image::xWrongKeyLength>{-4});
        return true;
    });
}

VEK_API short VEK_CALL vek_Tran_CalDES_Fast(const char* image, short mode, int blockMode, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const C_EngineLock engine;
        auto img = frame::operand<C_Image>(image, On<S::xInvalidType>{-1}, On<S::xEmptyString>{-2},
                                          On<S::xStringTooLong>{-3});
        if (!is_mode(mode)) frame::fail(-4);
        // A block mode other than 0 has no code of its own: -99.
        frame::stage([&] { img.CalDES_Fast(mode, blockMode); }, On<S::xModuloError>{-5},
                     On<C_Image::xWrongMode>{VEK_STATUS_INTERNAL});
        return img.Release();
    });
}

}  // extern "C"
