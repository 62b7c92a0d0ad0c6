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

/* ------------------------------------------------------------------------
 * Character arrays
 * ------------------------------------------------------------------------ */

/* ------------------------------------------------------------------------
 * Random values
 * ------------------------------------------------------------------------ */

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
 *  @param 1 key     32 hexadecimal digits, K1 then K2
 *  @param 2 data    the block, 16 hexadecimal digits
 *  @param 3 mode    1 encrypt, 0 decrypt
 *  @param 4 out     receives the resulting 16 digits
 *  @param 5 outSize size of out, at least 17
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 key holds a character other than 0-9, A-F;
 *          -2 key empty, longer than 60000 characters or not exactly 32 digits;
 *          -3 data holds a character other than 0-9, A-F;
 *          -4 data not exactly 16 digits; -5 mode neither 0 nor 1.
 *          Empty or over-long data ends with -99. Checked in the order
 *          key characters, data characters, key length, data length, mode. */
VEK_API short VEK_CALL vek_Calc_TripleDES(const char* key, const char* data, short mode, char* out, int outSize);

/*! vek_Tran_DecryptOrEncryptImage() :
 *  Encrypts or decrypts an image with single DES, each block of 16 digits on
 *  its own (electronic codebook). The key is loaded into the engine's slot 0
 *  and stays there for vek_Tran_CalDES_Fast().
 *  @param 1 image   the image, hexadecimal digits, a multiple of 16
 *  @param 2 mode    1 encrypt, 0 decrypt
 *  @param 3 key     16 hexadecimal digits
 *  @param 4 out     receives the processed image (as many digits)
 *  @param 5 outSize size of out, at least the image length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 key empty, longer than 60000 characters or not 16 digits;
 *          -2 key holds a character other than 0-9, A-F;
 *          -3 image empty or holds a character other than 0-9, A-F;
 *          -4 mode neither 0 nor 1; -5 image length not a multiple of 16;
 *          -6 image longer than 60000 characters.
 *          Checked in the order image, key, mode, key length, image length. */
VEK_API short VEK_CALL vek_Tran_DecryptOrEncryptImage(const char* image, short mode, const char* key, char* out,
                                                      int outSize);

/*! vek_Tran_InitDES() :
 *  Loads a single-DES key into the engine's slot 0 and computes its key
 *  schedule once, for the vek_Tran_CalDES_Fast() calls that follow.
 *  @param 1 mode     must be 0 or 1; it has no other effect
 *  @param 2 key      16 hexadecimal digits
 *  @param 3 reserved not read
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 key empty; -2 mode neither 0 nor 1; -4 key not exactly 16 digits.
 *          A key with a character other than 0-9, A-F or longer than 60000
 *          characters ends with -99. */
VEK_API short VEK_CALL vek_Tran_InitDES(short mode, const char* key, int reserved);

/*! vek_Tran_CalDES_Fast() :
 *  Encrypts or decrypts an image block by block, like
 *  vek_Tran_DecryptOrEncryptImage(), with the key already in the engine's slot
 *  0 (loaded by vek_Tran_InitDES() or by any other function that loads a key):
 *  no key schedule is computed.
 *  @param 1 image     the image, hexadecimal digits, a multiple of 16
 *  @param 2 mode      1 encrypt, 0 decrypt
 *  @param 3 blockMode must be 0 (otherwise -99)
 *  @param 4 out       receives the processed image
 *  @param 5 outSize   size of out, at least the image length + 1
 *  @return -1 on success; 0 on failure, then vek_LastStatus():
 *          -1 image holds a character other than 0-9, A-F; -2 image empty;
 *          -3 image longer than 60000 characters; -4 mode neither 0 nor 1;
 *          -5 image length not a multiple of 16 digits. */
VEK_API short VEK_CALL vek_Tran_CalDES_Fast(const char* image, short mode, int blockMode, char* out, int outSize);

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
