# Binary strings through the vek command (sourced by tests/cli_test.sh).
expect 0 1010 -- Conv_DecToBin 10 0
expect 0 00000101 -- Conv_DecToBin 5 8
expect 1 "" -- Conv_DecToBin 18446744073709551616 0
expect 2 "" -- Conv_DecToBin 10
expect 0 1111 -- Conv_HexaToBin 0F 0
expect 1 "" -- Conv_HexaToBin a1 0
expect 0 01000001 -- Conv_CharToBin A
expect 0 true -- Veri_IsBin 0101
expect 1 false -- Veri_IsBin 0120
expect 1 "" -- Veri_IsBin ""
expect 0 00110000 -- Tran_SetBinInBin 00000000 3 11
expect 1 "" -- Tran_SetBinInBin 00000000 8 11
expect 0 00 -- Tran_GetBinInBin 110010 3 2
expect 0 1100 -- Tran_ReverseBin 0011
expect 0 0110 -- Calc_XORBinary 1100 1010
expect 0 11 -- Calc_ORBinary 1x 01
expect 0 10 -- Calc_ANDBinary 1x 11
expect 1 "" -- Calc_XORBinary 1100 101
expect 2 "" -- Calc_ORBinary 1100
"$vek" Calc_XORBinary 1100 101 2>&1 | grep -q 'status -2: a and b of different lengths' \
    || { echo "FAIL: Calc_XORBinary message"; fails=$((fails + 1)); }
[ "$(printf '1100\n' | "$vek" Calc_ANDBinary - 0110)" = 0100 ] || { echo "FAIL: Calc_ANDBinary from stdin"; fails=$((fails + 1)); }
