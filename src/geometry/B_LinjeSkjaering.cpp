// B_Linje: the intersection of two lines and the projection of a point onto a line.

#include <cmath>
#include <utility>

#include "geometry/Shared.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/B_Vinkel.h"
#include "numbers/Tolerance.h"

namespace {

using kx::detail::Lik;
using kx::detail::StorreEnn;

// Lengths, directions, heights and the on-segment tests.
constexpr double kAccuracy = 5e-9;
// Coincident points, and the height range of a line that is vertical in space.
constexpr double kFine = 1e-9;
// The direction given to a line that is a point in plan: matches no real direction.
constexpr double kNoDirection = -999.0;

// The plan distance from one point to another.
double PlanDistance(DT_Punkt& from, const DT_Punkt& to) {
  DT_Double d;
  return from.AvstandTil(&to, 1, &d)->Get();
}

// The plan direction from one point to another, a direction within 5e-9 below a full turn taken
// as 0, so that it compares with directions near 0.
double Direction(DT_Punkt& from, const DT_Punkt& to) {
  DT_Double d;
  const double angle = from.AngleTo(&to, 0, &d)->Get();
  return Lik(angle, kx::detail::kTwoPi, kAccuracy) ? 0.0 : angle;
}

// direction + pi brought into [0, 2*pi): the opposite direction.
double Opposite(double direction) {
  B_Vinkel opposite(direction + kx::detail::kPi);
  opposite.InitMellom0og2PI();
  return opposite.Get();
}

// A line in plan as y = slope * x + intercept; vertical when its run in x is 0 within 5e-9 (then
// slope and intercept are left 0: not defined).
struct SlopeForm {
  bool vertical;
  double slope;
  double intercept;
};

SlopeForm SlopeOf(const DT_Punkt& start, const DT_Punkt& end) {
  const double dx = end.x() - start.x();
  if (Lik(dx, 0.0, kAccuracy)) return {true, 0.0, 0.0};
  const double slope = (end.y() - start.y()) / dx;
  return {false, slope, start.y() - start.x() * slope};
}

// The height of the line start-end (plan length planLength, direction `direction`) above the
// plan point at: it runs linearly with the plan distance from the start, which counts as negative
// when at lies behind the start.
double HeightAt(DT_Punkt& start, const DT_Punkt& end, double planLength, double direction,
                const DT_Punkt& at) {
  double s = PlanDistance(start, at);
  if (!Lik(Direction(start, at), direction, kAccuracy) && s > 0.0) s = -s;
  return start.z() + (s / planLength) * (end.z() - start.z());
}

// Does `point` lie on the infinite line through `from` with the direction `direction` (or its
// opposite)? Either it coincides with `from` in plan, or the direction to it is one of the two.
bool OnLineThrough(DT_Punkt& from, double direction, double opposite, DT_Punkt& point) {
  if (from.Lik(&point, kAccuracy, 1)) return true;
  const double to = Direction(from, point);
  return Lik(to, direction, kAccuracy) || Lik(to, opposite, kAccuracy);
}

// The sum of the products of the differences from (x, y) to the two ends, in plan: at most 0
// (within 5e-9) when the point lies between the ends, positive when both lie on the same side.
double PlanProduct(const DT_Punkt& a, const DT_Punkt& b, double x, double y) {
  return (a.x() - x) * (b.x() - x) + (a.y() - y) * (b.y() - y);
}

// The same in three dimensions.
double SpaceProduct(const DT_Punkt& a, const DT_Punkt& b, double x, double y, double z) {
  return PlanProduct(a, b, x, y) + (a.z() - z) * (b.z() - z);
}

}  // namespace

int B_Linje::SkjaeringMed(B_Linje* other, DT_Punkt* result, int infinite) {
  if (other == nullptr || result == nullptr) return ErrorKode(-3);
  const double lengthA = Lengde()->Get();
  const double lengthB = other->Lengde()->Get();
  if (Lik(lengthA, 0.0, kAccuracy) || Lik(lengthB, 0.0, kAccuracy)) return ErrorKode(-2);
  // A length that is not a finite number comes from a coordinate that is not one (or ends so far
  // apart that their difference overflows): nothing can be measured on such a line.
  if (!std::isfinite(lengthA) || !std::isfinite(lengthB)) return ErrorKode(-2);

  // Copies of all four ends: result may be one of them, and the segment test below runs after it
  // is written.
  DT_Punkt a1(start_), a2(end_), b1(other->start_), b2(other->end_);
  const double planA = PlanDistance(a1, a2);
  const double planB = PlanDistance(b1, b2);
  const bool pointA = Lik(planA, 0.0, kAccuracy);
  const bool pointB = Lik(planB, 0.0, kAccuracy);
  if (pointA && pointB) return ErrorKode(1);

  double dA = Vinkel()->Get();
  double dB = other->Vinkel()->Get();
  dA = pointA ? kNoDirection : Lik(dA, kx::detail::kTwoPi, kAccuracy) ? 0.0 : dA;
  dB = pointB ? kNoDirection : Lik(dB, kx::detail::kTwoPi, kAccuracy) ? 0.0 : dB;
  const double oppositeB = pointB ? dB + kx::detail::kPi : Opposite(dB);
  // Lines that run the same way or opposite ways in plan do not meet in one point.
  if (Lik(dA, dB, kAccuracy) || Lik(dA, oppositeB, kAccuracy)) return ErrorKode(1);

  const SlopeForm sa = SlopeOf(a1, a2);
  const SlopeForm sb = SlopeOf(b1, b2);
  double x = 0.0;
  double y = 0.0;
  if (pointA) {
    if (!OnLineThrough(b1, dB, oppositeB, a1)) return ErrorKode(-1);
    x = a1.x();
    y = a1.y();
  } else if (pointB) {
    if (!OnLineThrough(a1, dA, Opposite(dA), b1)) return ErrorKode(-1);
    x = b1.x();
    y = b1.y();
  } else if (sa.vertical && sb.vertical) {
    // Both run along y (their runs in x within 5e-9), though their directions differ by more than
    // 5e-9: neither has a slope to intersect with, and they are as good as parallel.
    return ErrorKode(1);
  } else if (sa.vertical) {
    x = a1.x();
    y = sb.slope * x + sb.intercept;
  } else if (sb.vertical) {
    x = b1.x();
    y = sa.slope * x + sa.intercept;
  } else {
    x = (sb.intercept - sa.intercept) / (sa.slope - sb.slope);
    y = sa.slope * x + sa.intercept;
  }

  // Heights along each line; a point in plan (vertical in space) takes the other line's height.
  const DT_Punkt at(x, y, 0.0);
  double zA = a1.z();
  double zB = b1.z();
  if (!pointA) {
    zA = HeightAt(a1, a2, planA, dA, at);
    if (pointB) zB = zA;
  }
  if (!pointB) {
    zB = HeightAt(b1, b2, planB, dB, at);
    if (pointA) zA = zB;
  }
  // Nearly parallel lines meet so far away that the point, or a height there, overflows: no
  // intersection that a caller can use.
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(zA) || !std::isfinite(zB)) {
    return ErrorKode(1);
  }
  const bool sameHeight = Lik(zA, zB, kAccuracy);

  result->Init(x, y, 0.0);
  const DT_Double height(zA);
  result->z(&height);
  const int heightCode = sameHeight ? 0 : 1;
  if (infinite != 0) {
    ErrorKode(heightCode);
    return 1;
  }

  // The segments: the point (x, y, zA) must lie between the ends of A in space and of B in plan,
  // and within the height range of B when B is vertical in space.
  const bool offA = StorreEnn(SpaceProduct(a1, a2, x, y, zA), 0.0, kAccuracy);
  bool offB = StorreEnn(PlanProduct(b1, b2, x, y), 0.0, kAccuracy);
  if (pointB) {
    double low = b1.z();
    double high = b2.z();
    if (StorreEnn(low, high, kFine)) std::swap(low, high);
    if (StorreEnn(low, zA, kFine) || kx::detail::MindreEnn(high, zA, kFine)) offB = true;
  }
  if (!offA && !offB) {
    ErrorKode(heightCode);
    return 1;
  }
  return ErrorKode((sameHeight ? 1 : 4) + (offA ? 2 : 0) + (offB ? 1 : 0));
}

DT_Double* B_Linje::DistTo3DLine(const DT_Punkt& p, DT_Punkt* foot, int* inside) {
  const double ax = start_.x(), ay = start_.y(), az = start_.z();
  const double bx = end_.x(), by = end_.y(), bz = end_.z();
  const double px = p.x(), py = p.y(), pz = p.z();
  const double startToP = std::fabs(ax - px) + std::fabs(ay - py) + std::fabs(az - pz);
  const double endToP = std::fabs(bx - px) + std::fabs(by - py) + std::fabs(bz - pz);
  const double startToEnd = std::fabs(ax - bx) + std::fabs(ay - by) + std::fabs(az - bz);

  // A line that is a point, or p on an end: the foot is that end. The distance is measured before
  // the foot is written, since foot may be p itself.
  const DT_Punkt* nearEnd = nullptr;
  if (Lik(startToEnd, 0.0, kFine)) {
    start_.AvstandTil(&p, 0, &distanceResult_);
    nearEnd = &start_;
  } else if (Lik(startToP, 0.0, kFine) || Lik(endToP, 0.0, kFine)) {
    distanceResult_.Init(0.0);
    nearEnd = Lik(startToP, 0.0, kFine) ? &start_ : &end_;
  }
  if (nearEnd != nullptr) {
    if (foot != nullptr) foot->Init(nearEnd);
    if (inside != nullptr) *inside = 1;
    return &distanceResult_;
  }

  const double vx = bx - ax, vy = by - ay, vz = bz - az;
  const double t =
      (vx * (px - ax) + vy * (py - ay) + vz * (pz - az)) / (vx * vx + vy * vy + vz * vz);
  DT_Punkt f(ax + t * vx, ay + t * vy, az + t * vz);
  const double d = f.AvstandTil(&p, 0, &distanceResult_)->Get();
  // Left of the direction start to end in plan is negative.
  const double cross = vx * (py - ay) - vy * (px - ax);
  if (cross > 0.0) distanceResult_.Init(-d);
  // Tested before the foot is written: foot may be one of the line's own ends.
  const bool onSegment =
      !StorreEnn(SpaceProduct(start_, end_, f.x(), f.y(), f.z()), 0.0, kAccuracy);
  if (foot != nullptr) foot->Init(f.x(), f.y(), f.z());
  if (inside != nullptr) *inside = onSegment ? 1 : 0;
  return &distanceResult_;
}

int B_Linje::NormalPaaLinjeFra(const DT_Punkt* from, B_Linje* normal, int infinite) {
  if (from == nullptr || normal == nullptr) return ErrorKode(-1);
  const DT_Punkt copy(from);
  DT_Punkt foot(nullptr);
  int inside = 1;
  DistTo3DLine(copy, &foot, &inside);
  normal->StartPunkt(&copy);
  normal->SluttPunkt(&foot);
  if (infinite == 0 && inside == 0) return ErrorKode(0);
  return 1;
}

int B_Linje::PosIoffsLangsLinje(const DT_Double* distance, DT_Punkt* out) {
  if (distance == nullptr || out == nullptr) return 0;
  const double length = Lengde()->Get();
  // A line of no length (by the rule SkjaeringMed uses) has no direction to walk in.
  if (Lik(length, 0.0, kAccuracy)) return ErrorKode(-1);
  const double f = distance->Get() / length;
  const double x = start_.x() + f * (end_.x() - start_.x());
  const double y = start_.y() + f * (end_.y() - start_.y());
  const double z = start_.z() + f * (end_.z() - start_.z());
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return ErrorKode(-1);
  out->Init(x, y, z);
  return 1;
}
