#!/bin/sh
# pip install ./python works offline and installs the package whole: into a
# fresh virtual environment, with no package index at all, pip builds the
# library with CMake into the package, whose wheel is tagged for the platform.
# Without VEK_LIBRARY the package calls the library it carries; VEK_LIBRARY
# and an explicit path still win over it. The sdist carries the library's
# sources.
# Usage: check_install.sh PYTHON WORK-DIRECTORY LIBRARY
set -eu
python=$1; work=$2; library=$3
here=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$work"
"$python" -m venv "$work/venv"
fail() { echo "installed package: $*"; exit 1; }
# The compiler cache, where there is one, only saves time: the build is the one pip runs.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-ccache}"
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
unset VEK_LIBRARY
PIP_NO_INDEX=1 PIP_DISABLE_PIP_VERSION_CHECK=1 "$work/venv/bin/pip" install -q "$here" >"$work/pip.log" 2>&1 \
  || { cat "$work/pip.log"; fail "pip install failed"; }
cd "$work"
py="$work/venv/bin/python"

# The issue's example, with nothing set up: the library inside the package.
out=$("$py" -c 'import vek; print(vek.Conv_HexaToDec("FF", 0))')
[ "$out" = 255 ] || fail "got '$out' for FF"
"$py" - <<'EOF' || fail "the package's files"
import os, sysconfig, vek
package = os.path.dirname(vek.__file__)
assert os.path.exists(os.path.join(package, "py.typed"))
assert vek.library().path == os.path.join(package, "libvek.so"), vek.library().path
assert vek.Version() == 13
info = [d for d in os.listdir(os.path.dirname(package)) if d.startswith("vek-") and d.endswith(".dist-info")]
assert len(info) == 1, info
wheel = open(os.path.join(os.path.dirname(package), info[0], "WHEEL")).read().splitlines()
platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
assert "Root-Is-Purelib: false" in wheel and f"Tag: py3-none-{platform}" in wheel, wheel
record = open(os.path.join(os.path.dirname(package), info[0], "RECORD")).read()
assert "vek/libvek.so,sha256=" in record
EOF

# VEK_LIBRARY wins over the package's library, and an explicit path over both.
out=$(VEK_LIBRARY=$library "$py" -c 'import vek; print(vek.library().path, vek.Conv_HexaToDec("FFFF", 0))')
[ "$out" = "$library 65535" ] || fail "with VEK_LIBRARY: got '$out'"
VEK_LIBRARY=$work/missing/libvek.so "$py" -c 'import vek; vek.Version()' 2>"$work/missing.log" \
  && fail "a VEK_LIBRARY naming no file was not used"
grep -q "missing/libvek.so" "$work/missing.log" || { cat "$work/missing.log"; fail "VEK_LIBRARY not named"; }
out=$(VEK_LIBRARY=$work/missing/libvek.so "$py" -c "import vek; print(vek.load('$library').path, vek.Version())")
[ "$out" = "$library 13" ] || fail "with an explicit path: got '$out'"

# The sdist holds every library source file git knows of, beside the package.
sdist=$("$py" -c "
import sys; sys.path.insert(0, '$here/build_backend')
import vek_build; print(vek_build.build_sdist('$work'))")
if git -C "$here/.." rev-parse >/dev/null 2>&1; then
  tar -tzf "$work/$sdist" | sed -n 's|^[^/]*/library/||p' | sort >"$work/sdist.list"
  (cd "$here/.." && git ls-files CMakeLists.txt cmake include frame types crypto io imagefile dc9 resource) \
    | sort >"$work/sources.list"
  missing=$(comm -13 "$work/sdist.list" "$work/sources.list")
  [ -z "$missing" ] || fail "the sdist lacks $missing"
fi
tar -tzf "$work/$sdist" | grep -q "/pyproject.toml$" || fail "the sdist has no pyproject.toml"
echo "python install: passed"
