#!/bin/sh
# Runs every fuzz target built in $1 for $2 seconds each, starting from its seed
# corpus in fuzz/corpus/<target>/, with the options in fuzz/<target>.options when
# there is one (a time limit per input, a longest input, a dictionary). Any
# crash, leak, slow input or sanitizer report fails; the input that caused it is
# kept in $1/artifacts/.
set -eu
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
artifacts="$build/artifacts"
mkdir -p "$artifacts"
for target in "$build"/bin/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  [ -d "$here/corpus/$name" ] && cp -r "$here/corpus/$name/." "$work/"
  options=""
  [ -f "$here/$name.options" ] && options=$(grep -v '^#' "$here/$name.options" | sed "s|@here@|$here|g" | tr '\n' ' ')
  echo "fuzz: $name for ${seconds}s $options"
  status=0
  # shellcheck disable=SC2086 # the options are separate words
  "$target" -max_total_time="$seconds" $options -artifact_prefix="$artifacts/$name-" "$work" >"$work.log" 2>&1 || status=$?
  tail -n 3 "$work.log"
  [ "$status" = 0 ] || cat "$work.log"
  rm -f "$work.log"
  rm -rf "$work"
  [ "$status" = 0 ] || exit "$status"
done
