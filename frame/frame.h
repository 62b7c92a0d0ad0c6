#pragma once
// The frame every exported function runs in.
//
// An export reads as: its inputs built in order, each in a stage with its own
// code table, then the operation, then the result. For example:
//
//   VEK_API short VEK_CALL vek_Calc_AddDecToDec(const char* a, const char* b, int length,
//                                               char* out, int outSize) {
//       return frame::text(out, outSize, [&] {
//           const auto x = frame::operand<D>(a, S::kDecimal, frame::OnBadText{-1});
//           const auto y = frame::operand<D>(b, S::kDecimal, frame::OnBadText{-2});
//           return frame::stage([&] { return x.Add(y).GetPadded(length); },
//                               On<S::xWrongLength>{-3}, On<S::xLengthTooSmall>{-4},
//                               On<S::xResultTooBig>{-5});
//       });
//   }
//
// Every exports file opens its anonymous namespace with the aliases
//
//   namespace frame = vek::frame;
//   using frame::On;
//
// and, for the classes it names, the one alias each class has in every file:
// S C_StringType, A C_ArrayChar, B C_StringBin, C C_StringChar, D C_StringDec,
// E C_StringEvenHexa, H C_StringHexa, F C_ImageFile, Header C_ImageFileHeader,
// DC9 C_DC9File.
//
// Every code a function can leave is written as a row On<...>{code} or as
// frame::fail(code) in its own body or in a helper of its file, so that the
// source check (tests/source/check_codes.py) can match each one with the codes
// include/vek.h lists for the function. A -99 that vek.h gives a meaning of its
// own (an input that leads to it) is written the same way, as an explicit row
// (On<...>{VEK_STATUS_INTERNAL}), or through frame::target.
//
// Inner layer: `stage` turns an exception listed in its table into that code.
// Outer layer: `call` (and the shapes built on it) sets the status register to 0
// on entry, and turns a code, a resource failure, xRuntimeError, xBufferTooSmall
// or anything else into the status and a 0 result. Nothing escapes.

#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "frame/status.h"
#include "types/C_StringType.h"
#include "types/xBufferTooSmall.h"
#include "types/xRuntimeError.h"
#include "vek.h"

namespace vek::frame {

// Carries a function's own status code from a stage or a direct test to the outer layer.
struct xStatus final {
    short code;
};

// One row of a stage's code table: any of the exception types X gives `code`.
template <class... X>
struct On final {
    short code;
};

// Ends the call with `code` (a direct test in an exported function: a mode flag
// other than 0 or 1, a predicate found false).
[[noreturn]] inline void fail(short code) { throw xStatus{code}; }

namespace detail {

// True when the exception being handled is of type X. Called only inside a handler.
template <class X>
bool handling() noexcept {
    try {
        throw;
    } catch (const X&) {
        return true;
    } catch (...) {
        return false;
    }
}

template <class... X>
short code_of(const On<X...>& row) noexcept {
    return (handling<X>() || ...) ? row.code : short{0};
}

}  // namespace detail

// Runs one step of an export. An exception named in `table` ends the call with
// that row's code; any other exception goes on to the outer layer untouched.
template <class F, class... Rows>
decltype(auto) stage(F&& step, const Rows&... table) {
    try {
        return std::forward<F>(step)();
    } catch (...) {
        short code = 0;
        ((code = code != 0 ? code : detail::code_of(table)), ...);
        if (code != 0) throw xStatus{code};
        throw;
    }
}

// The outer layer. `body` returns true for -1 (success, true) and false for 0.
template <class Body>
short call(Body&& body) noexcept {
    status::set(VEK_STATUS_OK);
    try {
        return std::forward<Body>(body)() ? short{-1} : short{0};
    } catch (const xStatus& failure) {
        status::set(failure.code);
    } catch (const std::bad_alloc&) {
        status::set(VEK_STATUS_INTERNAL);
    } catch (const xRuntimeError&) {
        status::set(VEK_STATUS_INTERNAL);
    } catch (const xBufferTooSmall&) {
        status::set(VEK_STATUS_BUFFER_TOO_SMALL);
    } catch (...) {
        status::set(VEK_STATUS_INTERNAL);
    }
    return 0;
}

// The size rule: `text` and its NUL are copied into `out` when they fit in
// `outSize` bytes; otherwise xBufferTooSmall and `out` is not written. A null
// `out` with a size of 1 or more cannot be written: an internal failure (-99).
inline void write(char* out, int outSize, std::string_view text) {
    if (outSize < 1 || static_cast<unsigned>(outSize) - 1u < text.size()) throw xBufferTooSmall{};
    if (out == nullptr) fail(VEK_STATUS_INTERNAL);
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
}

// Shape 1: clear `out`, run `body` (which returns the result text: a string, or
// any value that converts to a string_view), copy the result back under the
// size rule. A failure leaves "" in `out`, or leaves `out` untouched when
// `outSize` is below 1.
template <class Body>
short text(char* out, int outSize, Body&& body) noexcept {
    return call([&] {
        write(out, outSize, {});
        const auto result = std::forward<Body>(body)();
        write(out, outSize, std::string_view(result));
        return true;
    });
}

// A result of exactly N characters held in place, for hot paths that must not
// allocate.
template <std::size_t N>
struct Fixed final {
    char text[N];
    operator std::string_view() const noexcept { return {text, N}; }
};

// A 1-based position at the interface as the classes' 0-based one; every
// position below 1 becomes -1 (out of range), without overflow.
constexpr int position(int oneBased) noexcept { return oneBased >= 1 ? oneBased - 1 : -1; }

// What a caller's output pointer points to; a null pointer cannot be written, so
// the call ends as an internal failure (-99) with nothing written, not a crash.
template <class T>
T& target(T* pointer) {
    if (pointer == nullptr) fail(VEK_STATUS_INTERNAL);
    return *pointer;
}

// A null input pointer reads as the empty text.
inline const char* in(const char* text) noexcept { return text != nullptr ? text : ""; }

// The row of an operand whose every failure of its text (a character outside
// its alphabet, empty, too long) gives one code.
using OnBadText = On<C_StringType::xInvalidType, C_StringType::xEmptyString, C_StringType::xStringTooLong>;

// An operand: the typed string T built from a caller's text read as `sourceType`
// (a null pointer reads as the empty text), its failures turned into codes by
// `table`.
template <class T, class... Rows>
T operand(const char* text, int sourceType, const Rows&... table) {
    return stage([&] { return T(in(text), sourceType); }, table...);
}

// An operand of a class that reads a caller's text in one way only (C_Image,
// C_ImageFileHeader): T built from the text, its failures turned into codes by
// `table`.
template <class T, class... Rows>
    requires(!std::is_convertible_v<Rows, int> && ...)
T operand(const char* text, const Rows&... table) {
    return stage([&] { return T(in(text)); }, table...);
}

}  // namespace vek::frame
