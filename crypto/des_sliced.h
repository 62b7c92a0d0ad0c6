#pragma once
// Many DES blocks at once under one key, bitsliced: bit j of every block of a
// pass sits in one machine word (or SIMD register), the S-boxes are Boolean
// circuits and the permutations are a choice of which word to read. A pass
// covers 64, 128, 256 or 512 blocks depending on the instruction set; the
// variant is chosen once from the processor's features, and can be forced
// (the environment variable VEK_DES_VARIANT = avx512 | avx2 | sse2 | portable | table,
// or force_variant() below) to any variant the processor runs.
//
// Internal to the DES engine (C_DES uses it for long electronic-codebook runs);
// results are exactly those of the single-block path.

#include <cstddef>
#include <cstdint>

namespace vek::des {

// The round keys of one key as masks: word 48 * r + j is all ones when bit j + 1
// of round r + 1's key (the PC-2 output) is set, else zero.
inline constexpr int kSlicedKeyWords = 16 * 48;
void slice_key(const std::uint8_t key[8], std::uint64_t masks[kSlicedKeyWords]) noexcept;

// Where the blocks of a run are: `perRecord` consecutive blocks of 16 digits
// from `record` on, then as many from `record + stride` on, and so on (the
// records of a file, their line ends between them). Consecutive blocks are one
// record as long as the run. `at` is the next block within its record.
struct BlockRun final {
    char* record;
    std::size_t at;
    std::size_t perRecord;
    std::size_t stride;

    // Hands the next `count` blocks to `piece` as pieces of consecutive blocks,
    // piece(text, blocks, first) with `first` the piece's index among the
    // `count`, and moves past them.
    template <class Piece>
    void Take(std::size_t count, Piece&& piece) noexcept {
        for (std::size_t first = 0; count > 0;) {
            const std::size_t n = count < perRecord - at ? count : perRecord - at;
            piece(record + 16 * at, n, first);
            first += n;
            count -= n;
            at += n;
            if (at == perRecord) {
                record += stride;
                at = 0;
            }
        }
    }
};

// One to three DES operations on every block in a row, each with its own sliced
// round keys and direction: Triple-DES encryption is (encrypt, K1), (decrypt,
// K2), (encrypt, K3). The blocks are decoded and transposed once for all of
// them, and between two operations the final and the initial permutation cancel
// out, so each further operation costs only its sixteen rounds.
struct SlicedPasses {
    int count = 0;  // 1 to kMaxSlicedPasses
    bool encrypt[3] = {};
    const std::uint64_t* masks[3] = {};

    // One DES operation.
    static SlicedPasses One(bool encrypt, const std::uint64_t* masks) noexcept;
};
inline constexpr int kMaxSlicedPasses = 3;

// Electronic codebook over the next `blocks` blocks of `run`, valid upper-case
// digits, in place, with `passes`. A short tail, too short to fill a pass with
// profit, is left alone: the result is the number of blocks left at the end
// (always fewer than kSlicedMinBlocks), and `run` stands at the first of them.
inline constexpr std::size_t kSlicedMinBlocks = 16;
std::size_t sliced_hexa_run(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;

// The same over `blocks` consecutive blocks from `text` on; the tail left is
// the last blocks.
std::size_t sliced_hexa_blocks(const SlicedPasses& passes, char* text, std::size_t blocks) noexcept;

// Table: no bitsliced pass at all, every block on the single-block path (for
// comparison in benchmarks and tests).
enum class Variant { Table, Portable, Sse2, Avx2, Avx512 };

// The variant in effect, the widest this processor runs, and a test and
// benchmark hook that forces `wanted` (or the widest supported one below it)
// and answers the variant now in effect.
Variant variant() noexcept;
Variant best_variant() noexcept;
Variant force_variant(Variant wanted) noexcept;
const char* variant_name(Variant v) noexcept;

// The kernels, one per instruction set, each in its own file built for it.
using Kernel = std::size_t (*)(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;
std::size_t kernel_portable(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;
std::size_t kernel_sse2(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;
std::size_t kernel_avx2(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;
std::size_t kernel_avx512(const SlicedPasses& passes, BlockRun& run, std::size_t blocks) noexcept;

}  // namespace vek::des
