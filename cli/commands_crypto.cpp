// Triple-DES and image encryption in the vek command.
#include <string>

#include "cli/command.h"

namespace vek::cli {
namespace {

// Each vek command is a process of its own, so a key loaded by a separate
// `vek Tran_InitDES` is gone before the next command. Tran_CalDES_Fast therefore
// takes an optional fourth argument, a key that vek_Tran_InitDES loads first in
// the same process; without it the engine works with its initial all-zero key.
Outcome cal_des_fast(const std::vector<std::string>& args, std::size_t capacity) {
    if (args.size() == 4) {
        const std::string key = text_argument(args[3]);
        // A refused key is a failure of the function that refused it, not bad usage.
        if (vek_Tran_InitDES(1, key.c_str(), 0) == 0)
            return Outcome{.result = 0, .status = vek_LastStatus(), .failedFunction = "vek_Tran_InitDES"};
    }
    return bound("vek_Tran_CalDES_Fast")({args.begin(), args.begin() + 3}, capacity);
}

const Register kCrypto{{
    {.name = "Calc_TripleDES",
     .summary = "two-key Triple-DES of one block (mode 1 encrypt, 0 decrypt)",
     .details = "key: 32 hexadecimal digits, K1 then K2; data: 16 hexadecimal digits.\n"
                "mode 1 gives E(K1, D(K2, E(K1, data))), mode 0 gives D(K1, E(K2, D(K1, data)))."},
    {.name = "Tran_DecryptOrEncryptImage",
     .summary = "single-DES of an image, block by block (mode 1 encrypt, 0 decrypt)",
     .details = "image: hexadecimal digits, a multiple of 16; key: 16 hexadecimal digits.\n"
                "Each 8-byte block is processed on its own (electronic codebook)."},
    {.name = "Tran_InitDES",
     .summary = "load a single-DES key for Tran_CalDES_Fast (within one process)",
     .details = "mode: 0 or 1 (no other effect); key: 16 hexadecimal digits; reserved: not read.\n"
                "The key lasts as long as the process: from the shell, give it to Tran_CalDES_Fast."},
    {.name = "Tran_CalDES_Fast",
     .summary = "single-DES of an image with the key already loaded (mode 1 encrypt, 0 decrypt)",
     .details = "image: hexadecimal digits, a multiple of 16; blockMode: 0.\n"
                "Uses the key loaded last in the process. Each vek command is its own process: give\n"
                "the key as a fourth argument to load it first with vek_Tran_InitDES; without it the\n"
                "engine's initial all-zero key is used.",
     .extra = {"[key]"},
     .invoke = cal_des_fast},
}};

}  // namespace
}  // namespace vek::cli
