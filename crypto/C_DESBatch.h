#pragma once
// Output bytes on their way to a file, with DES blocks inside them to encrypt
// or decrypt (electronic codebook, the engine's current slot) before they are
// written. Records of files are often only a few blocks long; gathered here,
// the blocks of many records go through the engine in one long run (its
// bitsliced path), and each byte is written exactly as one call per record
// would have written it.
//
// The caller appends plain bytes and digit runs (validated, a multiple of 16
// digits), and flushes whenever Full() says so, at the end, and before it
// reports a failure, so that everything appended before is written.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "crypto/C_DES.h"

class C_DESBatch final {
public:
    explicit C_DESBatch(int direction) : m_direction(direction) {}

    void Append(std::string_view bytes) { m_out.append(bytes); }
    void AppendDigits(std::string_view digits) {
        m_spans.push_back({m_out.size(), digits.size()});
        m_out.append(digits);
    }
    bool Full() const noexcept { return m_out.size() >= kFlushBytes; }

    // Runs the engine over every pending digit run, hands all pending bytes to
    // `write(const char*, std::size_t)`, and starts afresh.
    template <class Write>
    void Flush(Write&& write) {
        Cipher();
        m_spans.clear();
        try {
            if (!m_out.empty()) write(m_out.data(), m_out.size());
        } catch (...) {
            m_out.clear();  // never written twice
            throw;
        }
        m_out.clear();
    }

private:
    static constexpr std::size_t kFlushBytes = std::size_t{256} * 1024;

    struct Span {
        std::size_t at, size;
    };

    void Cipher();

    int m_direction;
    std::string m_out;
    std::vector<Span> m_spans;
    std::string m_digits;  // the runs one after the other, for the engine
};
