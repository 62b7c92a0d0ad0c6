# Triple-DES and image encryption (sourced by scripts/demo.sh).
echo
echo "# A card image of three 8-byte blocks, encrypted under a transport key and back"
show Tran_DecryptOrEncryptImage 5F2A0209785F3401019F0702FF009F0D05F0000000000000 1 2315208C9110AD40
show Tran_DecryptOrEncryptImage 7DA8D615456B19E9E6E5BE7CE97428AB2510A75F537F1D85 0 2315208C9110AD40
echo "# The same with the key given to Tran_CalDES_Fast (loaded once with vek_Tran_InitDES)"
show Tran_CalDES_Fast 5F2A0209785F3401019F0702FF009F0D05F0000000000000 1 0 2315208C9110AD40
echo "# A session key under a two-key Triple-DES master key, and back"
show Calc_TripleDES 404142434445464748494A4B4C4D4E4F 0011223344556677 1
show Calc_TripleDES 404142434445464748494A4B4C4D4E4F 6260E7C6A3E3376E 0
echo "# An image that is not a whole number of blocks"
show Tran_DecryptOrEncryptImage 5F2A0209785F340101 1 2315208C9110AD40
