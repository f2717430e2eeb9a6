// A host library whose clean-up uses kx after kx's own static objects are gone.
//
// It is linked into the test program after kx and without a dependency on it of its own, so the
// loader initialises it before kx and finalises it after kx: its destructor runs once kx's static
// destructors have run, the built-in host interface's and the shared results of the point
// operations among them. It must find no current host interface (the dying built-in one removed
// itself); its message must still be shown and its measures still work, on fresh objects rather
// than dead ones, leaving nothing for the leak checker.

#include <cstdio>

#include "kx/kx.h"

namespace {

struct LateUser {
  ~LateUser() {
    const bool removed = DOVERO01_GetSystemLong(2) == 0;
    HovedObjekt late;
    late.MsgBox("Late", "%s", "a message from a host's static destructor");
    DT_Punkt from(0, 0, 0);
    const DT_Punkt to(0, -2, 0);
    const double distance = from.AvstandTil(&to)->Get(), angle = from.AngleTo(&to)->Get();
    const char* text = DT_Punkt(123456.789, 6543210.123, 98.765).SomChar(nullptr);
    if (removed && DOVERO01_GetSystemLong(2) != 0) {
      std::printf("after unload: a fresh host interface; %.1f %.4f %s\n", distance, angle, text);
    } else {
      std::printf("unexpected order: the built-in host interface was still current\n");
    }
    std::fflush(stdout);
  }
} gLateUser;

}  // namespace

extern "C" __attribute__((visibility("default"))) int kx_exit_probe_armed() { return 1; }
