// Every case of the vector files, run through the one runner (support/expect_vector.h)
// with the runners that the families' test files register.
#include <gtest/gtest.h>

#include "support/expect_vector.h"
#include "support/vectors.h"

namespace {

using vek::test::load_vectors;
using vek::test::Vector;

class Vectors : public ::testing::TestWithParam<Vector> {};

TEST_P(Vectors, AsACallerSeesThem) { vek::test::run_vector(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Bin, Vectors, ::testing::ValuesIn(load_vectors("bin.vec")));
INSTANTIATE_TEST_SUITE_P(Char, Vectors, ::testing::ValuesIn(load_vectors("char.vec")));
INSTANTIATE_TEST_SUITE_P(Dec, Vectors, ::testing::ValuesIn(load_vectors("dec.vec")));
INSTANTIATE_TEST_SUITE_P(Hexa, Vectors, ::testing::ValuesIn(load_vectors("hexa.vec")));
INSTANTIATE_TEST_SUITE_P(HexaTransform, Vectors, ::testing::ValuesIn(load_vectors("hexatransform.vec")));
INSTANTIATE_TEST_SUITE_P(HexaArith, Vectors, ::testing::ValuesIn(load_vectors("hexarith.vec")));
INSTANTIATE_TEST_SUITE_P(Tlv, Vectors, ::testing::ValuesIn(load_vectors("tlv.vec")));
INSTANTIATE_TEST_SUITE_P(ArrayChar, Vectors, ::testing::ValuesIn(load_vectors("arraychar.vec")));
INSTANTIATE_TEST_SUITE_P(Random, Vectors, ::testing::ValuesIn(load_vectors("random.vec")));

}  // namespace
