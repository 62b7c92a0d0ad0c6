# Decimal strings: card numbers, counters and long sums.
echo
echo "# Decimal strings"
show Calc_LuhnKey 453201511283036
show Veri_IsDec 4532015112830366
show Conv_HexaToDec 00000000075BCD15 0
show Conv_BinToDec 1111101000 6
show Tran_IncreaseDec 000999 6
show Tran_DecreaseDec 001000 6
show Comp_DecToDec 0010 10
show Calc_AddDecToDec 99999999999999999999999 1 0
show Calc_SubstractDecToDec 4532015112830366 0000000000000366 0
show Calc_SubstractDecToDec 5 6 0
echo "# Batch mode: one call per input line, output line N for input line N."
echo "# The third line is not decimal: its output line is empty, the reason on standard error."
printf '%s\n' '$ printf '"'"'453201511283036\n401288888888188\n4X\n'"'"' | vek --each Calc_LuhnKey -'
printf '453201511283036\n401288888888188\n4X\n' | "$vek" --each Calc_LuhnKey - || printf '  (exit status %d)\n' "$?"
