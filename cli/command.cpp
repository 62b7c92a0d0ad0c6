#include "cli/command.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <iterator>

#include "types/hexa_codec.h"

namespace vek::cli {

std::vector<Command>& commands() {
    static std::vector<Command> table;
    return table;
}

void print_outcome(const Command& c, const Outcome& o) {
    if (c.print) return c.print(o);
    switch (c.kind) {
        case Kind::Text: std::printf("%s\n", o.text ? o.text->c_str() : ""); break;
        case Kind::Predicate: std::printf("true\n"); break;
        case Kind::Compare:
        case Kind::Number: std::printf("%d\n", o.number.value_or(0)); break;
        case Kind::Value: std::printf("%d\n", o.result); break;
        case Kind::Action: break;
    }
}

const Command* find_command(std::string_view name) {
    if (name.starts_with("vek_")) name.remove_prefix(4);
    for (const auto& c : commands())
        if (c.name == name) return &c;
    return nullptr;
}

Register::Register(std::vector<Command> entries) {
    for (auto& e : entries) commands().push_back(std::move(e));
}

void check_argument_count(const std::vector<std::string>& args, std::size_t fewest, std::size_t most) {
    if (most < fewest) most = fewest;
    if (args.size() >= fewest && args.size() <= most) return;
    std::string expected = std::to_string(fewest);
    if (most > fewest) expected += (most == fewest + 1 ? " or " : " to ") + std::to_string(most);
    throw UsageError{"expects " + expected + " argument(s), got " + std::to_string(args.size())};
}

std::string escaped(std::string_view bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            s += ch;
        } else {
            char hex[4] = {'\\', 'x'};
            vek::hexa::put_byte(c, hex + 2);
            s.append(hex, sizeof hex);
        }
    }
    return s;
}

std::string quoted(std::string_view text) {
    // Built by appending: GCC 12 warns (-Wrestrict) on "'" + std::string + "'".
    std::string result(1, '\'');
    result += escaped(text);
    result += '\'';
    return result;
}

namespace {

// Standard input, read whole at its first use. The command may run a function
// more than once (to grow the output buffer), so the text is kept.
const std::string& standard_input() {
    static const std::string text = [] {
        std::string all{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
        if (!all.empty() && all.back() == '\n') all.pop_back();
        if (!all.empty() && all.back() == '\r') all.pop_back();
        return all;
    }();
    return text;
}

const std::string* current_line = nullptr;

}  // namespace

void set_current_line(const std::string* line) { current_line = line; }

const std::string& argument_text(const std::string& arg) {
    if (arg != "-") return arg;
    return current_line != nullptr ? *current_line : standard_input();
}

std::string text_argument(const std::string& arg) { return argument_text(arg); }

void check_standard_input(const std::vector<std::string>& args, const std::vector<std::string>& params) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "-") continue;
        const std::size_t at = standard_input().find('\0');
        if (at == std::string::npos) continue;
        const std::string name = i < params.size() ? params[i] : "argument " + std::to_string(i + 1);
        throw UsageError{name + " (argument " + std::to_string(i + 1) + ", -) holds a 0x00 byte at offset " +
                         std::to_string(at) + " of standard input; the function would see only the text before it"};
    }
}

long long integer_argument(const std::string& arg, long long min, long long max) {
    const std::string text = text_argument(arg);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        throw UsageError{quoted(text) + " is not a whole number"};
    if (value < min || value > max)
        throw UsageError{quoted(text) + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")"};
    return value;
}

}  // namespace vek::cli
