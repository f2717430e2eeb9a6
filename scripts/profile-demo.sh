#!/bin/sh
# The main job on the bundled sample: builds kxprofile (optimised, into build/tool) and runs it on
# examples/dalvegen.nylp: the vertical curves, the heights every 20 m, and the drawing, written as
# profile.svg and profile.png into the current directory.
# Installs the Debian packages it needs when they are missing.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/ensure-packages.sh"
ensure_packages cmake ninja-build g++ pkg-config libcli11-dev libcairo2-dev

echo "Building kxprofile (build/tool) ..."
log="$root/build/tool-build.log"
mkdir -p "$root/build"
if ! (cd "$root" && cmake --preset tool && cmake --build --preset tool --target kxprofile) >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
kxprofile="$root/build/tool/tools/kxprofile/kxprofile"
sample="$root/examples/dalvegen.nylp"

echo
"$kxprofile" info "$sample"
echo
"$kxprofile" heights "$sample" --step 20
echo
"$kxprofile" plot "$sample" -o profile.svg
"$kxprofile" plot "$sample" -o profile.png
