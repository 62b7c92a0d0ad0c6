#pragma once
// The library's one DES engine: single DES (FIPS 46-3) and two-key Triple-DES
// (encrypt-decrypt-encrypt, third key equal to the first), in electronic
// codebook and cipher-block chaining form.
//
// The engine keeps state between calls: two key slots with their key schedules,
// a current-slot selector and a chaining value. The process holds exactly one
// instance (C_DES::Instance()), zero at load, so a key loaded by one caller stays
// loaded for the next; an engine whose keys were never loaded works with the
// all-zero key. Nothing here allocates, fails or throws: every operation returns 0.
// The instance is not locked here: every exported call that uses it holds a
// C_EngineLock (crypto/C_EngineLock.h) for the whole call.
//
// Bytes: byte 0 of a key or block holds the standard's bits 1 to 8, bit 1 being
// its most significant bit. The least significant bit of each key byte (parity)
// is ignored. Direction: 1 encrypts, 0 decrypts (any non-zero value encrypts).
//
// Every byte operation has a hexadecimal form that reads 16 upper-case digits
// ('0'-'9', 'A'-'F', high nibble first) and, for the Cal forms, writes the 16
// result digits back over them (no terminator written). Callers pass validated
// upper-case hexadecimal text only.

#include <cstddef>
#include <cstdint>

class C_DES final {
public:
    using Byte = std::uint8_t;

    // The process-wide engine.
    static C_DES& Instance() noexcept;

    constexpr C_DES() noexcept = default;
    C_DES(const C_DES&) = delete;
    C_DES& operator=(const C_DES&) = delete;
    ~C_DES() = default;

    // Current slot := 1 if `slot` is 1, else 0.
    int SelectKey(int slot) noexcept;
    // Copies `key` into the current slot and computes that slot's schedule.
    int SetKey(const Byte key[8]) noexcept;
    // K1 into slot 0, K2 into slot 1, both schedules computed; slot 0 current.
    int SetKeys(const Byte k1[8], const Byte k2[8]) noexcept;
    // The chaining value of the CBC operations.
    int SetIV(const Byte iv[8]) noexcept;

    // One block in place with the current slot's schedule.
    int CalDES(int direction, Byte block[8]) noexcept;
    // E(K1, D(K2, E(K1, x))) or D(K1, E(K2, D(K1, y))); slot 0 current afterwards.
    int CalTripleDES(int direction, Byte block[8]) noexcept;
    // One block of cipher-block chaining with DES or Triple-DES and the chaining value.
    int CalDESCBC(int direction, Byte block[8]) noexcept;
    int CalTripleDESCBC(int direction, Byte block[8]) noexcept;

    int SetKeyHexa(const char key[16]) noexcept;
    int SetKeysHexa(const char k1[16], const char k2[16]) noexcept;
    int SetIVHexa(const char iv[16]) noexcept;
    int CalDESHexa(int direction, char text[16]) noexcept;
    int CalTripleDESHexa(int direction, char text[16]) noexcept;
    int CalDESCBCHexa(int direction, char text[16]) noexcept;
    int CalTripleDESCBCHexa(int direction, char text[16]) noexcept;

    // SetKeysHexa(k1, k2) then CalTripleDESHexa(direction, text), in one pass:
    // the key schedules are computed while the first DES pass runs.
    int SetKeysAndCalTripleDESHexa(int direction, const char k1[16], const char k2[16], char text[16]) noexcept;
    // Whether K1 and K2 (16 digits each) are the keys loaded in slots 0 and 1:
    // then their schedules stand, and CalTripleDESHexa needs no key load.
    bool KeysLoadedHexa(const char k1[16], const char k2[16]) const noexcept;

    // Electronic codebook over `blocks` consecutive blocks of 16 digits in place,
    // with the current slot: the same as CalDESHexa on each block in turn. Long
    // runs go through the bitsliced path (crypto/des_sliced.h), hundreds of
    // blocks a pass, with the slot's sliced key schedule; short runs and a short
    // tail through the table path, two blocks in flight.
    int CalDESHexaBlocks(int direction, char* text, std::size_t blocks) noexcept;
    // The same over the digits of `records` records in place, each `blocks`
    // blocks of 16 digits, each `stride` bytes after the one before (what lies
    // between them, a line end, is left alone): the blocks of all the records
    // are one run, as if they were consecutive.
    int CalDESHexaRecords(int direction, char* text, std::size_t records, std::size_t blocks,
                          std::size_t stride) noexcept;

    // The key bytes loaded in `slot` (0 or 1), for inspection.
    const Byte* Key(int slot) const noexcept { return m_key[slot == 1 ? 1 : 0]; }
    int CurrentSlot() const noexcept { return m_current; }

    // One round key: the eight 6-bit groups of the standard's PC-2 output, one
    // per byte, arranged so that each round combines them with the right half
    // as it stands: m_schedule word 2i holds groups 1, 3, 5, 7 and word 2i + 1
    // groups 2, 4, 6, 8 of round i + 1, group by group from the top byte down.
    using Schedule = std::uint32_t[32];

private:
    void ComputeSchedule(int slot) noexcept;
    void Des(int direction, std::uint32_t& hi, std::uint32_t& lo) const noexcept;
    void TripleDes(int direction, std::uint32_t& hi, std::uint32_t& lo) const noexcept;
    // One CBC step of `cipher` on `block` with the chaining value.
    void Cbc(int direction, Byte block[8],
             void (C_DES::*cipher)(int, std::uint32_t&, std::uint32_t&) const noexcept) noexcept;

    // The slot's round keys for the bitsliced path, computed at the first long
    // run after the slot's key was loaded and kept until the next load.
    const std::uint64_t* SlicedSchedule(int slot) noexcept;

    // Each slot's schedule is always its key's (an all-zero key's is all zero).
    Byte m_key[2][8] = {};
    Schedule m_schedule[2] = {};
    std::uint64_t m_sliced[2][16 * 48] = {};
    bool m_slicedReady[2] = {};
    Byte m_iv[8] = {};
    Byte m_current = 0;
};
