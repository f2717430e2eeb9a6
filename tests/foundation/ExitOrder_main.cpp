// Runs a host with a library whose static clean-up prints after kx is finalised (ExitProbe.cpp).

#include <cstdint>

#include "kx/kx.h"

extern "C" int kx_exit_probe_armed();

int main() {
  // Make the built-in host interface current, as a host that shows one message does.
  HovedObjekt object;
  object.Printf("a message while the library is alive");
  return kx_exit_probe_armed() == 1 && DOVERO01_GetSystemLong(2) != 0 ? 0 : 1;
}
