// Typed strings built from arbitrary bytes with every source type, a few
// operations on them and round trips between them; byte blocks through
// C_ArrayChar and the text-to-bytes exports. The library's own exceptions are
// expected answers; anything else, a sanitizer report or a broken round trip
// is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "types/C_ArrayChar.h"
#include "types/C_StringBin.h"
#include "types/C_StringChar.h"
#include "types/C_StringDec.h"
#include "types/C_StringHexa.h"
#include "vek.h"

namespace {

using S = C_StringType;

template <class F>
void guarded(F&& f) {
    try {
        f();
    } catch (const S::xEmptyString&) {
    } catch (const S::xWrongLength&) {
    } catch (const S::xStringTooLong&) {
    } catch (const S::xInvalidType&) {
    } catch (const S::xNumberTooBig&) {
    } catch (const S::xModuloError&) {
    } catch (const S::xWrongType&) {
    } catch (const S::xOverlap&) {
    } catch (const S::xInvalidPos&) {
    } catch (const S::xWrongPos&) {
    } catch (const S::xWrongValue&) {
    } catch (const S::xLengthTooSmall&) {
    } catch (const C_StringChar::xNullChar&) {
    } catch (const C_ArrayChar::xEmptyString&) {
    } catch (const C_ArrayChar::xInvalidType&) {
    } catch (const C_ArrayChar::xStringTooLong&) {
    } catch (const C_ArrayChar::xWrongType&) {
    }
}

void check(bool holds) {
    if (!holds) __builtin_trap();
}

std::string strip_zeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int a = data[0] | data[1] << 8;  // parameters for the operations
    const int b = static_cast<signed char>(data[2]) * 977;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    for (int source = -1; source <= 4; ++source) {
        guarded([&] {
            const C_StringHexa h(text, source);
            check(h.Compare(h) == 0);
            guarded([&] { (void)h.GetPadded(a % 70000 - 5000); });
            guarded([&] {
                const C_StringBin bits = h.ExtractBin(a * 4 + b, b + a % 64);
                check(bits.GetLength() == b + a % 64);
            });
            guarded([&] { (void)h.CompareDec(C_StringDec(text, S::kDecimal)); });
        });
        guarded([&] { (void)C_StringDec(text, source).GetPadded(a % 70000); });
        guarded([&] { (void)C_StringBin(text, source).GetPadded(a % 70000); });
        guarded([&] {
            C_StringChar c(text, source);
            c.SwapNibbles();
            guarded([&] { c.SwapPairs(); });
            guarded([&] { c.CheckNoNullChar(); });
            (void)c.GetPadded(a % 70000);
        });
    }

    // Round trips from valid hexadecimal text.
    guarded([&] {
        const C_StringHexa h(text, S::kHexadecimal);
        guarded([&] {  // through the bytes it denotes
            const C_StringChar c(text, S::kHexadecimal);
            check(C_StringHexa(c.GetValue(), S::kCharacter).GetValue() == h.GetValue());
        });
        guarded([&] {  // through bits
            const C_StringBin bits(text, S::kHexadecimal);
            check(C_StringHexa(bits.GetValue(), S::kBinary).GetValue() == strip_zeros(text));
        });
        guarded([&] {  // through a 64-bit decimal
            const C_StringDec dec(text, S::kHexadecimal);
            check(C_StringHexa(dec.GetValue(), S::kDecimal).GetValue() == strip_zeros(text));
            check(h.CompareDec(dec) == 0);
        });
    });

    // Byte blocks: to text and back through the exports.
    const auto* bytes = data + 3;
    const int length = static_cast<int>(size - 3);
    guarded([&] {
        const C_ArrayChar hexa(bytes, length, C_ArrayChar::kHexadecimal);
        std::vector<unsigned char> back(static_cast<std::size_t>(length) + 1, 0xEE);
        int count = -1;
        check(vek_Conv_HexaToArrayChar(hexa.GetText().c_str(), back.data(), &count) == -1);
        check(count == length && std::memcmp(back.data(), bytes, back.size() - 1) == 0 && back.back() == 0);
    });
    guarded([&] {
        const C_ArrayChar bin(bytes, length, C_ArrayChar::kBinary);
        std::vector<unsigned char> back(static_cast<std::size_t>(length) + 1, 0xEE);
        int count = -1;
        check(vek_Conv_BinToArrayChar(bin.GetText().c_str(), back.data(), &count) == -1);
        check(count == length && std::memcmp(back.data(), bytes, back.size() - 1) == 0 && back.back() == 0);
    });
    guarded([&] { (void)C_ArrayChar(bytes, b < length ? b : length, a % 4); });  // never past the data

    // The text-to-bytes exports on the raw text (it ends at its first 0x00 byte).
    const std::string z(text);
    std::vector<unsigned char> out(z.size() / 2 + 2);
    int count = 0;
    const auto digits = static_cast<int>(std::strlen(z.c_str()));
    if (vek_Conv_HexaToArrayChar(z.c_str(), out.data(), &count) == -1) check(count == (digits + 1) / 2);
    if (vek_Conv_BinToArrayChar(z.c_str(), out.data(), &count) == -1) check(count == (digits + 7) / 8);
    char buffer[64];
    (void)vek_Conv_ArrayCharToHexa(bytes, length, buffer, sizeof buffer);
    (void)vek_Conv_ArrayCharToBin(bytes, length, buffer, sizeof buffer);
    return 0;
}
