#pragma once
// B_Sirkel2: the circle of a circular vertical curve, fitted between the two grade lines that meet
// at a vertex, in the chainage/height plane (x chainage, y height; z is carried, not used).
//
// Internal to the profile engine (not exported); the tests build it from its object library.
//
// The pointers returned point to the element's own members; the caller never frees them.

#include "kx/geometry/B_Linje.h"
#include "kx/geometry/B_Sirkel.h"
#include "kx/numbers/DT_Double.h"

class B_Sirkel2 : public B_Sirkel {
 public:
  // The circle from centre and radius (as B_Sirkel); its work circle is built from the same two.
  explicit B_Sirkel2(const DT_Punkt* centre = nullptr, const DT_Double* radius = nullptr);
  B_Sirkel2(const B_Sirkel2& other) = default;
  B_Sirkel2& operator=(const B_Sirkel2& other) = default;
  ~B_Sirkel2() override;
  // Identity: -1 and "B_Sirkel2".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The chord of the fitted curve: from the tangent point T2 (start) to T1 (end).
  B_Linje* Korde();
  // The tangent length of the last fitting: the distance of both tangent points from the vertex.
  double Tangentlengde() const;
  // Takes other's centre (through the virtual Init(x, y, z)) and radius. Null changes nothing.
  void InitFraSirkel(B_Sirkel* other);
  // Fits the circle of radius |*radius| (the present radius for null) that touches the grade lines
  // b-a and b-c, b the vertex, a the previous and c the next point (use z 0). The work circle
  // becomes that circle; with copyCircle not 0 this element too. The chord runs from T2 on b-c to
  // T1 on b-a, and is copied to chordOut when not null. With flag 0, *angleOut (when not null) gets
  // the angle of the grades at b, π - δ; with flag not 0, VinkelITopp(b, angleOut) is called
  // instead. Returns the work circle; unchanged when a, b or c is null.
  B_Sirkel* InitAvrunding(const DT_Double* radius, const DT_Punkt* c, const DT_Punkt* b,
                          const DT_Punkt* a, B_Linje* chordOut, int copyCircle, int flag,
                          DT_Double* angleOut);
  // Intersects the fitted circle with the vertical at chainage *x (from height -10000 to 10000):
  // result's start becomes the lower intersection, its end the upper. Returns 1 when only the
  // lower one lies on the arc between the tangent points, 2 when only the upper one does, 3 when
  // both, 4 when neither, 0 when the vertical misses the circle (the circle intersection's error
  // code then stays) or x or result is null.
  int SkjaeringMedVertikal(const DT_Double* x, B_Linje* result);

  // Called by InitAvrunding with flag not 0: *angle (when not null) becomes the angle of the grades
  // at the vertex of the last fitting, π - δ, as flag 0 gives it; a derived element may do more.
  // 1; 0 for a null angle.
  virtual int VinkelITopp(DT_Punkt* vertex, DT_Double* angle);

 private:
  DT_Double side_;    // scratch of the fitting and of the arc test
  B_Sirkel work_;     // the circle being fitted
  B_Linje chord_;     // T2 to T1
  double alpha_ = 0;  // half the deflection of the last fitting, radians
  double tangent_ = 0;
};
