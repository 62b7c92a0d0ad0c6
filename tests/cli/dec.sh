# Decimal strings through the vek command (sourced by tests/cli_test.sh).
expect 0 18446744073709551615 -- Conv_HexaToDec FFFFFFFFFFFFFFFF 0
expect 1 "" -- Conv_HexaToDec 10000000000000000 0
expect 0 00005 -- Conv_BinToDec 101 5
expect 0 true -- Veri_IsDec 0123456789
expect 1 false -- Veri_IsDec 12a
expect 0 0 -- Comp_DecToDec 0010 10
expect 0 -1 -- Comp_DecToDec 9 10
expect 1 "" -- Comp_DecToDec 9 x
expect 0 1000 -- Tran_IncreaseDec 0999 0
expect 0 999 -- Tran_DecreaseDec 1000 0
expect 1 "" -- Tran_DecreaseDec 0 0
expect 0 100000000000000000000000 -- Calc_AddDecToDec 99999999999999999999999 1 0
expect 0 5 -- Calc_SubstractDecToDec 010 005 0
# B with more digits than A is negative whatever the values (leading zeros count).
expect 1 "" -- Calc_SubstractDecToDec 10 005 0
"$vek" Calc_SubstractDecToDec 10 005 0 2>&1 | grep -q 'status -4: b has more digits than a' ||
    { echo "FAIL: Calc_SubstractDecToDec more digits message"; fails=$((fails + 1)); }
"$vek" help Calc_SubstractDecToDec | grep -q '10 minus 005 fails' || { echo "FAIL: help Calc_SubstractDecToDec"; fails=$((fails + 1)); }
expect 1 "" -- Calc_SubstractDecToDec 5 6 0
expect 0 3 -- Calc_LuhnKey 7992739871
expect 2 "" -- Calc_AddDecToDec 1 2 x
"$vek" Calc_SubstractDecToDec 5 6 0 2>&1 | grep -q 'status -4' || { echo "FAIL: Calc_SubstractDecToDec message"; fails=$((fails + 1)); }
"$vek" help Calc_LuhnKey | grep -q 'check digit' || { echo "FAIL: help Calc_LuhnKey"; fails=$((fails + 1)); }
