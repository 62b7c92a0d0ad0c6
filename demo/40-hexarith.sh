# Hexadecimal arithmetic, logic and transforms (sourced by scripts/demo.sh).
echo
echo "# Counters: the next and previous card sequence numbers, kept at 8 digits"
show Tran_IncreaseHexa 0000FFFF 8
show Tran_DecreaseHexa 00010000 8
show Calc_AddDecToHexa 00012A00 1000 8
echo
echo "# How many records lie between the first and the last serial of a batch"
show Calc_SubstractHexaToHexa 4F3A1C20 4F3A0000 0
echo
echo "# A double-length key from two key components held by two officers (XOR)"
show Calc_XorHexa 0123456789ABCDEFFEDCBA9876543210 1F1F1F1F0E0E0E0EE0E0E0E0F1F1F1F1 0
echo
echo "# Block XOR checksum of a data object by 8-digit blocks, and its one bits"
show Calc_ChecksumHexa 9F3602001A5F2A02097882025C008407A000000004101000 8
show Calc_CountBits 74013E07 1
echo
echo "# A flag field: bits 3 and 4 of a usage control set, masked, inverted"
show Tran_SetBinInHexa 11 3 8000
show Calc_AndHexa B000 3F80 0
show Calc_ComplementHexa B000 0
echo
echo "# Nibble and bit order of fields written by another system"
show Tran_SwapHexa 214365
show Tran_SwapBitInHexa 0080
show Tran_ShiftBitRight 8000 15
