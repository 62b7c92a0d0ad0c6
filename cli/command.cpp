#include "cli/command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include "cli/bytes_text.h"
#include "types/hexa_codec.h"

namespace vek::cli {

void print_outcome(const Command& c, const Outcome& o) {
    if (c.print) return c.print(o);
    switch (c.kind) {
        case Kind::Text: std::printf("%s\n", o.text ? o.text->c_str() : ""); break;
        case Kind::Predicate: std::printf("true\n"); break;
        case Kind::Number: std::printf("%d\n", o.number.value_or(0)); break;
        case Kind::Value: std::printf("%d\n", o.result); break;
        case Kind::Action: break;
    }
}

namespace {

// The entries of the commands_*.cpp files, registered at load time.
std::vector<Command>& registered() {
    static std::vector<Command> table;
    return table;
}

bool has(const api::Export& f, api::Role role) {
    for (const auto& p : f.params)
        if (p.role == role) return true;
    return false;
}

// How a successful call is printed: what it returns or writes.
Kind kind_of(const api::Export& f) {
    using api::Role;
    if (f.kind == api::Kind::Value) return Kind::Value;
    if (f.kind == api::Kind::Predicate) return Kind::Predicate;
    if (has(f, Role::Out) || has(f, Role::OutRaw) || has(f, Role::BytesOut) || has(f, Role::RawOut) ||
        has(f, Role::FirsOut))
        return Kind::Text;
    if (has(f, Role::Number)) return Kind::Number;
    return Kind::Action;
}

// The table and the header disagree: the program cannot run as built.
[[noreturn]] void broken(const std::string& name, const char* what) {
    std::fprintf(stderr, "vek: the command %s %s\n", name.c_str(), what);
    std::abort();
}

// Completes a command from the header's entry of its function.
void complete(Command& c, const api::Export& f) {
    c.function = &f;
    c.params = arguments(f);
    c.params.insert(c.params.end(), c.extra.begin(), c.extra.end());
    c.kind = kind_of(f);
    c.falseCode = f.falseCode;
    if (!c.invoke) c.invoke = bound(f.name);
}

}  // namespace

Register::Register(std::vector<Command> entries) {
    for (auto& e : entries) {
        const api::Export* f = api::find("vek_" + e.name);
        if (f == nullptr) broken(e.name, "names no function of vek.h");
        if (!e.params.empty()) broken(e.name, "lists its own parameters: they come from vek.h");
        complete(e, *f);
        if (!e.invoke) broken(e.name, "has parameters the binder does not fill, and no invoke of its own");
        registered().push_back(std::move(e));
    }
}

const std::vector<Command>& commands() {
    // Every function the binder can run is a command, with the header's own
    // summary unless an entry gives one; a function it cannot run needs an
    // entry with its own invoke, and is missing from the table until then.
    static const std::vector<Command> table = [] {
        std::vector<Command> all = registered();
        for (const api::Export& f : api::kExports) {
            const std::string_view name = f.name.substr(4);
            if (std::any_of(all.begin(), all.end(), [name](const Command& c) { return c.name == name; })) continue;
            Command c{.name = std::string(name), .summary = std::string(f.summary)};
            complete(c, f);
            if (c.invoke) all.push_back(std::move(c));
        }
        return all;
    }();
    return table;
}

const Command* find_command(std::string_view name) {
    if (name.starts_with("vek_")) name.remove_prefix(4);
    for (const auto& c : commands())
        if (c.name == name) return &c;
    return nullptr;
}

std::vector<std::string> arguments(const api::Export& function) {
    using api::Role;
    std::vector<std::string> names;
    for (const auto& p : function.params) {
        switch (p.role) {
            case Role::Text:
            case Role::Int:
            case Role::Bytes: names.emplace_back(p.name); break;
            case Role::Firs:
                // The description is made from the file by vek_File_DC9InitDescription,
                // from its own arguments after the file name.
                for (const auto& layout : arguments(*api::find("vek_File_DC9InitDescription")))
                    if (layout != "fileName") names.push_back(layout);
                break;
            case Role::RawOut: names.emplace_back("[outFile]"); break;
            default: break;
        }
    }
    return names;
}

void check_arguments(const Command& c, const std::vector<std::string>& args) {
    std::size_t fewest = 0;
    for (const auto& p : c.params)
        if (!p.starts_with('[')) ++fewest;
    const std::size_t most = c.params.size();
    if (args.size() >= fewest && args.size() <= most) return;
    std::string expected = std::to_string(fewest);
    if (most > fewest) expected += (most == fewest + 1 ? " or " : " to ") + std::to_string(most);
    throw UsageError{"expects " + expected + " argument(s), got " + std::to_string(args.size())};
}

const Invoker& bound(std::string_view function) {
#define VEK_BIND(fn, index) detail::bind<index>(&fn),
    static const std::vector<Invoker> all{VEK_API_EXPORTS(VEK_BIND)};
#undef VEK_BIND
    static const Invoker none;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (api::kExports[i].name == function) return all[i];
    return none;
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

std::vector<unsigned char> bytes_argument(const std::string& arg) { return bytes_of(argument_text(arg)); }

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
