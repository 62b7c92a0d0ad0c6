// Decimal arithmetic: identities of sums and differences, agreement with a
// plain digit-by-digit reference, and the exports on arbitrary bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "types/C_StringDec.h"
#include "vek.h"

namespace {

// Schoolbook sum, one digit at a time, without leading zeros.
std::string reference_sum(const std::string& a, const std::string& b) {
    std::string r;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        int d = carry;
        if (i < a.size()) d += a[a.size() - 1 - i] - '0';
        if (i < b.size()) d += b[b.size() - 1 - i] - '0';
        r.push_back(static_cast<char>('0' + d % 10));
        carry = d / 10;
    }
    while (r.size() > 1 && r.back() == '0') r.pop_back();
    std::reverse(r.begin(), r.end());
    return r.empty() ? "0" : r;
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The exports on the raw bytes, split at the first 0xFF: nothing may crash.
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = raw.find('\xFF');
    const std::string left = raw.substr(0, cut).c_str();
    const std::string right = cut == std::string::npos ? "" : std::string(raw.substr(cut + 1).c_str());
    std::string out(left.size() + right.size() + 2, '\0');  // room for any sum and the raw result
    const int outSize = static_cast<int>(out.size());
    vek_Calc_AddDecToDec(left.c_str(), right.c_str(), 0, out.data(), outSize);
    vek_Calc_SubstractDecToDec(left.c_str(), right.c_str(), 0, out.data(), outSize);
    vek_Calc_XORBinary(left.c_str(), left.c_str(), out.data());

    // Two digit texts made from the bytes.
    std::string a;
    std::string b;
    for (std::size_t i = 0; i < size; ++i) (i % 2 == 0 ? a : b).push_back(static_cast<char>('0' + data[i] % 10));
    if (a.empty() || b.empty()) return 0;
    const C_StringDec x(a, C_StringType::kDecimal);
    const C_StringDec y(b, C_StringType::kDecimal);
    const C_StringDec sum = x.Add(y);
    require(sum.GetValue() == reference_sum(a, b));
    require(sum.GetValue() == y.Add(x).GetValue());
    // A subtrahend written with more digits than the minuend (leading zeros
    // count) is a negative result whatever the values; otherwise the values decide.
    const auto negative = [](const C_StringDec& minuend, const C_StringDec& subtrahend) {
        return subtrahend.GetValue().size() > minuend.GetValue().size() || minuend.Compare(subtrahend) < 0;
    };
    try {
        const C_StringDec back = sum.Subtract(y);
        require(!negative(sum, y));
        require(back.Compare(x) == 0);
        require(back.GetValue() == reference_sum(a, "0"));
    } catch (const C_StringType::xNegativeResult&) {
        require(negative(sum, y));
    }
    try {
        const C_StringDec difference = x.Subtract(y);
        require(!negative(x, y));
        require(difference.Add(y).Compare(x) == 0);
    } catch (const C_StringType::xNegativeResult&) {
        require(negative(x, y));
    }
    return 0;
}
