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

/*! vek_Conv_DecToBin() :
 *  Writes the bits of an unsigned decimal number (0 to 18446744073709551615,
 *  leading zeros allowed) as '0'/'1' text without leading zeros (0 is "0").
 *  @dec     the decimal text, 1 to 60000 characters '0'-'9'.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @out     the caller's buffer of @outSize bytes.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not decimal or empty; -2 @length below 0 or above 60000;
 *          -3 @length shorter than the result; -4 text longer than 60000
 *          characters, or a number above 2^64 - 1. */
VEK_API short VEK_CALL vek_Conv_DecToBin(const char* dec, int length, char* out, int outSize);

/*! vek_Conv_HexaToBin() :
 *  Writes the bits of a hexadecimal number as '0'/'1' text without leading
 *  zeros (0 is "0"), 4 bits a digit.
 *  @hexa    upper-case hexadecimal text, 1 to 60000 characters; at most 15000
 *           digits after its leading zeros.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not hexadecimal or empty; -2 @length below 0 or above 60000;
 *          -3 text longer than 60000 characters; -4 @length shorter than the
 *          result; -5 more than 15000 significant digits. */
VEK_API short VEK_CALL vek_Conv_HexaToBin(const char* hexa, int length, char* out, int outSize);

/*! vek_Conv_CharToBin() :
 *  Writes every character of @text as its 8 bits, most significant first.
 *  @text    1 to 7500 characters of any value.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 empty, or longer than 7500 characters. */
VEK_API short VEK_CALL vek_Conv_CharToBin(const char* text, char* out, int outSize);

/*! vek_Veri_IsBin() :
 *  Tells whether @text is binary: 1 to 60000 characters '0' and '1'.
 *  @return -1 (true) when it is; 0 otherwise, then vek_LastStatus():
 *          -1 empty; -2 longer than 60000 characters; -3 a character other
 *          than '0' or '1' (the "false" answer). */
VEK_API short VEK_CALL vek_Veri_IsBin(const char* text);

/*! vek_Tran_SetBinInBin() :
 *  Overwrites the bits of @target from @position on with the bits of @piece;
 *  the result has the target's length (leading zeros kept).
 *  @target    binary text, 1 to 60000 characters (checked first).
 *  @position  the first bit to overwrite, counting from 1 (the first character).
 *  @piece     binary text, 1 to 60000 characters, ending within the target.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 @piece not binary; -2 @piece empty or longer than 60000;
 *          -3 @position below 1 or above 60000; -4 @position past the target's
 *          end; -5 @target not binary; -6 @target empty or longer than 60000;
 *          -7 @piece runs past the target's end. */
VEK_API short VEK_CALL vek_Tran_SetBinInBin(const char* target, int position, const char* piece, char* out,
                                            int outSize);

/*! vek_Tran_GetBinInBin() :
 *  Writes the @length bits of @bin from @position on.
 *  @bin       binary text, 1 to 60000 characters.
 *  @position  the first bit, counting from 1.
 *  @length    the number of bits, 1 to 60000, ending within @bin.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not binary; -2 empty or longer than 60000 characters;
 *          -3 @position below 1 or above 60000; -4 @position past the end;
 *          -5 @length below 1 or above 60000; -6 the run passes the end. */
VEK_API short VEK_CALL vek_Tran_GetBinInBin(const char* bin, int position, int length, char* out, int outSize);

/*! vek_Tran_ReverseBin() :
 *  Writes the bits of @bin in reverse order (leading zeros become trailing).
 *  @bin  binary text, 1 to 60000 characters.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not binary; -2 empty or longer than 60000 characters. */
VEK_API short VEK_CALL vek_Tran_ReverseBin(const char* bin, char* out, int outSize);

/*! vek_Calc_ORBinary(), vek_Calc_ANDBinary(), vek_Calc_XORBinary() :
 *  Bitwise OR, AND and XOR of two texts of equal length, character by
 *  character: '1' is a 1 bit, any other character a 0 bit (the texts are not
 *  validated). Two empty texts give the empty text.
 *  @out  a buffer of at least strlen(@a) + 1 bytes. There is no size parameter,
 *        and @out is not cleared first: on failure it is left as it was.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 @a, @b or @out is a null pointer; -2 @a and @b differ in length. */
VEK_API short VEK_CALL vek_Calc_ORBinary(const char* a, const char* b, char* out);
VEK_API short VEK_CALL vek_Calc_ANDBinary(const char* a, const char* b, char* out);
VEK_API short VEK_CALL vek_Calc_XORBinary(const char* a, const char* b, char* out);

/* ------------------------------------------------------------------------
 * Character strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Decimal strings
 * ------------------------------------------------------------------------ */

/*! vek_Conv_HexaToDec() :
 *  Writes a hexadecimal number of up to 64 bits as unsigned decimal without
 *  leading zeros (0 is "0").
 *  @hexa    upper-case hexadecimal text, 1 to 60000 characters; at most 16
 *           digits after its leading zeros.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @out     the caller's buffer of @outSize bytes.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not hexadecimal or empty; -2 @length below 0 or above 60000;
 *          -3 @length shorter than the result; -4 text longer than 60000
 *          characters, or more than 16 significant digits. */
VEK_API short VEK_CALL vek_Conv_HexaToDec(const char* hexa, int length, char* out, int outSize);

/*! vek_Conv_BinToDec() :
 *  Writes a binary number of up to 64 bits as unsigned decimal without leading
 *  zeros (0 is "0").
 *  @bin     binary text, 1 to 60000 characters; at most 64 bits after its
 *           leading zeros.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not binary; -2 @length below 0 or above 60000; -3 @length
 *          shorter than the result; -4 more than 64 significant bits;
 *          -5 empty, or longer than 60000 characters. */
VEK_API short VEK_CALL vek_Conv_BinToDec(const char* bin, int length, char* out, int outSize);

/*! vek_Veri_IsDec() :
 *  Tells whether @text is decimal: 1 to 60000 characters '0' to '9'.
 *  @return -1 (true) when it is; 0 otherwise, then vek_LastStatus():
 *          -1 empty; -2 a character other than '0'-'9' (the "false" answer);
 *          -3 longer than 60000 characters. */
VEK_API short VEK_CALL vek_Veri_IsDec(const char* text);

/*! vek_Comp_DecToDec() :
 *  Compares two unsigned decimal numbers by value (leading zeros do not count)
 *  and stores -1, 0 or 1 in *@result as @a is smaller than, equal to or larger
 *  than @b. Nothing is stored on failure.
 *  @a, @b  decimal texts, 1 to 60000 characters each (@a is checked first).
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 @a not decimal, empty or longer than 60000 characters;
 *          -2 the same for @b; -99 also when @result is a null pointer. */
VEK_API short VEK_CALL vek_Comp_DecToDec(const char* a, const char* b, int* result);

/*! vek_Tran_IncreaseDec() :
 *  Writes @dec plus 1, without leading zeros unless padded (0999 gives 1000).
 *  @dec     decimal text, 1 to 60000 characters.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not decimal or empty; -2 @length below 0 or above 60000;
 *          -3 longer than 60000 characters; -4 @length shorter than the result;
 *          -5 the result would need more than 60000 digits. */
VEK_API short VEK_CALL vek_Tran_IncreaseDec(const char* dec, int length, char* out, int outSize);

/*! vek_Tran_DecreaseDec() :
 *  Writes @dec minus 1, without leading zeros unless padded (1000 gives 999).
 *  @dec     decimal text, 1 to 60000 characters.
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not decimal, empty or longer than 60000 characters; -2 @length
 *          below 0 or above 60000; -3 @length shorter than the result;
 *          -4 @dec is zero. */
VEK_API short VEK_CALL vek_Tran_DecreaseDec(const char* dec, int length, char* out, int outSize);

/*! vek_Calc_AddDecToDec() :
 *  Writes the sum of two unsigned decimal numbers of any length up to 60000
 *  digits, without leading zeros unless padded.
 *  @a, @b   decimal texts, 1 to 60000 characters each (@a is checked first).
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 @a not decimal, empty or longer than 60000 characters; -2 the
 *          same for @b; -3 @length below 0 or above 60000; -4 @length shorter
 *          than the result; -5 the sum would need more than 60000 digits. */
VEK_API short VEK_CALL vek_Calc_AddDecToDec(const char* a, const char* b, int length, char* out, int outSize);

/*! vek_Calc_SubstractDecToDec() :
 *  Writes @a minus @b for unsigned decimal numbers of any length up to 60000
 *  digits, without leading zeros unless padded. Leading zeros of either
 *  operand do not count: 10 minus 005 is 5.
 *  @a, @b   decimal texts, 1 to 60000 characters each (@a is checked first).
 *  @length  0 for the natural length, or 1 to 60000 to pad with '0' on the left.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 @a not decimal, empty or longer than 60000 characters; -2 the
 *          same for @b; -3 @length below 0 or above 60000; -4 @b is larger
 *          than @a; -5 @length shorter than the result. */
VEK_API short VEK_CALL vek_Calc_SubstractDecToDec(const char* a, const char* b, int length, char* out,
                                                  int outSize);

/*! vek_Calc_LuhnKey() :
 *  Writes the Luhn check digit that completes a card number (the number
 *  without its check digit): one character '0'-'9', so @outSize >= 2.
 *  @dec  decimal text, 1 to 60000 characters.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 not decimal, empty or longer than 60000 characters. */
VEK_API short VEK_CALL vek_Calc_LuhnKey(const char* dec, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Hexadecimal strings
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Hexadecimal transforms
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Hexadecimal arithmetic and logic
 * ------------------------------------------------------------------------ */

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
