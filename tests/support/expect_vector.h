#pragma once
// The one runner of the vector files. Each family's test file registers, for
// every exported function its vector file names in a [section], a runner that
// calls the function with the case's fields and reports what it returned:
//
//   static const vek::test::VectorRunners kRunners{{
//       {"vek_Tran_ReverseBin", [](const Vector& v) {
//            return call_text([&](char* o, int n) { return VEK(vek_Tran_ReverseBin)(v.text("In"), o, n); });
//        }},
//   }};
//
// and tests/vectors_test.cpp runs every case of every file through it, checking
// the outcome: with "Status = N", result 0, that status and "" in the buffer
// (nothing partial); else result -1, status 0 and the text of "Out".

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/api.h"
#include "support/vectors.h"

namespace vek::test {

using VectorRunner = std::function<Outcome(const Vector&)>;

// The runners of every family, by exported function.
std::map<std::string, VectorRunner>& vector_runners();

// Registers runners at load time.
struct VectorRunners final {
    explicit VectorRunners(std::map<std::string, VectorRunner> runners);
};

// A text field, or a null pointer when the case leaves it out.
const char* text_or_null(const Vector& v, const std::string& key);

// A number field, or 0 when the case leaves it out.
int number(const Vector& v, const std::string& key);

inline void expect_vector_outcome(const Outcome& got, const Vector& v) {
    if (v.has("Status")) {
        EXPECT_EQ(got.result, 0);
        EXPECT_EQ(got.status, v.integer("Status"));
        EXPECT_EQ(got.out, "");
    } else {
        EXPECT_EQ(got.result, -1);
        EXPECT_EQ(got.status, 0);
        EXPECT_EQ(got.out, v["Out"]);
    }
}

// Runs one case through the runner of its section and checks the outcome.
void run_vector(const Vector& v);

}  // namespace vek::test
