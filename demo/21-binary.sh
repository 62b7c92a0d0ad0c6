# Binary strings: bit fields of a card's option byte.
echo
echo "# Binary strings"
show Conv_HexaToBin 0A 8
show Conv_DecToBin 130 8
show Conv_CharToBin A
show Tran_SetBinInBin 00001010 1 1
show Tran_GetBinInBin 10001010 5 4
show Tran_ReverseBin 00001010
show Calc_ORBinary 00001010 10000000
show Calc_ANDBinary 10001010 00001111
show Calc_XORBinary 10001010 11111111
show Veri_IsBin 0120
