#!/bin/sh
# The Windows package as a user gets it: the ZIP archive that cpack makes,
# unpacked, and C callers built against it with MinGW.
#
#   check_windows_package.sh build BUILD SOURCE TOOLCHAIN CC
#       makes the archive, unpacks it to BUILD/consumer/tree and builds there:
#       the consumer with find_package(vek), the same with a plain -lVEK, a
#       caller linked MSVC-style against VEK.lib (clang, lld-link), and a reader
#       of a module's version record.
#   check_windows_package.sh run BUILD EMULATOR VERSION
#       runs them and vek.exe from the unpacked tree under wine.
set -eu
mode=$1
build=$2
work=$build/consumer

if [ "$mode" = build ]; then
    source=$3 toolchain=$4 cc=$5
    rm -rf "$work" "$build/package"
    mkdir -p "$work"
    (cd "$build" && cpack -C Release >/dev/null)
    zip=$(ls "$build"/package/vek-*.zip)
    (cd "$work" && cmake -E tar xf "$zip")
    mv "$work"/vek-* "$work/tree"
    cmake -S "$source" -B "$work/cmake" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$work/tree" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work/cmake" >/dev/null
    "$cc" "$source/consumer.c" -I"$work/tree/include" -L"$work/tree/lib" -lVEK -o "$work/plain.exe"
    arch=$(basename "$cc")
    clang --target="${arch%%-*}-pc-windows-msvc" -ffreestanding -I"$work/tree/include" \
        -c "$source/msvc_caller.c" -o "$work/msvc_caller.obj"
    lld-link /nologo /entry:main /nodefaultlib /subsystem:console "$work/msvc_caller.obj" "$work/tree/lib/VEK.lib" \
        /out:"$work/msvc_caller.exe"
    "$cc" "$source/version_resource.c" -lversion -o "$work/version_resource.exe"
    exit 0
fi

emulator=$3 version=$4
tree=$work/tree
# VEK.dll is found on the Windows PATH, as a job installed beside the tree would find it.
WINEPATH="Z:$(printf '%s' "$tree/bin" | tr / '\\')"
export WINEPATH
fails=0
check() {  # check NAME WANT COMMAND...: COMMAND's output must be WANT, byte for byte
    name=$1 want=$2
    shift 2
    have=$("$@" 2>/dev/null) || true
    if [ "$have" != "$want" ]; then
        echo "FAIL: $name: '$have' (want '$want')"
        fails=$((fails + 1))
    fi
}
# The C programs write text lines, CR LF on Windows.
text() { "$@" | tr -d '\r'; }
check "find_package consumer" "vek 13, FF is 255, status 0" text "$emulator" "$work/cmake/consumer.exe"
check "-lVEK consumer" "vek 13, FF is 255, status 0" text "$emulator" "$work/plain.exe"
check "VEK.lib caller" "0" sh -c '"$1" "$2"; echo $?' - "$emulator" "$work/msvc_caller.exe"
check "version record" "$version.0 $version" text "$emulator" "$work/version_resource.exe" "$tree/bin/VEK.dll"

# vek.exe: arguments, standard input and output as bytes (no CR added, a 0x1A
# byte is data), a failure's status and exit code.
vek="$tree/bin/vek.exe"
check "vek --version" "vek command $version, library interface 13" "$emulator" "$vek" --version
check "vek Conv_HexaToDec" "255" "$emulator" "$vek" Conv_HexaToDec FF 0
check "vek output bytes" "3235350a" sh -c '"$1" "$2" Conv_HexaToDec FF 0 | od -An -tx1 | tr -d " \n"' \
    - "$emulator" "$vek"
check "vek standard input" "411A0D42" sh -c 'printf "A\032\rB\n" | "$1" "$2" Conv_CharToHexa -' - "$emulator" "$vek"
check "vek failure" "1" sh -c '"$1" "$2" Conv_HexaToDec fF 0 >/dev/null 2>&1; echo $?' - "$emulator" "$vek"
[ "$fails" = 0 ] && echo "windows package: all passed"
exit "$fails"
