#pragma once
// The card verification value of payment cards, with two DES keys CVK A and
// CVK B: the value on the magnetic stripe (CVV, CVC), the one in the chip's
// track data (iCVV, service code 999) and the one printed on the card (CVV2,
// service code 000) are the same computation with different service codes.
//
// The PAN, the expiry date (YYMM) and the service code are written one after
// the other as digits and filled with zeros on the right to 32 digits. The first
// 16 digits are enciphered with single DES under CVK A; the result, combined by
// exclusive-or with the last 16 digits, is enciphered with two-key Triple-DES
// under CVK A and CVK B. The 16 result digits are decimalised (the digits 0-9
// in order, then the letters A-F in order as 0-5) and the first three are the
// value.

#include <string_view>

class C_CardVerificationValue final {
public:
    class xInvalidPAN final {};          // empty, not decimal, or over 19 digits
    class xInvalidExpiry final {};       // not 4 decimal digits
    class xInvalidServiceCode final {};  // not 3 decimal digits

    // The three digits for `pan` under `cvk` (32 digits: CVK A then CVK B).
    // Checks, in this order: the key (C_DESKey::xInvalidKey, then
    // C_DESKey::xWrongKeyLength), the PAN (xInvalidPAN), the expiry date
    // (xInvalidExpiry), the service code (xInvalidServiceCode).
    C_CardVerificationValue(std::string_view cvk, std::string_view pan, std::string_view expiry,
                            std::string_view serviceCode);

    std::string_view GetValue() const noexcept { return {m_text, 3}; }

private:
    char m_text[3]{};
};
