// Character arrays in the vek command: the byte block is given as hexadecimal text.
#include "cli/command.h"

namespace vek::cli {
namespace {

#define VEK_BLOCK                                                                                   \
    "bytes: the byte block written in hexadecimal, two digits a byte (either case; 0x00 bytes\n"   \
    "allowed: 41FF00 is the three bytes 41 FF 00); its length is the number of bytes. An empty\n"   \
    "bytes passes length 0. bytes - reads the hexadecimal text from standard input."

const Register kArrayChar{{
    {.name = "Conv_ArrayCharToHexa",
     .summary = "a block of bytes as hexadecimal text (at most 30000 bytes)",
     .details = VEK_BLOCK},
    {.name = "Conv_ArrayCharToBin",
     .summary = "a block of bytes as binary text, eight bits a byte (at most 7500 bytes)",
     .details = VEK_BLOCK},
}};

}  // namespace
}  // namespace vek::cli
