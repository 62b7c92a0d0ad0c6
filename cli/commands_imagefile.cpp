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
    Outcome o = bound("vek_File_ExtractImageByFieldNonSeqGetNb")(args, capacity);
    if (o.result == 0 && (o.status == -3 || o.status == -4) && o.number)
        std::fprintf(stderr, "vek File_ExtractImageByFieldNonSeqGetNb: %d matching records\n", *o.number);
    return o;
}

const Register kImageFileHeader{{
    {.name = "Tran_SetFieldInImageFileHeader",
     .summary = "set a field of an image file header text (or add it at the end)",
     .details = "header: fields \"NAME value\" separated by '/', e.g. \"LOT 17/TYPE TEST A\"; may be empty.\n"
                "Prints the new header, normalized. The first field of that name is changed."},
    {.name = "Tran_GetFieldInImageFileHeader",
     .summary = "print the value of a field of an image file header text",
     .details = "Names are case-sensitive; the first field of that name is read."},
    {.name = "Tran_RemoveFieldInImageFileHeader",
     .summary = "remove a field from an image file header text",
     .details = "Prints the new header, normalized; the first field of that name is removed."},
}};

const Register kImageFiles{{
    {.name = "File_ExtractImageByIndex",
     .summary = "print a record (or the header line) of an image file, as stored",
     .details = "index: n >= 1 the n-th record, -1 the first, -2 the last, -3 the header line.\n"
                "hasHeader: 1 when the file starts with a header line, else 0."},
    {.name = "File_ExtractImageByHexaField",
     .summary = "print the record with a hexadecimal field value (sequential file)",
     .details = std::string(kSearchDetails) + kSequentialDetails},
    {.name = "File_ExtractImageByDecField",
     .summary = "print the record with a decimal field value (sequential file)",
     .details = std::string(kSearchDetails) + kSequentialDetails},
    {.name = "File_ExtractImageBySwapHexaField",
     .summary = "print the record with a byte-swapped hexadecimal field value (sequential file)",
     .details = std::string(kSearchDetails) + kSequentialDetails +
                "\nThe field holds the value with the two digits of every byte swapped, an odd\n"
                "value followed by a filler digit: value 123 is stored as 21F3."},
    {.name = "File_ExtractImageBySwapDecField",
     .summary = "print the record with a byte-swapped decimal field value (sequential file)",
     .details = std::string(kSearchDetails) + kSequentialDetails +
                "\nThe field holds the value with the two digits of every byte swapped, an odd\n"
                "value followed by a filler digit: value 123 is stored as 21F3."},
    {.name = "File_ExtractImageByFieldWithNonSeqSearch",
     .summary = "print the first record with a field value, reading every record",
     .details = kSearchDetails},
    {.name = "File_ExtractImageByFieldNonSeqGetNb",
     .summary = "print the one record with a field value, counting the matches",
     .details = std::string(kSearchDetails) +
                "\nFails with -4 when several records match, -3 when none does; the number of\n"
                "matching records is then shown on standard error.",
     .invoke = count_matches},
    {.name = "File_AppendImageFileHeader",
     .summary = "start a new or empty image file with its header line",
     .details = "header: fields \"NAME value\" separated by '/'; written normalized, with CR LF.\n"
                "A file that is not empty is refused and left unchanged."},
    {.name = "File_AppendImage",
     .summary = "append a record to an image file (created when missing)",
     .details = "image: upper-case hexadecimal digits; written with CR LF at the end of the file."},
    {.name = "File_DecryptOrEncryptImageFile",
     .summary = "write an encrypted (mode 1) or decrypted (mode 0) copy of an image file",
     .details = "key: 16 hexadecimal digits, single DES on each 16-digit block of every record.\n"
                "newHeader: \"\" keeps the source's header line; else the target's header text.\n"
                "The target must be missing or empty; it is never overwritten."},
}};

}  // namespace
}  // namespace vek::cli
