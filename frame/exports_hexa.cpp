// Hexadecimal strings: conversions to hexadecimal, validation, comparison, bit
// extraction, and hexadecimal or binary text written into a caller's byte block.
#include "frame/frame.h"
#include "types/C_StringBin.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"
#include "types/text_bytes.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Conv_DecToHexa(const char* dec, int resultLength, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<C_StringHexa>(dec, S::kDecimal, On<S::xInvalidType, S::xEmptyString>{-1},
                                                        On<S::xStringTooLong, S::xNumberTooBig>{-4});
        return frame::stage([&] { return value.GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-3});
    });
}

VEK_API short VEK_CALL vek_Conv_CharToHexa(const char* text, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<C_StringHexa>(text, S::kCharacter, On<S::xInvalidType, S::xEmptyString>{-1},
                                                        On<S::xStringTooLong>{-2});
        return value.GetPadded(0);
    });
}

VEK_API short VEK_CALL vek_Conv_BinToHexa(const char* bin, int resultLength, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<C_StringHexa>(bin, S::kBinary, frame::OnBadText{-1});
        return frame::stage([&] { return value.GetPadded(resultLength); }, On<S::xWrongLength>{-2},
                            On<S::xLengthTooSmall>{-3});
    });
}

VEK_API short VEK_CALL vek_Conv_ExtractBinFromHexa(const char* hexa, int position, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const auto value = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-1});
        return frame::stage([&] { return value.ExtractBin(frame::position(position), length).GetPadded(0); },
                            On<S::xStringTooLong>{-1}, On<S::xWrongLength>{-2}, On<S::xWrongPos>{-3},
                            On<S::xOverlap>{-4}, On<S::xInvalidPos>{-5});
    });
}

VEK_API short VEK_CALL vek_Veri_IsHexa(const char* text) {
    return frame::call([&] {
        const bool valid = frame::stage([&] { return C_StringHexa().IsValid(frame::in(text)); },
                                        On<S::xEmptyString>{-1}, On<S::xStringTooLong>{-3});
        if (!valid) frame::fail(-2);
        return true;
    });
}

VEK_API short VEK_CALL vek_Comp_HexaToHexa(const char* a, const char* b, int* result) {
    return frame::call([&] {
        const auto x = frame::operand<C_StringHexa>(a, S::kHexadecimal, frame::OnBadText{-1});
        const auto y = frame::operand<C_StringHexa>(b, S::kHexadecimal, frame::OnBadText{-2});
        frame::target(result) = x.Compare(y);
        return true;
    });
}

VEK_API short VEK_CALL vek_Comp_HexaToDec(const char* hexa, const char* dec, int* result) {
    return frame::call([&] {
        const auto x = frame::operand<C_StringHexa>(hexa, S::kHexadecimal, frame::OnBadText{-1});
        const auto y = frame::operand<C_StringDec>(dec, S::kDecimal, frame::OnBadText{-2});
        const int order = frame::stage([&] { return x.CompareDec(y); }, On<S::xNumberTooBig>{-3});
        frame::target(result) = order;
        return true;
    });
}

VEK_API short VEK_CALL vek_Conv_HexaToArrayChar(const char* hexa, unsigned char* bytes, int* count) {
    return frame::call([&] {
        const int n = frame::stage([&] { return vek::bytes::HexaCount(frame::in(hexa)); }, On<S::xEmptyString>{-1},
                                   On<S::xInvalidType>{-2}, On<S::xStringTooLong>{-3});
        int& counted = frame::target(count);
        if (bytes == nullptr) frame::fail(VEK_STATUS_INTERNAL);
        vek::bytes::FromHexa(frame::in(hexa), bytes);
        counted = n;
        return true;
    });
}

VEK_API short VEK_CALL vek_Conv_BinToArrayChar(const char* bin, unsigned char* bytes, int* count) {
    return frame::call([&] {
        const int n = frame::stage([&] { return vek::bytes::BinCount(frame::in(bin)); }, On<S::xEmptyString>{-1},
                                   On<S::xInvalidType>{-2}, On<S::xStringTooLong>{-3});
        int& counted = frame::target(count);
        if (bytes == nullptr) frame::fail(VEK_STATUS_INTERNAL);
        vek::bytes::FromBin(frame::in(bin), bytes);
        counted = n;
        return true;
    });
}

}  // extern "C"
