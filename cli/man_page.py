#!/usr/bin/env python3
"""Writes the manual page vek.1 from the built command's own help.

    man_page.py VEK VERSION DESCRIPTION OUTPUT

The command's forms and prose come from `vek --help` and `vek help FUNCTION`,
so the page follows the command; the functions and their status codes come from
include/vek.h, through its one parse (scripts/vekapi.py), and the command must
offer exactly those functions. The examples are run with the built command and
show what it printed.
"""
import os
import pathlib
import re
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "scripts"))
import vekapi  # noqa: E402

# Example command lines, run through the shell with the built vek first on PATH.
EXAMPLES = [
    ("The check digit that completes a card number:", "vek Calc_LuhnKey 497401234567890"),
    ("Hexadecimal arithmetic, the result padded to 8 digits:", "vek Calc_AddHexaToHexa 0FFF 0001 8"),
    ("Text as hexadecimal bytes:", "vek Conv_CharToHexa AB"),
    ("Two-key Triple-DES of one block (mode 1 encrypts):",
     "vek Calc_TripleDES 0123456789ABCDEFFEDCBA9876543210 0123456789ABCDEF 1"),
    ("An argument read from standard input:", "echo 1234 | vek Tran_SwapHexa -"),
    ("A predicate prints false and exits with 1:", "vek Veri_IsDec 12A4; echo \"exit $?\""),
    ("A card response as a tree, its fields and status word explained:", "vek tlv '800A 1C00 08010300 10010100 9000'"),
    ("Personalization data as data groupings:", "vek dgi '0101 08 7006 5F2403240331'"),
]


def run(vek, *args):
    return subprocess.run([vek, *args], check=True, capture_output=True, text=True).stdout


def escape(text):
    """Text as roff: backslashes and minus signs literal, no line read as a request."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def paragraphs(lines):
    """Help prose as filled paragraphs (a blank line starts a new one); an
    indented line keeps its own line."""
    out = []
    for line in lines:
        if not line.strip():
            out.append(".PP")
        elif line.startswith(("Exit status:", "Example:")):
            out += [".PP", escape(line)]
        elif line.startswith(" "):
            out += [".br", escape(line.strip()), ".br"]
        else:
            out.append(escape(line))
    return out


def synopsis_and_description(usage):
    """Splits `vek --help` into the command forms, the prose and the exit status."""
    forms, prose, status = [], [], None
    for line in usage.splitlines():
        match = re.match(r"^(?:usage:)?\s+(vek\b.*?)(?:\s{2,}(.*))?$", line) if (
            line.startswith("usage:") or forms and line.startswith(" ")) else None
        if match:
            forms.append((match.group(1), match.group(2) or ""))
        elif line.startswith("Exit status:") and status is None:
            status = line[len("Exit status:"):].strip()
        else:
            prose.append(line)
    return forms, prose, status


def exit_status(status):
    """'0 success, 1 failure, ...' as one tagged paragraph per value."""
    items = [s.strip().rstrip(".") for s in status.split(",")]
    if not all(re.match(r"^\d+ ", s) for s in items):
        return [escape(status)]
    out = []
    for item in items:
        value, meaning = item.split(" ", 1)
        out += [".TP", f".B {value}", escape(meaning)]
    return [".PD 0"] + out + [".PD"]


def function(vek, f, common):
    """One function as a subsection: its form, summary and details from `vek help`,
    its status codes as vek.h lists them (in numeric order, a common code with its
    common meaning unless the function gives it one of its own)."""
    text = run(vek, "help", f.short_name).splitlines()
    out = [f".SS {escape(f.short_name)}", f".B {escape(text[0])}", ".br"]
    codes_at = next((i for i, l in enumerate(text) if l.startswith("Status codes of ")), len(text))
    out += paragraphs(text[1:codes_at])
    if f.codes:
        out += [".PP", escape(f"Status codes of {f.name}:"), ".RS", ".PD 0"]
        for c in sorted(f.codes, key=lambda c: -c.code):
            out += [".TP 6", escape(str(c.code)), escape(common[c.code] if c.plain else c.text)]
        out += [".PD", ".RE"]
    return out


def examples(vek):
    env = dict(os.environ, PATH=os.path.dirname(os.path.abspath(vek)) + os.pathsep + os.environ.get("PATH", ""),
               LC_ALL="C")
    out = []
    for comment, command in EXAMPLES:
        shown = subprocess.run(command, shell=True, env=env, capture_output=True, text=True).stdout
        if not shown:
            sys.exit(f"man_page.py: the example '{command}' printed nothing")
        out += [".PP", escape(comment), ".PP", ".RS", ".nf", escape("$ " + command)]
        out += [escape(l) for l in shown.splitlines()]
        out += [".fi", ".RE"]
    return out


def main():
    vek, version, description, output = sys.argv[1:5]
    forms, prose, status = synopsis_and_description(run(vek, "--help"))
    functions = sorted(vekapi.read(), key=lambda f: f.short_name)
    commands = sorted(line.split()[1] for line in run(vek, "--list").splitlines() if line.startswith("vek "))
    if commands != [f.short_name for f in functions]:
        missing = sorted({f.short_name for f in functions} - set(commands))
        extra = sorted(set(commands) - {f.short_name for f in functions})
        sys.exit(f"man_page.py: the command's functions differ from include/vek.h: missing {missing}, extra {extra}")
    common = vekapi.common()

    page = [f'.TH VEK 1 "" "vek {escape(version)}" "User Commands"',
            ".ad l", ".SH NAME", f"vek \\- {escape(description[0].lower() + description[1:])}",
            ".SH SYNOPSIS"]
    for form, _ in forms:
        page += [f".B {escape(form)}", ".br"]
    page.append(".SH DESCRIPTION")
    for form, meaning in forms:
        page += [".TP", f".B {escape(form)}", escape(meaning)]
    page += [".PP"] + paragraphs(prose)
    # Commands with a help text of their own ("... (vek help tlv)").
    for form, meaning in forms:
        topic = re.search(r"\(vek help (\w+)\)", meaning)
        if topic:
            page += [f".SS {escape(form)}"] + paragraphs(
                [l for l in run(vek, "help", topic.group(1)).splitlines() if not l.startswith("usage:")])
    page += [".SH FUNCTIONS", "Each function of the library, as",
             ".B vek help FUNCTION", "explains it."]
    for f in functions:
        page += function(vek, f, common)
    if status:
        page += [".SH EXIT STATUS"] + exit_status(status)
    page += [".SH EXAMPLES"] + examples(vek)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(page) + "\n")


if __name__ == "__main__":
    main()
