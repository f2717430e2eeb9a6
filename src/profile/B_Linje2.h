#pragma once
// B_Linje2: a grade line of the profile engine, in the chainage/height plane (x chainage, y
// height).
//
// Internal to the profile engine (not exported); the tests build it from its object library.

#include "kx/geometry/B_Linje.h"
#include "kx/numbers/DT_Double.h"

class B_Linje2 : public B_Linje {
 public:
  // The line from start to end (null points give (0, 0, 0)).
  explicit B_Linje2(const DT_Punkt* start = nullptr, const DT_Punkt* end = nullptr);
  B_Linje2(const B_Linje2& other) = default;
  B_Linje2& operator=(const B_Linje2& other) = default;
  ~B_Linje2() override;
  // Identity: -1 and "B_Linje2".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The angle between this line's direction and other's, folded into [0, half turn]: unit 1 in
  // degrees, 2 in gon, any other in radians. In the line's own angle result; null for a null other.
  DT_Double* VinkelMellom(B_Linje* other, int unit);
  // The signed perpendicular distance of p from the infinite line, negative on the left of the
  // direction from start to end (DistTo3DLine with a copy of p; foot and inside as there).
  DT_Double* AvstandMedFortegn(const DT_Punkt* p, DT_Punkt* foot = nullptr, int* inside = nullptr);

 private:
  DT_Double angle_;
  B_Linje spare_;  // built and copied with the line, used by no operation
};
