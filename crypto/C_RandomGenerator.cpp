#include "crypto/C_RandomGenerator.h"

#include <chrono>
#include <string>

#include "crypto/C_DES.h"
#include "crypto/C_Image.h"
#include "types/hexa_codec.h"
#include "types/xRuntimeError.h"

#if defined(_WIN32)
#include <windows.h>
// RtlGenRandom (advapi32's SystemFunction036): the system's cryptographic generator.
#include <ntsecapi.h>
#elif defined(__linux__)
#include <sys/random.h>

#include <cerrno>
#else
#include <random>
#endif

bool C_RandomGenerator::SystemRandom(unsigned char* bytes, std::size_t count) noexcept {
#if defined(_WIN32)
    return RtlGenRandom(bytes, static_cast<ULONG>(count)) != FALSE;
#elif defined(__linux__)
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = getrandom(bytes + got, count - got, 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
#else
    try {
        std::random_device device;
        for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(device());
        return true;
    } catch (...) {
        return false;
    }
#endif
}

namespace {

std::uint64_t from_bytes(const C_DES::Byte b[8]) noexcept {
    std::uint64_t x = 0;
    for (int i = 0; i < 8; ++i) x = x << 8 | b[i];
    return x;
}

void to_bytes(std::uint64_t x, C_DES::Byte b[8]) noexcept {
    for (int i = 7; i >= 0; --i, x >>= 8) b[i] = static_cast<C_DES::Byte>(x);
}

// E(K, x) with K already in the engine's current slot.
std::uint64_t encrypt(C_DES& des, std::uint64_t x) noexcept {
    C_DES::Byte b[8];
    to_bytes(x, b);
    des.CalDES(1, b);
    return from_bytes(b);
}

// DT: the current time in seconds and its millisecond part, each as 8 digits.
std::string date_time() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    std::string text(16, '0');
    vek::hexa::encode8(static_cast<std::uint32_t>((ms / 1000) & 0xFFFFFFFFu), text.data());
    vek::hexa::encode8(static_cast<std::uint32_t>(ms % 1000), text.data() + 8);
    return text;
}

C_RandomGenerator g_generator;

}  // namespace

C_RandomGenerator& C_RandomGenerator::Instance() noexcept { return g_generator; }

void C_RandomGenerator::InitRandomGenerator() {
    if (m_initialised) return;
    // V: the seed, from the system rather than from the clock.
    unsigned char seed[8];
    if (!SystemRandom(seed, sizeof seed)) throw xRuntimeError{};
    const C_StringHexa key(kKey, C_StringType::kHexadecimal);
    // I := E(K, DT), which also leaves K in the engine.
    C_Image i(date_time());
    i.Encrypt(key);
    m_i = vek::hexa::decode16(i.GetValue().data());
    m_v = from_bytes(seed);
    m_drawn = 0;
    m_initialised = true;  // only once everything is in place
}

void C_RandomGenerator::NextRandomBlocks(std::uint64_t* blocks, std::size_t count) noexcept {
    C_DES& des = C_DES::Instance();
    des.SetKeyHexa(kKey);
    for (std::size_t n = 0; n < count; ++n) {
        const std::uint64_t r = encrypt(des, m_i ^ m_v);
        m_v = encrypt(des, r ^ m_i);
        blocks[n] = r;
    }
    m_drawn += count;
}
