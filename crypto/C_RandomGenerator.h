#pragma once
// The process's random generator, of the ANSI X9.17 kind on single DES through
// the shared DES engine: a fixed key K, a block I = E(K, DT) fixed at the first
// request (DT the date and time then), and a seed block V renewed with every
// output block:
//
//   R := E(K, I xor V)      the output block
//   V := E(K, R xor I)      the next seed
//
// The first V comes from the operating system's random source, so two processes
// started in the same second do not share their output. Every block is drawn
// with K loaded into the engine's current slot, where it stays: after any random
// request the engine's key is K.

#include <cstddef>
#include <cstdint>

class C_RandomGenerator final {
public:
    // K, the generator's DES key (16 hexadecimal digits), the same in every process.
    static constexpr char kKey[] = "5EC7A2914BD0F36C";

    // The process-wide generator, empty until the first request.
    static C_RandomGenerator& Instance() noexcept;

    constexpr C_RandomGenerator() noexcept = default;
    C_RandomGenerator(const C_RandomGenerator&) = delete;
    C_RandomGenerator& operator=(const C_RandomGenerator&) = delete;
    ~C_RandomGenerator() = default;

    // Sets up K, I and V the first time; does nothing afterwards. When the system
    // gives no random bytes the generator stays empty and xRuntimeError is raised.
    void InitRandomGenerator();

    // The next output block R, its 16 digits read as one number (first digit most
    // significant). The generator must be set up.
    std::uint64_t NextRandomBlock() noexcept { std::uint64_t r = 0; NextRandomBlocks(&r, 1); return r; }
    // The next `count` output blocks in order, with K loaded once for all of them.
    void NextRandomBlocks(std::uint64_t* blocks, std::size_t count) noexcept;

    // Fills `bytes` from the operating system's random source, the one that seeds
    // V; false when the system gives none. Touches neither the generator nor
    // the DES engine, so it needs no C_EngineLock.
    static bool SystemRandom(unsigned char* bytes, std::size_t count) noexcept;

    // For inspection: whether the generator is set up, and how many blocks it has
    // given since.
    bool IsInitialised() const noexcept { return m_initialised; }
    std::uint64_t BlocksDrawn() const noexcept { return m_drawn; }

private:
    bool m_initialised = false;
    std::uint64_t m_i = 0;  // I
    std::uint64_t m_v = 0;  // V
    std::uint64_t m_drawn = 0;
};
