# Random values (sourced by tests/cli_test.sh). The values differ on every run:
# only their form is checked.
rnd_form() {  # rnd_form REGEX ARGS...: exit 0 and one line matching REGEX
    re=$1; shift
    out=$("$vek" Calc_RndByMinMax "$@" 2>/dev/null); code=$?
    if [ "$code" != 0 ] || ! printf '%s\n' "$out" | grep -Eqx "$re"; then
        echo "FAIL: vek Calc_RndByMinMax $*: exit $code, output '$out' (want $re)"
        fails=$((fails + 1))
    fi
}
rnd_form '[0-9A-F]{16}' "" "" HEXA2 16
rnd_form '([1-3][0-9A-F]){10}' 10 3F hexa2 20
rnd_form '[0-9]{4}' "" "" DEC 4
rnd_form '[3-7]{12}' 3 7 Dec 12
rnd_form '[01]{64}' 0 1 BIN 64
rnd_form '[A-C]{32}' A C HEXA 32
rnd_form '[a-z]{40}' a z CHAR 40
# Two processes started together draw different values: each is seeded from the system.
a=$("$vek" Calc_RndByMinMax "" "" HEXA 32); b=$("$vek" Calc_RndByMinMax "" "" HEXA 32)
[ -n "$a" ] && [ "$a" != "$b" ] || { echo "FAIL: two runs of Calc_RndByMinMax gave '$a' and '$b'"; fails=$((fails + 1)); }
expect 1 "" -- Calc_RndByMinMax 5 5 DEC 4
expect 1 "" -- Calc_RndByMinMax FF FF HEXA2 4
expect 1 "" -- Calc_RndByMinMax "" "" HEXA2 5
expect 1 "" -- Calc_RndByMinMax "" "" DEC 60001
expect 2 "" -- Calc_RndByMinMax "" "" DEC
"$vek" Calc_RndByMinMax A "" HEXA 4 2>&1 | grep -q 'status -7: minimum and maximum of different lengths' ||
    { echo "FAIL: Calc_RndByMinMax status message"; fails=$((fails + 1)); }
"$vek" Calc_RndByMinMax AB CD HEXA 4 2>&1 | grep -q 'status -6:' ||
    { echo "FAIL: Calc_RndByMinMax status -6"; fails=$((fails + 1)); }
"$vek" Calc_RndByMinMax "" "" OCTAL 4 2>&1 | grep -q 'status -5:' ||
    { echo "FAIL: Calc_RndByMinMax status -5"; fails=$((fails + 1)); }
