# BER-TLV extraction on card data (sourced by scripts/demo.sh).
echo
echo "# BER-TLV: a READ RECORD response (template 70) of an EMV card: PAN, dates,"
echo "# usage control, CVM list, issuer action codes, country, service code, name."
record=70615A0847617390010100105F24032512315F25032001015F3401019F0702FF008E0C000000000000000042031F039F0D05F0400088009F0E0500100000009F0F05F0400098005F280208405F300202015F200F4A4F484E20534D4954482F4D522020
show Tran_ExtractTLV 70 5A "" "$record"
show Tran_ExtractTLV 70 5F24 "" "$record"
show Tran_ExtractTLV 70 9F07 "" "$record"
show Tran_ExtractTLV 70 8E "" "$record"
show Tran_ExtractTLV 70 5F20 "" "$record"
echo "# A SELECT response (FCI template 6F): three levels down to the log entry."
show Tran_ExtractTLV 6F A5 BF0C 6F1C8407A0000000031010A511500456495341870101BF0C059F4D020B0A
echo "# A GENERATE AC response (template 77): the application transaction counter."
show Tran_ExtractTLV 77 9F36 "" 77109F2701809F360200279F2608C2A1F0B3D4E5F607
echo "# An element that is not in the record (status -7), and a tag in lower case (status -1)."
show Tran_ExtractTLV 70 9F08 "" "$record"
show Tran_ExtractTLV 70 5f24 "" "$record"
echo "# The whole record as a tree, each tag named from the EMV dictionary."
show tlv "$record"
echo "# Data cut short: what came before is shown, then the fault with its offset."
show tlv 9F3602002777109F2701809F2608C2A1F0
