# DC9 record files (sourced by scripts/demo.sh).
echo
echo "# A DC9 batch of two parts: a file-mark record, then data records, each"
echo "# carrying its search key after the code byte 0x1D and its image between"
echo "# #SMC# and #END# (28 prefix bytes, the flag 0 for plain, the digits); CR LF"
echo "# ends every record."
dc9dir=$(mktemp -d)
dc9="$dc9dir/batch.dc9"
dc9_record() {  # card number, image digits
  printf 'DR\035CARD%022d#SMC#PREFIX-OF-28-BYTES--%08d0%s#END#\r\n' "$1" "$1" "$2"
}
{
  printf 'FILEMK\\\\BATCH 1 MACHINE A\r\n'
  dc9_record 1001 5F2A0209785F3401019F0702FF009F0D
  dc9_record 1002 5F2A0209785F3401019F0702FF009F0E
  dc9_record 1003 5F2A0209785F3401019F0702FF009F0F
  printf 'FILEMK\\\\BATCH 2 MACHINE B\r\n'
  dc9_record 2001 9F0D05F00000000000009F0E0500000000000000000000FF
  dc9_record 2002 9F0D05F00000000000009F0E0500000000000000000001FF
} >"$dc9"
echo "# Its description: one row per part (FIR)"
show File_DC9InitDescription "$dc9" 0D0A 0
echo "# The file summarized: its layout, found from its first records, and its parts"
show info "$dc9"
echo "# The second record of the whole file, and the last record of part 2"
show File_DC9ExtractImageByIndex "$dc9" 0D0A 0 0 2
show File_DC9ExtractImageByIndex "$dc9" 0D0A 0 2 -2
echo "# The image of card 2001, found by its search key"
show File_DC9ExtractImageBySearchKey "$dc9" 0D0A 0 0 29 CARD0000000000000000002001
echo "# An encrypted copy for transport, its first image, and the copy decrypted again"
show File_DC9DecryptOrEncryptImageFile "$dc9" 0D0A 0 "$dc9dir/encrypted.dc9" 1 2315208C9110AD40
show File_DC9ExtractImageByIndex "$dc9dir/encrypted.dc9" 0D0A 0 1 1
show File_DC9DecryptOrEncryptImageFile "$dc9dir/encrypted.dc9" 0D0A 0 "$dc9dir/decrypted.dc9" 0 2315208C9110AD40
cmp "$dc9" "$dc9dir/decrypted.dc9" && echo "# (the decrypted copy is the batch again, byte for byte)"
echo "# A copy is never written over a file with content"
show File_DC9DecryptOrEncryptImageFile "$dc9" 0D0A 0 "$dc9dir/encrypted.dc9" 1 2315208C9110AD40
echo "# A part asked for that the batch does not have"
show File_DC9ExtractImageByIndex "$dc9" 0D0A 0 3 1
rm -rf "$dc9dir"
