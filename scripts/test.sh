#!/bin/sh
# Builds and runs every test: Linux, the sanitizer builds, the Windows DLL under
# wine, and the fuzz targets for a bounded time, each built with warnings as
# errors. Stops at the first failure.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh

jobs=$(nproc)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export GTEST_COLOR=no

step() { printf '\n=== %s\n' "$*"; }

step "Linux (release, with benchmarks built)"
cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=Release -DVEK_BENCH=ON -DVEK_WERROR=ON >/dev/null
cmake --build build/linux -j "$jobs"
ctest --test-dir build/linux --output-on-failure

step "Static analysis of the library (clang-tidy, checks in .clang-tidy)"
VEK_JOBS="$jobs" sh scripts/tidy.sh build/linux

step "Linux with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_SANITIZE=ON -DVEK_WERROR=ON >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan --output-on-failure

step "Linux with ThreadSanitizer: several threads calling the library at once"
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_TSAN=ON -DVEK_CLI=OFF -DVEK_WERROR=ON >/dev/null
cmake --build build/tsan -j "$jobs" --target vek vek_threads_test
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" build/tsan/bin/vek_threads_test

step "Windows: VEK.dll (i686, MinGW-w64) under wine"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -DVEK_WERROR=ON >/dev/null
cmake --build build/win32 -j "$jobs"
# 32-bit wine needs a kernel that runs 32-bit programs. Where it cannot, the
# 32-bit DLL is still built and its exports checked, and the same suite runs
# against the 64-bit DLL below.
if /lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
  WINEPREFIX="$PWD/build/wine32-prefix" WINEARCH=win32 ctest --test-dir build/win32 --output-on-failure
else
  echo "this machine cannot run 32-bit programs: VEK.dll (i686) and its package are built and checked,"
  echo "the Windows programs (label wine: the suite, the package's callers, vek.exe) are not run here"
  ctest --test-dir build/win32 --output-on-failure -LE wine
fi

# Where the kernel cannot run 32-bit programs, the 32-bit code runs on Linux
# under qemu-user instead: the whole suite with 32-bit pointers and sizes, file
# offsets beyond 4 GiB, the DES variants the emulated processor reports, and the
# vek command. (Where it can, the 32-bit wine suite above runs it.)
if ! /lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
  step "Linux i386 under qemu-user"
  cmake -S . -B build/i386 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i386.cmake -DCMAKE_BUILD_TYPE=Release -DVEK_WERROR=ON >/dev/null
  cmake --build build/i386 -j "$jobs"
  ctest --test-dir build/i386 --output-on-failure
fi

step "Windows: VEK.dll (x86-64, MinGW-w64) under 64-bit wine"
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DVEK_WERROR=ON >/dev/null
cmake --build build/win64 -j "$jobs"
# One wine server for the whole suite: a test that starts while the server of
# the one before is shutting down can fail to connect to it ("wine client
# error: recvmsg: Connection reset by peer"), failing a test that never ran.
# The server and wine's services start here, apart from ctest, so that nothing
# left running holds ctest's output open; they are stopped after the suite.
export WINEPREFIX="$PWD/build/wine64-prefix"
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver64 -p >/dev/null 2>&1 || true
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null || true
win64=0
ctest --test-dir build/win64 --output-on-failure || win64=$?
/usr/lib/wine/wineserver64 -k 2>/dev/null || true
unset WINEPREFIX
[ "$win64" -eq 0 ]

if [ -n "$(ls fuzz/*.cpp 2>/dev/null)" ]; then
  step "Fuzz targets (clang, libFuzzer, bounded time)"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -DVEK_FUZZ=ON -DVEK_TESTS=OFF -DVEK_CLI=OFF -DVEK_WERROR=ON >/dev/null
  cmake --build build/fuzz -j "$jobs"
  sh fuzz/run.sh build/fuzz "${VEK_FUZZ_SECONDS:-30}"
fi

step "all tests passed"
