// Every case of the vector files that names an export, run through the one
// runner (support/expect_vector.h): a new export needs its cases here, no code.
#include <gtest/gtest.h>

#include "support/expect_vector.h"
#include "support/vectors.h"

namespace {

using vek::test::export_vectors;
using vek::test::Vector;

class Vectors : public ::testing::TestWithParam<Vector> {};

TEST_P(Vectors, AsACallerSeesThem) { vek::test::run_vector(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Bin, Vectors, ::testing::ValuesIn(export_vectors("bin.vec")));
INSTANTIATE_TEST_SUITE_P(Char, Vectors, ::testing::ValuesIn(export_vectors("char.vec")));
INSTANTIATE_TEST_SUITE_P(Dec, Vectors, ::testing::ValuesIn(export_vectors("dec.vec")));
INSTANTIATE_TEST_SUITE_P(Hexa, Vectors, ::testing::ValuesIn(export_vectors("hexa.vec")));
INSTANTIATE_TEST_SUITE_P(HexaTransform, Vectors, ::testing::ValuesIn(export_vectors("hexatransform.vec")));
INSTANTIATE_TEST_SUITE_P(HexaArith, Vectors, ::testing::ValuesIn(export_vectors("hexarith.vec")));
INSTANTIATE_TEST_SUITE_P(Tlv, Vectors, ::testing::ValuesIn(export_vectors("tlv.vec")));
INSTANTIATE_TEST_SUITE_P(ArrayChar, Vectors, ::testing::ValuesIn(export_vectors("arraychar.vec")));
INSTANTIATE_TEST_SUITE_P(Random, Vectors, ::testing::ValuesIn(export_vectors("random.vec")));
INSTANTIATE_TEST_SUITE_P(ImageHeader, Vectors, ::testing::ValuesIn(export_vectors("imageheader.vec")));
INSTANTIATE_TEST_SUITE_P(ImageFile, Vectors, ::testing::ValuesIn(export_vectors("imagefile.vec")));
INSTANTIATE_TEST_SUITE_P(Des, Vectors, ::testing::ValuesIn(export_vectors("des.vec")));
INSTANTIATE_TEST_SUITE_P(TripleDes, Vectors, ::testing::ValuesIn(export_vectors("tdes.vec")));
INSTANTIATE_TEST_SUITE_P(DC9Describe, Vectors, ::testing::ValuesIn(export_vectors("dc9/describe.vec")));
INSTANTIATE_TEST_SUITE_P(DC9Extract, Vectors, ::testing::ValuesIn(export_vectors("dc9/extract.vec")));
INSTANTIATE_TEST_SUITE_P(DataPrep, Vectors, ::testing::ValuesIn(export_vectors("dataprep.vec")));

}  // namespace
