#include "cli/command.h"

#include <charconv>
#include <iostream>
#include <iterator>

namespace vek::cli {

std::vector<Command>& commands() {
    static std::vector<Command> table;
    return table;
}

Register::Register(std::vector<Command> entries) {
    for (auto& e : entries) commands().push_back(std::move(e));
}

std::string text_argument(const std::string& arg) {
    if (arg != "-") return arg;
    std::string all{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (!all.empty() && all.back() == '\n') all.pop_back();
    if (!all.empty() && all.back() == '\r') all.pop_back();
    return all;
}

long long integer_argument(const std::string& arg, long long min, long long max) {
    const std::string text = text_argument(arg);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        throw UsageError{"'" + text + "' is not a whole number"};
    if (value < min || value > max)
        throw UsageError{"'" + text + "' is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")"};
    return value;
}

}  // namespace vek::cli
