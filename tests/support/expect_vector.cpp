#include "support/expect_vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <type_traits>
#include <utility>

#include "api_table.h"
#include "support/api.h"
#include "support/dc9_data.h"
#include "support/texts.h"

namespace vek::test {
namespace {

using api::Role;

constexpr int kLargeOutput = 300000;      // the output buffer when a case gives no outSize
constexpr std::size_t kBlockRoom = 16;    // the byte block when a case gives no Room
constexpr int kUnwritten = -12345;        // what a number output holds before the call
constexpr char kTextFill = '\x7F';        // what a text buffer holds before the call
constexpr unsigned char kByteFill = 0xEE;  // what a byte buffer holds before the call
const FIRDescription kEntryFill{-7, -7, -7, -7};

std::string capitalized(std::string_view name) {
    std::string s(name);
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

bool has(const api::Export& f, Role role) {
    return std::any_of(f.params.begin(), f.params.end(), [role](const api::Parameter& p) { return p.role == role; });
}

// One call made from a case: the arguments, and the buffers the function
// writes, each filled beforehand so that what was written can be told apart.
class Call final {
public:
    Call(const api::Export& f, const Vector& v) : m_f(f), m_v(v), m_texts(f.params.size()), m_ints(f.params.size()) {
        check_fields();
        for (std::size_t i = 0; i < f.params.size(); ++i) take(i, f.params[i]);
        // A length or count the case leaves out is that of its block, wherever
        // the block stands in the parameter list.
        for (std::size_t i = 0; i < f.params.size(); ++i) {
            if (v.has(std::string(f.params[i].name))) continue;
            if (f.params[i].role == Role::BytesLength) m_ints[i] = static_cast<long long>(m_bytes.size());
            if (f.params[i].role == Role::FirsCount) m_ints[i] = static_cast<long long>(m_firs.size());
        }
        if (has(f, Role::OutRaw)) {
            std::size_t longest = 0;
            for (const auto& t : m_texts)
                if (t) longest = std::max(longest, t->size());
            m_out.assign(longest + 1, kTextFill);
        }
    }

    template <Role R, class P>
    P arg(std::size_t i) {
        if constexpr (R == Role::Text) {
            static_assert(std::is_same_v<P, const char*>);
            return m_texts[i] ? m_texts[i]->c_str() : nullptr;
        } else if constexpr (R == Role::Int) {
            static_assert(std::is_same_v<P, int> || std::is_same_v<P, short>);
            return static_cast<P>(m_ints[i]);
        } else if constexpr (R == Role::Bytes) {
            static_assert(std::is_same_v<P, const unsigned char*>);
            return m_bytes.empty() ? nullptr : m_bytes.data();
        } else if constexpr (R == Role::BytesLength || R == Role::OutSize) {
            static_assert(std::is_same_v<P, int>);
            return static_cast<int>(m_ints[i]);
        } else if constexpr (R == Role::Firs) {
            static_assert(std::is_same_v<P, const FIRDescription*>);
            return m_firs.empty() ? nullptr : m_firs.data();
        } else if constexpr (R == Role::FirsCount) {
            static_assert(std::is_same_v<P, short>);
            return static_cast<short>(m_ints[i]);
        } else if constexpr (R == Role::Out || R == Role::OutRaw) {
            static_assert(std::is_same_v<P, char*>);
            return m_out.data();
        } else if constexpr (R == Role::Number || R == Role::BytesCount) {
            static_assert(std::is_same_v<P, int*>);
            return &m_number;
        } else if constexpr (R == Role::BytesOut || R == Role::RawOut) {
            static_assert(std::is_same_v<P, unsigned char*>);
            return m_block.data();
        } else if constexpr (R == Role::FirsFound) {
            static_assert(std::is_same_v<P, short*>);
            return &m_firCount;
        } else if constexpr (R == Role::FirsOut) {
            static_assert(std::is_same_v<P, FIRDescription*>);
            return m_nullDescription ? nullptr : m_description.data();
        } else {
            static_assert(R == Role::RawSize && std::is_same_v<P, int*>);
            return &m_size;
        }
    }

    void check(short result, short status) const {
        const bool fails = m_v.has("Status");
        EXPECT_EQ(result, fails ? 0 : -1);
        EXPECT_EQ(status, fails ? m_v.integer("Status") : 0);
        if (const auto got = output(result != 0)) {
            if (fails) {
                EXPECT_EQ(*got, "") << "output written by a failed call";
            } else if (m_v.has("Out")) {
                EXPECT_EQ(*got, m_v["Out"]);
            } else {
                ADD_FAILURE() << "a successful case gives no Out";
            }
        }
        check_written();
    }

private:
    // Every field is a parameter of the function or an expectation it has a use for.
    void check_fields() const {
        std::set<std::string> known{"Status"};
        if (m_f.kind == api::Kind::Predicate || has(m_f, Role::Out) || has(m_f, Role::OutRaw) ||
            has(m_f, Role::Number) || has(m_f, Role::BytesOut) || has(m_f, Role::RawOut))
            known.insert("Out");
        if (has(m_f, Role::BytesOut)) known.insert("Room");
        for (const auto& p : m_f.params) {
            // Outputs written also on failure, checked under their own names.
            if (p.role == Role::FirsFound || p.role == Role::FirsOut || (p.role == Role::Number && has(m_f, Role::Out)))
                known.insert(capitalized(p.name));
            switch (p.role) {
                case Role::Out:
                case Role::OutRaw:
                case Role::Number:
                case Role::BytesOut:
                case Role::BytesCount:
                case Role::RawOut: break;
                default: known.emplace(p.name);
            }
        }
        for (const auto& [name, value] : m_v.fields)
            EXPECT_TRUE(known.count(name) != 0) << "the field " << name << " is no parameter of " << m_f.name
                                                << " and no expectation it has a use for";
    }

    void take(std::size_t i, const api::Parameter& p) {
        const std::string name(p.name);
        const bool given = m_v.has(name);
        const auto number = [&](long long fallback) { return given ? std::stoll(m_v[name]) : fallback; };
        switch (p.role) {
            case Role::Text:
                if (given) m_texts[i] = m_v[name];
                break;
            case Role::Int: m_ints[i] = number(0); break;
            case Role::Bytes:
                if (given) m_bytes = bytes_of(m_v[name]);
                break;
            case Role::BytesLength:
            case Role::FirsCount: m_ints[i] = number(0); break;
            case Role::Firs:
                if (given) m_firs = dc9::entries(m_v[name]);
                break;
            case Role::OutSize:
                m_ints[i] = number(kLargeOutput);
                m_out.assign(static_cast<std::size_t>(std::max<long long>(m_ints[i], 0)) + 1, kTextFill);
                break;
            case Role::Number:
            case Role::BytesCount: m_number = kUnwritten; break;
            case Role::BytesOut:
                m_block.assign(m_v.has("Room") ? static_cast<std::size_t>(m_v.integer("Room")) : kBlockRoom, kByteFill);
                break;
            case Role::FirsFound:
                m_firCount = static_cast<short>(m_v.integer(name));
                m_description.assign(static_cast<std::size_t>(std::max<short>(m_firCount, 0)) + 1, kEntryFill);
                break;
            case Role::FirsOut: m_nullDescription = given && m_v[name] == "null"; break;
            case Role::RawSize:
                m_size = m_v.integer(name);
                m_block.assign(static_cast<std::size_t>(std::max(m_size, 0)) + 1, kByteFill);
                break;
            default: break;
        }
    }

    // What the call gave, as the case's Out states it; nothing when the
    // function has no such output. A failed call must leave "".
    std::optional<std::string> output(bool succeeded) const {
        if (has(m_f, Role::Out)) return std::string(m_out.c_str());
        if (has(m_f, Role::OutRaw)) {
            const bool untouched = std::all_of(m_out.begin(), m_out.end(), [](char c) { return c == kTextFill; });
            return succeeded || !untouched ? std::string(m_out.c_str()) : "";
        }
        if (m_f.kind == api::Kind::Predicate) return succeeded ? "true" : "";
        if (has(m_f, Role::BytesOut)) return written_bytes(succeeded);
        if (has(m_f, Role::RawOut)) {
            if (!succeeded) return m_size == 0 && m_block[0] == kByteFill ? "" : "written";
            if (m_size < 0 || static_cast<std::size_t>(m_size) >= m_block.size()) return "size " + std::to_string(m_size);
            return hexa_of(m_block.data(), static_cast<std::size_t>(m_size));
        }
        if (has(m_f, Role::Number)) {
            if (succeeded) return std::to_string(m_number);
            return m_number == kUnwritten || m_f.countKept ? "" : "written " + std::to_string(m_number);
        }
        return std::nullopt;
    }

    // A byte block and its count: the bytes up to the count and the 0 byte
    // after them, as hexadecimal text; the rest of the block untouched. A
    // failed call writes neither.
    std::string written_bytes(bool succeeded) const {
        const auto untouched_from = [&](std::size_t from) {
            return std::all_of(m_block.begin() + static_cast<std::ptrdiff_t>(std::min(from, m_block.size())),
                               m_block.end(), [](unsigned char b) { return b == kByteFill; });
        };
        if (!succeeded) return m_number == kUnwritten && untouched_from(0) ? "" : "written";
        if (m_number < 0) return "count " + std::to_string(m_number);
        const std::size_t written = static_cast<std::size_t>(m_number) + 1;
        EXPECT_TRUE(untouched_from(written)) << "written past the 0 byte";
        return hexa_of(m_block.data(), std::min(written, m_block.size()));
    }

    // The outputs a function writes whatever its result, and the room around
    // its buffers.
    void check_written() const {
        for (const auto& p : m_f.params) {
            const std::string field = capitalized(p.name);
            const bool given = m_v.has(field);
            if (p.role == Role::Number && has(m_f, Role::Out)) {
                if (given) {
                    EXPECT_EQ(m_number, m_v[field] == "unwritten" ? kUnwritten : m_v.integer(field)) << field;
                } else if (m_v.has("Status") && !m_f.countKept) {
                    EXPECT_EQ(m_number, kUnwritten) << field << " written by a failed call";
                }
            } else if (p.role == Role::FirsFound) {
                EXPECT_EQ(m_firCount, m_v.integer(field)) << field;
            } else if (p.role == Role::FirsOut && !m_nullDescription) {
                EXPECT_EQ(dc9::text({m_description.back()}), dc9::text({kEntryFill})) << "written past the room";
                if (given) {
                    EXPECT_EQ(dc9::text(std::vector<FIRDescription>(m_description.begin(), m_description.end() - 1)),
                              m_v[field])
                        << field;
                } else {
                    ADD_FAILURE() << "the case gives no " << field;
                }
            } else if (p.role == Role::RawOut) {
                EXPECT_EQ(m_block.back(), kByteFill) << "written past the room";
            }
        }
    }

    const api::Export& m_f;
    const Vector& m_v;
    std::vector<std::optional<std::string>> m_texts;
    std::vector<long long> m_ints;
    std::vector<unsigned char> m_bytes;
    std::vector<FIRDescription> m_firs;
    std::string m_out;
    int m_number = kUnwritten;
    std::vector<unsigned char> m_block;
    int m_size = 0;
    short m_firCount = 0;
    std::vector<FIRDescription> m_description;
    bool m_nullDescription = false;
};

template <std::size_t F, std::size_t I>
inline constexpr Role kRole = api::kExports[F].params[I].role;

template <std::size_t F, class... P>
void run_export(short(VEK_CALL* fn)(P...), const Vector& v) {
    const api::Export& f = api::kExports[F];
    ASSERT_NE(f.kind, api::Kind::Value) << f.name << " returns a value: it has no vectors";
    Call call(f, v);
    const short result = [&]<std::size_t... I>(std::index_sequence<I...>) {
        return fn(call.template arg<kRole<F, I>, P>(I)...);
    }(std::index_sequence_for<P...>{});
    call.check(result, VEK_STATUS());
}

using Runner = void (*)(const Vector&);

const std::map<std::string_view, Runner>& runners() {
#define VEK_RUNNER(fn, index) {#fn, [](const Vector& v) { run_export<index>(VEK(fn), v); }},
    static const std::map<std::string_view, Runner> all{VEK_API_EXPORTS(VEK_RUNNER)};
#undef VEK_RUNNER
    return all;
}

}  // namespace

void run_vector(const Vector& v) {
    const auto runner = runners().find(v.section);
    ASSERT_NE(runner, runners().end()) << "no export named " << v.section;
    runner->second(v);
}

std::vector<Vector> export_vectors(const std::string& file) {
    std::vector<Vector> cases = load_vectors(file);
    std::erase_if(cases, [](const Vector& v) { return !v.section.starts_with("vek_"); });
    return cases;
}

}  // namespace vek::test
