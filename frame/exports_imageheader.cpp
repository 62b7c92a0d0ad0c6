// Image file header: named fields of a header text, set, read and removed
// without any file.
#include "frame/frame.h"
#include "imagefile/C_ImageFileHeader.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using Header = C_ImageFileHeader;

// The header text is parsed before the name is looked at: a text that does not
// parse gives -1 whatever the name.
Header parse(const char* header) {
    return frame::operand<Header>(header, On<Header::xInvalidHeader>{-1});
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Tran_SetFieldInImageFileHeader(const char* header, const char* name, const char* value,
                                                          char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        auto h = parse(header);
        frame::stage([&] { h.SetField(frame::in(name), frame::in(value)); }, On<Header::xIllegalChar>{-2},
                     On<Header::xEmptyString>{-3});
        return h.GetText();
    });
}

VEK_API short VEK_CALL vek_Tran_GetFieldInImageFileHeader(const char* header, const char* name, char* out,
                                                          int outSize) {
    return frame::text(out, outSize, [&] {
        const auto h = parse(header);
        return frame::stage([&] { return h.GetField(frame::in(name)); }, On<Header::xIllegalChar>{-2},
                            On<Header::xFieldNotFound>{-3}, On<Header::xEmptyString>{-4});
    });
}

VEK_API short VEK_CALL vek_Tran_RemoveFieldInImageFileHeader(const char* header, const char* name, char* out,
                                                             int outSize) {
    return frame::text(out, outSize, [&] {
        auto h = parse(header);
        frame::stage([&] { h.RemoveField(frame::in(name)); }, On<Header::xIllegalChar>{-2},
                     On<Header::xFieldNotFound>{-3}, On<Header::xEmptyString>{-4});
        return h.GetText();
    });
}

}  // extern "C"
