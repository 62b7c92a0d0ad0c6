# Batch mode, vek --each (sourced by tests/cli_test.sh, expect_input defined).
nl='
'
# One output line per input line, in order; a failed line leaves its line empty,
# is reported with its number, and the lines after it still run. LF or CR LF,
# and a last line without LF.
expect_input '00FF\n1000\r\nZZ\n\nFFFFFFFFFFFFFFFF' 1 "255${nl}4096${nl}${nl}${nl}18446744073709551615" \
    "line 3: status -1: hexa empty or holding a character other than" -- --each Conv_HexaToDec - 0
expect_input '00FF\nZZ\n1' 1 "255${nl}${nl}1" "line 2: status -1" -- --each Conv_HexaToDec - 0
expect_input '' 0 "" "" -- --each Conv_HexaToDec - 0
expect_input '\n' 1 "" "line 1: status -1" -- --each Conv_HexaToDec - 0
# Fixed arguments stay, every - takes the line; a number from the line.
expect_input '5\n9' 0 "10${nl}18" "" -- --each Calc_AddDecToDec - - 0
expect_input '3\nx\n0' 1 "0FF${nl}${nl}FF" "line 2: 'x' is not a whole number" -- --each Conv_DecToHexa 255 -
# Predicates answer true or false (an answer, not a failure); comparisons and counts a number.
expect_input 'AB\nab\n' 0 "true${nl}false" "" -- --each Veri_IsHexa -
expect_input '1\n3\n2' 0 "-1${nl}1${nl}0" "" -- --each Comp_DecToDec - 2
expect_input 'F0\nFF' 0 "4${nl}8" "" -- --each Calc_CountBits - 1
# Commands with their own argument handling and printing.
expect_input '41\n4G\n7E5C' 1 "A${nl}${nl}~\\x5C" "line 2: status -1" -- --each Conv_HexaToChar -
expect_input '41\n4G\n00ff' 1 "41${nl}${nl}00FF" "line 2: '4G'" -- --each Conv_ArrayCharToHexa -
# A 0x00 byte in a line fails that line alone.
expect_input 'A\n0\000A\nB' 1 "true${nl}${nl}true" "line 2: holds a 0x00 byte at offset 1" -- --each Veri_IsHexa -
# Bad usage is refused before any line is read.
expect_input '1' 2 "" "no function named" -- --each NoSuch -
expect_input '1' 2 "" "expects 2 argument(s), got 1" -- --each Conv_HexaToDec -
expect_input '1\n2' 2 "" "'x' is not a whole number" -- --each Conv_DecToHexa - x
expect_input '1' 2 "" "expects a function name" -- --each
expect_input '1' 2 "" "more than one line" -- --each File_DC9InitDescription - 2345 0

# Results longer than the first output buffer: the buffer grows, and the lines
# after a long one are still right. Oracle: the digits written out by awk.
long=$(awk 'BEGIN { for (i = 0; i < 3000; i++) printf "F"; }')
bits=$(awk 'BEGIN { for (i = 0; i < 12000; i++) printf "1"; }')
out=$(printf '%s\n1\n%s\n' "$long" "$long" | "$vek" --each Conv_HexaToBin - 0)
[ "$out" = "$bits${nl}1${nl}$bits" ] || { echo "FAIL: --each with results past the first buffer"; fails=$((fails + 1)); }

# Many lines: hexadecimal to decimal checked against the shell's own arithmetic.
lines=$(awk 'BEGIN { x = 7; for (i = 0; i < 2000; i++) { x = (x * 1103515245 + 12345) % 2147483648; printf "%X\n", x * (i % 5 + 1) } }')
want=$(printf '%s\n' "$lines" | while read -r h; do printf '%d\n' "0x$h"; done)
have=$(printf '%s\n' "$lines" | "$vek" --each Conv_HexaToDec - 0)
[ "$want" = "$have" ] || { echo "FAIL: --each Conv_HexaToDec on 2000 lines"; fails=$((fails + 1)); }

# A function without output answers each line with an empty line, and runs once per line.
dir=$(mktemp -d)
out=$(printf '0102\r\nAB\n' | "$vek" --each File_AppendImage "$dir/batch.img" -; echo "exit $?")
[ "$out" = "${nl}${nl}exit 0" ] && [ "$(cat "$dir/batch.img")" = "$(printf '0102\r\nAB\r')" ] ||
    { echo "FAIL: --each File_AppendImage"; fails=$((fails + 1)); }
rm -rf "$dir"
"$vek" --help | grep -q -- '--each FUNCTION' || { echo "FAIL: --each in the usage text"; fails=$((fails + 1)); }

# A line longer than any text vek takes fails alone, and is never held whole:
# a 300 MB line under a 200 MB address-space limit. Only for a native program
# without AddressSanitizer: the sanitizer, and an emulator running the command,
# reserve far more address space than that for themselves.
if ldd "$vek" >/dev/null 2>&1 && ! ldd "$vek" | grep -q libasan; then
    err=$(mktemp)
    out=$( (ulimit -v 200000; { head -c 300000000 /dev/zero | tr '\0' 'F'; printf '\nFF\n'; } |
        "$vek" --each Conv_HexaToDec - 0 2>"$err"); echo "exit $?")
    [ "$out" = "${nl}255${nl}exit 1" ] && grep -q 'line 1: longer than 1048576 bytes' "$err" ||
        { echo "FAIL: --each on a 300 MB line: $out $(head -c 300 "$err")"; fails=$((fails + 1)); }
    rm -f "$err"
fi
# Up to that length a long line still gets the function's own status.
long=$(head -c 70000 /dev/zero | tr '\0' 'F')
out=$(printf '%s\nFF\n' "$long" | "$vek" --each Conv_HexaToDec - 0 2>/dev/null; echo "exit $?")
[ "$out" = "${nl}255${nl}exit 1" ] || { echo "FAIL: --each on a 70000-digit line"; fails=$((fails + 1)); }
