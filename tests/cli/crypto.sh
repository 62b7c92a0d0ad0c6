# Triple-DES and image encryption (sourced by tests/cli_test.sh).
expect 0 85E813540F0AB40585E813540F0AB405 -- Tran_DecryptOrEncryptImage 0123456789ABCDEF0123456789ABCDEF 1 133457799BBCDFF1
expect 0 0123456789ABCDEF -- Tran_DecryptOrEncryptImage 85E813540F0AB405 0 133457799BBCDFF1
expect 1 "" -- Tran_DecryptOrEncryptImage 0123456789ABCDE 1 133457799BBCDFF1
expect 1 "" -- Tran_DecryptOrEncryptImage 0123456789ABCDEF 2 133457799BBCDFF1
expect 0 B7835779EE26ACB7 -- Calc_TripleDES 0123456789ABCDEF23456789ABCDEF01 4E6F772069732074 1
expect 0 4E6F772069732074 -- Calc_TripleDES 0123456789ABCDEF23456789ABCDEF01 B7835779EE26ACB7 0
expect 1 "" -- Calc_TripleDES 0123456789ABCDEF23456789ABCDEF01 4E6F772069732074 5
expect 0 "" -- Tran_InitDES 1 133457799BBCDFF1 0
expect 1 "" -- Tran_InitDES 1 133457799BBCDF 0
# A fresh process: the all-zero key, or the key given to load first.
expect 0 8CA64DE9C1B123A7 -- Tran_CalDES_Fast 0000000000000000 1 0
expect 0 85E813540F0AB405 -- Tran_CalDES_Fast 0123456789ABCDEF 1 0 133457799BBCDFF1
expect 1 "" -- Tran_CalDES_Fast 0123456789ABCDEF 1 1 133457799BBCDFF1
# A key that vek_Tran_InitDES refuses is a failure of the function (exit 1), with its own status.
expect 1 "" -- Tran_CalDES_Fast 0123456789ABCDEF 1 0 1334
expect 1 "" -- Tran_CalDES_Fast 0123456789ABCDEF 1 0 G
"$vek" Tran_CalDES_Fast 0123456789ABCDEF 1 0 1334 2>&1 | grep -q 'vek_Tran_InitDES failed: status -4: ' ||
    { echo "FAIL: Tran_CalDES_Fast refused key message"; fails=$((fails + 1)); }
"$vek" Tran_CalDES_Fast 0123456789ABCDEF 1 0 G 2>&1 | grep -q 'vek_Tran_InitDES failed: status -99: ' ||
    { echo "FAIL: Tran_CalDES_Fast invalid key message"; fails=$((fails + 1)); }
expect 2 "" -- Tran_CalDES_Fast 0123456789ABCDEF 1
"$vek" Tran_CalDES_Fast 0123456789ABCDEF 7 0 2>&1 | grep -q 'status -4: mode neither 0 nor 1' ||
    { echo "FAIL: Tran_CalDES_Fast status message"; fails=$((fails + 1)); }
