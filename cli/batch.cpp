#include "cli/batch.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "cli/command.h"
#include "frame/catalogue.h"

namespace vek::cli {
namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;
// The longest line handed to a function. No text vek takes is longer than 60000
// characters, so a longer line can only fail; up to this length it still gets
// the function's own status, beyond it the line fails here, without being held.
constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// Standard input line by line, read in large blocks. A line ends at LF; a CR
// before the LF is dropped; a last line without LF still counts. A line longer
// than kLongestLine is read through to its end but not kept: memory stays
// bounded whatever the input.
class LineReader final {
public:
    explicit LineReader(std::FILE* in) : m_in(in), m_block(std::size_t{1} << 16) {}

    // The next line; false at the end of the input. `tooLong`: the line was
    // longer than kLongestLine and `line` holds only its beginning.
    bool next(std::string& line, bool& tooLong) {
        line.clear();
        tooLong = false;
        bool any = false;
        for (;;) {
            if (m_at == m_size) {
                m_at = 0;
                m_size = std::fread(m_block.data(), 1, m_block.size(), m_in);
                if (m_size == 0) return any && finish(line, tooLong);
            }
            any = true;
            const char* start = m_block.data() + m_at;
            const auto* end = static_cast<const char*>(std::memchr(start, '\n', m_size - m_at));
            const std::size_t n = end != nullptr ? static_cast<std::size_t>(end - start) : m_size - m_at;
            keep(line, tooLong, start, n);
            if (end == nullptr) {
                m_at = m_size;
                continue;
            }
            m_at += n + 1;
            return finish(line, tooLong);
        }
    }

private:
    // Keeps a piece of the line; one more character than kLongestLine shows that
    // the line is too long even when its last character is the CR of CR LF.
    static void keep(std::string& line, bool& tooLong, const char* piece, std::size_t n) {
        const std::size_t room = kLongestLine + 2 - line.size();
        line.append(piece, n < room ? n : room);
        if (n >= room) tooLong = true;
    }

    static bool finish(std::string& line, bool& tooLong) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        tooLong = tooLong || line.size() > kLongestLine;
        return true;
    }

    std::FILE* m_in;
    std::vector<char> m_block;
    std::size_t m_at = 0;
    std::size_t m_size = 0;
};

void put_line(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::putc('\n', stdout);
}

class Batch final {
public:
    Batch(const Command& c, std::vector<std::string> args) : m_command(c), m_args(std::move(args)) {
        for (const auto& a : m_args) m_readsLine = m_readsLine || a == "-";
        check_arguments(c, m_args);
        // A bound function with the default printing runs through its fast
        // path: arguments taken once, buffers kept.
        if (c.invoke.prepare && !c.print) m_repeat = c.invoke.prepare(m_args);
    }

    int run() {
        LineReader reader(stdin);
        std::string line;
        bool tooLong = false;
        set_current_line(&line);
        while (reader.next(line, tooLong)) {
            ++m_number;
            if (tooLong) {
                fail("longer than " + std::to_string(kLongestLine) +
                     " bytes; no text vek takes is longer than 60000 characters");
                continue;
            }
            one(line);
        }
        set_current_line(nullptr);
        std::fflush(stdout);
        return m_failed ? kFailure : 0;
    }

private:
    void one(const std::string& line) {
        if (m_readsLine) {
            const std::size_t at = line.find('\0');
            if (at != std::string::npos) {
                return fail("holds a 0x00 byte at offset " + std::to_string(at) +
                            "; the function would see only the text before it");
            }
        }
        try {
            if (m_repeat) return fast();
            return general();
        } catch (const UsageError& e) {
            return fail(e.message);
        } catch (const CommandError& e) {
            return fail(e.message);
        } catch (const std::bad_alloc&) {
            return fail("out of memory");
        }
    }

    // Output buffers grow while a line's result does not fit; the grown size is
    // kept for the following lines.
    void fast() {
        const Reply r = grown(m_capacity, m_repeat);
        const Kind kind = m_command.kind;
        if (kind == Kind::Predicate && r.result == 0 && r.status == m_command.falseCode) return put_line("false");
        if (kind != Kind::Value && r.result == 0) return fail_status("", r.status);
        switch (kind) {
            case Kind::Text: return put_line(r.text);
            case Kind::Predicate: return put_line("true");
            case Kind::Number: return put_line(std::to_string(r.number));
            case Kind::Value: return put_line(std::to_string(r.result));
            case Kind::Action: return put_line("");
        }
    }

    void general() {
        const Outcome o = grown(m_capacity, [this](std::size_t capacity) { return m_command.invoke(m_args, capacity); });
        if (m_command.kind == Kind::Predicate && o.result == 0 && o.status == m_command.falseCode)
            return put_line("false");
        if (m_command.kind != Kind::Value && o.result == 0) return fail_status(o.failedFunction, o.status);
        // A command's own print may print nothing (a result written to a
        // file); the line is still answered.
        if ((m_command.print && !o.text) || (!m_command.print && m_command.kind == Kind::Action)) return put_line("");
        print_outcome(m_command, o);
    }

    void fail_status(const std::string& function, short status) {
        const std::string& name = function.empty() ? m_command.name : function;
        const std::string_view message = vek::catalogue::message(name, status);
        std::string text = function.empty() ? "" : function + " failed: ";
        text += "status " + std::to_string(status) + ": ";
        text += message;
        fail(text);
    }

    // A failed line: an empty output line, the reason on standard error.
    void fail(const std::string& reason) {
        m_failed = true;
        put_line("");
        std::fprintf(stderr, "vek --each %s: line %zu: %s\n", m_command.name.c_str(), m_number, reason.c_str());
    }

    const Command& m_command;
    const std::vector<std::string> m_args;
    bool m_readsLine = false;
    Repeat m_repeat;
    std::size_t m_capacity = kFirstCapacity;
    std::size_t m_number = 0;
    bool m_failed = false;
};

}  // namespace

int run_each(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fputs("vek --each: expects a function name (vek --each FUNCTION ARG...)\n", stderr);
        return kUsage;
    }
    const Command* c = find_command(args[0]);
    if (c == nullptr) {
        std::fprintf(stderr, "vek --each: no function named %s (see vek --list)\n", quoted(args[0]).c_str());
        return kUsage;
    }
    if (!c->oneLine) {
        std::fprintf(stderr, "vek --each: %s prints more than one line a call; it cannot run in batch mode\n",
                     c->name.c_str());
        return kUsage;
    }
    static char output[std::size_t{1} << 16];
    std::setvbuf(stdout, output, _IOFBF, sizeof output);
    try {
        Batch batch(*c, std::vector<std::string>(args.begin() + 1, args.end()));
        return batch.run();
    } catch (const UsageError& e) {
        std::fprintf(stderr, "vek --each %s: %s\n", c->name.c_str(), e.message.c_str());
        return kUsage;
    }
}

}  // namespace vek::cli
