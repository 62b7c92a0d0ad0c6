#pragma once
// A number or byte string written in upper-case hexadecimal digits: the type most
// of the library speaks (keys, data blocks, image fields, TLV data).

#include <string>
#include <string_view>

#include "types/C_StringType.h"

class C_StringBin;
class C_StringDec;

class C_StringHexa : public C_StringType {
public:
    // Failures owned by the hexadecimal strings.
    class xDifferentLengths final {};
    class xTagNotFound final {};
    class xErrorTagLength final {};
    class xWrongKeyLength final {};
    class xWrongDataLength final {};
    class xWrongTDESMode final {};
    class xWrongMode final {};

    C_StringHexa() = default;
    // Builds the value from caller text of `sourceType`: binary (no leading zeros),
    // character (two digits a character, at most 30000 characters), hexadecimal
    // (as given) or decimal (up to 2^64 - 1, no leading zeros).
    C_StringHexa(std::string_view text, int sourceType);

    bool IsValid(std::string_view text) const override;
    std::string DigitFromValue(int value) const override;
    std::string GetPadded(int length) const override;

    // `text` itself, after the checks of construction from hexadecimal text
    // (xStringTooLong, xEmptyString, xInvalidType), for callers that need no copy.
    static std::string_view Checked(std::string_view text) {
        CheckSource(text, kHexadecimal);
        return text;
    }

    // '0'-'9', 'A'-'F' to 0-15, and back; anything else is xWrongValue.
    static int DigitValue(char digit);
    static char DigitChar(int value);

    // Numeric order; leading zeros do not count.
    int Compare(const C_StringHexa& other) const noexcept { return C_StringType::Compare(other, '0'); }

    // ---- Conversions and comparison ----

    // Numeric order against a decimal number: its text is converted to hexadecimal
    // first, so a value above 2^64 - 1 is xNumberTooBig.
    int CompareDec(const C_StringDec& dec) const;
    // The `length` bits from 0-based bit `position` on (position 0 is the most
    // significant bit of the first digit), as binary text. Checks in order:
    // xWrongPos (position outside 0 to 239999), xWrongLength (length outside 1 to
    // 240000), xInvalidPos (position past the last bit), xOverlap (the run passes
    // the end), then xStringTooLong for more than 60000 bits.
    C_StringBin ExtractBin(int position, int length) const;

    // ---- Transforms ----

    // this := this + 1 and this := this - 1, without leading zeros (00FF + 1 is
    // "100"). xResultTooBig past 60000 digits; xNegativeResult below zero.
    void Increase();
    void Decrease();
    // Reverses the order of all 4n bits in place: "12" becomes "48".
    void SwapBits();
    // Overwrites the bits from the 0-based bit `position` on (position 0 is the most
    // significant bit of the first digit) with `bits`, in place. xWrongPos below 0
    // or above 239999, xInvalidPos past the last bit, xOverlap when the bits run
    // past the end.
    void SetBin(int position, const C_StringBin& bits);
    // The value with its bits moved `count` places toward position 0 (left) or away
    // from it (right); the length is kept, zeros come in, bits going out are lost.
    // A negative count shifts the other way.
    C_StringHexa ShiftLeft(int count) const;
    C_StringHexa ShiftRight(int count) const;

    // ---- Arithmetic and logic ----

    // this + other and this - other, without leading zeros ("0" for zero).
    // xResultTooBig when a sum needs more than 60000 digits; xNegativeResult when
    // other is greater than this (by value: leading zeros do not count).
    C_StringHexa Add(const C_StringHexa& other) const;
    C_StringHexa Subtract(const C_StringHexa& other) const;
    // The same with a decimal operand of at most 2^64 - 1 (else xNumberTooBig).
    C_StringHexa AddDec(const C_StringDec& other) const;
    C_StringHexa SubtractDec(const C_StringDec& other) const;
    // Digit-wise logic of two values of the same length (else xDifferentLengths);
    // the result keeps that length, leading zeros included.
    C_StringHexa Xor(const C_StringHexa& other) const;
    C_StringHexa And(const C_StringHexa& other) const;
    C_StringHexa Or(const C_StringHexa& other) const;
    // Every digit d replaced by 15 - d; same length.
    C_StringHexa Complement() const;
    // XOR of the consecutive blocks of `blockLength` digits: xWrongLength outside
    // 1 to 30000, xModuloError when the length is not a multiple of it.
    C_StringHexa Checksum(int blockLength) const;
    // The number of one bits, or of zero bits when `mode` is 0.
    int CountBits(short mode) const noexcept;

    // ---- BER-TLV extraction ----

    // The value of the element that the path tag1 / tag2 / tag3 designates in
    // this value read as BER-TLV data: tag1 among the top-level elements, tag2
    // inside its value, tag3 inside tag2's value. Tag 1 has 2 or 4 digits, tags 2
    // and 3 have 0 (absent), 2 or 4, else xErrorTagLength (tag 1 tested first);
    // tag 3 counts only when tag 2 is given. A path that leads to no element is
    // xTagNotFound; an element with an empty value is xEmptyString.
    C_StringHexa ExtractTLV(const C_StringHexa& tag1, const C_StringHexa& tag2, const C_StringHexa& tag3) const;

    // ---- Cryptography ----

    // Two-key Triple-DES of this value, one block of 16 digits, in place, with
    // `key` of 32 digits (K1 then K2) on the shared DES engine: mode 1 encrypts
    // E(K1, D(K2, E(K1, x))), mode 0 decrypts. Checks, in this order: key length
    // (xWrongKeyLength), data length (xWrongDataLength), mode (xWrongTDESMode);
    // only then are K1 and K2 loaded, leaving K1 in the engine's slot 0.
    void TripleDES(const C_StringHexa& key, int mode);
    // The same on texts already checked as hexadecimal (see Checked), the result
    // written to `result` (16 digits, no NUL): no copy of key or block is made.
    static void TripleDES(std::string_view key, std::string_view block, int mode, char result[16]);

    // ---- Random values ----

    // Random digits between two bounds, each given as one character: the minimum
    // '0' to '9' or 'A' to 'E', the maximum '1' to '9' or 'A' to 'F'.
    // A bad minimum is xWrongMin, then a bad maximum xWrongMax; then the checks of
    // RandomFillValues: xWrongLength, and xWrongMinMax when the minimum is not
    // below the maximum.
    virtual void RandomFill(int length, std::string_view minimum, std::string_view maximum);

protected:
    // Takes `digits` as the value without any check (the caller guarantees them).
    struct Trusted final {};
    C_StringHexa(Trusted, std::string digits) { m_value = std::move(digits); }

private:
    // op(this digit, other digit) for digit values, at the common width; operands
    // of different lengths are xDifferentLengths.
    template <class Op>
    C_StringHexa Digitwise(const C_StringHexa& other, Op op) const;
};
