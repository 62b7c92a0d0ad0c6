#pragma once
// The lines of a text file, read through a buffer of fixed size so that
// memory stays bounded by the buffer and what the caller keeps of one line,
// whatever the sizes of the file and of its lines.
//
// A line ends at LF; a CR right before the LF belongs to the line end (CR LF),
// any other CR is text. The last line of a file may have no line end at all.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/C_File.h"

class C_LineReader final {
public:
    // How a line ended.
    enum class End { CrLf, Lf, None };

    struct Line final {
        std::string_view text;    // the text without its line end, at most `keep` characters of it
        std::int64_t length = 0;  // the length of the whole text
        End end = End::None;      // None: the file ended inside the line
    };

    explicit C_LineReader(C_File& file, std::size_t bufferSize = std::size_t{64} * 1024);

    // Continues at `offset` bytes from the start of the file.
    void Seek(std::int64_t offset);

    // The next line; false at the end of the file. The text stays valid until the
    // next call. A line longer than `limit` is read only until that is known: its
    // length is then above `limit`, its end None, and the reader stands inside it.
    bool Next(Line& line, std::size_t keep, std::int64_t limit = INT64_MAX);

    // For lines of a known length, many at a time, straight from the buffer: the
    // bytes ahead of the reader, at least `atLeast` of them (at most the buffer's
    // size) unless the file ends first, then all that is left (none at its end).
    // The buffer is refilled only when fewer are there, and then to the brim.
    // The bytes stay valid until the next call and are consumed only by Skip;
    // the caller may change them in place (what is skipped is never read again).
    std::span<char> Ahead(std::size_t atLeast);
    // Consumes `size` of the bytes Ahead gave.
    void Skip(std::size_t size) noexcept { m_pos += size; }

private:
    // Hands the text of the next line to `sink` piece by piece and fills in
    // `line`'s length and end, stopping once the length is above `limit`. A whole
    // line inside the buffer comes in one piece.
    template <class Sink>
    bool Read(Line& line, std::int64_t limit, Sink&& sink);
    bool Fill();

    C_File& m_file;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::string m_kept;
};
