# Hexadecimal and character data of a payment card (sourced by scripts/demo.sh).
echo
echo "# A transaction counter and an amount, from decimal to hexadecimal fields"
show Conv_DecToHexa 1234 4
show Conv_DecToHexa 000000015000 12
show Comp_HexaToDec 04D2 1234
echo "# A cardholder name as hexadecimal data and back"
show Conv_CharToHexa "DOE/JOHN"
show Conv_HexaToChar 444F452F4A4F484E
echo "# The bits of an application usage control byte pair, and its first byte alone"
show Conv_ExtractBinFromHexa FF00 1 8
show Conv_BinToArrayChar 1111111100000000
echo "# A PIN block in bytes, and bytes back to text"
show Conv_HexaToArrayChar 041234FFFFFFFFFF
show Conv_ArrayCharToHexa 041234ffffffffff
echo "# A BCD byte 25 stored nibble-swapped (52, the character R), swapped back"
show Tran_SwapChar R
show Conv_CharToHexa %
echo "# A 0x00 byte cannot come back in a text: refused, not cut short"
show Conv_HexaToChar 410042
echo "# Lower case is not hexadecimal"
show Veri_IsHexa 9f26
