#pragma once
// An ICC master key derived from an issuer master key, a PAN and a PAN sequence
// number, as EMV Book 2, Annex A1.4 describes it:
//  - option A: Y is the rightmost 16 digits of PAN || PAN sequence number
//    (zeros on the left when there are fewer);
//  - option B, for a PAN of more than 16 digits: PAN || PAN sequence number
//    (with a '0' in front when its digit count is odd) is packed two digits a
//    byte and hashed with SHA-1 (crypto/C_SHA1.h); Y is the first 16 digits of
//    the 40-digit hash decimalised (its digits 0-9 in order, then its letters
//    A-F in order as 0-5). For a PAN of 16 digits or fewer, option B is A.
// Then ZL = E(IMK, Y) and ZR = E(IMK, Y xor FFFFFFFFFFFFFFFF) with two-key
// Triple-DES, and the master key is ZL || ZR with each byte's least significant
// bit set for odd parity.

#include <string_view>

class C_ICCMasterKey final {
public:
    class xInvalidPAN final {};   // empty, not decimal, or over 19 digits
    class xInvalidPSN final {};   // not empty and not 2 decimal digits
    class xWrongOption final {};  // an option other than 0, 1 and 2

    // Options.
    static constexpr int kByLength = 0;  // A up to 16 digits of PAN, B above
    static constexpr int kOptionA = 1;   // A whatever the PAN's length
    static constexpr int kOptionB = 2;   // B (A for a PAN of 16 digits or fewer)

    // The 32-digit ICC master key. `issuerMasterKey` has 32 digits (K1 K2);
    // an empty `psn` stands for "00". Checks, in this order: the issuer master
    // key (C_DESKey::xInvalidKey, then C_DESKey::xWrongKeyLength), the PAN
    // (xInvalidPAN), the PAN sequence number (xInvalidPSN), the option
    // (xWrongOption).
    C_ICCMasterKey(std::string_view issuerMasterKey, std::string_view pan, std::string_view psn, int option);

    std::string_view GetValue() const noexcept { return {m_text, 32}; }

private:
    char m_text[32]{};
};
