#include "support/texts.h"

namespace vek::test {

std::string repeat(const std::string& piece, int times) {
    std::string s;
    s.reserve(piece.size() * static_cast<std::size_t>(times > 0 ? times : 0));
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

std::string random_hexa(std::mt19937_64& rng, std::size_t digits, std::size_t zeros) {
    static const char kAlphabet[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (std::size_t i = zeros; i < digits; ++i) text[i] = kAlphabet[rng() % 16];
    return text;
}

std::string random_bits(std::mt19937_64& rng, std::size_t n) {
    std::string bits(n, '0');
    for (char& c : bits) c = rng() % 2 ? '1' : '0';
    return bits;
}

std::vector<std::uint8_t> bytes_of(const std::string& hex) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string hexa_of(const std::uint8_t* bytes, std::size_t count) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

}  // namespace vek::test
