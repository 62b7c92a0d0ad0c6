#pragma once
// The header line of an image file: an ordered list of named fields written as
// "NAME value/NAME value/...". Two fields may share a name; every field operation
// acts on the first field of that name. Names are compared byte for byte.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class C_ImageFileHeader final {
public:
    class xInvalidHeader final {};  // the text does not parse
    class xIllegalChar final {};    // a space or '/' in a name, a '/' in a value
    class xEmptyString final {};    // an empty name or value given to an operation
    class xFieldNotFound final {};  // no field of the given name

    C_ImageFileHeader() = default;
    // Parses `text`: leading spaces skipped, a name, one or more spaces, a value
    // (which keeps its inner and trailing spaces), fields separated by '/', one
    // trailing '/' accepted. Anything else is xInvalidHeader.
    explicit C_ImageFileHeader(std::string_view text);

    // The fields as "name value", separated by '/'; the empty text for no fields.
    std::string GetText() const;

    // Replaces the value of the first field named `name`, or appends the field.
    // xEmptyString, then xIllegalChar.
    void SetField(std::string_view name, std::string_view value);
    // The value of the first field named `name`. xEmptyString, xIllegalChar, then
    // xFieldNotFound.
    const std::string& GetField(std::string_view name) const;
    // Removes the first field named `name`; later fields keep their order.
    // xEmptyString, xIllegalChar, then xFieldNotFound.
    void RemoveField(std::string_view name);

    using Field = std::pair<std::string, std::string>;  // (name, value)
    const std::vector<Field>& Fields() const noexcept { return m_fields; }

private:
    static void CheckName(std::string_view name);
    std::vector<Field>::const_iterator Find(std::string_view name) const;

    std::vector<Field> m_fields;
};
