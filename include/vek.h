/*
 * vek.h - the public interface of libvek / VEK.dll
 *
 * vek holds the basic routines of smart-card personalization data: conversion,
 * validation, comparison, arithmetic and bit logic of typed texts of any length
 * (binary, character, decimal, hexadecimal), the Luhn check digit, BER-TLV
 * extraction, random values, DES and Triple-DES, image files and DC9 files,
 * and the steps of data preparation (key check values, MACs, EMV key
 * derivation, card verification values, PIN blocks, TLV and DGI building).
 *
 * The contract, shared by every function below:
 *  - Every function returns a 16-bit `short`: -1 (all bits set) for success or
 *    "true", 0 for failure or "false". No other value is returned, except by
 *    vek_LastStatus() and vek_Version().
 *  - Every function (but vek_LastStatus() and vek_Version()) sets the status
 *    register to 0 on entry and, on failure, to a negative code. vek_LastStatus()
 *    returns the status left by the most recent call of the calling thread (each
 *    thread has a register of its own). Two codes mean the same in every
 *    function, VEK_STATUS_BUFFER_TOO_SMALL (-50) and VEK_STATUS_INTERNAL (-99),
 *    defined below. Codes -1 to -7 are numbered per function and listed with
 *    each function, in the order its checks run: the first failure met is the
 *    code left.
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
 *  - Nothing a caller passes is kept after a call returns. The DES engine (its
 *    loaded keys and chaining value) and the random generator are shared by the
 *    whole process: a key loaded by one call stays loaded for the next call, in
 *    any thread.
 *  - Threads: calls may overlap. A call that uses the DES engine or the random
 *    generator (vek_Calc_TripleDES, vek_Tran_DecryptOrEncryptImage,
 *    vek_Tran_InitDES, vek_Tran_CalDES_Fast, vek_Calc_RndByMinMax, the image-file
 *    functions given a key, and both whole-file encryptions) holds them for the
 *    whole call, so overlapping calls take them one after another and each sees
 *    whole keys; every other call runs in parallel. A sequence of calls is not
 *    held together: a key loaded by vek_Tran_InitDES in one thread is replaced by
 *    the next call of another thread that loads one, so threads that each need
 *    their own key pass it in every call (or share one key).
 */
#ifndef VEK_H
#define VEK_H

#if defined(_WIN32)
#  define VEK_CALL __stdcall
#  define VEK_API /* exports come from the module definition written from this header */
#else
#  define VEK_CALL
#  define VEK_API __attribute__((visibility("default")))
#endif

#include <stdint.h>

/* The version: vek_Version() returns the major number, the interface version. */
#define VEK_VERSION_MAJOR 13
#define VEK_VERSION_MINOR 1
#define VEK_VERSION_PATCH 0

/* The status codes that mean the same in every function, each with its meaning. */
#define VEK_STATUS_OK 0                   /* no failure */
#define VEK_STATUS_BUFFER_TOO_SMALL (-50) /* the output buffer is too small for the result */
#define VEK_STATUS_INTERNAL (-99)         /* internal failure */

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Frame
 * ------------------------------------------------------------------------ */

/*! vek_LastStatus() :
 *  Reads the status register as the calling thread's most recent call left it.
 *  Reading it does not change it.
 *  @return 0, or the negative code of the most recent call's failure. */
VEK_API short VEK_CALL vek_LastStatus(void);

/*! vek_Version() :
 *  The interface version. Does not change the status register.
 *  @return VEK_VERSION_MAJOR. */
VEK_API short VEK_CALL vek_Version(void);

/* ------------------------------------------------------------------------
 * Binary strings
 * ------------------------------------------------------------------------ */

/*! vek_Conv_DecToBin() :
 *  Writes the bits of an unsigned decimal number up to 2^64 - 1 as '0'/'1' text
 *  without leading zeros: "10" gives "1010", "0" gives "0".
 *  @param 1 dec          decimal text, 1 to 60000 characters; leading zeros do not
 *                        count toward the 20 significant digits allowed
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the bits
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -4 dec over 60000 characters, or (after -1) a number above 2^64 - 1;
 *          -1 dec empty or holding a character other than '0'-'9';
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_DecToBin(const char* dec, int resultLength, char* out, int outSize);

/*! vek_Conv_HexaToBin() :
 *  Writes the bits of a hexadecimal number as '0'/'1' text without leading
 *  zeros, 4 bits a digit: "0F" gives "1111", "000" gives "0".
 *  @param 1 hexa         hexadecimal text, 1 to 60000 characters; at most 15000
 *                        digits after its leading zeros
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the bits
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -1 hexa empty or holding a character other than '0'-'9', 'A'-'F';
 *          -5 more than 15000 significant digits;
 *          -2 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_HexaToBin(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Conv_CharToBin() :
 *  Writes every character as its 8 bits, most significant first: "A" gives
 *  "01000001".
 *  @param 1 text    1 to 7500 characters of any value
 *  @param 2 out     receives 8 bits a character
 *  @param 3 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 text over 7500 characters, or empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_CharToBin(const char* text, char* out, int outSize);

/*! vek_Veri_IsBin() :
 *  Tells whether a text is binary: 1 to 60000 characters '0' and '1'.
 *  @param 1 text the text to check
 *  @return -1 true, it is binary; 0 false or failure, then vek_LastStatus(), in the order the checks run:
 *          -2 text over 60000 characters;
 *          -1 text empty;
 *          -3 a character other than '0' or '1' (the "false" answer);
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Veri_IsBin(const char* text);

/*! vek_Tran_SetBinInBin() :
 *  Overwrites the bits of target from position on with the bits of piece; the
 *  result has the target's length, leading zeros kept: "00000000", 3, "11"
 *  gives "00110000".
 *  @param 1 target   binary text, 1 to 60000 characters; checked first
 *  @param 2 position the first bit to overwrite, from 1 (the first character), 1 to 60000
 *  @param 3 piece    binary text, 1 to 60000 characters, ending within the target
 *  @param 4 out      receives the result
 *  @param 5 outSize  size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -6 target over 60000 characters, or empty;
 *          -5 target holding a character other than '0' or '1';
 *          -2 piece over 60000 characters, or empty;
 *          -1 piece holding a character other than '0' or '1';
 *          -3 position below 1 or above 60000;
 *          -4 position past the target's end;
 *          -7 piece running past the target's end;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SetBinInBin(const char* target, int position, const char* piece, char* out,
                                            int outSize);

/*! vek_Tran_GetBinInBin() :
 *  Writes length bits of a binary text from position on: "110010", 2, 3 gives
 *  "100".
 *  @param 1 bin      binary text, 1 to 60000 characters
 *  @param 2 position the first bit, from 1, 1 to 60000
 *  @param 3 length   the number of bits, 1 to 60000, ending within bin
 *  @param 4 out      receives the bits
 *  @param 5 outSize  size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 bin over 60000 characters, or empty;
 *          -1 bin holding a character other than '0' or '1';
 *          -3 position below 1 or above 60000;
 *          -5 length below 1 or above 60000;
 *          -4 position past the end of bin;
 *          -6 the bits running past the end of bin;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_GetBinInBin(const char* bin, int position, int length, char* out, int outSize);

/*! vek_Tran_ReverseBin() :
 *  Writes the bits in reverse order; leading zeros become trailing zeros:
 *  "0011" gives "1100".
 *  @param 1 bin     binary text, 1 to 60000 characters
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 bin over 60000 characters, or empty;
 *          -1 bin holding a character other than '0' or '1';
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_ReverseBin(const char* bin, char* out, int outSize);

/*! vek_Calc_ORBinary() :
 *  Bitwise OR of two texts of equal length, character by character: '1' is a 1
 *  bit, any other character a 0 bit (the texts are not validated): "1x" and
 *  "01" give "11". Two empty texts give the empty text. There is no size
 *  parameter, and out is not cleared first: on failure it is left as it was.
 *  @param 1 a   a text of any length
 *  @param 2 b   a text of the length of a
 *  @param 3 out receives the result: at least the length of a plus 1 bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a, b or out a null pointer;
 *          -2 a and b of different lengths;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_ORBinary(const char* a, const char* b, char* out);

/*! vek_Calc_ANDBinary() :
 *  Bitwise AND of two texts of equal length, character by character: '1' is a 1
 *  bit, any other character a 0 bit (the texts are not validated): "1x" and
 *  "11" give "10". Two empty texts give the empty text. There is no size
 *  parameter, and out is not cleared first: on failure it is left as it was.
 *  @param 1 a   a text of any length
 *  @param 2 b   a text of the length of a
 *  @param 3 out receives the result: at least the length of a plus 1 bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a, b or out a null pointer;
 *          -2 a and b of different lengths;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_ANDBinary(const char* a, const char* b, char* out);

/*! vek_Calc_XORBinary() :
 *  Bitwise XOR of two texts of equal length, character by character: '1' is a 1
 *  bit, any other character a 0 bit (the texts are not validated): "1100" and
 *  "1010" give "0110". Two empty texts give the empty text. There is no size
 *  parameter, and out is not cleared first: on failure it is left as it was.
 *  @param 1 a   a text of any length
 *  @param 2 b   a text of the length of a
 *  @param 3 out receives the result: at least the length of a plus 1 bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a, b or out a null pointer;
 *          -2 a and b of different lengths;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_XORBinary(const char* a, const char* b, char* out);

/* ------------------------------------------------------------------------
 * Character strings
 * ------------------------------------------------------------------------ */

/*! vek_Conv_HexaToChar() :
 *  The bytes that hexadecimal text denotes, two digits a byte, high half first:
 *  "414243" gives "ABC".
 *  @param 1 hexa    hexadecimal text, an even number of 2 to 60000 digits
 *  @param 2 out     receives the characters
 *  @param 3 outSize size of out in bytes: at least half the digits plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 hexa of an odd number of characters;
 *          -1 hexa over 60000 characters, empty, or holding a character other
 *             than '0'-'9', 'A'-'F';
 *          -3 a byte is 0x00, which a NUL-terminated result cannot carry;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_HexaToChar(const char* hexa, char* out, int outSize);

/*! vek_Conv_BinToChar() :
 *  The bytes that binary text denotes, eight bits a byte, most significant
 *  first: "0100000101000010" gives "AB".
 *  @param 1 bin     binary text, a multiple of 8 of 8 to 60000 bits
 *  @param 2 out     receives the characters
 *  @param 3 outSize size of out in bytes: at least an eighth of the bits plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 bin's length not a multiple of 8 (so "" passes on to -2);
 *          -2 bin over 60000 characters, or empty;
 *          -1 bin holding a character other than '0' or '1';
 *          -4 a byte is 0x00, which a NUL-terminated result cannot carry;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_BinToChar(const char* bin, char* out, int outSize);

/*! vek_Tran_SwapCharInPairs() :
 *  Characters 1 and 2, 3 and 4, ... change places: "ABCD" gives "BADC".
 *  @param 1 text    1 to 60000 characters, an even number
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes: at least the text's length plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 text over 60000 characters, or empty;
 *          -2 text of an odd length;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SwapCharInPairs(const char* text, char* out, int outSize);

/*! vek_Tran_SwapChar() :
 *  The two 4-bit halves of every character change places: "A" (0x41) gives the
 *  byte 0x14.
 *  @param 1 text    1 to 60000 characters
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes: at least the text's length plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 text over 60000 characters;
 *          -1 text empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SwapChar(const char* text, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Decimal strings
 * ------------------------------------------------------------------------ */

/*! vek_Conv_HexaToDec() :
 *  Writes a hexadecimal number of up to 64 bits as unsigned decimal without
 *  leading zeros: "FF" gives "255", "0" gives "0".
 *  @param 1 hexa         hexadecimal text, 1 to 60000 characters; at most 16
 *                        digits after its leading zeros
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the decimal text
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -4 hexa over 60000 characters, or (after -1) more than 16 significant digits;
 *          -1 hexa empty or holding a character other than '0'-'9', 'A'-'F';
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_HexaToDec(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Conv_BinToDec() :
 *  Writes a binary number of up to 64 bits as unsigned decimal without leading
 *  zeros: "1010" gives "10", "0000" gives "0".
 *  @param 1 bin          binary text, 1 to 60000 characters; at most 64 bits after
 *                        its leading zeros
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the decimal text
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -5 bin over 60000 characters, or empty;
 *          -1 bin holding a character other than '0' or '1';
 *          -4 more than 64 significant bits;
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_BinToDec(const char* bin, int resultLength, char* out, int outSize);

/*! vek_Veri_IsDec() :
 *  Tells whether a text is decimal: 1 to 60000 characters '0' to '9'.
 *  @param 1 text the text to check
 *  @return -1 true, it is decimal; 0 false or failure, then vek_LastStatus(), in the order the checks run:
 *          -3 text over 60000 characters;
 *          -1 text empty;
 *          -2 a character other than '0'-'9' (the "false" answer);
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Veri_IsDec(const char* text);

/*! vek_Comp_DecToDec() :
 *  Compares two unsigned decimal numbers by value; leading zeros do not count
 *  ("0010" equals "10").
 *  @param 1 a      decimal text, 1 to 60000 characters; checked first
 *  @param 2 b      decimal text, 1 to 60000 characters
 *  @param 3 result receives -1, 0 or 1 as a is smaller than, equal to or larger
 *                  than b; written only on success
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a over 60000 characters, empty or not decimal;
 *          -2 b over 60000 characters, empty or not decimal;
 *          -99 internal failure, or result a null pointer. */
VEK_API short VEK_CALL vek_Comp_DecToDec(const char* a, const char* b, int* result);

/*! vek_Tran_IncreaseDec() :
 *  Writes a decimal number plus 1, without leading zeros unless padded: "0999"
 *  gives "1000".
 *  @param 1 dec          decimal text, 1 to 60000 characters
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the result
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 dec over 60000 characters;
 *          -1 dec empty or holding a character other than '0'-'9';
 *          -5 the result would need 60001 digits;
 *          -2 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_IncreaseDec(const char* dec, int resultLength, char* out, int outSize);

/*! vek_Tran_DecreaseDec() :
 *  Writes a decimal number minus 1, without leading zeros unless padded: "1000"
 *  gives "999".
 *  @param 1 dec          decimal text, 1 to 60000 characters, not zero
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the result
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 dec over 60000 characters, empty or not decimal;
 *          -4 dec is zero: the result would be negative;
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_DecreaseDec(const char* dec, int resultLength, char* out, int outSize);

/*! vek_Calc_AddDecToDec() :
 *  Adds two unsigned decimal numbers of any length: "99999999999999999999" + "1"
 *  gives "100000000000000000000". The sum has no leading zeros unless padded.
 *  @param 1 a            decimal number, 1 to 60000 digits; checked first
 *  @param 2 b            decimal number, 1 to 60000 digits
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the sum
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a over 60000 characters, empty or not decimal;
 *          -2 b over 60000 characters, empty or not decimal;
 *          -5 the sum would need 60001 digits;
 *          -3 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the sum;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_AddDecToDec(const char* a, const char* b, int resultLength, char* out,
                                            int outSize);

/*! vek_Calc_SubstractDecToDec() :
 *  Subtracts one unsigned decimal number from another, digit by digit: "1000" -
 *  "1" gives "999". The difference has no leading zeros unless padded by
 *  resultLength. A subtrahend with more digits than the minuend is a negative
 *  result whatever the two values, leading zeros included: "10" - "005" fails
 *  with -4, "010" - "005" gives "5".
 *  @param 1 a            decimal number, 1 to 60000 digits
 *  @param 2 b            decimal number, 1 to 60000 digits
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the difference
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a not decimal, empty or over 60000 characters;
 *          -2 b not decimal, empty or over 60000 characters;
 *          -4 b has more digits than a, or is larger than a;
 *          -3 resultLength below 0 or above 60000;
 *          -5 resultLength shorter than the difference;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_SubstractDecToDec(const char* a, const char* b, int resultLength, char* out,
                                                  int outSize);

/*! vek_Calc_LuhnKey() :
 *  Writes the Luhn check digit that completes a card number given without its
 *  check digit: "7992739871" gives "3".
 *  @param 1 dec     decimal text, 1 to 60000 characters
 *  @param 2 out     receives one character '0'-'9'
 *  @param 3 outSize size of out in bytes, at least 2
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 dec over 60000 characters, empty or not decimal;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_LuhnKey(const char* dec, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Hexadecimal strings
 * ------------------------------------------------------------------------ */

/*! vek_Conv_DecToHexa() :
 *  A decimal number up to 2^64 - 1 (18446744073709551615) in hexadecimal,
 *  without leading zeros: "255" gives "FF".
 *  @param 1 dec          decimal text, 1 to 60000 characters; leading zeros do not
 *                        count toward the 20 significant digits allowed
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the hexadecimal text
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -4 dec over 60000 characters, or (after -1) a value above 2^64 - 1;
 *          -1 dec empty or holding a character other than '0'-'9';
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_DecToHexa(const char* dec, int resultLength, char* out, int outSize);

/*! vek_Conv_CharToHexa() :
 *  Each character as two hexadecimal digits, high half first: "AB" gives "4142".
 *  @param 1 text    1 to 30000 characters of any value
 *  @param 2 out     receives two digits a character
 *  @param 3 outSize size of out in bytes: at least twice the text's length plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 text over 30000 characters;
 *          -1 text empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_CharToHexa(const char* text, char* out, int outSize);

/*! vek_Conv_BinToHexa() :
 *  A binary number in hexadecimal, without leading zeros: "11111" gives "1F",
 *  "0000" gives "0".
 *  @param 1 bin          binary text, 1 to 60000 characters
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the hexadecimal text
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 bin over 60000 characters, empty or not binary;
 *          -2 resultLength below 0 or above 60000;
 *          -3 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_BinToHexa(const char* bin, int resultLength, char* out, int outSize);

/*! vek_Conv_ExtractBinFromHexa() :
 *  length bits of a hexadecimal text from bit position on, as '0'/'1' text. Bit
 *  1 is the most significant bit of the first digit: "A5", 3, 4 gives "1001".
 *  @param 1 hexa     hexadecimal text, 1 to 60000 digits
 *  @param 2 position the first bit, from 1, 1 to 240000
 *  @param 3 length   the number of bits, 1 to 60000
 *  @param 4 out      receives the bits
 *  @param 5 outSize  size of out in bytes: at least length plus 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa over 60000 characters, empty or not hexadecimal, or (after -4)
 *             length above 60000;
 *          -3 position below 1 or above 240000;
 *          -2 length below 1 or above 240000;
 *          -5 position past the last bit of hexa;
 *          -4 the bits running past the end of hexa;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_ExtractBinFromHexa(const char* hexa, int position, int length, char* out,
                                                    int outSize);

/*! vek_Veri_IsHexa() :
 *  Tells whether a text is hexadecimal: 1 to 60000 characters '0'-'9' and
 *  'A'-'F' (upper case only).
 *  @param 1 text the text to check
 *  @return -1 true, it is hexadecimal; 0 false or failure, then vek_LastStatus(), in the order the checks run:
 *          -3 text over 60000 characters;
 *          -1 text empty;
 *          -2 a character other than '0'-'9', 'A'-'F' (the "false" answer);
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Veri_IsHexa(const char* text);

/*! vek_Comp_HexaToHexa() :
 *  Compares two hexadecimal numbers of any length; leading zeros do not count
 *  ("00FF" equals "FF").
 *  @param 1 a      hexadecimal text, 1 to 60000 digits; checked first
 *  @param 2 b      hexadecimal text, 1 to 60000 digits
 *  @param 3 result receives -1, 0 or 1 as a is smaller than, equal to or larger
 *                  than b; written only on success
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a over 60000 characters, empty or not hexadecimal;
 *          -2 b over 60000 characters, empty or not hexadecimal;
 *          -99 internal failure, or result a null pointer. */
VEK_API short VEK_CALL vek_Comp_HexaToHexa(const char* a, const char* b, int* result);

/*! vek_Comp_HexaToDec() :
 *  Compares a hexadecimal number with a decimal number up to 2^64 - 1 ("FF"
 *  equals "255").
 *  @param 1 hexa   hexadecimal text, 1 to 60000 digits; checked first
 *  @param 2 dec    decimal text, 1 to 60000 digits
 *  @param 3 result receives -1, 0 or 1 as hexa is smaller than, equal to or
 *                  larger than dec; written only on success
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa over 60000 characters, empty or not hexadecimal;
 *          -2 dec over 60000 characters, empty or not decimal;
 *          -3 dec above 2^64 - 1;
 *          -99 internal failure, or result a null pointer. */
VEK_API short VEK_CALL vek_Comp_HexaToDec(const char* hexa, const char* dec, int* result);

/*! vek_Conv_HexaToArrayChar() :
 *  The bytes that hexadecimal text denotes, two digits a byte, high half first;
 *  an odd last digit is a high half: "0A1" gives 0A 10. Has no output size and
 *  does not clear its output first.
 *  @param 1 hexa  hexadecimal text, 1 to 119998 digits
 *  @param 2 bytes receives (L + 1) / 2 bytes for L digits, then one 0 byte: the
 *                 caller provides that room
 *  @param 3 count receives the number of bytes, without the 0 byte
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa empty;
 *          -2 hexa holding a character other than '0'-'9', 'A'-'F';
 *          -3 more than 59999 bytes;
 *          -99 internal failure, or count or bytes a null pointer. */
VEK_API short VEK_CALL vek_Conv_HexaToArrayChar(const char* hexa, unsigned char* bytes, int* count);

/*! vek_Conv_BinToArrayChar() :
 *  The bytes of binary text read as one binary number, right-aligned in
 *  (L + 7) / 8 bytes for L bits, most significant byte first: "101" gives 05,
 *  "100000000" gives 01 00. Has no output size and does not clear its output
 *  first.
 *  @param 1 bin   binary text, 1 to 479992 bits
 *  @param 2 bytes receives the bytes, then one 0 byte: the caller provides that room
 *  @param 3 count receives the number of bytes, without the 0 byte
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 bin holding a character other than '0' or '1';
 *          -1 bin empty;
 *          -3 more than 59999 bytes;
 *          -99 internal failure, or count or bytes a null pointer. */
VEK_API short VEK_CALL vek_Conv_BinToArrayChar(const char* bin, unsigned char* bytes, int* count);

/* ------------------------------------------------------------------------
 * Hexadecimal transforms
 * ------------------------------------------------------------------------ */

/*! vek_Tran_SwapHexa() :
 *  Exchanges the two digits of every byte of a hexadecimal text: "1234" gives
 *  "2143". The result has the input's length.
 *  @param 1 hexa    hexadecimal text of even length, 2 to 60000 digits
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa over 60000 characters, empty or not hexadecimal;
 *          -2 hexa of odd length;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SwapHexa(const char* hexa, char* out, int outSize);

/*! vek_Tran_SwapHexaByte() :
 *  Exchanges the two digits of one byte: "A5" gives "5A".
 *  @param 1 hexa    two hexadecimal digits
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 hexa neither 0 nor 2 characters long;
 *          -1 hexa empty (a null pointer counts as empty) or not hexadecimal;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SwapHexaByte(const char* hexa, char* out, int outSize);

/*! vek_Tran_SwapBitInHexa() :
 *  Reverses the order of all the bits of a hexadecimal text: "12" gives "48",
 *  "ABC" gives "3D5". The result has the input's length.
 *  @param 1 hexa    hexadecimal text, 1 to 60000 digits
 *  @param 2 out     receives the result
 *  @param 3 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa over 60000 characters, empty or not hexadecimal;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SwapBitInHexa(const char* hexa, char* out, int outSize);

/*! vek_Tran_IncreaseHexa() :
 *  Adds 1 to a hexadecimal number: "00FF" gives "100" (no leading zeros), or
 *  "0100" with a result length of 4.
 *  @param 1 hexa         hexadecimal number, 1 to 60000 digits
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the result
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -1 hexa empty or not hexadecimal;
 *          -5 the result would need 60001 digits;
 *          -2 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_IncreaseHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Tran_DecreaseHexa() :
 *  Subtracts 1 from a hexadecimal number: "0100" gives "FF" (no leading zeros).
 *  @param 1 hexa         hexadecimal number, 1 to 60000 digits, not zero
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the result
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -1 hexa empty or not hexadecimal;
 *          -5 hexa is zero: the result would be negative;
 *          -2 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_DecreaseHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Tran_SetBinInHexa() :
 *  Overwrites bits of a hexadecimal text with the bits of a binary text, from a
 *  bit position on (1 is the most significant bit of the first digit): bits
 *  "1111" at position 1 of "00" give "F0". The result has the length of hexa.
 *  @param 1 bin      binary text, 1 to 60000 bits; checked first
 *  @param 2 position the first bit written, from 1, 1 to 240000
 *  @param 3 hexa     hexadecimal text, 1 to 60000 digits
 *  @param 4 out      receives the result
 *  @param 5 outSize  size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -4 bin over 60000 characters;
 *          -1 bin empty or not binary;
 *          -3 hexa over 60000 characters, empty or not hexadecimal;
 *          -2 position below 1, above 240000 or past the last bit of hexa;
 *          -5 the bits running past the end of hexa;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SetBinInHexa(const char* bin, int position, const char* hexa, char* out,
                                             int outSize);

/*! vek_Tran_ShiftBitLeft() :
 *  Shifts the bits of a hexadecimal text toward its first digit; zeros come in
 *  at the end and the length is kept: "1234" by 4 gives "2340", by 1 "2468".
 *  A negative count shifts right by its magnitude.
 *  @param 1 hexa    hexadecimal text, 1 to 60000 digits
 *  @param 2 count   number of bit places, -32768 to 32767
 *  @param 3 out     receives the result
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -2 hexa empty;
 *          -1 hexa not hexadecimal;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_ShiftBitLeft(const char* hexa, short count, char* out, int outSize);

/*! vek_Tran_ShiftBitRight() :
 *  Shifts the bits of a hexadecimal text toward its last digit; zeros come in
 *  at the front and the length is kept: "1234" by 4 gives "0123", by 1 "091A".
 *  A negative count shifts left by its magnitude.
 *  @param 1 hexa    hexadecimal text, 1 to 60000 digits
 *  @param 2 count   number of bit places, -32768 to 32767
 *  @param 3 out     receives the result
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -2 hexa empty;
 *          -1 hexa not hexadecimal;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_ShiftBitRight(const char* hexa, short count, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Hexadecimal arithmetic and logic
 * ------------------------------------------------------------------------ */

/*! vek_Calc_AddHexaToHexa() :
 *  Adds two hexadecimal numbers of any length: "FFFF" + "1" gives "10000". The
 *  sum has no leading zeros unless padded by resultLength.
 *  @param 1 a            hexadecimal number, 1 to 60000 digits; checked first
 *  @param 2 b            hexadecimal number, 1 to 60000 digits
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the sum
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a over 60000 characters, empty or not hexadecimal;
 *          -2 b over 60000 characters, empty or not hexadecimal;
 *          -5 the sum would need 60001 digits;
 *          -3 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the sum;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_AddHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                              int outSize);

/*! vek_Calc_SubstractHexaToHexa() :
 *  Subtracts one hexadecimal number from another, digit by digit: "0100" - "FF"
 *  gives "1". The difference has no leading zeros unless padded by resultLength.
 *  A subtrahend with more digits than the minuend is a negative result whatever
 *  the two values, leading zeros included: "5" - "03" fails with -5, "05" - "03"
 *  gives "2".
 *  @param 1 a            hexadecimal number, 1 to 60000 digits
 *  @param 2 b            hexadecimal number, 1 to 60000 digits
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the difference
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 a not hexadecimal, empty or over 60000 characters;
 *          -2 b not hexadecimal, empty or over 60000 characters;
 *          -5 b has more digits than a, or is greater than a;
 *          -3 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the difference;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_SubstractHexaToHexa(const char* a, const char* b, int resultLength, char* out,
                                                    int outSize);

/*! vek_Calc_AddDecToHexa() :
 *  Adds a decimal number to a hexadecimal one, in hexadecimal: "FF" + "1" gives
 *  "100".
 *  @param 1 hexa         hexadecimal number, 1 to 60000 digits
 *  @param 2 dec          decimal number up to 18446744073709551615; checked first
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the sum
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 dec over 60000 characters, empty or not decimal;
 *          -2 hexa over 60000 characters, empty or not hexadecimal;
 *          -5 dec above 2^64 - 1;
 *          -6 the sum would need 60001 digits;
 *          -3 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the sum;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_AddDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                             int outSize);

/*! vek_Calc_SubstractDecToHexa() :
 *  Subtracts a decimal number from a hexadecimal one, in hexadecimal: "100" -
 *  "1" gives "FF". The decimal number is first written in hexadecimal at its
 *  natural length, without leading zeros, so its own leading zeros never count:
 *  "F" - "0010" gives "5". Then the rule of vek_Calc_SubstractHexaToHexa
 *  applies: if that has more digits than hexa (whose leading zeros count), or
 *  is greater, the result is negative: "F" - "16" fails with -6. The difference
 *  has no leading zeros unless padded by resultLength.
 *  @param 1 hexa         hexadecimal number, 1 to 60000 digits
 *  @param 2 dec          decimal number, 1 to 60000 characters, value up to 18446744073709551615
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the difference
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 dec not decimal, empty or over 60000 characters (dec is built first);
 *          -2 hexa not hexadecimal, empty or over 60000 characters;
 *          -5 dec above 18446744073709551615;
 *          -6 dec in hexadecimal has more digits than hexa, or is greater than hexa;
 *          -3 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the difference;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_SubstractDecToHexa(const char* hexa, const char* dec, int resultLength, char* out,
                                                   int outSize);

/*! vek_Calc_XorHexa() :
 *  Digit-wise XOR of two hexadecimal texts of the same even length: "0F" and
 *  "F0" give "FF". The result keeps the operands' length, leading zeros included.
 *  @param 1 a            hexadecimal text of even length, 2 to 60000 digits
 *  @param 2 b            hexadecimal text of the length of a
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the result
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -5 a over 60000 characters, or (after -1) b over 60000 characters;
 *          -1 a empty or not hexadecimal;
 *          -2 b empty or not hexadecimal;
 *          -4 a of odd length;
 *          -3 a and b of different lengths;
 *          -6 resultLength below 0 or above 60000;
 *          -7 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_XorHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_AndHexa() :
 *  Digit-wise AND of two hexadecimal texts of the same even length: "0F" and
 *  "F0" give "00". The result keeps the operands' length, leading zeros included.
 *  @param 1 a            hexadecimal text of even length, 2 to 60000 digits
 *  @param 2 b            hexadecimal text of the length of a
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the result
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -5 a over 60000 characters, or (after -1) b over 60000 characters;
 *          -1 a empty or not hexadecimal;
 *          -2 b empty or not hexadecimal;
 *          -4 a of odd length;
 *          -3 a and b of different lengths;
 *          -6 resultLength below 0 or above 60000;
 *          -7 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_AndHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_OrHexa() :
 *  Digit-wise OR of two hexadecimal texts of the same even length: "A0" and
 *  "05" give "A5". The result keeps the operands' length, leading zeros included.
 *  @param 1 a            hexadecimal text of even length, 2 to 60000 digits
 *  @param 2 b            hexadecimal text of the length of a
 *  @param 3 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 4 out          receives the result
 *  @param 5 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -5 a over 60000 characters, or (after -1) b over 60000 characters;
 *          -1 a empty or not hexadecimal;
 *          -2 b empty or not hexadecimal;
 *          -4 a of odd length;
 *          -3 a and b of different lengths;
 *          -6 resultLength below 0 or above 60000;
 *          -7 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_OrHexa(const char* a, const char* b, int resultLength, char* out, int outSize);

/*! vek_Calc_ComplementHexa() :
 *  Replaces every digit d by 15 - d (all bits inverted): "0F" gives "F0". The
 *  result keeps the input's length.
 *  @param 1 hexa         hexadecimal text, 1 to 60000 digits
 *  @param 2 resultLength 0 for the natural length, else 1 to 60000: pad with '0' to it
 *  @param 3 out          receives the result
 *  @param 4 outSize      size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 hexa over 60000 characters;
 *          -1 hexa empty or not hexadecimal;
 *          -2 resultLength below 0 or above 60000;
 *          -4 resultLength shorter than the result;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_ComplementHexa(const char* hexa, int resultLength, char* out, int outSize);

/*! vek_Calc_ChecksumHexa() :
 *  XOR of the consecutive blocks of blockLength digits of a hexadecimal text:
 *  "1122334455667788" with blocks of 4 gives "0088". The result has blockLength
 *  digits, leading zeros included.
 *  @param 1 hexa        hexadecimal text, 1 to 60000 digits, a multiple of blockLength
 *  @param 2 blockLength block length in digits, 1 to 30000
 *  @param 3 out         receives the checksum
 *  @param 4 outSize     size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 hexa over 60000 characters, or empty;
 *          -1 hexa not hexadecimal;
 *          -3 blockLength below 1 or above 30000;
 *          -4 the length of hexa not a multiple of blockLength;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_ChecksumHexa(const char* hexa, int blockLength, char* out, int outSize);

/*! vek_Calc_CountBits() :
 *  Counts the one bits of a hexadecimal text, or its zero bits when mode is 0:
 *  "F0" has 4 of each.
 *  @param 1 hexa  hexadecimal text, 1 to 60000 digits
 *  @param 2 mode  0 to count zero bits, any other value to count one bits
 *  @param 3 count receives the count; written only on success
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 hexa over 60000 characters, empty or not hexadecimal;
 *          -99 internal failure, or count a null pointer. */
VEK_API short VEK_CALL vek_Calc_CountBits(const char* hexa, short mode, int* count);

/* ------------------------------------------------------------------------
 * BER-TLV extraction
 * ------------------------------------------------------------------------ */

/*! vek_Tran_ExtractTLV() :
 *  Finds one element of BER-TLV data by a path of one to three tags and writes
 *  its value. The first tag is searched among the top-level elements of the
 *  data, the second among the elements inside the first one's value, the third
 *  inside the second one's value. Only the first matching element of each level
 *  counts; filler bytes (00, FF) between elements are not skipped. Long-form
 *  lengths of one to four bytes (81 to 84) are read; every element met must lie
 *  wholly inside the data or the value that holds it. Data 9F360200015A021234
 *  with tag1 5A gives 1234.
 *  The inputs are built one by one, tag1, tag2, tag3, then data, each with its
 *  own checks (over 60000 characters, empty, not hexadecimal); the tag lengths
 *  are checked only after that. So tag1 of 3 digits with empty data gives -5,
 *  and an invalid tag3 gives -1 even when tag2 is absent.
 *  @param 1 tag1    the first tag: 2 or 4 upper-case hexadecimal digits (5A, 9F36)
 *  @param 2 tag2    the second tag, 2 or 4 digits; null or "" when the path ends at tag1
 *  @param 3 tag3    the third tag, 2 or 4 digits; null or "" when the path ends earlier;
 *                   ignored when tag2 is absent, but still checked
 *  @param 4 data    the encoded elements as hexadecimal text, 1 to 60000 digits;
 *                   an odd trailing digit is ignored
 *  @param 5 out     receives the element's value as upper-case hexadecimal text
 *  @param 6 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run
 *          (tag1, tag2, tag3, data, the tags' lengths, then the search):
 *          -3 a tag over 60000 characters, or (after -2) tag1 not 2 or 4 digits,
 *             or tag2 or tag3 not 0, 2 or 4 digits;
 *          -4 tag1 empty or null;
 *          -1 a tag holding a character other than '0'-'9', 'A'-'F';
 *          -6 data over 60000 characters;
 *          -5 data empty or null, or (after -7) the element found has an empty value;
 *          -2 data holding a character other than '0'-'9', 'A'-'F';
 *          -7 the path leads to no element: a tag not found, or an element met
 *             that runs past the end of the data or of its enclosing value;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_ExtractTLV(const char* tag1, const char* tag2, const char* tag3, const char* data,
                                           char* out, int outSize);

/* ------------------------------------------------------------------------
 * Character arrays
 * ------------------------------------------------------------------------ */

/*! vek_Conv_ArrayCharToHexa() :
 *  A block of bytes (any values, 0x00 included) as hexadecimal text, two digits
 *  a byte: 00 7F FF gives "007FFF".
 *  @param 1 bytes   the block; only length bytes are read
 *  @param 2 length  the number of bytes, 1 to 30000
 *  @param 3 out     receives two digits a byte
 *  @param 4 outSize size of out in bytes: at least 2 x length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 length above 60000, or (after -1) above 30000;
 *          -1 length 0 or negative, or bytes a null pointer;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_ArrayCharToHexa(const unsigned char* bytes, int length, char* out, int outSize);

/*! vek_Conv_ArrayCharToBin() :
 *  A block of bytes (any values, 0x00 included) as binary text, eight bits a
 *  byte, most significant first: 41 gives "01000001".
 *  @param 1 bytes   the block; only length bytes are read
 *  @param 2 length  the number of bytes, 1 to 7500
 *  @param 3 out     receives eight bits a byte
 *  @param 4 outSize size of out in bytes: at least 8 x length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 length above 60000, or (after -1) above 7500;
 *          -1 length 0 or negative, or bytes a null pointer;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_ArrayCharToBin(const unsigned char* bytes, int length, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Random values
 * ------------------------------------------------------------------------ */

/*! vek_Calc_RndByMinMax() :
 *  Writes length random characters, unit after unit, each unit between the
 *  minimum and the maximum (both included): "0", "9", "DEC", 4 gives four
 *  random decimal digits. The units by type:
 *    "BIN"   one binary digit;      minimum "0", maximum "1"
 *    "DEC"   one decimal digit;     minimum "0" to "8", maximum "1" to "9"
 *    "HEXA"  one hexadecimal digit; minimum "0" to "E", maximum "1" to "F"
 *    "HEXA2" one byte as two hexadecimal digits; minimum "00" to "FE",
 *            maximum "01" to "FF"; length counts digits and must be even
 *    "CHAR"  one character, bounds compared by code; minimum any character,
 *            maximum a character of code 2 or above (the result holds no NUL)
 *  When both bounds are empty (or null) the whole range of the type is used:
 *  "0"-"1", "0"-"9", "0"-"F", "00"-"FF", codes 1 to 255.
 *  The random bytes come from an ANSI X9.17-style generator on single DES,
 *  seeded from the operating system's random source on the first call of the
 *  process; each byte b gives the unit minimum + (b mod (maximum - minimum + 1)).
 *  The generator uses the shared DES engine: after a successful call its key
 *  slot 0 holds the generator's own key, which vek_Tran_CalDES_Fast() then uses.
 *  A call that fails leaves the engine and the generator as they were.
 *  @param 1 minimum the lower bound of each unit: one character, or two digits
 *                   for "HEXA2"; "" or null, with maximum "", for the default
 *  @param 2 maximum the upper bound, of the same length as minimum
 *  @param 3 type    "BIN", "DEC", "HEXA", "HEXA2" or "CHAR", in any letter case
 *  @param 4 length  the number of characters to write, 1 to 60000
 *  @param 5 out     receives the random text
 *  @param 6 outSize size of out in bytes: at least length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run
 *          (bound lengths, a null type; for "HEXA2" length, parity, bound lengths,
 *          bounds; for the other types bound lengths, type, bounds, length; then
 *          the order of the bounds):
 *          -7 minimum and maximum of different lengths;
 *          -5 type null, or (after -6) not one of the five;
 *          -1 length below 1 or above 60000;
 *          -3 odd length for "HEXA2";
 *          -6 a bound not of 2 characters for "HEXA2", or longer than one
 *             character for another type;
 *          -2 minimum or maximum outside the bounds of its type;
 *          -4 minimum not below maximum;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_RndByMinMax(const char* minimum, const char* maximum, const char* type, int length,
                                            char* out, int outSize);

/* ------------------------------------------------------------------------
 * Triple-DES and image encryption
 * ------------------------------------------------------------------------ */

/* One process-wide DES engine serves these functions (and the image-file, DC9
 * and random-value functions). Its key slot 0 holds the key loaded last by any
 * of them and is what vek_Tran_CalDES_Fast() uses; before any load it is the
 * all-zero key. Parity bits (the lowest bit of each key byte) are ignored.
 * Modes: 1 encrypts, 0 decrypts; any other value is refused. */

/*! vek_Calc_TripleDES() :
 *  Encrypts or decrypts one 8-byte block with two-key Triple-DES: mode 1 gives
 *  E(K1, D(K2, E(K1, data))), mode 0 gives D(K1, E(K2, D(K1, data))).
 *  Afterwards the engine holds K1 in slot 0 (used by vek_Tran_CalDES_Fast()).
 *  The key is built first, then the data, each with its own checks (over 60000
 *  characters, empty, not hexadecimal); the lengths and the mode are checked
 *  after both. So a key of 30 digits with data holding a 'g' gives -3, and an
 *  empty data ends with -99 even when the key has the wrong length.
 *  @param 1 key     the Triple-DES key: 32 hexadecimal digits, K1 then K2
 *  @param 2 data    the block: 16 hexadecimal digits
 *  @param 3 mode    1 encrypt, 0 decrypt
 *  @param 4 out     receives the resulting block, 16 digits
 *  @param 5 outSize size of out in bytes, at least 17
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -2 key over 60000 characters or empty, or (after -3) not exactly 32 digits;
 *          -1 key holding a character other than '0'-'9', 'A'-'F';
 *          -3 data holding a character other than '0'-'9', 'A'-'F';
 *          -4 data not exactly 16 digits;
 *          -5 mode neither 0 nor 1;
 *          -50 out too small for the result (the engine's keys are replaced by then);
 *          -99 internal failure, or data empty or over 60000 characters. */
VEK_API short VEK_CALL vek_Calc_TripleDES(const char* key, const char* data, short mode, char* out, int outSize);

/*! vek_Tran_DecryptOrEncryptImage() :
 *  Encrypts or decrypts an image with single DES, each block of 16 digits on
 *  its own (electronic codebook). The key is loaded into the engine's slot 0
 *  and stays there for vek_Tran_CalDES_Fast().
 *  The image is built first, then the key, each with its own checks (over 60000
 *  characters, empty, not hexadecimal); the mode, the key length and the image
 *  length are checked after both, in that order. So an empty key with mode 5
 *  gives -1, a key of 15 digits with mode 5 gives -4, and a key of 15 digits
 *  with an image of 20 digits gives -1.
 *  @param 1 image   the image, hexadecimal digits, a multiple of 16, 1 to 60000 digits
 *  @param 2 mode    1 encrypt, 0 decrypt
 *  @param 3 key     16 hexadecimal digits
 *  @param 4 out     receives the processed image (as many digits)
 *  @param 5 outSize size of out in bytes, at least the image length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -6 image over 60000 characters;
 *          -3 image empty or holding a character other than '0'-'9', 'A'-'F';
 *          -1 key over 60000 characters or empty, or (after -4) not exactly 16 digits;
 *          -2 key holding a character other than '0'-'9', 'A'-'F';
 *          -4 mode neither 0 nor 1;
 *          -5 image length not a multiple of 16;
 *          -50 out too small for the result (the key is loaded by then);
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_DecryptOrEncryptImage(const char* image, short mode, const char* key, char* out,
                                                      int outSize);

/*! vek_Tran_InitDES() :
 *  Loads a single-DES key into the engine's slot 0 and computes its key
 *  schedule once, for the vek_Tran_CalDES_Fast() calls that follow.
 *  @param 1 mode     must be 0 or 1; it has no other effect
 *  @param 2 key      16 hexadecimal digits
 *  @param 3 reserved not read
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 key empty or null;
 *          -2 mode neither 0 nor 1;
 *          -4 key not exactly 16 digits;
 *          -99 internal failure, or key over 60000 characters (checked before
 *              -1) or holding a character other than '0'-'9', 'A'-'F' (before -2). */
VEK_API short VEK_CALL vek_Tran_InitDES(short mode, const char* key, int reserved);

/*! vek_Tran_CalDES_Fast() :
 *  Encrypts or decrypts an image block by block, like
 *  vek_Tran_DecryptOrEncryptImage(), with the key already in the engine's slot
 *  0 (loaded by vek_Tran_InitDES() or by any other function that loads a key):
 *  no key schedule is computed.
 *  @param 1 image     the image, hexadecimal digits, a multiple of 16, 16 to 60000
 *  @param 2 mode      1 encrypt, 0 decrypt
 *  @param 3 blockMode must be 0
 *  @param 4 out       receives the processed image (as many digits)
 *  @param 5 outSize   size of out in bytes, at least the image length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -3 image over 60000 characters;
 *          -2 image empty;
 *          -1 image holding a character other than '0'-'9', 'A'-'F';
 *          -4 mode neither 0 nor 1;
 *          -5 image length not a multiple of 16 (checked after blockMode);
 *          -50 out too small for the result;
 *          -99 internal failure, or blockMode other than 0. */
VEK_API short VEK_CALL vek_Tran_CalDES_Fast(const char* image, short mode, int blockMode, char* out, int outSize);

/* ------------------------------------------------------------------------
 * Image file header
 * ------------------------------------------------------------------------ */

/* A header text is one line of fields "NAME value", separated by '/':
 * "LOT 17/TYPE TEST A/COUNT 3". A name holds no space and no '/', a value no
 * '/' (spaces are allowed in it). Leading spaces, several spaces between a name
 * and its value and one trailing '/' are accepted; the functions that return a
 * header return it normalized ("  LOT 17/" gives "LOT 17"). Two fields may share
 * a name: the functions act on the first one. Names are case-sensitive. */

/*! vek_Tran_SetFieldInImageFileHeader() :
 *  Sets a field of a header text: the first field of that name gets the value,
 *  or the field is added at the end. "LOT 17" with TYPE = "TEST A" gives
 *  "LOT 17/TYPE TEST A"; "X 1/X 2" with X = "9" gives "X 9/X 2".
 *  @param 1 header  the header text, possibly empty
 *  @param 2 name    field name, not empty, no space and no '/'
 *  @param 3 value   field value, not empty, no '/'
 *  @param 4 out     receives the new header text, normalized
 *  @param 5 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 header text does not parse;
 *          -2 name holds a space or '/', or value holds '/';
 *          -3 name or value empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_SetFieldInImageFileHeader(const char* header, const char* name, const char* value,
                                                          char* out, int outSize);

/*! vek_Tran_GetFieldInImageFileHeader() :
 *  Reads the value of the first field of a name: "LOT 17/COUNT 3" with COUNT
 *  gives "3". A value keeps its trailing spaces.
 *  @param 1 header  the header text, possibly empty
 *  @param 2 name    field name, not empty, no space and no '/'
 *  @param 3 out     receives the value
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 header text does not parse;
 *          -2 name holds a space or '/';
 *          -3 no field of that name;
 *          -4 name empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_GetFieldInImageFileHeader(const char* header, const char* name, char* out,
                                                          int outSize);

/*! vek_Tran_RemoveFieldInImageFileHeader() :
 *  Removes the first field of a name; the others keep their order: "LOT 17/
 *  TYPE B/COUNT 3" without LOT gives "TYPE B/COUNT 3". Removing the only field
 *  gives the empty text.
 *  @param 1 header  the header text, possibly empty
 *  @param 2 name    field name, not empty, no space and no '/'
 *  @param 3 out     receives the new header text, normalized
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 header text does not parse;
 *          -2 name holds a space or '/';
 *          -3 no field of that name;
 *          -4 name empty;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_RemoveFieldInImageFileHeader(const char* header, const char* name, char* out,
                                                             int outSize);

/* ------------------------------------------------------------------------
 * Image files
 * ------------------------------------------------------------------------ */

/* An image file holds fixed-length records of upper-case hexadecimal digits, one
 * a line, every line ended by CR LF (also on Windows), optionally after one
 * header line (see the header functions above). Whether a file has a header
 * line is not written in it: the caller says so with hasHeader. Record k starts
 * at byte H + k * (r + 2), H being the header line's length + 2 (0 without one)
 * and r the length of the first record. Files are read and written through
 * 64-bit offsets (files above 2 GiB work on both platforms); no call reads a
 * whole file into memory. Records may be stored DES-encrypted (single DES, each
 * block of 16 digits on its own); the searches then decrypt with the caller's
 * key, which stays loaded in the DES engine afterwards. Writing functions never
 * truncate a file: they create it when missing and append to it. Only regular
 * files are opened: a directory, a device (/dev/zero, NUL, CON) or a pipe is
 * refused with the function's "cannot be opened" code, before a byte is read
 * or written.
 *
 * The last line of a file may lack its CR LF. The record count is the number of
 * whole strides, (file size - H) div (r + 2), so a last record without its line
 * end is read by its index (vek_File_ExtractImageByIndex() with n), but it is not
 * "the last" record (-2, and the last record of the sequential searches), and
 * neither the sequential searches nor the scans find it. */

/*! vek_File_ExtractImageByIndex() :
 *  Reads one record, or the header line, as it is stored (nothing decrypted).
 *  @param 1 fileName  the image file
 *  @param 2 index     n >= 1: the n-th record; -1 the first record; -2 the last whole record
 *                     (a last record without its CR LF is read only by its n); -3 the header line
 *  @param 3 hasHeader non-zero: the file starts with a header line
 *  @param 4 out       receives the record or header text
 *  @param 5 outSize   size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 index 0 or below -3;
 *          -3 index -3 with hasHeader 0, or an empty file;
 *          -4 file cannot be opened or read;
 *          -2 no record at that index (an empty file included);
 *          -5 the line at that index is not a record: not hexadecimal, another length than
 *             the first record, not starting a line, or ended by a lone LF;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_ExtractImageByIndex(const char* fileName, int index, short hasHeader, char* out,
                                                    int outSize);

/*! vek_File_ExtractImageByHexaField() :
 *  Finds the record whose hexadecimal field at position equals value, in a file whose
 *  field values run without gaps from the first record to the last: the index is
 *  computed as value - first field, so three records are read whatever the file's size.
 *  Records with serials 00001000, 00001001, 00001002 at position 1: value 00001002 gives the third.
 *  The last record is the last one ended by CR LF: a last record without its line end
 *  is never found (-3).
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -3 no record in the file, value outside the first and last records' fields,
 *             or computed index past the last record;
 *          -4 the file is not laid out for this search: a record line that is not
 *             hexadecimal, first and last records of different lengths, first field
 *             above last field, fields not decimal (decimal modes), records not a
 *             multiple of 16 digits (with a key), an index above 2147483647, or the
 *             record at the computed index with another length or field value;
 *          -2 position below 1, above 60001 or past the end of the record;
 *          -7 field runs past the end of the record;
 *          -50 out too small: below the record length (checked before the position),
 *              or for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_ExtractImageByHexaField(const char* fileName, short hasHeader, int position,
                                                        const char* value, const char* key, char* out, int outSize);

/*! vek_File_ExtractImageByDecField() :
 *  As vek_File_ExtractImageByHexaField() for a field of decimal digits (decimal
 *  index arithmetic): value - first field, read in decimal, is the record's index.
 *  Serial 00001002 in a file starting at 00001000 is the record at index 2 (the third).
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -3 no record in the file, value outside the first and last records' fields,
 *             or computed index past the last record;
 *          -4 the file is not laid out for this search: a record line that is not
 *             hexadecimal, first and last records of different lengths, first field
 *             above last field, fields not decimal (decimal modes), records not a
 *             multiple of 16 digits (with a key), an index above 2147483647, or the
 *             record at the computed index with another length or field value;
 *          -2 position below 1, above 60001 or past the end of the record;
 *          -7 field runs past the end of the record;
 *          -50 out too small: below the record length (checked before the position),
 *              or for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_ExtractImageByDecField(const char* fileName, short hasHeader, int position,
                                                       const char* value, const char* key, char* out, int outSize);

/*! vek_File_ExtractImageBySwapHexaField() :
 *  As vek_File_ExtractImageByHexaField() for a field stored with the two digits of
 *  every byte swapped; a value of odd length n is stored in n + 1 characters with a
 *  filler digit (any digit, usually F) that is not compared.
 *  Value 1234 is stored as 2143; value 123 as 21F3.
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -3 no record in the file, value outside the first and last records' fields,
 *             or computed index past the last record;
 *          -4 the file is not laid out for this search: a record line that is not
 *             hexadecimal, first and last records of different lengths, first field
 *             above last field, fields not decimal (decimal modes), records not a
 *             multiple of 16 digits (with a key), an index above 2147483647, or the
 *             record at the computed index with another length or field value;
 *          -2 position below 1, above 60001 or past the end of the record;
 *          -7 field runs past the end of the record;
 *          -50 out too small: below the record length (checked before the position),
 *              or for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_ExtractImageBySwapHexaField(const char* fileName, short hasHeader, int position,
                                                            const char* value, const char* key, char* out,
                                                            int outSize);

/*! vek_File_ExtractImageBySwapDecField() :
 *  As vek_File_ExtractImageBySwapHexaField() with decimal index arithmetic.
 *  Fields 21F3, 21F4, 21F5 (values 123, 124, 125): value 125 gives the third record.
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -3 no record in the file, value outside the first and last records' fields,
 *             or computed index past the last record;
 *          -4 the file is not laid out for this search: a record line that is not
 *             hexadecimal, first and last records of different lengths, first field
 *             above last field, fields not decimal (decimal modes), records not a
 *             multiple of 16 digits (with a key), an index above 2147483647, or the
 *             record at the computed index with another length or field value;
 *          -2 position below 1, above 60001 or past the end of the record;
 *          -7 field runs past the end of the record;
 *          -50 out too small: below the record length (checked before the position),
 *              or for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_ExtractImageBySwapDecField(const char* fileName, short hasHeader, int position,
                                                           const char* value, const char* key, char* out,
                                                           int outSize);

/*! vek_File_ExtractImageByFieldWithNonSeqSearch() :
 *  Finds the first record whose field at position equals value (digits as they
 *  stand), reading every record in turn: for files in no particular order. The
 *  records read are those ended by CR LF: a last record without its line end is
 *  not read (-3 when only it holds the value).
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -2 position below 1, above 60001 or past the end of the first record (an empty file);
 *          -7 field runs past the end of the record;
 *          -3 no record holds the value;
 *          -50 out too small for the result;
 *          -99 internal failure, or a record read before the match that is not hexadecimal,
 *              has another length than the first record, or (with a key) is not a multiple
 *              of 16 digits. */
VEK_API short VEK_CALL vek_File_ExtractImageByFieldWithNonSeqSearch(const char* fileName, short hasHeader,
                                                                    int position, const char* value, const char* key,
                                                                    char* out, int outSize);

/*! vek_File_ExtractImageByFieldNonSeqGetNb() :
 *  As vek_File_ExtractImageByFieldWithNonSeqSearch(), but reads every record and
 *  counts the matches: succeeds only when exactly one record holds the value. A
 *  last record without its CR LF is neither read nor counted.
 *  @param 1 fileName  the image file
 *  @param 2 hasHeader non-zero: the file starts with a header line
 *  @param 3 position  1-based position of the field's first character in the record
 *  @param 4 value     the searched value; its length is the field's length
 *  @param 5 key       empty: the records are plain; else 16 hexadecimal digits, the
 *                     DES key the records are stored encrypted with
 *  @param 6 out       receives the record, decrypted when a key is given
 *  @param 7 outSize   size of out in bytes, at least the record length + 1
 *  @param 8 count     receives the number of matching records once the whole file
 *                     has been read (also with -3 and -4); must not be null
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 value empty, longer than 60000 characters or not hexadecimal;
 *          -5 key holds a character other than 0-9, A-F, or is not exactly 16 digits;
 *          -6 file cannot be opened or read;
 *          -2 position below 1, above 60001 or past the end of the first record (an empty file);
 *          -7 field runs past the end of the record;
 *          -3 no record holds the value (count 0);
 *          -4 more than one record holds the value (count written, out empty);
 *          -50 out too small for the result;
 *          -99 internal failure, or a record that is not hexadecimal, has another length
 *              than the first record, or (with a key) is not a multiple of 16 digits. */
VEK_API short VEK_CALL vek_File_ExtractImageByFieldNonSeqGetNb(const char* fileName, short hasHeader, int position,
                                                               const char* value, const char* key, char* out,
                                                               int outSize, int* count);

/*! vek_File_AppendImageFileHeader() :
 *  Starts an image file with its header line: writes the header text, normalized
 *  ("  LOT 17/" is written as "LOT 17"), and CR LF into a new or empty file.
 *  @param 1 fileName the image file; created when missing
 *  @param 2 header   the header text; empty writes an empty first line
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 header text does not parse, or holds a CR or an LF;
 *          -2 the file exists and is not empty (left unchanged);
 *          -3 the file cannot be opened or written;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_AppendImageFileHeader(const char* fileName, const char* header);

/*! vek_File_AppendImage() :
 *  Appends one record and CR LF at the end of an image file. The record's length
 *  is not compared with the records already there. A last line without its line
 *  end is completed first (CR LF after text, LF after a lone CR), so that the
 *  record starts a line of its own and no byte already there changes.
 *  @param 1 fileName the image file; created when missing
 *  @param 2 image    the record, upper-case hexadecimal digits
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 image holds a character other than 0-9, A-F;
 *          -2 image empty or longer than 60000 characters;
 *          -3 the file cannot be opened or written;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_AppendImage(const char* fileName, const char* image);

/*! vek_File_DecryptOrEncryptImageFile() :
 *  Writes a second image file with every record of the first DES-encrypted or
 *  decrypted with one key (single DES, each block of 16 digits on its own). The
 *  header line is never encrypted: it is copied, or replaced by newHeader. Empty
 *  lines at the end of the source are dropped. Streams with constant memory; the
 *  key stays loaded in the DES engine. On a failure part-way the target keeps the
 *  lines written so far.
 *  @param 1 inFileName  the source image file
 *  @param 2 outFileName the target image file; must be missing or empty
 *  @param 3 hasHeader   non-zero: the source starts with a header line
 *  @param 4 mode        1 encrypt, 0 decrypt
 *  @param 5 key         16 hexadecimal digits
 *  @param 6 newHeader   null or empty: keep the source's header line; else the header
 *                       text the target gets (normalized), with or without a source header
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -6 mode neither 0 nor 1 (no file touched);
 *          -7 newHeader does not parse, or holds a CR or an LF;
 *          -2 key holds a character other than 0-9, A-F;
 *          -1 key empty, longer than 60000 characters or not exactly 16 digits;
 *          -5 the source cannot be opened or read, or the target cannot be created,
 *             opened or written;
 *          -4 the target exists and is not empty (left unchanged);
 *          -3 the source's header line is longer than 60000 characters, or holds a NUL
 *             or a CR that does not end it (found before anything is written); a
 *             source record is not hexadecimal, longer than 60000 characters, not a
 *             multiple of 16 digits, or follows an empty line;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_File_DecryptOrEncryptImageFile(const char* inFileName, const char* outFileName,
                                                          short hasHeader, short mode, const char* key,
                                                          const char* newHeader);

/* ------------------------------------------------------------------------
 * DC9 files
 *
 * A DC9 file is a binary file of records with nothing before, between or after
 * them. A record whose first 8 bytes are "FILEMK\\\\" ("FILEMK" and two
 * backslashes) is a file-mark record: it opens a part, called a FIR and numbered
 * from 1. Every other record is a data record of the FIR opened last; data
 * records before the first file mark form FIR 1 (at offset 0, without a mark)
 * when a description is read. A data record carries its image data between the
 * first "#SMC#" and the first "#END#" after it: bytes 0 to 27 a prefix, byte 28
 * the encryption flag ('1' encrypted, '0' plain), then the image's hexadecimal
 * digits. Record boundaries are not stored: every record has one fixed size,
 * or every record ends with one end marker (the data records of a FIR then all
 * have the length of its first one).
 *
 * vek_File_DC9InitDescription() reads the file once into a description, an
 * array of FIRDescription entries owned by the caller; the other DC9 functions
 * take it back and trust it: they read only the records it names, and never
 * outside the file. Extracted bytes are raw (not NUL-terminated), their count
 * returned through `size`. Only regular files are opened: a directory, a device
 * or a pipe is refused with -4, before a byte is read or written.
 * ------------------------------------------------------------------------ */

/* One FIR of a DC9 file: entry k-1 of a description describes FIR k. Four
 * 32-bit integers, 16 bytes, the same layout on every platform. */
#ifndef VEK_FIR_DESCRIPTION
#define VEK_FIR_DESCRIPTION
typedef struct FIRDescription {
    int32_t offset;       /* file offset of the FIR's file-mark record (0 for a FIR 1 without one) */
    int32_t markLength;   /* length of the file-mark record in bytes (0 without one) */
    int32_t recordCount;  /* number of data records of the FIR */
    int32_t recordLength; /* length in bytes of each data record of the FIR */
} FIRDescription;
#endif

/*! vek_File_DC9InitDescription() :
 *  Reads a DC9 file front to back and describes its FIRs, one entry per FIR.
 *  Exactly one of endMarkerLength and recordSize is above 0. The file is never
 *  written. On failure the entries already filled and firCount stay as the
 *  failure left them.
 *  @param 1 fileName        path of the DC9 file
 *  @param 2 endMarker       the bytes that end every record (read only when endMarkerLength is not 0)
 *  @param 3 endMarkerLength length of endMarker in bytes, 1 or more; 0 for fixed-size records
 *  @param 4 recordSize      the size of every record in bytes, 1 or more; 0 for end-marked records
 *  @param 5 firCount        in: the number of entries description has room for; out: the number of
 *                           FIRs so far at every file-mark record (it keeps its value in a file
 *                           without any; with description, a leading FIR 1 counts)
 *  @param 6 description     receives one entry per FIR; NULL asks for the count alone
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 both or neither of endMarkerLength and recordSize non-zero, either below 0,
 *             or endMarker NULL with a length;
 *          -2 fixed size: a partial record at the end; end marker: a data record that
 *             does not end with the marker where the FIR's record length says;
 *          -3 more FIRs than description has room for (after the whole file is read,
 *             with the entries that fit filled), or more than 32767 FIRs;
 *          -4 the file cannot be opened or read; a record offset above 2^31 - 1;
 *          -5 a record buffer cannot be allocated;
 *          -6 end marker: no marker between a record's start and the end of the file;
 *          -99 internal failure, or firCount NULL. */
VEK_API short VEK_CALL vek_File_DC9InitDescription(const char* fileName, const unsigned char* endMarker,
                                                   int endMarkerLength, int recordSize, short* firCount,
                                                   FIRDescription* description);

/*! vek_File_DC9ExtractImageByIndex() :
 *  Copies the image data of one data record (or a whole file-mark record) of a
 *  described DC9 file to out: with fir 0 and two FIRs of 3 records each,
 *  recordIndex 5 gives the second record of FIR 2.
 *  @param 1 fileName    path of the DC9 file
 *  @param 2 firCount    number of entries in description
 *  @param 3 description as filled by vek_File_DC9InitDescription()
 *  @param 4 fir         FIR number 1 to firCount, or 0 for the file as a whole
 *  @param 5 recordIndex 1 to n the data record number (across the FIRs for fir 0); -1 the
 *                       first data record; -2 the last; -3 the FIR's file-mark record itself
 *                       (of FIR 1 for fir 0)
 *  @param 6 out         receives the image data (the file-mark record for -3), not NUL-terminated
 *  @param 7 size        in: room in out in bytes; out: bytes written (0 on failure, out not written)
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 fir below 0 or above firCount;
 *          -4 the file cannot be opened (checked next), the record lies outside the file
 *             or cannot be read;
 *          -2 no such record: recordIndex 0 or below -3, above the FIR's record count (the
 *             total for fir 0), or -1/-2 on a FIR without data records;
 *          -5 the record buffer cannot be allocated;
 *          -3 the record holds no "#SMC#" ... "#END#";
 *          -50 out too small for the result (a result exactly as long as the room fits);
 *          -99 internal failure, or size NULL, description NULL or out NULL where needed. */
VEK_API short VEK_CALL vek_File_DC9ExtractImageByIndex(const char* fileName, short firCount,
                                                       const FIRDescription* description, short fir,
                                                       int recordIndex, unsigned char* out, int* size);

/*! vek_File_DC9ExtractImageBySearchKey() :
 *  Copies the image data of the first data record that holds the byte
 *  searchKeyCode directly followed by the 26 bytes of searchKey. The search
 *  stops at the first record read that lacks the code byte.
 *  @param 1 fileName      path of the DC9 file
 *  @param 2 firCount      number of entries in description
 *  @param 3 description   as filled by vek_File_DC9InitDescription()
 *  @param 4 fir           FIR to search, 1 to firCount, or 0 to search every FIR from FIR 1 on
 *  @param 5 searchKeyCode the byte that introduces the search key (its low 8 bits)
 *  @param 6 searchKey     exactly 26 characters
 *  @param 7 out           receives the image data, not NUL-terminated
 *  @param 8 size          in: room in out in bytes; out: bytes written (0 on failure, out not written)
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 fir below 0 or above firCount;
 *          -7 searchKey not of 26 characters;
 *          -4 the file cannot be opened, a record lies outside it or cannot be read;
 *          -5 a record buffer cannot be allocated;
 *          -2 a record read holds no searchKeyCode byte;
 *          -6 every record searched without a match;
 *          -3 the matching record holds no "#SMC#" ... "#END#";
 *          -50 out too small for the result (a result exactly as long as the room fits);
 *          -99 internal failure, or size NULL, description NULL or out NULL where needed. */
VEK_API short VEK_CALL vek_File_DC9ExtractImageBySearchKey(const char* fileName, short firCount,
                                                           const FIRDescription* description, short fir,
                                                           int searchKeyCode, const char* searchKey,
                                                           unsigned char* out, int* size);

/*! vek_File_DC9DecryptOrEncryptImageFile() :
 *  Writes a copy of the firCount described FIRs of a DC9 file with every image
 *  encrypted or decrypted under one single-DES key, block by block, and its flag
 *  byte set to '1' or '0'; every other byte is copied as it is, and bytes after
 *  the last described record are not copied. The source is read from its start,
 *  FIR after FIR (the description's offsets are not used). A failure part-way
 *  leaves in outFileName what was written so far. Afterwards the DES engine's
 *  key (see vek_Tran_CalDES_Fast()) is this key, when the file held an image.
 *  @param 1 fileName    path of the DC9 file
 *  @param 2 firCount    number of entries in description, all copied
 *  @param 3 description as filled by vek_File_DC9InitDescription()
 *  @param 4 outFileName path of the file to write: missing or empty (it is never truncated)
 *  @param 5 mode        1 encrypt, 0 decrypt
 *  @param 6 key         16 hexadecimal digits, one DES key
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 mode neither 0 nor 1; after the key, firCount 0 or below (before any
 *             file is opened or created);
 *          -3 key empty or holding a character other than 0-9, A-F; later, an image's
 *             digits holding such a character;
 *          -2 key longer than 60000 characters or not 16 digits; later, an image's digits
 *             longer than 60000 characters;
 *          -4 either file cannot be opened, a record lies outside the source, a read or
 *             a write fails;
 *          -6 outFileName is not empty (it is left as it was);
 *          -5 a record buffer cannot be allocated;
 *          -7 image data of 29 bytes or fewer, or an image's digits not a multiple of 16;
 *          -99 internal failure, or a record without "#SMC#" ... "#END#", or
 *              description NULL. */
VEK_API short VEK_CALL vek_File_DC9DecryptOrEncryptImageFile(const char* fileName, short firCount,
                                                             const FIRDescription* description,
                                                             const char* outFileName, short mode,
                                                             const char* key);

/* ------------------------------------------------------------------------
 * Data preparation
 * ------------------------------------------------------------------------ */

/* The steps of a personalization data-preparation job: key check values,
 * DES and Triple-DES over data, MACs, EMV ICC master key derivation, card
 * verification values, clear PIN blocks, and the BER-TLV elements and DGIs of
 * a card's record. Each of these functions holds its keys for itself during
 * the call: the process-wide DES engine (its keys and chaining value, see
 * vek_Tran_CalDES_Fast()) and the random generator are left as they were, and
 * the calls run in parallel with any other call.
 * A DES key text has 16 hexadecimal digits (single DES), 32 (two-key
 * Triple-DES, K1 then K2, K3 = K1) or 48 (three-key Triple-DES, K1 K2 K3),
 * where a function allows it; Triple-DES is EDE: E(K3, D(K2, E(K1, x))).
 * Parity bits (the lowest bit of each key byte) are ignored. */

/*! vek_Calc_KeyCheckValue() :
 *  The key check value of a DES or Triple-DES key: the first digits of the
 *  encryption of the block 0000000000000000 under the key. Key
 *  0123456789ABCDEFFEDCBA9876543210 with digits 0 gives "08D7B4".
 *  @param 1 key     16, 32 or 48 hexadecimal digits
 *  @param 2 digits  the number of digits to write, 1 to 16; 0 for 6
 *  @param 3 out     receives the check value
 *  @param 4 outSize size of out in bytes, at least digits + 1 (7 for 0)
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 key empty or null, or holding a character other than '0'-'9', 'A'-'F';
 *          -2 key not of 16, 32 or 48 digits;
 *          -3 digits below 0 or above 16;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_KeyCheckValue(const char* key, int digits, char* out, int outSize);

/*! vek_Calc_TripleDESData() :
 *  Encrypts or decrypts data of any number of 8-byte blocks with DES (a key of
 *  16 digits) or Triple-DES EDE (32 or 48 digits), in electronic codebook
 *  (ECB, each block alone) or cipher-block chaining (CBC: each plain block is
 *  combined by exclusive-or with the previous cipher block, the first with
 *  iv). Nothing is padded: the data is a whole number of blocks, and the
 *  result has as many digits as the data.
 *  @param 1 key      16, 32 or 48 hexadecimal digits
 *  @param 2 data     hexadecimal text, 16 to 60000 digits, a multiple of 16
 *  @param 3 mode     1 encrypt, 0 decrypt
 *  @param 4 chaining 0 ECB, 1 CBC
 *  @param 5 iv       CBC: the initial chaining value, 16 hexadecimal digits;
 *                    ECB: "" or null (any other text is refused)
 *  @param 6 out      receives the result, as many digits as data
 *  @param 7 outSize  size of out in bytes, at least the length of data + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 key empty or null, or holding a character other than '0'-'9', 'A'-'F';
 *          -2 key not of 16, 32 or 48 digits;
 *          -3 data empty or null, holding a character other than '0'-'9', 'A'-'F',
 *             or over 60000 digits;
 *          -4 data not a multiple of 16 digits;
 *          -5 mode or chaining neither 0 nor 1;
 *          -6 iv not 16 hexadecimal digits for CBC, or not empty for ECB;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_TripleDESData(const char* key, const char* data, short mode, short chaining,
                                              const char* iv, char* out, int outSize);

/*! vek_Calc_MAC() :
 *  The ISO/IEC 9797-1 MAC of data, from a zero chaining value:
 *  algorithm 1 is the CBC-MAC under the key's own cipher (DES for 16 digits,
 *  Triple-DES for 32 or 48); algorithm 3 (the retail MAC) chains with single
 *  DES under K1, then deciphers the last block under K2 and enciphers it under
 *  K1 again (K3 for a key of 48 digits). Padding method 1 appends zero bytes
 *  up to a whole block (none to data of whole blocks; empty data is one block
 *  of zeros); method 2 appends 80 and then zero bytes up to a whole block.
 *  The result is the whole last block; callers keep the leftmost digits they
 *  need (often 8).
 *  @param 1 key       16, 32 or 48 hexadecimal digits; 32 or 48 for algorithm 3
 *  @param 2 data      bytes as hexadecimal text, an even number of digits up to
 *                     60000; may be empty or null
 *  @param 3 algorithm 1 or 3
 *  @param 4 padding   1 or 2
 *  @param 5 out       receives the MAC, 16 digits
 *  @param 6 outSize   size of out in bytes, at least 17
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 key empty or null, or holding a character other than '0'-'9', 'A'-'F';
 *          -2 key not of 16, 32 or 48 digits, or of 16 digits for algorithm 3;
 *          -3 data holding a character other than '0'-'9', 'A'-'F', an odd number
 *             of digits, or over 60000 digits;
 *          -4 algorithm neither 1 nor 3;
 *          -5 padding neither 1 nor 2;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_MAC(const char* key, const char* data, short algorithm, short padding, char* out,
                                    int outSize);

/*! vek_Calc_DeriveICCMasterKey() :
 *  Derives an ICC master key from an issuer master key (EMV Book 2, Annex A1.4).
 *  Option A: Y is the rightmost 16 digits of PAN || PAN sequence number, with
 *  zeros on the left when there are fewer. Option B: PAN || PAN sequence number
 *  (with a '0' in front when its length is odd) is hashed as packed digits with
 *  SHA-1; Y is the first 16 digits of the hash decimalised (its digits 0-9 in
 *  order, then its letters A-F in order as 0-5); for a PAN of 16 digits or
 *  fewer option B is option A. Then the key is E(IMK, Y) || E(IMK, Y xor
 *  FFFFFFFFFFFFFFFF) under two-key Triple-DES, with every byte's lowest bit
 *  set for odd parity.
 *  @param 1 issuerMasterKey the issuer master key, 32 hexadecimal digits
 *  @param 2 pan             the PAN, 1 to 19 decimal digits
 *  @param 3 psn             the PAN sequence number, 2 decimal digits; "" or null for "00"
 *  @param 4 option          0 option A up to 16 digits of PAN and B above, 1 option A
 *                           whatever the PAN's length, 2 option B
 *  @param 5 out             receives the ICC master key, 32 digits
 *  @param 6 outSize         size of out in bytes, at least 33
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 issuerMasterKey empty or null, or holding a character other than '0'-'9', 'A'-'F';
 *          -2 issuerMasterKey not of 32 digits;
 *          -3 pan empty or null, holding a character other than '0'-'9', or over 19 digits;
 *          -4 psn neither empty nor 2 decimal digits;
 *          -5 option not 0, 1 or 2;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_DeriveICCMasterKey(const char* issuerMasterKey, const char* pan, const char* psn,
                                                   short option, char* out, int outSize);

/*! vek_Calc_CardVerificationValue() :
 *  The card verification value (CVV or CVC on the stripe, iCVV with service
 *  code 999, CVV2 with service code 000): PAN, expiry and service code written
 *  as digits and filled with zeros on the right to 32 digits; the first 16
 *  enciphered with DES under CVK A, combined by exclusive-or with the last 16,
 *  enciphered with two-key Triple-DES under CVK A and CVK B; the 16 digits
 *  decimalised (the digits 0-9 in order, then the letters A-F in order as 0-5)
 *  and the first three kept. The expiry is not checked as a date.
 *  @param 1 cvk         CVK A then CVK B, 32 hexadecimal digits
 *  @param 2 pan         the PAN, 1 to 19 decimal digits
 *  @param 3 expiry      the expiry date as YYMM, 4 decimal digits
 *  @param 4 serviceCode 3 decimal digits
 *  @param 5 out         receives the value, 3 digits
 *  @param 6 outSize     size of out in bytes, at least 4
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 cvk empty or null, or holding a character other than '0'-'9', 'A'-'F';
 *          -2 cvk not of 32 digits;
 *          -3 pan empty or null, holding a character other than '0'-'9', or over 19 digits;
 *          -4 expiry not 4 decimal digits;
 *          -5 serviceCode not 3 decimal digits;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_CardVerificationValue(const char* cvk, const char* pan, const char* expiry,
                                                      const char* serviceCode, char* out, int outSize);

/*! vek_Calc_PINBlock() :
 *  A clear ISO 9564-1 PIN block of 16 hexadecimal digits. The PIN field is the
 *  format digit, the PIN length (one digit, 4 to C), the PIN and a fill up to
 *  16 digits: F for format 0, random digits 0-F for format 1, random digits A-F
 *  for format 3; the random fill comes from the operating system's random
 *  source (a failure of that source ends the call with -99). Formats 0 and 3
 *  combine the PIN field by exclusive-or with 0000 and the 12 rightmost PAN
 *  digits before the check digit; format 1 does not read the PAN. PIN 1234 with
 *  PAN 4000001234562 in format 0 gives 041234FFFFFFFFFF xor 0000400000123456,
 *  "041274FFFFEDCBA9".
 *  @param 1 format  0, 1 or 3
 *  @param 2 pin     the PIN, 4 to 12 decimal digits
 *  @param 3 pan     formats 0 and 3: the PAN with its check digit, 13 to 19 decimal
 *                   digits; format 1: ignored
 *  @param 4 out     receives the PIN block, 16 digits
 *  @param 5 outSize size of out in bytes, at least 17
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 format not 0, 1 or 3;
 *          -2 pin not 4 to 12 decimal digits;
 *          -3 pan empty or null, holding a character other than '0'-'9', shorter
 *             than 13 or over 19 digits (formats 0 and 3);
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Calc_PINBlock(short format, const char* pin, const char* pan, char* out, int outSize);

/*! vek_Conv_PINBlockToPIN() :
 *  Reads the PIN back from a clear ISO 9564-1 PIN block of format 0, 1 or 3
 *  (see vek_Calc_PINBlock()), checking every field of the block.
 *  @param 1 format   0, 1 or 3
 *  @param 2 pinBlock the PIN block, 16 hexadecimal digits
 *  @param 3 pan      formats 0 and 3: the PAN the block was built with, 13 to 19
 *                    decimal digits; format 1: ignored
 *  @param 4 out      receives the PIN, 4 to 12 digits
 *  @param 5 outSize  size of out in bytes, at least the PIN's length + 1 (13 for any)
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 format not 0, 1 or 3;
 *          -2 pinBlock not 16 digits '0'-'9', 'A'-'F';
 *          -3 pan empty or null, holding a character other than '0'-'9', shorter
 *             than 13 or over 19 digits (formats 0 and 3);
 *          -4 not a block of the format: its format digit differs, its PIN
 *             length is not 4 to 12, a PIN digit is not decimal, or its fill
 *             is one the format does not allow (only F for format 0, only A-F
 *             for format 3; format 1 allows any);
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Conv_PINBlockToPIN(short format, const char* pinBlock, const char* pan, char* out,
                                              int outSize);

/*! vek_Tran_BuildTLV() :
 *  Builds one BER-TLV element: the tag as given, the length of the value in its
 *  shortest definite form (one byte below 128, then 81 xx, 82 xxxx, 83 xxxxxx)
 *  and the value. Tag 5A with value 1234 gives "5A021234". The result reads
 *  back through vek_Tran_ExtractTLV() for a tag of 2 or 4 digits and a
 *  non-empty value.
 *  @param 1 tag     one BER tag of 1 to 4 bytes as 2 to 8 hexadecimal digits: a first
 *                   byte whose low five bits are not all set and nothing after it, or
 *                   a first byte with them all set followed by bytes with bit 8 set
 *                   but the last
 *  @param 2 value   bytes as hexadecimal text, an even number of digits up to 60000;
 *                   may be empty or null
 *  @param 3 out     receives the element
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 tag empty or null, not hexadecimal, or not one well-formed BER tag of 1 to 4 bytes;
 *          -2 value holding a character other than '0'-'9', 'A'-'F', an odd number of
 *             digits, or over 60000 digits;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_BuildTLV(const char* tag, const char* value, char* out, int outSize);

/*! vek_Tran_BuildDGI() :
 *  Builds one data grouping (DGI) as the EMV card personalization format
 *  writes it: the 2-byte DGI, the length of the value in one byte (0 to 254)
 *  or FF followed by two bytes (255 to 30000), and the value. DGI 0101 with
 *  value 5A021234 gives "0101045A021234".
 *  @param 1 dgi     the DGI, 4 hexadecimal digits
 *  @param 2 value   bytes as hexadecimal text, an even number of digits up to 60000;
 *                   may be empty or null
 *  @param 3 out     receives the data grouping
 *  @param 4 outSize size of out in bytes
 *  @return -1 on success; 0 on failure, then vek_LastStatus(), in the order the checks run:
 *          -1 dgi not 4 digits '0'-'9', 'A'-'F';
 *          -2 value holding a character other than '0'-'9', 'A'-'F', an odd number of
 *             digits, or over 60000 digits;
 *          -50 out too small for the result;
 *          -99 internal failure. */
VEK_API short VEK_CALL vek_Tran_BuildDGI(const char* dgi, const char* value, char* out, int outSize);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VEK_H */
