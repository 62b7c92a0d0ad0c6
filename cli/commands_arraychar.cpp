// Character arrays in the vek command: the byte block is given as hexadecimal text.
#include <vector>

#include "cli/bytes_text.h"
#include "cli/command.h"

namespace vek::cli {
namespace {

using FromBytes = short(VEK_CALL*)(const unsigned char*, int, char*, int);

std::function<Outcome(const std::vector<std::string>&, std::size_t)> from_bytes(FromBytes fn) {
    return [fn](const std::vector<std::string>& args, std::size_t capacity) {
        check_argument_count(args, 1);
        const std::vector<unsigned char> bytes = bytes_of(text_argument(args[0]));
        static const unsigned char kNone = 0;  // a valid pointer for the empty block
        std::string buffer(capacity, '\0');
        Outcome o;
        o.result = fn(bytes.empty() ? &kNone : bytes.data(), static_cast<int>(bytes.size()), buffer.data(),
                      static_cast<int>(buffer.size()));
        o.status = vek_LastStatus();
        o.text = std::string(buffer.c_str());
        return o;
    };
}

#define VEK_BLOCK                                                                                   \
    "BYTES: the byte block written in hexadecimal, two digits a byte (either case; 0x00 bytes\n"   \
    "allowed: 41FF00 is the three bytes 41 FF 00); its length is the number of bytes. An empty\n"   \
    "BYTES passes length 0. BYTES - reads the hexadecimal text from standard input."

const Register kArrayChar{{
    {.name = "Conv_ArrayCharToHexa",
     .params = {"BYTES"},
     .summary = "a block of bytes as hexadecimal text (at most 30000 bytes)",
     .kind = Kind::Text,
     .details = VEK_BLOCK,
     .invoke = from_bytes(&vek_Conv_ArrayCharToHexa)},
    {.name = "Conv_ArrayCharToBin",
     .params = {"BYTES"},
     .summary = "a block of bytes as binary text, eight bits a byte (at most 7500 bytes)",
     .kind = Kind::Text,
     .details = VEK_BLOCK,
     .invoke = from_bytes(&vek_Conv_ArrayCharToBin)},
}};

}  // namespace
}  // namespace vek::cli
