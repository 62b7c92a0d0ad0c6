// Hexadecimal arithmetic and logic: sums and differences of any length, with a
// hexadecimal or a decimal operand, digit-wise XOR, AND, OR, complement, the block
// XOR checksum and the bit count.
#include "frame/frame.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

using S = C_StringType;
using vek::frame::On;

// The hexadecimal operand of an arithmetic function: every failure of its text
// gives `code`.
C_StringHexa operand(const char* text, short code) {
    return vek::frame::stage([&] { return C_StringHexa(vek::frame::in(text), S::kHexadecimal); },
                             On<S::xInvalidType, S::xEmptyString, S::xStringTooLong>{code});
}

C_StringDec decimal(const char* text, short code) {
    return vek::frame::stage([&] { return C_StringDec(vek::frame::in(text), S::kDecimal); },
                             On<S::xInvalidType, S::xEmptyString, S::xStringTooLong>{code});
}

// The digit-wise logic functions share one shape: a (-1, too long -5), b (-2, too
// long -5), a of odd length (-4), lengths differing (-3), padding (-6, -7).
template <class Op>
short logic(const char* a, const char* b, int resultLength, char* out, int outSize, Op op) {
    return vek::frame::text(out, outSize, [&] {
        const auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(a), S::kHexadecimal); },
                                         On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-5});
        const auto y = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(b), S::kHexadecimal); },
                                         On<S::xInvalidType, S::xEmptyString>{-2}, On<S::xStringTooLong>{-5});
        if (x.GetLength() % 2 != 0) vek::frame::fail(-4);
        const auto r = vek::frame::stage([&] { return (x.*op)(y); }, On<C_StringHexa::xDifferentLengths>{-3});
        return vek::frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-6},
                                 On<S::xLengthTooSmall>{-7});
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Calc_AddHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                              int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto x = operand(a, -1);
        const auto y = operand(b, -2);
        const auto r = vek::frame::stage([&] { return x.Add(y); }, On<S::xResultTooBig>{-5});
        return vek::frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                                 On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_SubstractHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                                    int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto x = operand(a, -1);
        const auto y = operand(b, -2);
        const auto r = vek::frame::stage([&] { return x.Subtract(y); }, On<S::xNegativeResult>{-5});
        return vek::frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                                 On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_AddDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                             int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto d = decimal(dec, -1);  // the decimal operand is built first
        const auto x = operand(hexa, -2);
        const auto r = vek::frame::stage([&] { return x.AddDec(d); }, On<S::xNumberTooBig>{-5},
                                         On<S::xResultTooBig>{-6});
        return vek::frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                                 On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_SubstractDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                                   int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto d = decimal(dec, -1);  // the decimal operand is built first
        const auto x = operand(hexa, -2);
        const auto r = vek::frame::stage([&] { return x.SubtractDec(d); }, On<S::xNumberTooBig>{-5},
                                         On<S::xNegativeResult>{-6});
        return vek::frame::stage([&] { return r.GetPadded(resultLength); }, On<S::xWrongLength>{-3},
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
    return vek::frame::text(out, outSize, [&] {
        const auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                         On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-3});
        return vek::frame::stage([&] { return x.Complement().GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                                 On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_ChecksumHexa(const char* hexa, int blockLength, char* out, int outSize) {
    return vek::frame::text(out, outSize, [&] {
        const auto x = vek::frame::stage([&] { return C_StringHexa(vek::frame::in(hexa), S::kHexadecimal); },
                                         On<S::xInvalidType>{-1}, On<S::xEmptyString, S::xStringTooLong>{-2});
        return vek::frame::stage([&] { return x.Checksum(blockLength).GetPadded(0); }, On<S::xWrongLength>{-3},
                                 On<S::xModuloError>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_CountBits(const char* hexa, short mode, int* count) {
    return vek::frame::call([&] {
        const auto x = operand(hexa, -1);
        const int bits = x.CountBits(mode);
        vek::frame::target(count) = bits;
        return true;
    });
}

}
