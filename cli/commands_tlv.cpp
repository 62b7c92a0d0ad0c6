// BER-TLV extraction in the vek command.
#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kTlv{{
    {.name = "Tran_ExtractTLV",
     .params = {"TAG1", "TAG2", "TAG3", "DATA"},
     .summary = "the value of the BER-TLV element at the path TAG1/TAG2/TAG3 in DATA",
     .kind = Kind::Text,
     .details = "TAG1 is searched among the top-level elements of DATA, TAG2 inside its value,\n"
                "TAG3 inside TAG2's value. Tags are 2 or 4 upper-case hexadecimal digits (5A, 9F36);\n"
                "give \"\" for an unused TAG2 or TAG3. DATA is hexadecimal text of up to 60000\n"
                "digits. Lengths may be short (00-7F) or long form (81 xx, 82 xx yy, up to 84).\n"
                "Example: vek Tran_ExtractTLV 70 9F36 \"\" 700A5A0212349F3603000102  prints 000102",
     .invoke = bind(&vek_Tran_ExtractTLV)},
}};

}  // namespace
}  // namespace vek::cli
