#!/bin/sh
# Installs the build tree into a scratch prefix, then builds and runs a C consumer
# against it twice: with find_package(vek) and with pkg-config.
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
lib=$(ls -d "$work"/prefix/lib* | head -n 1)

cmake -S "$source" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
LD_LIBRARY_PATH="$lib" "$work/cmake/consumer"

# The .pc file names the configured prefix; point pkg-config at the scratch one.
PKG_CONFIG_PATH="$lib/pkgconfig" cc "$source/consumer.c" -o "$work/pc-consumer" \
  $(PKG_CONFIG_PATH="$lib/pkgconfig" pkg-config --define-variable=prefix="$work/prefix" --cflags --libs vek)
LD_LIBRARY_PATH="$lib" "$work/pc-consumer"
