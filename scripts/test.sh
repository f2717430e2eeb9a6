#!/bin/sh
# The whole test suite: builds kxlib, the kxprofile tool and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (g++) and runs them, then builds and runs them with clang++ (optimised)
# as well, and last builds the optimised g++ configuration (the one scripts/build.sh makes), whose
# warnings only show at -O2. Warnings are errors in all three. Last, a short fuzzing pass: every
# fuzz target runs for 20 seconds under libFuzzer (fuzz/run.sh; the tests above have already
# replayed each committed corpus).
# Installs the Debian packages it needs when they are missing.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev pkg-config libcli11-dev \
  libcairo2-dev

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset clang
cmake --build --preset clang
ctest --preset clang

cmake --preset default
cmake --build --preset default

fuzz/run.sh 20
