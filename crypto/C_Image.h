#pragma once
// One personalization image: a hexadecimal string that can be encrypted and
// decrypted in place with single DES, each 8-byte block (16 digits) on its own
// (electronic codebook, no chaining, no padding), through the shared DES engine.

#include <cstddef>
#include <string>
#include <string_view>

#include "types/C_StringHexa.h"

class C_Image final : public C_StringHexa {
public:
    class xWrongKeyLength final {};  // the key is not 16 digits
    class xWrongMode final {};       // a block mode other than 0

    C_Image() = default;
    // From hexadecimal text: at most 60000 characters (xStringTooLong), not empty
    // (xEmptyString), '0'-'9' and 'A'-'F' only (xInvalidType).
    explicit C_Image(std::string_view text);
    explicit C_Image(const C_StringHexa& hexa) : C_StringHexa(hexa) {}

    // Checks the key length (xWrongKeyLength), the block mode (xWrongMode) and the
    // image length (a multiple of 16 digits, else xModuloError); then loads the key
    // into the engine's slot 0 and encrypts (any non-zero direction) or decrypts
    // every block in place.
    void DecryptOrEncrypt(const C_StringHexa& key, short direction, int blockMode);
    void Encrypt(const C_StringHexa& key) { DecryptOrEncrypt(key, 1, 0); }
    void Decrypt(const C_StringHexa& key) { DecryptOrEncrypt(key, 0, 0); }

    // Checks the block mode (xWrongMode) and the image length (xModuloError), then
    // processes every block in place with the key already in the engine's slot 0.
    void CalDES_Fast(short direction, int blockMode);
    // The checks of CalDES_Fast on an image of `digits` digits, in its order.
    static void CheckFast(std::size_t digits, int blockMode);

    // Loads `key` into the engine's slot 0 after checking its length
    // (xWrongKeyLength) and the block mode (xWrongMode).
    static void InitDES(const C_StringHexa& key, int blockMode);

    // Hands the image text over, leaving this image empty.
    std::string Release() noexcept { return std::move(m_value); }

private:
    void Process(short direction);
};
