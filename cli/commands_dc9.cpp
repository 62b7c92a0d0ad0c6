// DC9 files in the vek command.
//
// A description lives in the caller's memory, and each vek command is a process
// of its own: every DC9 command therefore takes the file's record layout (end
// marker or record size) and describes the file first, in the same process,
// before it extracts or copies. Images go to standard output, or to a file that
// must be missing or empty.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/dc9_description.h"
#include "frame/catalogue.h"
#include "io/C_File.h"

namespace vek::cli {
namespace {

// Ends the command (or, in batch mode, the line) with a failure of its own.
[[noreturn]] void fail(const std::string& message) { throw CommandError{message}; }

// The record layout given on the command line: the end marker in hexadecimal
// ("" for fixed-size records) and the record size (0 for end-marked records).
using Layout = Dc9Layout;

Layout layout(const std::string& marker, const std::string& recordSize) {
    return {bytes_argument(marker), static_cast<int>(integer_argument(recordSize, INT32_MIN, INT32_MAX))};
}

// Describes the file for another command; a failure ends that command.
std::vector<FIRDescription> described(const std::string& path, const Layout& l) {
    std::vector<FIRDescription> entries;
    if (describe_dc9(path, l, entries) == 0) {
        const short status = vek_LastStatus();
        fail("describing " + path + ": vek_File_DC9InitDescription status " + std::to_string(status) + ": " +
                          std::string(catalogue::message("vek_File_DC9InitDescription", status)));
    }
    return entries;
}

// A target file for an image: refused when it exists with content.
void check_target(const std::string& path) {
    bool empty = true;
    try {
        C_File f(path.c_str(), C_File::Mode::Read);
        empty = f.Size() == 0;
    } catch (const C_File::xOpenFailed&) {
        // Missing: it is created when the image is written.
    } catch (...) {
        fail("cannot read " + path);
    }
    if (!empty) fail(path + " exists and is not empty; it is left as it is");
}

void write_target(const std::string& path, const std::string& bytes) {
    bool empty = true;
    try {
        C_File f(path.c_str(), C_File::Mode::Append);
        empty = f.Size() == 0;
        if (empty) {
            f.Write(bytes);
            f.Close();
        }
    } catch (...) {
        fail("cannot write " + path);
    }
    if (!empty) fail(path + " exists and is not empty; it is left as it is");
}

// Runs an extraction with `capacity` bytes of room; the image goes to the
// outcome's text, or to `target` when one is named.
template <class Extract>
Outcome extract(const std::string& target, std::size_t capacity, Extract run) {
    if (!target.empty()) check_target(target);
    std::string buffer(capacity, '\0');
    int size = static_cast<int>(buffer.size());
    Outcome o;
    o.result = run(reinterpret_cast<unsigned char*>(buffer.data()), &size);
    o.status = vek_LastStatus();
    buffer.resize(static_cast<std::size_t>(size));
    o.text = buffer;  // the tool grows the room while the output does not fit
    if (o.result != 0 && !target.empty()) {
        write_target(target, buffer);
        o.text.reset();
    }
    return o;
}

Outcome init_description(const std::vector<std::string>& args, std::size_t) {
    std::vector<FIRDescription> entries;
    Outcome o;
    o.result = describe_dc9(text_argument(args[0]), layout(args[1], args[2]), entries);
    o.status = vek_LastStatus();
    o.text = dc9_table(entries);
    return o;
}

// The arguments an extraction begins with: fileName, endMarker, recordSize, fir.
struct Extraction final {
    std::string path;
    Layout layout;
    short fir = 0;
};

Extraction extraction(const std::vector<std::string>& args) {
    return {text_argument(args[0]), layout(args[1], args[2]),
            static_cast<short>(integer_argument(args[3], INT16_MIN, INT16_MAX))};
}

Outcome by_index(const std::vector<std::string>& args, std::size_t capacity) {
    const Extraction x = extraction(args);
    const auto index = static_cast<int>(integer_argument(args[4], INT32_MIN, INT32_MAX));
    const std::vector<FIRDescription> entries = described(x.path, x.layout);
    return extract(args.size() == 6 ? text_argument(args[5]) : "", capacity, [&](unsigned char* out, int* size) {
        return vek_File_DC9ExtractImageByIndex(x.path.c_str(), static_cast<short>(entries.size()), entries.data(),
                                               x.fir, index, out, size);
    });
}

Outcome by_search_key(const std::vector<std::string>& args, std::size_t capacity) {
    const Extraction x = extraction(args);
    const auto code = static_cast<int>(integer_argument(args[4], INT32_MIN, INT32_MAX));
    const std::string key = text_argument(args[5]);
    const std::vector<FIRDescription> entries = described(x.path, x.layout);
    return extract(args.size() == 7 ? text_argument(args[6]) : "", capacity, [&](unsigned char* out, int* size) {
        return vek_File_DC9ExtractImageBySearchKey(x.path.c_str(), static_cast<short>(entries.size()), entries.data(),
                                                   x.fir, code, key.c_str(), out, size);
    });
}

Outcome copy(const std::vector<std::string>& args, std::size_t) {
    const std::string path = text_argument(args[0]);
    const Layout l = layout(args[1], args[2]);
    const std::string target = text_argument(args[3]);
    const auto mode = static_cast<short>(integer_argument(args[4], INT16_MIN, INT16_MAX));
    const std::string key = text_argument(args[5]);
    const std::vector<FIRDescription> entries = described(path, l);
    Outcome o;
    o.result = vek_File_DC9DecryptOrEncryptImageFile(path.c_str(), static_cast<short>(entries.size()), entries.data(),
                                                     target.c_str(), mode, key.c_str());
    o.status = vek_LastStatus();
    return o;
}

// The image bytes as they are, then a line end; nothing when they went to a file.
void print_image(const Outcome& o) {
    if (!o.text) return;
    std::fwrite(o.text->data(), 1, o.text->size(), stdout);
    std::fputc('\n', stdout);
}

#define VEK_LAYOUT                                                                                       \
    "fileName: the DC9 file. endMarker: the bytes that end every record, in hexadecimal (0D0A for\n"    \
    "CR LF), or '' for fixed-size records; recordSize: the size of every record in bytes, or 0 for\n"   \
    "end-marked records. Exactly one of the two is given.\n"

#define VEK_DESCRIBED                                                                                    \
    "The file is described first (vek_File_DC9InitDescription, with room for 32767 FIRs) and the\n"    \
    "description passed on, as a caller holds it between calls.\n"

const Register kDC9{{
    {.name = "File_DC9InitDescription",
     .summary = "describe a DC9 file: one row per FIR (offset, mark length, record count and length)",
     .details = VEK_LAYOUT
                "Prints a table with one row per FIR: its number, the offset and length of its file-mark\n"
                "record (0 and 0 for data records before the first file mark), the number of its data\n"
                "records and their length, in bytes.",
     .invoke = init_description,
     .print = [](const Outcome& o) { std::fputs(o.text.value_or("").c_str(), stdout); },
     .oneLine = false},
    {.name = "File_DC9ExtractImageByIndex",
     .summary = "the image data of a DC9 record by its number (-1 first, -2 last, -3 the file mark)",
     .details = VEK_LAYOUT VEK_DESCRIBED
                "fir: 1 to the number of FIRs, or 0 for the whole file; recordIndex: 1 to n, -1 the first\n"
                "data record, -2 the last, -3 the FIR's file-mark record itself.\n"
                "The bytes go to standard output followed by a line end, or exactly to outFile, which\n"
                "must be missing or empty (a file with content is refused and left as it is).",
     .invoke = by_index,
     .print = print_image},
    {.name = "File_DC9ExtractImageBySearchKey",
     .summary = "the image data of the first DC9 record holding a code byte and a 26-character key",
     .details = VEK_LAYOUT VEK_DESCRIBED
                "fir: the FIR to search, or 0 for all; searchKeyCode: the byte before the key, as a decimal\n"
                "number (29 for 0x1D); searchKey: 26 characters. The search stops at the first record\n"
                "without the code byte. Output as for File_DC9ExtractImageByIndex.",
     .invoke = by_search_key,
     .print = print_image},
    {.name = "File_DC9DecryptOrEncryptImageFile",
     .summary = "copy a DC9 file with every image encrypted (mode 1) or decrypted (mode 0)",
     .details = VEK_LAYOUT VEK_DESCRIBED
                "outFileName: missing or empty (never truncated); key: 16 hexadecimal digits, single DES\n"
                "block by block. Each image's flag byte becomes '1' or '0'. A failure part-way leaves\n"
                "what was written.",
     .invoke = copy},
}};

}  // namespace
}  // namespace vek::cli
