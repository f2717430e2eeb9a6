// A host library whose clean-up prints after the library's own static objects are gone.
//
// It is linked into the test program after kx and without a dependency on it of its own, so the
// loader initialises it before kx and finalises it after kx: its destructor runs once kx's static
// destructors (the built-in host interface's among them) have run. It must find no current host
// interface (the dying built-in one removed itself), and its messages must still be shown without
// touching the dead object.

#include <cstdint>
#include <cstdio>

#include "kx/kx.h"

namespace {

struct LatePrinter {
  ~LatePrinter() {
    const bool removed = DOVERO01_GetSystemLong(2) == 0;
    HovedObjekt late;
    late.Printf("late message from a host's static destructor");
    late.MsgBox("Late", "%s", "and a box");
    if (removed && DOVERO01_GetSystemLong(2) != 0) {
      std::printf("late message shown after the built-in host interface was gone\n");
    } else {
      std::printf("unexpected order: the built-in host interface was still current\n");
    }
    std::fflush(stdout);
  }
};

LatePrinter gLatePrinter;

}  // namespace

extern "C" __attribute__((visibility("default"))) int kx_exit_probe_armed() { return 1; }
