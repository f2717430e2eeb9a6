#include "support/ClosedFormProfile.h"

#include <algorithm>
#include <cmath>

namespace kx::test {

namespace {

// A tangent length at most this is no curve: the grades are equal or the radius vanishes.
constexpr double kNoCurve = 1e-9;
// Slack for chainages that only differ by rounding (touching curves, overlap test).
constexpr double kSlack = 1e-9;

double Grade(const ProfileVertex& a, const ProfileVertex& b) { return (b.y - a.y) / (b.x - a.x); }

}  // namespace

bool ClosedFormProfile::FitCurve(const ProfileVertex& a, const ProfileVertex& b,
                                 const ProfileVertex& c, CurveShape shape, Piece* piece,
                                 VerticalCurve* curve) {
  const double g1 = Grade(a, b);
  const double g2 = Grade(b, c);
  const double r = b.r;
  if (shape == CurveShape::Parabolic) {
    const double t = r * std::fabs(g2 - g1) / 2.0;
    if (!(t > kNoCurve)) return false;
    curve->t1 = {b.x - t, b.y - t * g1};
    curve->t2 = {b.x + t, b.y + t * g2};
    *piece = Piece{curve->t1.x, Kind::Parabola, curve->t1.x, curve->t1.y, g1,
                   (g2 - g1) / (4.0 * t), 0.0, 0.0};
    return true;
  }
  const double t = r * std::tan(std::fabs(std::atan(g2) - std::atan(g1)) / 2.0);
  if (!(t > kNoCurve)) return false;
  const double n1 = std::sqrt(1.0 + g1 * g1);
  const double n2 = std::sqrt(1.0 + g2 * g2);
  curve->t1 = {b.x - t / n1, b.y - t * g1 / n1};
  curve->t2 = {b.x + t / n2, b.y + t * g2 / n2};
  // The centre lies r from t1 along the normal of the incoming grade: below it on a crest.
  const double side = g2 < g1 ? 1.0 : -1.0;
  *piece = Piece{curve->t1.x, Kind::Arc, curve->t1.x + side * r * g1 / n1,
                 curve->t1.y - side * r / n1, 0.0, 0.0, r, side};
  return true;
}

bool ClosedFormProfile::Build(const std::vector<ProfileVertex>& v, CurveShape shape) {
  pieces_.clear();
  curves_.clear();
  const std::size_t n = v.size();
  if (n < 2) return false;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (!(v[i].x < v[i + 1].x) || (i > 0 && !(v[i].r >= 0.0))) return false;
  }

  std::vector<Piece> pieces;
  std::vector<VerticalCurve> curves;
  // Pieces stay in chainage order even where touching curves differ by rounding.
  auto add = [&pieces](Piece p) {
    if (!pieces.empty()) p.x0 = std::max(p.x0, pieces.back().x0);
    pieces.push_back(p);
  };
  auto line = [](double x0, const ProfileVertex& anchor, double g) {
    return Piece{x0, Kind::Line, anchor.x, anchor.y, g, 0.0, 0.0, 0.0};
  };

  add(line(v[0].x, v[0], Grade(v[0], v[1])));
  double previousEnd = v[0].x;   // where the previous vertex's curve (or the vertex) ends
  for (std::size_t i = 1; i < n; ++i) {
    const ProfileVertex& b = v[i];
    double start = b.x;
    double end = b.x;
    Piece curve{};
    VerticalCurve c{i, {}, {}};
    if (i + 1 < n && b.r > 0.0 && FitCurve(v[i - 1], b, v[i + 1], shape, &curve, &c)) {
      add(curve);
      curves.push_back(c);
      start = c.t1.x;
      end = c.t2.x;
    }
    if (start < previousEnd - kSlack) return false;
    if (i + 1 < n) add(line(end, b, Grade(b, v[i + 1])));
    previousEnd = end;
  }

  pieces_ = std::move(pieces);
  curves_ = std::move(curves);
  first_ = v.front().x;
  last_ = v.back().x;
  return true;
}

bool ClosedFormProfile::Height(double x, double* y) const {
  if (pieces_.empty() || !(x >= first_ && x <= last_)) return false;
  // The last piece starting at or before x; the first piece starts at the first chainage.
  const auto next = std::upper_bound(pieces_.begin(), pieces_.end(), x,
                                     [](double value, const Piece& p) { return value < p.x0; });
  const Piece& p = *(next - 1);
  const double d = x - p.ax;
  switch (p.kind) {
    case Kind::Line:
      *y = p.ay + p.g * d;
      break;
    case Kind::Parabola:
      *y = p.ay + d * (p.g + p.k * d);
      break;
    case Kind::Arc:
      *y = p.ay + p.side * std::sqrt(std::max(0.0, p.r * p.r - d * d));
      break;
  }
  return true;
}

bool ClosedFormProfile::MinMax(double from, double to, double step, double* min,
                               double* max) const {
  if (!(from <= to - 1e-9) || !(step > 0.0) || !std::isfinite(step)) return false;
  double lo = 0.0;
  double hi = 0.0;
  bool any = false;
  auto sample = [&](double x) {
    double y = 0.0;
    if (!Height(x, &y)) return false;
    lo = any ? std::min(lo, y) : y;
    hi = any ? std::max(hi, y) : y;
    any = true;
    return true;
  };
  for (double k = 0.0;; k += 1.0) {
    const double x = from + k * step;
    if (!(x <= to - 1e-4)) break;
    if (!sample(x)) return false;
  }
  if (!sample(to)) return false;
  *min = lo;
  *max = hi;
  return true;
}

}  // namespace kx::test
