#pragma once
// What a cache of points (the profile's compiled curve table) needs of DT_Punkt beyond its public
// members: reading the coordinates without handing them out, watching a point, and whether its
// array was handed out (see "Watched points" in DT_Punkt.h).

#include "kx/geometry/DT_Punkt.h"

namespace kx::detail {

struct PointAccess {
  static const double (&Coordinates(const DT_Punkt& p))[3] { return p.coords_; }
  // From now on every change and raw access of p is counted (gPointEdits).
  static void Watch(DT_Punkt& p) { p.tracking_ |= DT_Punkt::kWatched; }
  // p's array was handed out (non-const Get or operator[]): it may change without notice.
  static bool HandedOut(const DT_Punkt& p) { return (p.tracking_ & DT_Punkt::kHandedOut) != 0; }
};

}  // namespace kx::detail
