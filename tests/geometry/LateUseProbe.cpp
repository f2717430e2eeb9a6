// A host library whose clean-up measures points after kx's static objects are gone. Linked into
// the program after kx and with no dependency on it of its own, it is finalised after kx: the
// shared results of AvstandTil, AngleTo and SomChar have been destroyed, and the calls must get
// fresh ones (and leave nothing for the leak checker).

#include <cstdio>

#include "kx/kx.h"

namespace {

struct LateMeasurer {
  ~LateMeasurer() {
    DT_Punkt from(0, 0, 0);
    const DT_Punkt to(0, -2, 0);
    const double distance = from.AvstandTil(&to)->Get(), angle = from.AngleTo(&to)->Get();
    const char* text = DT_Punkt(123456.789, 6543210.123, 98.765).SomChar(nullptr);  // on the heap
    std::printf("late results: %.1f %.4f %s\n", distance, angle, text);
    std::fflush(stdout);
  }
} gLateMeasurer;

}  // namespace

extern "C" __attribute__((visibility("default"))) int kx_geometry_late_probe_armed() { return 1; }
