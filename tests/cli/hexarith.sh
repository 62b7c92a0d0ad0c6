# Hexadecimal arithmetic and logic through the vek command (sourced by cli_test.sh).
expect 0 10000 -- Calc_AddHexaToHexa FFFF 1 0
expect 0 0002 -- vek_Calc_AddHexaToHexa 0001 0001 4
expect 1 "" -- Calc_AddHexaToHexa FFFF 1 4
expect 0 2 -- Calc_SubstractHexaToHexa 05 03 0
expect 1 "" -- Calc_SubstractHexaToHexa 5 03 0
expect 1 "" -- Calc_SubstractHexaToHexa 10 005 0
expect 0 5 -- Calc_SubstractDecToHexa F 0010 0
"$vek" help Calc_SubstractHexaToHexa | grep -q '5 - 03 fails' || { echo "FAIL: help Calc_SubstractHexaToHexa"; fails=$((fails + 1)); }
expect 1 "" -- Calc_SubstractHexaToHexa 1 2 0
expect 0 100 -- Calc_AddDecToHexa FF 1 0
expect 1 "" -- Calc_AddDecToHexa FF 100000000000000000000 0
expect 0 FF -- Calc_SubstractDecToHexa 100 1 0
expect 0 FF -- Calc_XorHexa 0F F0 0
expect 0 00 -- Calc_AndHexa 0F F0 0
expect 0 A5 -- Calc_OrHexa A0 05 0
expect 1 "" -- Calc_XorHexa ABC 123 0
expect 0 543 -- Calc_ComplementHexa ABC 0
expect 0 0088 -- Calc_ChecksumHexa 1122334455667788 4
expect 1 "" -- Calc_ChecksumHexa 1122334455667788 3
expect 0 4 -- Calc_CountBits F0 0
expect 0 2 -- Calc_CountBits A 1
expect 1 "" -- Calc_CountBits 0a 1
expect 2 "" -- Calc_CountBits F0 70000
expect 2 "" -- Calc_XorHexa 0F F0
echo FFFF | "$vek" Calc_AddHexaToHexa - 1 0 | grep -qx 10000 || { echo "FAIL: Calc_AddHexaToHexa from standard input"; fails=$((fails + 1)); }
"$vek" Calc_SubstractHexaToHexa 1 2 0 2>&1 >/dev/null | grep -q 'status -5' || { echo "FAIL: Calc_SubstractHexaToHexa message"; fails=$((fails + 1)); }
"$vek" help Calc_XorHexa | grep -q -- '-7' || { echo "FAIL: help Calc_XorHexa"; fails=$((fails + 1)); }
