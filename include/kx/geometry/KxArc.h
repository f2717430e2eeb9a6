#pragma once
// KxArc: a circular arc between a start point and an end point, in the forms a drawing host uses
// for the arc segments of polylines.
//
// Bulge form: the bulge is tan(θ/4) of the included angle θ, positive when the arc turns
// counter-clockwise from start to end, negative clockwise (1: a half circle counter-clockwise).
// Radius form: a signed radius (negative: counter-clockwise) and the arc length. From either form
// the arc derives chord, sagitta (height), radius, included angle, arc length, centre, the angles
// of its ends seen from the centre, and the y at an x (and the x at a y).
//
// Every measure works in plan except the chord, which is three-dimensional: the arc is meant for
// points of equal z. Angles are radians, counter-clockwise from the positive x axis.
//
// Deriving the bulge: the first measure that needs the bulge of a radius-form arc (Hoyde, Vinkel,
// SenterPunkt and all that call them) derives it (Bulge(0)) and turns the arc into a bulge-form
// arc: from then on Radius() answers the positive geometric radius, and Lengde() replaces the
// given length with the computed one.
//
// The arc owns no heap memory; copy construction and assignment copy every member. Class identity:
// -1 and "KxArc".

#include <cstdint>

#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"

class KX_API KxArc : public HovedObjekt {
 public:
  // Bulge form: copies of start, bulge and end; a null argument leaves that member at zero.
  KxArc(const DT_Punkt* start, const DT_Double* bulge, const DT_Punkt* end);
  // Bulge form from coordinate arrays (x, y, z); a null array gives the point (0, 0, 0).
  KxArc(const double start[3], double bulge, const double end[3]);
  // Radius form: copies of the four; the bulge is derived when first needed. When any of them is
  // null, shows "KxArc::KxArc:\n Feil i opprettelse av objektet Arc.\n Ingen av parametrene kan
  // v\x91re NULL" (error box, title "Message") and leaves every member at zero, still in radius
  // form: Radius() answers 0.0, and the first measure that needs the bulge reports the zero radius.
  KxArc(const DT_Punkt* start, const DT_Punkt* end, const DT_Double* radius,
        const DT_Double* length);
  KxArc(const KxArc& other) = default;
  KxArc& operator=(const KxArc& other) = default;
  ~KxArc() override;
  // Identity: -1 and "KxArc".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The arc's own bulge member. Once the bulge is known it is returned unchanged (direction is not
  // used). Otherwise it is derived from the radius form: θ = length / |radius|, bulge =
  // tan(θ/4) * -direction, direction 0 standing for -1 when the radius is negative and 1
  // otherwise (so a positive radius gives a clockwise arc). A radius of 0 (within 1e-9) shows
  // "KxArc::Bulge:\n\nThe radius can not be 0.0." (error box, title "Message") and gives the
  // bulge 0.0, a straight chord.
  DT_Double* Bulge(int direction);

  // The chord: the three-dimensional distance from start to end.
  double KordeLengde();
  // The sagitta, |chord * bulge / 2|, never negative.
  double Hoyde();
  // Bulge known: the radius from chord and sagitta s, (chord²/4 + s²) / (2 s), always positive;
  // a sagitta of exactly 0.0 counts as 1e-5 (a straight arc gets a very large radius). It is
  // stored as the radius member. Radius form before the bulge is derived: the given, signed radius.
  double Radius();
  // The included angle θ, from 0 to 2π (π for a half circle; above π for a major arc, whose radius
  // is below its sagitta).
  double Vinkel();
  // The arc length, Vinkel() * Radius(); stored as the length member.
  double Lengde();
  // The centre: from the chord's midpoint in plan (with the start point's z), Radius() - Hoyde()
  // to the left of the chord for a counter-clockwise arc and to the right for a clockwise one (the
  // other way for a major arc). Returns the arc's own centre member's coordinates.
  double (*SenterPunkt())[3];
  // The direction from the centre to the start (end) point in plan, in [0, 2π).
  double StartVinkel();
  double SluttVinkel();
  // The y of the circle at abscissa x: the lower half for a counter-clockwise arc (bulge above 0),
  // the upper half otherwise, which is the arc's own half when its chord runs towards increasing
  // x. x is not checked against the arc's extent: farther than the radius from the centre gives a
  // NaN. Null x: 0.0.
  double YiXPos(const DT_Double* x);
  // The mirror image of YiXPos: the x of the circle at ordinate y, the right half for a
  // counter-clockwise arc and the left half otherwise, which is the arc's own half when its chord
  // runs towards increasing y. A NaN beyond the circle; null y: 0.0.
  double XiYPos(const DT_Double* y);

 private:
  // The coordinate across (1 - along) of the circle's point whose coordinate along is v, on the
  // side ccwSide (+1 or -1) of the centre for a counter-clockwise arc and on the other side for a
  // clockwise one. 0.0 for a null v.
  double CircleAt(const DT_Double* v, unsigned along, double ccwSide);

  DT_Punkt start_;
  DT_Punkt end_;
  DT_Punkt centre_;
  DT_Double bulge_;
  DT_Double radius_;
  DT_Double length_;
  std::int32_t bulgeKnown_;  // 1: bulge_ is valid (bulge form, or derived); 0: radius form
};
