#!/bin/sh
# The whole test suite in a 32-bit build (g++ -m32): pointers of 32 bits, where a result-buffer
# record is 32 bytes with its value at offset 8. GoogleTest is built from its sources for it.
# Installs the Debian packages it needs when they are missing.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ g++-multilib libgtest-dev

cmake --preset m32
cmake --build --preset m32
ctest --preset m32
