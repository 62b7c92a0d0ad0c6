#include "support/api.h"

#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vek::test {
namespace {

void* library() {
#if defined(_WIN32)
    static HMODULE handle = LoadLibraryA(VEK_LIBRARY);
#else
    static void* handle = dlopen(VEK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
#endif
    if (handle == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", VEK_LIBRARY);
        std::abort();
    }
    return reinterpret_cast<void*>(handle);
}

}  // namespace

void* symbol(const char* name) {
#if defined(_WIN32)
    void* address = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library()), name));
#else
    void* address = dlsym(library(), name);
#endif
    if (address == nullptr) {
        std::fprintf(stderr, "%s does not export %s\n", VEK_LIBRARY, name);
        std::abort();
    }
    return address;
}

std::vector<TextSample>& text_samples() {
    static std::vector<TextSample> samples;
    return samples;
}

TextSamples::TextSamples(std::vector<TextSample> samples) {
    for (auto& s : samples) text_samples().push_back(std::move(s));
}

Outcome call_text(const std::function<short(char*, int)>& run, int size) {
    std::string buffer(static_cast<std::size_t>(size) + 1, '\x7F');
    const short result = run(buffer.data(), size);
    const short status = VEK(vek_LastStatus)();
    buffer.resize(buffer.find('\0') == std::string::npos ? buffer.size() : buffer.find('\0'));
    return {result, status, buffer};
}

}  // namespace vek::test
