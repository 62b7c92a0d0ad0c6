# Image files (sourced by scripts/demo.sh): a personalization batch generated,
# read, searched, extended and encrypted.
echo
echo "# A batch of 12 card images, 64 digits each, after a header line of job fields:"
echo "#   digits  1-8   serial number (decimal, consecutive)"
echo "#   digits  9-28  ICCID, 19 digits nibble-swapped with an F filler (consecutive)"
echo "#   digits 29-44  PAN (16 digits with their Luhn digit, two card ranges mixed)"
echo "#   digits 45-64  card data"
imgdir=$(mktemp -d)
batch="$imgdir/batch-118.img"
show File_AppendImageFileHeader "$batch" "JOB PERSO-118/PROFILE DUAL-EMV/LOT 17/COUNT 12"
# The records: the PAN's check digit from Calc_LuhnKey, the ICCID swapped by
# Tran_SwapCharInPairs, both through the vek command itself.
record() {  # record INDEX
  serial=$((20260000 + $1))
  iccid="89441100680000$((10000 + $1))"
  if [ $(($1 % 3)) = 0 ]; then bin=535522; else bin=497010; fi
  body="$bin$(printf '%09d' $((130000017 * ($1 + 7) % 1000000000)))"
  pan="$body$("$vek" Calc_LuhnKey "$body")"
  swapped=$("$vek" Tran_SwapCharInPairs "${iccid}F")
  data=$(printf '2812201%013X' $((0x5A17 * ($1 + 3) * 7919)))
  echo "$serial$swapped$pan$data"
}
show File_AppendImage "$batch" "$(record 0)"
for k in 1 2 3 4 5 6 7 8 9 10 11; do "$vek" File_AppendImage "$batch" "$(record "$k")"; done
echo "# (11 more records appended the same way)"
echo "# The file itself: CR LF line ends on every platform"
head -c 130 "$batch" | od -c | head -4

echo
echo "# The header line, and its fields read and changed"
show File_ExtractImageByIndex "$batch" -3 1
header=$("$vek" File_ExtractImageByIndex "$batch" -3 1)
show Tran_GetFieldInImageFileHeader "$header" LOT
show Tran_SetFieldInImageFileHeader "$header" STATUS ENCRYPTED
show Tran_RemoveFieldInImageFileHeader "$header" PROFILE
show Tran_GetFieldInImageFileHeader "$header" OPERATOR

echo
echo "# The file summarized: its header fields, record length and count, first and last records"
show info "$batch"

echo
echo "# Records by index: the 5th, the last"
show File_ExtractImageByIndex "$batch" 5 1
show File_ExtractImageByIndex "$batch" -2 1
echo "# By serial number (decimal field at 1): three records read, whatever the batch size"
show File_ExtractImageByDecField "$batch" 1 1 20260007 ""
echo "# By ICCID (swapped decimal field at 9, 19 digits: the F filler is not compared)"
show File_ExtractImageBySwapDecField "$batch" 1 9 8944110068000010009 ""
echo "# A serial outside the batch"
show File_ExtractImageByDecField "$batch" 1 1 20260099 ""
echo "# By PAN range, scanning every record: the first card of range 535522, then the count"
show File_ExtractImageByFieldWithNonSeqSearch "$batch" 1 29 535522 ""
show File_ExtractImageByFieldNonSeqGetNb "$batch" 1 29 535522 ""
echo "# One record more, at the end"
show File_AppendImage "$batch" "$(record 12)"
show File_ExtractImageByIndex "$batch" 13 1

echo
echo "# The whole batch encrypted under a transport key, with a new header line"
key=2315208C9110AD40
show File_DecryptOrEncryptImageFile "$batch" "$imgdir/batch-118.enc" 1 1 "$key" \
  "JOB PERSO-118/LOT 17/COUNT 13/STATUS ENCRYPTED"
show File_ExtractImageByIndex "$imgdir/batch-118.enc" -3 1
show File_ExtractImageByIndex "$imgdir/batch-118.enc" 8 1
echo "# The serial searched in the encrypted copy: records decrypted with the key as they are read"
show File_ExtractImageByDecField "$imgdir/batch-118.enc" 1 1 20260007 "$key"
echo "# The encrypted copy is never overwritten"
show File_DecryptOrEncryptImageFile "$batch" "$imgdir/batch-118.enc" 1 1 "$key" ""
rm -rf "$imgdir"
