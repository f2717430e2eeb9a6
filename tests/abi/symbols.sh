#!/bin/sh
# tests/abi/symbols.sh LIBRARY: the library's binary interface, one symbol a line, sorted: every
# defined dynamic symbol of its own (the classes, namespace kx, the flat C functions, their vtables
# and type information), demangled. Instances of standard-library templates that the compiler
# happens to export are left out: they differ from compiler to compiler and are not the library's.
set -eu
nm -D -C --defined-only "$1" | sed 's/^[0-9a-f]* [A-Za-z] //' |
  grep -E '^((typeinfo|typeinfo name|vtable|VTT) for |(non-virtual|virtual) thunk to )?(kx::|[A-Z][A-Za-z0-9_]*::|[A-Z][A-Za-z0-9_]*$|nc_|KMR00_|WINKMR00_|DOVERO01_)' |
  LC_ALL=C sort -u
