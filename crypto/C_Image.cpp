#include "crypto/C_Image.h"

#include <cstdint>
#include <cstring>

#include "crypto/C_DES.h"

namespace {

constexpr int kKeyDigits = 16;
constexpr int kBlockDigits = 16;

// Whether every byte of `x` is '0'-'9' or 'A'-'F'. For bytes below 0x80, adding
// 0x80 - c0 sets a byte's top bit exactly when the byte is at least c0, with no
// carry into the next byte.
constexpr bool all_hexa(std::uint64_t x) noexcept {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kTop = kOnes * 0x80;
    if (x & kTop) return false;
    const auto at_least = [x](unsigned c) { return x + kOnes * (0x80 - c); };
    const std::uint64_t digit = at_least('0') & ~at_least('9' + 1);
    const std::uint64_t letter = at_least('A') & ~at_least('F' + 1);
    return ((digit | letter) & kTop) == kTop;
}

bool is_hexa(std::string_view text) noexcept {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {  // the check is per byte: byte order does not matter
        std::uint64_t x;
        std::memcpy(&x, text.data() + i, 8);
        if (!all_hexa(x)) return false;
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

static_assert(all_hexa(0x3031323334353637ull) && all_hexa(0x3839414243444546ull));
static_assert(!all_hexa(0x3031323334353647ull) && !all_hexa(0x3031323334353661ull) &&
              !all_hexa(0x302F323334353637ull) && !all_hexa(0x303A323334353637ull) &&
              !all_hexa(0x3040323334353637ull) && !all_hexa(0xB031323334353637ull));

std::string checked(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(C_StringType::kMaxLength)) throw C_StringType::xStringTooLong{};
    if (text.empty()) throw C_StringType::xEmptyString{};
    if (!is_hexa(text)) throw C_StringType::xInvalidType{};
    return std::string(text);
}

}  // namespace

C_Image::C_Image(std::string_view text) : C_StringHexa(Trusted{}, checked(text)) {}

void C_Image::DecryptOrEncrypt(const C_StringHexa& key, short direction, int blockMode) {
    if (key.GetLength() != kKeyDigits) throw xWrongKeyLength{};
    if (blockMode != 0) throw xWrongMode{};
    if (GetLength() % kBlockDigits != 0) throw xModuloError{};
    C_DES::Instance().SetKeyHexa(key.GetValue().data());
    Process(direction);
}

void C_Image::CalDES_Fast(short direction, int blockMode) {
    if (blockMode != 0) throw xWrongMode{};
    if (GetLength() % kBlockDigits != 0) throw xModuloError{};
    Process(direction);
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
