// Decimal strings: conversions into decimal, validation, comparison, increment
// and decrement, sums and differences of any length, and the Luhn check digit.
#include <string>

#include "frame/frame.h"
#include "types/C_StringDec.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using D = C_StringDec;

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Conv_HexaToDec(const char* hexa, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<D>(hexa, S::kHexadecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                             On<S::xStringTooLong, S::xNumberTooBig>{-4});
        return frame::stage([&] { return value.GetPadded(length); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-3});
    });
}

VEK_API short VEK_CALL vek_Conv_BinToDec(const char* bin, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<D>(bin, S::kBinary, On<S::xInvalidType>{-1}, On<S::xNumberTooBig>{-4},
                                             On<S::xStringTooLong, S::xEmptyString>{-5});
        return frame::stage([&] { return value.GetPadded(length); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-3});
    });
}

VEK_API short VEK_CALL vek_Veri_IsDec(const char* text) {
    return frame::call([&] {
        const bool valid = frame::stage([&] { return D().IsValid(frame::in(text)); }, On<S::xEmptyString>{-1},
                                        On<S::xStringTooLong>{-3});
        if (!valid) frame::fail(-2);
        return true;
    });
}

VEK_API short VEK_CALL vek_Comp_DecToDec(const char* a, const char* b, int* result) {
    return frame::call([&] {
        const auto x = frame::operand<D>(a, S::kDecimal, frame::OnBadText{-1});
        const auto y = frame::operand<D>(b, S::kDecimal, frame::OnBadText{-2});
        frame::target(result) = x.Compare(y);
        return true;
    });
}

VEK_API short VEK_CALL vek_Tran_IncreaseDec(const char* dec, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto value =
            frame::operand<D>(dec, S::kDecimal, On<S::xInvalidType, S::xEmptyString>{-1}, On<S::xStringTooLong>{-3});
        return frame::stage(
            [&] {
                value.Increase();
                return value.GetPadded(length);
            },
            On<S::xWrongLength>{-2}, On<S::xLengthTooSmall>{-4}, On<S::xResultTooBig>{-5});
    });
}

VEK_API short VEK_CALL vek_Tran_DecreaseDec(const char* dec, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto value = frame::operand<D>(dec, S::kDecimal, frame::OnBadText{-1});
        return frame::stage(
            [&] {
                value.Decrease();
                return value.GetPadded(length);
            },
            On<S::xWrongLength>{-2}, On<S::xLengthTooSmall>{-3}, On<S::xNegativeResult>{-4});
    });
}

VEK_API short VEK_CALL vek_Calc_AddDecToDec(const char* a, const char* b, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<D>(a, S::kDecimal, frame::OnBadText{-1});
        const auto y = frame::operand<D>(b, S::kDecimal, frame::OnBadText{-2});
        return frame::stage([&] { return x.Add(y).GetPadded(length); }, On<S::xWrongLength>{-3},
                            On<S::xLengthTooSmall>{-4}, On<S::xResultTooBig>{-5});
    });
}

VEK_API short VEK_CALL vek_Calc_SubstractDecToDec(const char* a, const char* b, int resultLength, char* out,
                                                  int outSize) {
    return frame::text(out, outSize, [&] {
        const auto x = frame::operand<D>(a, S::kDecimal, frame::OnBadText{-1});
        const auto y = frame::operand<D>(b, S::kDecimal, frame::OnBadText{-2});
        return frame::stage([&] { return x.Subtract(y).GetPadded(resultLength); }, On<S::xWrongLength>{-3},
                            On<S::xNegativeResult>{-4}, On<S::xLengthTooSmall>{-5});
    });
}

VEK_API short VEK_CALL vek_Calc_LuhnKey(const char* dec, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        return std::string(1, frame::operand<D>(dec, S::kDecimal, frame::OnBadText{-1}).LuhnKey());
    });
}

}  // extern "C"
