# Data preparation for one card (sourced by scripts/demo.sh): its ICC master
# keys from the issuer's, their check values, its record as TLV inside a DGI,
# a secret DGI encrypted for transport, its CVV and a PIN block.
echo
echo "# Data preparation: issuer master keys (AC, SMI, SMC), a card with PAN 5413330089020011,"
echo "# PAN sequence number 01, expiring 12/27 (test keys, never real ones)."
imk_ac=0123456789ABCDEFFEDCBA9876543210
imk_smi=89ABCDEF01234567F0E1D2C3B4A59687
imk_smc=1F2E3D4C5B6A798897A6B5C4D3E2F101
pan=5413330089020011
echo "# Each ICC master key (EMV option A for this 16-digit PAN) and its check value."
for imk in $imk_ac $imk_smi $imk_smc; do
  show Calc_DeriveICCMasterKey "$imk" "$pan" 01 0
  show Calc_KeyCheckValue "$("$vek" Calc_DeriveICCMasterKey "$imk" "$pan" 01 0)" 0
done
mk_ac=$("$vek" Calc_DeriveICCMasterKey "$imk_ac" "$pan" 01 0)
mk_smi=$("$vek" Calc_DeriveICCMasterKey "$imk_smi" "$pan" 01 0)
mk_smc=$("$vek" Calc_DeriveICCMasterKey "$imk_smc" "$pan" 01 0)
echo "# The card's record 1 of SFI 1: PAN, expiry date and PAN sequence number in template 70."
show Tran_BuildTLV 5A "$pan"
show Tran_BuildTLV 5F24 271231
elements="$("$vek" Tran_BuildTLV 5A "$pan")$("$vek" Tran_BuildTLV 5F24 271231)$("$vek" Tran_BuildTLV 5F34 01)"
show Tran_BuildTLV 70 "$elements"
record=$("$vek" Tran_BuildTLV 70 "$elements")
show Tran_BuildDGI 0101 "$record"
echo "# The three master keys as DGI 8000, encrypted under a two-key transport key"
echo "# (Triple-DES ECB) for the personalization device, and the transport key's check value."
transport=404142434445464748494A4B4C4D4E4F
show Calc_TripleDESData "$transport" "$mk_ac$mk_smi$mk_smc" 1 0 ""
secret=$("$vek" Calc_TripleDESData "$transport" "$mk_ac$mk_smi$mk_smc" 1 0 "")
show Calc_KeyCheckValue "$transport" 0
echo "# Both DGIs, as the personalization file carries them, read back."
show dgi "$("$vek" Tran_BuildDGI 0101 "$record")$("$vek" Tran_BuildDGI 8000 "$secret")"
echo "# The CVV of the stripe (service code 201), the iCVV (999) and the CVV2 (000)."
cvk=0123456789ABCDEFFEDCBA9876543210
show Calc_CardVerificationValue "$cvk" "$pan" 2712 201
show Calc_CardVerificationValue "$cvk" "$pan" 2712 999
show Calc_CardVerificationValue "$cvk" "$pan" 2712 000
echo "# A PIN block for the PIN mailer: format 0 is fixed, format 3 has a random fill;"
echo "# both read back to the PIN."
show Calc_PINBlock 0 4321 "$pan"
show Conv_PINBlockToPIN 0 "$("$vek" Calc_PINBlock 0 4321 "$pan")" "$pan"
block3=$("$vek" Calc_PINBlock 3 4321 "$pan")
echo "\$ vek Calc_PINBlock 3 4321 $pan"
echo "$block3"
show Conv_PINBlockToPIN 3 "$block3" "$pan"
echo "# A MAC (ISO/IEC 9797-1 algorithm 3) over the record under the SMI master key."
show Calc_MAC "$mk_smi" "$record" 3 2
