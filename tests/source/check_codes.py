#!/usr/bin/env python3
"""Checks the status codes of every export: as include/vek.h lists them (read
through scripts/vekapi.py, the parse everything else is written from), and as
the exports' code tables in frame/exports_*.cpp give them.

The header: every function that can fail lists -99 last; -50 is listed by
exactly the functions that write an output buffer of stated size; the other
codes are -1 to -7; vek_LastStatus and vek_Version list none.

The code tables: each exports file is read for every function defined at
namespace scope (the exported functions and their helpers), the codes written
in its body as rows On<...>{-N} (or a named row such as frame::OnBadText{-N},
or a named code such as VEK_STATUS_INTERNAL) and as frame::fail(-N), and the
helpers of the same file it calls; frame/frame.h's helpers (frame::target)
give the codes written in their own bodies. An exported function gives its own
codes and those of the helpers it reaches. Fails on:
  - an exported function the header does not declare, or one it declares that
    no exports file defines;
  - a code -1 to -7 given but not listed, or listed but never given;
  - -50 given explicitly but not listed;
  - -99 given explicitly where the header lists it as plain "internal failure",
    or listed with a meaning of its own (an input that leads to it) but given
    by no explicit row.

Usage: check_codes.py <source root>
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
sys.path.insert(0, str(ROOT / "scripts"))
import vekapi  # noqa: E402

CODE = r"(-\d+|VEK_STATUS_\w+)"
ROW = re.compile(r"\bOn\w*(?:<[^{};]*>)?\s*\{\s*" + CODE + r"\s*\}")
FAIL = re.compile(r"\bfail\s*\(\s*" + CODE + r"\s*\)")
EXPORT = re.compile(r"VEK_API\s+\w+\s+VEK_CALL\s+(vek_\w+)\s*\(")
SCOPE_OPENER = re.compile(r'(?:\bnamespace(?:\s+[\w:]+)?(?:\s*=\s*[\w:]+)?|extern\s+"[^"]*")\s*$')
BUFFER_TOO_SMALL, INTERNAL = vekapi.COMMON_CODES
OWN = range(-7, 0)
SIZED = {"out_size", "raw_size"}  # the size of an output buffer the function writes


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    text = re.sub(r"//[^\n]*", " ", text)
    return re.sub(r'"(?:\\.|[^"\\])*"', '""', text)


def definitions(text):
    """(name, body) of every function defined at namespace scope."""
    result = []
    depth = 0       # braces of namespaces and extern "C" blocks
    start = 0       # where the current declaration began
    i = 0
    while i < len(text):
        c = text[i]
        if c in ";}":
            if c == "}" and depth > 0:
                depth -= 1
            start = i + 1
        elif c == "{":
            head = text[start:i]
            if SCOPE_OPENER.search(head.strip()):
                depth += 1
                start = i + 1
            else:
                # A function body (or an initializer): skip to its matching brace.
                level, j = 1, i + 1
                while j < len(text) and level:
                    level += {"{": 1, "}": -1}.get(text[j], 0)
                    j += 1
                name = re.search(r"(\w+)\s*(?:<[^()]*>)?\s*\([^()]*(?:\([^()]*\)[^()]*)*\)[^()]*$", head)
                if name and "=" not in head.split("(")[0]:
                    result.append((name.group(1), text[i:j]))
                i, start = j, j
                continue
        i += 1
    return result


def codes_in(body, named, where, faults):
    result = set()
    for code in ROW.findall(body) + FAIL.findall(body):
        if code.startswith("VEK_STATUS_"):
            if code not in named:
                faults.append(f"{where}: {code} is no status code vek.h names")
                continue
            result.add(named[code])
        else:
            result.add(int(code))
    return result


def header_faults(functions):
    faults = []
    for f in functions:
        codes = [c.code for c in f.codes]
        if f.kind == "value":
            if codes:
                faults.append(f"vek.h: {f.name} leaves no code, yet lists {codes}")
            continue
        if not codes or codes[-1] != INTERNAL:
            faults.append(f"vek.h: {f.name} does not list -99 last")
        sized = any(p.role in SIZED for p in f.params)
        if sized and BUFFER_TOO_SMALL not in codes:
            faults.append(f"vek.h: {f.name} writes an output buffer of stated size, but does not list -50")
        if not sized and BUFFER_TOO_SMALL in codes:
            faults.append(f"vek.h: {f.name} lists -50 without an output buffer of stated size")
        for code in codes:
            if code not in OWN and code not in vekapi.COMMON_CODES:
                faults.append(f"vek.h: {f.name} lists {code}: a function's own codes are -1 to -7")
    return faults


def main():
    try:
        functions = {f.name: f for f in vekapi.read(ROOT / "include" / "vek.h")}
        named = vekapi.constants(ROOT / "include" / "vek.h")
    except vekapi.HeaderError as e:
        print(f"include/vek.h: {e}")
        return 1
    faults = header_faults(functions.values())

    # frame.h's helpers: the codes their own bodies give.
    framework = {}
    for name, body in definitions(strip_comments((ROOT / "frame" / "frame.h").read_text())):
        framework.setdefault(name, set()).update(codes_in(body, named, "frame.h", faults))

    defined = set()
    for path in sorted((ROOT / "frame").glob("exports_*.cpp")):
        text = strip_comments(path.read_text())
        exported = set(EXPORT.findall(text))
        defs = definitions(text)
        own = {}
        calls = {}
        for name, body in defs:
            own.setdefault(name, set()).update(codes_in(body, named, path.name, faults))
            calls.setdefault(name, set())
        for name, body in defs:
            calls[name] = {other for other in own if other != name and re.search(r"\b" + other + r"\s*[<(]", body)}
            for helper, codes in framework.items():
                if codes and re.search(r"\bframe::" + helper + r"\s*[<(]", body):
                    own[name] |= codes
        for name in sorted(exported):
            defined.add(name)
            f = functions.get(name)
            if f is None:
                faults.append(f"{path.name}: {name} is exported, but vek.h does not declare it")
                continue
            given, seen, todo = set(), set(), [name]
            while todo:
                current = todo.pop()
                if current in seen:
                    continue
                seen.add(current)
                given |= own.get(current, set())
                todo.extend(calls.get(current, ()))
            listed = {c.code for c in f.codes}
            for code in sorted(given, reverse=True):
                if code in OWN and code not in listed:
                    faults.append(f"{path.name}: {name} can leave {code}, which vek.h does not list for it")
            for code in sorted(listed, reverse=True):
                if code in OWN and code not in given:
                    faults.append(f"{path.name}: vek.h lists {code} for {name}, which no row of its code tables gives")
            if BUFFER_TOO_SMALL in given and BUFFER_TOO_SMALL not in listed:
                faults.append(f"{path.name}: {name} gives -50 in a row, which vek.h does not list for it")
            internal = f.code(INTERNAL)
            if INTERNAL in given and (internal is None or internal.plain):
                faults.append(f"{path.name}: {name} gives -99 in a row, but vek.h lists no meaning of its own for it")
            if internal is not None and not internal.plain and INTERNAL not in given:
                faults.append(f"{path.name}: vek.h gives -99 of {name} a meaning of its own ({internal.text}), "
                              "but no row gives -99")
    for name in sorted(set(functions) - defined):
        faults.append(f"vek.h: {name} is declared, but no frame/exports_*.cpp defines it")

    for fault in faults:
        print(fault)
    print(f"{len(defined)} exported functions checked, {len(faults)} faults")
    return 1 if faults or not defined else 0


if __name__ == "__main__":
    sys.exit(main())
