#pragma once
// A DES or Triple-DES key that one call holds for itself, with its own key
// schedules: a single DES key (16 digits), a two-key Triple-DES key (32 digits,
// K1 K2, the third key being K1) or a three-key one (48 digits, K1 K2 K3).
// Triple-DES is encrypt-decrypt-encrypt: E(K3, D(K2, E(K1, x))), and
// D(K1, E(K2, D(K3, y))) back.
//
// Unlike the process's engine (crypto/C_DES.h), a C_DESKey lives in the call
// that made it and keeps no chaining value between calls: computing with it
// changes nothing another call sees, and needs no C_EngineLock. It is made from
// its text in one step (validation, decoding, the schedules) and allocates
// nothing.
//
// Blocks are 64-bit numbers, the block's first byte most significant (as
// vek::hexa::decode16 reads 16 digits). The parity bit of each key byte takes no
// part. Direction: 1 encrypts, 0 decrypts.

#include <cstddef>
#include <cstdint>
#include <string_view>

class C_DESKey final {
public:
    class xInvalidKey final {};      // empty, or a character other than '0'-'9', 'A'-'F'
    class xWrongKeyLength final {};  // a number of digits the caller does not allow

    // The key lengths a caller allows, as a set.
    enum Lengths : unsigned { kSingle = 1u, kDouble = 2u, kTriple = 4u, kAnyLength = 7u };

    // From key text: xInvalidKey when it is empty or not upper-case hexadecimal,
    // then xWrongKeyLength when it is not 16, 32 or 48 digits or not a length of
    // `allowed`.
    explicit C_DESKey(std::string_view text, unsigned allowed = kAnyLength);

    // 1 (single DES), 2 or 3 (Triple-DES).
    int Parts() const noexcept { return m_parts; }

    // The key's cipher on one block: single DES, or Triple-DES.
    std::uint64_t Encrypt(std::uint64_t block) const noexcept;
    std::uint64_t Decrypt(std::uint64_t block) const noexcept;
    // Single DES with one part of the key alone: 0 for K1, 1 for K2, 2 for K3
    // (K1 again for a two-key key).
    std::uint64_t EncryptWith(int part, std::uint64_t block) const noexcept;
    std::uint64_t DecryptWith(int part, std::uint64_t block) const noexcept;

    // Electronic codebook over `blocks` blocks of 16 valid upper-case digits in
    // place. Runs of vek::des::kSlicedMinBlocks blocks and more go through the
    // bitsliced path (crypto/des_sliced.h), all of Triple-DES in one pass.
    void ECB(int direction, char* text, std::size_t blocks) const noexcept;

    // Cipher-block chaining over `blocks` blocks of 16 valid digits, with
    // `chaining` the initialisation vector on entry and the last cipher block on
    // return. Encryption runs in place, block after block. Decryption reads
    // `cipher` and writes `plain` (the same number of digits, not overlapping
    // it); every block is deciphered on its own first (the bitsliced path for
    // long runs), then combined with the cipher block before it.
    void CBCEncrypt(char* text, std::size_t blocks, std::uint64_t& chaining) const noexcept;
    void CBCDecrypt(const char* cipher, char* plain, std::size_t blocks, std::uint64_t& chaining) const noexcept;

private:
    // The schedule of the part used third (K3, or K1 for a two-key key).
    int Third() const noexcept { return m_parts == 3 ? 2 : 0; }

    // The round keys of each part (as crypto/des_block.h computes them).
    std::uint32_t m_schedule[3][32]{};
    std::uint8_t m_key[3][8]{};
    int m_parts = 0;
};
