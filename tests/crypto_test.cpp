// DES, Triple-DES and image encryption: the engine, C_StringHexa::TripleDES,
// C_Image, and the four exports as a caller sees them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "crypto/C_DES.h"
#include "crypto/C_Image.h"
#include "support/api.h"
#include "support/texts.h"
#include "support/vectors.h"
#include "types/C_StringHexa.h"

#if VEK_HAVE_OPENSSL
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the low-level DES_* interface
#endif
#include <openssl/des.h>
#endif

namespace {

using vek::test::bytes_of;
using vek::test::call_text;
using vek::test::hexa_of;
using vek::test::load_vectors;
using vek::test::random_below;
using vek::test::repeat;
using vek::test::Vector;
using S = C_StringType;
using Bytes = std::vector<std::uint8_t>;

C_StringHexa hexa(const std::string& text) { return C_StringHexa(text, S::kHexadecimal); }

// The exports, with a buffer large enough for any result.
vek::test::Outcome image(const std::string& img, short mode, const std::string& key) {
    return call_text([&](char* o, int n) { return VEK(vek_Tran_DecryptOrEncryptImage)(img.c_str(), mode, key.c_str(), o, n); });
}
vek::test::Outcome fast(const std::string& img, short mode, int blockMode = 0) {
    return call_text([&](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)(img.c_str(), mode, blockMode, o, n); });
}
vek::test::Outcome tdes(const std::string& key, const std::string& data, short mode) {
    return call_text([&](char* o, int n) { return VEK(vek_Calc_TripleDES)(key.c_str(), data.c_str(), mode, o, n); });
}
short init(short mode, const std::string& key, int reserved = 0) {
    return VEK(vek_Tran_InitDES)(mode, key.c_str(), reserved);
}

void expect_ok(const vek::test::Outcome& o, const std::string& out) {
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, out);
}
void expect_fail(const vek::test::Outcome& o, short status) {
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.status, status);
    EXPECT_EQ(o.out, "");
}

static const vek::test::TextSamples kSamples{{
    {"vek_Calc_TripleDES",
     [](char* o, int n) { return VEK(vek_Calc_TripleDES)("0123456789ABCDEF23456789ABCDEF01", "4E6F772069732074", 1, o, n); },
     "B7835779EE26ACB7"},
    {"vek_Tran_DecryptOrEncryptImage",
     [](char* o, int n) { return VEK(vek_Tran_DecryptOrEncryptImage)("0123456789ABCDEF", 1, "133457799BBCDFF1", o, n); },
     "85E813540F0AB405"},
    {"vek_Tran_CalDES_Fast",
     [](char* o, int n) {
         VEK(vek_Tran_InitDES)(1, "133457799BBCDFF1", 0);
         return VEK(vek_Tran_CalDES_Fast)("85E813540F0AB405", 0, 0, o, n);
     },
     "0123456789ABCDEF"},
}};

// A published answer of des.vec or tdes.vec: Out is the block (image or data)
// encrypted under key. The one runner calls the export on the same cases.
struct Answer final {
    std::string key, plain, cipher;
};

Answer answer(const Vector& v) { return {v["key"], v.has("image") ? v["image"] : v["data"], v["Out"]}; }

// ---------------------------------------------------------------------------
// Published single-DES answers, through the engine and both ways through the
// exports.

class DesVectors : public ::testing::TestWithParam<Vector> {};

TEST_P(DesVectors, EngineBothDirections) {
    const Answer a = answer(GetParam());
    C_DES des;
    Bytes block = bytes_of(a.plain);
    des.SetKey(bytes_of(a.key).data());
    des.CalDES(1, block.data());
    EXPECT_EQ(hexa_of(block.data(), 8), a.cipher);
    des.CalDES(0, block.data());
    EXPECT_EQ(hexa_of(block.data(), 8), a.plain);

    std::string text = a.plain;
    des.SetKeyHexa(a.key.c_str());
    des.CalDESHexa(1, text.data());
    EXPECT_EQ(text, a.cipher);
    des.CalDESHexa(0, text.data());
    EXPECT_EQ(text, a.plain);
}

TEST_P(DesVectors, ParityBitsAreIgnored) {
    const Answer a = answer(GetParam());
    Bytes key = bytes_of(a.key);
    for (auto& b : key) b ^= 1;
    C_DES des;
    des.SetKey(key.data());
    Bytes block = bytes_of(a.plain);
    des.CalDES(1, block.data());
    EXPECT_EQ(hexa_of(block.data(), 8), a.cipher);
    expect_ok(image(a.plain, 1, hexa_of(key.data(), 8)), a.cipher);
}

TEST_P(DesVectors, ImageExportsBothDirections) {
    const Answer a = answer(GetParam());
    expect_ok(image(a.cipher, 0, a.key), a.plain);
    ASSERT_EQ(init(1, a.key), -1);
    expect_ok(fast(a.plain + a.plain, 1), a.cipher + a.cipher);
    expect_ok(fast(a.cipher, 0), a.plain);
    // K1 = K2: Triple-DES is single DES.
    expect_ok(tdes(a.key + a.key, a.plain, 1), a.cipher);
    expect_ok(tdes(a.key + a.key, a.cipher, 0), a.plain);
}

INSTANTIATE_TEST_SUITE_P(Published, DesVectors,
                         ::testing::ValuesIn(load_vectors("des.vec", "vek_Tran_DecryptOrEncryptImage")),
                         [](const auto& instance) { return "Line" + std::to_string(instance.param.line); });

class TripleDesVectors : public ::testing::TestWithParam<Vector> {};

TEST_P(TripleDesVectors, EngineAndExportBothDirections) {
    const Answer a = answer(GetParam());
    const std::string& key = a.key;
    C_DES des;
    std::string text = a.plain;
    des.SetKeysHexa(key.c_str(), key.c_str() + 16);
    des.CalTripleDESHexa(1, text.data());
    EXPECT_EQ(text, a.cipher);
    des.CalTripleDESHexa(0, text.data());
    EXPECT_EQ(text, a.plain);
    // Keys loaded and the block processed in one step: the same block, and the
    // same schedules as SetKeysHexa leaves.
    C_DES fused;
    text = a.cipher;
    fused.SetKeysAndCalTripleDESHexa(0, key.c_str(), key.c_str() + 16, text.data());
    EXPECT_EQ(text, a.plain);
    fused.SetKeysAndCalTripleDESHexa(1, key.c_str(), key.c_str() + 16, text.data());
    EXPECT_EQ(text, a.cipher);
    for (int slot : {1, 0}) {
        std::string one = a.plain, other = a.plain;
        des.SelectKey(slot);
        fused.SelectKey(slot);
        des.CalDESHexa(1, one.data());
        fused.CalDESHexa(1, other.data());
        EXPECT_EQ(one, other);
    }

    auto block = hexa(a.plain);
    block.TripleDES(hexa(key), 1);
    EXPECT_EQ(block.GetValue(), a.cipher);
    expect_ok(tdes(key, a.cipher, 0), a.plain);
}

INSTANTIATE_TEST_SUITE_P(Published, TripleDesVectors,
                         ::testing::ValuesIn(load_vectors("tdes.vec", "vek_Calc_TripleDES")),
                         [](const auto& instance) { return "Line" + std::to_string(instance.param.line); });

// Calls one after another, as a job makes them: the same keys again (their
// schedules kept), then others, then the first again, each answer published;
// and on a fresh engine the all-zero key, whose schedules stand from the start
// (DES of the zero block under the zero key is 8CA64DE9C1B123A7, and so is
// EDE with K1 = K2).
TEST(DesEngine, TripleDesPerCallWithTheSameOrOtherKeys) {
    std::vector<Answer> answers;
    for (const Vector& v : load_vectors("tdes.vec", "vek_Calc_TripleDES")) answers.push_back(answer(v));
    ASSERT_GE(answers.size(), 2u);
    C_DES des;
    for (const std::size_t i : {0, 0, 1, 1, 0, 1, 0}) {
        const Answer& a = answers[i];
        std::string text = a.plain;
        des.SetKeysAndCalTripleDESHexa(1, a.key.c_str(), a.key.c_str() + 16, text.data());
        EXPECT_EQ(text, a.cipher) << i;
        des.SetKeysAndCalTripleDESHexa(0, a.key.c_str(), a.key.c_str() + 16, text.data());
        EXPECT_EQ(text, a.plain) << i;
    }
    C_DES fresh;
    const std::string zero(32, '0');
    std::string text(16, '0');
    fresh.SetKeysAndCalTripleDESHexa(1, zero.c_str(), zero.c_str() + 16, text.data());
    EXPECT_EQ(text, "8CA64DE9C1B123A7");
}

// Chaining: one call per block after SetIV, both ciphers, both directions.
TEST(DesEngine, CipherBlockChainingVectors) {
    std::vector<Vector> cases = load_vectors("des.vec", "CBC");
    for (const Vector& v : load_vectors("tdes.vec", "TripleDESCBC")) cases.push_back(v);
    ASSERT_EQ(cases.size(), 2u);
    for (const Vector& v : cases) {
        SCOPED_TRACE(v);
        const bool triple = v["Key"].size() == 32;
        C_DES des;
        if (triple)
            des.SetKeysHexa(v["Key"].c_str(), v["Key"].c_str() + 16);
        else
            des.SetKeyHexa(v["Key"].c_str());
        const auto run = [&](int direction, std::string text) {
            des.SetIVHexa(v["IV"].c_str());
            for (std::size_t at = 0; at < text.size(); at += 16)
                triple ? des.CalTripleDESCBCHexa(direction, &text[at]) : des.CalDESCBCHexa(direction, &text[at]);
            return text;
        };
        EXPECT_EQ(run(1, v["Plain"]), v["Cipher"]);
        EXPECT_EQ(run(0, v["Cipher"]), v["Plain"]);
        // The byte forms agree, and the chaining value ends as the last ciphertext block.
        Bytes data = bytes_of(v["Plain"]);
        des.SetIV(bytes_of(v["IV"]).data());
        for (std::size_t at = 0; at < data.size(); at += 8)
            triple ? des.CalTripleDESCBC(1, &data[at]) : des.CalDESCBC(1, &data[at]);
        EXPECT_EQ(hexa_of(data.data(), data.size()), v["Cipher"]);
        EXPECT_EQ(des.CurrentSlot(), 0);
    }
}

// ---------------------------------------------------------------------------
// Engine state.

TEST(DesEngine, StartsAsTheAllZeroKey) {
    C_DES des;
    std::string text = "0000000000000000";
    des.CalDESHexa(1, text.data());
    EXPECT_EQ(text, "8CA64DE9C1B123A7");  // DES of zero under the zero key
    text = "0000000000000000";
    des.CalTripleDESHexa(1, text.data());
    EXPECT_EQ(text, "8CA64DE9C1B123A7");
    EXPECT_EQ(des.CurrentSlot(), 0);
}

TEST(DesEngine, SlotsAndSelector) {
    C_DES des;
    des.SetKeysHexa("0123456789ABCDEF", "133457799BBCDFF1");
    EXPECT_EQ(des.CurrentSlot(), 0);
    EXPECT_EQ(hexa_of(des.Key(0), 8), "0123456789ABCDEF");
    EXPECT_EQ(hexa_of(des.Key(1), 8), "133457799BBCDFF1");

    // Slot 1 is K2's schedule.
    des.SelectKey(1);
    EXPECT_EQ(des.CurrentSlot(), 1);
    std::string text = "0123456789ABCDEF";
    des.CalDESHexa(1, text.data());
    EXPECT_EQ(text, "85E813540F0AB405");
    // Triple-DES makes slot 0 current again, whatever was selected.
    text = "4E6F772069732074";
    des.CalTripleDESHexa(1, text.data());
    EXPECT_EQ(des.CurrentSlot(), 0);
    des.SelectKey(7);  // anything but 1 is slot 0
    EXPECT_EQ(des.CurrentSlot(), 0);

    // SetKey replaces K1 and leaves K2.
    des.SetKeyHexa("0101010101010101");
    EXPECT_EQ(hexa_of(des.Key(0), 8), "0101010101010101");
    EXPECT_EQ(hexa_of(des.Key(1), 8), "133457799BBCDFF1");
    text = "8000000000000000";
    des.CalDESHexa(1, text.data());
    EXPECT_EQ(text, "95F8A5E5DD31D900");
}

TEST(DesEngine, HexaFormWritesExactlySixteenDigits) {
    C_DES des;
    des.SetKeyHexa("133457799BBCDFF1");
    std::string text = "<0123456789ABCDEF>";
    des.CalDESHexa(1, text.data() + 1);
    EXPECT_EQ(text, "<85E813540F0AB405>");
    std::string run = "<" + repeat("0123456789ABCDEF", 3) + ">";
    des.CalDESHexaBlocks(1, run.data() + 1, 3);
    EXPECT_EQ(run, "<" + repeat("85E813540F0AB405", 3) + ">");
    des.CalDESHexaBlocks(0, run.data() + 1, 3);
    EXPECT_EQ(run, "<" + repeat("0123456789ABCDEF", 3) + ">");
}

TEST(DesEngine, TheSharedInstanceIsOne) {
    EXPECT_EQ(&C_DES::Instance(), &C_DES::Instance());
    C_Image img("0123456789ABCDEF");
    img.Encrypt(hexa("133457799BBCDFF1"));
    EXPECT_EQ(hexa_of(C_DES::Instance().Key(0), 8), "133457799BBCDFF1");
    EXPECT_EQ(C_DES::Instance().CurrentSlot(), 0);
}

// ---------------------------------------------------------------------------
// The classes.

TEST(Image, EncryptDecryptAndChecksInOrder) {
    C_Image img(repeat("0123456789ABCDEF", 2));
    img.Encrypt(hexa("133457799BBCDFF1"));
    EXPECT_EQ(img.GetValue(), repeat("85E813540F0AB405", 2));
    img.Decrypt(hexa("133457799BBCDFF1"));
    EXPECT_EQ(img.GetValue(), repeat("0123456789ABCDEF", 2));
    img.DecryptOrEncrypt(hexa("133457799BBCDFF1"), -3, 0);  // any non-zero direction encrypts
    EXPECT_EQ(img.GetValue(), repeat("85E813540F0AB405", 2));

    C_Image odd("0123456789ABCDEF0");
    EXPECT_THROW(odd.DecryptOrEncrypt(hexa("133457799BBCDFF"), 1, 1), C_Image::xWrongKeyLength);
    EXPECT_THROW(odd.DecryptOrEncrypt(hexa("133457799BBCDFF1"), 1, 1), C_Image::xWrongMode);
    EXPECT_THROW(odd.Encrypt(hexa("133457799BBCDFF1")), S::xModuloError);
    EXPECT_THROW(odd.CalDES_Fast(1, 1), C_Image::xWrongMode);
    EXPECT_THROW(odd.CalDES_Fast(1, 0), S::xModuloError);
    EXPECT_THROW(C_Image::InitDES(hexa("0123"), 1), C_Image::xWrongKeyLength);
    EXPECT_THROW(C_Image::InitDES(hexa("133457799BBCDFF1"), 1), C_Image::xWrongMode);
    EXPECT_EQ(odd.GetValue(), "0123456789ABCDEF0");

    EXPECT_THROW(C_Image(""), S::xEmptyString);
    EXPECT_THROW(C_Image("0a"), S::xInvalidType);
    EXPECT_THROW(C_Image(std::string(60001, 'x')), S::xStringTooLong);
}

// C_Image checks its text eight characters at a time; it must accept and refuse
// exactly what C_StringHexa does, at every position of such a group and in the tail.
TEST(Image, ValidatesLikeAHexadecimalString) {
    for (int c = 1; c < 256; ++c)
        for (const std::size_t at : {0u, 3u, 7u, 8u, 15u, 16u, 18u}) {
            std::string text(19, 'A');
            text[at] = static_cast<char>(c);
            bool valid = true;
            try {
                hexa(text);
            } catch (const S::xInvalidType&) {
                valid = false;
            }
            if (valid)
                EXPECT_EQ(C_Image(text).GetValue(), text);
            else
                EXPECT_THROW(C_Image{text}, S::xInvalidType) << c << " at " << at;
        }
}

TEST(Image, FastUsesSlotZeroOfTheSharedEngine) {
    C_Image::InitDES(hexa("133457799BBCDFF1"), 0);
    C_Image img("0123456789ABCDEF");
    img.CalDES_Fast(1, 0);
    EXPECT_EQ(img.GetValue(), "85E813540F0AB405");
}

TEST(TripleDES, ChecksInOrderAndKeysLoadedOnlyAfterThem) {
    const auto key = hexa("0123456789ABCDEF23456789ABCDEF01");
    C_Image::InitDES(hexa("133457799BBCDFF1"), 0);
    auto shortBlock = hexa("4E6F7720697320");
    EXPECT_THROW(shortBlock.TripleDES(hexa("0123"), 2), C_StringHexa::xWrongKeyLength);
    EXPECT_THROW(shortBlock.TripleDES(key, 2), C_StringHexa::xWrongDataLength);
    auto goodBlock = hexa("4E6F772069732074");
    EXPECT_THROW(goodBlock.TripleDES(key, 2), C_StringHexa::xWrongTDESMode);
    EXPECT_EQ(goodBlock.GetValue(), "4E6F772069732074");
    EXPECT_EQ(hexa_of(C_DES::Instance().Key(0), 8), "133457799BBCDFF1");
    auto block = hexa("B7835779EE26ACB7");
    block.TripleDES(key, 0);
    EXPECT_EQ(block.GetValue(), "4E6F772069732074");
    EXPECT_EQ(hexa_of(C_DES::Instance().Key(0), 8), "0123456789ABCDEF");
    EXPECT_EQ(hexa_of(C_DES::Instance().Key(1), 8), "23456789ABCDEF01");
}

// ---------------------------------------------------------------------------
// Exports: images.

TEST(ImageExports, BlocksAreIndependent) {
    const std::string a = "0123456789ABCDEF", b = "4E6F772069732074";
    expect_ok(image(a + b + a, 1, "133457799BBCDFF1"), "85E813540F0AB405" +
                                                           image(b, 1, "133457799BBCDFF1").out + "85E813540F0AB405");
    // The largest image: 3750 equal blocks give 3750 equal results, and come back.
    const std::string big = repeat(a, 3750);
    const auto enc = image(big, 1, "133457799BBCDFF1");
    expect_ok(enc, repeat("85E813540F0AB405", 3750));
    ASSERT_EQ(init(0, "133457799BBCDFF1"), -1);
    expect_ok(fast(enc.out, 0), big);
}

TEST(ImageExports, DecryptOrEncryptStatusCodesAndOrder) {
    const std::string img = "0123456789ABCDEF", key = "133457799BBCDFF1";
    expect_fail(image(img, 1, ""), -1);
    expect_fail(image(img, 1, std::string(60001, '0')), -1);
    expect_fail(image(img, 1, "133457799BBCDFF"), -1);
    expect_fail(image(img, 1, key + "0"), -1);
    expect_fail(image(img, 1, "133457799bbcdff1"), -2);
    expect_fail(image("", 1, key), -3);
    expect_fail(image("0123456789abcdef", 1, key), -3);
    expect_fail(image(img, 2, key), -4);
    expect_fail(image(img, -1, key), -4);
    expect_fail(image(img.substr(1), 1, key), -5);
    expect_fail(image(img + "0", 1, key), -5);
    expect_fail(image(std::string(60001, '0'), 1, key), -6);
    // Order: image, key, mode, key length, image length.
    expect_fail(image("xx", 7, "yy"), -3);
    expect_fail(image(std::string(60001, 'x'), 7, ""), -6);
    expect_fail(image("01234567890123456789", 7, "yy"), -2);
    expect_fail(image("01234567890123456789", 7, "0123"), -4);
    expect_fail(image("01234567890123456789", 1, "133457799BBCDFF"), -1);
    // A null pointer reads as empty.
    EXPECT_EQ(VEK(vek_Tran_DecryptOrEncryptImage)(nullptr, 1, key.c_str(), nullptr, 0), 0);
    char out[4] = "abc";
    EXPECT_EQ(VEK(vek_Tran_DecryptOrEncryptImage)(nullptr, 1, key.c_str(), out, 4), 0);
    EXPECT_EQ(VEK_STATUS(), -3);
    EXPECT_EQ(VEK(vek_Tran_DecryptOrEncryptImage)(img.c_str(), 1, nullptr, out, 4), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_STREQ(out, "");
}

TEST(ImageExports, InitDESStatusCodesAndOrder) {
    EXPECT_EQ(init(0, "133457799BBCDFF1", 12345), -1);
    EXPECT_EQ(VEK_STATUS(), 0);
    EXPECT_EQ(init(0, ""), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(VEK(vek_Tran_InitDES)(1, nullptr, 0), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(init(2, "133457799BBCDFF1"), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    EXPECT_EQ(init(1, "133457799BBCDFF"), 0);
    EXPECT_EQ(VEK_STATUS(), -4);
    EXPECT_EQ(init(1, "133457799BBCDFF10"), 0);
    EXPECT_EQ(VEK_STATUS(), -4);
    EXPECT_EQ(init(1, "133457799BBCDFFG"), 0);  // no code of its own
    EXPECT_EQ(VEK_STATUS(), -99);
    EXPECT_EQ(init(1, std::string(60001, '0')), 0);
    EXPECT_EQ(VEK_STATUS(), -99);
    // Order: key built (empty), mode, key length.
    EXPECT_EQ(init(5, ""), 0);
    EXPECT_EQ(VEK_STATUS(), -1);
    EXPECT_EQ(init(5, "0123"), 0);
    EXPECT_EQ(VEK_STATUS(), -2);
    // None of the failures above loaded a key.
    expect_ok(fast("0123456789ABCDEF", 1), "85E813540F0AB405");
}

TEST(ImageExports, CalDESFastStatusCodesAndOrder) {
    expect_fail(fast("0123456789ABCDEg", 1), -1);
    expect_fail(fast("", 1), -2);
    EXPECT_EQ(VEK(vek_Tran_CalDES_Fast)(nullptr, 1, 0, nullptr, 0), 0);
    EXPECT_EQ(VEK_STATUS(), -50);
    expect_fail(fast(std::string(60001, '0'), 1), -3);
    expect_fail(fast("0123456789ABCDEF", 2), -4);
    expect_fail(fast("0123456789ABCDE", 1), -5);
    expect_fail(fast("0123456789ABCDEF", 1, 1), -99);
    // Order: image, mode, block mode, length.
    expect_fail(fast("xyz", 2, 1), -1);
    expect_fail(fast(std::string(60001, 'x'), 2, 1), -3);
    expect_fail(fast("0123456789ABCDE", 2, 1), -4);
    expect_fail(fast("0123456789ABCDE", 1, 1), -99);
    // Output too small: -50 and out left empty.
    const auto small = call_text([](char* o, int n) { return VEK(vek_Tran_CalDES_Fast)("0123456789ABCDEF", 1, 0, o, n); }, 16);
    expect_fail(small, -50);
}

// ---------------------------------------------------------------------------
// Exports: Triple-DES.

TEST(TripleDesExport, StatusCodesAndOrder) {
    const std::string key = "0123456789ABCDEF23456789ABCDEF01", data = "4E6F772069732074";
    expect_fail(tdes("0123456789abcdef23456789ABCDEF01", data, 1), -1);
    expect_fail(tdes("", data, 1), -2);
    expect_fail(tdes(std::string(60001, '0'), data, 1), -2);
    expect_fail(tdes(key.substr(2), data, 1), -2);
    expect_fail(tdes(key + "00", data, 1), -2);
    expect_fail(tdes(key, "4e6f772069732074", 1), -3);
    expect_fail(tdes(key, data.substr(1), 1), -4);
    expect_fail(tdes(key, data + "00", 1), -4);
    expect_fail(tdes(key, data, 2), -5);
    expect_fail(tdes(key, data, -1), -5);
    expect_fail(tdes(key, "", 1), -99);
    expect_fail(tdes(key, std::string(60001, '0'), 1), -99);
    // Order: key characters, data characters, key length, data length, mode.
    expect_fail(tdes("g", "g", 2), -1);
    expect_fail(tdes(key.substr(2), "4E6F77206973207g", 2), -3);
    expect_fail(tdes(key.substr(2), data.substr(1), 2), -2);
    expect_fail(tdes(key, data.substr(1), 2), -4);
    expect_fail(tdes("", "", 1), -2);
}

// ---------------------------------------------------------------------------
// Check order where a reader of the status list could expect another code: each
// input is built with its own checks (too long, empty, characters) before the
// mode and length checks that follow.

struct OrderCase {
    const char* name;
    std::function<vek::test::Outcome()> call;
    short status;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class CheckOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(CheckOrder, FirstBrokenRuleGivesTheCode) { expect_fail(GetParam().call(), GetParam().status); }

const std::string kImage = "0123456789ABCDEF", kKey = "133457799BBCDFF1";
const std::string kKey2 = "0123456789ABCDEF23456789ABCDEF01", kBlock = "4E6F772069732074";
const std::string k60001Zeros(60001, '0'), k60001Xs(60001, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckOrder,
    testing::Values(
        // vek_Tran_DecryptOrEncryptImage: image, key, mode, key length, image length.
        OrderCase{"image: empty key before mode", [] { return image(kImage, 5, ""); }, -1},
        OrderCase{"image: too long key before mode", [] { return image(kImage, 5, k60001Zeros); }, -1},
        OrderCase{"image: invalid key before mode", [] { return image(kImage, 5, "133457799bbcdff1"); }, -2},
        OrderCase{"image: invalid key before key length", [] { return image(kImage, 1, "13345779G"); }, -2},
        OrderCase{"image: mode before key length", [] { return image(kImage, 5, "133457799BBCDFF"); }, -4},
        OrderCase{"image: mode before image length", [] { return image(kImage + "0123", 5, kKey); }, -4},
        OrderCase{"image: key length before image length",
                  [] { return image(kImage + "0123", 1, "133457799BBCDFF"); }, -1},
        OrderCase{"image: image length last", [] { return image(kImage + "0123", 1, kKey); }, -5},
        OrderCase{"image: image before key", [] { return image("", 5, ""); }, -3},
        OrderCase{"image: invalid image before key", [] { return image("0123456789abcdef", 1, "x"); }, -3},
        OrderCase{"image: too long image before key", [] { return image(k60001Zeros, 1, ""); }, -6},
        OrderCase{"image: too long before its characters", [] { return image(k60001Xs, 1, kKey); }, -6},
        OrderCase{"image: too long key before its characters", [] { return image(kImage, 1, k60001Xs); }, -1},
        // vek_Calc_TripleDES: key, data, key length, data length, mode.
        OrderCase{"tdes: short key, invalid data", [] { return tdes(kKey2.substr(2), "4E6F77206973207g", 1); }, -3},
        OrderCase{"tdes: short key, short data", [] { return tdes(kKey2.substr(2), kBlock.substr(1), 2); }, -2},
        OrderCase{"tdes: short key, empty data", [] { return tdes(kKey2.substr(2), "", 1); }, -99},
        OrderCase{"tdes: empty data before mode", [] { return tdes(kKey2, "", 2); }, -99},
        OrderCase{"tdes: empty key before invalid data", [] { return tdes("", "zz", 1); }, -2},
        OrderCase{"tdes: too long key before its characters", [] { return tdes(k60001Xs, kBlock, 1); }, -2},
        OrderCase{"tdes: invalid key before invalid data", [] { return tdes("g", "g", 2); }, -1},
        OrderCase{"tdes: invalid short key", [] { return tdes("0123456789abcdef", kBlock, 1); }, -1},
        OrderCase{"tdes: data length before mode", [] { return tdes(kKey2, kBlock.substr(1), 2); }, -4},
        OrderCase{"tdes: mode last", [] { return tdes(kKey2, kBlock, 2); }, -5}));

// ---------------------------------------------------------------------------
// The shared key, across exports.

TEST(SharedKey, LoadedByAnyExportAndKeptForCalDESFast) {
    const std::string plain = "0123456789ABCDEF";
    const std::string underZero = image(plain, 1, "0000000000000000").out;
    // InitDES, with either mode and any reserved value.
    ASSERT_EQ(init(0, "133457799BBCDFF1", -7), -1);
    expect_ok(fast(plain, 1), "85E813540F0AB405");
    ASSERT_EQ(init(1, "133457799BBCDFF1"), -1);
    expect_ok(fast(plain, 1), image(plain, 1, "133457799BBCDFF1").out);
    // Triple-DES leaves K1, even when its result does not fit.
    const auto cut = call_text([](char* o, int n) { return VEK(vek_Calc_TripleDES)("0000000000000000FEDCBA9876543210", "4E6F772069732074", 1, o, n); }, 16);
    expect_fail(cut, -50);
    expect_ok(fast(plain, 1), underZero);
    ASSERT_EQ(tdes("133457799BBCDFF10123456789ABCDEF", plain, 1).result, -1);
    expect_ok(fast(plain, 1), "85E813540F0AB405");
    // A Triple-DES call refused by its checks loads nothing.
    expect_fail(tdes("0000000000000000FEDCBA9876543210", plain, 2), -5);
    expect_ok(fast(plain, 1), "85E813540F0AB405");
    // DecryptOrEncryptImage loads its key; refused before loading, it does not.
    ASSERT_EQ(image(plain, 0, "0000000000000000").result, -1);
    expect_ok(fast(plain, 1), underZero);
    expect_fail(image(plain + "0", 1, "133457799BBCDFF1"), -5);
    expect_ok(fast(plain, 1), underZero);
    const auto full = call_text([](char* o, int n) { return VEK(vek_Tran_DecryptOrEncryptImage)("0123456789ABCDEF", 1, "133457799BBCDFF1", o, n); }, 16);
    expect_fail(full, -50);
    expect_ok(fast(plain, 1), "85E813540F0AB405");
}

// ---------------------------------------------------------------------------
// Random differential tests against OpenSSL (Linux only).

#if VEK_HAVE_OPENSSL

// OpenSSL declares its input blocks without const.
const_DES_cblock* in_block(const std::uint8_t* p) {
    return reinterpret_cast<const_DES_cblock*>(const_cast<std::uint8_t*>(p));
}

struct Oracle {
    std::mt19937_64 rng{20240611};
    Bytes random(std::size_t n) {
        Bytes b(n);
        for (auto& x : b) x = static_cast<std::uint8_t>(rng());
        return b;
    }
    static DES_key_schedule schedule(const std::uint8_t* key) {
        DES_cblock k;
        std::memcpy(k, key, 8);
        DES_key_schedule s;
        DES_set_key_unchecked(&k, &s);
        return s;
    }
};

TEST(OpenSSL, SingleDesEcbAndCbcBothDirections) {
    Oracle o;
    for (int round = 0; round < 300; ++round) {
        const Bytes key = o.random(8), iv = o.random(8);
        const std::size_t blocks = 1 + random_below(o.rng, 9);
        const Bytes plain = o.random(8 * blocks);
        DES_key_schedule ks = Oracle::schedule(key.data());
        const int dir = round % 2 == 0 ? DES_ENCRYPT : DES_DECRYPT;

        Bytes want(plain.size());
        for (std::size_t b = 0; b < blocks; ++b)
            DES_ecb_encrypt(in_block(&plain[8 * b]), reinterpret_cast<DES_cblock*>(&want[8 * b]), &ks, dir);
        expect_ok(image(hexa_of(plain.data(), plain.size()), dir == DES_ENCRYPT ? 1 : 0, hexa_of(key.data(), 8)),
                  hexa_of(want.data(), want.size()));

        DES_cblock ivec;
        std::memcpy(ivec, iv.data(), 8);
        DES_ncbc_encrypt(plain.data(), want.data(), static_cast<long>(plain.size()), &ks, &ivec, dir);
        C_DES des;
        des.SetKey(key.data());
        des.SetIV(iv.data());
        Bytes got = plain;
        for (std::size_t b = 0; b < blocks; ++b) des.CalDESCBC(dir == DES_ENCRYPT ? 1 : 0, &got[8 * b]);
        EXPECT_EQ(got, want);
    }
}

TEST(OpenSSL, TwoKeyTripleDesEcbAndCbcBothDirections) {
    Oracle o;
    for (int round = 0; round < 300; ++round) {
        const Bytes k1 = o.random(8), k2 = o.random(8), iv = o.random(8);
        const std::size_t blocks = 1 + random_below(o.rng, 5);
        const Bytes plain = o.random(8 * blocks);
        DES_key_schedule s1 = Oracle::schedule(k1.data()), s2 = Oracle::schedule(k2.data());
        const int dir = round % 2 == 0 ? DES_ENCRYPT : DES_DECRYPT;
        const short mode = dir == DES_ENCRYPT ? 1 : 0;

        DES_cblock want;
        DES_ecb3_encrypt(in_block(plain.data()), &want, &s1, &s2, &s1, dir);
        expect_ok(tdes(hexa_of(k1.data(), 8) + hexa_of(k2.data(), 8), hexa_of(plain.data(), 8), mode),
                  hexa_of(want, 8));

        Bytes chained(plain.size());
        DES_cblock ivec;
        std::memcpy(ivec, iv.data(), 8);
        DES_ede3_cbc_encrypt(plain.data(), chained.data(), static_cast<long>(plain.size()), &s1, &s2, &s1, &ivec, dir);
        C_DES des;
        des.SetKeys(k1.data(), k2.data());
        des.SetIV(iv.data());
        Bytes got = plain;
        for (std::size_t b = 0; b < blocks; ++b) des.CalTripleDESCBC(mode, &got[8 * b]);
        EXPECT_EQ(got, chained);
    }
}

TEST(OpenSSL, LongImagesThroughCalDESFast) {
    Oracle o;
    for (const std::size_t blocks : {1u, 2u, 3u, 17u, 64u, 3750u}) {
        const Bytes key = o.random(8), plain = o.random(8 * blocks);
        DES_key_schedule ks = Oracle::schedule(key.data());
        Bytes want(plain.size());
        for (std::size_t b = 0; b < blocks; ++b)
            DES_ecb_encrypt(in_block(&plain[8 * b]), reinterpret_cast<DES_cblock*>(&want[8 * b]), &ks, DES_ENCRYPT);
        ASSERT_EQ(init(1, hexa_of(key.data(), 8)), -1);
        expect_ok(fast(hexa_of(plain.data(), plain.size()), 1), hexa_of(want.data(), want.size()));
        expect_ok(fast(hexa_of(want.data(), want.size()), 0), hexa_of(plain.data(), plain.size()));
    }
}

#endif  // VEK_HAVE_OPENSSL

}  // namespace
