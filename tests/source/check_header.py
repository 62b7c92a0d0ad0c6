#!/usr/bin/env python3
"""Checks include/vek.h against the export table and the status-code catalogue.

Every exported function has one block in the header, in the one format:
  /*! vek_Name() :
   *  what it does
   *  @param 1 name  meaning and range        (one line per parameter, as in the prototype)
   *  @return -1 ...; 0 ..., then vek_LastStatus(), in the order the checks run:
   *          -N meaning;                     (one line per code)
   *          -99 internal failure. */
  VEK_API short VEK_CALL vek_Name(...);

and the codes a block lists are the catalogue's rows for that function, apart
from -50 (listed wherever the function writes an output buffer) and -99 (listed
last by every function that can fail), which are common to all functions and
are catalogue rows only where a function gives them a meaning of its own.

Usage: check_header.py vek.h catalogue.cpp exports
"""
import re
import sys

COMMON = {-50, -99}


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def exported(path):
    names = []
    for line in read(path).splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            names.append(line)
    return names


def catalogue(path):
    rows = {}
    for name, code in re.findall(r'\{\s*"(vek_\w+)"\s*,\s*(-?\d+)\s*,', read(path)):
        rows.setdefault(name, set()).add(int(code))
    return rows


BLOCK = re.compile(r"/\*!\s*(vek_\w+)\(\)\s*:(.*?)\*/\s*VEK_API\s+short\s+VEK_CALL\s+(vek_\w+)\s*\((.*?)\)\s*;",
                   re.S)


def parameter_names(prototype):
    prototype = " ".join(prototype.split())
    if prototype in ("", "void"):
        return []
    return [re.findall(r"\w+", p)[-1] for p in prototype.split(",")]


def header(path):
    """name -> (parameter names of the prototype, documented parameters, codes in order, has @return)"""
    blocks = {}
    problems = []
    for title, body, name, prototype in BLOCK.findall(read(path)):
        if title != name:
            problems.append(f"block {title} stands over the prototype of {name}")
        if name in blocks:
            problems.append(f"{name}: more than one block")
        lines = [re.sub(r"^\s*\*\s?", "", line) for line in body.splitlines()]
        params = []
        codes = []
        returns = False
        for line in lines:
            m = re.match(r"\s*@param\s+(\d+)\s+(\w+)\s", line + " ")
            if m:
                params.append((int(m.group(1)), m.group(2)))
                continue
            if re.match(r"\s*@return\b", line):
                returns = True
                continue
            m = re.match(r"\s*(-\d+)\s+\S", line)
            if returns and m:
                codes.append(int(m.group(1)))
        blocks[name] = (parameter_names(prototype), params, codes, returns)
    return blocks, problems


def main(argv):
    if len(argv) != 4:
        print(__doc__)
        return 2
    blocks, problems = header(argv[1])
    rows = catalogue(argv[2])
    exports = exported(argv[3])

    for name in exports:
        if name not in blocks:
            problems.append(f"{name}: exported, but has no block in the header")
    for name in blocks:
        if name not in exports:
            problems.append(f"{name}: has a block in the header but is not exported")
    for name in rows:
        if name not in exports:
            problems.append(f"{name}: has catalogue rows but is not exported")

    for name, (prototype, params, codes, returns) in blocks.items():
        if not returns:
            problems.append(f"{name}: no @return line")
        numbers = [n for n, _ in params]
        named = [p for _, p in params]
        if prototype and (numbers != list(range(1, len(prototype) + 1)) or named != prototype):
            problems.append(f"{name}: @param lines {params} do not follow the prototype's parameters {prototype}")
        if len(codes) != len(set(codes)):
            problems.append(f"{name}: a code is listed twice: {codes}")
        listed = set(codes)
        own = rows.get(name, set())
        if name in ("vek_LastStatus", "vek_Version"):
            if codes or own:
                problems.append(f"{name}: leaves no code, yet codes are listed")
            continue
        if listed - COMMON != own - COMMON:
            missing = sorted(own - COMMON - listed)
            stray = sorted(listed - COMMON - own)
            problems.append(f"{name}: header lists {sorted(listed - COMMON)}, catalogue has {sorted(own - COMMON)}"
                            f" (not in the header: {missing}; not in the catalogue: {stray})")
        if not own & COMMON <= listed:
            problems.append(f"{name}: catalogue rows {sorted(own & COMMON)} are not listed in the header")
        if not codes or codes[-1] != -99:
            problems.append(f"{name}: -99 is not listed last")
        if "outSize" in prototype and -50 not in listed:
            problems.append(f"{name}: writes an output buffer, but -50 is not listed")
        if "outSize" not in prototype and -50 in listed and -50 not in own:
            problems.append(f"{name}: lists -50 without an output buffer of stated size")

    for problem in problems:
        print(problem)
    print(f"{len(blocks)} header blocks, {len(exports)} exports: {'FAILED' if problems else 'agree'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
