// BER-TLV extraction in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kTlv{{
    {.name = "Tran_ExtractTLV",
     .summary = "the value of the BER-TLV element at the path tag1/tag2/tag3 in data",
     .details = "tag1 is searched among the top-level elements of data, tag2 inside its value,\n"
                "tag3 inside tag2's value. Tags are 2 or 4 upper-case hexadecimal digits (5A, 9F36);\n"
                "give \"\" for an unused tag2 or tag3. data is hexadecimal text of up to 60000\n"
                "digits. Lengths may be short (00-7F) or long form (81 xx, 82 xx yy, up to 84).\n"
                "Example: vek Tran_ExtractTLV 70 9F36 \"\" 700A5A0212349F3603000102  prints 000102"},
}};

}  // namespace
}  // namespace vek::cli
