// Runs a host with a library whose static clean-up uses kx after kx is finalised (ExitProbe.cpp).

#include "kx/kx.h"

extern "C" int kx_exit_probe_armed();

int main() {
  // Make the built-in host interface current and create the shared results, as a host does.
  HovedObjekt object;
  object.Printf("a message while the library is alive");
  DT_Punkt from(0, 0, 0);
  const DT_Punkt to(3, 4, 0);
  from.AvstandTil(&to);
  from.AngleTo(&to);
  from.SomChar(nullptr);
  return kx_exit_probe_armed() == 1 && DOVERO01_GetSystemLong(2) != 0 ? 0 : 1;
}
