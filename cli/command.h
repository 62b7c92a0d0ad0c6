#pragma once
// The table of the vek command: one entry per exported function, each bound to
// the function itself. The binder reads the function's parameter list:
//
//   const char*         an argument, as text ("-" reads standard input)
//   int, short          an argument, as a decimal integer
//   char* then int      the output buffer and its size (sized by the tool)
//   char* alone         an output buffer without size (sized by the tool)
//   int*                a number the function writes (a comparison result)
//
// Functions whose parameters do not fit these rules give their own `invoke`.
// A bound function can also be called again and again with the same arguments
// (the batch mode, vek --each), its buffers kept from call to call.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "vek.h"

namespace vek::cli {

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
};

// What one call of a repeated function left behind: views into buffers that
// the next call reuses.
struct Reply final {
    short result = 0;
    short status = 0;
    std::string_view text;  // the output text, when the function writes one
    int number = 0;         // the number written through an int*
};

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
    Outcome operator()(const std::vector<std::string>& args, std::size_t capacity) const {
        return once(args, capacity);
    }
};

enum class Kind {
    Text,       // prints the output text
    Predicate,  // prints true or false
    Compare,    // prints -1, 0 or 1
    Number,     // prints the number written through an int* (a count)
    Value,      // prints the returned value itself (vek_Version, vek_LastStatus)
    Action,     // prints nothing on success
};

struct Command final {
    std::string name;                 // the exported name without "vek_"
    std::vector<std::string> params;  // the caller's arguments, in the function's order
    std::string summary;              // one line for --list and help
    Kind kind = Kind::Text;
    short falseCode = 0;              // Predicate: the status that means "false", not failure
    std::string details;              // more for help: formats, notes
    // Runs the function with the arguments and an output capacity in bytes.
    Invoker invoke;
    // Prints a successful outcome; the default prints by kind.
    std::function<void(const Outcome&)> print;
    // The output of one call is one line: the command can run in batch mode.
    bool oneLine = true;
};

std::vector<Command>& commands();

// The command of a function, by its name with or without "vek_"; null if none.
const Command* find_command(std::string_view name);

// Prints a successful outcome: the command's own print, else by kind.
void print_outcome(const Command& c, const Outcome& o);

// Adds entries to the table at load time: static const Register r{{ ... }};
struct Register final {
    explicit Register(std::vector<Command> entries);
};

// The argument count: `fewest` to `most` arguments (exactly `fewest` when `most`
// is 0), else UsageError. Every command checks its count here.
void check_argument_count(const std::vector<std::string>& args, std::size_t fewest, std::size_t most = 0);

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

namespace detail {

struct Context final {
    std::string buffer;
    int number = 0;
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

template <class P, class Prev, class Next>
struct Slot;

template <class Prev, class Next>
struct Slot<const char*, Prev, Next> {
    static constexpr int kArgs = 1;
    const std::string* value = nullptr;
    void take(Context& c) {
        const std::string& arg = c.take();
        if (!c.keeps(arg)) value = &argument_text(arg);
    }
    const char* get(Context&) { return value->c_str(); }
};

template <class Prev, class Next>
struct Slot<int, Prev, Next> {
    static constexpr bool kSize = std::is_same_v<Prev, char*>;
    static constexpr int kArgs = kSize ? 0 : 1;
    int value = 0;
    void take(Context& c) {
        if constexpr (!kSize) {
            const std::string& arg = c.take();
            if (!c.keeps(arg)) value = static_cast<int>(integer_argument(arg, INT32_MIN, INT32_MAX));
        }
    }
    int get(Context& c) { return kSize ? static_cast<int>(c.buffer.size()) : value; }
};

template <class Prev, class Next>
struct Slot<short, Prev, Next> {
    static constexpr int kArgs = 1;
    short value = 0;
    void take(Context& c) {
        const std::string& arg = c.take();
        if (!c.keeps(arg)) value = static_cast<short>(integer_argument(arg, INT16_MIN, INT16_MAX));
    }
    short get(Context&) { return value; }
};

template <class Prev, class Next>
struct Slot<char*, Prev, Next> {
    static constexpr int kArgs = 0;
    void take(Context&) {}
    char* get(Context& c) { return c.buffer.data(); }
};

template <class Prev, class Next>
struct Slot<int*, Prev, Next> {
    static constexpr int kArgs = 0;
    void take(Context&) {}
    int* get(Context& c) { return &c.number; }
};

template <class... P>
struct Binder {
    using Padded = std::tuple<void*, P..., void*>;
    template <std::size_t I>
    using SlotAt = Slot<std::tuple_element_t<I + 1, Padded>, std::tuple_element_t<I, Padded>,
                        std::tuple_element_t<I + 2, Padded>>;
    static constexpr bool kWritesText = (std::is_same_v<P, char*> || ...);
    static constexpr bool kWritesNumber = (std::is_same_v<P, int*> || ...);

    template <std::size_t... I>
    static void check_count(const std::vector<std::string>& args, std::index_sequence<I...>) {
        check_argument_count(args, (0 + ... + SlotAt<I>::kArgs));
    }

    using Slots = decltype([]<std::size_t... I>(std::index_sequence<I...>) {
        return std::tuple<SlotAt<I>...>{};
    }(std::index_sequence_for<P...>{}));

    // Takes the arguments into the slots and calls: the output in c.buffer and c.number.
    template <class Fn, std::size_t... I>
    static short call(Fn fn, const std::vector<std::string>& args, Context& c, Slots& slots,
                      std::index_sequence<I...>) {
        c.args = &args;
        c.next = 0;
        (std::get<I>(slots).take(c), ...);  // left to right: the function's own order
        return fn(std::get<I>(slots).get(c)...);
    }

    template <class Fn>
    static Outcome run(Fn fn, const std::vector<std::string>& args, std::size_t capacity) {
        check_count(args, std::index_sequence_for<P...>{});
        Context c;
        if constexpr (kWritesText) c.buffer.assign(capacity, '\0');
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
        check_count(args, std::index_sequence_for<P...>{});
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
            if constexpr (kWritesText)
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

}  // namespace detail

// Binds an exported function by its parameter list.
template <class... P>
Invoker bind(short(VEK_CALL* fn)(P...)) {
    return {[fn](const std::vector<std::string>& args, std::size_t capacity) {
                return detail::Binder<P...>::run(fn, args, capacity);
            },
            [fn](const std::vector<std::string>& args) { return detail::Binder<P...>::prepare(fn, args); }};
}

}  // namespace vek::cli
