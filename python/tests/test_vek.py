"""The vek package as a Python caller uses it: every export reached, results
checked against Python's own arithmetic or published vectors, every kind of
failure raised. The library comes from VEK_LIBRARY (set by the test command)."""
import functools
import os
import random
import shutil
import subprocess
import sys

import pytest

import vek
from vek import _api

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import vekapi  # noqa: E402  the one parse of include/vek.h

# FIPS 46 worked example: DES key 133457799BBCDFF1 on 0123456789ABCDEF.
DES_KEY, DES_PLAIN, DES_CIPHER = "133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"
# FIPS 81: "Now is the time for all " under 0123456789ABCDEF; the two-key key 0123456789ABCDEF FEDCBA9876543210.
DES_KEY_81, NOW = "0123456789ABCDEF", "4E6F77206973207468652074696D6520666F7220616C6C20"
TDES_KEY = DES_KEY_81 + "FEDCBA9876543210"


def luhn(digits):
    """The Luhn check digit, computed the textbook way."""
    total = 0
    for i, d in enumerate(reversed(digits)):
        n = int(d) * (2 if i % 2 == 0 else 1)
        total += n - 9 if n > 9 else n
    return str((10 - total % 10) % 10)


def bits(value, width):
    return format(value, f"0{width}b")


rng = random.Random(13)
H = format(rng.getrandbits(64), "016X")  # a 64-bit hexadecimal value
D = str(rng.getrandbits(60))  # a decimal value
B = bits(rng.getrandbits(24), 24)

# function, arguments, expected result (from Python itself or published values)
CASES = [
    ("Conv_DecToBin", (D, 0), bin(int(D))[2:]),
    ("Conv_HexaToBin", (H, 70), bits(int(H, 16), 70)),
    ("Conv_CharToBin", ("A~", ), "0100000101111110"),
    ("Veri_IsBin", (B, ), True),
    ("Veri_IsBin", ("0120", ), False),
    ("Tran_SetBinInBin", ("00000000", 3, "11"), "00110000"),
    ("Tran_GetBinInBin", (B, 5, 7), B[4:11]),
    ("Tran_ReverseBin", (B, ), B[::-1]),
    ("Calc_ORBinary", ("1100", "1010"), "1110"),
    ("Calc_ANDBinary", ("1100", "1010"), "1000"),
    ("Calc_XORBinary", ("1100", "1010"), "0110"),
    ("Conv_HexaToChar", ("414243", ), "ABC"),
    ("Conv_BinToChar", ("0100000101000010", ), "AB"),
    ("Tran_SwapCharInPairs", ("ABCD", ), "BADC"),
    ("Tran_SwapChar", ("A", ), "\x14"),
    ("Conv_HexaToDec", (H, 0), str(int(H, 16))),
    ("Conv_BinToDec", (B, 30), str(int(B, 2)).zfill(30)),
    ("Veri_IsDec", (D, ), True),
    ("Veri_IsDec", ("12A", ), False),
    ("Comp_DecToDec", (D, str(int(D) + 1)), -1),
    ("Tran_IncreaseDec", (D, 0), str(int(D) + 1)),
    ("Tran_DecreaseDec", (D, 0), str(int(D) - 1)),
    ("Calc_AddDecToDec", (D, D, 0), str(2 * int(D))),
    ("Calc_SubstractDecToDec", (D, "7", 0), str(int(D) - 7)),
    ("Calc_LuhnKey", (D, ), luhn(D)),
    ("Conv_DecToHexa", (D, 0), format(int(D), "X")),
    ("Conv_CharToHexa", ("AZ", ), "415A"),
    ("Conv_BinToHexa", (B, 0), format(int(B, 2), "X")),
    ("Conv_ExtractBinFromHexa", (H, 3, 9), bits(int(H, 16), 64)[2:11]),
    ("Veri_IsHexa", (H, ), True),
    ("Veri_IsHexa", ("ab", ), False),
    ("Comp_HexaToHexa", ("FF", "0FF"), 0),
    ("Comp_HexaToDec", (H, str(int(H, 16) - 1)), 1),
    ("Conv_HexaToArrayChar", (H, ), bytes.fromhex(H)),
    ("Conv_BinToArrayChar", ("100000000", ), b"\x01\x00"),
    ("Tran_SwapHexa", ("1234", ), "2143"),
    ("Tran_SwapHexaByte", ("A5", ), "5A"),
    ("Tran_SwapBitInHexa", (H, ), format(int(bits(int(H, 16), 64)[::-1], 2), "016X")),
    ("Tran_IncreaseHexa", ("0FFF", 0), "1000"),
    ("Tran_DecreaseHexa", ("1000", 4), "0FFF"),
    ("Tran_SetBinInHexa", ("1111", 1, "00"), "F0"),
    ("Tran_ShiftBitLeft", (H, 5), format((int(H, 16) << 5) & (2**64 - 1), "016X")),
    ("Tran_ShiftBitRight", (H, 5), format(int(H, 16) >> 5, "016X")),
    ("Calc_AddHexaToHexa", (H, H, 0), format(2 * int(H, 16), "X")),
    ("Calc_SubstractHexaToHexa", (H, "1", 0), format(int(H, 16) - 1, "X")),
    ("Calc_AddDecToHexa", (H, D, 0), format(int(H, 16) + int(D), "X")),
    ("Calc_SubstractDecToHexa", (H, "255", 0), format(int(H, 16) - 255, "X")),
    ("Calc_XorHexa", (H, H[::-1], 0), format(int(H, 16) ^ int(H[::-1], 16), "016X")),
    ("Calc_AndHexa", (H, H[::-1], 0), format(int(H, 16) & int(H[::-1], 16), "016X")),
    ("Calc_OrHexa", (H, H[::-1], 0), format(int(H, 16) | int(H[::-1], 16), "016X")),
    ("Calc_ComplementHexa", (H, 0), format(int(H, 16) ^ (2**64 - 1), "016X")),
    ("Calc_ChecksumHexa", ("1122334455667788", 4), "0088"),
    ("Calc_CountBits", (H, 1), bin(int(H, 16)).count("1")),
    ("Tran_ExtractTLV", ("70", "5F24", "", "70155A0847617390010100105F24032512319F0702FF00"), "251231"),
    ("Conv_ArrayCharToHexa", (b"\x00\x7f\xff", ), "007FFF"),
    ("Conv_ArrayCharToBin", (b"\x41", ), "01000001"),
    ("Calc_TripleDES", (DES_KEY * 2, DES_PLAIN, 1), DES_CIPHER),
    ("Tran_DecryptOrEncryptImage", (DES_PLAIN * 2, 1, DES_KEY), DES_CIPHER * 2),
    ("Tran_InitDES", (1, DES_KEY, 0), None),
    ("Tran_CalDES_Fast", (DES_CIPHER, 0, 0), DES_PLAIN),  # with the key InitDES loaded just before
    ("Tran_SetFieldInImageFileHeader", ("LOT 17", "TYPE", "TEST A"), "LOT 17/TYPE TEST A"),
    ("Tran_GetFieldInImageFileHeader", ("LOT 17/TYPE TEST A", "TYPE"), "TEST A"),
    ("Tran_RemoveFieldInImageFileHeader", ("LOT 17/TYPE TEST A", "LOT"), "TYPE TEST A"),
    # Data preparation: published answers (FIPS 81, ISO/IEC 9797-1, Visa's CVV
    # test data, ISO 9564-1, the pyemv derivation example), TLV counted by hand.
    ("Calc_KeyCheckValue", (TDES_KEY, 0), "08D7B4"),
    ("Calc_TripleDESData", (DES_KEY_81, NOW, 1, 1, "1234567890ABCDEF"),
     "E5C7CDDE872BF27C43E934008C389C0F683788499A7C05F6"),
    ("Calc_TripleDESData", (DES_KEY_81, NOW, 1, 0, None), "3FA40E8A984D48156A271787AB8883F9893D51EC4B563B53"),
    ("Calc_MAC", (TDES_KEY, NOW, 3, 1), "A1C72E74EA3FA9B6"),
    ("Calc_DeriveICCMasterKey", (TDES_KEY, "99012345678901234", "45", 0), "985EC4FD3EDF6162E31AF1C7D0543416"),
    ("Calc_CardVerificationValue", (TDES_KEY, "4123456789012", "8701", "101"), "370"),
    ("Calc_PINBlock", (0, "92389", "4000001234562"), "0592789FFFEDCBA9"),
    ("Conv_PINBlockToPIN", (0, "0592789FFFEDCBA9", "4000001234562"), "92389"),
    ("Tran_BuildTLV", ("9F4B", "AB" * 200), "9F4B81C8" + "AB" * 200),
    ("Tran_BuildDGI", ("0101", "5A021234"), "0101045A021234"),
]


@pytest.mark.parametrize("name, args, expected", CASES, ids=[f"{c[0]}-{i}" for i, c in enumerate(CASES)])
def test_text_functions(name, args, expected):
    assert getattr(vek, name)(*args) == expected


# Image files: serials 00001000, 00001001, ... at position 1, the records plain
# or encrypted with the published DES key.
SERIALS = [f"{1000 + i:08d}" for i in range(3)]
RECORDS = [s + "ABCDEF12" for s in SERIALS]


@pytest.fixture
def image_file(tmp_path):
    path = tmp_path / "batch.img"
    vek.File_AppendImageFileHeader(str(path), "LOT 42")
    for r in RECORDS:
        vek.File_AppendImage(str(path), r)
    assert path.read_bytes() == b"LOT 42\r\n" + b"".join(r.encode() + b"\r\n" for r in RECORDS)
    return str(path)


def swapped(text):
    return "".join(text[i + 1] + text[i] for i in range(0, len(text), 2))


def test_image_files(image_file, tmp_path):
    assert vek.File_ExtractImageByIndex(image_file, -3, 1) == "LOT 42"
    assert vek.File_ExtractImageByIndex(image_file, 2, 1) == RECORDS[1]
    assert vek.File_ExtractImageByHexaField(image_file, 1, 1, SERIALS[2], "") == RECORDS[2]
    assert vek.File_ExtractImageByDecField(image_file, 1, 1, SERIALS[1], "") == RECORDS[1]
    assert vek.File_ExtractImageByFieldWithNonSeqSearch(image_file, 1, 9, "ABCDEF12", "") == RECORDS[0]
    assert vek.File_ExtractImageByFieldNonSeqGetNb(image_file, 1, 1, SERIALS[2], "") == (RECORDS[2], 1)
    # The count is kept when the value is in no record or in several.
    for value, status, count in ((SERIALS[0][:4], -4, 3), ("99999999", -3, 0)):
        with pytest.raises(vek.VekError) as caught:
            vek.File_ExtractImageByFieldNonSeqGetNb(image_file, 1, 1, value, "")
        assert (caught.value.status, caught.value.count) == (status, count)
    encrypted = str(tmp_path / "batch.enc")
    vek.File_DecryptOrEncryptImageFile(image_file, encrypted, 1, 1, DES_KEY, "")
    stored = vek.File_ExtractImageByIndex(encrypted, 1, 1)
    assert stored == vek.Tran_DecryptOrEncryptImage(RECORDS[0], 1, DES_KEY) != RECORDS[0]
    assert vek.File_ExtractImageByFieldWithNonSeqSearch(encrypted, 1, 1, SERIALS[1], DES_KEY) == RECORDS[1]
    swap = str(tmp_path / "swap.img")
    for s in ("21F3", "21F4", "21F5"):
        vek.File_AppendImage(swap, s + "0000")
    assert vek.File_ExtractImageBySwapDecField(swap, 0, 1, "125", "") == "21F50000"
    assert vek.File_ExtractImageBySwapHexaField(swap, 0, 1, "124", "") == "21F40000"
    assert swapped("1234") == "2143"


# DC9: fixed-size records of 128 bytes, a file mark opening each of two parts.
def dc9_record(kind, n):
    if kind == "mark":
        return b"FILEMK\\\\".ljust(128, b" ")
    key = f"KEY{n:023d}".encode()
    return (b"\x4b" + key + b"#SMC#" + b"P" * 28 + b"0" + DES_PLAIN.encode() + b"#END#").ljust(128, b".")


def dc9_image(record):
    return record[record.index(b"#SMC#") + 5:record.index(b"#END#")]


@pytest.fixture
def dc9_file(tmp_path):
    records = [dc9_record("mark", 0), dc9_record("data", 1), dc9_record("data", 2),
               dc9_record("mark", 0), dc9_record("data", 3)]
    path = tmp_path / "cards.dc9"
    path.write_bytes(b"".join(records))
    return str(path), records


def test_dc9(dc9_file, tmp_path):
    path, records = dc9_file
    firs = vek.File_DC9InitDescription(path, b"", 128)
    assert firs == [vek.FIR(0, 128, 2, 128), vek.FIR(384, 128, 1, 128)]
    assert firs[1].recordCount == 1
    assert vek.File_DC9ExtractImageByIndex(path, firs, 0, 3) == dc9_image(records[4])
    assert vek.File_DC9ExtractImageByIndex(path, firs, 1, -3) == records[0]
    assert vek.File_DC9ExtractImageBySearchKey(path, firs, 0, 0x4B, f"KEY{2:023d}") == dc9_image(records[2])
    target = str(tmp_path / "cards.enc")
    vek.File_DC9DecryptOrEncryptImageFile(path, firs, target, 1, DES_KEY)
    encrypted = open(target, "rb").read()
    assert dc9_image(encrypted[128:256]) == b"P" * 28 + b"1" + DES_CIPHER.encode()


def test_random_values():
    digits = vek.Calc_RndByMinMax("2", "5", "DEC", 200)
    assert len(digits) == 200 and set(digits) <= set("2345")


def test_frame():
    assert vek.Version() == 13
    assert vek.__version__.split(".")[0] == "13"
    with pytest.raises(vek.VekError):
        vek.Veri_IsHexa("")
    assert vek.LastStatus() == -1


def test_common_status_codes():
    assert (vek.STATUS_OK, vek.STATUS_BUFFER_TOO_SMALL, vek.STATUS_INTERNAL) == (0, -50, -99)
    assert vek.message("Conv_HexaToDec", vek.STATUS_INTERNAL) == "internal failure"
    assert "blockMode" in vek.message("Tran_CalDES_Fast", vek.STATUS_INTERNAL)  # a meaning of its own
    with pytest.raises(vek.VekError) as caught:
        vek.Tran_CalDES_Fast("0123456789ABCDEF", 1, 1)
    assert caught.value.status == vek.STATUS_INTERNAL and "blockMode" in caught.value.message


def test_every_export_is_reached():
    """The header, the generated table and the cases above name the same functions."""
    exported = {f.short_name for f in vekapi.read()}
    assert exported == {f["name"] for f in _api.FUNCTIONS}
    source = open(__file__).read()
    assert {name for name in exported if f"vek.{name}(" not in source and f'("{name}"' not in source} == set()


def test_long_results_are_not_truncated():
    """A result far beyond the first buffer: the package grows the buffer on -50."""
    assert vek.Conv_HexaToBin("F" * 15000, 0) == "1" * 60000
    assert vek.Conv_CharToHexa("\xff" * 30000) == "FF" * 30000


# Every kind of failure: (call, function, status); the message is the catalogue's.
FAILURES = [
    (lambda: vek.Conv_HexaToDec("ZZ", 0), "Conv_HexaToDec", -1),
    (lambda: vek.Calc_XORBinary("1", "10"), "Calc_XORBinary", -2),                  # buffer without size
    (lambda: vek.Veri_IsHexa("0" * 60001), "Veri_IsHexa", -3),                     # a predicate's failure, not false
    (lambda: vek.Comp_DecToDec("1", "x"), "Comp_DecToDec", -2),                     # a comparison
    (lambda: vek.Conv_HexaToArrayChar(""), "Conv_HexaToArrayChar", -1),             # byte output
    (lambda: vek.Conv_ArrayCharToHexa(b""), "Conv_ArrayCharToHexa", -1),            # byte input
    (lambda: vek.Conv_DecToBin("1", 60001), "Conv_DecToBin", -2),
    (lambda: vek.File_ExtractImageByIndex("/nonexistent/vek.img", 1, 0), "File_ExtractImageByIndex", -4),
    (lambda: vek.File_DC9InitDescription("/nonexistent/vek.dc9", b"", 64), "File_DC9InitDescription", -4),
    (lambda: vek.File_DC9ExtractImageByIndex("/nonexistent", [vek.FIR(0, 0, 1, 8)], 2, 1),
     "File_DC9ExtractImageByIndex", -1),
    (lambda: vek.Tran_InitDES(2, DES_KEY, 0), "Tran_InitDES", None),
    (lambda: vek.Calc_MAC(DES_KEY_81, "", 3, 1), "Calc_MAC", -2),
    (lambda: vek.Conv_PINBlockToPIN(3, "0592789FFFEDCBA9", "4000001234562"), "Conv_PINBlockToPIN", -4),
]


@pytest.mark.parametrize("call, function, status", FAILURES, ids=[f[1] for f in FAILURES])
def test_failures_raise(call, function, status):
    with pytest.raises(vek.VekError) as caught:
        call()
    e = caught.value
    assert e.function == function
    if status is not None:
        assert e.status == status
    assert e.status < 0 and e.status == vek.LastStatus()
    assert e.message and e.message == _api.MESSAGES.get((function, e.status))
    assert f"status {e.status}" in str(e) and e.message in str(e)
    assert e.count is None  # none of these has a count parameter


def test_calls_from_several_threads_at_once():
    """Every thread gets its own results, counts and failures while others call the same functions
    (the outputs of a call are the thread's own); the expected values are Python's."""
    import threading
    failures = []

    def work(seed):
        r = random.Random(seed)
        for _ in range(1500):
            a, b = r.getrandbits(64), r.getrandbits(64)
            ha, hb = format(a, "X"), format(b, "X")
            got = (vek.Conv_HexaToDec(ha, 0), vek.Comp_HexaToHexa(ha, hb), vek.Conv_HexaToArrayChar(ha.zfill(16)),
                   vek.Veri_IsHexa(ha), vek.Veri_IsHexa(ha + "g"))
            want = (str(a), (a > b) - (a < b), a.to_bytes(8, "big"), True, False)
            if got != want:
                failures.append((ha, hb, got, want))
            try:
                vek.Conv_HexaToDec(ha + "Z", 0)
                failures.append((ha, "no failure"))
            except vek.VekError as e:
                if (e.status, vek.LastStatus()) != (-1, -1):
                    failures.append((ha, e.status))

    threads = [threading.Thread(target=work, args=(seed,)) for seed in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert failures == []


def test_arguments_beyond_the_plain_types():
    """Subclasses and other integer types take the full checks: accepted or refused as ever."""
    class Text(str):
        pass

    class Number:
        def __index__(self):
            return 255

    assert vek.Conv_HexaToDec(Text("FF"), 0) == "255"
    assert vek.Conv_DecToHexa(b"255", Number()) == "0" * 253 + "FF"
    assert vek.Conv_HexaToDec(bytes(b"FF"), False) == "255"
    with pytest.raises(TypeError, match="hexa"):
        vek.Conv_HexaToDec(bytearray(b"FF"), 0)
    with pytest.raises(ValueError, match="offset 1"):
        vek.Conv_HexaToDec("F\0", 0)
    with pytest.raises(ValueError, match="offset 2"):
        vek.Conv_HexaToDec(b"FF\0", 0)
    with pytest.raises(OverflowError, match="resultLength"):
        vek.Conv_HexaToDec("FF", 2**31)
    with pytest.raises(TypeError, match=r"Conv_HexaToDec\(\) takes 2 arguments \(hexa, resultLength\), got 3"):
        vek.Conv_HexaToDec("FF", 0, 0)
    with pytest.raises(TypeError, match=r"takes 2 arguments \(hexa, resultLength\), got 1"):
        vek.library().Conv_HexaToDec("FF")


def test_misuse():
    with pytest.raises(TypeError):
        vek.Conv_HexaToDec("FF")
    with pytest.raises(UnicodeEncodeError):  # a text is 8-bit: one byte a character
        vek.Veri_IsHexa("\u20ac")
    with pytest.raises(OSError):
        vek.Library("/nonexistent/libvek.so")


def test_library_found_beside_the_package(tmp_path):
    """No argument and no VEK_LIBRARY: the library next to the package is loaded."""
    package = tmp_path / "vek"
    shutil.copytree(os.path.dirname(vek.__file__), package, ignore=shutil.ignore_patterns("__pycache__"))
    shutil.copy(os.environ["VEK_LIBRARY"], package / ("VEK.dll" if sys.platform == "win32" else "libvek.so"))
    env = {k: v for k, v in os.environ.items() if k != "VEK_LIBRARY"}
    env["PYTHONPATH"] = str(tmp_path)
    out = subprocess.run([sys.executable, "-c", "import vek; print(vek.library().path, vek.Conv_HexaToDec('FF', 0))"],
                         env=env, capture_output=True, text=True, check=True).stdout.split()
    assert out == [str(package / "libvek.so"), "255"]


def test_documentation_is_the_header():
    header = open(os.path.join(os.path.dirname(__file__), "..", "..", "include", "vek.h")).read()
    doc = vek.Conv_HexaToDec.__doc__
    assert doc.splitlines()[0] in header and "@param 1 hexa" in doc
    assert str(__import__("inspect").signature(vek.Conv_HexaToDec)) == "(hexa, resultLength, /)"


# Every value is checked against its C parameter's type before the call: C's
# int is 32 bits and short 16 on every platform the library is built for, and
# a description's four fields are 32-bit. Out of range a value would wrap.
INT_MIN, INT_MAX, SHORT_MIN, SHORT_MAX = -2**31, 2**31 - 1, -2**15, 2**15 - 1


@pytest.fixture
def files(image_file, dc9_file, tmp_path):
    path, records = dc9_file
    return {"img": image_file, "dc9": path, "records": records, "firs": vek.File_DC9InitDescription(path, b"", 128),
            "target": str(tmp_path / "copy.out")}


# (call, what a wrapped value would do)
OUT_OF_RANGE = [
    (lambda f: vek.File_ExtractImageByIndex(f["img"], -2**32 - 3, 1), "index -3: the header line"),
    (lambda f: vek.File_ExtractImageByIndex(f["img"], INT_MAX + 1, 1), "index INT_MIN"),
    (lambda f: vek.File_ExtractImageByIndex(f["img"], 1, 65536), "hasHeader 0: the header read as a record"),
    (lambda f: vek.File_ExtractImageByIndex(f["img"], 1, SHORT_MIN - 1), "hasHeader 32767: a header"),
    (lambda f: vek.File_ExtractImageByDecField(f["img"], 1, 2**32 + 1, SERIALS[1], ""), "position 1"),
    (lambda f: vek.Tran_SetBinInBin("00000000", 2**32 + 3, "11"), "position 3"),
    (lambda f: vek.Conv_DecToBin("5", 2**64 + 8), "resultLength 8"),
    (lambda f: vek.File_DecryptOrEncryptImageFile(f["img"], f["target"], 1, 65537, DES_KEY, ""), "image copy mode 1"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], f["firs"], 65536, 3), "fir 0"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], [vek.FIR(2**32, 128, 2, 128)], 1, 1), "offset 0"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], [vek.FIR(0, 128, 2**32 + 2, 128)], 1, 1), "2 records"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], [vek.FIR(0, 128, 2, -2**32 + 128)], 1, 1), "length 128"),
    (lambda f: vek.File_DC9InitDescription(f["dc9"], b"", 2**32 + 128), "recordSize 128"),
    (lambda f: vek.File_DC9DecryptOrEncryptImageFile(f["dc9"], f["firs"] * 32768, f["target"], 1, DES_KEY),
     "65536 entries counted 0: an empty copy"),
    (lambda f: vek.File_DC9DecryptOrEncryptImageFile(f["dc9"], f["firs"], f["target"], 65537, DES_KEY),
     "DC9 copy mode 1"),
]


@pytest.mark.parametrize("call, wrapped", OUT_OF_RANGE, ids=[c[1] for c in OUT_OF_RANGE])
def test_integers_out_of_range_are_refused(files, call, wrapped):
    with pytest.raises(OverflowError, match="range"):
        call(files)
    assert not os.path.exists(files["target"])


def test_integers_at_the_limits_reach_the_library(files):
    """The bounds are the C types' own: their extremes are passed on, and the library answers."""
    for call, status in ((lambda: vek.Tran_SetBinInBin("00000000", INT_MIN, "11"), -3),
                         (lambda: vek.Tran_SetBinInBin("00000000", INT_MAX, "11"), -3),
                         (lambda: vek.File_DC9ExtractImageByIndex(files["dc9"], files["firs"], SHORT_MAX, 1), -1),
                         (lambda: vek.File_DC9ExtractImageByIndex(files["dc9"], files["firs"], SHORT_MIN, 1), -1)):
        with pytest.raises(vek.VekError) as caught:
            call()
        assert caught.value.status == status
    assert vek.File_ExtractImageByIndex(files["img"], 1, SHORT_MIN) == RECORDS[0]  # non-zero: a header
    # 32767 entries, the most a short counts; FIR 32767 is a copy of FIR 1: its first record.
    many = (files["firs"] * 16384)[:SHORT_MAX]
    assert vek.File_DC9ExtractImageByIndex(files["dc9"], many, SHORT_MAX, 1) == dc9_image(files["records"][1])
    edge = [vek.FIR(INT_MAX, INT_MAX, INT_MAX, INT_MAX)]
    with pytest.raises(vek.VekError) as caught:
        vek.File_DC9ExtractImageByIndex(files["dc9"], edge, 1, 1)
    assert caught.value.status == -4


def test_texts_with_a_nul_are_refused(image_file, tmp_path):
    """A C text ends at its first NUL: the rest would be dropped silently."""
    with pytest.raises(ValueError, match="fileName"):
        vek.File_AppendImage(str(tmp_path / "a.img\0.txt"), "ABCD")
    assert os.listdir(tmp_path) == ["batch.img"]
    with pytest.raises(ValueError, match="key"):
        vek.File_ExtractImageByFieldWithNonSeqSearch(image_file, 1, 1, SERIALS[1], "\0BAD")
    with pytest.raises(ValueError, match="text"):
        vek.Veri_IsHexa(b"AB\0CD")
    assert vek.Conv_ArrayCharToHexa(b"\0A\0") == "004100"  # bytes with their length: a NUL is data


# (call, the parameter named in the error)
WRONG_TYPES = [
    (lambda f: vek.File_ExtractImageByIndex(f["img"], "1", 1), "index"),
    (lambda f: vek.File_ExtractImageByIndex(f["img"], 1.9, 1), "index"),
    (lambda f: vek.File_ExtractImageByIndex(f["img"], 1, None), "hasHeader"),
    (lambda f: vek.Tran_InitDES(1.0, DES_KEY, 0), "mode"),
    (lambda f: vek.File_DC9InitDescription(f["dc9"], 2, 0), "endMarker"),
    (lambda f: vek.File_DC9InitDescription(f["dc9"], "\r\n", 0), "endMarker"),
    (lambda f: vek.Conv_HexaToDec(10, 0), "hexa"),
    (lambda f: vek.File_AppendImage(f["img"], 1234), "image"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], [(0, 128, 2.5, 128)], 1, 1), "description"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], [(0, 128, 2)], 1, 1), "description"),
    (lambda f: vek.File_DC9ExtractImageByIndex(f["dc9"], 5, 1, 1), "description"),
]


@pytest.mark.parametrize("call, name", WRONG_TYPES, ids=[f"{c[1]}-{i}" for i, c in enumerate(WRONG_TYPES)])
def test_wrong_types_are_refused(files, call, name):
    with pytest.raises(TypeError, match=name):
        call(files)


def test_accepted_types(files):
    """bool is an int in Python: True and False pass as 1 and 0 for every integer."""
    assert vek.File_ExtractImageByIndex(files["img"], True, True) == RECORDS[0]
    assert vek.Conv_ArrayCharToHexa(bytearray(b"\x01\x02")) == "0102"
    assert vek.File_DC9ExtractImageByIndex(files["dc9"], [tuple(f) for f in files["firs"]], 2, 1) \
        == dc9_image(files["records"][4])


def describe_cases():
    """The fixtures' descriptions as make_fixtures.py built them, for the package's own sizing: the
    cases that fix the room or ask for the count alone are the C call's business."""
    folder = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "data", "dc9")
    cases = []
    for block in open(os.path.join(folder, "describe.vec")).read().split("[vek_File_DC9InitDescription]")[1:]:
        fields = dict(line.split(" = ", 1) if " = " in line else (line.rstrip(" ="), "")
                      for line in block.strip().splitlines() if not line.startswith("#"))
        status = int(fields["Status"]) if "Status" in fields else None
        if "description" in fields or status == -3:
            continue
        entries = [tuple(map(int, e.split())) for e in fields.get("Description", "").split(", ") if e]
        firs = [vek.FIR(*e) for e in entries if e != (-7,) * 4]
        cases.append((fields["fileName"].replace("{data}/dc9", folder), bytes.fromhex(fields["endMarker"]),
                      int(fields["recordSize"]), status, firs))
    return cases


@pytest.mark.parametrize("path, marker, size, status, firs", describe_cases(),
                         ids=lambda v: os.path.basename(v) if isinstance(v, str) else None)
def test_dc9_descriptions_of_the_fixtures(path, marker, size, status, firs):
    """Leading data records form FIR 1; a file without a file mark is one FIR; an empty file none."""
    if status is None:
        assert vek.File_DC9InitDescription(path, marker, size) == firs
    else:
        with pytest.raises(vek.VekError) as caught:
            vek.File_DC9InitDescription(path, marker, size)
        assert caught.value.status == status


def test_pin_blocks_with_random_fill_read_back():
    # Format 3: PIN field 3 4 1234 and six to ten fill digits A-F, combined with
    # the account field 0000400000123456; format 1 holds the field as it is.
    blocks = {vek.Calc_PINBlock(3, "1234", "4000001234562") for _ in range(4)}
    assert len(blocks) == 4
    for block in blocks:
        field = format(int(block, 16) ^ 0x0000400000123456, "016X")
        assert field.startswith("341234") and set(field[6:]) <= set("ABCDEF")
        assert vek.Conv_PINBlockToPIN(3, block, "4000001234562") == "1234"
    block = vek.Calc_PINBlock(1, "98765", None)
    assert block.startswith("1598765") and vek.Conv_PINBlockToPIN(1, block, "") == "98765"
