#include "support/expect_vector.h"

namespace vek::test {

std::map<std::string, VectorRunner>& vector_runners() {
    static std::map<std::string, VectorRunner> runners;
    return runners;
}

VectorRunners::VectorRunners(std::map<std::string, VectorRunner> runners) {
    for (auto& [name, runner] : runners) vector_runners()[name] = std::move(runner);
}

const char* text_or_null(const Vector& v, const std::string& key) {
    return v.has(key) ? v[key].c_str() : nullptr;
}

int number(const Vector& v, const std::string& key) { return v.has(key) ? v.integer(key) : 0; }

void run_vector(const Vector& v) {
    const auto runner = vector_runners().find(v.section);
    ASSERT_NE(runner, vector_runners().end()) << "no runner for " << v.section;
    expect_vector_outcome(runner->second(v), v);
}

}  // namespace vek::test
