#pragma once
// The records of a file on their way to a new file, with the DES blocks inside
// them encrypted or decrypted (electronic codebook, the engine's current slot)
// before they are written. Records of files are often only a few blocks long;
// gathered here, the blocks of many records go through the engine in one long
// run (its bitsliced path), and each byte is written exactly as one call per
// record would have written it.
//
// The file classes state only their record format: Run hands the records over
// one by one, and the batch loads the key into the engine once, at the first
// record, writes whenever enough is pending, and on a failure writes everything
// appended before it, then lets the failure go on.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "types/C_StringType.h"

class C_StringHexa;

class C_DESBatch final {
public:
    // Hands bytes to the target file, all of them or a failure.
    using Write = std::function<void(const char* bytes, std::size_t size)>;

    // `key` (16 digits) and `blockMode` as C_Image::InitDES takes them; the key
    // must outlive the batch.
    C_DESBatch(const C_StringHexa& key, int direction, int blockMode, Write write);

    // Runs `records()`, which appends the records in order, then writes what is
    // pending. When `records` fails, what it appended before is written first.
    template <class Records>
    void Run(Records&& records) {
        try {
            records();
        } catch (...) {
            Flush();
            throw;
        }
        Flush();
    }

    // Bytes written as they are (a file's own marks between records).
    void Append(std::string_view bytes) { Put(bytes); }

    // One record: `before`, the digits to process (validated hexadecimal), then
    // `after`. At the first record the key goes into the engine (C_Image::InitDES,
    // which also refuses a block mode other than 0 for the whole batch); digits
    // that are not whole blocks fail (xModuloError) before any byte of the record
    // is kept. Inline: it runs once per record, and records are often short.
    void AppendRecord(std::string_view before, std::string_view digits, std::string_view after) {
        if (!m_keyLoaded) LoadKey();
        if (digits.size() % kBlockDigits != 0) throw C_StringType::xModuloError{};
        Put(before);
        m_spans.push_back({m_out.size(), digits.size()});
        Put(digits);
        Put(after);
        if (m_out.size() >= kFlushBytes) Flush();
    }

    // `count` records in place, one after the other: each `digits` digits to
    // process (validated hexadecimal) and then marks of its own up to `stride`
    // bytes, written as they stand. What is pending is written first; then the
    // records' digits go through the engine where they are, and the records
    // are written from there, not copied: for the long runs of whole records a
    // file reader finds in its buffer. The key is loaded, and digits that are
    // not whole blocks fail, as in AppendRecord.
    void AppendRecords(char* records, std::size_t count, std::size_t digits, std::size_t stride);

private:
    static constexpr std::size_t kFlushBytes = std::size_t{256} * 1024;
    static constexpr std::size_t kBlockDigits = 16;

    struct Span {
        std::size_t at, size;
    };

    // Runs the engine over every pending digit run, writes all pending bytes, and
    // starts afresh; pending bytes are never written twice.
    void Flush();
    void Cipher();
    // The key schedule, computed once per batch, at the first record.
    void LoadKey();

    // Pending bytes grow in steps of kGrowStep, never by doubling: the batch holds
    // no more than kGrowStep beyond what it was given (and never much beyond
    // kFlushBytes and one record), so a small file never makes it allocate more
    // than that file's size and a step.
    void Put(std::string_view bytes) {
        if (m_out.size() + bytes.size() > m_out.capacity()) Grow(bytes.size());
        m_out.insert(m_out.end(), bytes.begin(), bytes.end());
    }
    void Grow(std::size_t more);
    static constexpr std::size_t kGrowStep = std::size_t{32} * 1024;

    const C_StringHexa* m_key;
    int m_direction;
    int m_blockMode;
    Write m_write;
    bool m_keyLoaded = false;
    std::vector<char> m_out;  // capacity set exactly by Grow
    std::vector<Span> m_spans;
    std::vector<char> m_digits;  // the runs one after the other, for the engine
};
