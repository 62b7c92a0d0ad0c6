#include "crypto/C_Image.h"

#include <cstdint>
#include <cstring>

#include "crypto/C_DES.h"

namespace {

constexpr int kKeyDigits = 16;
constexpr int kBlockDigits = 16;

}  // namespace

C_Image::C_Image(std::string_view text) : C_StringHexa(text, kHexadecimal) {}

void C_Image::DecryptOrEncrypt(const C_StringHexa& key, short direction, int blockMode) {
    if (key.GetLength() != kKeyDigits) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongMode{};
    if (GetLength() % kBlockDigits != 0) throw xModuloError{};
    C_DES::Instance().SetKeyHexa(key.GetValue().data());
    Process(direction);
}

void C_Image::CalDES_Fast(short direction, int blockMode) {
    CheckFast(m_value.size(), blockMode);
    Process(direction);
}

void C_Image::CheckFast(std::size_t digits, int blockMode) {
    if (blockMode != 0) throw xWrongMode{};
    if (digits % kBlockDigits != 0) throw xModuloError{};
}

void C_Image::InitDES(const C_StringHexa& key, int blockMode) {
    if (key.GetLength() != kKeyDigits) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongMode{};
    C_DES::Instance().SetKeyHexa(key.GetValue().data());
}

void C_Image::Process(short direction) {
    C_DES::Instance().CalDESHexaBlocks(direction != 0 ? 1 : 0, m_value.data(),
                                       m_value.size() / kBlockDigits);
}
