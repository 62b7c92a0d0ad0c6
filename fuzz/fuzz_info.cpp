// Fuzzes vek info: the rest of the input is written to a file, which vek info
// tells an image file from a DC9 file by, and summarizes with the library's
// classes. The first input byte chooses the options: 0 none (the DC9 layout is
// found from the content), 1 --end-marker 0D0A, 2 --end-marker 23454E4423,
// 3 --record-size of the second byte (1 to 256). What vek info prints is not
// looked at (fuzz_info.options closes the target's standard output and error;
// libFuzzer and the sanitizers report on their own descriptor); an exit status
// other than 0 or 1 aborts, and so does any sanitizer report on the way.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/info_view.h"

namespace {

const std::string& scratch() {
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_info_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 2) return 0;
    const std::string& path = scratch();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (std::fwrite(input + 2, 1, size - 2, f) != size - 2) std::abort();
    std::fclose(f);
    std::vector<std::string> args;
    switch (input[0] % 4) {
        case 1: args = {"--end-marker", "0D0A"}; break;
        case 2: args = {"--end-marker", "23454E4423"}; break;
        case 3: args = {"--record-size", std::to_string(1 + input[1])}; break;
        default: break;
    }
    args.push_back(path);
    const int status = vek::cli::info_view(args);
    if (status != 0 && status != 1) std::abort();
    return 0;
}
