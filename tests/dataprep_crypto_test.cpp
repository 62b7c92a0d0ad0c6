// Data preparation, the cipher users: SHA-1, the local DES key, key check
// values, Triple-DES over data, ISO/IEC 9797-1 MACs, ICC master key derivation,
// card verification values and ISO 9564-1 PIN blocks, as classes.
//
// Expected values are published ones (named beside each table) or come from
// OpenSSL's DES and SHA-1 with the surrounding steps written again here in
// plain string arithmetic (Linux only).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "crypto/C_CardVerificationValue.h"
#include "crypto/C_DES.h"
#include "crypto/C_DESKey.h"
#include "crypto/C_ICCMasterKey.h"
#include "crypto/C_KeyCheckValue.h"
#include "crypto/C_MAC.h"
#include "crypto/C_PINBlock.h"
#include "crypto/C_RandomGenerator.h"
#include "crypto/C_SHA1.h"
#include "crypto/C_TripleDESData.h"
#include "support/texts.h"
#include "types/xRuntimeError.h"

#if VEK_HAVE_OPENSSL
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the low-level DES_* and SHA1 interfaces
#endif
#include <openssl/des.h>
#include <openssl/sha.h>
#endif

namespace {

using vek::test::bytes_of;
using vek::test::hexa_of;
using vek::test::random_below;
using vek::test::random_hexa;
using vek::test::repeat;
using Bytes = std::vector<std::uint8_t>;


std::string ascii_hexa(const std::string& text) {
    return hexa_of(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// Runs `f` and names the exception it raised ("" for none), so that a table can
// state which check fails first.
template <class F>
std::string raised(F&& f) {
    try {
        f();
        return "";
    } catch (const C_DESKey::xInvalidKey&) {
        return "key";
    } catch (const C_DESKey::xWrongKeyLength&) {
        return "key length";
    } catch (const C_KeyCheckValue::xWrongDigits&) {
        return "digits";
    } catch (const C_TripleDESData::xInvalidData&) {
        return "data";
    } catch (const C_TripleDESData::xWrongDataLength&) {
        return "data length";
    } catch (const C_TripleDESData::xWrongMode&) {
        return "mode";
    } catch (const C_TripleDESData::xWrongIV&) {
        return "iv";
    } catch (const C_MAC::xInvalidData&) {
        return "data";
    } catch (const C_MAC::xWrongAlgorithm&) {
        return "algorithm";
    } catch (const C_MAC::xWrongPadding&) {
        return "padding";
    } catch (const C_ICCMasterKey::xInvalidPAN&) {
        return "pan";
    } catch (const C_ICCMasterKey::xInvalidPSN&) {
        return "psn";
    } catch (const C_ICCMasterKey::xWrongOption&) {
        return "option";
    } catch (const C_CardVerificationValue::xInvalidPAN&) {
        return "pan";
    } catch (const C_CardVerificationValue::xInvalidExpiry&) {
        return "expiry";
    } catch (const C_CardVerificationValue::xInvalidServiceCode&) {
        return "service code";
    } catch (const C_PINBlock::xWrongFormat&) {
        return "format";
    } catch (const C_PINBlock::xInvalidPIN&) {
        return "pin";
    } catch (const C_PINBlock::xInvalidPAN&) {
        return "pan";
    } catch (const C_PINBlock::xInvalidBlock&) {
        return "block";
    } catch (const C_PINBlock::xMalformedBlock&) {
        return "malformed";
    } catch (...) {
        return "other";
    }
}

struct Refusal {
    std::string what;
    std::function<void()> call;
    std::string expected;
};
std::ostream& operator<<(std::ostream& os, const Refusal& r) { return os << r.what; }

class Refusals : public ::testing::TestWithParam<Refusal> {};
TEST_P(Refusals, FirstBrokenRuleRaisesItsException) { EXPECT_EQ(raised(GetParam().call), GetParam().expected); }

const std::string kK1 = "0123456789ABCDEF";
const std::string kK2 = "FEDCBA9876543210";
const std::string kK3 = "89ABCDEF01234567";
const std::string kZero = "0000000000000000";

// ---------------------------------------------------------------------------
// SHA-1: the FIPS 180 examples.

std::string sha1_of(const std::string& message) {
    std::uint8_t d[C_SHA1::kDigestBytes];
    C_SHA1::Digest(reinterpret_cast<const std::uint8_t*>(message.data()), message.size(), d);
    return hexa_of(d, sizeof d);
}

TEST(SHA1, PublishedExamples) {
    // FIPS 180-2, Appendix A (one block, two blocks, one million 'a'), and the empty message.
    EXPECT_EQ(sha1_of("abc"), "A9993E364706816ABA3E25717850C26C9CD0D89D");
    EXPECT_EQ(sha1_of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
    EXPECT_EQ(sha1_of(std::string(1000000, 'a')), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
    EXPECT_EQ(sha1_of(""), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
}

TEST(SHA1, PiecesGiveTheDigestOfTheWhole) {
    const std::string message = repeat("The quick brown fox jumps over the lazy dog. ", 7);  // 315 bytes
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(message.data());
    const std::string whole = sha1_of(message);
    C_SHA1 sha;
    for (std::size_t cut = 0; cut <= message.size(); cut += 13) {
        sha.Update(bytes, cut);
        sha.Update(nullptr, 0);
        sha.Update(bytes + cut, message.size() - cut);
        std::uint8_t d[C_SHA1::kDigestBytes];
        sha.Final(d);  // and starts again
        EXPECT_EQ(hexa_of(d, sizeof d), whole) << cut;
    }
}

// ---------------------------------------------------------------------------
// The local key.

TEST(DESKey, TextChecksInOrder) {
    EXPECT_EQ(raised([] { C_DESKey k(""); }), "key");
    EXPECT_EQ(raised([] { C_DESKey k("0123456789abcdef"); }), "key");
    EXPECT_EQ(raised([] { C_DESKey k("0123456789ABCDEG0"); }), "key");  // a bad character beats a bad length
    for (const std::size_t n : {1u, 15u, 17u, 31u, 33u, 47u, 49u, 64u, 60016u})
        EXPECT_EQ(raised([n] { C_DESKey k(std::string(n, 'A')); }), "key length") << n;
    for (const std::size_t n : {16u, 32u, 48u}) EXPECT_EQ(raised([n] { C_DESKey k(std::string(n, 'A')); }), "") << n;
    EXPECT_EQ(raised([] { C_DESKey k(kK1, C_DESKey::kDouble | C_DESKey::kTriple); }), "key length");
    EXPECT_EQ(raised([] { C_DESKey k(kK1 + kK2 + kK3, C_DESKey::kDouble); }), "key length");
    EXPECT_EQ(C_DESKey(kK1).Parts(), 1);
    EXPECT_EQ(C_DESKey(kK1 + kK2).Parts(), 2);
    EXPECT_EQ(C_DESKey(kK1 + kK2 + kK3).Parts(), 3);
}

TEST(DESKey, PublishedBlocks) {
    // DES of the zero block under 0123456789ABCDEF, and the classic two-key
    // Triple-DES check value of 0123456789ABCDEF FEDCBA9876543210.
    EXPECT_EQ(C_DESKey(kK1).Encrypt(0), 0xD5D44FF720683D0DULL);
    EXPECT_EQ(C_DESKey(kK1).Decrypt(0xD5D44FF720683D0DULL), 0u);
    EXPECT_EQ(C_DESKey(kK1 + kK2).Encrypt(0) >> 40, 0x08D7B4u);
    // Two parts that are the same key are single DES; the parity bits take no part.
    EXPECT_EQ(C_DESKey(kK1 + kK1).Encrypt(0), 0xD5D44FF720683D0DULL);
    EXPECT_EQ(C_DESKey("0022446688AACCEE").Encrypt(0), C_DESKey("0123456789ABCDEF").Encrypt(0));
}

// ---------------------------------------------------------------------------
// Key check values.

TEST(KeyCheckValue, PublishedValuesAndDigitCounts) {
    EXPECT_EQ(C_KeyCheckValue(kK1 + kK2, 0).GetValue(), "08D7B4");
    EXPECT_EQ(C_KeyCheckValue(kK1 + kK2, 4).GetValue(), "08D7");
    EXPECT_EQ(C_KeyCheckValue(kK1, 16).GetValue(), "D5D44FF720683D0D");
    EXPECT_EQ(C_KeyCheckValue(kK1, 1).GetValue(), "D");
    EXPECT_EQ(C_KeyCheckValue(kK1 + kK2 + kK1, 6).GetValue(), "08D7B4");  // K3 = K1 is the two-key key
}

// ---------------------------------------------------------------------------
// Triple-DES over data: order of the checks and the initialisation vector.

TEST(TripleDESData, RoundTripsEveryKeyLengthAndChaining) {
    std::mt19937_64 rng(7);
    for (const std::string& key : {kK1, kK1 + kK2, kK1 + kK2 + kK3})
        for (const int chaining : {0, 1})
            for (const std::size_t blocks : {1u, 2u, 15u, 16u, 17u, 200u, 3750u}) {
                const std::string data = random_hexa(rng, 16 * blocks);
                const std::string iv = chaining == 1 ? random_hexa(rng, 16) : "";
                const std::string cipher = C_TripleDESData(key, data, 1, chaining, iv).GetValue();
                EXPECT_NE(cipher, data);
                EXPECT_EQ(C_TripleDESData(key, cipher, 0, chaining, iv).GetValue(), data) << key.size() << " " << blocks;
            }
}

TEST(TripleDESData, LongestData) {
    const std::string data = repeat("0123456789ABCDEF", 3750);  // 60000 digits
    EXPECT_EQ(C_TripleDESData(kK1 + kK2, data, 1, 0, "").GetValue(),
              repeat(C_TripleDESData(kK1 + kK2, kK1, 1, 0, "").GetValue(), 3750));
    EXPECT_EQ(raised([&] { C_TripleDESData d(kK1, data + kK1, 1, 0, ""); }), "data");
}

// ---------------------------------------------------------------------------
// ISO/IEC 9797-1, Annex B: "Now is the time for all " and "Now is the time for it"
// with K = 0123456789ABCDEF and K' = FEDCBA9876543210. Algorithm 1 is published
// truncated to 32 bits (the leftmost 8 digits).

struct MacVector {
    std::string key, text;
    int algorithm, padding;
    std::string mac;
};
std::ostream& operator<<(std::ostream& os, const MacVector& v) {
    return os << v.text << " alg " << v.algorithm << " pad " << v.padding;
}

class MacPublished : public ::testing::TestWithParam<MacVector> {};
TEST_P(MacPublished, LeftmostDigitsMatch) {
    const MacVector& v = GetParam();
    const std::string mac(C_MAC(v.key, ascii_hexa(v.text), v.algorithm, v.padding).GetValue());
    EXPECT_EQ(mac.substr(0, v.mac.size()), v.mac);
}
INSTANTIATE_TEST_SUITE_P(Iso9797AnnexB, MacPublished,
                         ::testing::Values(MacVector{kK1, "Now is the time for all ", 1, 1, "70A30640"},
                                           MacVector{kK1, "Now is the time for all ", 1, 2, "10E1F0F1"},
                                           MacVector{kK1, "Now is the time for it", 1, 1, "E45B3AD2"},
                                           MacVector{kK1, "Now is the time for it", 1, 2, "A924C721"},
                                           MacVector{kK1 + kK2, "Now is the time for all ", 3, 1, "A1C72E74EA3FA9B6"},
                                           MacVector{kK1 + kK2, "Now is the time for all ", 3, 2, "E9086230CA3BE796"},
                                           MacVector{kK1 + kK2, "Now is the time for it", 3, 1, "2E2B1428CC78254F"},
                                           MacVector{kK1 + kK2, "Now is the time for it", 3, 2, "5A692CE64F404145"},
                                           // ANSI X9.9 / FIPS 113: the whole block of the first.
                                           MacVector{kK1, "Now is the time for all ", 1, 1, "70A30640CC76DD8B"}));

TEST(MAC, PaddingOfEmptyAndWholeBlockData) {
    // Method 1: empty data is one zero block, whole blocks get nothing added;
    // method 2 always adds 80.
    const std::string e0(C_MAC(kK1, "", 1, 1).GetValue());
    EXPECT_EQ(e0, "D5D44FF720683D0D");
    EXPECT_EQ(C_MAC(kK1, kZero, 1, 1).GetValue(), e0);
    EXPECT_EQ(C_MAC(kK1, "", 1, 2).GetValue(), C_MAC(kK1, "8000000000000000", 1, 1).GetValue());
    EXPECT_EQ(C_MAC(kK1, "00", 1, 1).GetValue(), e0);
    EXPECT_EQ(C_MAC(kK1, "AB", 1, 2).GetValue(), C_MAC(kK1, "AB80000000000000", 1, 1).GetValue());
    EXPECT_EQ(C_MAC(kK1, kK2, 1, 2).GetValue(), C_MAC(kK1, kK2 + "80", 1, 1).GetValue());
}

TEST(MAC, ThreePartKeyEndsWithK3AndAlgorithmOneUsesTheKeysCipher) {
    // Retail MAC of a 48-digit key whose K3 is K1 is that of the 32-digit key.
    EXPECT_EQ(C_MAC(kK1 + kK2 + kK1, kK3, 3, 1).GetValue(), C_MAC(kK1 + kK2, kK3, 3, 1).GetValue());
    EXPECT_NE(C_MAC(kK1 + kK2 + kK3, kK3, 3, 1).GetValue(), C_MAC(kK1 + kK2, kK3, 3, 1).GetValue());
    // One block under algorithm 1 is the key's cipher on that block.
    EXPECT_EQ(C_MAC(kK1 + kK2 + kK3, kK3, 1, 1).GetValue(), C_TripleDESData(kK1 + kK2 + kK3, kK3, 1, 0, "").GetValue());
}

// ---------------------------------------------------------------------------
// ICC master key derivation. Published in the description of the pyemv
// package (PyPI): issuer master key 0123456789ABCDEF FEDCBA9876543210, PAN
// 99012345678901234, PAN sequence number 45.

struct DerivationVector {
    std::string pan, psn;
    int option;
    std::string key;
};
std::ostream& operator<<(std::ostream& os, const DerivationVector& v) {
    return os << v.pan << "/" << v.psn << " option " << v.option;
}
class DerivationPublished : public ::testing::TestWithParam<DerivationVector> {};
TEST_P(DerivationPublished, Matches) {
    const DerivationVector& v = GetParam();
    EXPECT_EQ(C_ICCMasterKey(kK1 + kK2, v.pan, v.psn, v.option).GetValue(), v.key);
}
INSTANTIATE_TEST_SUITE_P(
    PyEmvDescription, DerivationPublished,
    ::testing::Values(DerivationVector{"99012345678901234", "45", 1, "67F8292358083E5EA7AB7FDA58D53B6B"},
                      DerivationVector{"99012345678901234", "45", 2, "985EC4FD3EDF6162E31AF1C7D0543416"},
                      DerivationVector{"99012345678901234", "45", 0, "985EC4FD3EDF6162E31AF1C7D0543416"}));

TEST(ICCMasterKey, OptionsAgreeUpToSixteenDigitsAndEmptyPSNIsZeroZero) {
    for (const std::string pan : {"1", "12345678", "4761739001010010", "123456789012345"}) {
        const std::string a(C_ICCMasterKey(kK1 + kK2, pan, "01", 1).GetValue());
        EXPECT_EQ(C_ICCMasterKey(kK1 + kK2, pan, "01", 2).GetValue(), a) << pan;
        EXPECT_EQ(C_ICCMasterKey(kK1 + kK2, pan, "01", 0).GetValue(), a) << pan;
        EXPECT_EQ(C_ICCMasterKey(kK1 + kK2, pan, "", 0).GetValue(), C_ICCMasterKey(kK1 + kK2, pan, "00", 0).GetValue());
    }
    // Option A keeps the rightmost 16 digits of PAN || PSN, whatever the PAN's length.
    EXPECT_EQ(C_ICCMasterKey(kK1 + kK2, "9999012345678901234", "45", 1).GetValue(),
              C_ICCMasterKey(kK1 + kK2, "12345678901234", "45", 1).GetValue());
    EXPECT_NE(C_ICCMasterKey(kK1 + kK2, "9999012345678901234", "45", 0).GetValue(),
              C_ICCMasterKey(kK1 + kK2, "9999012345678901234", "45", 1).GetValue());
}

TEST(ICCMasterKey, EveryByteHasOddParity) {
    std::mt19937_64 rng(11);
    for (int i = 0; i < 50; ++i) {
        std::string pan;
        for (std::size_t n = 1 + random_below(rng, 19); n > 0; --n) pan += static_cast<char>('0' + rng() % 10);
        const std::string key(C_ICCMasterKey(random_hexa(rng, 32), pan, "", 0).GetValue());
        for (const std::uint8_t b : bytes_of(key)) EXPECT_EQ(__builtin_popcount(b) % 2, 1) << key;
    }
}

// ---------------------------------------------------------------------------
// Card verification values. Visa's test data (CVK A 0123456789ABCDEF, CVK B
// FEDCBA9876543210), as reproduced in public payment documentation.

struct CvvVector {
    std::string pan, expiry, serviceCode, cvv;
};
std::ostream& operator<<(std::ostream& os, const CvvVector& v) { return os << v.pan << " " << v.expiry << " " << v.serviceCode; }
class CvvPublished : public ::testing::TestWithParam<CvvVector> {};
TEST_P(CvvPublished, Matches) {
    const CvvVector& v = GetParam();
    EXPECT_EQ(C_CardVerificationValue(kK1 + kK2, v.pan, v.expiry, v.serviceCode).GetValue(), v.cvv);
}
INSTANTIATE_TEST_SUITE_P(VisaTestData, CvvPublished,
                         ::testing::Values(CvvVector{"4123456789012", "8701", "101", "370"},
                                           CvvVector{"4999988887777", "9105", "111", "649"},
                                           CvvVector{"4666655554444", "9206", "120", "821"},
                                           CvvVector{"4333322221111", "9307", "141", "697"},
                                           CvvVector{"4123456789012345", "8701", "101", "561"},
                                           CvvVector{"4999988887777000", "9105", "111", "245"},
                                           CvvVector{"4666655554444111", "9206", "120", "664"},
                                           CvvVector{"4333322221111222", "9307", "141", "382"},
                                           CvvVector{"4123456789012345", "8701", "111", "856"}));

// ---------------------------------------------------------------------------
// PIN blocks.

TEST(PINBlock, PublishedFormatZeroAndReadBack) {
    // ISO 9564-1 format 0 (ANSI X9.8) example: PIN 92389, PAN 4000 0012 3456 2.
    EXPECT_EQ(C_PINBlock(0, "92389", "4000001234562").GetValue(), "0592789FFFEDCBA9");
    EXPECT_EQ(C_PINBlock::GetPIN(0, "0592789FFFEDCBA9", "4000001234562"), "92389");
    // ISO-1 example of IBM's CCA documentation: PIN 123456 with random fillers.
    EXPECT_EQ(C_PINBlock::GetPIN(1, "161234566ABCFDE1", ""), "123456");
}

TEST(PINBlock, RoundTripsAndFillOfEachFormat) {
    const std::string pan = "5432109876543210987";
    for (const int format : {0, 1, 3})
        for (std::size_t length = 4; length <= 12; ++length) {
            const std::string pin = std::string("314159265358").substr(0, length);
            const std::string block(C_PINBlock(format, pin, pan).GetValue());
            ASSERT_EQ(block.size(), 16u);
            EXPECT_EQ(C_PINBlock::GetPIN(format, block, pan), pin) << format << " " << block;
            // The clear PIN field, by exclusive-or with the account field written here.
            std::string field = block;
            if (format != 1) {
                const std::string account = "0000" + pan.substr(pan.size() - 13, 12);
                for (std::size_t i = 0; i < 16; ++i) {
                    const int x = std::stoi(block.substr(i, 1), nullptr, 16) ^ std::stoi(account.substr(i, 1), nullptr, 16);
                    field[i] = "0123456789ABCDEF"[x];
                }
            }
            EXPECT_EQ(field.substr(0, 2 + length), std::to_string(format) + "0123456789ABC"[length] + pin);
            for (std::size_t i = 2 + length; i < 16; ++i) {
                if (format == 0) {
                    EXPECT_EQ(field[i], 'F') << field;
                }
                if (format == 3) {
                    EXPECT_TRUE(field[i] >= 'A' && field[i] <= 'F') << field;
                }
            }
        }
}

TEST(PINBlock, FillDiffersBetweenBlocks) {
    // Ten random fill digits: two equal blocks would be a broken source.
    EXPECT_NE(C_PINBlock(1, "1234", "").GetValue(), C_PINBlock(1, "1234", "").GetValue());
    EXPECT_NE(C_PINBlock(3, "1234", "4000001234562").GetValue(), C_PINBlock(3, "1234", "4000001234562").GetValue());
}

TEST(PINBlock, MalformedBlocks) {
    const std::string pan = "4000001234562";  // account field 0000400000123456
    const auto read = [&](int format, const std::string& field) {
        // `field` is the clear PIN field; the block combines it with the account field.
        std::string block = field;
        if (format != 1) {
            const std::string account = "0000400000123456";
            for (std::size_t i = 0; i < 16; ++i)
                block[i] = "0123456789ABCDEF"[std::stoi(field.substr(i, 1), nullptr, 16) ^
                                              std::stoi(account.substr(i, 1), nullptr, 16)];
        }
        return raised([&] { C_PINBlock::GetPIN(format, block, pan); });
    };
    EXPECT_EQ(read(0, "041234FFFFFFFFFF"), "");
    EXPECT_EQ(read(0, "141234FFFFFFFFFF"), "malformed");  // format digit
    EXPECT_EQ(read(0, "031234FFFFFFFFFF"), "malformed");  // length 3
    EXPECT_EQ(read(0, "0D1234FFFFFFFFFF"), "malformed");  // length 13
    EXPECT_EQ(read(0, "04123AFFFFFFFFFF"), "malformed");  // a PIN digit A
    EXPECT_EQ(read(0, "041234FFFFFFFFFE"), "malformed");  // fill other than F
    EXPECT_EQ(read(3, "341234ABCDEFABCD"), "");
    EXPECT_EQ(read(3, "341234ABCDEFABC9"), "malformed");  // fill below A
    EXPECT_EQ(read(1, "1412340123456789"), "");           // any fill
    EXPECT_EQ(read(1, "04123401234567FF"), "malformed");
    EXPECT_EQ(read(1, "1C123456789012FF"), "");
}

// ---------------------------------------------------------------------------
// The order of the checks: the first broken rule names the exception.

const std::string kKey2 = kK1 + kK2;
const std::string kData = kK3 + kK3;

INSTANTIATE_TEST_SUITE_P(
    KeyCheckValue, Refusals,
    ::testing::Values(Refusal{"bad key and digits", [] { C_KeyCheckValue k("01X3", 99); }, "key"},
                      Refusal{"short key and digits", [] { C_KeyCheckValue k("0123", 99); }, "key length"},
                      Refusal{"digits -1", [] { C_KeyCheckValue k(kK1, -1); }, "digits"},
                      Refusal{"digits 17", [] { C_KeyCheckValue k(kK1, 17); }, "digits"},
                      Refusal{"empty key", [] { C_KeyCheckValue k("", 0); }, "key"}));

INSTANTIATE_TEST_SUITE_P(
    TripleDESData, Refusals,
    ::testing::Values(
        Refusal{"bad key first", [] { C_TripleDESData d("x", "", 9, 9, "x"); }, "key"},
        Refusal{"key length", [] { C_TripleDESData d(kK1 + "00", "", 9, 9, "x"); }, "key length"},
        Refusal{"empty data", [] { C_TripleDESData d(kKey2, "", 9, 9, "x"); }, "data"},
        Refusal{"lower-case data", [] { C_TripleDESData d(kKey2, "0123456789abcdef", 1, 0, ""); }, "data"},
        Refusal{"data of 15 digits", [] { C_TripleDESData d(kKey2, "012345678901234", 9, 9, "x"); }, "data length"},
        Refusal{"mode 2", [] { C_TripleDESData d(kKey2, kData, 2, 0, "x"); }, "mode"},
        Refusal{"mode -1", [] { C_TripleDESData d(kKey2, kData, -1, 0, ""); }, "mode"},
        Refusal{"chaining 2", [] { C_TripleDESData d(kKey2, kData, 1, 2, "x"); }, "mode"},
        Refusal{"ECB with an iv", [] { C_TripleDESData d(kKey2, kData, 1, 0, kZero); }, "iv"},
        Refusal{"CBC without iv", [] { C_TripleDESData d(kKey2, kData, 1, 1, ""); }, "iv"},
        Refusal{"CBC iv of 15", [] { C_TripleDESData d(kKey2, kData, 0, 1, "000000000000000"); }, "iv"},
        Refusal{"CBC iv lower case", [] { C_TripleDESData d(kKey2, kData, 0, 1, "000000000000000a"); }, "iv"},
        Refusal{"CBC fine", [] { C_TripleDESData d(kKey2, kData, 0, 1, kZero); }, ""}));

INSTANTIATE_TEST_SUITE_P(
    MAC, Refusals,
    ::testing::Values(Refusal{"bad key first", [] { C_MAC m("", "x", 9, 9); }, "key"},
                      Refusal{"single DES for algorithm 3", [] { C_MAC m(kK1, "x", 3, 9); }, "key length"},
                      Refusal{"key of 40 digits", [] { C_MAC m(kK1 + kK1 + "01234567", "", 1, 1); }, "key length"},
                      Refusal{"single DES for a bad algorithm", [] { C_MAC m(kK1, "", 2, 1); }, "algorithm"},
                      Refusal{"odd data", [] { C_MAC m(kKey2, "ABC", 9, 9); }, "data"},
                      Refusal{"lower-case data", [] { C_MAC m(kKey2, "ab", 1, 1); }, "data"},
                      Refusal{"data over 60000", [] { C_MAC m(kKey2, std::string(60002, '0'), 1, 1); }, "data"},
                      Refusal{"data of 60000", [] { C_MAC m(kKey2, std::string(60000, '0'), 1, 1); }, ""},
                      Refusal{"algorithm 2", [] { C_MAC m(kKey2, "", 2, 9); }, "algorithm"},
                      Refusal{"padding 3", [] { C_MAC m(kKey2, "", 1, 3); }, "padding"},
                      Refusal{"padding 0", [] { C_MAC m(kKey2, "", 3, 0); }, "padding"}));

INSTANTIATE_TEST_SUITE_P(
    ICCMasterKey, Refusals,
    ::testing::Values(Refusal{"bad key first", [] { C_ICCMasterKey k("g", "", "x", 9); }, "key"},
                      Refusal{"three-part key", [] { C_ICCMasterKey k(kKey2 + kK3, "", "x", 9); }, "key length"},
                      Refusal{"single key", [] { C_ICCMasterKey k(kK1, "1", "00", 0); }, "key length"},
                      Refusal{"empty PAN", [] { C_ICCMasterKey k(kKey2, "", "x", 9); }, "pan"},
                      Refusal{"PAN of 20", [] { C_ICCMasterKey k(kKey2, std::string(20, '1'), "", 0); }, "pan"},
                      Refusal{"PAN with a letter", [] { C_ICCMasterKey k(kKey2, "123A", "", 0); }, "pan"},
                      Refusal{"PSN of 1", [] { C_ICCMasterKey k(kKey2, "1234", "1", 9); }, "psn"},
                      Refusal{"PSN of 3", [] { C_ICCMasterKey k(kKey2, "1234", "001", 0); }, "psn"},
                      Refusal{"PSN hexadecimal", [] { C_ICCMasterKey k(kKey2, "1234", "0A", 0); }, "psn"},
                      Refusal{"option 3", [] { C_ICCMasterKey k(kKey2, "1234", "", 3); }, "option"},
                      Refusal{"option -1", [] { C_ICCMasterKey k(kKey2, "1234", "01", -1); }, "option"},
                      Refusal{"PAN of 19", [] { C_ICCMasterKey k(kKey2, std::string(19, '9'), "99", 2); }, ""}));

INSTANTIATE_TEST_SUITE_P(
    CardVerificationValue, Refusals,
    ::testing::Values(Refusal{"bad key first", [] { C_CardVerificationValue c("", "", "", ""); }, "key"},
                      Refusal{"single key", [] { C_CardVerificationValue c(kK1, "", "", ""); }, "key length"},
                      Refusal{"empty PAN", [] { C_CardVerificationValue c(kKey2, "", "", ""); }, "pan"},
                      Refusal{"PAN of 20", [] { C_CardVerificationValue c(kKey2, std::string(20, '4'), "1", ""); }, "pan"},
                      Refusal{"expiry of 3", [] { C_CardVerificationValue c(kKey2, "4", "123", ""); }, "expiry"},
                      Refusal{"expiry with a letter", [] { C_CardVerificationValue c(kKey2, "4", "12A4", "101"); }, "expiry"},
                      Refusal{"service code of 4", [] { C_CardVerificationValue c(kKey2, "4", "1234", "1011"); }, "service code"},
                      Refusal{"service code empty", [] { C_CardVerificationValue c(kKey2, "4", "1234", ""); }, "service code"},
                      Refusal{"PAN of 19", [] { C_CardVerificationValue c(kKey2, std::string(19, '4'), "9912", "999"); }, ""}));

INSTANTIATE_TEST_SUITE_P(
    PINBlock, Refusals,
    ::testing::Values(Refusal{"format 2 first", [] { C_PINBlock p(2, "", ""); }, "format"},
                      Refusal{"format 4", [] { C_PINBlock p(4, "1234", "4000001234562"); }, "format"},
                      Refusal{"PIN of 3", [] { C_PINBlock p(0, "123", ""); }, "pin"},
                      Refusal{"PIN of 13", [] { C_PINBlock p(1, "1234567890123", ""); }, "pin"},
                      Refusal{"PIN with a letter", [] { C_PINBlock p(3, "12A4", ""); }, "pin"},
                      Refusal{"PAN of 12", [] { C_PINBlock p(0, "1234", "400000123456"); }, "pan"},
                      Refusal{"PAN of 20", [] { C_PINBlock p(3, "1234", std::string(20, '4')); }, "pan"},
                      Refusal{"PAN empty", [] { C_PINBlock p(0, "1234", ""); }, "pan"},
                      Refusal{"format 1 ignores the PAN", [] { C_PINBlock p(1, "1234", "x"); }, ""},
                      Refusal{"read: format first", [] { C_PINBlock::GetPIN(5, "", ""); }, "format"},
                      Refusal{"read: block of 15", [] { C_PINBlock::GetPIN(0, "041234FFFFFFFFF", ""); }, "block"},
                      Refusal{"read: block lower case", [] { C_PINBlock::GetPIN(1, "041234ffffffffff", ""); }, "block"},
                      Refusal{"read: PAN", [] { C_PINBlock::GetPIN(0, "041234FFFFFFFFFF", "123"); }, "pan"},
                      Refusal{"read: format 1 ignores the PAN", [] { C_PINBlock::GetPIN(1, "141234FFFFFFFFFF", "x"); }, ""}));

// ---------------------------------------------------------------------------
// None of these touches the process's DES engine or its random generator.

TEST(DataPreparation, LeavesTheSharedEngineAsItWas) {
    C_DES& shared = C_DES::Instance();
    const Bytes k1 = bytes_of("133457799BBCDFF1"), k2 = bytes_of("0E329232EA6D0D73"), iv = bytes_of("1122334455667788");
    shared.SetKeys(k1.data(), k2.data());
    shared.SetIV(iv.data());
    const bool randomReady = C_RandomGenerator::Instance().IsInitialised();
    const std::uint64_t drawn = C_RandomGenerator::Instance().BlocksDrawn();

    std::mt19937_64 rng(3);
    const std::string longData = random_hexa(rng, 16 * 600);
    for (const std::string& key : {kK1, kKey2, kKey2 + kK3}) {
        (void)C_KeyCheckValue(key, 0);
        (void)C_TripleDESData(key, longData, 1, 0, "");
        (void)C_TripleDESData(key, longData, 0, 1, kZero);
        (void)C_TripleDESData(key, longData, 1, 1, kZero);
        (void)C_MAC(key, longData, 1, 2);
    }
    (void)C_MAC(kKey2, longData, 3, 1);
    (void)C_ICCMasterKey(kKey2, "99012345678901234", "45", 0);
    (void)C_CardVerificationValue(kKey2, "4123456789012345", "8701", "101");
    (void)C_PINBlock(3, "1234", "4000001234562");
    (void)C_PINBlock(1, "1234", "");

    EXPECT_EQ(hexa_of(shared.Key(0), 8), "133457799BBCDFF1");
    EXPECT_EQ(hexa_of(shared.Key(1), 8), "0E329232EA6D0D73");
    EXPECT_EQ(shared.CurrentSlot(), 0);
    // The chaining value: the next chained block comes out as from a fresh engine.
    C_DES fresh;
    fresh.SetKeys(k1.data(), k2.data());
    fresh.SetIV(iv.data());
    Bytes a = bytes_of(kK3), b = a;
    shared.CalTripleDESCBC(1, a.data());
    fresh.CalTripleDESCBC(1, b.data());
    EXPECT_EQ(a, b);
    EXPECT_EQ(C_RandomGenerator::Instance().IsInitialised(), randomReady);
    EXPECT_EQ(C_RandomGenerator::Instance().BlocksDrawn(), drawn);
}

// ---------------------------------------------------------------------------
// OpenSSL's DES and SHA-1 as the oracle (Linux only).

#if VEK_HAVE_OPENSSL

// OpenSSL declares its input blocks without const.
const_DES_cblock* in_block(const std::uint8_t* p) { return reinterpret_cast<const_DES_cblock*>(const_cast<std::uint8_t*>(p)); }

// OpenSSL's view of a key of 1 to 3 parts.
struct OpenSSLKey {
    DES_key_schedule ks[3];
    int parts;
    explicit OpenSSLKey(const std::string& digits) : parts(static_cast<int>(digits.size() / 16)) {
        const Bytes b = bytes_of(digits);
        for (int i = 0; i < parts; ++i) {
            DES_cblock k;
            std::memcpy(k, b.data() + 8 * i, 8);
            DES_set_key_unchecked(&k, &ks[i]);
        }
    }
    DES_key_schedule* third() { return &ks[parts == 3 ? 2 : 0]; }
    // ECB of whole blocks.
    Bytes ecb(const Bytes& in, bool encrypt) {
        Bytes out(in.size());
        for (std::size_t at = 0; at < in.size(); at += 8) {
            auto* o = reinterpret_cast<DES_cblock*>(&out[at]);
            if (parts == 1)
                DES_ecb_encrypt(in_block(&in[at]), o, &ks[0], encrypt ? DES_ENCRYPT : DES_DECRYPT);
            else
                DES_ecb3_encrypt(in_block(&in[at]), o, &ks[0], &ks[1], third(), encrypt ? DES_ENCRYPT : DES_DECRYPT);
        }
        return out;
    }
    Bytes cbc(const Bytes& in, const Bytes& iv, bool encrypt) {
        Bytes out(in.size());
        DES_cblock v;
        std::memcpy(v, iv.data(), 8);
        const long n = static_cast<long>(in.size());
        if (parts == 1)
            DES_ncbc_encrypt(in.data(), out.data(), n, &ks[0], &v, encrypt ? DES_ENCRYPT : DES_DECRYPT);
        else
            DES_ede3_cbc_encrypt(in.data(), out.data(), n, &ks[0], &ks[1], third(), &v, encrypt ? DES_ENCRYPT : DES_DECRYPT);
        return out;
    }
    std::uint64_t block(std::uint64_t x, bool encrypt) {
        Bytes b(8);
        for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(x >> (56 - 8 * i));
        const Bytes r = ecb(b, encrypt);
        std::uint64_t y = 0;
        for (const std::uint8_t c : r) y = y << 8 | c;
        return y;
    }
};

std::string random_key(std::mt19937_64& rng, int parts) { return random_hexa(rng, 16 * static_cast<std::size_t>(parts)); }

TEST(DESKey, BlocksAgainstOpenSSL) {
    std::mt19937_64 rng(1);
    for (int round = 0; round < 300; ++round) {
        const int parts = 1 + round % 3;
        const std::string key = random_key(rng, parts);
        const C_DESKey k(key);
        OpenSSLKey o(key);
        const std::uint64_t x = rng();
        EXPECT_EQ(k.Encrypt(x), o.block(x, true)) << key;
        EXPECT_EQ(k.Decrypt(x), o.block(x, false)) << key;
        for (int part = 0; part < 3; ++part) {
            OpenSSLKey single(key.substr(16 * static_cast<std::size_t>(part < parts ? part : 0), 16));
            EXPECT_EQ(k.EncryptWith(part, x), single.block(x, true)) << key << " part " << part;
            EXPECT_EQ(k.DecryptWith(part, x), single.block(x, false)) << key << " part " << part;
        }
    }
}

// Every run length around the bitsliced path's passes, for each key size and
// direction (also run once per forced variant: see tests/CMakeLists.txt).
TEST(DESKey, ManyBlocksAgainstOpenSSL) {
    std::mt19937_64 rng(2);
    const std::size_t lengths[] = {0, 1, 2, 3, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129,
                                   255, 256, 257, 300, 511, 512, 513, 700, 1024, 1500, 3750};
    for (const int parts : {1, 2, 3})
        for (const std::size_t blocks : lengths) {
            const std::string key = random_key(rng, parts);
            const C_DESKey k(key);
            OpenSSLKey o(key);
            const std::string plain = random_hexa(rng, 16 * blocks);
            const Bytes bytes = bytes_of(plain);
            for (const bool encrypt : {true, false}) {
                std::string text = plain;
                k.ECB(encrypt ? 1 : 0, text.data(), blocks);
                EXPECT_EQ(text, hexa_of(o.ecb(bytes, encrypt))) << parts << " " << blocks << " " << encrypt;
            }
            const std::string iv = random_hexa(rng, 16);
            std::uint64_t chain = std::stoull(iv, nullptr, 16);
            std::string text = plain;
            k.CBCEncrypt(text.data(), blocks, chain);
            const Bytes cipher = o.cbc(bytes, bytes_of(iv), true);
            EXPECT_EQ(text, hexa_of(cipher)) << parts << " " << blocks;
            if (blocks > 0) {
                EXPECT_EQ(chain, std::stoull(text.substr(text.size() - 16), nullptr, 16));
            }
            chain = std::stoull(iv, nullptr, 16);
            std::string back(plain.size(), '?');
            k.CBCDecrypt(plain.data(), back.data(), blocks, chain);
            EXPECT_EQ(back, hexa_of(o.cbc(bytes, bytes_of(iv), false))) << parts << " " << blocks;
            if (blocks > 0) {
                EXPECT_EQ(chain, std::stoull(plain.substr(plain.size() - 16), nullptr, 16));
            }
        }
}

TEST(TripleDESData, AgainstOpenSSL) {
    std::mt19937_64 rng(4);
    for (int round = 0; round < 120; ++round) {
        const int parts = 1 + round % 3;
        const std::string key = random_key(rng, parts);
        OpenSSLKey o(key);
        const std::size_t blocks = 1 + random_below(rng, round % 4 == 0 ? 600 : 20);
        const std::string data = random_hexa(rng, 16 * blocks), iv = random_hexa(rng, 16);
        const bool encrypt = round % 2 == 0;
        EXPECT_EQ(C_TripleDESData(key, data, encrypt ? 1 : 0, 0, "").GetValue(), hexa_of(o.ecb(bytes_of(data), encrypt)));
        EXPECT_EQ(C_TripleDESData(key, data, encrypt ? 1 : 0, 1, iv).GetValue(),
                  hexa_of(o.cbc(bytes_of(data), bytes_of(iv), encrypt)));
    }
}

TEST(KeyCheckValue, AgainstOpenSSL) {
    std::mt19937_64 rng(5);
    for (int round = 0; round < 90; ++round) {
        const std::string key = random_key(rng, 1 + round % 3);
        OpenSSLKey o(key);
        const std::string full = hexa_of(o.ecb(Bytes(8, 0), true));
        const int digits = round % 17;
        EXPECT_EQ(C_KeyCheckValue(key, digits).GetValue(), full.substr(0, digits == 0 ? 6 : static_cast<std::size_t>(digits)));
    }
}

// The MAC computed from OpenSSL's chaining: padding written here, algorithm 1
// as the last block of a CBC encryption from a zero block, algorithm 3 as
// single-DES CBC under K1 then D(K2) and E(K1 or K3) with OpenSSL's ECB.
std::string openssl_mac(const std::string& key, const std::string& data, int algorithm, int padding) {
    Bytes bytes = bytes_of(data);
    if (padding == 2) bytes.push_back(0x80);
    while (bytes.empty() || bytes.size() % 8 != 0) bytes.push_back(0);
    const Bytes zero(8, 0);
    if (algorithm == 1) {
        const Bytes c = OpenSSLKey(key).cbc(bytes, zero, true);
        return hexa_of(c.data() + c.size() - 8, 8);
    }
    const Bytes c = OpenSSLKey(key.substr(0, 16)).cbc(bytes, zero, true);
    const Bytes last(c.end() - 8, c.end());
    const Bytes d = OpenSSLKey(key.substr(16, 16)).ecb(last, false);
    return hexa_of(OpenSSLKey(key.size() == 48 ? key.substr(32) : key.substr(0, 16)).ecb(d, true));
}

TEST(MAC, AgainstOpenSSL) {
    std::mt19937_64 rng(6);
    for (int round = 0; round < 300; ++round) {
        const int algorithm = round % 2 == 0 ? 1 : 3;
        const int parts = algorithm == 3 ? 2 + round / 2 % 2 : 1 + round / 2 % 3;
        const std::string key = random_key(rng, parts);
        const std::string data = random_hexa(rng, 2 * random_below(rng, 41));
        const int padding = 1 + round / 6 % 2;
        EXPECT_EQ(C_MAC(key, data, algorithm, padding).GetValue(), openssl_mac(key, data, algorithm, padding))
            << key << " " << data << " " << algorithm << " " << padding;
    }
}

// The derivation written again from the standard's steps, with OpenSSL's
// SHA-1, Triple-DES and odd parity.
std::string decimalised(const std::string& hex, std::size_t count) {
    std::string out;
    for (const char c : hex)
        if (c <= '9') out += c;
    for (const char c : hex)
        if (c >= 'A') out += static_cast<char>(c - 'A' + '0');
    return out.substr(0, count);
}

std::string openssl_derivation(const std::string& imk, const std::string& pan, const std::string& psn, int option) {
    const std::string x = pan + (psn.empty() ? "00" : psn);
    std::string y;
    if (option == 1 || pan.size() <= 16) {
        y = x.size() >= 16 ? x.substr(x.size() - 16) : std::string(16 - x.size(), '0') + x;
    } else {
        const Bytes packed = bytes_of(x.size() % 2 != 0 ? "0" + x : x);
        std::uint8_t hash[SHA_DIGEST_LENGTH];
        SHA1(packed.data(), packed.size(), hash);
        y = decimalised(hexa_of(hash, sizeof hash), 16);
    }
    Bytes block = bytes_of(y), inverted = block;
    for (auto& b : inverted) b = static_cast<std::uint8_t>(~b);
    OpenSSLKey o(imk);
    Bytes z = o.ecb(block, true);
    const Bytes zr = o.ecb(inverted, true);
    z.insert(z.end(), zr.begin(), zr.end());
    for (std::size_t i = 0; i < 16; i += 8) DES_set_odd_parity(reinterpret_cast<DES_cblock*>(&z[i]));
    return hexa_of(z);
}

TEST(ICCMasterKey, AgainstOpenSSL) {
    std::mt19937_64 rng(8);
    for (int round = 0; round < 300; ++round) {
        const std::string imk = random_key(rng, 2);
        std::string pan;
        for (std::size_t n = 1 + random_below(rng, 19); n > 0; --n) pan += static_cast<char>('0' + rng() % 10);
        const std::string psn = round % 5 == 0 ? "" : std::string(1, static_cast<char>('0' + rng() % 10)) + "7";
        const int option = round % 3;
        EXPECT_EQ(C_ICCMasterKey(imk, pan, psn, option).GetValue(), openssl_derivation(imk, pan, psn, option))
            << pan << " " << psn << " " << option;
    }
}

TEST(SHA1, AgainstOpenSSL) {
    std::mt19937_64 rng(9);
    for (std::size_t n = 0; n < 300; ++n) {
        Bytes m(n);
        for (auto& b : m) b = static_cast<std::uint8_t>(rng());
        std::uint8_t want[SHA_DIGEST_LENGTH], got[C_SHA1::kDigestBytes];
        SHA1(m.data(), m.size(), want);
        C_SHA1::Digest(m.data(), m.size(), got);
        EXPECT_EQ(hexa_of(got, sizeof got), hexa_of(want, sizeof want)) << n;
    }
}

TEST(CardVerificationValue, AgainstOpenSSL) {
    std::mt19937_64 rng(10);
    for (int round = 0; round < 200; ++round) {
        const std::string cvk = random_key(rng, 2);
        std::string pan, expiry, service;
        for (std::size_t n = 1 + random_below(rng, 19); n > 0; --n) pan += static_cast<char>('0' + rng() % 10);
        for (int i = 0; i < 4; ++i) expiry += static_cast<char>('0' + rng() % 10);
        for (int i = 0; i < 3; ++i) service += static_cast<char>('0' + rng() % 10);
        std::string text = pan + expiry + service;
        text += std::string(32 - text.size(), '0');
        const Bytes a = OpenSSLKey(cvk.substr(0, 16)).ecb(bytes_of(text.substr(0, 16)), true);
        Bytes b = bytes_of(text.substr(16));
        for (int i = 0; i < 8; ++i) b[i] ^= a[i];
        const std::string result = hexa_of(OpenSSLKey(cvk).ecb(b, true));
        EXPECT_EQ(C_CardVerificationValue(cvk, pan, expiry, service).GetValue(), decimalised(result, 3)) << text;
    }
}

#endif  // VEK_HAVE_OPENSSL

}  // namespace
