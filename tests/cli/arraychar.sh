# Character arrays in the vek command (sourced by tests/cli_test.sh).
expect 0 41FF00 -- Conv_ArrayCharToHexa 41ff00
expect 0 000000000111111111111111 -- Conv_ArrayCharToBin 007FFF
expect 1 "" -- Conv_ArrayCharToHexa ""
expect 2 "" -- Conv_ArrayCharToHexa 4
expect 2 "" -- Conv_ArrayCharToBin 4G
[ "$(echo 0A1B | "$vek" Conv_ArrayCharToHexa -)" = 0A1B ] || { echo "FAIL: Conv_ArrayCharToHexa from stdin"; fails=$((fails + 1)); }
