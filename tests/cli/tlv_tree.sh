# The TLV tree view, vek tlv (sourced by tests/cli_test.sh). Expected trees are
# read off the bytes by hand.
nl='
'
record=70155A0847617390010100105F24032512319F0702FF00
expect 0 "70 [21] READ RECORD Response Message Template
  5A [8] Application Primary Account Number (PAN)
    4761739001010010
  5F24 [3] Application Expiration Date
    251231
  9F07 [2] Application Usage Control
    FF00
    byte 1 bit 8: valid for domestic cash transactions
    byte 1 bit 7: valid for international cash transactions
    byte 1 bit 6: valid for domestic goods
    byte 1 bit 5: valid for international goods
    byte 1 bit 4: valid for domestic services
    byte 1 bit 3: valid for international services
    byte 1 bit 2: valid at ATMs
    byte 1 bit 1: valid at terminals other than ATMs" -- tlv "$record"
# Nested templates, a three-level path, filler before and after, lower case and spaces.
expect 0 "filler 00 x 2
6F [13] File Control Information (FCI) Template
  A5 [11] File Control Information (FCI) Proprietary Template
    BF0C [5] File Control Information (FCI) Issuer Discretionary Data
      9F4D [2] Log Entry
        0B0A
    87 [1] Application Priority Indicator
      01
filler FF x 3" -- tlv "0000 6f0da50bbf0c059f4d020b0a870101 ffffff"
# An unknown tag shows its class; an empty value no value line; long form lengths.
expect 0 "C1 [0] (private class)${nl}DF01 [1] (private class)${nl}  AB" -- tlv C100DF018101AB
# Long values wrap at 32 bytes a line.
v64=$(awk 'BEGIN { for (i = 0; i < 40; i++) printf "%02X", i }')
expect 0 "C2 [40] (private class)${nl}  $(echo "$v64" | cut -c1-64)${nl}  $(echo "$v64" | cut -c65-80)" -- tlv "C228$v64"
# Malformed: what came before is shown, the defect with its offset; the
# elements after the malformed element's template still follow.
expect 1 "5A [1] Application Primary Account Number (PAN)
  12
malformed element at offset 3: tag 9F36: its value of 2 bytes runs past the end of the data (1 byte left)" -- tlv 5A01129F360201
expect 1 "70 [4] READ RECORD Response Message Template
  malformed element at offset 2: tag 5A: its value of 5 bytes runs past the end of its template (2 bytes left)
5A [1] Application Primary Account Number (PAN)
  99" -- tlv 70045A0512345A0199
expect 1 "malformed element at offset 0: the tag does not end before the end of the data" -- tlv 9F
# A length field's fault says which of its three causes applies.
expect 1 "malformed element at offset 0: tag 5A: the length field has 5 length bytes (at most 4 are read)" -- tlv 5A8501
expect 1 "malformed element at offset 0: tag 5A: the length field of 3 bytes is cut off (2 bytes left)" -- tlv 5A8201
expect 1 "malformed element at offset 0: tag 5A: the length field gives 2^31 or more" -- tlv 5A848000000000
expect 1 "malformed element at offset 0: tag DF01: the length field is cut off (0 bytes left)" -- tlv DF01
"$vek" tlv 9F 2>&1 >/dev/null | grep -qF "vek tlv: malformed element at offset 0" || { echo "FAIL: tlv malformed on standard error"; fails=$((fails + 1)); }
expect 2 "" -- tlv ""
"$vek" tlv "" 2>&1 | grep -qF "vek tlv: no data" || { echo "FAIL: tlv of no data"; fails=$((fails + 1)); }
expect 2 "" -- tlv " "
expect 2 "" -- tlv 5A0
expect 2 "" -- tlv 5AG0
expect 2 "" -- tlv
expect 2 "" -- tlv --json
echo "$record" | "$vek" tlv - | grep -qx '    251231' || { echo "FAIL: tlv from standard input"; fails=$((fails + 1)); }
"$vek" help tlv | grep -q -- '--json' || { echo "FAIL: help tlv"; fails=$((fails + 1)); }
# The example of vek help tlv runs as printed.
example=$("$vek" help tlv | sed -n 's/^Example: vek //p')
(eval "set -- $example" && "$vek" "$@" >/dev/null) || { echo "FAIL: the example of vek help tlv: $example"; fails=$((fails + 1)); }

# JSON: the same tree, read back by Python's own parser.
if command -v python3 >/dev/null; then
    got=$("$vek" tlv --json "00 70075A0212349F3600 5A0312" 2>/dev/null | python3 -c '
import json, sys
def show(nodes):
    out = []
    for n in nodes:
        if "filler" in n:
            out.append("%d:filler %sx%d" % (n["offset"], n["filler"], n["length"]))
        elif "malformed" in n:
            out.append("%d:malformed" % n["offset"])
        elif n["constructed"]:
            out.append("%d:%s(%s)[%s]" % (n["offset"], n["tag"], n["name"], " ".join(show(n["children"]))))
        else:
            out.append("%d:%s=%s" % (n["offset"], n["tag"], n["value"]))
    return out
print(" ".join(show(json.load(sys.stdin))))')
    [ "$got" = "0:filler 00x1 1:70(READ RECORD Response Message Template)[3:5A=1234 7:9F36=] 10:malformed" ] ||
        { echo "FAIL: tlv --json: $got"; fails=$((fails + 1)); }
fi
