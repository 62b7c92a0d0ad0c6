// Binary strings: conversions into bits, validation, reversal, reading and
// overwriting runs of bits, and the raw bitwise OR, AND and XOR of two texts.
#include <cstring>

#include "frame/frame.h"
#include "types/C_StringBin.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using B = C_StringBin;

// The raw bitwise operations: the caller's texts character by character, '1'
// being a 1 bit and any other character a 0 bit, into `out` with no size and
// without clearing it first.
template <class Op>
short raw_bitwise(const char* a, const char* b, char* out, Op op) {
    return frame::call([&] {
        if (a == nullptr || b == nullptr || out == nullptr) frame::fail(-1);
        const std::size_t n = std::strlen(a);
        if (std::strlen(b) != n) frame::fail(-2);
        for (std::size_t i = 0; i < n; ++i) out[i] = op(a[i] == '1', b[i] == '1') ? '1' : '0';
        out[n] = '\0';
        return true;
    });
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Conv_DecToBin(const char* dec, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<B>(dec, S::kDecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                             On<S::xStringTooLong, S::xNumberTooBig>{-4});
        return frame::stage([&] { return value.GetPadded(length); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-3});
    });
}

VEK_API short VEK_CALL vek_Conv_HexaToBin(const char* hexa, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<B>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                             On<S::xStringTooLong>{-3}, On<S::xNumberTooBig>{-5});
        return frame::stage([&] { return value.GetPadded(length); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-4});
    });
}

VEK_API short VEK_CALL vek_Conv_CharToBin(const char* text, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value =
            frame::operand<B>(text, S::kCharacter, On<S::xInvalidType, S::xStringTooLong, S::xEmptyString>{-1});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Veri_IsBin(const char* text) {
    return frame::call([&] {
        const bool valid = frame::stage([&] { return B().IsValid(frame::in(text)); }, On<S::xEmptyString>{-1},
                                        On<S::xStringTooLong>{-2});
        if (!valid) frame::fail(-3);
        return true;
    });
}

VEK_API short VEK_CALL vek_Tran_SetBinInBin(const char* target, int position, const char* piece, char* out,
                                            int outSize) {
    return frame::text(out, outSize, [&] {
        // The target first: when both are bad, the target's code is the one seen.
        auto value =
            frame::operand<B>(target, S::kBinary, On<S::xInvalidType>{-5}, On<S::xEmptyString, S::xStringTooLong>{-6});
        const auto bits =
            frame::operand<B>(piece, S::kBinary, On<S::xInvalidType>{-1}, On<S::xEmptyString, S::xStringTooLong>{-2});
        frame::stage([&] { value.SetBin(frame::position(position), bits); }, On<S::xWrongPos>{-3},
                     On<S::xInvalidPos>{-4}, On<S::xOverlap>{-7});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_GetBinInBin(const char* bin, int position, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value =
            frame::operand<B>(bin, S::kBinary, On<S::xInvalidType>{-1}, On<S::xEmptyString, S::xStringTooLong>{-2});
        const auto run =
            frame::stage([&] { return value.GetBin(frame::position(position), length); }, On<S::xWrongPos>{-3},
                         On<S::xInvalidPos>{-4}, On<S::xWrongLength>{-5}, On<S::xOverlap>{-6});
        return run.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Tran_ReverseBin(const char* bin, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto value =
            frame::operand<B>(bin, S::kBinary, On<S::xInvalidType>{-1}, On<S::xEmptyString, S::xStringTooLong>{-2});
        value.Reverse();
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Calc_ORBinary(const char* a, const char* b, char* out) {
    return raw_bitwise(a, b, out, [](bool x, bool y) { return x || y; });
}

VEK_API short VEK_CALL vek_Calc_ANDBinary(const char* a, const char* b, char* out) {
    return raw_bitwise(a, b, out, [](bool x, bool y) { return x && y; });
}

VEK_API short VEK_CALL vek_Calc_XORBinary(const char* a, const char* b, char* out) {
    return raw_bitwise(a, b, out, [](bool x, bool y) { return x != y; });
}

}  // extern "C"
