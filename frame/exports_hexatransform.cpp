// Hexadecimal transforms: digit swaps, bit reversal, increment and decrement,
// writing bits at a position, shifts. Every result keeps the input's length,
// except increment and decrement, which take a result length.
#include <cstring>

#include "frame/frame.h"
#include "types/C_StringBin.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

using S = C_StringType;
using vek::frame::On;

C_StringHexa input(const char* hexa) {
    return vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                             On<S::xInvalidType, S::xEmptyString, S::xStringTooLong>{-1});
}

// The shifts: not hexadecimal -1, empty -2, too long -3; a negative count shifts
// the other way.
short shift(const char* hexa, short count, char* out, int outSize, C_StringHexa (C_StringHexa::*op)(int) const) {
    return vek::frame::text(out, outSize, [&] {
        const auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                         On<S::xInvalidType>{-1}, On<S::xEmptyString>{-2},
                                         On<S::xStringTooLong>{-3});
        return (x.*op)(count).GetPadded(0);
    });
}

// Increment and decrement: not hexadecimal or empty -1, too long -3, the operation
// `failure`, padding -2 and -4.
template <class Failure>
short step(const char* hexa, int resultLength, char* out, int outSize, void (C_StringHexa::*op)()) {
    return vek::frame::text(out, outSize, [&] {
        auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                   On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-3});
        vek::frame::stage([&] { (x.*op)(); }, On<Failure>{-5});
        return vek::frame::stage([&] { return x.GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                                 On<S::xLengthTooSmall>{-4});
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Tran_SwapHexa(const char* hexa, char* out, int outSize) {
    return vek::frame::text(out, outSize, [&] {
        auto x = input(hexa);
        vek::frame::stage([&] { x.SwapPairs(); }, On<S::xModuloError>{-2});
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapHexaByte(const char* hexa, char* out, int outSize) {
    return vek::frame::text(out, outSize, [&] {
        // One byte only: a text of any length but 0 or 2 is refused before it is
        // read (the empty text goes on to be refused as empty).
        if (hexa != nullptr) {
            const std::size_t length = std::strlen(hexa);
            if (length != 0 && length != 2) vek::frame::fail(-2);
        }
        auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                   On<S::xInvalidType, S::xEmptyString>{-1});
        x.SwapPairs();
        return x.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_SwapBitInHexa(const char* hexa, char* out, int outSize) {
    return vek::frame::text(out, outSize, [&] {
        auto x = input(hexa);
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

VEK_API short VEK_CALL vek_Tran_SetBinInHexa(const char* bin, int position, const char* hexa, char* out,
                                             int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto bits = vek::frame::stage([&] { return C_StringBin(vek::frame::in(bin), S::kBinary); },
                                            On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-4});
        auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                   On<S::xInvalidType, S::xEmptyString, S::xStringTooLong>{-3});
        const int p = vek::frame::position(position);
        vek::frame::stage([&] { x.SetBin(p, bits); }, On<S::xWrongPos, S::xInvalidPos>{-2}, On<S::xOverlap>{-5});
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
