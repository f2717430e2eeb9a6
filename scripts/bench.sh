#!/bin/sh
# Builds the benchmarks (release) and runs them: height queries, batches of heights (random and
# sorted) and min/max scans of the profile engine, each beside a closed-form baseline on the same
# data. Medians of ten repetitions.
# Installs the Debian packages it needs when they are missing.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ libbenchmark-dev

cmake --preset bench
cmake --build --preset bench
build/bench/bench/kx_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@"
