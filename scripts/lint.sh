#!/bin/sh
# Static analysis of the library's own code (src/ and include/): clang-tidy with the checks of
# .clang-tidy, over the compile commands of the clang build, and cppcheck. Prints every finding and
# exits with 1 when there is one. Installs the Debian packages it needs when they are missing.
#
# cppcheck leaves out two style checks on purpose: noExplicitConstructor (the number and text
# classes convert implicitly from their values, DT_Double d = 2.5, as their users write them) and
# useStlAlgorithm (a matter of taste).
set -eu
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
ensure_packages cmake ninja-build clang clang-tidy cppcheck libgtest-dev

cmake --preset clang >/dev/null
cmake --build --preset clang --target kx >/dev/null
status=0

echo "clang-tidy"
if ! run-clang-tidy -p build/clang -quiet "$(pwd)/src/.*" >build/clang/clang-tidy.log 2>&1 ||
    grep -q -E "(warning|error):" build/clang/clang-tidy.log; then
  grep -E -A3 "(warning|error):" build/clang/clang-tidy.log || tail -n 20 build/clang/clang-tidy.log
  status=1
fi

echo "cppcheck"
if ! cppcheck --enable=warning,style,performance,portability --std=c++17 --inline-suppr --quiet \
    --error-exitcode=1 --suppress=missingIncludeSystem --suppress=noExplicitConstructor \
    --suppress=useStlAlgorithm -I include -I src -I build/clang/generated src include; then
  status=1
fi

[ "$status" -eq 0 ] && echo "no findings"
exit "$status"
