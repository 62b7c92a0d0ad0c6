# Arguments read from standard input, and how usage messages show what the
# user gave (sourced by tests/cli_test.sh).

# A 0x00 byte in text from standard input is refused, never cut: exit 2, the
# argument named with its position, and the byte's offset in the input.
expect_input '0A\000ZZ' 2 "" "text (argument 1, -) holds a 0x00 byte at offset 2" -- Veri_IsHexa -
expect_input '\000' 2 "" "at offset 0 of standard input" -- Conv_CharToBin -
expect_input 'AB\000\n' 2 "" "at offset 2" -- Conv_CharToHexa -
expect_input 'ABC\000' 2 "" "at offset 3" -- Tran_SwapChar -
expect_input '1\000' 2 "" "b (argument 2, -) holds a 0x00 byte at offset 1" -- Calc_AddDecToDec 5 - 0
expect_input '4\0001' 2 "" "resultLength (argument 2, -)" -- Conv_DecToHexa 255 -
expect_input '0123456789ABCDEF\000' 2 "" "[key] (argument 4, -)" -- Tran_CalDES_Fast 0123456789ABCDEF 1 0 -
expect_input '41\00042' 2 "" "offset 2" -- Conv_ArrayCharToHexa -
# The refusal comes before the function runs, whatever the other arguments.
expect_input 'A\000' 2 "" "offset 1" -- Calc_AddHexaToHexa - 1 -1
# Without a 0x00 byte the text goes through whole; one final newline is dropped.
expect_input '0A\n' 0 true "" -- Veri_IsHexa -
expect_input 'A\377\n' 0 41FF "" -- Conv_CharToHexa -
# Every - gets the same text, read once.
expect_input '5' 0 10 "" -- Calc_AddDecToDec - - 0

# Usage messages show the argument in full, escaped as the command's output is.
expect_input '1\0332' 2 "" "'1\\x1B2' is not a whole number" -- Conv_DecToHexa 255 -
expect_input '12\\34' 2 "" "'12\\x5C34' is not a whole number" -- Conv_DecToHexa 255 -
expect_input '4G\377\001' 2 "" "'4G\\xFF\\x01' is not a byte block" -- Conv_ArrayCharToHexa -
long=$(head -c 5000 /dev/zero | tr '\0' 'x')
"$vek" Conv_DecToHexa 255 "$long" 2>&1 | grep -qF "'$long' is not a whole number" ||
    { echo "FAIL: a long argument is not shown in full"; fails=$((fails + 1)); }
"$vek" "$(printf 'No\033Such')" 2>&1 | grep -qF "'No\\x1BSuch'" ||
    { echo "FAIL: an unknown function name is not escaped"; fails=$((fails + 1)); }
"$vek" help "$(printf 'No\tSuch')" 2>&1 | grep -qF "'No\\x09Such'" ||
    { echo "FAIL: help of an unknown function name is not escaped"; fails=$((fails + 1)); }
