// vek info: what a personalization file is, told from its content, and what the
// library reads in it. The file is opened through io/C_File, which refuses what
// the library refuses (a directory, a device, a FIFO); image files are read with
// C_ImageFile and C_ImageFileHeader, DC9 files described with the library's own
// description. Only what the summary needs is read: the first lines of an image
// file, its first and last record (at its offset, computed from the file size);
// the first bytes of a DC9 file, then its description.
#include "cli/info_view.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "cli/bytes_text.h"
#include "cli/command.h"
#include "cli/dc9_description.h"
#include "dc9/C_DC9File.h"
#include "frame/catalogue.h"
#include "imagefile/C_ImageFile.h"
#include "imagefile/C_ImageFileHeader.h"
#include "io/C_File.h"
#include "io/C_LineReader.h"
#include "types/C_StringType.h"

namespace vek::cli {

const char* const kInfoHelp =
    "usage: vek info [--end-marker HEX | --record-size N] FILE\n"
    "Tells what FILE is from its content and summarizes it; anything that is neither an\n"
    "image file nor a DC9 file is refused (exit status 1), and so are directories,\n"
    "devices and FIFOs, as the library refuses them.\n"
    "An image file is text whose lines are records of upper-case hexadecimal digits,\n"
    "after a header line when its first line is not one. For it vek info prints the\n"
    "header line and its fields, the record length, the number of records (counted from\n"
    "the file size, as the library counts them: records have a fixed length), the line\n"
    "ends, and the first and last records, read at their offsets: only the first lines\n"
    "and the last record are read.\n"
    "A DC9 file starts with a file-mark record (FILEMK\\\\) or holds image data between\n"
    "#SMC# and #END#. Its record layout is taken from --end-marker (the bytes that end\n"
    "every record, in hexadecimal) or --record-size (the size of every record in bytes);\n"
    "without either it is found from the first records: the line end after the first\n"
    "#END# (CR LF or LF), then #END# itself, then the distance between the first two\n"
    "#SMC#, the first layout that describes the file and finds an image in its first\n"
    "record. vek info prints the layout and how it was found, then the parts as\n"
    "vek File_DC9InitDescription prints them.\n"
    "Exit status: 0 a summary, 1 a file that is refused or cannot be read, 2 bad usage.\n"
    "Example: vek info batch.img\n";

namespace {

constexpr std::size_t kLongestLine = C_StringType::kMaxLength;  // a record's most digits, a header line's most bytes
constexpr std::size_t kSmallBuffer = 4096;
// The first bytes of a DC9 file looked at to find its layout.
constexpr std::size_t kDc9Window = std::size_t{256} * 1024;

[[noreturn]] void refuse(const std::string& message) { throw CommandError{message}; }

bool hexa_digits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

// A line that can be a record: 1 to 60000 upper-case hexadecimal digits.
bool record_line(const C_LineReader::Line& line) {
    return line.length >= 1 && static_cast<std::size_t>(line.length) <= kLongestLine &&
           line.text.size() == static_cast<std::size_t>(line.length) && hexa_digits(line.text);
}

// A line that can be a header line: text without control characters other than tab.
bool text_line(const C_LineReader::Line& line) {
    if (static_cast<std::size_t>(line.length) > kLongestLine || line.text.size() != static_cast<std::size_t>(line.length))
        return false;
    for (const char c : line.text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return false;
    }
    return true;
}

// What the first lines of a file say about it as an image file.
struct ImageShape final {
    bool image = false;
    bool header = false;
    std::string headerText;
    std::int64_t recordLength = 0;
    std::string lfLine;  // which line ends with LF alone, when one does
};

ImageShape image_shape(C_File& file) {
    ImageShape s;
    file.Seek(0);
    C_LineReader lines(file, kSmallBuffer);
    C_LineReader::Line line;
    if (!lines.Next(line, kLongestLine + 1, static_cast<std::int64_t>(kLongestLine) + 1)) return s;
    if (record_line(line)) {
        s.image = true;
        s.recordLength = line.length;
        if (line.end == C_LineReader::End::Lf) s.lfLine = "first record";
        return s;
    }
    if (!text_line(line) || line.end == C_LineReader::End::None) return s;
    const bool headerLf = line.end == C_LineReader::End::Lf;
    s.headerText.assign(line.text);
    if (!lines.Next(line, kLongestLine + 1, static_cast<std::int64_t>(kLongestLine) + 1) || !record_line(line)) return s;
    s.image = true;
    s.header = true;
    s.recordLength = line.length;
    if (headerLf) s.lfLine = "header line";
    else if (line.end == C_LineReader::End::Lf) s.lfLine = "first record";
    return s;
}

template <class Read>
std::string record_or_why(Read read) {
    try {
        return read().GetValue();
    } catch (const C_ImageFile::xImageNotFound&) {
        return "none (no whole record)";
    } catch (const C_ImageFile::xInvalidFile&) {
        return "cannot be read: the line there is not a record of the first record's length ended by CR LF";
    } catch (const C_ImageFile::xIOError&) {
        return "cannot be read: the file cannot be read there";
    }
}

std::string image_summary(const std::string& path, std::int64_t size, const ImageShape& s) {
    std::string out = path + ": image file, " +
                      (s.header ? "a header line and records of hexadecimal digits"
                                : "records of hexadecimal digits without a header line") +
                      '\n';
    const C_ImageFile file(path, s.header ? 1 : 0);
    std::int64_t headerBytes = 0;
    if (s.header) {
        const std::string header = file.ReadHeader(kLongestLine);
        headerBytes = static_cast<std::int64_t>(header.size()) + 2;
        out += "header line: " + escaped(header) + '\n';
        try {
            const C_ImageFileHeader fields(header);
            if (fields.Fields().empty()) out += "  (no fields)\n";
            for (const auto& [name, value] : fields.Fields()) out += "  " + escaped(name) + ": " + escaped(value) + '\n';
        } catch (const C_ImageFileHeader::xInvalidHeader&) {
            out += "  (not fields of the form NAME value/NAME value)\n";
        }
    } else {
        out += "header line: none (the first line is a record)\n";
    }
    const std::int64_t stride = s.recordLength + 2;
    const std::int64_t body = size > headerBytes ? size - headerBytes : 0;
    out += "record length: " + std::to_string(s.recordLength) + " digits, " + std::to_string(stride) +
           " bytes with the line end\n";
    out += "records: " + std::to_string(body / stride) + ", counted from the file size: (" + std::to_string(size) +
           " - " + std::to_string(headerBytes) + ") / " + std::to_string(stride);
    if (body % stride != 0) out += ", and " + std::to_string(body % stride) + " bytes after the last whole record";
    out += "\nline ends: CR LF\n";
    out += "first record: " + record_or_why([&] { return file.ReadImage(-1); }) + '\n';
    out += "last record: " + record_or_why([&] { return file.ReadImage(-2); }) + '\n';
    return out;
}

// A layout to try, with the words that say how it was found.
struct Candidate final {
    Dc9Layout layout;
    std::string how;
};

std::string marker_words(const std::vector<unsigned char>& marker) {
    std::string words = hexa_of(marker.data(), marker.size());
    const std::string_view m(reinterpret_cast<const char*>(marker.data()), marker.size());
    if (m == "\r\n") return words + " (CR LF)";
    if (m == "\n") return words + " (LF)";
    bool printable = !m.empty();
    for (const char c : m) printable = printable && c >= 0x20 && c < 0x7F;
    return printable ? words + " (" + std::string(m) + ")" : words;
}

Candidate candidate(std::string_view marker, int recordSize, const char* how) {
    Candidate c;
    c.layout.marker.assign(marker.begin(), marker.end());
    c.layout.recordSize = recordSize;
    c.how = how;
    return c;
}

std::vector<Candidate> candidates(const std::vector<unsigned char>& window) {
    std::vector<Candidate> list;
    const auto* bytes = window.data();
    C_DC9File::ImageData first{};
    try {
        first = C_DC9File::FindImageData(bytes, window.size());
    } catch (const C_DC9File::xImageDataNotFound&) {
        return list;
    }
    const std::size_t end = first.start + first.length + 5;  // after "#END#"
    const std::string_view after(reinterpret_cast<const char*>(bytes) + end, window.size() - end);
    if (after.substr(0, 2) == "\r\n") list.push_back(candidate("\r\n", 0, "the line end after the first #END#"));
    else if (after.substr(0, 1) == "\n") list.push_back(candidate("\n", 0, "the line end after the first #END#"));
    list.push_back(candidate("#END#", 0, "#END# itself"));
    try {
        const C_DC9File::ImageData second = C_DC9File::FindImageData(bytes + end, window.size() - end);
        const std::size_t distance = end + second.start - first.start;
        if (distance <= 0x7FFFFFFF)
            list.push_back(candidate("", static_cast<int>(distance), "the distance between the first two #SMC#"));
    } catch (const C_DC9File::xImageDataNotFound&) {
        // One image in the window: no record size to be had from it.
    }
    return list;
}

// The layout describes the file, its first file-mark record holds no image
// data (a marker that ends records too late makes one swallow the next record),
// and its first data record holds image data.
bool describes(const std::string& path, const Dc9Layout& layout, const std::vector<unsigned char>& window,
               std::vector<FIRDescription>& entries) {
    if (describe_dc9(path, layout, entries) == 0 || entries.empty()) return false;
    const FIRDescription& part = entries.front();
    if (part.markLength > 0 && part.offset >= 0 &&
        static_cast<std::size_t>(part.offset) + static_cast<std::size_t>(part.markLength) <= window.size()) {
        const std::string_view mark(reinterpret_cast<const char*>(window.data()) + part.offset,
                                    static_cast<std::size_t>(part.markLength));
        if (mark.find("#SMC#") != std::string_view::npos) return false;
    }
    std::int32_t longest = 1;
    for (const FIRDescription& e : entries) longest = std::max(longest, e.recordLength);
    std::vector<unsigned char> image(static_cast<std::size_t>(longest));
    int room = longest;
    const short result = vek_File_DC9ExtractImageByIndex(path.c_str(), static_cast<short>(entries.size()),
                                                         entries.data(), 0, -1, image.data(), &room);
    return result != 0 || vek_LastStatus() == -50;
}

std::string dc9_summary(const std::string& path, const std::string& why, const std::vector<unsigned char>& window,
                        const Candidate* given) {
    std::vector<FIRDescription> entries;
    std::string layoutWords;
    if (given != nullptr) {
        if (describe_dc9(path, given->layout, entries) == 0) {
            const short status = vek_LastStatus();
            refuse(path + ": described with the layout given: vek_File_DC9InitDescription status " +
                   std::to_string(status) + ": " +
                   std::string(catalogue::message("vek_File_DC9InitDescription", status)));
        }
        layoutWords = given->how;
    } else {
        for (const Candidate& c : candidates(window)) {
            if (!describes(path, c.layout, window, entries)) continue;
            layoutWords = (c.layout.recordSize > 0 ? "records of " + std::to_string(c.layout.recordSize) + " bytes"
                                                   : "records end with " + marker_words(c.layout.marker)) +
                          ", found from " + c.how;
            break;
        }
        if (layoutWords.empty())
            refuse(path + ": a DC9 file (" + why +
                   "), but no record layout found in its first records describes it; give --end-marker HEX or "
                   "--record-size N");
    }
    long long records = 0;
    for (const FIRDescription& e : entries) records += e.recordCount;
    return path + ": DC9 file, " + why + "\nlayout: " + layoutWords + "\nparts: " + std::to_string(entries.size()) +
           ", data records: " + std::to_string(records) + '\n' + dc9_table(entries);
}

std::string summary(const std::string& path, const Candidate* given) {
    try {
        C_File file(path.c_str(), C_File::Mode::Read, kSmallBuffer);
        const std::int64_t size = file.Size();
        if (size == 0) refuse(path + ": an empty file is neither an image file nor a DC9 file");
        std::vector<unsigned char> window(static_cast<std::size_t>(std::min<std::int64_t>(size, kDc9Window)));
        window.resize(file.Read(window.data(), std::min<std::size_t>(window.size(), C_DC9File::kFileMark.size())));
        const std::string_view head(reinterpret_cast<const char*>(window.data()), window.size());
        if (head != C_DC9File::kFileMark) {
            const ImageShape shape = image_shape(file);
            if (shape.image) {
                if (!shape.lfLine.empty())
                    refuse(path + ": an image file whose " + shape.lfLine +
                           " ends with LF alone; image files end every line with CR LF");
                return image_summary(path, size, shape);
            }
        }
        window.resize(static_cast<std::size_t>(std::min<std::int64_t>(size, kDc9Window)));
        file.Seek(0);
        window.resize(file.Read(window.data(), window.size()));
        const std::string_view bytes(reinterpret_cast<const char*>(window.data()), window.size());
        if (bytes.substr(0, C_DC9File::kFileMark.size()) == C_DC9File::kFileMark)
            return dc9_summary(path, "it starts with a file-mark record", window, given);
        if (bytes.find("#SMC#") != std::string_view::npos)
            return dc9_summary(path, "it holds image data between #SMC# and #END#", window, given);
        refuse(path + ": neither an image file (lines of hexadecimal records, after a header line) nor a DC9 file "
                      "(a file-mark record, or image data between #SMC# and #END#)");
    } catch (const C_File::xOpenFailed&) {
        refuse("cannot open " + path + ": missing, not a regular file (a directory, a device, a FIFO), or not permitted");
    } catch (const C_File::xReadFailed&) {
        refuse("cannot read " + path);
    } catch (const C_File::xSeekFailed&) {
        refuse("cannot read " + path);
    } catch (const C_ImageFile::xIOError&) {
        refuse("cannot read " + path);
    }
}

}  // namespace

int info_view(const std::vector<std::string>& args) {
    try {
        Candidate given;
        bool layout = false;
        std::size_t at = 0;
        for (; at + 1 < args.size(); at += 2) {
            if (layout) throw UsageError{"give one of --end-marker and --record-size"};
            if (args[at] == "--end-marker") {
                given.layout.marker = bytes_of(args[at + 1]);
                if (given.layout.marker.empty()) throw UsageError{"--end-marker needs at least one byte"};
                given.how = "records end with " + marker_words(given.layout.marker) + ", as given";
            } else if (args[at] == "--record-size") {
                given.layout.recordSize = static_cast<int>(integer_argument(args[at + 1], 1, INT32_MAX));
                given.how = "records of " + std::to_string(given.layout.recordSize) + " bytes, as given";
            } else {
                break;
            }
            layout = true;
        }
        if (args.size() != at + 1) throw UsageError{""};
        const std::string out = summary(text_argument(args[at]), layout ? &given : nullptr);
        std::fwrite(out.data(), 1, out.size(), stdout);
        return 0;
    } catch (const UsageError& e) {
        if (!e.message.empty()) std::fprintf(stderr, "vek info: %s\n", e.message.c_str());
        std::fputs(kInfoHelp, stderr);
        return 2;
    } catch (const CommandError& e) {
        std::fprintf(stderr, "vek info: %s\n", e.message.c_str());
        return 1;
    }
}

}  // namespace vek::cli
