#pragma once
// What a shape-1 export must leave for a vector case: with "Status = N", result 0,
// that status and "" in the buffer (nothing partial); else result -1, status 0 and
// the text of "Out".

#include <gtest/gtest.h>

#include "support/api.h"
#include "support/vectors.h"

namespace vek::test {

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

}  // namespace vek::test
