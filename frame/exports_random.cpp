// Random values: binary, decimal, hexadecimal, byte and character texts within
// bounds, from the process's DES-based generator.
#include <cstring>
#include <string>
#include <string_view>

#include "crypto/C_EngineLock.h"
#include "frame/frame.h"
#include "types/C_StringBin.h"
#include "types/C_StringChar.h"
#include "types/C_StringDec.h"
#include "types/C_StringEvenHexa.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

namespace frame = vek::frame;
using frame::On;
using S = C_StringType;
using E = C_StringEvenHexa;

// The keyword is upper-cased into a buffer of 12 characters: a longer one
// matches nothing.
constexpr std::size_t kKeywordRoom = 12;

std::string upper_keyword(const char* type) {
    const std::size_t n = std::strlen(type);
    if (n >= kKeywordRoom) return {};
    std::string keyword(type, n);
    for (char& c : keyword)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return keyword;
}

// Fills a T between the bounds, with the codes of every bound, length and order failure.
template <class T>
std::string fill(int length, std::string_view minimum, std::string_view maximum) {
    T value;
    frame::stage([&] { value.RandomFill(length, minimum, maximum); }, On<S::xWrongLength>{-1},
                 On<S::xWrongMin, S::xWrongMax>{-2}, On<S::xModuloError>{-3}, On<S::xWrongMinMax>{-4},
                 On<E::xWrongMinLength, E::xWrongMaxLength>{-6});
    return value.GetValue();
}

}  // namespace

extern "C" {

VEK_API short VEK_CALL vek_Calc_RndByMinMax(const char* minimum, const char* maximum, const char* type, int length,
                                            char* out, int outSize) {
    return frame::text(out, outSize, [&]() -> std::string {
        const C_EngineLock engine;  // the generator draws through the DES engine
        const std::string_view lo = frame::in(minimum);
        const std::string_view hi = frame::in(maximum);
        if (lo.size() != hi.size()) frame::fail(-7);
        if (type == nullptr) frame::fail(-5);
        const bool defaults = lo.empty();
        const std::string keyword = upper_keyword(type);

        if (keyword == "HEXA2") return fill<C_StringEvenHexa>(length, defaults ? "00" : lo, defaults ? "FF" : hi);

        if (lo.size() > 1) frame::fail(-6);
        const auto bound = [&](std::string_view given, std::string_view fallback) {
            return defaults ? fallback : given.substr(0, 1);
        };
        if (keyword == "HEXA") return fill<C_StringHexa>(length, bound(lo, "0"), bound(hi, "F"));
        if (keyword == "BIN") return fill<C_StringBin>(length, bound(lo, "0"), bound(hi, "1"));
        if (keyword == "DEC") return fill<C_StringDec>(length, bound(lo, "0"), bound(hi, "9"));
        if (keyword == "CHAR") return fill<C_StringChar>(length, bound(lo, "\x01"), bound(hi, "\xFF"));
        frame::fail(-5);
    });
}

}  // extern "C"
