#!/bin/sh
# Builds kxlib (optimised, with debug info) into build/default.
# Installs the Debian packages it needs when they are missing.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ libgtest-dev

cmake --preset default
cmake --build --preset default
