#!/usr/bin/env python3
"""Checks the status codes of the exports' code tables against the catalogue.

Reads every frame/exports_*.cpp: each function defined at namespace scope (the
exported functions and their helpers), the codes written in its body as rows
On<...>{-N} (or a named row such as frame::OnBadText{-N}) and as
frame::fail(-N), and the helpers of the same file that it calls. An exported
function's codes are its own and those of the helpers it reaches. Each one must
be a row of frame/catalogue.cpp for that function; -50 and -99 are common to
every function (frame/catalogue.cpp) and need no row. Fails on a code used but
not catalogued, on a catalogued code that no row of the function gives, and on
an exported function the file defines but the export table does not list.

Usage: check_codes.py <source root>
"""
import pathlib
import re
import sys

COMMON = {-50, -99}
ROW = re.compile(r"\bOn\w*(?:<[^{};]*>)?\s*\{\s*(-\d+)\s*\}")
FAIL = re.compile(r"\bfail\s*\(\s*(-\d+)\s*\)")
CATALOGUE_ROW = re.compile(r'\{\s*"(vek_\w+)"\s*,\s*(-\d+)\s*,')
EXPORT = re.compile(r"VEK_API\s+\w+\s+VEK_CALL\s+(vek_\w+)\s*\(")
SCOPE_OPENER = re.compile(r'(?:\bnamespace(?:\s+[\w:]+)?(?:\s*=\s*[\w:]+)?|extern\s+"[^"]*")\s*$')


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


def main():
    root = pathlib.Path(sys.argv[1])
    catalogue = {}
    for function, code in CATALOGUE_ROW.findall((root / "frame/catalogue.cpp").read_text()):
        catalogue.setdefault(function, set()).add(int(code))
    table = set((root / "frame/exports").read_text().split())

    faults = []
    exports = 0
    for path in sorted((root / "frame").glob("exports_*.cpp")):
        text = strip_comments(path.read_text())
        exported = set(EXPORT.findall(text))
        defs = definitions(text)
        own = {}
        calls = {}
        for name, body in defs:
            own.setdefault(name, set()).update(int(c) for c in ROW.findall(body) + FAIL.findall(body))
            calls.setdefault(name, set())
        for name, body in defs:
            calls[name] = {other for other in own if other != name and re.search(r"\b" + other + r"\s*[<(]", body)}
        for name in sorted(exported):
            exports += 1
            if name not in table:
                faults.append(f"{path.name}: {name} is not in the export table")
            codes, seen, todo = set(), set(), [name]
            while todo:
                current = todo.pop()
                if current in seen:
                    continue
                seen.add(current)
                codes |= own.get(current, set())
                todo.extend(calls.get(current, ()))
            listed = catalogue.get(name, set())
            for code in sorted(codes - COMMON, reverse=True):
                if code not in listed:
                    faults.append(f"{path.name}: {name} can leave {code}, which frame/catalogue.cpp does not list for it")
            for code in sorted(listed - codes, reverse=True):
                faults.append(f"{path.name}: frame/catalogue.cpp lists {code} for {name}, which no row of its code tables gives")
    for fault in faults:
        print(fault)
    if exports == 0:
        print("no exported function found")
        return 1
    print(f"{exports} exported functions checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
