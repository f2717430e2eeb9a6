#include "profile/ProfileMath.h"

namespace kx::detail {

namespace {

// The on-segment and coincidence tolerance of B_Linje::DistTo3DLine.
constexpr double kCoincident = 1e-9;

// DT_Punkt::InitPolar from origin: the point length away in the direction angle.
Plan Polar(Plan origin, double angle, double length) {
  return {origin.x + std::cos(angle) * length, origin.y + std::sin(angle) * length};
}

}  // namespace

double SignedDistance(Plan start, Plan end, Plan p) {
  const double startToP = std::fabs(start.x - p.x) + std::fabs(start.y - p.y);
  const double endToP = std::fabs(end.x - p.x) + std::fabs(end.y - p.y);
  const double startToEnd = std::fabs(start.x - end.x) + std::fabs(start.y - end.y);
  if (Lik(startToEnd, 0.0, kCoincident)) return Distance(start, p);
  if (Lik(startToP, 0.0, kCoincident) || Lik(endToP, 0.0, kCoincident)) return 0.0;
  const double vx = end.x - start.x;
  const double vy = end.y - start.y;
  // The z terms of the three-dimensional form are 0 * 0: adding them changes nothing but the sign
  // of a zero, which they are added for.
  const double t = (vx * (p.x - start.x) + vy * (p.y - start.y) + 0.0) / (vx * vx + vy * vy + 0.0);
  const double d = Distance({start.x + t * vx, start.y + t * vy}, p);
  return vx * (p.y - start.y) - vy * (p.x - start.x) > 0.0 ? -d : d;
}

CircleCurve FitCircle(Plan a, Plan b, Plan c, double radius) {
  CircleCurve curve;
  curve.radius = radius >= 0.0 ? radius : -radius;
  // The isosceles triangle with apex b: from c to b, and from c to the point at |bc| from b
  // towards a. Its base angle at c is half the deflection of the grades at b.
  const double side = Distance(b, c);
  const double towardsA = Direction(b, a);
  const Plan baseEnd = Lik(Distance(b, a), side, kFitAccuracy) ? a : Polar(b, towardsA, side);
  double alpha = LineDirection(c, b) - LineDirection(c, baseEnd);
  if (!(alpha >= 0.0)) alpha = -alpha;
  if (alpha > kPi) alpha = 2 * kPi - alpha;
  curve.tangent = curve.radius * std::tan(std::fabs(alpha));
  // T2 on the grade towards c; the centre the radius from it, square to the grade, on the inner
  // side of the angle at b; T1 on the grade towards a.
  const double towardsC = Direction(b, c);
  curve.t2 = Polar(b, towardsC, curve.tangent);
  const double inner = MindreEnn(SignedDistance(c, baseEnd, b), 0.0, kFitAccuracy)
                           ? towardsC + kHalfPi
                           : towardsC + -kHalfPi;
  curve.centre = Polar(curve.t2, inner, curve.radius);
  curve.t1 = Polar(b, towardsA, curve.tangent);
  return curve;
}

bool CutVertical(const CircleCurve& curve, double x, VerticalCut* cut, int* code) {
  // The vertical from (x, -10000) to (x, 10000), placed as DT_Punkt::InitPolar places it (its
  // ends lie a rounding error off x). The offsets are the same every time: computed once.
  static const Plan down = Polar({0.0, 0.0}, kThreeHalfPi, kVerticalReach);
  static const Plan up = Polar({0.0, 0.0}, kHalfPi, kVerticalReach);
  const Plan start = {x + down.x, 0.0 + down.y};
  const Plan end = {x + up.x, 0.0 + up.y};
  // B_Sirkel::SkjaeringMed with a line, relative to the line's start.
  const double ex = end.x - start.x;
  const double ey = end.y - start.y;
  const double cx = curve.centre.x - start.x;
  const double cy = curve.centre.y - start.y;
  const double r = curve.radius;
  const double a = ex * ex + ey * ey;
  const double b = -2 * (ex * cx + ey * cy);
  const double c = cx * cx + cy * cy - r * r;
  if (Lik(a, 0.0, kCoincident)) {
    *code = 1;
    return false;
  }
  const double discriminant = b * b - 4 * a * c;
  if (MindreEnn(discriminant, 0.0, kCoincident)) {
    *code = 2;
    return false;
  }
  double u1 = -b / (2 * a);
  double u2 = u1;
  if (!Lik(discriminant, 0.0, kCoincident)) {
    u1 = (-b - std::sqrt(discriminant)) * (0.5 / a);
    u2 = (-b + std::sqrt(discriminant)) * (0.5 / a);
  }
  cut->low = {start.x + u1 * ex, start.y + u1 * ey};
  cut->high = {start.x + u2 * ex, start.y + u2 * ey};
  if (!std::isfinite(cut->low.x) || !std::isfinite(cut->low.y) || !std::isfinite(cut->high.x) ||
      !std::isfinite(cut->high.y)) {
    *code = 2;
    return false;
  }
  return true;
}

double ChordSide(const CircleCurve& curve) {
  return SignedDistance(curve.t2, curve.t1, curve.centre);
}

int ArcAnswerAt(const CircleCurve& curve, double side, const VerticalCut& cut) {
  return ArcAnswer(side,
                   SignedDistance(curve.centre, curve.t2, cut.low),
                   SignedDistance(curve.centre, curve.t1, cut.low),
                   SignedDistance(curve.centre, curve.t2, cut.high),
                   SignedDistance(curve.centre, curve.t1, cut.high));
}

RoughCircle FitRoughCircle(Plan a, Plan b, Plan c, double radius) {
  RoughCircle rough{};
  const double r = std::fabs(radius);
  const double dx1 = b.x - a.x, dy1 = b.y - a.y;
  const double dx2 = c.x - b.x, dy2 = c.y - b.y;
  const double scale = 1.0 + std::fabs(b.x) + std::fabs(b.y) + r;
  // Written so that a NaN fails each test.
  if (!(scale < 1e8) || !(dx1 > 0.0) || !(dx2 > 0.0) || !(std::fabs(dy1) <= 10 * dx1) ||
      !(std::fabs(dy2) <= 10 * dx2)) {
    return rough;
  }
  const double l1 = std::sqrt(dx1 * dx1 + dy1 * dy1);
  const double l2 = std::sqrt(dx2 * dx2 + dy2 * dy2);
  const double ux1 = dx1 / l1, uy1 = dy1 / l1, ux2 = dx2 / l2, uy2 = dy2 / l2;
  const double cross = ux1 * uy2 - uy1 * ux2;
  const double dot = ux1 * ux2 + uy1 * uy2;
  // r tan(deflection / 2): the tangent length.
  const double tangent = r * std::fabs(cross) / (1.0 + dot);
  if (!(dot > 0.5) || !(tangent > 1e-6)) return rough;
  rough.crest = cross < 0.0;
  rough.t1x = b.x - tangent * ux1;
  rough.t2x = b.x + tangent * ux2;
  // The centre lies r from T2, square to the outgoing grade, below it on a crest.
  rough.centreX = rough.crest ? rough.t2x + r * uy2 : rough.t2x - r * uy2;
  rough.radius = r;
  rough.margin = 1e-6 * scale;
  rough.reliable = true;
  return rough;
}

}  // namespace kx::detail
