// Hexadecimal transforms: digit swaps, bit reversal, increment and decrement,
// writing bits at a position, shifts. Every result keeps the input's length,
// except increment and decrement, which take a result length.
#include <cstring>

#include "frame/frame.h"
#include "types/C_StringBin.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;

// The shifts: not hexadecimal -1, empty -2, too long -3; a negative count shifts
// the other way.
short shift(const char* hexa, short count, char* out, int outSize, C_StringHexa (C_StringHexa::*op)(int) const) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, On<S::xInvalidType>{-1},
                                                    On<S::xEmptyString>{-2}, On<S::xStringTooLong>{-3});
        return (x.*op)(count).GetPadded(0);
    });
}

// Increment and decrement: not hexadecimal or empty -1, too long -3, the operation
// `failure`, padding -2 and -4.
template <class Failure>
short step(const char* hexa, int resultLength, char* out, int outSize, void (C_StringHexa::*op)()) {
    return frame::text(out, outSize, [&] {
        auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                              On<S::xStringTooLong>{-3});
        frame::stage([&] { (x.*op)(); }, On<Failure>{-5});
        return frame::stage([&] { return x.GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-4});
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Tran_SwapHexa(const char* hexa, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-1});
        frame::stage([&] { x.SwapPairs(); }, On<S::xModuloError>{-2});
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapHexaByte(const char* hexa, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        // One byte only: a text of any length but 0 or 2 is refused before it is
        // read (the empty text goes on to be refused as empty).
        if (hexa != nullptr) {
            const std::size_t length = std::strlen(hexa);
            if (length != 0 && length != 2) frame::fail(-2);
        }
        auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1});
        x.SwapPairs();
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapBitInHexa(const char* hexa, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-1});
        x.SwapBits();
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_IncreaseHexa(const char* hexa, int resultLength, char* out, int outSize) {
    return step<S::xResultTooBig>(hexa, resultLength, out, outSize, &C_StringHexa::Increase);
}

VEK_API short VEK_CALL vek_Tran_DecreaseHexa(const char* hexa, int resultLength, char* out, int outSize) {
    return step<S::xNegativeResult>(hexa, resultLength, out, outSize, &C_StringHexa::Decrease);
}

VEK_API short VEK_CALL vek_Tran_SetBinInHexa(const char* bin, int position, const char* hexa, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto bits = frame::operand<C_StringBin>(bin, S::kBinary, On<S::xInvalidType, S::xEmptyString>{-1},
                                                      On<S::xStringTooLong>{-4});
        auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-3});
        const int p = frame::position(position);
        frame::stage([&] { x.SetBin(p, bits); }, On<S::xWrongPos, S::xInvalidPos>{-2}, On<S::xOverlap>{-5});
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_ShiftBitLeft(const char* hexa, short count, char* out, int outSize) {
    return shift(hexa, count, out, outSize, &C_StringHexa::ShiftLeft);
}

VEK_API short VEK_CALL vek_Tran_ShiftBitRight(const char* hexa, short count, char* out, int outSize) {
    return shift(hexa, count, out, outSize, &C_StringHexa::ShiftRight);
}
}
