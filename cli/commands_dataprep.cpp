// Data preparation in the vek command: help texts for the nine functions; the
// binder runs them from vek.h's parameters.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kDataPrep{{
    {.name = "Calc_KeyCheckValue",
     .summary = "key check value: the first digits of the zero block encrypted under a key",
     .details = "key: 16, 32 or 48 hexadecimal digits (DES, two- or three-key Triple-DES);\n"
                "digits: 1 to 16, or 0 for 6."},
    {.name = "Calc_TripleDESData",
     .summary = "DES or Triple-DES over data, ECB or CBC (mode 1 encrypt, 0 decrypt)",
     .details = "key: 16, 32 or 48 hexadecimal digits; data: a multiple of 16 digits, up to 60000;\n"
                "chaining 0 ECB with iv \"\", 1 CBC with iv of 16 digits. No padding is added."},
    {.name = "Calc_MAC",
     .summary = "ISO/IEC 9797-1 MAC algorithm 1 or 3 (retail MAC), padding 1 or 2",
     .details = "key: 16, 32 or 48 hexadecimal digits (32 or 48 for algorithm 3); data: bytes as\n"
                "hexadecimal, may be \"\". The whole last block is written; keep the digits you need."},
    {.name = "Calc_DeriveICCMasterKey",
     .summary = "EMV ICC master key from an issuer master key, PAN and PAN sequence number",
     .details = "issuerMasterKey: 32 hexadecimal digits; pan: up to 19 digits; psn: 2 digits or \"\"\n"
                "for 00; option 0 A or B by the PAN's length, 1 option A, 2 option B. Odd parity is set."},
    {.name = "Calc_CardVerificationValue",
     .summary = "CVV/CVC, iCVV (service code 999) or CVV2 (service code 000)",
     .details = "cvk: CVK A then CVK B, 32 hexadecimal digits; pan: up to 19 digits; expiry: YYMM;\n"
                "serviceCode: 3 digits."},
    {.name = "Calc_PINBlock",
     .summary = "ISO 9564-1 clear PIN block, format 0, 1 or 3",
     .details = "pin: 4 to 12 digits; pan: 13 to 19 digits with its check digit (formats 0 and 3;\n"
                "\"\" for format 1). Formats 1 and 3 take their fill from the system's random source."},
    {.name = "Conv_PINBlockToPIN",
     .summary = "the PIN held in an ISO 9564-1 clear PIN block, format 0, 1 or 3",
     .details = "pinBlock: 16 hexadecimal digits; pan: as given to Calc_PINBlock (\"\" for format 1).\n"
                "Every field of the block is checked."},
    {.name = "Tran_BuildTLV",
     .summary = "one BER-TLV element from a tag and a value",
     .details = "tag: 1 to 4 bytes, one well-formed BER tag; value: bytes as hexadecimal, may be \"\".\n"
                "The length is written in its shortest definite form. Show it with vek tlv."},
    {.name = "Tran_BuildDGI",
     .summary = "one DGI (data grouping) of the personalization format",
     .details = "dgi: 4 hexadecimal digits; value: bytes as hexadecimal, may be \"\".\n"
                "The length is one byte up to 254, else FF and two bytes. Show it with vek dgi."},
}};

}  // namespace
}  // namespace vek::cli
