# vek tlv on real card responses (sourced by tests/cli_test.sh). The responses
# come from public traces of EMV cards (the PAN replaced by 1122334455667788 as
# the traces publish it); every expected tree is written down from the EMV tag,
# AIP, AUC, CID, CVM and AFL definitions and the ISO/IEC 7816-4 status words.
nl='
'
# SELECT PPSE of a Mastercard debit card, with its status word.
ppse=6f3c840e325041592e5359532e4444463031a52abf0c2761254f07a000000004101050104465626974204d6173746572436172648701019f0a04000101019000
expect 0 "6F [60] File Control Information (FCI) Template
  84 [14] Dedicated File (DF) Name
    325041592E5359532E4444463031  \"2PAY.SYS.DDF01\"
  A5 [42] File Control Information (FCI) Proprietary Template
    BF0C [39] File Control Information (FCI) Issuer Discretionary Data
      61 [37] Application Template
        4F [7] Application Dedicated File (ADF) Name
          A0000000041010
        50 [16] Application Label
          4465626974204D617374657243617264  \"Debit MasterCard\"
        87 [1] Application Priority Indicator
          01
        9F0A [4] Application Selection Registered Proprietary Data (ASRPD)
          00010101
status word 9000: normal processing: no further qualification" -- tlv "$ppse"

# GET PROCESSING OPTIONS of a Visa Electron card, format 1, with its status word:
# AIP 1C00, AFL SFI 1 records 1-3 and SFI 2 record 1.
gpo1=800A1C0008010300100101009000
expect 0 "80 [10] Response Message Template Format 1
  1C000801030010010100
  read as: GET PROCESSING OPTIONS response: AIP and AFL
    82 [2] Application Interchange Profile
      1C00
      byte 1 bit 5: cardholder verification is supported
      byte 1 bit 4: terminal risk management is to be performed
      byte 1 bit 3: issuer authentication is supported
    94 [8] Application File Locator (AFL)
      0801030010010100
      entry 1: 08010300: SFI 1, records 1 to 3, 0 for offline data authentication
      entry 2: 10010100: SFI 2, records 1 to 1, 0 for offline data authentication
status word 9000: normal processing: no further qualification" -- tlv "$gpo1"

# GET PROCESSING OPTIONS of a Mastercard, format 2: AIP 1980, three AFL entries.
expect 0 "77 [18] Response Message Template Format 2
  82 [2] Application Interchange Profile
    1980
    byte 1 bit 5: cardholder verification is supported
    byte 1 bit 4: terminal risk management is to be performed
    byte 1 bit 1: CDA supported
    byte 2 bit 8: reserved for use by the EMV Contactless Specifications
  94 [12] Application File Locator (AFL)
    080101001001010120010200
    entry 1: 08010100: SFI 1, records 1 to 1, 0 for offline data authentication
    entry 2: 10010101: SFI 2, records 1 to 1, 1 for offline data authentication
    entry 3: 20010200: SFI 4, records 1 to 2, 0 for offline data authentication" -- tlv 771282021980940c080101001001010120010200

# A Visa card's cryptogram fields (CID 80, ATC 0368, cryptogram, issuer
# application data, from its format 2 response) in the format 1 layout: 18 bytes
# fit both shapes by length, but as an AFL they break its rules, so the guess is
# GENERATE AC; --gpo splits it the other way and shows the faults.
gac1=8012800368011AB2FE7D6DD23006040A03A02000
expect 0 "80 [18] Response Message Template Format 1
  800368011AB2FE7D6DD23006040A03A02000
  read as: GENERATE AC response: CID, ATC, application cryptogram, issuer application data
    9F27 [1] Cryptogram Information Data
      80
      cryptogram: ARQC (authorisation request cryptogram)
      advice: no advice required
      reason: no information given
    9F36 [2] Application Transaction Counter (ATC)
      0368
    9F26 [8] Application Cryptogram
      011AB2FE7D6DD230
    9F10 [7] Issuer Application Data
      06040A03A02000" -- tlv "$gac1"
expect 0 "$("$vek" tlv "$gac1")" -- tlv --gac "$gac1"
"$vek" tlv --gpo "$gac1" | grep -qxF "      entry 1: 68011AB2: SFI 13, records 1 to 26, 178 for offline data authentication; more records for offline data authentication than in the range" ||
    { echo "FAIL: tlv --gpo of a GENERATE AC response"; fails=$((fails + 1)); }
"$vek" tlv --gac "$gpo1" | grep -qxF "  read as: not split: 10 bytes are not a CID, an ATC, a cryptogram and at most 32 bytes of issuer application data (11 to 43 bytes)" ||
    { echo "FAIL: tlv --gac of a GET PROCESSING OPTIONS response"; fails=$((fails + 1)); }
# 18 bytes whose AFL reading is sound and whose CID reading is too: not split.
"$vek" tlv 8012400008010100100101011801020020010200 | grep -qF "read as: not split: it fits both" ||
    { echo "FAIL: tlv of an ambiguous format 1 response"; fails=$((fails + 1)); }
expect 2 "" -- tlv --gpo --gac "$gpo1"

# FF bytes: the contactless template FF8105 (a known tag) against card padding
# (FF9F57 would be an unknown tag, so the FF bytes are filler).
expect 0 "FF8105 [4] Data Record (read as a tag: a known tag, though the bytes read whole as filler too)
  9F27 [1] Cryptogram Information Data
    80
    cryptogram: ARQC (authorisation request cryptogram)
    advice: no advice required
    reason: no information given" -- tlv FF8105049F270180
expect 0 "70 [12] READ RECORD Response Message Template
  5F34 [1] Application Primary Account Number (PAN) Sequence Number
    01
  filler FF x 3 (read as filler: FF9F57 would be an unknown tag)
  9F57 [2] (context-specific class)
    0840" -- tlv 700C5F340101FFFFFF9F57020840
# An FF tag the dictionary lacks is still a tag where filler would leave a
# malformed rest; padding after the last element stays filler.
expect 0 "FFC110 [4] (private class) (read as a tag: as filler the rest would be malformed)
  9F36 [1] Application Transaction Counter (ATC)
    05
filler FF x 2" -- tlv FFC110049F360105FFFF

# A status word alone, and the common ones by their meaning.
for case in "6A82:wrong parameters P1-P2: file or application not found" \
    "6985:command not allowed: conditions of use not satisfied" \
    "6C1C:wrong Le field: 28 bytes available" \
    "611C:normal processing: 28 bytes still available" \
    "63C2:warning, memory changed: counter 2" \
    "6700:wrong length" "6D00:instruction code not supported or invalid" \
    "6A83:wrong parameters P1-P2: record not found" "6983:command not allowed: authentication method blocked"; do
    expect 0 "status word ${case%%:*}: ${case#*:}" -- tlv "${case%%:*}"
done
# Two bytes that are no status word, or after a malformed element, are data.
expect 1 "5A [1] Application Primary Account Number (PAN)
  12
malformed element at offset 3: tag 9F36: the length field has 16 length bytes (at most 4 are read)" -- tlv 5A01129F369000

# A READ RECORD response of a Mastercard: the AUC, the data object lists, the CVM list.
record=7081a69f420209785f25032203015f24032403315a0811223344556677885f3401009f0702ffc09f080200028c279f02069f03069f1a0295055f2a029a039c019f37049f35019f45029f4c089f34039f21039f7c148d0c910a8a0295059f37049f4c088e0e000000000000000042031e031f039f0d05b4508400009f0e0500000000009f0f05b4708480005f280202809f4a018257131122334455667788d24032212794329000000f
out=$("$vek" tlv "$record")
for line in "    byte 2 bit 8: domestic cashback allowed" \
    "    byte 2 bit 7: international cashback allowed" \
    "    entry 1: 9F02 [6] Amount, Authorised (Numeric)" \
    "    entry 4: 95 [5] Terminal Verification Results" \
    "    entry 14: 9F7C [20] (context-specific class)" \
    "    entry 1: 91 [10] Issuer Authentication Data" \
    "    amount X: 0" "    amount Y: 0" \
    "    rule 1: 4203: enciphered PIN verified online, if terminal supports the CVM; if unsuccessful, apply the next rule" \
    "    rule 2: 1E03: signature (paper), if terminal supports the CVM; if unsuccessful, cardholder verification fails" \
    "    rule 3: 1F03: no CVM required, if terminal supports the CVM; if unsuccessful, cardholder verification fails"; do
    printf '%s\n' "$out" | grep -qxF -- "$line" || { echo "FAIL: tlv of a record lacks '$line'"; fails=$((fails + 1)); }
done
[ "$(printf '%s\n' "$out" | grep -c '^    entry ')" = 19 ] || { echo "FAIL: tlv of a record: CDOL1 and CDOL2 entries"; fails=$((fails + 1)); }
# A CVM list with amounts and conditions on them, a method for the payment
# systems, and a byte left over.
expect 0 "8E [17] Cardholder Verification Method (CVM) List
  000003E8000007D04106440801002001FF
  amount X: 1000
  amount Y: 2000
  rule 1: 4106: plaintext PIN verification performed by ICC, if transaction is in the application currency and is under X value; if unsuccessful, apply the next rule
  rule 2: 4408: enciphered PIN verification performed by ICC, if transaction is in the application currency and is under Y value; if unsuccessful, apply the next rule
  rule 3: 0100: plaintext PIN verification performed by ICC, always; if unsuccessful, cardholder verification fails
  rule 4: 2001: a method reserved for the individual payment systems (20), if unattended cash; if unsuccessful, cardholder verification fails
  left over: FF: a last byte that is no whole rule" -- tlv 8E11000003E8000007D04106440801002001FF
# A PDOL of a contactless card: each entry's tag, name and length.
expect 0 "9F38 [12] Processing Options Data Object List (PDOL)
  9F66049F02069F37045F2A02
  entry 1: 9F66 [4] Terminal Transaction Qualifiers (TTQ)
  entry 2: 9F02 [6] Amount, Authorised (Numeric)
  entry 3: 9F37 [4] Unpredictable Number
  entry 4: 5F2A [2] Transaction Currency Code" -- tlv 9F380C9F66049F02069F37045F2A02
# Text elements: the language preference, the cardholder name; a name with a byte
# that is not printable stays hexadecimal.
expect 0 "5F2D [4] Language Preference
  6465656E  \"deen\"
5F20 [15] Cardholder Name
  4A4F484E20534D4954482F4D522020  \"JOHN SMITH/MR  \"
50 [2] Application Label
  5609" -- tlv "5F2D046465656E5F200F4A4F484E20534D4954482F4D522020500256 09"

# Text and JSON agree on every sample: the JSON tree, written out in the text
# layout by an independent reader, is the text view.
if command -v python3 >/dev/null; then
    for data in "$ppse" "$gpo1" 771282021980940c080101001001010120010200 "$gac1" "$record" FF8105049F270180 \
        700C5F340101FFFFFF9F57020840 FFC110049F360105FFFF 6A82 5A01129F369000 70045A0512345A0199 \
        8E11000003E8000007D04106440801002001FF 9F380C9F66049F02069F37045F2A02 C228$(printf '%080d' 0); do
        text=$("$vek" tlv "$data" 2>/dev/null)
        again=$("$vek" tlv --json "$data" 2>/dev/null | python3 -c '
import json, sys
out = []
def facts(fs, indent):
    for f in fs:
        out.append(indent + f["label"] + (": " + f["value"] if f["value"] else ""))
        facts(f.get("parts", []), indent + "  ")
def name(n):
    return n["name"] if n["name"] is not None else "(%s class)" % n["class"]
def show(nodes, depth):
    pad = "  " * depth
    for n in nodes:
        reading = " (%s)" % n["reading"] if "reading" in n else ""
        if "filler" in n:
            out.append("%sfiller %s x %d%s" % (pad, n["filler"], n["length"], reading))
        elif "malformed" in n:
            out.append("%smalformed element at offset %d: %s" % (pad, n["offset"], n["malformed"]))
        elif "status" in n:
            out.append("%sstatus word %s: %s" % (pad, n["status"], n["meaning"]))
        else:
            out.append("%s%s [%d] %s%s" % (pad, n["tag"], n["length"], name(n), reading))
            if n["constructed"]:
                show(n["children"], depth + 1)
                continue
            v, t = n["value"], n.get("text")
            for i in range(0, len(v), 64):
                out.append(pad + "  " + v[i:i + 64] + ("  \"%s\"" % t[i // 2:i // 2 + 32] if t else ""))
            for k, e in enumerate(n.get("list", [])):
                out.append("%s  entry %d: %s [%d] %s" % (pad, k + 1, e["tag"], e["length"], name(e)))
            facts(n.get("facts", []), pad + "  ")
            show(n.get("fields", []), depth + 2)
show(json.load(sys.stdin), 0)
print("\n".join(out))')
        [ "$text" = "$again" ] || { echo "FAIL: tlv --json and the text view differ on $data"; fails=$((fails + 1)); }
    done
fi
