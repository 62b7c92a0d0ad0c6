// Character strings: the bytes that hexadecimal or binary text denotes, and
// swaps of characters and of the halves of every byte.
#include "frame/frame.h"
#include "types/C_StringChar.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using C = C_StringChar;

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Conv_HexaToChar(const char* hexa, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value =
            frame::operand<C>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xStringTooLong, S::xEmptyString>{-1},
                              On<S::xModuloError>{-2});
        // A zero byte would cut the text short while the call reports success.
        frame::stage([&] { value.CheckNoNullChar(); }, On<C::xNullChar>{-3});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Conv_BinToChar(const char* bin, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<C>(bin, S::kBinary, On<S::xInvalidType>{-1},
                                             On<S::xStringTooLong, S::xEmptyString>{-2}, On<S::xModuloError>{-3});
        frame::stage([&] { value.CheckNoNullChar(); }, On<C::xNullChar>{-4});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapCharInPairs(const char* text, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto value =
            frame::operand<C>(text, S::kCharacter, On<S::xInvalidType, S::xStringTooLong, S::xEmptyString>{-1});
        frame::stage([&] { value.SwapPairs(); }, On<S::xModuloError>{-2});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapChar(const char* text, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto value =
            frame::operand<C>(text, S::kCharacter, On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-2});
        value.SwapNibbles();
        return value.GetPadded(0);
    });
}

}  // extern "C"
