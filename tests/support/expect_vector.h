#pragma once
// The one runner of the vector files (tests/data/*.vec, support/vectors.h). A
// case's [section] names the exported function it calls; its fields named as
// that function's parameters in vek.h give the arguments; its capitalized
// fields state what the call must do:
//
//   [vek_Conv_HexaToDec]
//   hexa = 1F
//   resultLength = 4
//   Out = 0031
//
// The runner knows each function's parameters and their roles from vek.h
// itself (api_table.h), so a new export needs only its cases, not code:
//
//   text          the field's text; left out, a null pointer
//   int           the field's number; left out, 0
//   bytes         the field's bytes in hexadecimal; left out or empty, a null
//                 pointer; its length parameter is the number of bytes unless
//                 the case gives it
//   firs          a DC9 description, "offset markLength recordCount recordLength"
//                 for each FIR, separated by commas; its count is the number of
//                 entries unless the case gives it
//   outSize       the size of the output buffer; left out, 300000 bytes
//   out (no size) a buffer as long as the longest text and its NUL
//   bytes out     a block of Room bytes (16 when left out)
//   firCount out  the room of the description, given by the case; a description
//                 field written "null" passes a null pointer
//   size out      the room of the byte buffer, given by the case
//
// The expectations:
//
//   Status = N    the call fails with status N (result 0) and gives no Out (an
//                 empty text, a buffer left as it was, no number, no byte);
//                 without it the call succeeds (result -1, status 0).
//   Out           what a successful call gives: the text written to out; true
//                 for a predicate; the number written through an int* when that
//                 is the only output; a byte block in hexadecimal (with the 0
//                 byte written after it, for the text-to-bytes functions).
//   Count, FirCount, Description
//                 an output the function writes besides Out, or also when it
//                 fails, under its parameter's name capitalized: its value
//                 after the call ("unwritten": a count that keeps what it held).
//   Room          the size of a byte block the function fills (see above).
//
// A field the function has no use for fails the case, so that a misspelt
// parameter cannot go unnoticed.

#include <string>
#include <vector>

#include "support/vectors.h"

namespace vek::test {

// Runs one case through the export its section names and checks the outcome.
void run_vector(const Vector& v);

// The cases of tests/data/<file> whose section names an export ("vek_..."):
// the others serve tests of their own.
std::vector<Vector> export_vectors(const std::string& file);

}  // namespace vek::test
