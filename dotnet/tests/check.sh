#!/bin/sh
# The .NET binding for real: Mono's C# compiler builds dotnet/Vek.cs with the test
# program (warnings as errors), and Mono runs it against the built library, to
# which a dllmap maps the name "VEK" that Vek.Native imports.
# Usage: check.sh MCS MONO SOURCE-DIRECTORY WORK-DIRECTORY LIBRARY EXPORT-TABLE
# With MCS "-" (Mono not found at configure time) the check is skipped with exit
# status 77, except under CI, where it fails: there scripts/setup.sh installs Mono.
set -eu
mcs=$1; mono=$2; root=$3; work=$4; library=$5; exports=$6
if [ "$mcs" = - ] || [ "$mono" = - ]; then
  echo "dotnet binding: mcs or mono not found; install mono-mcs and mono-runtime (scripts/setup.sh does)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
"$mcs" -nologo -warn:4 -warnaserror -r:System.Numerics.dll -out:"$work/vek_test.exe" \
  "$root/dotnet/Vek.cs" "$root/dotnet/tests/VekTest.cs"
cat >"$work/vek_test.exe.config" <<EOF
<configuration>
  <dllmap dll="VEK" target="$library" />
</configuration>
EOF
"$mono" "$work/vek_test.exe" "$exports" "$root/dotnet/tests/VekTest.cs" "$work/files"
