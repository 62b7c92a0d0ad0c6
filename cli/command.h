#pragma once
// The table of the vek command: one entry per exported function. What a
// function takes and gives comes from the header itself (api_table.h, generated
// from vek.h): its parameters with their names and roles, its kind. An entry
// adds what only the command knows: a summary, help, its own way to run or to
// print when it has one.
//
// The binder runs a function from its roles:
//
//   text                an argument, as text ("-" reads standard input)
//   int                 an argument, as a decimal integer in the range of its C type
//   bytes               an argument, hexadecimal text for the byte block ...
//   bytes_length        ... whose length it passes
//   out, out_size       the output buffer and its size (sized by the tool)
//   out_raw             an output buffer without size, as long as the longest
//                       text argument and its NUL (the size the header asks for)
//   number              a number the function writes (a comparison, a count)
//
// Functions with other roles (byte blocks written back, DC9 descriptions) give
// their own `invoke`. A bound function can also be called again and again with
// the same arguments (the batch mode, vek --each), its buffers kept from call
// to call.

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "api_table.h"
#include "vek.h"

namespace vek::cli {

// Output buffers start at kFirstCapacity bytes and grow, times 4 up to
// kLargestCapacity, while a call answers VEK_STATUS_BUFFER_TOO_SMALL (see
// grown()). The first size holds every record an image or DC9 file can give,
// so a file search runs once.
inline constexpr std::size_t kFirstCapacity = std::size_t{128} * 1024;
inline constexpr std::size_t kLargestCapacity = std::size_t{1} << 28;

// Bad command-line use: wrong argument count, a number that is not one.
struct UsageError final {
    std::string message;
};

// A command's own failure around its calls (a DC9 file that cannot be described,
// a target file that is not empty): the command ends with exit status 1, and in
// batch mode that line fails and the lines after it still run.
struct CommandError final {
    std::string message;
};

// What one call left behind.
struct Outcome final {
    short result = 0;
    short status = 0;
    std::optional<std::string> text;  // the output text, when the function writes one
    std::optional<int> number;        // the number written through an int*
    // The exported function whose status this is, when it is not the command's
    // own (a key loaded first by another function); empty for the command's own.
    std::string failedFunction;

    // The output text did not fit: a call with more room may succeed.
    bool too_small() const { return result == 0 && status == VEK_STATUS_BUFFER_TOO_SMALL && text.has_value(); }
};

// What one call of a repeated function left behind: views into buffers that
// the next call reuses.
struct Reply final {
    short result = 0;
    short status = 0;
    std::string_view text;  // the output text, when the function writes one
    int number = 0;         // the number written through an int*

    bool too_small() const { return result == 0 && status == VEK_STATUS_BUFFER_TOO_SMALL; }
};

// Calls `call(capacity)` until its output fits: while it answers that its
// buffer is too small, `capacity` grows and the call is made again. The grown
// capacity stays in `capacity` for the calls that follow.
template <class Call>
auto grown(std::size_t& capacity, Call&& call) {
    for (;;) {
        auto outcome = call(capacity);
        if (!outcome.too_small() || capacity >= kLargestCapacity) return outcome;
        capacity *= 4;
    }
}

// Runs a function once with the arguments and an output capacity in bytes.
using Once = std::function<Outcome(const std::vector<std::string>& args, std::size_t capacity)>;
// Runs a prepared function once more, every "-" argument taking the current
// line (see set_current_line), with an output capacity in bytes.
using Repeat = std::function<Reply(std::size_t capacity)>;

// How a command runs its function: `once` always; `prepare` (bound functions
// only) checks the arguments once and gives a Repeat that keeps its buffers.
struct Invoker final {
    Once once;
    std::function<Repeat(const std::vector<std::string>& args)> prepare;

    Invoker() = default;
    Invoker(Once o, std::function<Repeat(const std::vector<std::string>&)> p)
        : once(std::move(o)), prepare(std::move(p)) {}
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, Invoker> && std::is_constructible_v<Once, F>)
    Invoker(F f) : once(std::move(f)) {}  // NOLINT(google-explicit-constructor): commands give lambdas
    explicit operator bool() const { return static_cast<bool>(once); }
    Outcome operator()(const std::vector<std::string>& args, std::size_t capacity) const {
        return once(args, capacity);
    }
};

// How a successful outcome is printed, from the function's kind and roles.
enum class Kind {
    Text,       // prints the output text
    Predicate,  // prints true or false
    Number,     // prints the number written through an int* (a comparison, a count)
    Value,      // prints the returned value itself (vek_Version, vek_LastStatus)
    Action,     // prints nothing on success
};

struct Command final {
    std::string name;     // the exported name without "vek_"
    std::string summary;  // one line for --list and help
    std::string details;  // more for help: formats, notes
    // Arguments the command takes after those of the function's parameters
    // ("[key]": optional, in brackets).
    std::vector<std::string> extra;
    // Runs the function with the arguments and an output capacity in bytes;
    // left empty, the binder runs the function from its roles.
    Invoker invoke;
    // Prints a successful outcome; the default prints by kind.
    std::function<void(const Outcome&)> print;
    // The output of one call is one line: the command can run in batch mode.
    bool oneLine = true;

    // Filled when the command is registered, from the header's entry:
    const api::Export* function = nullptr;
    std::vector<std::string> params;  // the caller's arguments, in order, then `extra`
    Kind kind = Kind::Text;
    short falseCode = 0;  // Predicate: the status that means "false", not failure
};

// Every command: the entries registered, and for every other exported function
// the binder can run, a command with the header's summary.
const std::vector<Command>& commands();

// The command of a function, by its name with or without "vek_"; null if none.
const Command* find_command(std::string_view name);

// Prints a successful outcome: the command's own print, else by kind.
void print_outcome(const Command& c, const Outcome& o);

// Adds entries to the table at load time: static const Register r{{ ... }};
// Each entry is completed from the header's entry of its function (an entry
// without one ends the program at once: the table and the header disagree).
// A function needs an entry only for what the header does not give: its own
// summary and help, its own way to run or to print.
struct Register final {
    explicit Register(std::vector<Command> entries);
};

// The caller's arguments of a function, by the names of its parameters: one
// for each text, integer and byte block. A DC9 description is given as the
// record layout vek_File_DC9InitDescription describes the file from (its end
// marker and record size), and a byte buffer the function fills may be sent
// to a file, [outFile].
std::vector<std::string> arguments(const api::Export& function);

// The argument count of a command: its parameters, those in brackets
// optional; else UsageError.
void check_arguments(const Command& c, const std::vector<std::string>& args);

// An argument as text; "-" is the whole of standard input (one final newline
// dropped), read once: every "-" and every later call gets the same text. In
// batch mode "-" is the current line instead.
const std::string& argument_text(const std::string& arg);
std::string text_argument(const std::string& arg);
// Batch mode: every "-" reads `line` from now on (it must outlive the calls).
void set_current_line(const std::string* line);
// Refuses, as UsageError, an argument "-" whose text holds a 0x00 byte: the
// functions take texts that end at the first 0x00 byte, so such a text cannot
// be passed on whole. `params` names the arguments in the messages.
void check_standard_input(const std::vector<std::string>& args, const std::vector<std::string>& params);
// Text as the command shows it: printable ASCII as it is, other bytes as \xHH.
std::string escaped(std::string_view bytes);
// Text in quotes, escaped: for messages that repeat what the user gave.
std::string quoted(std::string_view text);
// An argument as a decimal integer in [min, max], else UsageError.
long long integer_argument(const std::string& arg, long long min, long long max);
// An argument as a byte block: hexadecimal text (either case, an even number
// of digits), else UsageError.
std::vector<unsigned char> bytes_argument(const std::string& arg);

// The binding of an exported function by its roles; empty when a role is not
// one the binder fills (the command then gives its own invoke).
const Invoker& bound(std::string_view function);

namespace detail {

using api::Role;

struct Context final {
    std::string buffer;
    int number = 0;
    std::vector<unsigned char> bytes;  // the byte block of a bytes argument
    std::size_t longestText = 0;       // of the text arguments: the room of an out_raw buffer
    const std::vector<std::string>* args = nullptr;
    std::size_t next = 0;
    // Set on the calls after the first of a repeated function: slots keep what
    // fixed arguments gave, and only "-" arguments are taken again.
    bool again = false;
    // Set while the fixed arguments are checked before the first line: the
    // "-" arguments, which have no line yet, are passed over.
    bool checking = false;
    const std::string& take() { return (*args)[next++]; }
    bool keeps(const std::string& arg) const { return (again && arg != "-") || (checking && arg == "-"); }
};

// The roles the binder fills; each slot takes only the C type of its role, so
// a parameter whose type disagrees with the role the header gives it fails to
// compile (see check_roles).
template <Role R>
inline constexpr bool kBinds = R == Role::Text || R == Role::Int || R == Role::Bytes || R == Role::BytesLength ||
                               R == Role::Out || R == Role::OutSize || R == Role::OutRaw || R == Role::Number;

template <Role R, class P>
struct Slot {
    static constexpr bool kFits = false;
};

template <>
struct Slot<Role::Text, const char*> {
    static constexpr bool kFits = true;
    const std::string* value = nullptr;
    void take(Context& c) {
        const std::string& arg = c.take();
        if (!c.keeps(arg)) value = &argument_text(arg);
        if (value != nullptr && value->size() > c.longestText) c.longestText = value->size();
    }
    const char* get(Context&) const { return value->c_str(); }
};

template <class P>
    requires(std::is_same_v<P, int> || std::is_same_v<P, short>)
struct Slot<Role::Int, P> {
    static constexpr bool kFits = true;
    P value = 0;
    void take(Context& c) {
        const std::string& arg = c.take();
        if (!c.keeps(arg))
            value = static_cast<P>(
                integer_argument(arg, std::numeric_limits<P>::min(), std::numeric_limits<P>::max()));
    }
    P get(Context&) const { return value; }
};

template <>
struct Slot<Role::Bytes, const unsigned char*> {
    static constexpr bool kFits = true;
    void take(Context& c) {
        const std::string& arg = c.take();
        if (!c.keeps(arg)) c.bytes = bytes_argument(arg);
    }
    const unsigned char* get(Context& c) const {
        static const unsigned char kNone = 0;  // a valid pointer for the empty block
        return c.bytes.empty() ? &kNone : c.bytes.data();
    }
};

template <>
struct Slot<Role::BytesLength, int> {
    static constexpr bool kFits = true;
    void take(Context&) {}
    int get(Context& c) const { return static_cast<int>(c.bytes.size()); }
};

template <>
struct Slot<Role::Out, char*> {
    static constexpr bool kFits = true;
    void take(Context&) {}
    char* get(Context& c) const { return c.buffer.data(); }
};

template <>
struct Slot<Role::OutSize, int> {
    static constexpr bool kFits = true;
    void take(Context&) {}
    int get(Context& c) const { return static_cast<int>(c.buffer.size()); }
};

template <>
struct Slot<Role::OutRaw, char*> {
    static constexpr bool kFits = true;
    void take(Context&) {}
    char* get(Context& c) const { return c.buffer.data(); }
};

template <>
struct Slot<Role::Number, int*> {
    static constexpr bool kFits = true;
    void take(Context&) {}
    int* get(Context& c) const { return &c.number; }
};

template <std::size_t F>
inline constexpr const api::Export& kFunction = api::kExports[F];

template <std::size_t F, std::size_t I>
inline constexpr Role kRole = kFunction<F>.params[I].role;

// Fails to compile when the header's roles and the function's C types disagree
// for a role the binder fills; true when the binder fills every role.
template <std::size_t F, class... P>
constexpr bool check_roles() {
    static_assert(kFunction<F>.params.size() == sizeof...(P), "the header and the function disagree on the parameters");
    return []<std::size_t... I>(std::index_sequence<I...>) {
        static_assert(((!kBinds<kRole<F, I>> || Slot<kRole<F, I>, P>::kFits) && ...),
                      "a parameter's C type is not the one of the role the header gives it");
        return (kBinds<kRole<F, I>> && ...);
    }(std::index_sequence_for<P...>{});
}

template <std::size_t F, class... P>
struct Binder {
    template <std::size_t I>
    using SlotAt = Slot<kRole<F, I>, std::tuple_element_t<I, std::tuple<P...>>>;
    static constexpr bool kHas(Role r) {
        for (const auto& p : kFunction<F>.params)
            if (p.role == r) return true;
        return false;
    }
    static constexpr bool kWritesText = kHas(Role::Out) || kHas(Role::OutRaw);
    static constexpr bool kRawText = kHas(Role::OutRaw);
    static constexpr bool kWritesNumber = kHas(Role::Number);

    using Slots = decltype([]<std::size_t... I>(std::index_sequence<I...>) {
        return std::tuple<SlotAt<I>...>{};
    }(std::index_sequence_for<P...>{}));

    // Takes the arguments into the slots and calls: the output in c.buffer and
    // c.number. An output without size is made as long as the longest text and
    // its NUL, whatever the capacity.
    template <class Fn, std::size_t... I>
    static short call(Fn fn, const std::vector<std::string>& args, Context& c, Slots& slots,
                      std::index_sequence<I...>) {
        c.args = &args;
        c.next = 0;
        c.longestText = 0;
        (std::get<I>(slots).take(c), ...);  // left to right: the function's own order
        if constexpr (kRawText)
            if (c.buffer.size() < c.longestText + 1) c.buffer.resize(c.longestText + 1);
        return fn(std::get<I>(slots).get(c)...);
    }

    template <class Fn>
    static Outcome run(Fn fn, const std::vector<std::string>& args, std::size_t capacity) {
        Context c;
        if constexpr (kWritesText && !kRawText) c.buffer.assign(capacity, '\0');
        Slots slots;
        Outcome o;
        o.result = call(fn, args, c, slots, std::index_sequence_for<P...>{});
        o.status = vek_LastStatus();
        if constexpr (kWritesText) o.text = std::string(c.buffer.c_str());
        if constexpr (kWritesNumber) o.number = c.number;
        return o;
    }

    // The buffer is grown when a call asks for more and kept otherwise; the
    // function clears it itself, so it is not cleared here.
    template <class Fn>
    static Repeat prepare(Fn fn, const std::vector<std::string>& args) {
        // A fixed argument that does not parse is refused once, before any
        // line is read, rather than on every line.
        {
            Context probe;
            probe.checking = true;
            probe.args = &args;
            Slots checked;
            std::apply([&probe](auto&... slot) { (slot.take(probe), ...); }, checked);
        }
        // The slots keep pointers into the arguments: they live apart from the
        // function object, which may move.
        auto kept = std::make_shared<const std::vector<std::string>>(args);
        return [fn, kept, c = Context{}, slots = Slots{}](std::size_t capacity) mutable {
            if constexpr (kWritesText && !kRawText)
                if (c.buffer.size() < capacity) c.buffer.resize(capacity);
            Reply r;
            r.result = call(fn, *kept, c, slots, std::index_sequence_for<P...>{});
            c.again = true;
            r.status = vek_LastStatus();
            if constexpr (kWritesText) r.text = c.buffer.c_str();
            if constexpr (kWritesNumber) r.number = c.number;
            return r;
        };
    }
};

// Binds the exported function at index F of api::kExports by its roles.
template <std::size_t F, class... P>
Invoker bind(short(VEK_CALL* fn)(P...)) {
    if constexpr (!check_roles<F, P...>()) {
        return {};
    } else {
        return {[fn](const std::vector<std::string>& args, std::size_t capacity) {
                    return Binder<F, P...>::run(fn, args, capacity);
                },
                [fn](const std::vector<std::string>& args) { return Binder<F, P...>::prepare(fn, args); }};
    }
}

}  // namespace detail

}  // namespace vek::cli
