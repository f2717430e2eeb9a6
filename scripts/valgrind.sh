#!/bin/sh
# The whole test suite under valgrind memcheck, on the optimised g++ build without sanitizers
# (build/default): every test program, each run once with all its tests. A memory error or a
# definite or indirect leak fails the run. Installs the Debian packages it needs when missing.
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build g++ libgtest-dev valgrind

cmake --preset default >/dev/null
cmake --build --preset default
status=0
for program in $(find build/default/tests build/default/fuzz -type f -perm -u+x \
                   \( -name 'kx_*_tests' -o -name kx_exit_order -o -name kx_readme_quickstart \
                      -o -name 'kx_fuzz_*' \) | sort); do
  args=""
  case "$program" in
    */kx_fuzz_*) args="fuzz/corpus/${program##*/kx_fuzz_}" ;;  # replays the committed corpus
  esac
  # The fresh-process tests start a copy of the program; valgrind checks the copy too.
  # shellcheck disable=SC2086
  if valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
      --trace-children=yes "$program" $args >"$program.valgrind.log" 2>&1; then
    echo "clean: $program"
  else
    echo "FAILED: $program (see $program.valgrind.log)"
    status=1
  fi
done
exit "$status"
