// Image file headers and image files in the vek command. File functions take
// their paths as arguments and print the record they read.
#include <string>

#include "cli/command.h"

namespace vek::cli {
namespace {

const Register kImageFileHeader{{
    {.name = "Tran_SetFieldInImageFileHeader",
     .params = {"header", "name", "value"},
     .summary = "set a field of an image file header text (or add it at the end)",
     .kind = Kind::Text,
     .details = "header: fields \"NAME value\" separated by '/', e.g. \"LOT 17/TYPE TEST A\"; may be empty.\n"
                "Prints the new header, normalized. The first field of that name is changed.",
     .invoke = bind(&vek_Tran_SetFieldInImageFileHeader)},
    {.name = "Tran_GetFieldInImageFileHeader",
     .params = {"header", "name"},
     .summary = "print the value of a field of an image file header text",
     .kind = Kind::Text,
     .details = "Names are case-sensitive; the first field of that name is read.",
     .invoke = bind(&vek_Tran_GetFieldInImageFileHeader)},
    {.name = "Tran_RemoveFieldInImageFileHeader",
     .params = {"header", "name"},
     .summary = "remove a field from an image file header text",
     .kind = Kind::Text,
     .details = "Prints the new header, normalized; the first field of that name is removed.",
     .invoke = bind(&vek_Tran_RemoveFieldInImageFileHeader)},
}};

}  // namespace
}  // namespace vek::cli
