#!/bin/sh
# The vek command end to end: output, exit codes, usage errors.
set -u
vek=$1
exports=$2
fails=0

expect() {  # expect EXIT STDOUT -- ARGS...
    want_exit=$1; want_out=$2; shift 3
    out=$("$vek" "$@" 2>/dev/null); code=$?
    if [ "$code" != "$want_exit" ] || [ "$out" != "$want_out" ]; then
        echo "FAIL: vek $*: exit $code (want $want_exit), output '$out' (want '$want_out')"
        fails=$((fails + 1))
    fi
}

# expect_input PRINTF-FORMAT EXIT STDOUT STDERR-PATTERN -- ARGS...
# Feeds printf's output to vek ARGS...; STDERR-PATTERN is a fixed string ("" for any).
expect_input() {
    input=$1; want_exit=$2; want_out=$3; want_err=$4; shift 5
    err=$(mktemp)
    out=$(printf "$input" | "$vek" "$@" 2>"$err"); code=$?
    if [ "$code" != "$want_exit" ] || [ "$out" != "$want_out" ] ||
        { [ -n "$want_err" ] && ! grep -qF -- "$want_err" "$err"; }; then
        echo "FAIL: printf '$input' | vek $*: exit $code (want $want_exit), output '$out' (want '$want_out'),"
        echo "      error '$(cat "$err")' (want '$want_err')"
        fails=$((fails + 1))
    fi
    rm -f "$err"
}

expect 0 13 -- Version
expect 0 13 -- vek_Version
expect 0 0 -- LastStatus
expect 2 "" -- NoSuchFunction
expect 2 "" -- Version extra
expect 2 "" --
"$vek" --list | grep -q '^vek Version' || { echo "FAIL: --list"; fails=$((fails + 1)); }
"$vek" help Version | grep -q 'interface version' || { echo "FAIL: help"; fails=$((fails + 1)); }
"$vek" --version | grep -q 'interface 13' || { echo "FAIL: --version"; fails=$((fails + 1)); }

# Every exported function is a command, and nothing else is.
want=$(grep -v -e '^#' -e '^$' "$exports" | sed 's/^vek_//' | sort)
have=$("$vek" --list | awk '{print $2}' | sort)
[ "$want" = "$have" ] || { echo "FAIL: --list differs from the export table"; fails=$((fails + 1)); }

# Families add their cases in tests/cli/*.sh, sourced here with expect defined.
for part in "$(dirname "$0")"/cli/*.sh; do
    [ -e "$part" ] && . "$part"
done

[ "$fails" = 0 ] && echo "cli: all passed"
exit "$fails"
