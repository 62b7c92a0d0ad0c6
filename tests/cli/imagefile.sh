# Image file headers and image files (sourced by tests/cli_test.sh).
expect 0 "LOT 17/TYPE B/COUNT 3" -- Tran_SetFieldInImageFileHeader "  LOT 17/TYPE TEST A/COUNT  3/" TYPE B
expect 0 "LOT 17" -- Tran_SetFieldInImageFileHeader "" LOT 17
expect 1 "" -- Tran_SetFieldInImageFileHeader "LOT 17" TYPE "A/B"
expect 0 "3" -- Tran_GetFieldInImageFileHeader "LOT 17/COUNT 3" COUNT
expect 1 "" -- Tran_GetFieldInImageFileHeader "LOT 17" lot
expect 0 "X 2" -- Tran_RemoveFieldInImageFileHeader "X 1/X 2" X
expect 0 "" -- Tran_RemoveFieldInImageFileHeader "LOT 17" LOT
expect 2 "" -- Tran_GetFieldInImageFileHeader "LOT 17"
"$vek" Tran_GetFieldInImageFileHeader NAME LOT 2>&1 | grep -q 'status -1: the header text does not parse' ||
    { echo "FAIL: Tran_GetFieldInImageFileHeader status message"; fails=$((fails + 1)); }
