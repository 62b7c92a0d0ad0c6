// RandomFill of each typed-string class: the bounds checked against the class's
// alphabet and turned into values for C_StringType::RandomFillValues.
#include "types/C_StringBin.h"
#include "types/C_StringChar.h"
#include "types/C_StringDec.h"
#include "types/C_StringEvenHexa.h"
#include "types/C_StringHexa.h"
#include "types/hexa_codec.h"

namespace {

using S = C_StringType;

// The one character of a bound when it is exactly one character within
// [first, last] (as unsigned codes); else X.
template <class X>
unsigned char single(std::string_view bound, unsigned char first, unsigned char last) {
    if (bound.size() != 1) throw X{};
    const auto c = static_cast<unsigned char>(bound[0]);
    if (c < first || c > last) throw X{};
    return c;
}

// A one-digit hexadecimal bound whose value lies within [first, last]; else X.
template <class X>
int hexa_digit(std::string_view bound, int first, int last) {
    if (bound.size() != 1 || !S::InAlphabet(bound, S::kHexadecimal)) throw X{};
    const int v = static_cast<int>(vek::hexa::value(bound[0]));
    if (v < first || v > last) throw X{};
    return v;
}

}  // namespace

void C_StringBin::RandomFill(int length, std::string_view minimum, std::string_view maximum) {
    single<xWrongMin>(minimum, '0', '0');
    single<xWrongMax>(maximum, '1', '1');
    RandomFillValues(length, 0, 1);
}

void C_StringDec::RandomFill(int length, std::string_view minimum, std::string_view maximum) {
    const int lo = single<xWrongMin>(minimum, '0', '8') - '0';
    const int hi = single<xWrongMax>(maximum, '1', '9') - '0';
    RandomFillValues(length, lo, hi);
}

void C_StringHexa::RandomFill(int length, std::string_view minimum, std::string_view maximum) {
    const int lo = hexa_digit<xWrongMin>(minimum, 0, 14);
    const int hi = hexa_digit<xWrongMax>(maximum, 1, 15);
    RandomFillValues(length, lo, hi);
}

void C_StringChar::RandomFill(int length, std::string_view minimum, std::string_view maximum) {
    const int lo = single<xWrongMin>(minimum, 1, 255);
    const int hi = single<xWrongMax>(maximum, 2, 255);
    RandomFillValues(length, lo, hi);
}

void C_StringEvenHexa::RandomFill(int length, std::string_view minimum, std::string_view maximum) {
    if (length < 1 || length > kMaxLength) throw xWrongLength{};
    if (length % 2 != 0) throw xModuloError{};
    if (minimum.size() != 2) throw xWrongMinLength{};
    if (maximum.size() != 2) throw xWrongMaxLength{};
    if (!InAlphabet(minimum, kHexadecimal)) throw xWrongMin{};
    if (!InAlphabet(maximum, kHexadecimal)) throw xWrongMax{};
    const int lo = vek::hexa::byte(minimum[0], minimum[1]);
    const int hi = vek::hexa::byte(maximum[0], maximum[1]);
    if (lo > 254) throw xWrongMin{};
    if (hi == 0) throw xWrongMax{};
    RandomFillValues(length, lo, hi);
}
