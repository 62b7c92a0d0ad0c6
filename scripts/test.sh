#!/bin/sh
# Builds and runs every test: Linux, the sanitizer build, the Windows DLL under
# wine, and the fuzz targets for a bounded time. Stops at the first failure.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh

jobs=$(nproc)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export GTEST_COLOR=no

step() { printf '\n=== %s\n' "$*"; }

step "Linux (release, with benchmarks built)"
cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=Release -DVEK_BENCH=ON >/dev/null
cmake --build build/linux -j "$jobs"
ctest --test-dir build/linux --output-on-failure

step "Linux with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan --output-on-failure

step "Windows: VEK.dll (i686, MinGW-w64) under wine"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$jobs"
ctest --test-dir build/win32 --output-on-failure

if [ -n "$(ls fuzz/*.cpp 2>/dev/null)" ]; then
  step "Fuzz targets (clang, libFuzzer, bounded time)"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -DVEK_FUZZ=ON -DVEK_TESTS=OFF -DVEK_CLI=OFF >/dev/null
  cmake --build build/fuzz -j "$jobs"
  sh fuzz/run.sh build/fuzz "${VEK_FUZZ_SECONDS:-60}"
fi

step "all tests passed"
