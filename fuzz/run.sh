#!/bin/sh
# fuzz/run.sh [SECONDS]: builds every fuzz target of the project as a libFuzzer program (the fuzz
# preset: clang with AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for SECONDS
# (default 60), starting from a scratch copy of its committed corpus fuzz/corpus/<target>/.
#
# An input that makes a target fail (a crash, a sanitizer report, a leak, a timeout) is saved in
# fuzz/findings/<target>/. Fix the fault, then move the input into fuzz/corpus/<target>/ with a name
# that says what it found: the tests replay every corpus file on each run. The exit status is 1
# when any target failed.
#
# fuzz/options/<target>, when it exists, holds more libFuzzer options for that target (the profile
# calls run with -timeout=2: no call may take 2 seconds).
set -eu
seconds=${1:-60}
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM
status=0
for exe in build/fuzz/fuzz/kx_fuzz_*; do
  [ -x "$exe" ] || continue
  name=${exe##*/kx_fuzz_}
  corpus=$scratch/$name
  findings=fuzz/findings/$name
  mkdir -p "$corpus" "$findings"
  if [ -d "fuzz/corpus/$name" ]; then cp -R "fuzz/corpus/$name/." "$corpus/"; fi
  log=$scratch/$name.log
  options=""
  if [ -f "fuzz/options/$name" ]; then options=$(cat "fuzz/options/$name"); fi
  echo "fuzzing $name for ${seconds}s"
  # shellcheck disable=SC2086 # the options are separate words
  if ! nice "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 $options \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1; then
    status=1
    tail -n 40 "$log"
    echo "FAILED: $name; the input is in $findings/"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | sed -n 's/.*\(cov: [0-9]*\) \(ft: [0-9]*\).*/\1 \2/p')
  echo "$name: ${runs:-?} executions, ${cov:-no coverage line}, corpus $(ls "$corpus" | wc -l) files"
  rmdir "$findings" 2>/dev/null || true
done
exit $status
