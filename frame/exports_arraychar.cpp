// Character arrays: a caller's block of bytes as hexadecimal or binary text.
#include "frame/frame.h"
#include "types/C_ArrayChar.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using A = C_ArrayChar;

std::string convert(const unsigned char* bytes, int length, int targetType) {
    return frame::stage([&] { return A(bytes, length, targetType).GetText(); },
                        On<A::xInvalidType, A::xEmptyString>{-1}, On<A::xStringTooLong>{-2});
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Conv_ArrayCharToHexa(const unsigned char* bytes, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] { return convert(bytes, length, A::kHexadecimal); });
}

VEK_API short VEK_CALL vek_Conv_ArrayCharToBin(const unsigned char* bytes, int length, char* out, int outSize) {
    return frame::text(out, outSize, [&] { return convert(bytes, length, A::kBinary); });
}

}  // extern "C"
