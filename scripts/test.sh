#!/bin/sh
# The whole test suite: builds kxlib, the kxprofile tool and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (g++) and runs them, then builds and runs them with clang++ (optimised)
# as well, then builds the optimised g++ configuration (the one scripts/build.sh makes), whose
# warnings only show at -O2. Warnings are errors in all three. Then the allocation failures: the
# library built with KX_FAULT_INJECTION (the faults preset) and its test, which makes every
# allocation of a scripted sequence fail in turn. Last, a short fuzzing pass: every fuzz target runs
# for 20 seconds under libFuzzer (fuzz/run.sh; the tests above have already replayed each committed
# corpus). From a fresh clone the whole command takes about 6½ minutes on two cores with nine
# targets; lower the seconds here if more targets bring it near 10 minutes.
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

cmake --preset faults
cmake --build --preset faults
ctest --preset faults

fuzz/run.sh 20
