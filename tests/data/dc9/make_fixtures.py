#!/usr/bin/env python3
"""Writes the DC9 test fixtures of this folder and their expectations.

Every fixture is built record by record here, so the offsets, lengths and
counts of its parts are known by construction: they are written to
describe.vec and extract.vec as the expected results, independently of the
library. Encrypted copies are made with OpenSSL's single DES (ECB, no
padding), one image at a time.

Run from anywhere:  python3 tests/data/dc9/make_fixtures.py
"""
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = b"\r\n"
CODE = 0x1D            # the search-key code byte of every data record
KEY = "2315208C9110AD40"


def key_of(n):
    """The 26-byte search key of data record n."""
    return ("CARD%022d" % n).encode()


def digits_of(n, count):
    """`count` hexadecimal digits that differ from record to record."""
    text = ""
    i = 0
    while len(text) < count:
        text += "%08X" % ((n * 2654435761 + i * 40503) & 0xFFFFFFFF)
        i += 1
    return text[:count].encode()


def data_record(n, digits=32, flag=b"0", code=CODE, image=None, end=b"#END#"):
    prefix = ("PFX%025d" % n).encode()
    assert len(prefix) == 28
    body = image if image is not None else prefix + flag + digits_of(n, digits)
    return b"DR%04d" % n + bytes([code]) + key_of(n) + b"#SMC#" + body + end + b"TRAILER"


def file_mark(part, extra=0):
    return b"FILEMK\\\\" + b"PART%02d" % part + b"-" * extra


class Builder:
    """A DC9 file and its description as the library must read it."""

    def __init__(self, terminator=b"", record_size=0):
        self.bytes = b""
        self.terminator = terminator
        self.record_size = record_size
        self.entries = []      # [offset, markLength, recordCount, recordLength]
        self.records = []      # (fir, offset, bytes) of every data record

    def _add(self, record):
        record += self.terminator
        if self.record_size:
            assert len(record) <= self.record_size
            record += b"." * (self.record_size - len(record))
        offset = len(self.bytes)
        self.bytes += record
        return offset, record

    def mark(self, part, extra=0):
        offset, record = self._add(file_mark(part, extra))
        self.entries.append([offset, len(record), 0, 0])

    def data(self, record):
        offset, record = self._add(record)
        if not self.entries:
            self.entries.append([0, 0, 0, 0])
        e = self.entries[-1]
        assert e[2] == 0 or e[3] == len(record)
        e[2] += 1
        e[3] = len(record)
        self.records.append((len(self.entries), offset, record))

    def raw(self, data):
        self.bytes += data


def image_of(record):
    start = record.index(b"#SMC#") + 5
    return record[start:record.index(b"#END#", start)]


def des(hexa, encrypt):
    args = ["openssl", "enc", "-des-ecb", "-K", KEY, "-nopad", "-provider", "legacy", "-provider", "default"]
    if not encrypt:
        args.append("-d")
    out = subprocess.run(args, input=bytes.fromhex(hexa.decode()), capture_output=True, check=True).stdout
    return out.hex().upper().encode()


def crypted(builder, encrypt):
    """The copy of every described record with its image processed."""
    out = b""
    for e in builder.entries:
        out += builder.bytes[e[0]:e[0] + e[1]]
        for fir, offset, record in builder.records:
            if builder.entries[fir - 1] is e:
                image = image_of(record)
                start = record.index(b"#SMC#") + 5
                new = image[:28] + (b"1" if encrypt else b"0") + des(image[29:], encrypt)
                out += record[:start] + new + record[start + len(image):]
    return out


def entries_text(entries):
    return ", ".join(" ".join(str(v) for v in e) for e in entries)


def main():
    files = {}
    vec = []
    extract = []

    # The cases are written for the tests' one runner: fields named as the
    # parameters of vek.h, expectations capitalized (tests/support/expect_vector.h).
    def describe_case(name, marker, size, room, status=None, fir_count=None, entries=None, null=False, note=""):
        lines = ["# " + note] if note else []
        lines += ["[vek_File_DC9InitDescription]", "fileName = {data}/dc9/" + name,
                  "endMarker = " + marker.hex().upper(), "recordSize = %d" % size, "firCount = %d" % room]
        if null:
            lines.append("description = null")
        if status is not None:
            lines.append("Status = %d" % status)
        lines.append("FirCount = %d" % fir_count)
        if entries is not None:
            lines.append("Description = " + entries_text(entries))
        vec.append("\n".join(lines))

    def extract_case(section, name, entries, fir, arg, out=None, status=None, room=10000, note=""):
        lines = ["# " + note] if note else []
        lines += ["[vek_File_DC9ExtractImageBy%s]" % ("Index" if section == "by_index" else "SearchKey"),
                  "fileName = {data}/dc9/" + name, "description = " + entries_text(entries), "fir = %d" % fir]
        if section == "by_index":
            lines.append("recordIndex = %d" % arg)
        else:
            lines += ["searchKeyCode = %d" % CODE, "searchKey = %s" % arg]
        lines.append("size = %d" % room)
        if status is not None:
            lines.append("Status = %d" % status)
        else:
            lines.append("Out = " + out.hex().upper())
        extract.append("\n".join(lines))

    # Three parts of a file mark and two data records each, fixed size.
    b = Builder(record_size=120)
    n = 1
    for part in (1, 2, 3):
        b.mark(part)
        for _ in range(2):
            b.data(data_record(n))
            n += 1
    files["fixed_three_parts.dc9"] = b
    describe_case("fixed_three_parts.dc9", b"", 120, 3, fir_count=3, entries=b.entries)
    describe_case("fixed_three_parts.dc9", b"", 120, 2, status=-3, fir_count=3,
                  entries=b.entries[:2], note="room for 2 of 3: the 2 filled, firCount 3")
    describe_case("fixed_three_parts.dc9", b"", 120, 0, fir_count=3, null=True,
                  note="no description: the count alone")
    describe_case("fixed_three_parts.dc9", b"\r\n", 120, 3, status=-1, fir_count=3,
                  entries=[[-7] * 4] * 3, note="both a marker and a size")
    describe_case("fixed_three_parts.dc9", b"", 0, 3, status=-1, fir_count=3, entries=[[-7] * 4] * 3)
    describe_case("fixed_three_parts.dc9", b"", -120, 3, status=-1, fir_count=3, entries=[[-7] * 4] * 3)
    describe_case("missing.dc9", b"", 120, 3, status=-4, fir_count=3, entries=[[-7] * 4] * 3)
    fixed = b

    # End-marked records: parts of different mark and record lengths.
    b = Builder(terminator=CRLF)
    b.mark(1, extra=3)
    b.data(data_record(1))
    b.data(data_record(2))
    b.mark(2, extra=40)
    for n in (3, 4, 5):
        b.data(data_record(n, digits=48))
    b.mark(3)
    b.data(data_record(6, digits=16))
    files["marker_three_parts.dc9"] = b
    describe_case("marker_three_parts.dc9", CRLF, 0, 3, fir_count=3, entries=b.entries)
    describe_case("marker_three_parts.dc9", CRLF, 0, 5, fir_count=3, entries=b.entries + [[-7] * 4] * 2)
    describe_case("marker_three_parts.dc9", b"\n", 0, 3, fir_count=3, entries=b.entries,
                  note="a one-byte marker ends the same records")
    marker = b

    # Data records before the first file mark form part 1.
    b = Builder(terminator=CRLF)
    b.data(data_record(1))
    b.data(data_record(2))
    b.mark(2)
    b.data(data_record(3))
    files["marker_leading_records.dc9"] = b
    describe_case("marker_leading_records.dc9", CRLF, 0, 2, fir_count=2, entries=b.entries)
    describe_case("marker_leading_records.dc9", CRLF, 0, 4, null=True, fir_count=1,
                  note="without a description the leading records are not counted")
    leading = b

    # No file mark at all: firCount keeps its value.
    b = Builder(terminator=CRLF)
    for n in (1, 2, 3):
        b.data(data_record(n))
    files["marker_no_file_mark.dc9"] = b
    describe_case("marker_no_file_mark.dc9", CRLF, 0, 2, fir_count=2, entries=b.entries + [[-7] * 4])

    # A short file mark after the last data record is not an I/O error.
    b = Builder(terminator=CRLF)
    b.mark(1, extra=30)
    b.data(data_record(1))
    b.data(data_record(2))
    b.mark(2)
    files["marker_short_mark_at_end.dc9"] = b
    describe_case("marker_short_mark_at_end.dc9", CRLF, 0, 2, fir_count=2, entries=b.entries)

    # Failures.
    files["fixed_partial_record.dc9"] = b"0123456789" * 2 + b"01234"
    describe_case("fixed_partial_record.dc9", b"", 10, 1, status=-2, fir_count=1, entries=[[0, 0, 2, 10]],
                  note="25 bytes of 10-byte records")
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1))
    b.mark(2)
    b.raw(b"NO MARKER AFTER THIS")
    files["marker_no_final_marker.dc9"] = b
    describe_case("marker_no_final_marker.dc9", CRLF, 0, 2, status=-6, fir_count=2, entries=b.entries,
                  note="the bytes after the last file mark hold no marker")
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1))
    b.raw(data_record(2, digits=48) + CRLF)
    files["marker_wrong_record_length.dc9"] = b
    describe_case("marker_wrong_record_length.dc9", CRLF, 0, 1, status=-2, fir_count=1, entries=b.entries,
                  note="a second data record longer than the first")
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1))
    b.raw(data_record(2)[:50])
    files["marker_truncated_record.dc9"] = b
    describe_case("marker_truncated_record.dc9", CRLF, 0, 1, status=-4, fir_count=1, entries=b.entries,
                  note="a data record cut short by the end of the file")
    files["empty.dc9"] = b""
    describe_case("empty.dc9", CRLF, 0, 2, fir_count=2, entries=[[-7] * 4] * 2)
    describe_case("empty.dc9", b"", 64, 2, fir_count=2, entries=[[-7] * 4] * 2)

    # Records whose images the extraction and the copy refuse.
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1, end=b"#ENX#"))
    files["open_image.dc9"] = b
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1, digits=0))
    files["short_image.dc9"] = b
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1, digits=20))
    files["odd_digits.dc9"] = b
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1, image=b"P" * 28 + b"0" + b"0123456789abcdef"))
    files["lower_case_digits.dc9"] = b
    # The first record lacks the code byte; the second would match.
    b = Builder(terminator=CRLF)
    b.mark(1)
    b.data(data_record(1, code=0x1E))
    b.data(data_record(2))
    files["code_missing_first.dc9"] = b

    # Extraction by index.
    e = fixed.entries
    recs = fixed.records
    for fir, index, which in ((1, 1, 0), (1, 2, 1), (2, 1, 2), (3, 2, 5), (2, -1, 2), (2, -2, 3), (0, 5, 4),
                              (0, 1, 0), (0, 6, 5), (0, -1, 0), (0, -2, 5)):
        extract_case("by_index", "fixed_three_parts.dc9", e, fir, index, image_of(recs[which][2]))
    extract_case("by_index", "fixed_three_parts.dc9", e, 2, -3, fixed.bytes[e[1][0]:e[1][0] + e[1][1]],
                 note="the whole file-mark record")
    extract_case("by_index", "fixed_three_parts.dc9", e, 0, -3, fixed.bytes[0:e[0][1]])
    img = image_of(recs[0][2])
    extract_case("by_index", "fixed_three_parts.dc9", e, 1, 1, img, room=len(img), note="exactly the room")
    extract_case("by_index", "fixed_three_parts.dc9", e, 1, 1, status=-50, room=len(img) - 1)
    extract_case("by_index", "fixed_three_parts.dc9", e, 1, 1, status=-50, room=-1)
    for fir, index, status in ((0, 7, -2), (1, 3, -2), (1, 0, -2), (1, -4, -2), (4, 1, -1), (-1, 1, -1)):
        extract_case("by_index", "fixed_three_parts.dc9", e, fir, index, status=status)
    extract_case("by_index", "missing.dc9", e, 1, 99, status=-4, note="the file is opened before the index is looked at")
    extract_case("by_index", "missing.dc9", e, 4, 1, status=-1)
    m = marker.entries
    for fir, index, which in ((2, 3, 4), (3, -1, 5), (0, 4, 3)):
        extract_case("by_index", "marker_three_parts.dc9", m, fir, index, image_of(marker.records[which][2]))
    extract_case("by_index", "marker_leading_records.dc9", leading.entries, 1, -3, b"",
                 note="a leading part has no file mark: empty")
    extract_case("by_index", "marker_leading_records.dc9", leading.entries, 0, 3, image_of(leading.records[2][2]))
    sm = files["marker_short_mark_at_end.dc9"].entries
    extract_case("by_index", "marker_short_mark_at_end.dc9", sm, 2, -1, status=-2, note="a part without data records")
    extract_case("by_index", "marker_short_mark_at_end.dc9", sm, 0, -2, status=-2)
    extract_case("by_index", "open_image.dc9", files["open_image.dc9"].entries, 1, 1, status=-3)
    # Descriptions that do not belong to the file.
    size = len(fixed.bytes)
    for bad, note in (([[0, 120, 2, size]], "a record longer than the file"),
                      ([[size - 60, 0, 1, 120]], "a record past the end"),
                      ([[-240, 0, 1, 120]], "a negative offset"),
                      ([[0, 0, 1, -120]], "a negative length"),
                      ([[2147483647, 2147483647, 2, 2147483647]], "offsets beyond 32 bits")):
        extract_case("by_index", "fixed_three_parts.dc9", bad, 1, -2 if bad[0][2] == 2 else 1, status=-4, note=note)
    extract_case("by_index", "fixed_three_parts.dc9", [[0, 0, 1, 0]], 1, 1, status=-3, note="an empty record")
    extract_case("by_index", "fixed_three_parts.dc9", [[0, 0, 1, 7]], 1, 1, status=-3)

    # Extraction by search key.
    for fir, n, which in ((0, 5, 4), (3, 6, 5), (1, 1, 0), (0, 1, 0)):
        extract_case("by_key", "fixed_three_parts.dc9", e, fir, key_of(n).decode(), image_of(recs[which][2]))
    extract_case("by_key", "fixed_three_parts.dc9", e, 1, key_of(5).decode(), status=-6,
                 note="the key is in another part")
    extract_case("by_key", "fixed_three_parts.dc9", e, 0, key_of(9).decode(), status=-6)
    extract_case("by_key", "missing.dc9", e, 1, "X" * 25, status=-7, note="the key length before the file")
    extract_case("by_key", "missing.dc9", e, 1, "X" * 27, status=-7)
    extract_case("by_key", "missing.dc9", e, 4, "X" * 25, status=-1)
    extract_case("by_key", "missing.dc9", e, 1, key_of(1).decode(), status=-4)
    extract_case("by_key", "code_missing_first.dc9", files["code_missing_first.dc9"].entries, 1,
                 key_of(2).decode(), status=-2, note="the search stops at a record without the code byte")
    extract_case("by_key", "open_image.dc9", files["open_image.dc9"].entries, 1, key_of(1).decode(), status=-3)
    extract_case("by_key", "fixed_three_parts.dc9", e, 2, key_of(3).decode(), status=-50, room=10)
    extract_case("by_key", "fixed_three_parts.dc9", [[0, 0, 1, 0]], 1, key_of(3).decode(), status=-2)

    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data.bytes if isinstance(data, Builder) else data)
    for name, b in (("fixed_three_parts", fixed), ("marker_three_parts", marker), ("marker_leading_records", leading)):
        with open(os.path.join(HERE, name + ".encrypted"), "wb") as f:
            f.write(crypted(b, True))
    header = "# Written by make_fixtures.py: the expected results, known by construction.\n"
    header += "# Fields: the parameters of vek.h, Out, Status and the outputs written also on\n"
    header += "# failure (tests/support/expect_vector.h). A description: offset markLength\n"
    header += "# recordCount recordLength, one part after the other.\n"
    with open(os.path.join(HERE, "describe.vec"), "w") as f:
        f.write(header + "# firCount: the room given; -7 marks an entry the call must leave as it was.\n\n"
                + "\n\n".join(vec) + "\n")
    with open(os.path.join(HERE, "extract.vec"), "w") as f:
        f.write(header + "# size: the room given; Out: the bytes in hexadecimal.\n\n" + "\n\n".join(extract) + "\n")


if __name__ == "__main__":
    main()
