#!/bin/sh
# Builds the library and the vek command, then runs a short personalization
# session with it on the sample data in demo/.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/linux -j "$(nproc)" --target vek_cli >/dev/null
vek=build/linux/bin/vek

show() {
  printf '$ vek'
  for a in "$@"; do
    if [ -z "$a" ]; then printf " ''"; else printf ' %s' "$a"; fi
  done
  printf '\n'
  "$vek" "$@" || printf '  (exit status %d)\n' "$?"
}

echo "vek demonstration: $("$vek" --version)"
echo
show Version
show LastStatus
for part in demo/*.sh; do
  [ -e "$part" ] && . "$part"
done
