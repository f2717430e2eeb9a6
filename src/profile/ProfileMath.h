#pragma once
// The profile engine's geometry on plain doubles.
//
// Each function gives bit for bit what the named operation of the library's geometry objects gives
// for points in the chainage/height plane (z 0): the same floating-point operations in the same
// order, the same tolerance comparisons (numbers/Tolerance.h). The height queries run on these, so
// that a query builds no object and allocates nothing; the element classes (B_Sirkel2, B_Linje2)
// and the profile's CalculateTangPoints are the object forms, and the tests hold the two to the
// same bits.

#include <cmath>

#include "geometry/Shared.h"
#include "numbers/Tolerance.h"

namespace kx::detail {

inline constexpr double kHalfPi = 1.5707963267948966;
// The downward direction of the vertical that a curve's circle is cut with, and its half length.
inline constexpr double kThreeHalfPi = 4.71238898038469;
inline constexpr double kVerticalReach = 10000.0;
// Coincident points and equal distances in the circle fitting.
inline constexpr double kFitAccuracy = 1e-9;
// The slope of a line with no run in x (B_Linje::StigningsTall).
inline constexpr double kNoRunSlope = 999999999.0;

struct Plan {
  double x, y;
};

// DT_Punkt::AvstandTil from `from` to `to`.
inline double Distance(Plan from, Plan to) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  return std::isinf(d) ? std::hypot(dx, dy, 0.0) : d;
}

// DT_Punkt::AngleTo in the x-y plane: radians in [0, 2*pi), a value less than 1e-9 below 0 left as
// it is; 0 for points within 1e-9 of each other (Manhattan).
inline double Direction(Plan from, Plan to) {
  double angle = 0.0;
  if (!Lik(std::fabs(from.x - to.x) + std::fabs(from.y - to.y), 0.0, kFitAccuracy)) {
    angle = std::atan2(to.y - from.y, to.x - from.x);
  }
  if (MindreEnn(angle, 0.0, kFitAccuracy)) angle += kTwoPi;
  return angle;
}

// B_Linje::Vinkel of the line from start to end: in [0, 2*pi].
inline double LineDirection(Plan start, Plan end) {
  double angle = Direction(start, end);
  if (angle < 0.0) angle += kTwoPi;
  if (angle > kTwoPi) angle -= kTwoPi;
  return angle;
}

// B_Linje::StigningsTall(1.0, 1) of the line from start to end.
inline double Grade(Plan start, Plan end) {
  const double run = std::fabs(end.x - start.x);
  return run == 0.0 ? kNoRunSlope : (end.y - start.y) * 1.0 / run;
}

// B_Linje::GetPosI_X of the line from start to end: true with *y the height above x; false where
// it fails (last error code -3 there).
inline bool HeightOnLine(Plan start, Plan end, double x, double tolerance, double* y) {
  const bool swap = end.x < start.x;
  const Plan p1 = swap ? end : start;
  const Plan p2 = swap ? start : end;
  if (MindreEnn(x, p1.x, tolerance) || StorreEnn(x, p2.x, tolerance)) return false;
  const double run = p2.x - p1.x;
  const double height = run == 0.0 ? p2.y : p1.y + (x - p1.x) * (p2.y - p1.y) / run;
  if (!std::isfinite(height)) return false;
  *y = height;
  return true;
}

// B_Linje::DistTo3DLine of p from the line start-end, all with z 0: negative on the left of the
// direction from start to end.
double SignedDistance(Plan start, Plan end, Plan p);

// Where the vertical at a chainage meets a fitted curve's circle, from the side the centre lies on
// (side, from the chord T2-T1) and the signed distances of the lower intersection from the radii
// to T2 and to T1 (d1, d2) and of the upper (d3, d4): 1 only the lower lies on the arc, 2 only the
// upper, 3 both, 4 neither (B_Sirkel2::SkjaeringMedVertikal). Plain comparisons with 0.0.
inline int ArcAnswer(double side, double d1, double d2, double d3, double d4) {
  const bool lower = side > 0.0 ? d1 >= 0.0 && d2 <= 0.0 : d1 <= 0.0 && d2 >= 0.0;
  const bool upper = side > 0.0 ? d3 >= 0.0 && d4 <= 0.0 : d3 <= 0.0 && d4 >= 0.0;
  return lower && upper ? 3 : lower ? 1 : upper ? 2 : 4;
}

// The circle of a circular vertical curve: B_Sirkel2::InitAvrunding with the vertex b, the
// previous point a, the next point c and the radius.
struct CircleCurve {
  Plan centre;
  double radius;
  double tangent;  // the tangent length: T1 and T2 lie this far from the vertex
  Plan t1, t2;
};
CircleCurve FitCircle(Plan a, Plan b, Plan c, double radius);

// The vertical at chainage x cut with a fitted circle (B_Sirkel::SkjaeringMed with the vertical
// of B_Sirkel2::SkjaeringMedVertikal): true with the lower and the upper intersection; false when
// the vertical misses the circle, with *code the error code the intersection records.
struct VerticalCut {
  Plan low, high;
};
bool CutVertical(const CircleCurve& curve, double x, VerticalCut* cut, int* code);
// Which of the two intersections lie on the arc between the tangent points: 1 to 4 as ArcAnswer.
// side is the centre's signed distance from the chord T2-T1 (ChordSide), when known.
double ChordSide(const CircleCurve& curve);
int ArcAnswerAt(const CircleCurve& curve, double side, const VerticalCut& cut);
inline int ArcAnswerAt(const CircleCurve& curve, const VerticalCut& cut) {
  return ArcAnswerAt(curve, ChordSide(curve), cut);
}

// The same circle in closed form, without trigonometry, to tell quickly where a chainage lies
// against the curve. Trusted (reliable) only where the geometry is plain: vertices in increasing
// chainage, grades within ±10, a deflection below 60 degrees, a tangent length above 1e-6,
// coordinates and radius below 1e8; then its chainages (t1x, t2x, centreX) lie well within margin
// of the fitted circle's, and so does the radius.
struct RoughCircle {
  bool reliable;
  bool crest;  // the arc is the upper part of the circle (the grade falls through the vertex)
  double t1x, t2x, centreX, radius, margin;
};
RoughCircle FitRoughCircle(Plan a, Plan b, Plan c, double radius);

// A symmetric parabola between its tangent points T1 and T2 (CalculateTangPoints in parabolic
// mode), for the vertex b between a and c.
struct ParabolaCurve {
  double gIn, gOut;  // the grades a-b and b-c
  double tangent;    // R·|gOut - gIn|·0.5, signed with R: T1 and T2 lie this far from b in x
  Plan t1, t2;
};
inline ParabolaCurve FitParabola(Plan a, Plan b, Plan c, double radius) {
  ParabolaCurve p;
  p.gIn = Grade(a, b);
  p.gOut = Grade(b, c);
  p.tangent = radius * std::fabs(p.gOut - p.gIn) * 0.5;
  p.t1 = {b.x - p.tangent, b.y - p.tangent * p.gIn};
  p.t2 = {b.x + p.tangent, b.y + p.tangent * p.gOut};
  return p;
}

// The height on the parabola at distance d (in chainage) after T1: it leaves T1 along the incoming
// grade (slope, the grade from the vertex back to T1, is its negative) and bends by d²/(2R) down
// (sign 1, a crest) or up (sign -1, a sag).
inline double ParabolaHeight(double t1y, double sign, double d, double radius, double slope) {
  return t1y - sign * d * d / (2 * radius) - slope * d;
}

}  // namespace kx::detail
