# Random values (sourced by scripts/demo.sh). New values on every run.
echo
echo "# A random single-DES key, eight random bytes as 16 digits"
show Calc_RndByMinMax 00 FF HEXA2 16
echo "# A 4-digit PIN"
show Calc_RndByMinMax 0 9 DEC 4
echo "# An 8-byte challenge for external authentication, bytes 01 to FE"
show Calc_RndByMinMax 01 FE HEXA2 16
echo "# A 12-letter activation code"
show Calc_RndByMinMax A Z CHAR 12
echo "# Bounds of the wrong kind: two digits for one-digit hexadecimal units"
show Calc_RndByMinMax 00 FF HEXA 16
