/*
 * vek.h - the public interface of libvek / VEK.dll
 *
 * vek holds the basic routines of smart-card personalization data: conversion,
 * validation, comparison, arithmetic and bit logic of typed texts of any length
 * (binary, character, decimal, hexadecimal), the Luhn check digit, BER-TLV
 * extraction, random values, DES and Triple-DES, image files and DC9 files.
 *
 * The contract, shared by every function below:
 *  - Every function returns a 16-bit `short`: -1 (all bits set) for success or
 *    "true", 0 for failure or "false". No other value is returned, except by
 *    vek_LastStatus() and vek_Version().
 *  - Every function (but vek_LastStatus() and vek_Version()) sets the status
 *    register to 0 on entry and, on failure, to a negative code. vek_LastStatus()
 *    returns the status left by the most recent call. Two codes mean the same in
 *    every function: -50 the output buffer is too small, -99 internal failure.
 *    Codes -1 to -7 are numbered per function and listed with each function.
 *  - Inputs are NUL-terminated 8-bit texts; a null pointer reads as the empty
 *    text. Hexadecimal text is upper case only ('0'-'9', 'A'-'F').
 *  - Results go to a caller buffer `out` of `outSize` bytes, always written as a
 *    NUL-terminated text. `out` is first cleared to the empty text (so an
 *    `outSize` below 1 fails at once with -50 and leaves `out` untouched); a
 *    result that does not fit, NUL included, fails with -50 and leaves `out`
 *    holding the empty text.
 *  - A result length of 0 asks for the result at its natural length; 1 to 60000
 *    pads it on the left to exactly that length ('0' for binary, decimal and
 *    hexadecimal, a space for character text).
 *  - Positions at this interface count from 1.
 *  - Nothing a caller passes is kept after a call returns. The status register,
 *    the DES engine's loaded key and the random generator's state are shared by
 *    the whole process: calls must not overlap.
 */
#ifndef VEK_H
#define VEK_H

#if defined(_WIN32)
#  define VEK_CALL __stdcall
#  define VEK_API /* exports come from the module definition built from frame/exports */
#else
#  define VEK_CALL
#  define VEK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Frame
 * ------------------------------------------------------------------------ */

/*! vek_LastStatus() :
 *  @return the status register as the most recent call left it: 0, or the
 *          negative code of its failure. Reading it does not change it. */
VEK_API short VEK_CALL vek_LastStatus(void);

/*! vek_Version() :
 *  @return the interface version, 13. Does not change the status register. */
VEK_API short VEK_CALL vek_Version(void);

/* ------------------------------------------------------------------------
 * Binary strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Character strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Decimal strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Hexadecimal strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Hexadecimal transforms
 * ------------------------------------------------------------------------ */

/*! vek_Tran_SwapHexa() :
 *  Exchanges the two digits of every byte of a hexadecimal text: "1234" gives
 *  "2143". The result has the input's length.
 *  @hexa    (1) hexadecimal text of even length, 2 to 60000 digits
 *  @out     (2) receives the result
 *  @outSize (3) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal, empty or over 60000 characters;
 *          -2 `hexa` of odd length. */
VEK_API short VEK_CALL vek_Tran_SwapHexa(const char* hexa, char* out, int outSize);

/*! vek_Tran_SwapHexaByte() :
 *  Exchanges the two digits of one byte: "A5" gives "5A".
 *  @hexa    (1) two hexadecimal digits
 *  @out     (2) receives the result
 *  @outSize (3) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal or empty (a null pointer counts as empty);
 *          -2 `hexa` neither 0 nor 2 characters long (tested first). */
VEK_API short VEK_CALL vek_Tran_SwapHexaByte(const char* hexa, char* out, int outSize);

/*! vek_Tran_SwapBitInHexa() :
 *  Reverses the order of all the bits of a hexadecimal text: "12" gives "48",
 *  "ABC" gives "3D5". The result has the input's length.
 *  @hexa    (1) hexadecimal text, 1 to 60000 digits
 *  @out     (2) receives the result
 *  @outSize (3) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal, empty or over 60000 characters. */
VEK_API short VEK_CALL vek_Tran_SwapBitInHexa(const char* hexa, char* out, int outSize);

/*! vek_Tran_IncreaseHexa() :
 *  Adds 1 to a hexadecimal number: "00FF" gives "100" (no leading zeros), or
 *  "0100" with a result length of 4.
 *  @hexa         (1) hexadecimal number, 1 to 60000 digits
 *  @resultLength (2) 0 for the natural length, else the length to pad to with '0'
 *  @out          (3) receives the result
 *  @outSize      (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal or empty; -2 `resultLength` below 0 or
 *          above 60000; -3 `hexa` over 60000 characters; -4 `resultLength`
 *          shorter than the result; -5 the result would need 60001 digits. */
VEK_API short VEK_CALL vek_Tran_IncreaseHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Tran_DecreaseHexa() :
 *  Subtracts 1 from a hexadecimal number: "0100" gives "FF" (no leading zeros).
 *  @hexa         (1) hexadecimal number, 1 to 60000 digits
 *  @resultLength (2) 0 for the natural length, else the length to pad to with '0'
 *  @out          (3) receives the result
 *  @outSize      (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal or empty; -2 `resultLength` below 0 or
 *          above 60000; -3 `hexa` over 60000 characters; -4 `resultLength`
 *          shorter than the result; -5 `hexa` is zero. */
VEK_API short VEK_CALL vek_Tran_DecreaseHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Tran_SetBinInHexa() :
 *  Overwrites bits of a hexadecimal text with the bits of a binary text, from a
 *  bit position on (1 is the most significant bit of the first digit): bits
 *  "1111" at position 1 of "00" give "F0". The result has the length of `hexa`.
 *  @bin      (1) binary text ('0'/'1'), 1 to 60000 bits; built first
 *  @position (2) bit position of the first bit written, from 1
 *  @hexa     (3) hexadecimal text, 1 to 60000 digits
 *  @out      (4) receives the result
 *  @outSize  (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `bin` not binary or empty; -2 `position` below 1, above 240000
 *          or beyond the last bit of `hexa`; -3 `hexa` not hexadecimal, empty
 *          or over 60000 characters; -4 `bin` over 60000 characters;
 *          -5 the bits run past the end of `hexa`. */
VEK_API short VEK_CALL vek_Tran_SetBinInHexa(const char* bin, int position, const char* hexa, char* out,
                                             int outSize);

/*! vek_Tran_ShiftBitLeft() :
 *  Shifts the bits of a hexadecimal text toward its first digit; zeros come in
 *  at the end and the length is kept: "1234" by 4 gives "2340", by 1 "2468".
 *  A negative count shifts right by its magnitude.
 *  @hexa    (1) hexadecimal text, 1 to 60000 digits
 *  @count   (2) number of bit places
 *  @out     (3) receives the result
 *  @outSize (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal; -2 `hexa` empty;
 *          -3 `hexa` over 60000 characters. */
VEK_API short VEK_CALL vek_Tran_ShiftBitLeft(const char* hexa, short count, char* out, int outSize);

/*! vek_Tran_ShiftBitRight() :
 *  Shifts the bits of a hexadecimal text toward its last digit; zeros come in
 *  at the front and the length is kept: "1234" by 4 gives "0123", by 1 "091A".
 *  A negative count shifts left by its magnitude.
 *  @hexa    (1) hexadecimal text, 1 to 60000 digits
 *  @count   (2) number of bit places
 *  @out     (3) receives the result
 *  @outSize (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal; -2 `hexa` empty;
 *          -3 `hexa` over 60000 characters. */
VEK_API short VEK_CALL vek_Tran_ShiftBitRight(const char* hexa, short count, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Hexadecimal arithmetic and logic
 * ------------------------------------------------------------------------ */

/*! vek_Calc_AddHexaToHexa() :
 *  Adds two hexadecimal numbers of any length: "FFFF" + "1" gives "10000". The
 *  sum has no leading zeros unless padded by `resultLength`.
 *  @a            (1) hexadecimal number, 1 to 60000 digits
 *  @b            (2) hexadecimal number, 1 to 60000 digits
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the sum
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `a` not hexadecimal, empty or over 60000 characters; -2 the same
 *          for `b`; -3 `resultLength` below 0 or above 60000; -4 `resultLength`
 *          shorter than the sum; -5 the sum would need 60001 digits. */
VEK_API short VEK_CALL vek_Calc_AddHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                              int outSize);

/*! vek_Calc_SubstractHexaToHexa() :
 *  Subtracts `b` from `a`: "0100" - "FF" gives "1". Leading zeros do not count:
 *  "10" - "005" gives "B". The difference has no leading zeros unless padded.
 *  @a            (1) hexadecimal number, 1 to 60000 digits
 *  @b            (2) hexadecimal number, 1 to 60000 digits
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the difference
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `a` not hexadecimal, empty or over 60000 characters; -2 the same
 *          for `b`; -3 `resultLength` below 0 or above 60000; -4 `resultLength`
 *          shorter than the difference; -5 `b` is greater than `a`. */
VEK_API short VEK_CALL vek_Calc_SubstractHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                                    int outSize);

/*! vek_Calc_AddDecToHexa() :
 *  Adds a decimal number to a hexadecimal one, in hexadecimal: "FF" + "1" gives
 *  "100".
 *  @hexa         (1) hexadecimal number, 1 to 60000 digits
 *  @dec          (2) decimal number up to 18446744073709551615; built first
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the sum
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `dec` not decimal, empty or over 60000 characters; -2 `hexa` not
 *          hexadecimal, empty or over 60000 characters; -3 `resultLength` below
 *          0 or above 60000; -4 `resultLength` shorter than the sum; -5 `dec`
 *          above 2^64 - 1; -6 the sum would need 60001 digits. */
VEK_API short VEK_CALL vek_Calc_AddDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                             int outSize);

/*! vek_Calc_SubstractDecToHexa() :
 *  Subtracts a decimal number from a hexadecimal one, in hexadecimal: "100" -
 *  "1" gives "FF".
 *  @hexa         (1) hexadecimal number, 1 to 60000 digits
 *  @dec          (2) decimal number up to 18446744073709551615; built first
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the difference
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `dec` not decimal, empty or over 60000 characters; -2 `hexa` not
 *          hexadecimal, empty or over 60000 characters; -3 `resultLength` below
 *          0 or above 60000; -4 `resultLength` shorter than the difference;
 *          -5 `dec` above 2^64 - 1; -6 `dec` is greater than `hexa`. */
VEK_API short VEK_CALL vek_Calc_SubstractDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                                   int outSize);

/*! vek_Calc_XorHexa() :
 *  Digit-wise XOR of two hexadecimal texts of the same even length: "0F" and
 *  "F0" give "FF". The result keeps the operands' length, leading zeros included.
 *  @a            (1) hexadecimal text of even length, 2 to 60000 digits
 *  @b            (2) hexadecimal text of the length of `a`
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the result
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `a` not hexadecimal or empty; -2 `b` not hexadecimal or empty;
 *          -3 `a` and `b` of different lengths; -4 `a` of odd length;
 *          -5 `a` or `b` over 60000 characters; -6 `resultLength` below 0 or
 *          above 60000; -7 `resultLength` shorter than the result. */
VEK_API short VEK_CALL vek_Calc_XorHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_AndHexa() :
 *  Digit-wise AND of two hexadecimal texts of the same even length: "0F" and
 *  "F0" give "00". The result keeps the operands' length, leading zeros included.
 *  @a            (1) hexadecimal text of even length, 2 to 60000 digits
 *  @b            (2) hexadecimal text of the length of `a`
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the result
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `a` not hexadecimal or empty; -2 `b` not hexadecimal or empty;
 *          -3 `a` and `b` of different lengths; -4 `a` of odd length;
 *          -5 `a` or `b` over 60000 characters; -6 `resultLength` below 0 or
 *          above 60000; -7 `resultLength` shorter than the result. */
VEK_API short VEK_CALL vek_Calc_AndHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_OrHexa() :
 *  Digit-wise OR of two hexadecimal texts of the same even length: "A0" and
 *  "05" give "A5". The result keeps the operands' length, leading zeros included.
 *  @a            (1) hexadecimal text of even length, 2 to 60000 digits
 *  @b            (2) hexadecimal text of the length of `a`
 *  @resultLength (3) 0 for the natural length, else the length to pad to with '0'
 *  @out          (4) receives the result
 *  @outSize      (5) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `a` not hexadecimal or empty; -2 `b` not hexadecimal or empty;
 *          -3 `a` and `b` of different lengths; -4 `a` of odd length;
 *          -5 `a` or `b` over 60000 characters; -6 `resultLength` below 0 or
 *          above 60000; -7 `resultLength` shorter than the result. */
VEK_API short VEK_CALL vek_Calc_OrHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_ComplementHexa() :
 *  Replaces every digit d by 15 - d (all bits inverted): "0F" gives "F0". The
 *  result keeps the input's length.
 *  @hexa         (1) hexadecimal text, 1 to 60000 digits
 *  @resultLength (2) 0 for the natural length, else the length to pad to with '0'
 *  @out          (3) receives the result
 *  @outSize      (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal or empty; -2 `resultLength` below 0 or
 *          above 60000; -3 `hexa` over 60000 characters; -4 `resultLength`
 *          shorter than the result. */
VEK_API short VEK_CALL vek_Calc_ComplementHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Calc_ChecksumHexa() :
 *  XOR of the consecutive blocks of `blockLength` digits of a hexadecimal text:
 *  "1122334455667788" with blocks of 4 gives "0088". The result has
 *  `blockLength` digits, leading zeros included.
 *  @hexa        (1) hexadecimal text, a multiple of `blockLength` digits
 *  @blockLength (2) block length in digits, 1 to 30000
 *  @out         (3) receives the checksum
 *  @outSize     (4) size of `out` in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal; -2 `hexa` empty or over 60000 characters;
 *          -3 `blockLength` below 1 or above 30000; -4 the length of `hexa` is
 *          not a multiple of `blockLength`. */
VEK_API short VEK_CALL vek_Calc_ChecksumHexa(const char* hexa, int blockLength, char* out, int outSize);

/*! vek_Calc_CountBits() :
 *  Counts the one bits of a hexadecimal text, or its zero bits when `mode` is 0:
 *  "F0" has 4 of each.
 *  @hexa  (1) hexadecimal text, 1 to 60000 digits
 *  @mode  (2) 0 to count zero bits, any other value to count one bits
 *  @count (3) receives the count (not written on failure)
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 `hexa` not hexadecimal, empty or over 60000 characters. */
VEK_API short VEK_CALL vek_Calc_CountBits(const char* hexa, short mode, int* count);

/* ------------------------------------------------------------------------
 * BER-TLV extraction
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Character arrays
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Random values
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Triple-DES and image encryption
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Image file header
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Image files
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * DC9 files
 * ------------------------------------------------------------------------ */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEK_H */
