# Image file headers and image files (sourced by tests/cli_test.sh).
expect 0 "LOT 17/TYPE B/COUNT 3" -- Tran_SetFieldInImageFileHeader "  LOT 17/TYPE TEST A/COUNT  3/" TYPE B
expect 0 "LOT 17" -- Tran_SetFieldInImageFileHeader "" LOT 17
expect 1 "" -- Tran_SetFieldInImageFileHeader "LOT 17" TYPE "A/B"
expect 0 "3" -- Tran_GetFieldInImageFileHeader "LOT 17/COUNT 3" COUNT
expect 1 "" -- Tran_GetFieldInImageFileHeader "LOT 17" lot
expect 0 "X 2" -- Tran_RemoveFieldInImageFileHeader "X 1/X 2" X
expect 0 "" -- Tran_RemoveFieldInImageFileHeader "LOT 17" LOT
expect 2 "" -- Tran_GetFieldInImageFileHeader "LOT 17"
"$vek" Tran_GetFieldInImageFileHeader NAME LOT 2>&1 | grep -q 'status -1: header text does not parse' ||
    { echo "FAIL: Tran_GetFieldInImageFileHeader status message"; fails=$((fails + 1)); }

# A batch built, read, searched and encrypted from the shell.
imgdir=$(mktemp -d)
batch="$imgdir/batch.img"
expect 0 "" -- File_AppendImageFileHeader "$batch" "  LOT 17/COUNT 3/"
expect 1 "" -- File_AppendImageFileHeader "$batch" "LOT 18"
expect 0 "" -- File_AppendImage "$batch" 00001000A1B2C3D4E5F60718AABBCCDD
expect 0 "" -- File_AppendImage "$batch" 00001001B1C2D3E4F5061728AABBCCDD
expect 0 "" -- File_AppendImage "$batch" 0000100299AABBCCDDEEFF00AABBCCDD
expect 1 "" -- File_AppendImage "$batch" 00001003b1
[ "$(od -An -c "$batch" | tr -d ' \n')" = "LOT17/COUNT3\\r\\n00001000A1B2C3D4E5F60718AABBCCDD\\r\\n00001001B1C2D3E4F5061728AABBCCDD\\r\\n0000100299AABBCCDDEEFF00AABBCCDD\\r\\n" ] ||
    { echo "FAIL: File_AppendImage bytes"; fails=$((fails + 1)); }
expect 0 "LOT 17/COUNT 3" -- File_ExtractImageByIndex "$batch" -3 1
expect 0 00001001B1C2D3E4F5061728AABBCCDD -- File_ExtractImageByIndex "$batch" 2 1
expect 1 "" -- File_ExtractImageByIndex "$batch" 4 1
expect 0 0000100299AABBCCDDEEFF00AABBCCDD -- File_ExtractImageByDecField "$batch" 1 1 00001002 ""
expect 0 0000100299AABBCCDDEEFF00AABBCCDD -- File_ExtractImageByHexaField "$batch" 1 1 00001002 ""
expect 1 "" -- File_ExtractImageByDecField "$batch" 1 1 00001003 ""
expect 0 00001001B1C2D3E4F5061728AABBCCDD -- File_ExtractImageByFieldWithNonSeqSearch "$batch" 1 9 B1C2 ""
expect 1 "" -- File_ExtractImageByFieldNonSeqGetNb "$batch" 1 25 AABB ""
"$vek" File_ExtractImageByFieldNonSeqGetNb "$batch" 1 25 AABB "" 2>&1 | grep -q '3 matching records' ||
    { echo "FAIL: File_ExtractImageByFieldNonSeqGetNb count"; fails=$((fails + 1)); }
expect 0 "" -- File_DecryptOrEncryptImageFile "$batch" "$imgdir/enc.img" 1 1 133457799BBCDFF1 ""
expect 1 "" -- File_DecryptOrEncryptImageFile "$batch" "$imgdir/enc.img" 1 1 133457799BBCDFF1 ""
expect 0 00001001B1C2D3E4F5061728AABBCCDD -- File_ExtractImageByDecField "$imgdir/enc.img" 1 1 00001001 133457799BBCDFF1
expect 0 "" -- File_DecryptOrEncryptImageFile "$imgdir/enc.img" "$imgdir/dec.img" 1 0 133457799BBCDFF1 "LOT 17/COUNT 3"
cmp -s "$batch" "$imgdir/dec.img" || { echo "FAIL: File_DecryptOrEncryptImageFile round trip"; fails=$((fails + 1)); }
"$vek" File_DecryptOrEncryptImageFile "$batch" "$imgdir/x.img" 1 2 133457799BBCDFF1 "" 2>&1 |
    grep -q 'status -6: mode neither 0 nor 1' || { echo "FAIL: File_DecryptOrEncryptImageFile message"; fails=$((fails + 1)); }
expect 2 "" -- File_ExtractImageByIndex "$batch" 1

# A FIFO or a device is no file: refused at once, never waited on or read
# forever (the time limit makes a regression fail instead of hang).
fifo="$imgdir/fifo"
if mkfifo "$fifo" 2>/dev/null; then
    for call in "File_ExtractImageByIndex $fifo 1 0" "File_AppendImage $fifo 00AB" \
                "File_DecryptOrEncryptImageFile $batch $fifo 1 1 133457799BBCDFF1 -" \
                "File_DC9InitDescription $fifo 0D0A 0" "File_ExtractImageByIndex /dev/zero 1 0"; do
        status=0
        # shellcheck disable=SC2086 # the call's words
        echo "" | timeout 10 "$vek" $call >/dev/null 2>&1 || status=$?
        [ "$status" = 1 ] || { echo "FAIL: $call: exit $status, not 1"; fails=$((fails + 1)); }
    done
fi
rm -rf "$imgdir"
