// The .NET binding as a caller uses it: every export reached through Vek.Api, results
// checked against the header's own examples, published vectors or .NET's own
// arithmetic (BigInteger), every kind of failure thrown with its function, status
// and the header's text, and the buffers grown past their first size.
// Usage: vek_test.exe EXPORT-TABLE THIS-SOURCE WORK-DIRECTORY
using System;
using System.Collections.Generic;
using System.Globalization;
using System.IO;
using System.Linq;
using System.Numerics;
using System.Reflection;
using System.Runtime.InteropServices;
using System.Text;
using Vek;

static class VekTest
{
    static int passed, failed;

    // FIPS 46 worked example: DES key 133457799BBCDFF1 on 0123456789ABCDEF.
    const string DesKey = "133457799BBCDFF1", DesPlain = "0123456789ABCDEF", DesCipher = "85E813540F0AB405";

    static void Check(bool ok, string what)
    {
        if (ok)
            passed++;
        else
        {
            failed++;
            Console.WriteLine("FAILED: " + what);
        }
    }

    static void Equal<T>(T expected, T actual, string what)
    {
        Check(EqualityComparer<T>.Default.Equals(expected, actual),
              string.Format("{0}: expected {1}, got {2}", what, Show(expected), Show(actual)));
    }

    static void EqualBytes(byte[] expected, byte[] actual, string what)
    {
        Check(actual != null && expected.SequenceEqual(actual),
              string.Format("{0}: expected {1}, got {2}", what, Hex(expected), actual == null ? "null" : Hex(actual)));
    }

    static void EqualFirs(Fir[] expected, Fir[] actual, string what)
    {
        Check(actual != null && expected.SequenceEqual(actual), string.Format("{0}: expected {1}, got {2}", what,
              string.Join(" ", expected.Select(f => f.ToString())),
              actual == null ? "null" : string.Join(" ", actual.Select(f => f.ToString()))));
    }

    static string Show<T>(T value)
    {
        string s = value == null ? "null" : value.ToString();
        return s.Length > 80 ? s.Substring(0, 80) + "... (" + s.Length + " characters)" : s;
    }

    static string Hex(byte[] bytes)
    {
        return BitConverter.ToString(bytes).Replace("-", "");
    }

    // One case: an exception it does not expect fails it alone.
    static void Case(string what, Action body)
    {
        try
        {
            body();
        }
        catch (Exception e)
        {
            Check(false, what + ": " + e.GetType().Name + ": " + e.Message);
        }
    }

    // A call that must fail in the library: its exception names the function, the
    // status the library left, and the header's text for that status.
    static VekException Fails(string function, int status, string text, Action call)
    {
        try
        {
            call();
        }
        catch (VekException e)
        {
            Equal(function, e.Function, function + ": the exception's function");
            Equal(status, e.Status, function + ": the exception's status");
            Equal(e.Status, Api.LastStatus(), function + ": the status is vek_LastStatus()");
            Equal(text, e.StatusText, function + ": the exception's text");
            Check(e.Message == string.Format("vek_{0} failed: status {1}: {2}", function, status, text),
                  function + ": the exception's message: " + e.Message);
            return e;
        }
        catch (Exception e)
        {
            Check(false, function + ": " + e.GetType().Name + " instead of VekException: " + e.Message);
            return null;
        }
        Check(false, function + ": no exception for status " + status);
        return null;
    }

    static T Throws<T>(string what, Action call) where T : Exception
    {
        try
        {
            call();
        }
        catch (T e)
        {
            passed++;
            return e;
        }
        catch (Exception e)
        {
            Check(false, what + ": " + e.GetType().Name + " instead of " + typeof(T).Name + ": " + e.Message);
            return null;
        }
        Check(false, what + ": no " + typeof(T).Name);
        return null;
    }

    // .NET's own arithmetic, the oracle of the number cases.
    static BigInteger FromHex(string hex)
    {
        return BigInteger.Parse("0" + hex, NumberStyles.HexNumber);
    }

    static string ToHex(BigInteger value, int width)
    {
        string s = value.ToString("X").TrimStart('0');
        return (s.Length == 0 ? "0" : s).PadLeft(width, '0');
    }

    static string ToBin(BigInteger value, int width)
    {
        var bits = new StringBuilder();
        for (; value > 0; value >>= 1)
            bits.Insert(0, value.IsEven ? '0' : '1');
        return (bits.Length == 0 ? "0" : bits.ToString()).PadLeft(width, '0');
    }

    static BigInteger FromBin(string bin)
    {
        BigInteger value = 0;
        foreach (char c in bin)
            value = value * 2 + (c - '0');
        return value;
    }

    static string Luhn(string digits)
    {
        int total = 0;
        for (int i = 0; i < digits.Length; i++)
        {
            int n = (digits[digits.Length - 1 - i] - '0') * (i % 2 == 0 ? 2 : 1);
            total += n > 9 ? n - 9 : n;
        }
        return ((10 - total % 10) % 10).ToString();
    }

    static string Reverse(string s)
    {
        char[] c = s.ToCharArray();
        Array.Reverse(c);
        return new string(c);
    }

    static string Repeat(string s, int n)
    {
        return new StringBuilder(s.Length * n).Insert(0, s, n).ToString();
    }

    static int Main(string[] args)
    {
        string exportTable = args[0], source = args[1], work = args[2];
        Directory.CreateDirectory(work);

        Declarations(exportTable, source);
        Case("text functions", TextFunctions);
        Case("failures", Failures);
        Case("arguments", Arguments);
        Case("long results", LongResults);
        Case("image files", () => ImageFiles(work));
        Case("DC9 files", () => Dc9Files(work));

        Console.WriteLine(string.Format("{0} passed, {1} failed", passed, failed));
        return failed == 0 ? 0 : 1;
    }

    // Vek.Native declares every export of the table, as vek.h does: by its exact name, from "VEK",
    // stdcall, ANSI; Vek.Api has a method of the same name without "vek_"; this file calls each.
    static void Declarations(string exportTable, string source)
    {
        var exports = File.ReadAllLines(exportTable).Select(l => l.Trim())
            .Where(l => l.Length > 0 && !l.StartsWith("#")).ToList();
        Equal(86, exports.Count, "exports in the table");
        var natives = typeof(Native).GetMethods(BindingFlags.Public | BindingFlags.Static)
            .Where(m => (m.Attributes & MethodAttributes.PinvokeImpl) != 0).ToList();
        Equal(exports.Count, natives.Count, "DllImport declarations in Vek.Native");
        string text = File.ReadAllText(source);
        foreach (string name in exports)
        {
            var native = natives.FirstOrDefault(m => m.Name == name);
            Check(native != null, "Vek.Native." + name + " is declared");
            if (native != null)
            {
                var import = (DllImportAttribute)native.GetCustomAttributes(typeof(DllImportAttribute), false).Single();
                Check(import.Value == "VEK" && import.EntryPoint == name && import.ExactSpelling
                      && import.CallingConvention == CallingConvention.StdCall && import.CharSet == CharSet.Ansi,
                      name + ": [DllImport(\"VEK\")], its exact name, stdcall, ANSI");
                Equal(typeof(short), native.ReturnType, name + " returns short");
            }
            string api = name.Substring("vek_".Length);
            Check(typeof(Api).GetMethod(api, BindingFlags.Public | BindingFlags.Static) != null,
                  "Vek.Api." + api + " exists");
            Check(text.Contains("Api." + api + "("), "this test calls Api." + api);
        }
    }

    static void TextFunctions()
    {
        var rng = new Random(13);
        var raw = new byte[8];
        rng.NextBytes(raw);
        string H = Hex(raw);                                           // 64 bits, hexadecimal
        BigInteger h = FromHex(H);
        string D = (h >> 4).ToString();                                // 60 bits, decimal
        BigInteger d = BigInteger.Parse(D);
        string B = ToBin(h & 0xFFFFFF, 24);                            // 24 bits, binary
        BigInteger b = FromBin(B);
        BigInteger all64 = BigInteger.Pow(2, 64) - 1;

        Equal(13, Api.Version(), "Version");
        Equal(ToBin(d, 0), Api.Conv_DecToBin(D, 0), "Conv_DecToBin");
        Equal("1010", Api.Conv_DecToBin("10", 0), "Conv_DecToBin 10");
        Equal(ToBin(h, 70), Api.Conv_HexaToBin(H, 70), "Conv_HexaToBin");
        Equal("0100000101111110", Api.Conv_CharToBin("A~"), "Conv_CharToBin");
        Equal(true, Api.Veri_IsBin(B), "Veri_IsBin");
        Equal(0, Api.LastStatus(), "LastStatus after a true answer");
        Equal(false, Api.Veri_IsBin("0120"), "Veri_IsBin false");
        Equal(-3, Api.LastStatus(), "LastStatus after a false answer: its code");
        Equal("00110000", Api.Tran_SetBinInBin("00000000", 3, "11"), "Tran_SetBinInBin");
        Equal(B.Substring(4, 7), Api.Tran_GetBinInBin(B, 5, 7), "Tran_GetBinInBin");
        Equal(Reverse(B), Api.Tran_ReverseBin(B), "Tran_ReverseBin");
        Equal("1110", Api.Calc_ORBinary("1100", "1010"), "Calc_ORBinary");
        Equal("10", Api.Calc_ANDBinary("1x", "11"), "Calc_ANDBinary");
        Equal("0110", Api.Calc_XORBinary("1100", "1010"), "Calc_XORBinary");
        Equal("", Api.Calc_XORBinary("", ""), "Calc_XORBinary of empty texts");

        Equal("ABC", Api.Conv_HexaToChar("414243"), "Conv_HexaToChar");
        Equal("AB", Api.Conv_BinToChar("0100000101000010"), "Conv_BinToChar");
        Equal("BADC", Api.Tran_SwapCharInPairs("ABCD"), "Tran_SwapCharInPairs");
        Equal("\x14", Api.Tran_SwapChar("A"), "Tran_SwapChar");

        Equal(h.ToString(), Api.Conv_HexaToDec(H, 0), "Conv_HexaToDec");
        Equal("65535", Api.Conv_HexaToDec("FFFF", 0), "Conv_HexaToDec FFFF");
        Equal(b.ToString().PadLeft(30, '0'), Api.Conv_BinToDec(B, 30), "Conv_BinToDec");
        Equal(true, Api.Veri_IsDec(D), "Veri_IsDec");
        Equal(false, Api.Veri_IsDec("12A"), "Veri_IsDec false");
        Equal(-1, Api.Comp_DecToDec(D, (d + 1).ToString()), "Comp_DecToDec");
        Equal(0, Api.Comp_DecToDec("0010", "10"), "Comp_DecToDec equal");
        Equal((d + 1).ToString(), Api.Tran_IncreaseDec(D, 0), "Tran_IncreaseDec");
        Equal((d - 1).ToString(), Api.Tran_DecreaseDec(D, 0), "Tran_DecreaseDec");
        Equal("100000000000000000000", Api.Calc_AddDecToDec("99999999999999999999", "1", 0), "Calc_AddDecToDec");
        Equal((d - 7).ToString(), Api.Calc_SubstractDecToDec(D, "7", 0), "Calc_SubstractDecToDec");
        Equal("3", Api.Calc_LuhnKey("7992739871"), "Calc_LuhnKey");
        Equal(Luhn(D), Api.Calc_LuhnKey(D), "Calc_LuhnKey oracle");

        Equal(ToHex(d, 0), Api.Conv_DecToHexa(D, 0), "Conv_DecToHexa");
        Equal("FFFFFFFFFFFFFFFF", Api.Conv_DecToHexa("18446744073709551615", 0), "Conv_DecToHexa 2^64 - 1");
        Equal("4142", Api.Conv_CharToHexa("AB"), "Conv_CharToHexa");
        Equal(ToHex(b, 0), Api.Conv_BinToHexa(B, 0), "Conv_BinToHexa");
        Equal("1001", Api.Conv_ExtractBinFromHexa("A5", 3, 4), "Conv_ExtractBinFromHexa");
        Equal(ToBin(h, 64).Substring(2, 9), Api.Conv_ExtractBinFromHexa(H, 3, 9), "Conv_ExtractBinFromHexa oracle");
        Equal(true, Api.Veri_IsHexa(H), "Veri_IsHexa");
        Equal(false, Api.Veri_IsHexa("ab"), "Veri_IsHexa false");
        Equal(0, Api.Comp_HexaToHexa("00FF", "FF"), "Comp_HexaToHexa");
        Equal(1, Api.Comp_HexaToDec(H, (h - 1).ToString()), "Comp_HexaToDec");
        Equal(0, Api.Comp_HexaToDec("FF", "255"), "Comp_HexaToDec FF 255");
        EqualBytes(new byte[] { 0x0A, 0x10 }, Api.Conv_HexaToArrayChar("0A1"), "Conv_HexaToArrayChar");
        EqualBytes(raw, Api.Conv_HexaToArrayChar(H), "Conv_HexaToArrayChar oracle");
        EqualBytes(new byte[] { 0x01, 0x00 }, Api.Conv_BinToArrayChar("100000000"), "Conv_BinToArrayChar");

        Equal("2143", Api.Tran_SwapHexa("1234"), "Tran_SwapHexa");
        Equal("5A", Api.Tran_SwapHexaByte("A5"), "Tran_SwapHexaByte");
        Equal("3D5", Api.Tran_SwapBitInHexa("ABC"), "Tran_SwapBitInHexa");
        Equal(ToHex(FromBin(Reverse(ToBin(h, 64))), 16), Api.Tran_SwapBitInHexa(H), "Tran_SwapBitInHexa oracle");
        Equal("0100", Api.Tran_IncreaseHexa("00FF", 4), "Tran_IncreaseHexa");
        Equal("FF", Api.Tran_DecreaseHexa("0100", 0), "Tran_DecreaseHexa");
        Equal("F0", Api.Tran_SetBinInHexa("1111", 1, "00"), "Tran_SetBinInHexa");
        Equal("2468", Api.Tran_ShiftBitLeft("1234", 1), "Tran_ShiftBitLeft");
        Equal(ToHex((h << 5) & all64, 16), Api.Tran_ShiftBitLeft(H, 5), "Tran_ShiftBitLeft oracle");
        Equal("091A", Api.Tran_ShiftBitRight("1234", 1), "Tran_ShiftBitRight");
        Equal(ToHex(h >> 5, 16), Api.Tran_ShiftBitRight(H, 5), "Tran_ShiftBitRight oracle");

        Equal("10000", Api.Calc_AddHexaToHexa("FFFF", "1", 0), "Calc_AddHexaToHexa");
        Equal(ToHex(2 * h, 0), Api.Calc_AddHexaToHexa(H, H, 0), "Calc_AddHexaToHexa oracle");
        Equal("1", Api.Calc_SubstractHexaToHexa("0100", "FF", 0), "Calc_SubstractHexaToHexa");
        Equal(ToHex(h + d, 0), Api.Calc_AddDecToHexa(H, D, 0), "Calc_AddDecToHexa");
        Equal("FF", Api.Calc_SubstractDecToHexa("100", "1", 0), "Calc_SubstractDecToHexa");
        Equal("FF", Api.Calc_XorHexa("0F", "F0", 0), "Calc_XorHexa");
        Equal(ToHex(h ^ FromHex(Reverse(H)), 16), Api.Calc_XorHexa(H, Reverse(H), 0), "Calc_XorHexa oracle");
        Equal("00", Api.Calc_AndHexa("0F", "F0", 0), "Calc_AndHexa");
        Equal("A5", Api.Calc_OrHexa("A0", "05", 0), "Calc_OrHexa");
        Equal(ToHex(h ^ all64, 16), Api.Calc_ComplementHexa(H, 0), "Calc_ComplementHexa");
        Equal("0088", Api.Calc_ChecksumHexa("1122334455667788", 4), "Calc_ChecksumHexa");
        Equal(4, Api.Calc_CountBits("F0", 0), "Calc_CountBits zeros");
        Equal(ToBin(h, 64).Count(c => c == '1'), Api.Calc_CountBits(H, 1), "Calc_CountBits ones");

        Equal("1234", Api.Tran_ExtractTLV("5A", null, null, "9F360200015A021234"), "Tran_ExtractTLV");
        Equal("251231", Api.Tran_ExtractTLV("70", "5F24", "", "70155A0847617390010100105F24032512319F0702FF00"),
              "Tran_ExtractTLV, two tags");

        Equal("007FFF", Api.Conv_ArrayCharToHexa(new byte[] { 0x00, 0x7F, 0xFF }), "Conv_ArrayCharToHexa");
        Equal("01000001", Api.Conv_ArrayCharToBin(new byte[] { 0x41 }), "Conv_ArrayCharToBin");

        string digits = Api.Calc_RndByMinMax("2", "5", "DEC", 200);
        Check(digits.Length == 200 && digits.All(c => c >= '2' && c <= '5'), "Calc_RndByMinMax: " + digits);

        Equal(DesCipher, Api.Calc_TripleDES(DesKey + DesKey, DesPlain, 1), "Calc_TripleDES");
        Equal(DesCipher + DesCipher, Api.Tran_DecryptOrEncryptImage(DesPlain + DesPlain, 1, DesKey),
              "Tran_DecryptOrEncryptImage");
        Api.Tran_InitDES(1, DesKey, 0);
        Equal(DesPlain, Api.Tran_CalDES_Fast(DesCipher, 0, 0), "Tran_CalDES_Fast with the key Tran_InitDES loaded");

        Equal("LOT 17/TYPE TEST A", Api.Tran_SetFieldInImageFileHeader("LOT 17", "TYPE", "TEST A"),
              "Tran_SetFieldInImageFileHeader");
        Equal("3", Api.Tran_GetFieldInImageFileHeader("LOT 17/COUNT 3", "COUNT"), "Tran_GetFieldInImageFileHeader");
        Equal("TYPE B/COUNT 3", Api.Tran_RemoveFieldInImageFileHeader("LOT 17/TYPE B/COUNT 3", "LOT"),
              "Tran_RemoveFieldInImageFileHeader");

        // Data preparation: FIPS 81 ("Now is the time for all "), ISO/IEC 9797-1,
        // the pyemv derivation example, Visa's CVV test data, ISO 9564-1.
        const string K = "0123456789ABCDEF", K2 = K + "FEDCBA9876543210";
        const string Now = "4E6F77206973207468652074696D6520666F7220616C6C20";
        Equal("08D7B4", Api.Calc_KeyCheckValue(K2, 0), "Calc_KeyCheckValue");
        Equal("E5C7CDDE872BF27C43E934008C389C0F683788499A7C05F6",
              Api.Calc_TripleDESData(K, Now, 1, 1, "1234567890ABCDEF"), "Calc_TripleDESData");
        Equal("A1C72E74EA3FA9B6", Api.Calc_MAC(K2, Now, 3, 1), "Calc_MAC");
        Equal("985EC4FD3EDF6162E31AF1C7D0543416", Api.Calc_DeriveICCMasterKey(K2, "99012345678901234", "45", 0),
              "Calc_DeriveICCMasterKey");
        Equal("370", Api.Calc_CardVerificationValue(K2, "4123456789012", "8701", "101"),
              "Calc_CardVerificationValue");
        Equal("0592789FFFEDCBA9", Api.Calc_PINBlock(0, "92389", "4000001234562"), "Calc_PINBlock");
        Equal("92389", Api.Conv_PINBlockToPIN(0, "0592789FFFEDCBA9", "4000001234562"), "Conv_PINBlockToPIN");
        Equal("5A021234", Api.Tran_BuildTLV("5A", "1234"), "Tran_BuildTLV");
        Equal("0101045A021234", Api.Tran_BuildDGI("0101", "5A021234"), "Tran_BuildDGI");
    }

    // Every kind of failure, with the header's text for the code.
    static void Failures()
    {
        Fails("Conv_HexaToDec", -1, "hexa empty or holding a character other than '0'-'9', 'A'-'F'",
              () => Api.Conv_HexaToDec("ZZ", 0));
        Fails("Conv_DecToBin", -2, "resultLength below 0 or above 60000", () => Api.Conv_DecToBin("1", 60001));
        // A predicate's failure is not its "false" answer.
        Fails("Veri_IsHexa", -3, "text over 60000 characters", () => Api.Veri_IsHexa(new string('0', 60001)));
        Fails("Veri_IsBin", -1, "text empty", () => Api.Veri_IsBin(""));
        Fails("Comp_DecToDec", -2, "b over 60000 characters, empty or not decimal", () => Api.Comp_DecToDec("1", "x"));
        Fails("Calc_CountBits", -1, "hexa over 60000 characters, empty or not hexadecimal",
              () => Api.Calc_CountBits("G", 1));
        Fails("Calc_XORBinary", -2, "a and b of different lengths", () => Api.Calc_XORBinary("1", "10"));
        Fails("Conv_HexaToArrayChar", -1, "hexa empty", () => Api.Conv_HexaToArrayChar(""));
        Fails("Conv_ArrayCharToHexa", -1, "length 0 or negative, or bytes a null pointer",
              () => Api.Conv_ArrayCharToHexa(new byte[0]));
        Fails("Tran_InitDES", -2, "mode neither 0 nor 1", () => Api.Tran_InitDES(2, DesKey, 0));
        Fails("File_ExtractImageByIndex", -4, "file cannot be opened or read",
              () => Api.File_ExtractImageByIndex("/nonexistent/vek.img", 1, 0));
        Fails("File_AppendImage", -1, "image holds a character other than 0-9, A-F",
              () => Api.File_AppendImage("/nonexistent/vek.img", "XY"));
        Fails("File_DC9InitDescription", -4, "the file cannot be opened or read; a record offset above 2^31 - 1",
              () => Api.File_DC9InitDescription("/nonexistent/vek.dc9", new byte[0], 64));
        Fails("File_DC9ExtractImageByIndex", -1, "fir below 0 or above firCount",
              () => Api.File_DC9ExtractImageByIndex("/nonexistent", new[] { new Fir(0, 0, 1, 8) }, 2, 1));
        // The codes every function shares have the contract's texts where a function does not list them.
        Equal("the output buffer is too small for the result", Api.Message("Veri_IsBin", -50), "Message of -50");
        Equal("internal failure", Api.Message("Version", -99), "Message of -99");
        Equal("", Api.Message("Veri_IsBin", -7), "Message of a code the function never leaves");
    }

    // Checks made before the call, where the library would take a value silently.
    static void Arguments()
    {
        var e = Throws<ArgumentException>("a text holding a NUL", () => Api.Veri_IsHexa("AB\0CD"));
        Check(e != null && e.ParamName == "text" && e.Message.Contains("NUL"), "the NUL's parameter is named");
        Throws<ArgumentNullException>("a missing byte array", () => Api.Conv_ArrayCharToHexa(null));
        Throws<ArgumentNullException>("a missing description", () => Api.File_DC9ExtractImageByIndex("x", null, 1, 1));
        Throws<ArgumentOutOfRangeException>("a description a short cannot count",
            () => Api.File_DC9ExtractImageByIndex("x", new Fir[32768], 1, 1));
        Equal("004100", Api.Conv_ArrayCharToHexa(new byte[] { 0, 0x41, 0 }), "bytes with their length: a NUL is data");
        // A null text is passed as NULL, which the library reads as the empty text.
        Fails("Veri_IsHexa", -1, "text empty", () => Api.Veri_IsHexa(null));
    }

    // Results far beyond the first buffer of 1024: the buffer is grown on -50.
    static void LongResults()
    {
        Equal(new string('1', 60000), Api.Conv_HexaToBin(new string('F', 15000), 0), "Conv_HexaToBin of 15000 digits");
        Equal(Repeat("5A", 30000), Api.Conv_CharToHexa(new string('Z', 30000)), "Conv_CharToHexa of 30000");
        Equal(new string('0', 59999) + "1", Api.Tran_IncreaseDec("0", 60000), "Tran_IncreaseDec padded to 60000");
    }

    // Image files: serials 00001000, 00001001, 00001002 at position 1 after a header line.
    static void ImageFiles(string work)
    {
        string[] serials = { "00001000", "00001001", "00001002" };
        string[] records = serials.Select(s => s + "ABCDEF12").ToArray();
        string path = Path.Combine(work, "batch.img");
        File.Delete(path);
        Api.File_AppendImageFileHeader(path, "  LOT 42/");
        foreach (string r in records)
            Api.File_AppendImage(path, r);
        Equal("LOT 42\r\n" + string.Join("", records.Select(r => r + "\r\n")), File.ReadAllText(path),
              "the image file as written");
        Equal("LOT 42", Api.File_ExtractImageByIndex(path, -3, 1), "File_ExtractImageByIndex header");
        Equal(records[1], Api.File_ExtractImageByIndex(path, 2, 1), "File_ExtractImageByIndex");
        Equal(records[2], Api.File_ExtractImageByHexaField(path, 1, 1, serials[2], ""), "File_ExtractImageByHexaField");
        Equal(records[1], Api.File_ExtractImageByDecField(path, 1, 1, serials[1], ""), "File_ExtractImageByDecField");
        Equal(records[0], Api.File_ExtractImageByFieldWithNonSeqSearch(path, 1, 9, "ABCDEF12", ""),
              "File_ExtractImageByFieldWithNonSeqSearch");
        int count;
        Equal(records[2], Api.File_ExtractImageByFieldNonSeqGetNb(path, 1, 1, serials[2], "", out count),
              "File_ExtractImageByFieldNonSeqGetNb");
        Equal(1, count, "File_ExtractImageByFieldNonSeqGetNb count");
        // The count is kept when the value is in several records or in none, in the exception and the out parameter.
        var several = Fails("File_ExtractImageByFieldNonSeqGetNb", -4,
            "more than one record holds the value (count written, out empty)",
            () => Api.File_ExtractImageByFieldNonSeqGetNb(path, 1, 1, "0000", "", out count));
        Check(several != null && several.Count == 3 && count == 3, "the count of several matches is 3");
        var none = Fails("File_ExtractImageByFieldNonSeqGetNb", -3, "no record holds the value (count 0)",
            () => Api.File_ExtractImageByFieldNonSeqGetNb(path, 1, 1, "99999999", "", out count));
        Check(none != null && none.Count == 0 && count == 0, "the count of no match is 0");
        var other = Fails("File_ExtractImageByIndex", -2, "no record at that index (an empty file included)",
                          () => Api.File_ExtractImageByIndex(path, 9, 1));
        Check(other != null && other.Count == null, "a function without a count has none in its exception");

        string encrypted = Path.Combine(work, "batch.enc");
        File.Delete(encrypted);
        Api.File_DecryptOrEncryptImageFile(path, encrypted, 1, 1, DesKey, "");
        string stored = Api.File_ExtractImageByIndex(encrypted, 1, 1);
        Check(stored != records[0] && stored == Api.Tran_DecryptOrEncryptImage(records[0], 1, DesKey),
              "the encrypted copy holds each record encrypted");
        Equal(records[1], Api.File_ExtractImageByFieldWithNonSeqSearch(encrypted, 1, 1, serials[1], DesKey),
              "a search decrypts with the key");

        string swap = Path.Combine(work, "swap.img");
        File.Delete(swap);
        foreach (string s in new[] { "21F3", "21F4", "21F5" })
            Api.File_AppendImage(swap, s + "0000");
        Equal("21F50000", Api.File_ExtractImageBySwapDecField(swap, 0, 1, "125", ""), "File_ExtractImageBySwapDecField");
        Equal("21F40000", Api.File_ExtractImageBySwapHexaField(swap, 0, 1, "124", ""),
              "File_ExtractImageBySwapHexaField");

        // Records of 2048 digits: the first buffer grows twice.
        string longPath = Path.Combine(work, "long.img");
        File.Delete(longPath);
        string first = Repeat("0123456789ABCDEF", 128), second = "FEDC" + first.Substring(4);
        Api.File_AppendImage(longPath, first);
        Api.File_AppendImage(longPath, second);
        Equal(second, Api.File_ExtractImageByIndex(longPath, 2, 0), "a record longer than the first buffer");
        Equal(second, Api.File_ExtractImageByFieldNonSeqGetNb(longPath, 0, 1, "FEDC", "", out count),
              "a record longer than the first buffer, counted");
        Equal(1, count, "its count");
    }

    // DC9: records of a fixed size, a file mark opening each of two parts.
    static byte[] Dc9Record(bool mark, int n, int size, string image)
    {
        var record = new byte[size];
        for (int i = 0; i < size; i++)
            record[i] = (byte)(mark ? ' ' : '.');
        byte[] content = mark ? Encoding.ASCII.GetBytes("FILEMK\\\\")
            : new byte[] { 0x4B }.Concat(Encoding.ASCII.GetBytes(
                  "KEY" + n.ToString("D23") + "#SMC#" + new string('P', 28) + "0" + image + "#END#")).ToArray();
        content.CopyTo(record, 0);
        return record;
    }

    static byte[] Dc9Image(byte[] record)
    {
        string text = Encoding.ASCII.GetString(record);
        int start = text.IndexOf("#SMC#") + 5;
        return record.Skip(start).Take(text.IndexOf("#END#") - start).ToArray();
    }

    static void Dc9Files(string work)
    {
        var records = new[] { Dc9Record(true, 0, 128, ""), Dc9Record(false, 1, 128, DesPlain),
                              Dc9Record(false, 2, 128, DesPlain), Dc9Record(true, 0, 128, ""),
                              Dc9Record(false, 3, 128, DesPlain) };
        string path = Path.Combine(work, "cards.dc9");
        File.WriteAllBytes(path, records.SelectMany(r => r).ToArray());
        Fir[] firs = Api.File_DC9InitDescription(path, new byte[0], 128);
        EqualFirs(new[] { new Fir(0, 128, 2, 128), new Fir(384, 128, 1, 128) }, firs, "File_DC9InitDescription");
        EqualBytes(Dc9Image(records[4]), Api.File_DC9ExtractImageByIndex(path, firs, 0, 3),
                   "File_DC9ExtractImageByIndex");
        EqualBytes(records[0], Api.File_DC9ExtractImageByIndex(path, firs, 1, -3), "File_DC9ExtractImageByIndex mark");
        EqualBytes(Dc9Image(records[2]), Api.File_DC9ExtractImageBySearchKey(path, firs, 0, 0x4B, "KEY" + 2.ToString("D23")),
                   "File_DC9ExtractImageBySearchKey");
        string target = Path.Combine(work, "cards.enc");
        File.Delete(target);
        Api.File_DC9DecryptOrEncryptImageFile(path, firs, target, 1, DesKey);
        byte[] copy = File.ReadAllBytes(target);
        Equal(new string('P', 28) + "1" + DesCipher, Encoding.ASCII.GetString(Dc9Image(copy.Skip(128).Take(128).ToArray())),
              "File_DC9DecryptOrEncryptImageFile");
        Fails("File_DC9DecryptOrEncryptImageFile", -6, "outFileName is not empty (it is left as it was)",
              () => Api.File_DC9DecryptOrEncryptImageFile(path, firs, target, 1, DesKey));

        // End-marked records without a file mark: one FIR from offset 0.
        string marked = Path.Combine(work, "marked.dc9");
        var data = new[] { Dc9Record(false, 1, 100, DesPlain), Dc9Record(false, 2, 100, DesPlain) }
            .SelectMany(r => r.Concat(Encoding.ASCII.GetBytes("\r\n"))).ToArray();
        File.WriteAllBytes(marked, data);
        EqualFirs(new[] { new Fir(0, 0, 2, 102) }, Api.File_DC9InitDescription(marked, Encoding.ASCII.GetBytes("\r\n"), 0),
                  "File_DC9InitDescription, end marker");

        // An image of 2989 bytes: the raw buffer grows twice.
        string big = Path.Combine(work, "big.dc9");
        string image = Repeat(DesPlain, 185);
        File.WriteAllBytes(big, Dc9Record(true, 0, 4096, "").Concat(Dc9Record(false, 1, 4096, image)).ToArray());
        Fir[] bigFirs = Api.File_DC9InitDescription(big, new byte[0], 4096);
        EqualBytes(Encoding.ASCII.GetBytes(new string('P', 28) + "0" + image),
                   Api.File_DC9ExtractImageByIndex(big, bigFirs, 1, 1), "an image longer than the first buffer");
    }
}
