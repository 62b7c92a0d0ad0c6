#!/usr/bin/env python3
"""Writes vba/vek.bas, the VBA module of the vek library, from include/vek.h (read by scripts/vekapi.py).

The module, imported into Excel or Access, holds:
  - the Declare statements of every export, under #If VBA7 (PtrSafe, LongPtr
    for a pointer passed by value) and #Else (32-bit Office before 2010);
  - one Function per export, named as the Python package names it (the C name
    without "vek_"), taking the parameters a caller gives: it sizes the output
    String, grows it while the call fails with -50 and trims it at its NUL;
    predicates return Boolean, comparisons and counts Long, byte results Byte
    arrays; a failure raises vbObjectError + the status, with the header's text.

Usage: generate.py [--check]   (--check: fail if the committed file differs)
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "scripts"))
import vekapi  # noqa: E402

TARGET = HERE / "vek.bas"
LIBRARY = "VEK.dll"

# How each C parameter type is declared: (ByVal or ByRef, the type under VBA7, the type before it).
# Texts are Strings passed ByVal (VBA passes a NUL-terminated ANSI copy and copies
# back what the function wrote into it); byte blocks and FIR descriptions are the
# address of their first element (VarPtr), 0 for none.
DECLARED = {
    "const char*": ("ByVal", "String", "String"),
    "char*": ("ByVal", "String", "String"),
    "int": ("ByVal", "Long", "Long"),
    "short": ("ByVal", "Integer", "Integer"),
    "int*": ("ByRef", "Long", "Long"),
    "short*": ("ByRef", "Integer", "Integer"),
    "unsigned char*": ("ByVal", "LongPtr", "Long"),
    "const unsigned char*": ("ByVal", "LongPtr", "Long"),
    "FIRDescription*": ("ByVal", "LongPtr", "Long"),
    "const FIRDescription*": ("ByVal", "LongPtr", "Long"),
}
# Words VBA keeps for itself: a parameter of that name gets a "_" after it.
RESERVED = {"type", "name", "open", "close", "get", "put", "input", "print", "write", "lock", "seek", "error",
            "string", "integer", "long", "date", "len", "mod", "step", "to", "is", "like", "new", "me", "not",
            "and", "or", "xor", "eqv", "imp", "set", "let", "call", "end", "exit", "line", "width", "spc", "tab"}
# Names the wrappers use for their own variables; no parameter of the header may take one.
LOCALS = {"room", "buf", "got", "status", "number", "entries", "found", "i"}
FIRST_SIZE = 1024
LARGEST_SIZE = 1 << 28
WIDTH = 110


def vba_name(name):
    return name + "_" if name.lower() in RESERVED else name


def vba_string(text):
    return '"' + text.replace('"', '""') + '"'


def wrap(line):
    """A line of code broken after the commas of its outermost parentheses (outside strings) to fit
    WIDTH, continued with " _" on lines 4 columns further in."""
    if len(line) <= WIDTH:
        return [line]
    pieces, current, quoted, depth = [], "", False, 0
    for c in line:
        if c == '"':
            quoted = not quoted
        elif not quoted and c in "()":
            depth += 1 if c == "(" else -1
        if not quoted and depth == 1 and c == ",":
            pieces.append(current + ",")
            current = ""
        elif c != " " or current or not pieces:
            current += c
    pieces.append(current)
    indent = " " * (len(line) - len(line.lstrip()) + 4)
    lines, current = [], pieces[0]
    for piece in pieces[1:]:
        if len(current) + 1 + len(piece) + 2 > WIDTH:
            lines.append(current + " _")
            current = indent + piece
        else:
            current += " " + piece
    return lines + [current]


def declare(fn, vba7):
    params = []
    for p in fn.params:
        passing, new, old = DECLARED[p.ctype]
        params.append(f"{passing} {vba_name(p.name)} As {new if vba7 else old}")
    safe = "PtrSafe " if vba7 else ""
    return wrap(f'Public Declare {safe}Function {fn.name} Lib "{LIBRARY}" (' + ", ".join(params) + ") As Integer")


def arguments(fn):
    """The wrapper's parameters: (declaration, name) for each parameter a caller gives."""
    result = []
    for p in fn.params:
        name = vba_name(p.name)
        if p.role == "text":
            result.append(f"ByVal {name} As String")
        elif p.role == "int":
            result.append(f"ByVal {name} As {DECLARED[p.ctype][1]}")
        elif p.role == "bytes":
            result.append(f"{name}() As Byte")
        elif p.role == "firs":
            result.append(f"{name}() As FIRDescription")
    roles = {p.role for p in fn.params}
    if "number" in roles and "out" in roles:
        result.append(f"ByRef {vba_name(next(p.name for p in fn.params if p.role == 'number'))} As Long")
    if "firs_out" in roles:
        result.append(f"{vba_name(next(p.name for p in fn.params if p.role == 'firs_out'))}() As FIRDescription")
    return result


def native_arguments(fn, description="entries"):
    """The expressions the wrapper passes to the Declare, parameter by parameter."""
    params = fn.params
    result = []
    roles = {p.role for p in params}
    for i, p in enumerate(params):
        name = vba_name(p.name)
        if p.role in ("text", "int"):
            result.append(name)
        elif p.role == "bytes":
            result.append(f"FirstByte({name})")
        elif p.role == "bytes_length":
            result.append(f"ByteCount({vba_name(params[i - 1].name)})")
        elif p.role == "firs":
            result.append(f"FirstEntry({name})")
        elif p.role == "firs_count":
            firs = params[i + 1].name
            result.append(f"EntryCount({vba_string(fn.short_name)}, {vba_string(firs)}, {vba_name(firs)})")
        elif p.role in ("out", "out_raw"):
            result.append("buf")
        elif p.role == "out_size":
            result.append("room")
        elif p.role in ("raw_out", "bytes_out"):
            result.append("VarPtr(buf(0))")
        elif p.role in ("raw_size", "bytes_count"):
            result.append("got")
        elif p.role == "number":
            result.append(name if "out" in roles else "number")
        elif p.role == "firs_found":
            result.append("number")
        elif p.role == "firs_out":
            result.append(description)
        else:
            raise SystemExit(f"vba/generate.py: {fn.name}: no argument for role {p.role}")
    return result


def call(fn, description="entries"):
    return f"{fn.name}(" + ", ".join(native_arguments(fn, description)) + ")"


def checked(expression, name):
    """A call that raises the function's error when it fails: on one line where it fits."""
    line = f"If {expression} = 0 Then Fail {name}, vek_LastStatus()"
    if len(line) + 8 <= WIDTH:
        return [line]
    return [f"If {expression} = 0 Then", f"    Fail {name}, vek_LastStatus()", "End If"]


def checks(fn):
    name = vba_string(fn.short_name)
    return [f"CheckText {name}, {vba_string(p.name)}, {vba_name(p.name)}" for p in fn.params if p.role == "text"]


def room(fn):
    """The most bytes the texts of the call take as ANSI strings: two a character on a double-byte code page."""
    texts = [vba_name(p.name) for p in fn.params if p.role == "text"]
    expression = f"Len({texts[0]})"
    for t in texts[1:]:
        expression = f"Longer({expression}, Len({t}))"
    return f"2 * {expression} + 2"


def grow(fn, result):
    """A call retried with a buffer four times as large while it fails with -50."""
    roles = {p.role for p in fn.params}
    text = "out" in roles
    fresh = ["buf = String$(room, vbNullChar)"] if text else ["ReDim buf(0 To room - 1)", "got = room"]
    done = [f"{fn.short_name} = Trimmed(buf)"] if text else [f"{fn.short_name} = Head(buf, got)"]
    return (["room = FirstSize", "Do"]
            + ["    " + line for line in fresh]
            + [f"    If {call(fn)} <> 0 Then"]
            + ["        " + line for line in done]
            + ["        Exit Function", "    End If",
               "    status = vek_LastStatus()",
               "    If status <> TooSmall Or room >= LargestSize Then Exit Do",
               "    room = room * 4",
               "Loop",
               f"Fail {vba_string(fn.short_name)}, status"])


def describe(fn):
    """A DC9 description in two calls, as the Python package makes it: the first, without a
    description, counts the file marks; data records before the first mark form one FIR more, so
    the second gets room for one entry more. Its count does not tell how many entries it filled
    (a file without a mark keeps the room given), so every entry starts with a mark length of -1,
    which the function never writes, and the filled entries are those before the first one still
    holding it."""
    out = vba_name(next(p.name for p in fn.params if p.role == "firs_out"))
    name = fn.short_name
    return ["Dim number As Integer, entries() As FIRDescription, found As Long, i As Long, room As Long",
            f"Erase {out}",
            *checked(call(fn, '0'), vba_string(name)),
            "room = CLng(number) + 1",
            "If room > 32767 Then room = 32767",
            "ReDim entries(0 To room - 1)",
            "For i = 0 To room - 1",
            "    entries(i).offset = -1",
            "    entries(i).markLength = -1",
            "    entries(i).recordCount = -1",
            "    entries(i).recordLength = -1",
            "Next i",
            "number = room",
            *checked(call(fn, 'VarPtr(entries(0))'), vba_string(name)),
            "found = 0",
            "Do While found < room",
            "    If entries(found).markLength < 0 Then Exit Do",
            "    found = found + 1",
            "Loop",
            "If found > 0 Then",
            "    ReDim Preserve entries(0 To found - 1)",
            f"    {out} = entries",
            "End If",
            f"{name} = found"]


def result_type(fn):
    roles = {p.role for p in fn.params}
    if fn.kind == "value":
        return "Integer"
    if fn.kind == "predicate":
        return "Boolean"
    if "firs_out" in roles:
        return "Long"
    if roles & {"out", "out_raw"}:
        return "String"
    if roles & {"raw_out", "bytes_out"}:
        return "Byte()"
    if "number" in roles:
        return "Long"
    return None


def body(fn):
    roles = {p.role for p in fn.params}
    name = vba_string(fn.short_name)
    lines = checks(fn)
    if fn.kind == "value":
        return [f"{fn.short_name} = {call(fn)}"]
    if fn.kind == "predicate":
        return lines + ["Dim status As Integer",
                        f"If {call(fn)} <> 0 Then",
                        f"    {fn.short_name} = True",
                        "    Exit Function",
                        "End If",
                        "status = vek_LastStatus()",
                        f"If status <> {fn.false_code} Then Fail {name}, status  ' {fn.false_code}: the \"false\" answer"]
    if "firs_out" in roles:
        return lines + describe(fn)
    if "out" in roles:
        return lines + ["Dim buf As String, room As Long, status As Integer"] + grow(fn, "String")
    if "raw_out" in roles:
        return lines + ["Dim buf() As Byte, room As Long, got As Long, status As Integer"] + grow(fn, "Byte()")
    if "out_raw" in roles:
        return lines + ["Dim buf As String", f"buf = String$({room(fn)}, vbNullChar)",
                        *checked(call(fn), name),
                        f"{fn.short_name} = Trimmed(buf)"]
    if "bytes_out" in roles:
        return lines + ["Dim buf() As Byte, got As Long", f"ReDim buf(0 To {room(fn)} - 1)",
                        *checked(call(fn), name),
                        f"{fn.short_name} = Head(buf, got)"]
    if "number" in roles:
        return lines + ["Dim number As Long", *checked(call(fn), name),
                        f"{fn.short_name} = number"]
    outputs = roles - {"text", "int", "bytes", "bytes_length", "firs", "firs_count"}
    if outputs:
        raise SystemExit(f"vba/generate.py: {fn.name}: no wrapper for the outputs {sorted(outputs)}")
    return lines + checked(call(fn), name)


def wrapper(fn):
    result = result_type(fn)
    kind = "Function" if result else "Sub"
    lines = [f"' {line}".rstrip() for line in fn.doc.splitlines()]
    lines += wrap(f"Public {kind} {fn.short_name}(" + ", ".join(arguments(fn)) + ")" + (f" As {result}" if result else ""))
    statements = body(fn)
    statements = [x for x in statements if x.startswith("Dim ")] + [x for x in statements if not x.startswith("Dim ")]
    lines += [w for line in statements for w in wrap("    " + line)]
    return lines + [f"End {kind}"]


HEAD = f'''Attribute VB_Name = "vek"
' vek.bas: the vek library (VEK.dll) from VBA, a module to import into Excel or Access
' (File > Import File in the VBA editor). Generated by vba/generate.py from include/vek.h;
' do not edit, run the generator.
'
' The DLL's bitness must be Office's: 64-bit Office loads the x86-64 VEK.dll, 32-bit
' Office the 32-bit one (also on 64-bit Windows). Lib "{LIBRARY}" is looked for beside
' Office's program, in the current folder and on PATH: put VEK.dll in a folder on PATH,
' or ChDir to its folder before the first call.
'
' Every export is declared below as the library exports it (vek_...), and has a
' wrapper named without "vek_" that takes the parameters a caller gives: it sizes
' the output String, grows it while the call fails with -50 and trims it at its
' NUL. Predicates return Boolean, comparisons and counts Long, byte results Byte
' arrays (0 To n - 1; a result of no bytes has none, UBound -1), DC9 descriptions
' fill an array of FIRDescription and return the number of FIRs. A failure raises
' the error vbObjectError + the status (Err.Number - vbObjectError gives the status
' back), its Source the wrapper's name and its Description "vek_... failed: status
' N: " and the header's text for the code. Texts go to the library in the
' system's ANSI code page, one byte a character; a text holding Chr(0), which the
' library would cut short, raises error 5 before the call.
Option Explicit

' One FIR of a DC9 file, as a description lists it.
Public Type FIRDescription
    offset As Long          ' file offset of the FIR's file-mark record (0 for a FIR 1 without one)
    markLength As Long      ' length of the file-mark record in bytes (0 without one)
    recordCount As Long     ' number of data records of the FIR
    recordLength As Long    ' length in bytes of each data record of the FIR
End Type

' Output buffers start at this size and grow four times over while a call fails
' with -50, up to the largest size.
Private Const FirstSize As Long = {FIRST_SIZE}
Private Const LargestSize As Long = {LARGEST_SIZE}
Private Const TooSmall As Integer = -50
'''

HELPERS = '''
' The error of a failed call: vbObjectError + the status, with the header's text.
Private Sub Fail(ByVal fn As String, ByVal status As Long)
    Err.Raise vbObjectError + status, fn, "vek_" & fn & " failed: status " & status & ": " & Message(fn, status)
End Sub

' A text holding Chr(0) would reach the library cut short at it: refused first.
Private Sub CheckText(ByVal fn As String, ByVal parameter As String, ByVal value As String)
    If InStr(value, vbNullChar) > 0 Then
        Err.Raise 5, fn, fn & "(): " & parameter & " holds a NUL character at offset " & _
            (InStr(value, vbNullChar) - 1) & "; the function would see only the text before it"
    End If
End Sub

' A buffer's text up to its first NUL.
Private Function Trimmed(ByVal buffer As String) As String
    Dim at As Long
    at = InStr(buffer, vbNullChar)
    If at > 0 Then
        Trimmed = Left$(buffer, at - 1)
    Else
        Trimmed = buffer
    End If
End Function

Private Function Longer(ByVal a As Long, ByVal b As Long) As Long
    If a > b Then Longer = a Else Longer = b
End Function

' The first count bytes of a buffer, as an array 0 To count - 1 (no elements for 0).
Private Function Head(buffer() As Byte, ByVal count As Long) As Byte()
    Dim none() As Byte
    If count > 0 Then
        ReDim Preserve buffer(0 To count - 1)
        Head = buffer
    Else
        none = ""
        Head = none
    End If
End Function

' The number of elements of a Byte array, 0 for one never dimensioned.
Private Function ByteCount(bytes() As Byte) As Long
    On Error GoTo NoElements
    ByteCount = UBound(bytes) - LBound(bytes) + 1
    Exit Function
NoElements:
    ByteCount = 0
End Function

' The address of a Byte array's first element, 0 for an array without elements.
#If VBA7 Then
Private Function FirstByte(bytes() As Byte) As LongPtr
#Else
Private Function FirstByte(bytes() As Byte) As Long
#End If
    If ByteCount(bytes) > 0 Then FirstByte = VarPtr(bytes(LBound(bytes)))
End Function

' The number of entries of a description, 0 for one never dimensioned; its C count is
' a 16-bit Integer, so a description of more than 32767 entries raises error 6.
Private Function EntryCount(ByVal fn As String, ByVal parameter As String, entries() As FIRDescription) As Integer
    Dim n As Long
    On Error GoTo NoElements
    n = UBound(entries) - LBound(entries) + 1
    On Error GoTo 0
    If n > 32767 Then
        Err.Raise 6, fn, fn & "(): " & parameter & " holds " & n & " entries, more than its count (an Integer) can tell"
    End If
    EntryCount = n
    Exit Function
NoElements:
    EntryCount = 0
End Function

' The address of a description's first entry, 0 for one without entries.
#If VBA7 Then
Private Function FirstEntry(entries() As FIRDescription) As LongPtr
#Else
Private Function FirstEntry(entries() As FIRDescription) As Long
#End If
    On Error GoTo NoElements
    FirstEntry = VarPtr(entries(LBound(entries)))
    Exit Function
NoElements:
    FirstEntry = 0
End Function
'''


def messages(functions):
    """Message(fn, status): the header's text for a status code of a function, or the contract's
    text for the codes that mean the same in every function. The texts stand in one function per
    family, each small enough for VBA's limit on a procedure's size."""
    common = {code: text for code, text in vekapi.common().items() if code in vekapi.COMMON_CODES}
    families = []
    for fn in functions:
        if not families or families[-1][0] != fn.family:
            families.append((fn.family, []))
        families[-1][1].append(fn)
    families = [(family, fns) for family, fns in families if any(fn.codes for fn in fns)]
    lines = ["", "' The header's text for a status code of a function (named without " + '"vek_").',
             "Public Function Message(ByVal fn As String, ByVal status As Long) As String"]
    for i in range(len(families)):
        lines.append(f"    If Message = \"\" Then Message = StatusTexts{i + 1}(fn & \" \" & status)")
    lines += ["    If Message = \"\" Then", "        Select Case status"]
    for code, text in sorted(common.items()):
        lines += [f"        Case {code}", f"            Message = {vba_string(text)}"]
    lines += ["        End Select", "    End If", "End Function"]
    for i, (family, fns) in enumerate(families):
        lines += ["", f"' {family}", f"Private Function StatusTexts{i + 1}(ByVal key As String) As String",
                  "    Select Case key"]
        for fn in fns:
            for c in fn.codes:
                lines += [f"    Case {vba_string(f'{fn.short_name} {c.code}')}",
                          f"        StatusTexts{i + 1} = {vba_string(c.text)}"]
        lines += ["    End Select", "End Function"]
    return lines


def generated():
    functions = vekapi.read()
    for fn in functions:
        clash = LOCALS & {vba_name(p.name).lower() for p in fn.params}
        if clash:
            raise SystemExit(f"vba/generate.py: {fn.name}: a parameter takes the name of a local: {clash}")
    out = HEAD.splitlines()
    for vba7 in (True, False):
        out += ["", "#If VBA7 Then" if vba7 else "#Else"]
        family = None
        for fn in functions:
            if fn.family != family:
                family = fn.family
                out.append(f"' {family}")
            out += declare(fn, vba7)
    out += ["#End If"]
    out += HELPERS.splitlines()
    family = None
    for fn in functions:
        if fn.family != family:
            family = fn.family
            out += ["", f"' ---- {family}"]
        out.append("")
        out += wrapper(fn)
    out += messages(functions)
    # VBA modules are text with CR LF line ends.
    return "\r\n".join(line.rstrip() for line in out) + "\r\n"


def main():
    check = sys.argv[1:] == ["--check"]
    text = generated()
    if check:
        if not TARGET.exists() or TARGET.read_bytes() != text.encode("ascii"):
            print("vba/generate.py: vba/vek.bas is out of date with include/vek.h (run python3 vba/generate.py)")
            return 1
        return 0
    TARGET.write_bytes(text.encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
