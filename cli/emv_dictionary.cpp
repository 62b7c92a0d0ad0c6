// The EMV tag dictionary, read once from the text built into the command.
#include "cli/emv_dictionary.h"

#include <map>
#include <sstream>
#include <string>

namespace vek::cli {
extern const char* const kEmvTags;  // emv_tags.tsv, built in
}

namespace vek::cli::emv {
namespace {

View view_named(std::string_view word) {
    static const std::map<std::string_view, View, std::less<>> views{
        {"text", View::Text}, {"dol", View::Dol}, {"cvm", View::Cvm},         {"afl", View::Afl},
        {"aip", View::Aip},   {"auc", View::Auc}, {"cid", View::Cid}, {"format1", View::Format1}};
    const auto it = views.find(word);
    return it == views.end() ? View::Hexa : it->second;
}

struct Entry final {
    std::string name;
    TagInfo info;
};

const std::map<std::string, Entry, std::less<>>& table() {
    static const auto t = [] {
        std::map<std::string, Entry, std::less<>> m;
        std::istringstream in(kEmvTags);
        std::string line;
        while (std::getline(in, line)) {
            const auto tab = line.find('\t');
            if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
            const auto second = line.find('\t', tab + 1);
            Entry e;
            e.name = line.substr(tab + 1, second == std::string::npos ? std::string::npos : second - tab - 1);
            if (second != std::string::npos) e.info.view = view_named(std::string_view(line).substr(second + 1));
            m.emplace(line.substr(0, tab), std::move(e));
        }
        // The names live in the map's nodes, which never move.
        for (auto& [tag, e] : m) e.info.name = e.name;
        return m;
    }();
    return t;
}

}  // namespace

const TagInfo* find_tag(std::string_view tag) {
    const auto& t = table();
    const auto it = t.find(tag);
    return it == t.end() ? nullptr : &it->second.info;
}

const char* tag_class(std::uint8_t firstTagByte) {
    switch (firstTagByte >> 6) {
        case 0: return "universal";
        case 1: return "application";
        case 2: return "context-specific";
        default: return "private";
    }
}

}  // namespace vek::cli::emv
