#!/bin/sh
# clang-tidy over the library's sources with the checks of .clang-tidy, reading
# the compile database of a build (default build/linux). Fails on any finding.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/linux}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json (configure first)"; exit 2; }
ls frame/*.cpp types/*.cpp crypto/*.cpp io/*.cpp imagefile/*.cpp dc9/*.cpp |
  xargs -n 4 -P "${VEK_JOBS:-2}" "$tidy" -p "$build" --quiet 2>/dev/null
echo "tidy: no findings"
