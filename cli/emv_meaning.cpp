// What EMV values mean: the bits and codes of the AIP, AUC, CID, CVM list, AFL,
// data object lists and the two response formats as EMV Books 3 and 4 define
// them, and the status words of ISO/IEC 7816-4, so that a tree reads in words.
#include "cli/emv_meaning.h"

#include <cstdio>
#include <string_view>

#include "cli/bytes_text.h"
#include "cli/emv_dictionary.h"
#include "types/tlv.h"

namespace vek::cli::emv {
namespace {

using tlv_tree::Fact;
using tlv_tree::Node;

std::string hexa_byte(std::uint8_t b) { return hexa_of(&b, 1); }

std::string bit_label(std::size_t byte, int bit) {
    return "byte " + std::to_string(byte + 1) + " bit " + std::to_string(bit);
}

// One named bit of a bit field: its byte (0-based), its bit (8 to 1), what it says.
struct Bit final {
    std::size_t byte;
    int bit;
    const char* meaning;
};

// A fixed-size bit field: one fact per bit set, RFU for a set bit without a
// meaning; "none" when no bit is set.
std::vector<Fact> bits_set(const std::uint8_t* value, std::size_t length, std::size_t size, const char* what,
                           std::initializer_list<Bit> bits) {
    if (length != size)
        return {{"not decoded", std::string(what) + " has " + std::to_string(size) + " bytes, this value " +
                                    std::to_string(length)}};
    std::vector<Fact> facts;
    for (std::size_t byte = 0; byte < size; ++byte) {
        for (int bit = 8; bit >= 1; --bit) {
            if ((value[byte] & (1u << (bit - 1))) == 0) continue;
            const char* meaning = "RFU";
            for (const Bit& b : bits)
                if (b.byte == byte && b.bit == bit) meaning = b.meaning;
            facts.push_back({bit_label(byte, bit), meaning, {}});
        }
    }
    if (facts.empty()) facts.push_back({"bits set", "none", {}});
    return facts;
}

std::vector<Fact> aip(const std::uint8_t* v, std::size_t n) {
    return bits_set(v, n, 2, "an AIP",
                    {{0, 7, "SDA supported"},
                     {0, 6, "DDA supported"},
                     {0, 5, "cardholder verification is supported"},
                     {0, 4, "terminal risk management is to be performed"},
                     {0, 3, "issuer authentication is supported"},
                     {0, 1, "CDA supported"},
                     {1, 8, "reserved for use by the EMV Contactless Specifications"}});
}

std::vector<Fact> auc(const std::uint8_t* v, std::size_t n) {
    return bits_set(v, n, 2, "an AUC",
                    {{0, 8, "valid for domestic cash transactions"},
                     {0, 7, "valid for international cash transactions"},
                     {0, 6, "valid for domestic goods"},
                     {0, 5, "valid for international goods"},
                     {0, 4, "valid for domestic services"},
                     {0, 3, "valid for international services"},
                     {0, 2, "valid at ATMs"},
                     {0, 1, "valid at terminals other than ATMs"},
                     {1, 8, "domestic cashback allowed"},
                     {1, 7, "international cashback allowed"}});
}

std::vector<Fact> cid(const std::uint8_t* v, std::size_t n) {
    if (n != 1) return {{"not decoded", "cryptogram information data has 1 byte, this value " + std::to_string(n)}};
    static const char* const kTypes[] = {"AAC (application authentication cryptogram)",
                                         "TC (transaction certificate)",
                                         "ARQC (authorisation request cryptogram)", "RFU (bits 8-7 are 11)"};
    static const char* const kReasons[] = {"no information given", "service not allowed", "PIN try limit exceeded",
                                           "issuer authentication failed"};
    const std::uint8_t b = v[0];
    std::vector<Fact> facts{{"cryptogram", kTypes[b >> 6], {}}};
    if ((b & 0x30) != 0) facts.push_back({"bits 6-5", "payment system-specific cryptogram bits set", {}});
    facts.push_back({"advice", (b & 0x08) != 0 ? "advice required" : "no advice required", {}});
    facts.push_back({"reason", (b & 0x04) != 0 ? "RFU" : kReasons[b & 0x03], {}});
    return facts;
}

std::string cvm_method(std::uint8_t code) {
    const unsigned m = code & 0x3Fu;
    switch (m) {
        case 0x00: return "fail CVM processing";
        case 0x01: return "plaintext PIN verification performed by ICC";
        case 0x02: return "enciphered PIN verified online";
        case 0x03: return "plaintext PIN verification performed by ICC and signature (paper)";
        case 0x04: return "enciphered PIN verification performed by ICC";
        case 0x05: return "enciphered PIN verification performed by ICC and signature (paper)";
        case 0x1E: return "signature (paper)";
        case 0x1F: return "no CVM required";
        case 0x3F: return "a method value not available for use";
        default: break;
    }
    const std::string which = " (" + hexa_byte(static_cast<std::uint8_t>(m)) + ")";
    if (m < 0x1E) return "a method reserved for future use" + which;
    if (m < 0x30) return "a method reserved for the individual payment systems" + which;
    return "a method reserved for the issuer" + which;
}

std::string cvm_condition(std::uint8_t code) {
    switch (code) {
        case 0x00: return "always";
        case 0x01: return "if unattended cash";
        case 0x02: return "if not unattended cash and not manual cash and not purchase with cashback";
        case 0x03: return "if terminal supports the CVM";
        case 0x04: return "if manual cash";
        case 0x05: return "if purchase with cashback";
        case 0x06: return "if transaction is in the application currency and is under X value";
        case 0x07: return "if transaction is in the application currency and is over X value";
        case 0x08: return "if transaction is in the application currency and is under Y value";
        case 0x09: return "if transaction is in the application currency and is over Y value";
        default: break;
    }
    const std::string which = " (" + hexa_byte(code) + ")";
    return code < 0x80 ? "an RFU condition" + which : "a condition reserved for the individual payment systems" + which;
}

std::uint32_t big_endian32(const std::uint8_t* v) {
    return static_cast<std::uint32_t>(v[0]) << 24 | static_cast<std::uint32_t>(v[1]) << 16 |
           static_cast<std::uint32_t>(v[2]) << 8 | v[3];
}

std::vector<Fact> cvm_list(const std::uint8_t* v, std::size_t n) {
    if (n < 8) return {{"not decoded", "a CVM list starts with amounts X and Y, 8 bytes", {}}};
    std::vector<Fact> facts{{"amount X", std::to_string(big_endian32(v)), {}},
                            {"amount Y", std::to_string(big_endian32(v + 4)), {}}};
    std::size_t rule = 0;
    for (std::size_t at = 8; at + 2 <= n; at += 2) {
        const std::uint8_t method = v[at];
        std::string words = hexa_of(v + at, 2) + ": " + cvm_method(method) + ", " + cvm_condition(v[at + 1]) +
                            "; if unsuccessful, " +
                            ((method & 0x40) != 0 ? "apply the next rule" : "cardholder verification fails");
        if ((method & 0x80) != 0) words += " (RFU bit 8 set)";
        facts.push_back({"rule " + std::to_string(++rule), words, {}});
    }
    if (n % 2 != 0) facts.push_back({"left over", hexa_of(v + n - 1, 1) + ": a last byte that is no whole rule", {}});
    return facts;
}

// One AFL entry in words; `sound` is cleared when the entry breaks a rule.
std::string afl_entry(const std::uint8_t* e, bool& sound) {
    const unsigned sfi = e[0] >> 3;
    const unsigned first = e[1];
    const unsigned last = e[2];
    const unsigned offline = e[3];
    std::string words = hexa_of(e, 4) + ": SFI " + std::to_string(sfi) + ", records " + std::to_string(first) +
                        " to " + std::to_string(last) + ", " + std::to_string(offline) +
                        " for offline data authentication";
    const auto fault = [&](const char* what) {
        words += "; ";
        words += what;
        sound = false;
    };
    if ((e[0] & 0x07) != 0) fault("bits 3-1 of byte 1 are not 000");
    if (sfi == 0 || sfi > 30) fault("the SFI is not 1 to 30");
    if (first == 0) fault("there is no record 0");
    if (last < first) fault("the last record comes before the first");
    if (last >= first && offline > last - first + 1) fault("more records for offline data authentication than in the range");
    return words;
}

std::vector<Fact> afl(const std::uint8_t* v, std::size_t n, bool& sound) {
    sound = true;
    std::vector<Fact> facts;
    std::size_t entry = 0;
    for (std::size_t at = 0; at + 4 <= n; at += 4) facts.push_back({"entry " + std::to_string(++entry), afl_entry(v + at, sound), {}});
    if (n % 4 != 0) {
        sound = false;
        facts.push_back({"left over", hexa_of(v + n - n % 4, n % 4) + ": bytes after the last whole entry", {}});
    }
    if (n == 0) facts.push_back({"entries", "none", {}});
    return facts;
}

std::vector<tlv_tree::DolEntry> dol(const std::uint8_t* v, std::size_t n, std::vector<Fact>& facts) {
    std::vector<tlv_tree::DolEntry> entries;
    std::size_t at = 0;
    while (at < n) {
        std::size_t tagBytes = 0;
        std::size_t fieldBytes = 0;
        std::size_t length = 0;
        if (tlv::ReadTag(v + at, n - at, &tagBytes) != tlv::kFound ||
            tlv::ReadLength(v + at + tagBytes, n - at - tagBytes, &fieldBytes, &length) != tlv::kFound) {
            facts.push_back({"left over", hexa_of(v + at, n - at) + ": no whole entry (a tag and a length)", {}});
            break;
        }
        tlv_tree::DolEntry e;
        e.tag = hexa_of(v + at, tagBytes);
        if (const TagInfo* info = find_tag(e.tag)) e.name = info->name;
        e.tagClass = tag_class(v[at]);
        e.length = length;
        entries.push_back(std::move(e));
        at += tagBytes + fieldBytes;
    }
    return entries;
}

bool printable(const std::uint8_t* v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (v[i] < 0x20 || v[i] > 0x7E) return false;
    return n > 0;
}

// A field of a format 1 response, as the element it stands for: `offset` in the
// data, its tag (of one or two bytes, the first one `first`), its value.
Node field(std::size_t offset, std::string tag, std::uint8_t first, const std::uint8_t* v, std::size_t n) {
    Node f;
    f.offset = offset;
    f.tag = std::move(tag);
    if (const TagInfo* info = find_tag(f.tag)) f.name = info->name;
    f.tagClass = tag_class(first);
    f.length = n;
    f.value = hexa_of(v, n);
    explain(f, v, n, offset, false, tlv_tree::Format1::Guess);
    return f;
}

bool gpo_shape(std::size_t n) { return n >= 2 && (n - 2) % 4 == 0; }
bool gac_shape(std::size_t n) { return n >= 11 && n <= 43; }

void format1(Node& node, const std::uint8_t* v, std::size_t n, std::size_t at, tlv_tree::Format1 option) {
    bool gpo = gpo_shape(n);
    bool gac = gac_shape(n);
    if (option == tlv_tree::Format1::Guess) {
        bool sound = false;
        if (gpo) afl(v + 2, n - 2, sound);
        gpo = gpo && sound;
        gac = gac && (v[0] >> 6) != 3;
        if (gpo == gac) {
            node.facts.push_back(
                {"read as",
                 std::string("not split: it fits ") + (gpo ? "both" : "neither") +
                     " a GET PROCESSING OPTIONS response (AIP, AFL) " + (gpo ? "and" : "nor") +
                     " a GENERATE AC response (CID, ATC, cryptogram, issuer application data)" +
                     (gpo ? "; --gpo or --gac says which" : ""),
                 {}});
            return;
        }
    } else if (option == tlv_tree::Format1::Gpo ? !gpo : !gac) {
        node.facts.push_back({"read as",
                              std::string("not split: ") + std::to_string(n) +
                                  (option == tlv_tree::Format1::Gpo
                                       ? " bytes are not an AIP (2 bytes) and whole AFL entries (4 bytes each)"
                                       : " bytes are not a CID, an ATC, a cryptogram and at most 32 bytes of issuer "
                                         "application data (11 to 43 bytes)"),
                              {}});
        return;
    } else {
        gpo = option == tlv_tree::Format1::Gpo;
    }
    if (gpo) {
        node.facts.push_back({"read as", "GET PROCESSING OPTIONS response: AIP and AFL", {}});
        node.fields.push_back(field(at, "82", 0x82, v, 2));
        if (n > 2) node.fields.push_back(field(at + 2, "94", 0x94, v + 2, n - 2));
    } else {
        node.facts.push_back({"read as", "GENERATE AC response: CID, ATC, application cryptogram" +
                                             std::string(n > 11 ? ", issuer application data" : ""),
                              {}});
        node.fields.push_back(field(at, "9F27", 0x9F, v, 1));
        node.fields.push_back(field(at + 1, "9F36", 0x9F, v + 1, 2));
        node.fields.push_back(field(at + 3, "9F26", 0x9F, v + 3, 8));
        if (n > 11) node.fields.push_back(field(at + 11, "9F10", 0x9F, v + 11, n - 11));
    }
}

}  // namespace

void explain(Node& node, const std::uint8_t* value, std::size_t length, std::size_t valueOffset, bool top,
             tlv_tree::Format1 format1Option) {
    const TagInfo* info = find_tag(node.tag);
    if (info == nullptr) return;
    switch (info->view) {
        case View::Hexa: break;
        case View::Text:
            if (printable(value, length)) node.text.assign(reinterpret_cast<const char*>(value), length);
            break;
        case View::Dol: node.list = dol(value, length, node.facts); break;
        case View::Cvm: node.facts = cvm_list(value, length); break;
        case View::Afl: {
            bool sound = false;
            node.facts = afl(value, length, sound);
            break;
        }
        case View::Aip: node.facts = aip(value, length); break;
        case View::Auc: node.facts = auc(value, length); break;
        case View::Cid: node.facts = cid(value, length); break;
        case View::Format1:
            if (top) format1(node, value, length, valueOffset, format1Option);
            break;
    }
}

bool is_status_word(std::uint8_t sw1, std::uint8_t) {
    return (sw1 >= 0x61 && sw1 <= 0x6F) || (sw1 >= 0x90 && sw1 <= 0x9F);
}

std::string status_word_meaning(std::uint8_t sw1, std::uint8_t sw2) {
    const unsigned sw = static_cast<unsigned>(sw1) << 8 | sw2;
    switch (sw) {
        case 0x9000: return "normal processing: no further qualification";
        case 0x6200: return "warning, memory unchanged: no information given";
        case 0x6281: return "warning, memory unchanged: part of returned data may be corrupted";
        case 0x6282: return "warning, memory unchanged: end of file or record reached before reading Ne bytes";
        case 0x6283: return "warning, memory unchanged: selected file deactivated";
        case 0x6284: return "warning, memory unchanged: file control information not formatted according to ISO/IEC 7816-4";
        case 0x6285: return "warning, memory unchanged: selected file in termination state";
        case 0x6286: return "warning, memory unchanged: no input data available from a sensor on the card";
        case 0x6300: return "warning, memory changed: no information given";
        case 0x6381: return "warning, memory changed: file filled up by the last write";
        case 0x6400: return "execution error, memory unchanged";
        case 0x6401: return "execution error, memory unchanged: immediate response required by the card";
        case 0x6500: return "execution error, memory changed: no information given";
        case 0x6581: return "execution error, memory changed: memory failure";
        case 0x6700: return "wrong length";
        case 0x6800: return "functions in CLA not supported: no information given";
        case 0x6881: return "functions in CLA not supported: logical channel not supported";
        case 0x6882: return "functions in CLA not supported: secure messaging not supported";
        case 0x6883: return "functions in CLA not supported: last command of the chain expected";
        case 0x6884: return "functions in CLA not supported: command chaining not supported";
        case 0x6900: return "command not allowed: no information given";
        case 0x6981: return "command not allowed: command incompatible with file structure";
        case 0x6982: return "command not allowed: security status not satisfied";
        case 0x6983: return "command not allowed: authentication method blocked";
        case 0x6984: return "command not allowed: reference data not usable";
        case 0x6985: return "command not allowed: conditions of use not satisfied";
        case 0x6986: return "command not allowed: no current EF";
        case 0x6987: return "command not allowed: expected secure messaging data objects missing";
        case 0x6988: return "command not allowed: incorrect secure messaging data objects";
        case 0x6A00: return "wrong parameters P1-P2: no information given";
        case 0x6A80: return "wrong parameters P1-P2: incorrect parameters in the command data field";
        case 0x6A81: return "wrong parameters P1-P2: function not supported";
        case 0x6A82: return "wrong parameters P1-P2: file or application not found";
        case 0x6A83: return "wrong parameters P1-P2: record not found";
        case 0x6A84: return "wrong parameters P1-P2: not enough memory space in the file";
        case 0x6A85: return "wrong parameters P1-P2: Nc inconsistent with TLV structure";
        case 0x6A86: return "wrong parameters P1-P2: incorrect parameters P1-P2";
        case 0x6A87: return "wrong parameters P1-P2: Nc inconsistent with parameters P1-P2";
        case 0x6A88: return "wrong parameters P1-P2: referenced data or reference data not found";
        case 0x6A89: return "wrong parameters P1-P2: file already exists";
        case 0x6A8A: return "wrong parameters P1-P2: DF name already exists";
        case 0x6B00: return "wrong parameters P1-P2";
        case 0x6D00: return "instruction code not supported or invalid";
        case 0x6E00: return "class not supported";
        case 0x6F00: return "no precise diagnosis";
        default: break;
    }
    const std::string n = std::to_string(sw2);
    switch (sw1) {
        case 0x61: return "normal processing: " + n + " bytes still available";
        case 0x62: return "warning, memory unchanged";
        case 0x63:
            if ((sw2 & 0xF0) == 0xC0) return "warning, memory changed: counter " + std::to_string(sw2 & 0x0F);
            return "warning, memory changed";
        case 0x64: return "execution error, memory unchanged";
        case 0x65: return "execution error, memory changed";
        case 0x66: return "security-related issue";
        case 0x67: return "wrong length";
        case 0x68: return "functions in CLA not supported";
        case 0x69: return "command not allowed";
        case 0x6A: return "wrong parameters P1-P2";
        case 0x6C: return "wrong Le field: " + n + " bytes available";
        default: break;
    }
    return sw1 >= 0x90 ? "not defined by ISO/IEC 7816-4 (proprietary)" : "checking error";
}

}  // namespace vek::cli::emv
