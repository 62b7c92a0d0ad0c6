// vek: calls any exported function of the library from a shell.
//
//   vek FUNCTION ARG...     call vek_FUNCTION with the arguments in its own order
//   vek --list              the functions and their parameters
//   vek help FUNCTION       one function: parameters, output, status codes
//   vek --version           the versions
//   vek --each FUNCTION ARG...  call it once per line of standard input (cli/batch.h)
//   vek tlv [--json] HEX    BER-TLV data as a tree (cli/tlv_view.h)
//   vek dgi [--json] HEX    data groupings (cli/dgi_view.h)
//   vek info FILE           an image file or a DC9 file summarized (cli/info_view.h)
//
// Exit status: 0 success (or true), 1 the function returned 0 (failure, or
// false for a predicate), 2 bad command-line use that the command refuses
// itself (an unknown function, a wrong argument count, a number that does not
// parse, standard input holding a 0x00 byte).

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/batch.h"
#include "cli/command.h"
#include "cli/dgi_view.h"
#include "cli/info_view.h"
#include "cli/tlv_view.h"
#include "frame/catalogue.h"
#include "vek.h"

namespace {

using vek::cli::Command;
using vek::cli::Kind;

constexpr int kFailure = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "usage: vek FUNCTION [ARG...]   call vek_FUNCTION (the vek_ prefix is optional)\n"
    "       vek --list              list the functions and their parameters\n"
    "       vek help FUNCTION       explain one function and its status codes\n"
    "       vek --version           print the versions\n"
    "       vek --each FUNCTION [ARG...]  call it once per line of standard input\n"
    "       vek tlv [--json] HEX    BER-TLV data as a tree of elements (vek help tlv)\n"
    "       vek dgi [--json] HEX    data groupings (DGIs) and the TLV inside (vek help dgi)\n"
    "       vek info FILE           an image file or a DC9 file summarized (vek help info)\n"
    "An argument - is read from standard input (every - gets the same text); text that\n"
    "holds a 0x00 byte is refused.\n"
    "Exit status: 0 success or true, 1 failure or false, 2 bad usage.\n"
    "\n"
    "Batch mode (--each): standard input is read line by line (LF or CR LF) and the\n"
    "function runs once per line, every argument - taking that line. Output line N\n"
    "belongs to input line N: the result, true or false for a predicate, -1, 0 or 1\n"
    "for a comparison, an empty line for a function without output. A line that\n"
    "fails gives an empty output line, and its line number, status code and message\n"
    "on standard error; the lines after it still run. Exit status: 0 every line\n"
    "succeeded (a predicate's false is an answer, not a failure), 1 a line failed,\n"
    "2 bad usage (an unknown function, a wrong argument count, a function that\n"
    "prints more than one line). Example:\n"
    "  printf '00FF\\n1000\\n' | vek --each Conv_HexaToDec - 0    prints 255 and 4096\n";

std::string signature(const Command& c) {
    std::string s = "vek " + c.name;
    for (const auto& p : c.params) s += " " + p;
    return s;
}

int list() {
    auto table = vek::cli::commands();
    std::sort(table.begin(), table.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const auto& c : table) std::printf("%-45s %s\n", signature(c).c_str(), c.summary.c_str());
    return 0;
}

int help(std::string_view name) {
    if (name == "tlv") {
        std::fputs(vek::cli::kTlvHelp, stdout);
        return 0;
    }
    if (name == "dgi") {
        std::fputs(vek::cli::kDgiHelp, stdout);
        return 0;
    }
    if (name == "info") {
        std::fputs(vek::cli::kInfoHelp, stdout);
        return 0;
    }
    const Command* c = vek::cli::find_command(name);
    if (c == nullptr) {
        std::fprintf(stderr, "vek: no function named %s (see vek --list)\n", vek::cli::quoted(name).c_str());
        return kUsage;
    }
    std::printf("%s\n    %s\n", signature(*c).c_str(), c->summary.c_str());
    if (!c->details.empty()) std::printf("\n%s\n", c->details.c_str());
    std::printf("\nStatus codes of vek_%s:\n", c->name.c_str());
    // The function's own codes and the common ones it gives no meaning of its own, in numeric order.
    std::vector<std::pair<short, std::string_view>> codes;
    for (const auto& e : vek::catalogue::entries())
        if (vek::cli::find_command(e.function) == c) codes.emplace_back(e.code, e.message);
    for (const short code : {short{VEK_STATUS_BUFFER_TOO_SMALL}, short{VEK_STATUS_INTERNAL}})
        if (std::none_of(codes.begin(), codes.end(), [&](const auto& own) { return own.first == code; }))
            codes.emplace_back(code, vek::catalogue::message("", code));
    std::stable_sort(codes.begin(), codes.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [code, message] : codes)
        std::printf("  %4d  %.*s\n", code, static_cast<int>(message.size()), message.data());
    return 0;
}

int run(const Command& c, const std::vector<std::string>& args) {
    // Output buffers are sized by the tool: grown until the result fits.
    std::size_t capacity = vek::cli::kFirstCapacity;
    const vek::cli::Outcome o = vek::cli::grown(capacity, [&](std::size_t n) { return c.invoke(args, n); });
    if (c.kind == Kind::Value || o.result != 0) {
        vek::cli::print_outcome(c, o);
        return 0;
    }
    if (c.kind == Kind::Predicate && o.status == c.falseCode) {
        std::printf("false\n");
        return kFailure;
    }
    if (!o.failedFunction.empty()) {
        const std::string_view message = vek::catalogue::message(o.failedFunction, o.status);
        std::fprintf(stderr, "vek %s: %s failed: status %d: %.*s\n", c.name.c_str(), o.failedFunction.c_str(),
                     o.status, static_cast<int>(message.size()), message.data());
        return kFailure;
    }
    const std::string_view message = vek::catalogue::message(c.name, o.status);
    std::fprintf(stderr, "vek %s: status %d: %.*s\n", c.name.c_str(), o.status, static_cast<int>(message.size()),
                 message.data());
    return kFailure;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Bytes in and out as they are, as on every other system: no CR added before
    // LF on output, no LF taken from CR LF on input, no end of input at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsageText, args.empty() ? stderr : stdout);
        return args.empty() ? kUsage : 0;
    }
    if (args[0] == "--list") return list();
    if (args[0] == "tlv") return vek::cli::tlv_view({args.begin() + 1, args.end()});
    if (args[0] == "dgi") return vek::cli::dgi_view({args.begin() + 1, args.end()});
    if (args[0] == "info") return vek::cli::info_view({args.begin() + 1, args.end()});
    if (args[0] == "--each") return vek::cli::run_each({args.begin() + 1, args.end()});
    if (args[0] == "--version") {
        std::printf("vek command %s, library interface %d\n", VEK_CLI_VERSION, vek_Version());
        return 0;
    }
    if (args[0] == "help") {
        if (args.size() != 2) {
            std::fputs(kUsageText, stderr);
            return kUsage;
        }
        return help(args[1]);
    }
    const Command* c = vek::cli::find_command(args[0]);
    if (c == nullptr) {
        std::fprintf(stderr, "vek: no function named %s (see vek --list)\n", vek::cli::quoted(args[0]).c_str());
        return kUsage;
    }
    try {
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        vek::cli::check_standard_input(rest, c->params);
        vek::cli::check_arguments(*c, rest);
        return run(*c, rest);
    } catch (const vek::cli::UsageError& e) {
        std::fprintf(stderr, "vek %s: %s\nusage: %s\n", c->name.c_str(), e.message.c_str(), signature(*c).c_str());
        return kUsage;
    } catch (const vek::cli::CommandError& e) {
        std::fprintf(stderr, "vek %s: %s\n", c->name.c_str(), e.message.c_str());
        return kFailure;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vek %s: out of memory\n", c->name.c_str());
        return kFailure;
    }
}
