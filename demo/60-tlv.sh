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
echo "# A SELECT PPSE response as a card trace shows it: names, text beside the"
echo "# hexadecimal, and the status word after the elements."
show tlv 6F3C840E325041592E5359532E4444463031A52ABF0C2761254F07A000000004101050104465626974204D6173746572436172648701019F0A04000101019000
echo "# A GET PROCESSING OPTIONS response in format 1: split into the AIP and the AFL."
show tlv '800A 1C00 08010300 10010100 9000'
echo "# FF bytes: the contactless template FF8105 is a tag, a card's padding is filler."
show tlv FF8105049F270180
show tlv 700C5F340101FFFFFF9F57020840
echo "# Personalization data as DGIs: a record opened, keys shown as a value only."
show dgi '0101 12 7010 5A081122334455667788 5F2403240331  8000 10 00112233445566778899AABBCCDDEEFF'
