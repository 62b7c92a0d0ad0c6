// Data preparation: key check values, DES and Triple-DES over data, MACs, ICC
// master keys, card verification values, PIN blocks, TLV elements and DGIs.
// Each class holds its keys for itself, so no export here takes the engine lock:
// the shared DES engine is neither used nor changed.
#include <string>
#include <string_view>

#include "crypto/C_CardVerificationValue.h"
#include "crypto/C_DESKey.h"
#include "crypto/C_ICCMasterKey.h"
#include "crypto/C_KeyCheckValue.h"
#include "crypto/C_MAC.h"
#include "crypto/C_PINBlock.h"
#include "crypto/C_TripleDESData.h"
#include "frame/frame.h"
#include "types/C_DGI.h"
#include "types/C_TLVElement.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using Key = C_DESKey;

// A result held in its class's own fixed storage, read as text by the frame's
// size rule without a copy into a string.
template <class T>
struct Held final {
    T value;
    operator std::string_view() const noexcept { return value.GetValue(); }
};

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Calc_KeyCheckValue(const char* key, int digits, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        return frame::stage([&] { return Held<C_KeyCheckValue>{C_KeyCheckValue(frame::in(key), digits)}; },
                            On<Key::xInvalidKey>{-1}, On<Key::xWrongKeyLength>{-2},
                            On<C_KeyCheckValue::xWrongDigits>{-3});
    });
}

VEK_API short VEK_CALL vek_Calc_TripleDESData(const char* key, const char* data, short mode, short chaining,
                                              const char* iv, char* out, int outSize) {
    using T = C_TripleDESData;
    return frame::text(out, outSize, [&] {
        return frame::stage([&] { return T(frame::in(key), frame::in(data), mode, chaining, frame::in(iv)).Release(); },
                            On<Key::xInvalidKey>{-1}, On<Key::xWrongKeyLength>{-2}, On<T::xInvalidData>{-3},
                            On<T::xWrongDataLength>{-4}, On<T::xWrongMode>{-5}, On<T::xWrongIV>{-6});
    });
}

VEK_API short VEK_CALL vek_Calc_MAC(const char* key, const char* data, short algorithm, short padding, char* out,
                                    int outSize) {
    return frame::text(out, outSize, [&] {
        return frame::stage(
            [&] { return Held<C_MAC>{C_MAC(frame::in(key), frame::in(data), algorithm, padding)}; },
            On<Key::xInvalidKey>{-1}, On<Key::xWrongKeyLength>{-2}, On<C_MAC::xInvalidData>{-3},
            On<C_MAC::xWrongAlgorithm>{-4}, On<C_MAC::xWrongPadding>{-5});
    });
}

VEK_API short VEK_CALL vek_Calc_DeriveICCMasterKey(const char* issuerMasterKey, const char* pan, const char* psn,
                                                   short option, char* out, int outSize) {
    using M = C_ICCMasterKey;
    return frame::text(out, outSize, [&] {
        return frame::stage(
            [&] { return Held<M>{M(frame::in(issuerMasterKey), frame::in(pan), frame::in(psn), option)}; },
            On<Key::xInvalidKey>{-1}, On<Key::xWrongKeyLength>{-2}, On<M::xInvalidPAN>{-3}, On<M::xInvalidPSN>{-4},
            On<M::xWrongOption>{-5});
    });
}

VEK_API short VEK_CALL vek_Calc_CardVerificationValue(const char* cvk, const char* pan, const char* expiry,
                                                      const char* serviceCode, char* out, int outSize) {
    using V = C_CardVerificationValue;
    return frame::text(out, outSize, [&] {
        return frame::stage(
            [&] {
                return Held<V>{V(frame::in(cvk), frame::in(pan), frame::in(expiry), frame::in(serviceCode))};
            },
            On<Key::xInvalidKey>{-1}, On<Key::xWrongKeyLength>{-2}, On<V::xInvalidPAN>{-3},
            On<V::xInvalidExpiry>{-4}, On<V::xInvalidServiceCode>{-5});
    });
}

VEK_API short VEK_CALL vek_Calc_PINBlock(short format, const char* pin, const char* pan, char* out, int outSize) {
    using P = C_PINBlock;
    return frame::text(out, outSize, [&] {
        // A random source that gives nothing (xRuntimeError) ends as -99 in the frame.
        return frame::stage([&] { return Held<P>{P(format, frame::in(pin), frame::in(pan))}; },
                            On<P::xWrongFormat>{-1}, On<P::xInvalidPIN>{-2}, On<P::xInvalidPAN>{-3});
    });
}

VEK_API short VEK_CALL vek_Conv_PINBlockToPIN(short format, const char* pinBlock, const char* pan, char* out,
                                              int outSize) {
    using P = C_PINBlock;
    return frame::text(out, outSize, [&] {
        return frame::stage([&] { return P::GetPIN(format, frame::in(pinBlock), frame::in(pan)); },
                            On<P::xWrongFormat>{-1}, On<P::xInvalidBlock>{-2}, On<P::xInvalidPAN>{-3},
                            On<P::xMalformedBlock>{-4});
    });
}

VEK_API short VEK_CALL vek_Tran_BuildTLV(const char* tag, const char* value, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        return frame::stage([&] { return C_TLVElement(frame::in(tag), frame::in(value)).Release(); },
                            On<C_TLVElement::xInvalidTag>{-1}, On<C_TLVElement::xInvalidValue>{-2});
    });
}

VEK_API short VEK_CALL vek_Tran_BuildDGI(const char* dgi, const char* value, char* out, int outSize) {
    return frame::text(out, outSize, [&] {
        return frame::stage([&] { return C_DGI(frame::in(dgi), frame::in(value)).Release(); },
                            On<C_DGI::xInvalidDGI>{-1}, On<C_DGI::xInvalidValue>{-2});
    });
}

}  // extern "C"
