// Image file headers and image files in the vek command. File functions take
// their paths as arguments and print the record they read.
#include <cstdio>
#include <string>

#include "cli/command.h"

namespace vek::cli {
namespace {

const char* const kSearchDetails =
    "hasHeader: 1 when the file starts with a header line, else 0; position: 1-based;\n"
    "value: the searched digits (their number is the field's length); key: \"\" for plain\n"
    "records, else the 16-digit DES key the records are stored encrypted with.\n"
    "Prints the record found, decrypted when a key is given.";

const char* const kSequentialDetails =
    "\nThe file's field values must run without gaps from the first record to the last:\n"
    "the record's index is computed from the value, so only three records are read.";

// The count of matches is written also when the call fails with -3 (none) or -4
// (several): it is shown on standard error then.
Outcome count_matches(const std::vector<std::string>& args, std::size_t capacity) {
    Outcome o = bind(&vek_File_ExtractImageByFieldNonSeqGetNb)(args, capacity);
    if (o.result == 0 && (o.status == -3 || o.status == -4) && o.number)
        std::fprintf(stderr, "vek File_ExtractImageByFieldNonSeqGetNb: %d matching records\n", *o.number);
    return o;
}

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

const Register kImageFiles{{
    {.name = "File_ExtractImageByIndex",
     .params = {"fileName", "index", "hasHeader"},
     .summary = "print a record (or the header line) of an image file, as stored",
     .kind = Kind::Text,
     .details = "index: n >= 1 the n-th record, -1 the first, -2 the last, -3 the header line.\n"
                "hasHeader: 1 when the file starts with a header line, else 0.",
     .invoke = bind(&vek_File_ExtractImageByIndex)},
    {.name = "File_ExtractImageByHexaField",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the record with a hexadecimal field value (sequential file)",
     .kind = Kind::Text,
     .details = std::string(kSearchDetails) + kSequentialDetails,
     .invoke = bind(&vek_File_ExtractImageByHexaField)},
    {.name = "File_ExtractImageByDecField",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the record with a decimal field value (sequential file)",
     .kind = Kind::Text,
     .details = std::string(kSearchDetails) + kSequentialDetails,
     .invoke = bind(&vek_File_ExtractImageByDecField)},
    {.name = "File_ExtractImageBySwapHexaField",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the record with a byte-swapped hexadecimal field value (sequential file)",
     .kind = Kind::Text,
     .details = std::string(kSearchDetails) + kSequentialDetails +
                "\nThe field holds the value with the two digits of every byte swapped, an odd\n"
                "value followed by a filler digit: value 123 is stored as 21F3.",
     .invoke = bind(&vek_File_ExtractImageBySwapHexaField)},
    {.name = "File_ExtractImageBySwapDecField",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the record with a byte-swapped decimal field value (sequential file)",
     .kind = Kind::Text,
     .details = std::string(kSearchDetails) + kSequentialDetails +
                "\nThe field holds the value with the two digits of every byte swapped, an odd\n"
                "value followed by a filler digit: value 123 is stored as 21F3.",
     .invoke = bind(&vek_File_ExtractImageBySwapDecField)},
    {.name = "File_ExtractImageByFieldWithNonSeqSearch",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the first record with a field value, reading every record",
     .kind = Kind::Text,
     .details = kSearchDetails,
     .invoke = bind(&vek_File_ExtractImageByFieldWithNonSeqSearch)},
    {.name = "File_ExtractImageByFieldNonSeqGetNb",
     .params = {"fileName", "hasHeader", "position", "value", "key"},
     .summary = "print the one record with a field value, counting the matches",
     .kind = Kind::Text,
     .details = std::string(kSearchDetails) +
                "\nFails with -4 when several records match, -3 when none does; the number of\n"
                "matching records is then shown on standard error.",
     .invoke = count_matches},
    {.name = "File_AppendImageFileHeader",
     .params = {"fileName", "header"},
     .summary = "start a new or empty image file with its header line",
     .kind = Kind::Action,
     .details = "header: fields \"NAME value\" separated by '/'; written normalized, with CR LF.\n"
                "A file that is not empty is refused and left unchanged.",
     .invoke = bind(&vek_File_AppendImageFileHeader)},
    {.name = "File_AppendImage",
     .params = {"fileName", "image"},
     .summary = "append a record to an image file (created when missing)",
     .kind = Kind::Action,
     .details = "image: upper-case hexadecimal digits; written with CR LF at the end of the file.",
     .invoke = bind(&vek_File_AppendImage)},
    {.name = "File_DecryptOrEncryptImageFile",
     .params = {"inFileName", "outFileName", "hasHeader", "mode", "key", "newHeader"},
     .summary = "write an encrypted (mode 1) or decrypted (mode 0) copy of an image file",
     .kind = Kind::Action,
     .details = "key: 16 hexadecimal digits, single DES on each 16-digit block of every record.\n"
                "newHeader: \"\" keeps the source's header line; else the target's header text.\n"
                "The target must be missing or empty; it is never overwritten.",
     .invoke = bind(&vek_File_DecryptOrEncryptImageFile)},
}};

}  // namespace
}  // namespace vek::cli
