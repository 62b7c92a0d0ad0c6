# Data groupings, vek dgi (sourced by tests/cli_test.sh). Expected trees are read
# off the bytes by hand: a 2-byte identifier, a length (one byte, or FF and two
# bytes), the value.
dgis="0101 12 7010 5A081122334455667788 5F2403240331
      9102 09 A507500556495341 20
      8000 10 00112233445566778899AABBCCDDEEFF
      9000 03 A1B2C3
      3F00 02 0102
      0202 FF0005 70039F0800"
expect 0 "DGI 0101 [18] record 1 of SFI 1
  70 [16] READ RECORD Response Message Template
    5A [8] Application Primary Account Number (PAN)
      1122334455667788
    5F24 [3] Application Expiration Date
      240331
DGI 9102 [9]
  A5 [7] File Control Information (FCI) Proprietary Template
    50 [5] Application Label
      5649534120  \"VISA \"
DGI 8000 [16] keys or PIN data, shown as a value
  00112233445566778899AABBCCDDEEFF
DGI 9000 [3] keys or PIN data, shown as a value
  A1B2C3
DGI 3F00 [2]
  0102
DGI 0202 [5] record 2 of SFI 2
  70 [3] READ RECORD Response Message Template
    9F08 [0] Application Version Number" -- dgi "$dgis"
# Malformed groupings: the DGIs before are shown, the fault with its offset.
expect 1 "DGI 9000 [1] keys or PIN data, shown as a value
  AA
malformed DGI at offset 4: DGI 0101: its value of 5 bytes runs past the end of the data (2 bytes left)" -- dgi "900001AA01010570 03"
expect 1 "malformed DGI at offset 0: the identifier is cut off (1 byte left)" -- dgi 01
expect 1 "malformed DGI at offset 0: DGI 0101: the length is cut off" -- dgi 0101
expect 1 "malformed DGI at offset 0: DGI 0101: the length is cut off (FF and 2 bytes, 2 bytes left)" -- dgi 0101FF00
# A record whose TLV is malformed makes the data malformed too.
expect 1 "DGI 0101 [2] record 1 of SFI 1
  malformed element at offset 3: tag 70: its value of 5 bytes runs past the end of the DGI's value (0 bytes left)" -- dgi 0101027005
"$vek" dgi 0101027005 2>&1 >/dev/null | grep -qF "vek dgi: malformed at offset 3" || { echo "FAIL: dgi malformed on standard error"; fails=$((fails + 1)); }
expect 2 "" -- dgi ""
expect 2 "" -- dgi 010
expect 2 "" -- dgi
expect 2 "" -- dgi --json
"$vek" help dgi | grep -q -- '--json' || { echo "FAIL: help dgi"; fails=$((fails + 1)); }
example=$("$vek" help dgi | sed -n 's/^Example: vek //p')
(eval "set -- $example" && "$vek" "$@" >/dev/null) || { echo "FAIL: the example of vek help dgi: $example"; fails=$((fails + 1)); }
# JSON: offsets count from the start of the data, inside the DGIs too.
if command -v python3 >/dev/null; then
    got=$("$vek" dgi --json "$dgis" | python3 -c '
import json, sys
groups = json.load(sys.stdin)
out = []
for g in groups:
    out.append("%d:%s[%d]" % (g["offset"], g["dgi"], g["length"]))
    if "children" in g:
        inner = g["children"][0]
        out.append("%d:%s" % (inner["offset"], inner["tag"]))
        out.extend("%d:%s" % (c["offset"], c["tag"]) for c in inner.get("children", []))
    else:
        out.append("=" + g["value"])
print(" ".join(out))')
    [ "$got" = "0:0101[18] 3:70 5:5A 15:5F24 21:9102[9] 24:A5 26:50 33:8000[16] =00112233445566778899AABBCCDDEEFF 52:9000[3] =A1B2C3 58:3F00[2] =0102 63:0202[5] 68:70 70:9F08" ] ||
        { echo "FAIL: dgi --json: $got"; fails=$((fails + 1)); }
fi
