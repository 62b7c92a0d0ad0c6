#pragma once
// The abstract base of every typed string: a text of at most 60000 8-bit
// characters that knows its type and checks itself.

#include <cstdint>
#include <string>
#include <string_view>

class C_StringType {
public:
    static constexpr int kMaxLength = 60000;

    // How a constructor reads caller text.
    enum SourceType : int { kBinary = 0, kCharacter = 1, kHexadecimal = 2, kDecimal = 3 };

    // Failures; each is its own type, none derives from another.
    class xEmptyString final {};
    class xWrongLength final {};
    class xStringTooLong final {};
    class xInvalidType final {};
    class xNumberTooBig final {};
    class xModuloError final {};
    class xWrongType final {};
    class xWrongMax final {};
    class xWrongMin final {};
    class xOverlap final {};
    class xInvalidPos final {};
    class xWrongPos final {};
    class xWrongValue final {};
    class xResultTooBig final {};
    class xNegativeResult final {};
    class xLengthTooSmall final {};
    class xWrongMinMax final {};

    virtual ~C_StringType() = default;

    // Whether `text` is a valid value of the subclass's type. Raises
    // xStringTooLong above 60000 characters, then xEmptyString when empty.
    virtual bool IsValid(std::string_view text) const = 0;
    // The one-character text of a digit value of the type, or xWrongValue.
    virtual std::string DigitFromValue(int value) const = 0;
    // The value left-padded to `length` with the type's pad character.
    virtual std::string GetPadded(int length) const = 0;

    int GetLength() const noexcept { return static_cast<int>(m_value.size()); }
    char GetAt(int index) const { return m_value.at(static_cast<std::size_t>(index)); }
    const std::string& GetValue() const noexcept { return m_value; }

    // Padding rule: length < 0 or > 60000 is xWrongLength; a non-zero length
    // shorter than the value is xLengthTooSmall; 0 gives the value as it is;
    // otherwise pad characters are put in front up to `length`.
    std::string GetPaddedWith(int length, char pad) const;

    // -1, 0 or 1: both texts padded on the left with `pad` to the longer length,
    // then compared as unsigned bytes.
    int Compare(const C_StringType& other, char pad) const noexcept;

    // Swaps characters 0 and 1, 2 and 3, ...; an odd length is xModuloError.
    void SwapPairs();

    // Strips leading `character`s; a value made only of them (or empty) becomes "0".
    void TrimLeading(char character);

    // Whether `text` is valid caller text of `sourceType`, with the checks of that
    // type's IsValid: xStringTooLong above 60000 characters, then xEmptyString.
    // Unknown source types are xWrongType.
    static bool IsValidText(std::string_view text, int sourceType);
    // Whether every character of `text` is in the alphabet of `sourceType`, with
    // no length check (the empty text passes).
    static bool InAlphabet(std::string_view text, int sourceType) noexcept;

    // The position rule for a run of `run` bits at 0-based bit position `position`
    // in a value of `bits` bits: xWrongPos, then (reading only) xWrongLength,
    // xInvalidPos, xOverlap.
    static void CheckRun(int position, int run, int bits, int maxPosition, int maxRun, bool reading);

    // ---- Random values ----

    // Replaces the value with `length` random characters from the process's
    // generator (crypto/C_RandomGenerator.h): for every random byte b, taken from
    // the least significant byte of each output block upward, the next unit is
    // DigitFromValue(lo + b mod (hi - lo + 1)); every call starts with a fresh
    // block. Checks, in this order, before the generator is touched:
    // xWrongLength (length outside 1 to 60000), xWrongMinMax (lo not below hi, or
    // a value in the range that DigitFromValue refuses), xModuloError (length not
    // a whole number of units, for types whose units are several characters).
    // Defined with the generator, in crypto/C_StringTypeRandom.cpp.
    void RandomFillValues(int length, int lo, int hi);

protected:
    C_StringType() = default;
    C_StringType(const C_StringType&) = default;
    C_StringType& operator=(const C_StringType&) = default;
    C_StringType(C_StringType&&) noexcept = default;
    C_StringType& operator=(C_StringType&&) noexcept = default;

    // The value of decimal text already checked as decimal, up to 2^64 - 1:
    // leading zeros do not count; more than 20 other digits, or a larger value,
    // is xNumberTooBig.
    static std::uint64_t DecimalValue(std::string_view digits);

    // Construction steps 3 and 4 for caller text of `sourceType`: more than
    // `limit` characters is xStringTooLong; then the source type's own
    // validation (xStringTooLong, xEmptyString), and invalid text is xInvalidType.
    static void CheckSource(std::string_view text, int sourceType, int limit = kMaxLength);

    std::string m_value;
};
