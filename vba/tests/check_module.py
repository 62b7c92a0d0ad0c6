#!/usr/bin/env python3
"""vba/vek.bas read back, as VBA would read it (VBA cannot run here):

- every export of vek.h is declared once under #If VBA7 (PtrSafe) and once
  under #Else, from "VEK.dll", returning Integer (the C short), and nowhere else;
- each parameter is passed as vek.h's C type needs it: a text ByVal String, an int
  ByVal Long, a short ByVal Integer, an int* ByRef Long, a short* ByRef Integer,
  a pointer to bytes or to FIR descriptions ByVal LongPtr (Long before VBA7, which
  knows neither PtrSafe nor LongPtr), under the header's name (a "_" after a name
  VBA keeps for itself);
- every export has one wrapper, named without "vek_", that calls it, with the text
  and integer parameters typed as above;
- the module is well formed: CR LF line ends, ASCII, blocks closed, every variable
  a procedure assigns declared (Option Explicit), no line beyond VBA's 1023
  characters or 24 continuations.

Usage: check_module.py [MODULE]   (vba/vek.bas by default; exit 1 with one line per fault)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "scripts"))
import vekapi  # noqa: E402

# The C types of vek.h and how VBA passes them: (ByVal/ByRef, type under VBA7, type before VBA7).
# Long is VBA's 32-bit integer, Integer its 16-bit one, LongPtr an integer of the pointer's size.
EXPECTED = {
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
DECLARE = re.compile(r'^Public Declare (PtrSafe )?Function (\w+) Lib "([^"]+)" \((.*)\) As (\w+)$')
PARAMETER = re.compile(r"^(ByVal|ByRef) (\w+) As (\w+)$")
PROCEDURE = re.compile(r"^(?:Public|Private) (Function|Sub) (\w+)\(((?:[^()]|\(\))*)\)(?: As (\w+(?:\(\))?))?$")
faults = []


def fault(text):
    faults.append(text)


def statements(raw):
    """The module's logical lines (continuations joined), each with its first physical line's number."""
    result, pending, start = [], "", 0
    continuations = 0
    for number, line in enumerate(raw.split("\r\n"), 1):
        if len(line) > 1023:
            fault(f"line {number}: {len(line)} characters, more than VBA reads")
        if not pending:
            start = number
            continuations = 0
        if line.endswith(" _"):
            pending += line[:-2] + " "
            continuations += 1
            if continuations > 24:
                fault(f"line {start}: more than 24 continuations")
            continue
        result.append((start, " ".join((pending + line).split()) if not line.lstrip().startswith("'") else line))
        pending = ""
    return result


def without_comment(text):
    """The statement without a trailing comment (an apostrophe outside strings)."""
    quoted = False
    for i, c in enumerate(text):
        if c == '"':
            quoted = not quoted
        elif c == "'" and not quoted:
            return text[:i].rstrip()
    return text


def parse(raw):
    """Declares by branch ("VBA7", "before", None outside #If VBA7), procedures with their lines."""
    declares = {"VBA7": {}, "before": {}, None: {}}
    procedures = {}
    branch, current = None, None
    for number, text in statements(raw):
        text = without_comment(text).strip()
        if not text:
            continue
        if text.startswith("#"):
            if text == "#If VBA7 Then" and branch is None:
                branch = "VBA7"
            elif text == "#Else" and branch == "VBA7":
                branch = "before"
            elif text == "#End If" and branch is not None:
                branch = None
            else:
                fault(f"line {number}: {text} out of place")
            continue
        if branch == "before" and re.search(r"\b(PtrSafe|LongPtr)\b", text):
            fault(f"line {number}: PtrSafe or LongPtr before VBA7, which does not know them: {text}")
        if text.startswith("Public Declare"):
            m = DECLARE.match(text)
            if not m:
                fault(f"line {number}: a Declare VBA would not read: {text}")
                continue
            safe, name, library, params, result = m.groups()
            if (branch == "VBA7") != bool(safe):
                fault(f"line {number}: {name}: PtrSafe under VBA7 and only there")
            if name in declares[branch]:
                fault(f"line {number}: {name} declared twice in one branch")
            declares[branch][name] = (library, [p.strip() for p in params.split(",")] if params else [], result)
            continue
        m = PROCEDURE.match(text)
        if m and current and current["name"] == m.group(2) and branch == "before" and not current["lines"]:
            continue  # the same procedure's header before VBA7
        if m:
            if current:
                fault(f"line {number}: {m.group(2)} starts inside {current['name']}")
            current = {"kind": m.group(1), "name": m.group(2), "params": m.group(3), "result": m.group(4),
                       "lines": [], "line": number}
            if current["name"] in procedures:
                fault(f"line {number}: {current['name']} defined twice")
            procedures[current["name"]] = current
            continue
        if current and text == f"End {current['kind']}":
            current = None
            continue
        if current:
            current["lines"].append((number, text))
        elif not re.match(r"^(Attribute |Option Explicit$|Public Type |End Type$|Private Const |"
                          r"(offset|markLength|recordCount|recordLength) As Long$)", text):
            fault(f"line {number}: a statement outside any procedure: {text}")
    if branch is not None:
        fault("the module ends inside #If VBA7")
    if current:
        fault(f"{current['name']} is never closed")
    return declares, procedures


def check_declares(declares, functions, exports):
    for branch, label in (("VBA7", "under #If VBA7"), ("before", "under #Else")):
        declared = declares[branch]
        if set(declared) != exports:
            fault(f"{label}: declared {sorted(set(declared) - exports)} that are not exports, "
                  f"and not {sorted(exports - set(declared))}")
        for fn in functions:
            if fn.name not in declared:
                continue
            library, params, result = declared[fn.name]
            if library != "VEK.dll" or result != "Integer":
                fault(f"{label}: {fn.name}: Lib {library!r} As {result}, not Lib \"VEK.dll\" As Integer")
            if len(params) != len(fn.params):
                fault(f"{label}: {fn.name}: {len(params)} parameters, vek.h has {len(fn.params)}")
                continue
            for text, p in zip(params, fn.params):
                m = PARAMETER.match(text)
                passing, new, old = EXPECTED[p.ctype]
                wanted = (passing, new if branch == "VBA7" else old)
                if not m or (m.group(1), m.group(3)) != wanted or m.group(2) not in (p.name, p.name + "_"):
                    fault(f"{label}: {fn.name}: parameter {text!r}, vek.h's {p.ctype} {p.name} wants "
                          f"{wanted[0]} {p.name} As {wanted[1]}")
    if declares[None]:
        fault(f"declared outside #If VBA7: {sorted(declares[None])}")


def check_wrappers(procedures, functions):
    for fn in functions:
        wrapper = procedures.get(fn.short_name)
        if not wrapper:
            fault(f"{fn.short_name}: no wrapper of {fn.name}")
            continue
        if not any(re.search(rf"\b{fn.name}\(", text) for _, text in wrapper["lines"]):
            fault(f"{fn.short_name}: does not call {fn.name}")
        given = {}
        for text in filter(None, (t.strip() for t in wrapper["params"].split(","))):
            m = re.match(r"^(?:(ByVal|ByRef) )?(\w+)(\(\))? As (\w+)$", text)
            if not m:
                fault(f"{fn.short_name}: a parameter VBA would not read: {text!r}")
                continue
            given[m.group(2).rstrip("_")] = (m.group(1) or "ByRef", m.group(4) + (m.group(3) or ""))
        for p in fn.params:
            wanted = {"text": ("ByVal", "String"), "int": ("ByVal", EXPECTED[p.ctype][1]),
                      "bytes": ("ByRef", "Byte()"), "firs": ("ByRef", "FIRDescription()")}.get(p.role)
            if wanted and given.get(p.name) != wanted:
                fault(f"{fn.short_name}: {p.name} is {given.get(p.name)}, vek.h's {p.ctype} wants {wanted}")


BLOCKS = [(re.compile(r"^If .* Then$"), re.compile(r"^End If$")),
          (re.compile(r"^Do\b"), re.compile(r"^Loop\b")),
          (re.compile(r"^For\b"), re.compile(r"^Next\b")),
          (re.compile(r"^Select Case\b"), re.compile(r"^End Select$"))]
ASSIGNED = re.compile(r"^(?:(?:Set|Let) )?(\w+)(?:\([^=]*\))?(?:\.\w+)? = ")


def check_procedures(procedures, constants):
    for name, proc in procedures.items():
        known = {name.lower()} | {c.lower() for c in constants}
        for text in filter(None, (t.strip() for t in proc["params"].split(","))):
            known.add(re.sub(r"^(ByVal|ByRef) ", "", text).split()[0].rstrip("()").lower())
        open_blocks = []
        for number, text in proc["lines"]:
            if text.startswith("Dim "):
                for declaration in text[4:].split(","):
                    known.add(declaration.split()[0].rstrip("()").lower())
                continue
            for i, (start, end) in enumerate(BLOCKS):
                if start.match(text):
                    open_blocks.append((i, number))
                elif end.match(text):
                    if not open_blocks or open_blocks[-1][0] != i:
                        fault(f"line {number}: {name}: {text} closes no open block")
                    else:
                        open_blocks.pop()
            body = re.sub(r"^(If .* Then |Else |ElseIf .* Then )", "", text)
            m = ASSIGNED.match(body)
            if m and m.group(1).lower() not in known:
                fault(f"line {number}: {name}: {m.group(1)} is assigned but not declared")
        for i, number in open_blocks:
            fault(f"line {number}: {name}: a block left open")


def main():
    path = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "vba" / "vek.bas"
    data = path.read_bytes()
    try:
        raw = data.decode("ascii")
    except UnicodeDecodeError:
        fault("vek.bas is not ASCII")
        raw = data.decode("latin-1")
    if "\n" in raw.replace("\r\n", "") or "\r" in raw.replace("\r\n", "") or not raw.endswith("\r\n"):
        fault("vek.bas has a line end other than CR LF")
    raw = raw[:-2]
    functions = vekapi.read()
    exports = {fn.name for fn in functions}  # the export table is written from the same parse
    if not raw.startswith('Attribute VB_Name = "vek"\r\n') or "\r\nOption Explicit\r\n" not in raw:
        fault("vek.bas does not start with its module name, or lacks Option Explicit")
    declares, procedures = parse(raw)
    check_declares(declares, functions, exports)
    check_wrappers(procedures, functions)
    constants = re.findall(r"^Private Const (\w+)", raw, re.M)
    check_procedures(procedures, constants)
    for f in faults:
        print("vek.bas: " + f)
    print(f"vek.bas: {len(functions)} exports, {len(procedures)} procedures, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
