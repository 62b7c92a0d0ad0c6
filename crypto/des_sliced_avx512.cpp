// The bitsliced DES kernel for AVX-512, built with that instruction set enabled
// (see CMakeLists.txt); only called when the processor has it.

#include "crypto/des_sliced.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)

#include "crypto/des_sliced_engine.h"

namespace vek::des {

std::size_t kernel_avx512(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept {
    return run_lanes<Lane512, Lane256, Lane128, Lane64>(passes, run, blocks);
}

}  // namespace vek::des

#endif
