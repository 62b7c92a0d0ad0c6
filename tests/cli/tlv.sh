# BER-TLV extraction (sourced by tests/cli_test.sh).
# A READ RECORD response: template 70 of 0x15 = 21 bytes holding 5A (PAN), 5F24 (expiry), 9F07 (usage control).
record=70155A0847617390010100105F24032512319F0702FF00
expect 0 4761739001010010 -- Tran_ExtractTLV 70 5A "" "$record"
expect 0 251231 -- Tran_ExtractTLV 70 5F24 "" "$record"
expect 0 FF00 -- vek_Tran_ExtractTLV 70 9F07 "" "$record"
expect 0 5A0847617390010100105F24032512319F0702FF00 -- Tran_ExtractTLV 70 "" "" "$record"
expect 0 AABBCC -- Tran_ExtractTLV 5A "" "" 5A8103AABBCC
expect 0 0B0A -- Tran_ExtractTLV 6F A5 9F4D 6F0AA5089F4D020B0A870101
expect 1 "" -- Tran_ExtractTLV 5A "" "" "$record"
expect 1 "" -- Tran_ExtractTLV 70 9F08 "" "$record"
expect 1 "" -- Tran_ExtractTLV 70 5f24 "" "$record"
expect 1 "" -- Tran_ExtractTLV 5A0 "" "" "$record"
expect 1 "" -- Tran_ExtractTLV "" "" "" "$record"
expect 1 "" -- Tran_ExtractTLV 5A "" "" ""
expect 1 "" -- Tran_ExtractTLV 5A "" "" 5A00
expect 2 "" -- Tran_ExtractTLV 70 5A "$record"
echo "$record" | "$vek" Tran_ExtractTLV 70 5F24 "" - | grep -qx 251231 || { echo "FAIL: Tran_ExtractTLV from standard input"; fails=$((fails + 1)); }
"$vek" Tran_ExtractTLV 70 9F08 "" "$record" 2>&1 >/dev/null | grep -q 'status -7' || { echo "FAIL: Tran_ExtractTLV -7 message"; fails=$((fails + 1)); }
