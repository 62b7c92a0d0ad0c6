#!/bin/sh
# pip install ./python works offline: into a fresh virtual environment, with
# no package index at all, then the installed package calls the library.
# Usage: check_install.sh PYTHON WORK-DIRECTORY LIBRARY
set -eu
python=$1; work=$2; library=$3
here=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$work"
"$python" -m venv "$work/venv"
PIP_NO_INDEX=1 PIP_DISABLE_PIP_VERSION_CHECK=1 "$work/venv/bin/pip" install -q "$here"
cd "$work"
out=$(VEK_LIBRARY=$library "$work/venv/bin/python" -c '
import os, vek
assert os.path.exists(os.path.join(os.path.dirname(vek.__file__), "py.typed"))
print(vek.Conv_HexaToDec("FFFF", 0))')
[ "$out" = 65535 ] || { echo "installed package: got '$out'"; exit 1; }
echo "python install: passed"
