#pragma once
// The exported functions as a caller reaches them: the shared library (libvek.so,
// or VEK.dll under wine) is loaded at run time and each function found by name.
//
//   EXPECT_EQ(VEK(vek_Version)(), 13);

#include <functional>
#include <string>
#include <vector>

#include "vek.h"

namespace vek::test {

// The address of the exported function `name`; fails the test program when the
// library or the name cannot be found.
void* symbol(const char* name);

// A successful shape-1 call of some export with fixed inputs, and the text it
// must write. The frame test runs every registered sample with buffers that are
// too small, and checks the size rule for all of them.
struct TextSample final {
    std::string function;
    std::function<short(char* out, int outSize)> run;
    std::string expected;
};

std::vector<TextSample>& text_samples();

// Registers samples at load time:  static const TextSamples s{{ {...}, {...} }};
struct TextSamples final {
    explicit TextSamples(std::vector<TextSample> samples);
};

// Calls a shape-1 export with a buffer of `size` bytes and returns what it wrote.
struct Outcome final {
    short result;
    short status;
    std::string out;
};
Outcome call_text(const std::function<short(char*, int)>& run, int size = 300000);

}  // namespace vek::test

#define VEK(fn) (reinterpret_cast<decltype(&::fn)>(::vek::test::symbol(#fn)))
#define VEK_STATUS() (VEK(vek_LastStatus)())
