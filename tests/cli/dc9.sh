# DC9 files in the vek command (sourced by tests/cli_test.sh).
dc9data="$(dirname "$0")/data/dc9"
dc9tmp=$(mktemp -d)
fixed="$dc9data/fixed_three_parts.dc9"
marked="$dc9data/marker_three_parts.dc9"
image5=PFX00000000000000000000000050171560751715FEAC17169CE317173B1A

# The description as a table, one row per FIR.
expect 0 "fir     offset markLength recordCount recordLength
  1          0         19           2          113
  2        245         56           3          129
  3        688         16           1           97" -- File_DC9InitDescription "$marked" 0D0A 0
expect 0 "fir     offset markLength recordCount recordLength
  1          0          0           3          113" -- File_DC9InitDescription "$dc9data/marker_no_file_mark.dc9" 0d0a 0
expect 0 "fir     offset markLength recordCount recordLength" -- File_DC9InitDescription "$dc9data/empty.dc9" "" 64
expect 1 "" -- File_DC9InitDescription "$fixed" 0D0A 120
expect 1 "" -- File_DC9InitDescription "$dc9data/fixed_partial_record.dc9" "" 10
expect 2 "" -- File_DC9InitDescription "$fixed" 0D0 0
"$vek" File_DC9InitDescription "$fixed" "" 0 2>&1 >/dev/null | grep -q 'status -1' ||
    { echo "FAIL: File_DC9InitDescription status line"; fails=$((fails + 1)); }

# Images by index and by search key, to standard output.
expect 0 "$image5" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0 5
expect 0 "$image5" -- File_DC9ExtractImageByIndex "$fixed" "" 120 3 1
expect 0 "$image5" -- File_DC9ExtractImageBySearchKey "$fixed" "" 120 0 29 CARD0000000000000000000005
expect 1 "" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0 7
expect 1 "" -- File_DC9ExtractImageBySearchKey "$fixed" "" 120 1 29 CARD0000000000000000000005
expect 1 "" -- File_DC9ExtractImageBySearchKey "$fixed" "" 120 0 29 SHORT
expect 1 "" -- File_DC9ExtractImageByIndex "$dc9data/missing.dc9" "" 120 0 1
expect 2 "" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0
"$vek" File_DC9ExtractImageByIndex "$dc9data/marker_no_final_marker.dc9" 0D0A 0 1 1 2>&1 >/dev/null |
    grep -q 'vek_File_DC9InitDescription status -6' ||
    { echo "FAIL: a description failure names the description"; fails=$((fails + 1)); }

# In batch mode a file that cannot be described, or a target with content,
# fails its own line; the lines after it still run.
expect_input "$dc9data/missing.dc9\n$fixed\n" 1 "${nl}$image5" "line 1: describing" -- \
    --each File_DC9ExtractImageByIndex - "" 120 0 5
printf 'content' >"$dc9tmp/taken"
expect_input "$dc9tmp/taken\n$dc9tmp/free\n" 1 "" "line 1: $dc9tmp/taken exists and is not empty" -- \
    --each File_DC9ExtractImageByIndex "$fixed" "" 120 0 5 -
[ "$(cat "$dc9tmp/taken")" = content ] && [ "$(cat "$dc9tmp/free")" = "$image5" ] ||
    { echo "FAIL: --each with a DC9 target"; fails=$((fails + 1)); }

# To a file: exactly the bytes; a file with content is refused and kept.
expect 0 "" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0 5 "$dc9tmp/image"
[ "$(cat "$dc9tmp/image")" = "$image5" ] && [ "$(wc -c <"$dc9tmp/image")" -eq 61 ] ||
    { echo "FAIL: image to a file"; fails=$((fails + 1)); }
expect 1 "" -- File_DC9ExtractImageBySearchKey "$fixed" "" 120 0 29 CARD0000000000000000000001 "$dc9tmp/image"
[ "$(cat "$dc9tmp/image")" = "$image5" ] || { echo "FAIL: a target with content was changed"; fails=$((fails + 1)); }
: >"$dc9tmp/empty"
expect 0 "" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0 5 "$dc9tmp/empty"
expect 1 "" -- File_DC9ExtractImageByIndex "$fixed" "" 120 0 7 "$dc9tmp/none"
# The whole file-mark record of FIR 3 (16 bytes at offset 688).
expect 0 "" -- File_DC9ExtractImageByIndex "$marked" 0D0A 0 3 -3 "$dc9tmp/mark"
tail -c +689 "$marked" | head -c 16 | cmp -s - "$dc9tmp/mark" || { echo "FAIL: a file-mark record"; fails=$((fails + 1)); }
[ -e "$dc9tmp/none" ] && { echo "FAIL: a failed extraction created its target"; fails=$((fails + 1)); }

# The encrypted copy, against the fixture OpenSSL made, and back.
expect 0 "" -- File_DC9DecryptOrEncryptImageFile "$marked" 0D0A 0 "$dc9tmp/enc" 1 2315208C9110AD40
cmp -s "$dc9tmp/enc" "$dc9data/marker_three_parts.encrypted" || { echo "FAIL: encrypted copy"; fails=$((fails + 1)); }
expect 0 "" -- File_DC9DecryptOrEncryptImageFile "$dc9tmp/enc" 0D0A 0 "$dc9tmp/dec" 0 2315208C9110AD40
cmp -s "$dc9tmp/dec" "$marked" || { echo "FAIL: decrypted copy"; fails=$((fails + 1)); }
expect 1 "" -- File_DC9DecryptOrEncryptImageFile "$marked" 0D0A 0 "$dc9tmp/enc" 1 2315208C9110AD40
cmp -s "$dc9tmp/enc" "$dc9data/marker_three_parts.encrypted" || { echo "FAIL: a refused copy changed its target"; fails=$((fails + 1)); }
expect 1 "" -- File_DC9DecryptOrEncryptImageFile "$marked" 0D0A 0 "$dc9tmp/x" 2 2315208C9110AD40
rm -rf "$dc9tmp"
