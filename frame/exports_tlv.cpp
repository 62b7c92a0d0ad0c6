// BER-TLV extraction.
#include "frame/frame.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using H = C_StringHexa;

// An optional tag: absent (the empty value) when null or empty, else built
// like tag 1 but without an empty-string case.
H optional_tag(const char* text) {
    if (text == nullptr || *text == '\0') return H{};
    return frame::operand<H>(text, S::kHexadecimal, On<S::xInvalidType>{-1}, On<S::xStringTooLong>{-3});
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Tran_ExtractTLV(const char* tag1, const char* tag2, const char* tag3, const char* data,
                                           char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        const H first = frame::operand<H>(tag1, S::kHexadecimal, On<S::xInvalidType>{-1}, On<S::xEmptyString>{-4},
                                          On<S::xStringTooLong>{-3});
        const H second = optional_tag(tag2);
        const H third = optional_tag(tag3);
        const H bytes = frame::operand<H>(data, S::kHexadecimal, On<S::xInvalidType>{-2}, On<S::xEmptyString>{-5},
                                          On<S::xStringTooLong>{-6});
        return frame::stage([&] { return bytes.ExtractTLV(first, second, third).GetPadded(0); },
                            On<H::xErrorTagLength>{-3}, On<H::xTagNotFound>{-7}, On<S::xEmptyString>{-5});
    });
}
}
