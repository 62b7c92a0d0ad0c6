# Character strings in the vek command (sourced by tests/cli_test.sh).
expect 0 ABC -- Conv_HexaToChar 414243
expect 0 'A\x01\x5C\x7F\xFFB' -- Conv_HexaToChar 41015C7FFF42
expect 1 "" -- Conv_HexaToChar 410042
expect 1 "" -- Conv_HexaToChar 41424
expect 0 AB -- Conv_BinToChar 0100000101000010
expect 1 "" -- Conv_BinToChar 0000000001000001
expect 0 BADC -- Tran_SwapCharInPairs ABCD
expect 1 "" -- Tran_SwapCharInPairs ABC
expect 0 '\x14$' -- Tran_SwapChar AB
[ "$(printf '\001\376\n' | "$vek" Tran_SwapChar -)" = '\x10\xEF' ] || { echo "FAIL: Tran_SwapChar from stdin"; fails=$((fails + 1)); }
"$vek" Conv_BinToChar 00000000 2>&1 | grep -q 'status -4' || { echo "FAIL: Conv_BinToChar zero byte"; fails=$((fails + 1)); }
"$vek" help Tran_SwapChar | grep -q 'xHH' || { echo "FAIL: help Tran_SwapChar"; fails=$((fails + 1)); }
