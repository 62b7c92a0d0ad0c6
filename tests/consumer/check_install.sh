#!/bin/sh
# Installs the build tree into a scratch prefix, then builds and runs a C consumer
# against it twice: with find_package(vek) and with pkg-config. Where the command
# is installed, `man vek` must show its page. Where the build makes a Debian
# package, the same checks run on the package unpacked into a scratch root.
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

consume() {  # consume PREFIX NAME
    lib=$(ls -d "$1"/lib* | head -n 1)
    cmake -S "$source" -B "$work/$2-cmake" -DCMAKE_PREFIX_PATH="$1" >/dev/null
    cmake --build "$work/$2-cmake" >/dev/null
    LD_LIBRARY_PATH="$lib" "$work/$2-cmake/consumer"
    # The .pc file finds its prefix from its own place, wherever the tree lies.
    pc=$(dirname "$(find "$1" -name vek.pc | head -n 1)")
    cc "$source/consumer.c" -o "$work/$2-pc-consumer" $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs vek)
    LD_LIBRARY_PATH="$lib" "$work/$2-pc-consumer"
}

manual() {  # manual PREFIX: the page is found by man and names every function
    [ -x "$1/bin/vek" ] || return 0
    page=$(MANPATH="$1/share/man" MANWIDTH=100 man vek 2>/dev/null) ||
        { echo "FAIL: man vek finds no page in $1/share/man"; exit 1; }
    for section in NAME SYNOPSIS DESCRIPTION FUNCTIONS "EXIT STATUS" EXAMPLES; do
        printf '%s\n' "$page" | grep -q "^$section" || { echo "FAIL: man vek has no $section section"; exit 1; }
    done
    for name in $("$1/bin/vek" --list | awk '{print $2}'); do
        printf '%s\n' "$page" | grep -qx " *$name" || { echo "FAIL: man vek does not cover $name"; exit 1; }
    done
    echo "man vek: the page covers every function"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
consume "$work/prefix" installed
manual "$work/prefix"

if [ -f "$build/CPackConfig.cmake" ] && grep -q '"DEB"' "$build/CPackConfig.cmake" && command -v dpkg-deb >/dev/null; then
    (cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
    deb=$(ls "$work"/deb/*.deb)
    dpkg-deb -x "$deb" "$work/root"
    echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Package Version Depends | tr '\n' ' ')"
    consume "$work/root/usr" deb
    manual "$work/root/usr"
fi
