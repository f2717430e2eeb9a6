// A host that measures while kx is loaded; its LateUseProbe measures again after kx is finalised.

#include "kx/kx.h"

extern "C" int kx_geometry_late_probe_armed();

int main() {
  DT_Punkt from(0, 0, 0);
  const DT_Punkt to(3, 4, 0);
  from.AvstandTil(&to);
  from.AngleTo(&to);
  from.SomChar(nullptr);
  return kx_geometry_late_probe_armed() == 1 ? 0 : 1;
}
