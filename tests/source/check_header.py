#!/usr/bin/env python3
"""Checks that include/vek.h keeps the one format its parse (scripts/vekapi.py)
reads, so that everything written from it (the export table, the status
catalogue, the Python table, the manual page) sees every export:

  - every prototype VEK_API short VEK_CALL vek_...(...) stands under its block
    /*! vek_Name() : ... */, once, in a family section;
  - the @param lines number and name the prototype's parameters, in order, and
    every parameter plays a role a caller or a wrapper knows;
  - a block lists each code once;
  - the common codes are named, each with its meaning (VEK_STATUS_OK,
    VEK_STATUS_BUFFER_TOO_SMALL, VEK_STATUS_INTERNAL), and the version is stated
    (VEK_VERSION_MAJOR, _MINOR, _PATCH).

The codes themselves (their order, -50 and -99, and the code tables of the
exports) are checked by check_codes.py.

Usage: check_header.py <source root>
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
sys.path.insert(0, str(ROOT / "scripts"))
import vekapi  # noqa: E402

PROTOTYPE = re.compile(r"VEK_API\s+short\s+VEK_CALL\s+(vek_\w+)\s*\(")


def main():
    header = ROOT / "include" / "vek.h"
    problems = []
    try:
        functions = vekapi.read(header)
        named = vekapi.constants(header)
        common = vekapi.common(header)
        version = vekapi.version(header)
    except vekapi.HeaderError as e:
        print(f"include/vek.h: {e}")
        return 1

    declared = PROTOTYPE.findall(header.read_text(encoding="utf-8"))
    names = [f.name for f in functions]
    for name in sorted(set(declared) - set(names)):
        problems.append(f"{name}: a prototype without its block /*! {name}() : ... */ right above it")
    for name in sorted({n for n in names if names.count(n) > 1}):
        problems.append(f"{name}: more than one block")

    for f in functions:
        if not f.family:
            problems.append(f"{f.name}: stands before any family section")
        prototype = [p.name for p in f.params]
        if f.param_lines != list(enumerate(prototype, 1)):
            problems.append(f"{f.name}: @param lines {f.param_lines} do not follow the prototype's parameters "
                            f"{prototype}")
        codes = [c.code for c in f.codes]
        if len(codes) != len(set(codes)):
            problems.append(f"{f.name}: a code is listed twice: {codes}")

    wanted = {"VEK_STATUS_OK": 0, "VEK_STATUS_BUFFER_TOO_SMALL": -50, "VEK_STATUS_INTERNAL": -99}
    if named != wanted:
        problems.append(f"the named status codes are {named}, not {wanted}")
    if set(common) != {0, *vekapi.COMMON_CODES}:
        problems.append(f"the common codes given a meaning are {sorted(common)}")

    for problem in problems:
        print(problem)
    print(f"{len(functions)} header blocks, {len(declared)} prototypes, version {'.'.join(map(str, version))}: "
          f"{'FAILED' if problems else 'agree'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
