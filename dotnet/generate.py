#!/usr/bin/env python3
"""Writes dotnet/Vek.cs, the .NET binding of the vek library, from include/vek.h (read by scripts/vekapi.py).

Vek.cs is one file a caller adds to a project:
  Vek.Native  one [DllImport("VEK")] per export, under its exact C name, the
              standard calling convention (ignored by 64-bit processes), ANSI
              texts; output buffers are StringBuilder or byte[], counts ref.
  Vek.Api     one method per export, named as the Python package names it (the
              C name without "vek_"), taking the parameters a caller gives: the
              buffers are sized by the method and grown while the call fails
              with -50. Predicates return bool, comparisons and counts int,
              byte results byte[], DC9 descriptions an array of Vek.Fir. A
              failure throws Vek.VekException with the function, the status and
              the header's text for it.

Usage: generate.py [--check]   (--check: fail if the committed file differs)
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "scripts"))
import vekapi  # noqa: E402

TARGET = HERE / "Vek.cs"

# The C# type of each C parameter type in Vek.Native.
NATIVE_TYPES = {
    "const char*": "string",
    "char*": "StringBuilder",
    "int": "int",
    "short": "short",
    "int*": "ref int",
    "short*": "ref short",
    "unsigned char*": "[Out] byte[]",
    "const unsigned char*": "[In] byte[]",
    "FIRDescription*": "[In, Out] Fir[]",
    "const FIRDescription*": "[In] Fir[]",
}
# The C# type of each parameter a caller of Vek.Api gives, by role.
API_TYPES = {"text": "string", "bytes": "byte[]", "firs": "Fir[]"}  # "int": the C type, int or short
KEYWORDS = {"out", "ref", "in", "params", "fixed", "base", "object", "string", "int", "short", "char", "byte",
            "checked", "lock", "event", "operator", "namespace", "class", "struct", "default", "case", "is", "as"}
# Names the generated methods use for their own locals; no parameter of the header may take one.
LOCALS = {"buf", "room", "got", "number", "entries", "found", "outcome"}


def identifier(name):
    return "@" + name if name in KEYWORDS else name


def xml(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def cs_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def api_name(fn):
    return fn.short_name


def arguments(fn):
    """The parameters a caller of Vek.Api gives: [(C# type, name)]."""
    result = []
    for p in fn.params:
        if p.role == "int":
            result.append((p.ctype, p.name))
        elif p.role in API_TYPES:
            result.append((API_TYPES[p.role], p.name))
    return result


def native_arguments(fn):
    """The expressions Vek.Api passes to the native function, parameter by parameter."""
    params = fn.params
    result = []
    for i, p in enumerate(params):
        name = identifier(p.name)
        if p.role in ("text", "int", "bytes", "firs"):
            result.append(name)
        elif p.role == "bytes_length":
            result.append(identifier(params[i - 1].name) + ".Length")
        elif p.role == "firs_count":
            firs = params[i + 1].name
            result.append(f"Count({cs_string(api_name(fn))}, {cs_string(firs)}, {identifier(firs)})")
        elif p.role in ("out", "out_raw", "raw_out", "bytes_out"):
            result.append("buf")
        elif p.role == "out_size":
            result.append("room")
        elif p.role in ("raw_size", "bytes_count"):
            result.append("ref got")
        elif p.role == "number":
            result.append("ref number")
        else:
            raise SystemExit(f"dotnet/generate.py: {fn.name}: no argument for role {p.role}")
    return ", ".join(result)


def checks(fn):
    """The checks made before the call: texts without NUL, arrays given."""
    name = cs_string(api_name(fn))
    lines = []
    for p in fn.params:
        if p.role == "text":
            lines.append(f"CheckText({name}, {cs_string(p.name)}, {identifier(p.name)});")
        elif p.role in ("bytes", "firs"):
            lines.append(f"CheckArray({name}, {cs_string(p.name)}, {identifier(p.name)});")
    return lines


def longest(fn):
    """The room a text of the call can take as an ANSI string, for outputs sized by the input."""
    texts = [identifier(p.name) for p in fn.params if p.role == "text"]
    expression = f"Room({texts[0]})"
    for t in texts[1:]:
        expression = f"Math.Max({expression}, Room({t}))"
    return expression


def body(fn):
    """The statements of the Vek.Api method of fn."""
    roles = {p.role for p in fn.params}
    name = cs_string(api_name(fn))
    lines = checks(fn)
    if "firs_out" in roles:
        return lines + describe(fn)
    call = f"Native.{fn.name}({native_arguments(fn)})"
    if fn.kind == "value":
        return [f"return {call};"]
    if fn.kind == "predicate":
        return lines + [f"if ({call} != 0)", "    return true;", "int status = Native.vek_LastStatus();",
                        f"if (status == {fn.false_code})", "    return false;", f"throw Failure({name}, status, null);"]
    if "out" in roles:
        if "number" in roles:
            # The count is written by every call, also by one that fails: the exception carries it.
            return lines + ["int number = 0;",
                            "try",
                            "{",
                            f"    return GrowText({name}, (buf, room) => {call}, () => number);",
                            "}",
                            "finally",
                            "{",
                            f"    {identifier(next(p.name for p in fn.params if p.role == 'number'))} = number;",
                            "}"]
        return lines + [f"return GrowText({name}, (buf, room) => {call}, null);"]
    if "raw_out" in roles:
        return lines + [f"return GrowBytes({name}, (byte[] buf, ref int got) => {call});"]
    if "out_raw" in roles:
        return lines + [f"var buf = new StringBuilder({longest(fn)} + 2);",
                        f"if ({call} == 0)", f"    throw Failure({name}, Native.vek_LastStatus(), null);",
                        "return buf.ToString();"]
    if "bytes_out" in roles:
        return lines + [f"var buf = new byte[{longest(fn)} + 2];", "int got = 0;",
                        f"if ({call} == 0)", f"    throw Failure({name}, Native.vek_LastStatus(), null);",
                        "Array.Resize(ref buf, got);", "return buf;"]
    if "number" in roles:
        return lines + ["int number = 0;", f"if ({call} == 0)",
                        f"    throw Failure({name}, Native.vek_LastStatus(), null);", "return number;"]
    outputs = roles - {"text", "int", "bytes", "bytes_length", "firs", "firs_count"}
    if outputs:
        raise SystemExit(f"dotnet/generate.py: {fn.name}: no method for the outputs {sorted(outputs)}")
    return lines + [f"if ({call} == 0)", f"    throw Failure({name}, Native.vek_LastStatus(), null);"]


def describe(fn):
    """A DC9 description in two calls, as the Python package makes it: the first, without a
    description, counts the file marks; data records before the first mark form one FIR more, so
    the second gets room for one entry more. Its count does not tell how many entries it filled
    (a file without a mark keeps the room given), so every entry starts with all fields -1, a mark
    length the function never writes, and the filled entries are those before the first one still
    holding it."""
    p = {q.role: q for q in fn.params}

    def call(description):
        args = []
        for q in fn.params:
            if q.role == "firs_found":
                args.append("ref number")
            elif q.role == "firs_out":
                args.append(description)
            elif q.role == "bytes_length":
                args.append(identifier(p["bytes"].name) + ".Length")
            else:
                args.append(identifier(q.name))
        return f"Native.{fn.name}({', '.join(args)})"
    first, second = call("null"), call("entries")
    name = cs_string(api_name(fn))
    return ["short number = 0;",
            f"if ({first} != 0)",
            "{",
            "    var entries = new Fir[Math.Min(number + 1, (int)short.MaxValue)];",
            "    for (int i = 0; i < entries.Length; i++)",
            "        entries[i] = new Fir(-1, -1, -1, -1);",
            "    number = (short)entries.Length;",
            f"    if ({second} != 0)",
            "    {",
            "        int found = 0;",
            "        while (found < entries.Length && entries[found].MarkLength >= 0)",
            "            found++;",
            "        Array.Resize(ref entries, found);",
            "        return entries;",
            "    }",
            "}",
            f"throw Failure({name}, Native.vek_LastStatus(), null);"]


def result_type(fn):
    roles = {p.role for p in fn.params}
    if fn.kind == "value":
        return "int"
    if fn.kind == "predicate":
        return "bool"
    if "firs_out" in roles:
        return "Fir[]"
    if roles & {"out", "out_raw"}:
        return "string"
    if roles & {"raw_out", "bytes_out"}:
        return "byte[]"
    if "number" in roles:
        return "int"
    return "void"


def signature(fn):
    args = [f"{t} {identifier(n)}" for t, n in arguments(fn)]
    roles = {p.role for p in fn.params}
    if "number" in roles and roles & {"out"}:
        args.append("out int " + identifier(next(p.name for p in fn.params if p.role == "number")))
    return f"public static {result_type(fn)} {api_name(fn)}({', '.join(args)})"


def native(fn):
    params = ", ".join(f"{NATIVE_TYPES[p.ctype]} {identifier(p.name)}" for p in fn.params)
    return [f"[DllImport(Library, EntryPoint = {cs_string(fn.name)}, CallingConvention = CallingConvention.StdCall,",
            "           CharSet = CharSet.Ansi, ExactSpelling = true, BestFitMapping = false, ThrowOnUnmappableChar = true)]",
            f"public static extern short {fn.name}({params});"]


def wrap(line, width=120):
    """A line of code broken after commas to fit the width, continued 4 columns further in."""
    if len(line) <= width:
        return [line]
    indent = " " * (len(line) - len(line.lstrip()) + 4)
    lines, current = [], ""
    # A lambda's parameters stay together.
    kept = {"(buf, room)": "(buf,\0room)", "(byte[] buf, ref int got)": "(byte[] buf,\0ref int got)"}
    for whole, joined in kept.items():
        line = line.replace(whole, joined)
    for piece in line.split(", "):
        piece = piece.replace("\0", " ")
        candidate = piece if not current else current + ", " + piece
        if current and len(candidate) + 1 > width:
            lines.append(current + ",")
            current = indent + piece
        else:
            current = candidate
    return lines + [current]


def documentation(fn, indent):
    lines = [f"{indent}/// <summary>"]
    lines += [f"{indent}/// {xml(line)}".rstrip() for line in fn.doc.splitlines()]
    return lines + [f"{indent}/// </summary>"]


HEAD = '''// Vek.cs: the vek library (VEK.dll, libvek.so) from .NET, in one file to add to a project.
// Generated by dotnet/generate.py from include/vek.h; do not edit, run the generator.
//
// Vek.Native declares every export as the library exports it. Vek.Api calls them
// as a caller wants them: one method per export, named without "vek_", taking the
// export's parameters without its output buffers, which it sizes itself and grows
// while a call fails with -50. Texts go to the library as ANSI strings (the
// system's code page on Windows, UTF-8 under Mono on Linux): each character one
// byte on Windows' single-byte code pages. Predicates return bool, comparisons and
// counts int, byte results byte[], DC9 descriptions Fir[]. A failure throws
// VekException with the function, the status and the header's text for it; a text
// holding a NUL, which the library would cut short, throws ArgumentException, and
// a missing array ArgumentNullException, before any call.
//
// The library is loaded by the name "VEK": VEK.dll on Windows (beside the program
// or on PATH; its bitness must be the process's); on Linux Mono maps it to
// libvek.so with a dllmap, .NET with a libVEK.so link or a DllImportResolver.
using System;
using System.Collections.Generic;
using System.Runtime.InteropServices;
using System.Text;

namespace Vek
{
    /// <summary>One FIR of a DC9 file, as a description lists it (the C struct FIRDescription).</summary>
    [StructLayout(LayoutKind.Sequential)]
    public struct Fir : IEquatable<Fir>
    {
        /// <summary>File offset of the FIR's file-mark record (0 for a FIR 1 without one).</summary>
        public int Offset;
        /// <summary>Length of the file-mark record in bytes (0 without one).</summary>
        public int MarkLength;
        /// <summary>Number of data records of the FIR.</summary>
        public int RecordCount;
        /// <summary>Length in bytes of each data record of the FIR.</summary>
        public int RecordLength;

        public Fir(int offset, int markLength, int recordCount, int recordLength)
        {
            Offset = offset;
            MarkLength = markLength;
            RecordCount = recordCount;
            RecordLength = recordLength;
        }

        public bool Equals(Fir other)
        {
            return Offset == other.Offset && MarkLength == other.MarkLength && RecordCount == other.RecordCount
                && RecordLength == other.RecordLength;
        }

        public override bool Equals(object obj)
        {
            return obj is Fir && Equals((Fir)obj);
        }

        public override int GetHashCode()
        {
            return ((Offset * 31 + MarkLength) * 31 + RecordCount) * 31 + RecordLength;
        }

        public override string ToString()
        {
            return string.Format("Fir({0}, {1}, {2}, {3})", Offset, MarkLength, RecordCount, RecordLength);
        }
    }

    /// <summary>A call of the library that failed.</summary>
    public class VekException : Exception
    {
        /// <summary>The function, named without "vek_" (as Vek.Api names it).</summary>
        public string Function { get; private set; }
        /// <summary>The status code the call left (vek_LastStatus()), below 0.</summary>
        public int Status { get; private set; }
        /// <summary>The header's text for the status code in this function.</summary>
        public string StatusText { get; private set; }
        /// <summary>The count a function that writes it also when it fails left there
        /// (File_ExtractImageByFieldNonSeqGetNb: the matching records); null for every other function.</summary>
        public int? Count { get; private set; }

        public VekException(string function, int status, string statusText, int? count)
            : base(string.Format("vek_{0} failed: status {1}: {2}", function, status, statusText))
        {
            Function = function;
            Status = status;
            StatusText = statusText;
            Count = count;
        }
    }
'''

API_HEAD = '''
    /// <summary>The exports as a caller wants them; see the file's head.</summary>
    public static class Api
    {
        // Output buffers start at this size and grow four times over while a call
        // fails with -50, up to the largest size.
        const int FirstSize = 1024;
        const int LargestSize = 1 << 28;
        const int TooSmall = -50;

        delegate short RawCall(byte[] buffer, ref int size);

        /// <summary>The header's text for a status code of a function (named without "vek_").</summary>
        public static string Message(string function, int status)
        {
            string text;
            if (Texts.TryGetValue(function + " " + status, out text) || Common.TryGetValue(status, out text))
                return text;
            return "";
        }

        static VekException Failure(string function, int status, int? count)
        {
            return new VekException(function, status, Message(function, status), count);
        }

        static void CheckText(string function, string parameter, string value)
        {
            if (value != null && value.IndexOf('\\0') >= 0)
                throw new ArgumentException(string.Format(
                    "{0}(): {1} holds a NUL character at offset {2}; the function would see only the text before it",
                    function, parameter, value.IndexOf('\\0')), parameter);
        }

        static void CheckArray(string function, string parameter, Array value)
        {
            if (value == null)
                throw new ArgumentNullException(parameter, function + "(): " + parameter + " must be given");
        }

        static short Count(string function, string parameter, Fir[] description)
        {
            if (description.Length > short.MaxValue)
                throw new ArgumentOutOfRangeException(parameter, string.Format(
                    "{0}(): {1} holds {2} entries, more than its C short count can tell, 0 to {3}",
                    function, parameter, description.Length, short.MaxValue));
            return (short)description.Length;
        }

        // The most bytes a text can take as an ANSI string: two a character on Windows'
        // double-byte code pages, three in UTF-8.
        static int Room(string text)
        {
            return text == null ? 0 : 3 * text.Length;
        }

        static string GrowText(string function, Func<StringBuilder, int, short> call, Func<int> count)
        {
            for (int room = FirstSize; ; room *= 4)
            {
                var buf = new StringBuilder(room);
                if (call(buf, room) != 0)
                    return buf.ToString();
                int status = Native.vek_LastStatus();
                if (status != TooSmall || room >= LargestSize)
                    throw Failure(function, status, count == null ? (int?)null : count());
            }
        }

        static byte[] GrowBytes(string function, RawCall call)
        {
            for (int room = FirstSize; ; room *= 4)
            {
                var buf = new byte[room];
                int got = room;
                if (call(buf, ref got) != 0)
                {
                    Array.Resize(ref buf, got);
                    return buf;
                }
                int status = Native.vek_LastStatus();
                if (status != TooSmall || room >= LargestSize)
                    throw Failure(function, status, null);
            }
        }
'''


def messages(functions):
    common = {code: text for code, text in vekapi.common().items() if code in vekapi.COMMON_CODES}
    lines = ["",
             "        // The header's texts: each function's codes, and the codes that mean the same in every function.",
             "        static readonly Dictionary<int, string> Common = new Dictionary<int, string>",
             "        {"]
    lines += [f"            {{ {code}, {cs_string(text)} }}," for code, text in sorted(common.items())]
    lines += ["        };", "",
              "        static readonly Dictionary<string, string> Texts = new Dictionary<string, string>", "        {"]
    for fn in functions:
        for c in fn.codes:
            lines.append(f"            {{ {cs_string(f'{api_name(fn)} {c.code}')}, {cs_string(c.text)} }},")
    return lines + ["        };"]


def generated():
    functions = vekapi.read()
    for fn in functions:
        clash = LOCALS & {p.name for p in fn.params}
        if clash:
            raise SystemExit(f"dotnet/generate.py: {fn.name}: a parameter takes the name of a local: {clash}")
    out = HEAD.splitlines()
    out += ["",
            "    /// <summary>The exports as the library exports them: vek.h's prototypes, the standard calling",
            "    /// convention (ignored by 64-bit processes), ANSI texts.</summary>",
            "    public static class Native",
            "    {",
            '        public const string Library = "VEK";']
    family = None
    for fn in functions:
        if fn.family != family:
            family = fn.family
            out += ["", f"        // {family}"]
        out.append("")
        out += [w for line in native(fn) for w in wrap("        " + line)]
    out += ["    }"]
    out += API_HEAD.splitlines()
    family = None
    for fn in functions:
        if fn.family != family:
            family = fn.family
            out += ["", f"        // {family}"]
        out.append("")
        out += documentation(fn, "        ")
        out += wrap("        " + signature(fn)) + ["        {"]
        out += [w for line in body(fn) for w in wrap("            " + line)]
        out.append("        }")
    out += messages(functions)
    out += ["    }", "}"]
    return "\n".join(line.rstrip() for line in out) + "\n"


def main():
    check = sys.argv[1:] == ["--check"]
    text = generated()
    if check:
        if not TARGET.exists() or TARGET.read_text(encoding="utf-8") != text:
            print("dotnet/generate.py: dotnet/Vek.cs is out of date with include/vek.h (run python3 dotnet/generate.py)")
            return 1
        return 0
    TARGET.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
