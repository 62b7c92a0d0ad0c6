#pragma once
// Clear PIN blocks of ISO 9564-1, formats 0, 1 and 3: 16 hexadecimal digits.
//
// The PIN field is the format digit, the PIN length N (4 to 12), the N PIN
// digits and a fill up to 16 digits: F for format 0, random digits 0-F for
// format 1 (its transaction field), random digits A-F for format 3. The fill of
// formats 1 and 3 comes from the operating system's random source
// (C_RandomGenerator::SystemRandom), not from the process's generator, so
// building a block leaves the DES engine as it was.
//
// Formats 0 and 3 combine the PIN field by exclusive-or with the account field:
// 0000 and the 12 rightmost PAN digits before the check digit (the PAN needs at
// least 13 digits). Format 1 takes no PAN.

#include <string>
#include <string_view>

class C_PINBlock final {
public:
    class xWrongFormat final {};     // a format other than 0, 1 and 3
    class xInvalidPIN final {};      // not 4 to 12 decimal digits
    class xInvalidPAN final {};      // formats 0 and 3: empty, not decimal, or not 13 to 19 digits
    class xInvalidBlock final {};    // not 16 upper-case hexadecimal digits
    class xMalformedBlock final {};  // not a block of the format (see GetPIN)

    // Builds the block of `pin`. `pan` is read for formats 0 and 3 only.
    // Checks, in this order: the format (xWrongFormat), the PIN (xInvalidPIN),
    // the PAN (xInvalidPAN). When the system gives no random bytes: xRuntimeError.
    C_PINBlock(int format, std::string_view pin, std::string_view pan);

    std::string_view GetValue() const noexcept { return {m_text, 16}; }

    // The PIN that `block` holds. `pan` is read for formats 0 and 3 only.
    // Checks, in this order: the format (xWrongFormat), the block's text
    // (xInvalidBlock), the PAN (xInvalidPAN), then the PIN field
    // (xMalformedBlock): its format digit, a length of 4 to 12, decimal PIN
    // digits, and a fill the format allows (all F for format 0, A-F for
    // format 3, anything for format 1).
    static std::string GetPIN(int format, std::string_view block, std::string_view pan);

private:
    char m_text[16]{};
};
