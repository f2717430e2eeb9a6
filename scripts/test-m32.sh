#!/bin/sh
# The whole test suite in a 32-bit build (g++ -m32): pointers of 32 bits, where a result-buffer
# record is 32 bytes with its value at offset 8. GoogleTest is built from its sources for it.
# Installs the Debian packages it needs when they are missing.
#
# Some machines (virtual machines without 32-bit support in their kernel) cannot run 32-bit
# programs at all. There the script builds the library alone, which checks the record's 32-bit
# layout at compile time, says that the suite could not run, and exits with status 3.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ g++-multilib libgtest-dev

cmake --preset m32

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT INT TERM
printf 'int main() { return sizeof(void*) == 4 ? 0 : 1; }\n' >"$probe/probe.cpp"
g++ -m32 -o "$probe/probe" "$probe/probe.cpp"
if ! "$probe/probe" 2>/dev/null; then
  cmake --build --preset m32 --target kx
  echo "test-m32.sh: this machine cannot run 32-bit programs; the library built with -m32" \
    "(its record layout checked), but the suite did not run." >&2
  exit 3
fi

cmake --build --preset m32
ctest --preset m32
