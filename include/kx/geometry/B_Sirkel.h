#pragma once
// B_Sirkel: a circle in plan, a point (the centre) with a radius.
//
// The point's own operations (Init, SomChar, the measures) act on the centre. Everything here works
// in x and y: points placed on the circle by angle keep the centre's z, intersection points have z
// 0.0. Angles are radians, counter-clockwise from the positive x axis. The circle owns no heap
// memory.
//
// Radius, Diameter and Omkrets return the circle's own members (never freed by the caller, valid
// while the circle lives, overwritten by the next call that uses the same member).

#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"

class B_Linje;

class KX_API B_Sirkel : public DT_Punkt {
 public:
  // A circle around a copy of centre ((0, 0, 0) for null) with radius's value (0.0 for null). A
  // radius below 0.0 is kept, but reported once: the host's text number 2005, by default
  // "ERROR: Radius er mindre enn 0.0.", in an error box (Error1, title "Message").
  explicit B_Sirkel(const DT_Punkt* centre = nullptr, const DT_Double* radius = nullptr);
  // Copy construction and assignment copy the centre, the radius and the other members.
  B_Sirkel(const B_Sirkel& other) = default;
  B_Sirkel& operator=(const B_Sirkel& other) = default;
  ~B_Sirkel() override;
  // Identity: -1 and "B_Sirkel".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // With a non-null r, the radius takes r's value. Always runs the circle's UtforEtterInit (also
  // for null), then returns the radius member.
  DT_Double* Radius(const DT_Double* r = nullptr);
  // With a non-null d, the radius becomes d / 2. Returns the diameter (radius * 2) in the result
  // number.
  DT_Double* Diameter(const DT_Double* d = nullptr);
  // The circumference, radius * 2*pi, in the result number.
  DT_Double* Omkrets();

  // out becomes the point of the circle at angle: (x + r cos a, y + r sin a, z of the centre),
  // through out's InitPolar (its hook runs); 1. 0 when an argument is null.
  int BuepunktIVinkel(const DT_Double* angle, DT_Punkt* out);
  // angle becomes the plan direction from the centre to p, in [0, 2*pi) (0 when p lies on the
  // centre within 1e-9); 1. 0 when an argument is null.
  int VinkelIBuepunkt(const DT_Punkt* p, DT_Double* angle);
  // length becomes angle * radius, the arc length of that angle; 1. 0 when an argument is null.
  int VinkelLengde(const DT_Double* angle, DT_Double* length);
  // out becomes the point reached by walking the arc length arc from the angle angle
  // (counter-clockwise for a positive arc): BuepunktIVinkel(angle + arc / radius, out), and its
  // result. 0 when an argument is null or the radius is 0 within 1e-9.
  int BuepunktRelFraVinkel(const DT_Double* angle, const DT_Double* arc, DT_Punkt* out);

  // The intersection with another circle: the start point of result becomes the point right of
  // the direction from this centre to other's, the end point the one left of it (two equal points
  // when the circles touch, within 0.0009), both with z 0.0; 1. Reads other's radius through
  // other->Radius(), so other's hook runs. Failures: 0 with result unchanged and last error code
  // -1 other or result null, 1 the centres coincide (within 1e-9, in three dimensions), 2 they
  // differ only in z, 3 the circles do not meet (or a centre or radius is not a finite number).
  int SkjaeringMed(B_Sirkel* other, B_Linje* result);
  // The intersection with the infinite line through line's ends: the start point of result becomes
  // the point met first when walking from line's start towards its end, the end point the other
  // (two equal points for a tangent, the discriminant 0 within 1e-9), both with z 0.0; points
  // outside the segment are returned as they are; 1. Failures: 0 with result unchanged and last
  // error code -1 line or result null, 1 line is a point in plan (its squared plan length 0
  // within 1e-9), 2 the line misses the circle (or a coordinate or the radius is not a finite
  // number).
  int SkjaeringMed(const B_Linje* line, B_Linje* result);

 private:
  DT_Double radius_;
  DT_Double resultNumber_;
  DT_Punkt spare_;  // (0, 0, 0); copied with the circle, used by no operation
};
