#include "frame/catalogue.h"

#include "vek.h"

namespace vek::catalogue {
namespace {

// A code that means the same in every function, and that meaning.
struct Common final {
    short code;
    std::string_view message;
};

// kCommon and kEntries, written from include/vek.h by scripts/vekgen.py.
#include "frame/catalogue_rows.inc"

}  // namespace

std::span<const Entry> entries() noexcept { return kEntries; }

std::string_view message(std::string_view function, short code) noexcept {
    const std::string_view name = function.starts_with("vek_") ? function.substr(4) : function;
    for (const Entry& e : entries())
        if (e.code == code && e.function.substr(4) == name) return e.message;
    for (const Common& c : kCommon)
        if (c.code == code) return c.message;
    return "";
}

}  // namespace vek::catalogue
