# Hexadecimal transforms through the vek command (sourced by cli_test.sh).
expect 0 2143 -- Tran_SwapHexa 1234
expect 1 "" -- Tran_SwapHexa ABC
expect 0 5A -- Tran_SwapHexaByte A5
expect 1 "" -- Tran_SwapHexaByte ABCD
expect 0 3D5 -- Tran_SwapBitInHexa ABC
expect 0 0100 -- Tran_IncreaseHexa 00FF 4
expect 0 FF -- Tran_DecreaseHexa 0100 0
expect 1 "" -- Tran_DecreaseHexa 0000 0
expect 0 F0 -- Tran_SetBinInHexa 1111 1 00
expect 0 FE -- Tran_SetBinInHexa 0 8 FF
expect 1 "" -- Tran_SetBinInHexa 11 8 FF
expect 0 F340 -- Tran_ShiftBitLeft ABCD 6
expect 0 02AF -- Tran_ShiftBitRight ABCD 6
expect 0 091A -- Tran_ShiftBitLeft 1234 -1
expect 0 0000 -- Tran_ShiftBitRight 1234 -32768
expect 2 "" -- Tran_ShiftBitRight 1234 32768
