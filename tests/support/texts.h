#pragma once
// Texts the tests build: repeated pieces, random digits, and hexadecimal text as
// bytes. Written independently of the library, so they can serve as oracles.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vek::test {

// `piece` written `times` times.
std::string repeat(const std::string& piece, int times);

// A random number from 0 to n - 1, as a size (the generator's word is wider
// than std::size_t on 32-bit targets).
inline std::size_t random_below(std::mt19937_64& rng, std::size_t n) {
    return static_cast<std::size_t>(rng() % n);
}

// `digits` random upper-case hexadecimal digits, of which the first `zeros` are '0'.
std::string random_hexa(std::mt19937_64& rng, std::size_t digits, std::size_t zeros = 0);

// `n` random characters '0' and '1'.
std::string random_bits(std::mt19937_64& rng, std::size_t n);

// The bytes of hexadecimal text, two digits a byte (an odd last digit is dropped).
std::vector<std::uint8_t> bytes_of(const std::string& hex);

// Bytes as upper-case hexadecimal text, two digits a byte.
std::string hexa_of(const std::uint8_t* bytes, std::size_t count);
inline std::string hexa_of(const std::vector<std::uint8_t>& bytes) { return hexa_of(bytes.data(), bytes.size()); }

}  // namespace vek::test
