// Hexadecimal arithmetic and logic: sums and differences of any length, with a
// hexadecimal or a decimal operand, digit-wise XOR, AND, OR, complement, the block
// XOR checksum and the bit count.
#include "frame/frame.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;

// The digit-wise logic functions share one shape: a (-1, too long -5), b (-2, too
// long -5), a of odd length (-4), lengths differing (-3), padding (-6, -7).
template <class Op>
short logic(const char* a, const char* b, int resultLength, char* out, int outSize, Op op) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(a, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                                    On<S::xStringTooLong>{-5});
        const auto y = frame::operand<C_StringHexa>(b, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-2},
                                                    On<S::xStringTooLong>{-5});
        if (x.GetLength() % 2 != 0) frame::fail(-4);
        const auto r = frame::stage([&] { return (x.*op)(y); }, On<C_StringHexa::xDifferentLengths>{-3});
        return frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-6},
                            On<S::xLengthTooSmall>{-7});
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Calc_AddHexaToHexa(const char* a, const char* b, int resultLength, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(a, S::kHexadecimal, frame::OnBadText{-1});
        const auto y = frame::operand<C_StringHexa>(b, S::kHexadecimal, frame::OnBadText{-2});
        const auto r = frame::stage([&] { return x.Add(y); }, On<S::xResultTooBig>{-5});
        return frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_SubstractHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                                    int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(a, S::kHexadecimal, frame::OnBadText{-1});
        const auto y = frame::operand<C_StringHexa>(b, S::kHexadecimal, frame::OnBadText{-2});
        const auto r = frame::stage([&] { return x.Subtract(y); }, On<S::xNegativeResult>{-5});
        return frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_AddDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                             int outSize) {
    return frame::text(out, outSize, [&] {
        // The decimal operand is built first.
        const auto d = frame::operand<C_StringDec>(dec, S::kDecimal, frame::OnBadText{-1});
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-2});
        const auto r = frame::stage([&] { return x.AddDec(d); }, On<S::xNumberTooBig>{-5}, On<S::xResultTooBig>{-6});
        return frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_SubstractDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                                   int outSize) {
    return frame::text(out, outSize, [&] {
        // The decimal operand is built first.
        const auto d = frame::operand<C_StringDec>(dec, S::kDecimal, frame::OnBadText{-1});
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-2});
        const auto r =
            frame::stage([&] { return x.SubtractDec(d); }, On<S::xNumberTooBig>{-5}, On<S::xNegativeResult>{-6});
        return frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_XorHexa(const char* a, const char* b, int resultLength, char* out, int outSize) {
    return logic(a, b, resultLength, out, outSize, &C_StringHexa::Xor);
}

VEK_API short VEK_CALL vek_Calc_AndHexa(const char* a, const char* b, int resultLength, char* out, int outSize) {
    return logic(a, b, resultLength, out, outSize, &C_StringHexa::And);
}

VEK_API short VEK_CALL vek_Calc_OrHexa(const char* a, const char* b, int resultLength, char* out, int outSize) {
    return logic(a, b, resultLength, out, outSize, &C_StringHexa::Or);
}

VEK_API short VEK_CALL vek_Calc_ComplementHexa(const char* hexa, int resultLength, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                                    On<S::xStringTooLong>{-3});
        return frame::stage([&] { return x.Complement().GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_ChecksumHexa(const char* hexa, int blockLength, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, On<S::xInvalidType>{-1},
                                                    On<S::xEmptyString, S::xStringTooLong>{-2});
        return frame::stage([&] { return x.Checksum(blockLength).GetPadded(0); }, On<S::xWrongLength>{-3},
                            On<S::xModuloError>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_CountBits(const char* hexa, short mode, int* count) {
    return frame::call([&] {
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-1});
        const int bits = x.CountBits(mode);
        frame::target(count) = bits;
        return true;
    });
}
}
