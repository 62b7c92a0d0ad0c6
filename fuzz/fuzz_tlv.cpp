// Fuzzes BER-TLV extraction: the engine on raw bytes, and vek_Tran_ExtractTLV
// with arbitrary tags and data. The first input byte chooses the way:
//
//   0 mod 3  engine: the rest is the data bytes; the searched tags are taken from
//            the data itself (its first bytes), so matches happen often.
//   1 mod 3  export, encoded: byte 1 holds the three tag sizes (2 bits each,
//            0 to 3 bytes), byte 2 the output size choice, then the tag bytes;
//            the rest is the data, written as hexadecimal text.
//   2 mod 3  export, raw text: the rest is split at '|' into tag 1, tag 2,
//            tag 3 and data, passed as they are (any bytes).
//
// Every buffer handed over has exactly its own size, so a read past its end is
// an AddressSanitizer report. Results that break the contract abort.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "types/tlv.h"
#include "vek.h"

namespace {

namespace tlv = vek::tlv;

void check(bool ok) {
    if (!ok) std::abort();
}

std::string hex(const std::uint8_t* bytes, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0xF];
    }
    return text;
}

bool is_hexa(std::string_view text) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

void engine(const std::uint8_t* data, std::size_t size) {
    // Readers at every position: their results stay within the bytes left.
    for (std::size_t at = 0; at <= size && at < 64; ++at) {
        std::size_t n = 0;
        if (tlv::ReadTag(data + at, size - at, &n) == tlv::kFound) check(n >= 1 && n <= size - at);
        std::size_t f = 0;
        std::size_t v = 0;
        if (tlv::ReadLength(data + at, size - at, &f, &v) == tlv::kFound)
            check(f >= 1 && f <= 5 && f <= size - at && v < 0x80000000u);
        tlv::Element e;
        if (at < size && tlv::ReadElement(data, size, at, &e) == tlv::kFound)
            check(e.offset == at && e.valueOffset() <= size && e.valueLength <= size - e.valueOffset());
    }
    // Searches for tags cut from the data's first bytes.
    const std::size_t t1 = size > 0 ? 1 + (data[0] & 1) : 0;
    std::vector<std::uint8_t> tag(data, data + (t1 <= size ? t1 : 0));
    tlv::Element e;
    if (tlv::FindInList(data, size, tag.data(), tag.size(), &e) == tlv::kFound)
        check(e.valueOffset() <= size && e.valueLength <= size - e.valueOffset());

    const std::string a = hex(data, t1 <= size ? t1 : 0);
    const std::string b = size > 4 ? hex(data + 2, 1 + (data[1] & 1)) : std::string();
    const std::string c = size > 6 ? hex(data + 5, 1) : std::string();
    std::size_t offset = 0;
    std::size_t length = 0;
    const int status = tlv::Walk(data, size, a, b, c, &offset, &length);
    check(status == tlv::kFound || status == tlv::kNotFound || status == tlv::kNoTag);
    if (status == tlv::kFound) check(offset <= size && length <= size - offset);

    // The same on text, with an output area of exactly the value's size.
    const std::string text = hex(data, size);
    std::vector<char> out(2 * length + 1);
    std::size_t digits = 0;
    const int again = tlv::Extract(text, a, b, c, out.data(), out.size(), &digits);
    check(again == status);
    if (again == tlv::kFound) check(digits == 2 * length && text.compare(2 * offset, digits, out.data()) == 0);
}

// Calls the export and checks what a caller may rely on.
void exported(const std::string& t1, const std::string& t2, const std::string& t3, const std::string& data,
              int outSize, bool nullTag2) {
    // Exactly sized copies, so that no NUL beyond the text can hide a bad read.
    const auto copy = [](const std::string& s) { return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1); };
    auto a = copy(t1), b = copy(t2), c = copy(t3), d = copy(data);
    std::vector<char> out(outSize > 0 ? static_cast<std::size_t>(outSize) : 1, '\x7F');
    const short result = vek_Tran_ExtractTLV(a.data(), nullTag2 ? nullptr : b.data(), c.data(), d.data(), out.data(),
                                             outSize);
    const short status = vek_LastStatus();
    if (result == -1) {
        check(status == 0);
        const std::string_view value(out.data());
        check(!value.empty() && value.size() % 2 == 0 && is_hexa(value));
        check(data.find(value) != std::string::npos);  // a value is a piece of its data
    } else {
        check(result == 0);
        check((status <= -1 && status >= -7) || status == -50);
        if (outSize >= 1) check(out[0] == '\0');
    }
}

int out_size(std::uint8_t choice) {
    switch (choice & 3) {
        case 0: return 120001;
        case 1: return 0;
        default: return choice >> 2;  // 0 to 63: often too small
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mode = input[0] % 3;
    const std::uint8_t* rest = input + 1;
    std::size_t left = size - 1;

    if (mode == 0) {
        // A heap copy of exactly the data's size.
        std::vector<std::uint8_t> data(rest, rest + left);
        engine(data.data(), data.size());
        return 0;
    }
    if (mode == 1) {
        if (left < 2) return 0;
        const std::uint8_t sizes = rest[0];
        const int outSize = out_size(rest[1]);
        rest += 2;
        left -= 2;
        std::string tags[3];
        for (int i = 0; i < 3; ++i) {
            const std::size_t n = (sizes >> (2 * i)) & 3;
            if (n > left) return 0;
            tags[i] = hex(rest, n);
            rest += n;
            left -= n;
        }
        std::string data = hex(rest, left);
        if (sizes & 0x40) data += 'A';  // an odd trailing digit
        exported(tags[0], tags[1], tags[2], data, outSize, (sizes & 0x80) != 0);
        return 0;
    }
    std::string parts[4];
    int part = 0;
    for (std::size_t i = 0; i < left; ++i) {
        const char ch = static_cast<char>(rest[i]);
        if (ch == '|' && part < 3) {
            ++part;
            continue;
        }
        parts[part] += ch;
    }
    // A NUL inside a part ends that text as the library sees it.
    for (auto& p : parts) p.resize(std::strlen(p.c_str()));
    exported(parts[0], parts[1], parts[2], parts[3], 120001, false);
    return 0;
}
