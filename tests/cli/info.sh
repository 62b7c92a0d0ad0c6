# File summaries, vek info (sourced by tests/cli_test.sh). Sizes, offsets and
# counts are worked out by hand from the bytes written.
infodir=$(mktemp -d)
# The image file of the worked example: header line of 14 characters (16 bytes
# with CR LF), three records of 24 digits (26 bytes each): 94 bytes.
printf 'LOT 17/COUNT 3\r\n00001000A1B2C3D4E5F60718\r\n00001001B1C2D3E4F5061728\r\n0000100299AABBCCDDEEFF00\r\n' >"$infodir/a.img"
expect 0 "$infodir/a.img: image file, a header line and records of hexadecimal digits
header line: LOT 17/COUNT 3
  LOT: 17
  COUNT: 3
record length: 24 digits, 26 bytes with the line end
records: 3, counted from the file size: (94 - 16) / 26
line ends: CR LF
first record: 00001000A1B2C3D4E5F60718
last record: 0000100299AABBCCDDEEFF00" -- info "$infodir/a.img"
# No header line; a last line cut short is no whole record (2 * 26 + 22 bytes).
printf '00001000A1B2C3D4E5F60718\r\n00001001B1C2D3E4F5061728\r\n0000100299AABBCCDDEEFF' >"$infodir/b.img"
expect 0 "$infodir/b.img: image file, records of hexadecimal digits without a header line
header line: none (the first line is a record)
record length: 24 digits, 26 bytes with the line end
records: 2, counted from the file size: (74 - 0) / 26, and 22 bytes after the last whole record
line ends: CR LF
first record: 00001000A1B2C3D4E5F60718
last record: 00001001B1C2D3E4F5061728" -- info "$infodir/b.img"
# Only the first lines and the last record are read: records in between that are
# not records at all do not matter (the last one is read at its offset).
{
    printf 'JOB X\r\n0001\r\n'
    for i in 1 2 3 4 5 6 7 8; do printf 'zzzz\r\n'; done
    printf '0010\r\n'
} >"$infodir/c.img"
"$vek" info "$infodir/c.img" | grep -qx 'records: 10, counted from the file size: (67 - 7) / 6' ||
    { echo "FAIL: info counts records by the file size"; fails=$((fails + 1)); }
"$vek" info "$infodir/c.img" | grep -qx 'last record: 0010' || { echo "FAIL: info reads the last record at its offset"; fails=$((fails + 1)); }
# A header line that is not made of fields is still a header line.
printf 'A 1//B 2\r\nAB\r\n' >"$infodir/d.img"
"$vek" info "$infodir/d.img" | grep -qx '  (not fields of the form NAME value/NAME value)' ||
    { echo "FAIL: info of a header line without fields"; fails=$((fails + 1)); }

# A DC9 batch: file marks of 27 bytes, data records of 74 bytes, CR LF after each.
dc9_record() {  # card number, 4 image digits: 7 + 22 + 5 + 20 + 8 + 1 + 4 + 7 = 74 bytes
    printf 'DR\035CARD%022d#SMC#PREFIX-OF-28-BYTES--%08d0%s#END#\r\n' "$1" "$1" "$2"
}
{
    printf 'FILEMK\\\\BATCH 1 MACHINE A\r\n'
    dc9_record 1001 5F2A
    dc9_record 1002 5F2B
    printf 'FILEMK\\\\BATCH 2 MACHINE B\r\n'
    dc9_record 2001 9F0D
} >"$infodir/a.dc9"
expect 0 "$infodir/a.dc9: DC9 file, it starts with a file-mark record
layout: records end with 0D0A (CR LF), found from the line end after the first #END#
parts: 2, data records: 3
fir     offset markLength recordCount recordLength
  1          0         27           2           74
  2        175         27           1           74" -- info "$infodir/a.dc9"
# Records of 80 bytes, file mark included, nothing between them.
pad80() { printf '%s' "$1"; printf "%$((80 - ${#1}))s" ''; }
{
    pad80 'FILEMK\\\\BATCH 3'
    for i in 1 2 3; do pad80 "DR$i#SMC#PREFIX-OF-28-BYTES--0000000${i}05A0812345678#END#"; done
} >"$infodir/b.dc9"
expect 0 "$infodir/b.dc9: DC9 file, it starts with a file-mark record
layout: records of 80 bytes, found from the distance between the first two #SMC#
parts: 1, data records: 3
fir     offset markLength recordCount recordLength
  1          0         80           3           80" -- info "$infodir/b.dc9"
# Records that end with #END#, file marks too; no file mark before the first records.
printf 'DR1#SMC#AB#END#DR2#SMC#CD#END#FILEMK\\\\X#END#DR3#SMC#EF#END#' >"$infodir/c.dc9"
expect 0 "$infodir/c.dc9: DC9 file, it holds image data between #SMC# and #END#
layout: records end with 23454E4423 (#END#), found from #END# itself
parts: 2, data records: 3
fir     offset markLength recordCount recordLength
  1          0          0           2           15
  2         30         14           1           15" -- info "$infodir/c.dc9"
expect 0 "$("$vek" info "$infodir/c.dc9" | sed 's/found from #END# itself/as given/')" -- info --end-marker 23454E4423 "$infodir/c.dc9"
expect 1 "" -- info --record-size 80 "$infodir/a.dc9"

# Refused: what is neither, an empty file, LF line ends, what the library refuses.
printf 'hello\r\nworld\r\n' >"$infodir/text"
: >"$infodir/empty"
printf 'LOT 1\nAB\n' >"$infodir/lf.img"
for refused in "$infodir/text" "$infodir/empty" "$infodir/lf.img" "$infodir/missing" "$infodir" /dev/null; do
    expect 1 "" -- info "$refused"
done
"$vek" info "$infodir/text" 2>&1 | grep -qF "neither an image file" || { echo "FAIL: info of a text file"; fails=$((fails + 1)); }
"$vek" info "$infodir/lf.img" 2>&1 | grep -qF "header line ends with LF alone" || { echo "FAIL: info of LF line ends"; fails=$((fails + 1)); }
if mkfifo "$infodir/fifo" 2>/dev/null; then
    # Refused at once, without waiting for a writer.
    timeout 10 "$vek" info "$infodir/fifo" >/dev/null 2>&1
    [ $? = 1 ] || { echo "FAIL: info of a FIFO"; fails=$((fails + 1)); }
fi
expect 2 "" -- info
expect 2 "" -- info --record-size 0 "$infodir/a.dc9"
expect 2 "" -- info --record-size 80 --end-marker 0D0A "$infodir/a.dc9"
"$vek" help info | grep -q -- '--record-size' || { echo "FAIL: help info"; fails=$((fails + 1)); }
rm -rf "$infodir"
