#!/usr/bin/env python3
"""The exports of vek as include/vek.h declares them: the one parse of the header.

Every exported function has one block in the header, in the one format:
  /*! vek_Name() :
   *  what it does
   *  @param 1 name  meaning and range        (one line per parameter, as in the prototype)
   *  @return -1 ...; 0 ..., then vek_LastStatus(), in the order the checks run:
   *          -N meaning;                     (one entry per code, continued on indented lines)
   *          -99 internal failure. */
  VEK_API short VEK_CALL vek_Name(...);

and the section comments between blocks name the families. `read()` gives the
functions in header order, each with its family, parameters (C type, name, the
role the parameter plays for a caller, its documentation), status codes (in the
order the checks run, each with its text), kind of result and documentation.
Whatever else describes an export (the export table, the status catalogue, the
Python table, the man page, the command's binding) is generated from this parse
or checked against it.

Two codes mean the same in every function: -50 and -99, named by the header's
constants, whose comments give their messages (`common()`). A block lists them
as "-50 out too small for the result" and "-99 internal failure" (`PLAIN`);
any other text gives the code a meaning of its own in that function
(`Code.plain`). `version()` is the header's version, the one every other copy
(CMake's project version, the Python package) is taken from.

Roles a caller passes: text, int, bytes, firs. Roles the caller's wrapper fills:
out, out_size, out_raw, number, bytes_out, bytes_count, bytes_length,
firs_count, firs_found, firs_out, raw_out, raw_size.
"""
import pathlib
import re
from dataclasses import dataclass, field

ROOT = pathlib.Path(__file__).resolve().parent.parent
HEADER = ROOT / "include" / "vek.h"

BLOCK = re.compile(r"/\*!\s*(vek_\w+)\(\)\s*:(.*?)\*/\s*VEK_API\s+short\s+VEK_CALL\s+(vek_\w+)\s*\((.*?)\)\s*;", re.S)
# A section comment: its first line names the family; prose may follow it.
SECTION = re.compile(r"/\* -{20,}\n \* (.*?)\n(?: \*.*\n)*? \* -{20,} \*/")
CONSTANT = re.compile(r"#define[ \t]+(VEK_STATUS_\w+)[ \t]+\(?(-?\d+)\)?[ \t]*(?:/\*\s*(.*?)\s*\*/)?")
VERSION = re.compile(r"#define[ \t]+VEK_VERSION_(MAJOR|MINOR|PATCH)[ \t]+(\d+)")
COMMON_CODES = (-50, -99)
# How a block lists a common code that means there what it means everywhere.
PLAIN = {-50: "out too small for the result", -99: "internal failure"}


class HeaderError(Exception):
    pass


@dataclass
class Parameter:
    ctype: str  # "const char*", "int", "char*", ...
    name: str
    role: str
    doc: str = ""


@dataclass
class Code:
    code: int
    text: str  # as the header states it, without the final ';' or '.'

    @property
    def plain(self):
        """A common code (-50, -99) listed with no meaning of its own."""
        return PLAIN.get(self.code) == self.text


@dataclass
class Function:
    name: str    # "vek_Conv_HexaToDec"
    family: str  # the section it stands in: "Decimal strings"
    params: list = field(default_factory=list)  # [Parameter]
    codes: list = field(default_factory=list)   # [Code], in the order the checks run
    kind: str = "call"  # value (LastStatus, Version), predicate, call
    false_code: int | None = None  # predicate: the code of the "false" answer
    count_kept: bool = False  # writes its count even when it fails
    doc: str = ""
    param_lines: list = field(default_factory=list)  # the @param lines as written: [(number, name)]

    @property
    def short_name(self):
        return self.name[len("vek_"):]

    def code(self, number):
        return next((c for c in self.codes if c.code == number), None)

    @property
    def own_codes(self):
        """The codes with a meaning of this function's own (every code but a
        plain -50 or -99), in numeric order: -1 to -7, then -50 and -99."""
        return sorted((c for c in self.codes if not c.plain), key=lambda c: -c.code)


def _prototype(text):
    text = " ".join(text.split())
    if text in ("", "void"):
        return []
    result = []
    for p in text.split(","):
        m = re.match(r"\s*(.*?)\s*(\w+)\s*$", p)
        if not m:
            raise HeaderError(f"cannot read parameter {p!r}")
        result.append((m.group(1).replace(" *", "*"), m.group(2)))
    return result


def _role(params, i):
    ctype, name = params[i]
    prev = params[i - 1][0] if i else ""
    after = params[i + 1][0] if i + 1 < len(params) else ""
    if ctype == "const char*":
        return "text"
    if ctype == "char*":
        return "out" if after == "int" else "out_raw"
    if ctype in ("int", "short"):
        if prev == "char*":
            return "out_size"
        if prev == "const unsigned char*":
            return "bytes_length"
        if after == "const FIRDescription*":
            return "firs_count"
        return "int"
    if ctype == "int*":
        if prev == "unsigned char*":
            return "bytes_count" if name == "count" else "raw_size"
        return "number"
    if ctype == "unsigned char*":
        return "bytes_out" if after == "int*" and name == "bytes" else "raw_out"
    if ctype == "const unsigned char*":
        return "bytes"
    if ctype == "short*":
        return "firs_found"
    if ctype == "FIRDescription*":
        return "firs_out"
    if ctype == "const FIRDescription*":
        return "firs"
    raise HeaderError(f"no role for {ctype} {name}")


def _documentation(body):
    lines = [re.sub(r"^\s*\*", "", line).rstrip() for line in body.strip("\n").splitlines()]
    # The text keeps its own indentation relative to its least indented line.
    indent = min((len(l) - len(l.lstrip()) for l in lines if l.strip()), default=0)
    return "\n".join(l[indent:] for l in lines).strip()


def _parse_block(name, family, body, prototype):
    doc = _documentation(body)
    raw = [re.sub(r"^\s*\*\s?", "", line) for line in body.splitlines()]
    params_doc = {}
    param_lines = []
    codes = []
    current = None  # the entry a continuation line extends: ("param", name) or ("code", index)
    returns = False
    for line in raw:
        m = re.match(r"\s*@param\s+(\d+)\s+(\w+)\s+(.*)$", line)
        if m:
            params_doc[m.group(2)] = m.group(3).strip()
            param_lines.append((int(m.group(1)), m.group(2)))
            current = ("param", m.group(2))
            continue
        if re.match(r"\s*@return\b", line):
            returns = True
            current = None
            continue
        m = re.match(r"\s*(-\d+)\s+(.*)$", line)
        if returns and m:
            codes.append([int(m.group(1)), m.group(2).strip()])
            current = ("code", len(codes) - 1)
            continue
        if current and line.strip():
            if current[0] == "param":
                params_doc[current[1]] += " " + line.strip()
            else:
                codes[current[1]][1] += " " + line.strip()
    if not returns:
        raise HeaderError(f"{name}: no @return line")
    params = _prototype(prototype)
    fn = Function(name=name, family=family, doc=doc, param_lines=param_lines)
    fn.params = [Parameter(ctype, pname, _role(params, i), params_doc.get(pname, ""))
                 for i, (ctype, pname) in enumerate(params)]
    fn.codes = [Code(code, re.sub(r"[;.]\s*$", "", text).strip()) for code, text in codes]
    false = re.search(r"(-\d+) [^;]*\(the \"false\" answer\)", doc)
    if name in ("vek_LastStatus", "vek_Version"):
        fn.kind = "value"
    elif false:
        fn.kind = "predicate"
        fn.false_code = int(false.group(1))
    fn.count_kept = re.search(r"@param \d+ count\b[^@]*\(also with", doc) is not None
    return fn


def read(path=HEADER):
    """The exported functions, in header order."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    sections = [(m.start(), m.group(1)) for m in SECTION.finditer(text)]
    result = []
    for m in BLOCK.finditer(text):
        title, body, name, prototype = m.groups()
        if title != name:
            raise HeaderError(f"block {title} stands over the prototype of {name}")
        family = ""
        for start, section in sections:
            if start < m.start():
                family = section
        result.append(_parse_block(name, family, body, prototype))
    return result


def summary(fn):
    """The first sentence of a function's documentation, on one line, without its
    final period: "Reads the status register as the calling thread's most recent
    call left it"."""
    prose = []
    for line in fn.doc.splitlines():
        if line.lstrip().startswith("@"):
            break
        prose.append(line.strip())
    text = " ".join(prose)
    m = re.match(r"(.*?[^.])\.(\s|$)", text)
    return (m.group(1) if m else text).strip()


def constants(path=HEADER):
    """The named status codes of the header: {"VEK_STATUS_INTERNAL": -99, ...}."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    return {name: int(value) for name, value, _ in CONSTANT.findall(text)}


def common(path=HEADER):
    """The meaning of each named status code, from its comment: {0: "no failure", -50: ..., -99: ...}."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    result = {}
    for name, value, comment in CONSTANT.findall(text):
        if not comment:
            raise HeaderError(f"{name}: no comment that gives its meaning")
        result[int(value)] = comment
    return result


def version(path=HEADER):
    """The version the header states: (major, minor, patch)."""
    text = pathlib.Path(path).read_text(encoding="utf-8")
    parts = dict(VERSION.findall(text))
    if set(parts) != {"MAJOR", "MINOR", "PATCH"}:
        raise HeaderError("VEK_VERSION_MAJOR, VEK_VERSION_MINOR and VEK_VERSION_PATCH are not all defined")
    return tuple(int(parts[p]) for p in ("MAJOR", "MINOR", "PATCH"))


if __name__ == "__main__":
    for f in read():
        roles = ", ".join(f"{p.name}:{p.role}" for p in f.params)
        print(f"{f.name} [{f.family}] {f.kind} ({roles})")
        for c in f.codes:
            print(f"    {c.code:4} {c.text}")
