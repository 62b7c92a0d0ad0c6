#!/usr/bin/env python3
"""Writes what the build derives from include/vek.h, through its one parse (vekapi.py).

    vekgen.py exports            the export table on standard output: every
                                 exported name a line, under a comment naming its
                                 family (the Linux version script, the Windows
                                 module definition and the export tests read it)
    vekgen.py catalogue FILE     the status catalogue's data, which
                                 frame/catalogue.cpp includes: the meaning of the
                                 common codes, and every code with a meaning of a
                                 function's own, with the header's text for it
"""
import pathlib
import sys

import vekapi


def exports(functions):
    lines = ["# The export table, written by scripts/vekgen.py from include/vek.h: every",
             "# function the library exports, one name a line, under its family."]
    family = None
    for f in functions:
        if f.family != family:
            family = f.family
            lines += ["", f"# {family}"]
        lines.append(f.name)
    return "\n".join(lines) + "\n"


def literal(text):
    """text as a C++ string literal."""
    if any(ord(c) < 0x20 or ord(c) > 0x7E for c in text):
        raise vekapi.HeaderError(f"a status text holds a character a message cannot show: {text!r}")
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def catalogue(functions, constants, common):
    named = {value: name for name, value in constants.items()}
    lines = ["// The status catalogue's data, written by scripts/vekgen.py from include/vek.h.",
             "// Do not edit: a code and its text change in the header.", "",
             "// What a common code means in every function.",
             "constexpr Common kCommon[] = {"]
    lines += [f"    {{{named[code]}, {literal(text)}}}," for code, text in common.items()]
    lines += ["};", "",
              "// Every code with a meaning of a function's own, grouped by family, in header order.",
              "constexpr Entry kEntries[] = {"]
    family = None
    for f in functions:
        if not f.own_codes:
            continue
        if f.family != family:
            family = f.family
            lines.append(f"    // {family}")
        lines += [f"    {{{literal(f.name)}, {named.get(c.code, c.code)}, {literal(c.text)}}},"
                  for c in f.own_codes]
    lines.append("};")
    return "\n".join(lines) + "\n"


def main(argv):
    functions = vekapi.read()
    if argv[1:] == ["exports"]:
        sys.stdout.write(exports(functions))
        return 0
    if len(argv) == 3 and argv[1] == "catalogue":
        path = pathlib.Path(argv[2])
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(catalogue(functions, vekapi.constants(), vekapi.common()), encoding="utf-8")
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except vekapi.HeaderError as e:
        sys.exit(f"vekgen.py: include/vek.h: {e}")
