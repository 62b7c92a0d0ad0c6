#!/bin/sh
# Installs what the build, the tests and the benchmarks need (Debian, as root).
# Does nothing when everything is already there.
set -eu

packages="cmake make g++ pkg-config python3 openssl python3-pytest python3-pip python3-venv dpkg-dev man-db
  libgtest-dev googletest libbenchmark-dev libgmp-dev libssl-dev
  clang libclang-rt-14-dev clang-tidy
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32 wine64 llvm lld
  g++-multilib qemu-user-static libgmp-dev:i386 libssl-dev:i386
  mono-mcs mono-runtime"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "setup: installing$missing"
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
  *" i386 "*) ;;
  *) $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
