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

/* ------------------------------------------------------------------------
 * Hexadecimal arithmetic and logic
 * ------------------------------------------------------------------------ */

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
 *  wholly inside the data or the value that holds it.
 *  @param 1 tag1    the first tag: 2 or 4 upper-case hexadecimal digits (5A, 9F36).
 *  @param 2 tag2    the second tag, 2 or 4 digits; null or "" when the path ends at tag1.
 *  @param 3 tag3    the third tag, 2 or 4 digits; null or "" when the path ends earlier.
 *                   Ignored when tag2 is absent (but still checked).
 *  @param 4 data    the encoded elements as hexadecimal text, 1 to 60000 digits;
 *                   an odd trailing digit is ignored.
 *  @param 5 out     receives the element's value as upper-case hexadecimal text.
 *  @param 6 outSize size of `out` in bytes.
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 a tag is not hexadecimal text;
 *          -2 data is not hexadecimal text;
 *          -3 a tag is longer than 60000 characters, or tag1 is not 2 or 4
 *             digits, or tag2 or tag3 is not 0, 2 or 4 digits;
 *          -4 tag1 is empty or null;
 *          -5 data is empty or null, or the element found has an empty value;
 *          -6 data is longer than 60000 digits;
 *          -7 the path leads to no element (a tag not found, or an element met
 *             that runs past the end of the data or of its enclosing value).
 *          The checks run in this order: tag1, tag2, tag3, data, the tags'
 *          lengths, then the search. */
VEK_API short VEK_CALL vek_Tran_ExtractTLV(const char* tag1, const char* tag2, const char* tag3, const char* data,
                                           char* out, int outSize);

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
