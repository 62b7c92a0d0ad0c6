# Hexadecimal strings in the vek command (sourced by tests/cli_test.sh).
expect 0 FF -- Conv_DecToHexa 255 0
expect 0 00FF -- Conv_DecToHexa 255 4
expect 0 FFFFFFFFFFFFFFFF -- Conv_DecToHexa 18446744073709551615 0
expect 1 "" -- Conv_DecToHexa 18446744073709551616 0
expect 1 "" -- Conv_DecToHexa 255 1
expect 2 "" -- Conv_DecToHexa 255
expect 0 4142 -- Conv_CharToHexa AB
expect 0 1F -- Conv_BinToHexa 11111 0
expect 0 1001 -- Conv_ExtractBinFromHexa A5 3 4
expect 1 "" -- Conv_ExtractBinFromHexa A5 9 1
expect 0 true -- Veri_IsHexa 0123456789ABCDEF
expect 1 false -- Veri_IsHexa 0a
expect 1 "" -- Veri_IsHexa ""
expect 0 1 -- Comp_HexaToHexa 100 FF
expect 0 0 -- Comp_HexaToHexa 00FF FF
expect 0 0 -- Comp_HexaToDec FF 255
expect 0 -1 -- Comp_HexaToDec FE 255
expect 1 "" -- Comp_HexaToDec FF 18446744073709551616
expect 0 "0A10 2" -- Conv_HexaToArrayChar 0A1
expect 0 "01FF 2" -- Conv_BinToArrayChar 0000000111111111
expect 0 "0100 2" -- Conv_BinToArrayChar 100000000
expect 1 "" -- Conv_HexaToArrayChar 0g
expect 2 "" -- Conv_HexaToArrayChar
[ "$(printf 'A\001\n' | "$vek" Conv_CharToHexa -)" = 4101 ] || { echo "FAIL: Conv_CharToHexa from stdin"; fails=$((fails + 1)); }
"$vek" Conv_DecToHexa 1 -1 2>&1 | grep -q 'status -2' || { echo "FAIL: status message"; fails=$((fails + 1)); }
"$vek" help Conv_HexaToArrayChar | grep -q '0A10 2' || { echo "FAIL: help Conv_HexaToArrayChar"; fails=$((fails + 1)); }
