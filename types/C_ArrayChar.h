#pragma once
// A block of bytes given by pointer and length (so it may hold any byte value,
// zero included), turned into hexadecimal text (two digits a byte) or binary
// text (eight bits a byte, most significant first). Not a typed string.

#include <string>

class C_ArrayChar final {
public:
    // Failures of this class; distinct from the typed strings' ones of the same names.
    class xInvalidType final {};
    class xEmptyString final {};
    class xStringTooLong final {};
    class xWrongType final {};
    class xWrongValue final {};

    // The text to build: the typed strings' source-type numbers.
    static constexpr int kBinary = 0;
    static constexpr int kHexadecimal = 2;

    static constexpr int kMaxLength = 60000;

    // Checks in order: xWrongType (a target other than binary or hexadecimal);
    // xStringTooLong (length above 60000); xEmptyString (length 0),
    // xInvalidType (negative length), xEmptyString (a null pointer); xStringTooLong
    // when the text would exceed 60000 characters (more than 30000 bytes to
    // hexadecimal, 7500 to binary). Only `length` bytes are read.
    C_ArrayChar(const unsigned char* bytes, int length, int targetType);

    const std::string& GetText() const noexcept { return m_text; }
    // Room the text takes with its terminating NUL.
    int GetSize() const noexcept { return static_cast<int>(m_text.size()) + 1; }

    // 0 to 15 gives '0' to '9', 'A' to 'F'; anything else is xWrongValue.
    static char DigitChar(int value);

private:
    std::string m_text;
};
