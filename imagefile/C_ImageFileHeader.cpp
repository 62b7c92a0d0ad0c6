#include "imagefile/C_ImageFileHeader.h"

#include <algorithm>

namespace {

constexpr char kSeparator = '/';
constexpr char kSpace = ' ';

}  // namespace

// A three-state reader: 0 reads a name, 1 skips the spaces after it, 2 reads the
// value up to the next '/' or the end of the text. A space met before any name
// character (right after a '/') opens a field with an empty name; such a field
// keeps the reader in state 2, so what follows it is read as further nameless
// values.
C_ImageFileHeader::C_ImageFileHeader(std::string_view text) {
    const auto first = text.find_first_not_of(kSpace);
    text = first == std::string_view::npos ? std::string_view{} : text.substr(first);
    const std::size_t n = text.size();
    std::string name;
    std::string value;
    int state = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char ch = text[i];
        if (state == 0) {
            if (ch == kSeparator) throw xInvalidHeader{};
            if (ch == kSpace)
                state = name.empty() ? 2 : 1;
            else
                name += ch;
            continue;
        }
        if (state == 1) {
            if (ch == kSeparator) throw xInvalidHeader{};
            if (ch == kSpace) continue;
            // The value's first character, read in state 2 below: when it is also
            // the text's last character, that field ends here like any other.
            state = 2;
        }
        if (ch != kSeparator) value += ch;
        if (ch != kSeparator && i + 1 < n) continue;
        // The field ends at a '/' or at the last character.
        if (value.empty()) throw xInvalidHeader{};
        m_fields.emplace_back(std::move(name), std::move(value));
        if (ch == kSeparator && !m_fields.back().first.empty() && i + 1 < n) state = 0;
        name.clear();
        value.clear();
    }
    if (n > 0 && state != 2) throw xInvalidHeader{};
}

std::string C_ImageFileHeader::GetText() const {
    std::string text;
    for (const auto& [name, value] : m_fields) {
        if (&name != &m_fields.front().first) text += kSeparator;
        text += name;
        text += kSpace;
        text += value;
    }
    return text;
}

void C_ImageFileHeader::CheckName(std::string_view name) {
    if (name.empty()) throw xEmptyString{};
    if (name.find_first_of(" /") != std::string_view::npos) throw xIllegalChar{};
}

std::vector<C_ImageFileHeader::Field>::const_iterator C_ImageFileHeader::Find(std::string_view name) const {
    return std::find_if(m_fields.begin(), m_fields.end(), [&](const Field& f) { return f.first == name; });
}

void C_ImageFileHeader::SetField(std::string_view name, std::string_view value) {
    if (name.empty() || value.empty()) throw xEmptyString{};
    CheckName(name);
    if (value.find(kSeparator) != std::string_view::npos) throw xIllegalChar{};
    const auto it = Find(name);
    if (it == m_fields.end())
        m_fields.emplace_back(name, value);
    else
        m_fields[static_cast<std::size_t>(it - m_fields.begin())].second = value;
}

const std::string& C_ImageFileHeader::GetField(std::string_view name) const {
    CheckName(name);
    const auto it = Find(name);
    if (it == m_fields.end()) throw xFieldNotFound{};
    return it->second;
}

void C_ImageFileHeader::RemoveField(std::string_view name) {
    CheckName(name);
    const auto it = Find(name);
    if (it == m_fields.end()) throw xFieldNotFound{};
    m_fields.erase(it);
}
