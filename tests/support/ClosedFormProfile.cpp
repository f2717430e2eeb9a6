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

bool ClosedFormProfile::Build(const std::vector<ProfileVertex>& v, CurveShape shape) {
  pieces_.clear();
  tangentPoints_.clear();
  const std::size_t n = v.size();
  if (n < 2) return false;
  std::vector<Piece> pieces;
  std::vector<double> tangents;
  // Pieces stay in chainage order even where touching curves differ by rounding.
  const auto add = [&pieces](Piece p) {
    if (!pieces.empty()) p.x0 = std::max(p.x0, pieces.back().x0);
    pieces.push_back(p);
  };
  double previousEnd = v[0].x;  // where the previous vertex's curve (or the vertex) ends
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const ProfileVertex& b = v[i];
    if (!(b.x < v[i + 1].x) || (i > 0 && !(b.r >= 0.0))) return false;
    const double g1 = i > 0 ? Grade(v[i - 1], b) : 0.0;
    const double g2 = Grade(b, v[i + 1]);
    // The tangent length: in chainage for the parabola, along the grades for the circle.
    const double t = i == 0 ? 0.0
                     : shape == CurveShape::Parabolic
                         ? b.r * std::fabs(g2 - g1) / 2.0
                         : b.r * std::tan(std::fabs(std::atan(g2) - std::atan(g1)) / 2.0);
    double start = b.x;
    double end = b.x;
    if (t > kNoCurve) {
      const double n1 = shape == CurveShape::Parabolic ? 1.0 : std::sqrt(1.0 + g1 * g1);
      const double n2 = shape == CurveShape::Parabolic ? 1.0 : std::sqrt(1.0 + g2 * g2);
      start = b.x - t / n1;
      end = b.x + t / n2;
      const double startY = b.y - t * g1 / n1;
      // The circle's centre lies r from T1 along the normal of the incoming grade: below it on a
      // crest.
      const double side = g2 < g1 ? 1.0 : -1.0;
      add(shape == CurveShape::Parabolic
              ? Piece{start, start, startY, g1, (g2 - g1) / (4.0 * t), 0.0}
              : Piece{start, start + side * b.r * g1 / n1, startY - side * b.r / n1, 0, 0,
                      side * b.r});
      tangents.insert(tangents.end(), {start, end});
    }
    if (start < previousEnd - kSlack) return false;
    add(Piece{end, b.x, b.y, g2, 0.0, 0.0});
    previousEnd = end;
  }
  if (v[n - 1].x < previousEnd - kSlack) return false;
  pieces_ = std::move(pieces);
  tangentPoints_ = std::move(tangents);
  first_ = v.front().x;
  last_ = v.back().x;
  return true;
}

bool ClosedFormProfile::Height(double x, double* y) const {
  if (pieces_.empty() || !(x >= first_ && x <= last_)) return false;
  // The last piece starting at or before x; the first piece starts at the first chainage.
  const Piece& p = *(std::upper_bound(pieces_.begin(), pieces_.end(), x,
                                      [](double value, const Piece& q) { return value < q.x0; }) -
                     1);
  const double d = x - p.ax;
  *y = p.r == 0.0 ? p.ay + d * (p.g + p.k * d)
                  : p.ay + std::copysign(std::sqrt(std::max(0.0, p.r * p.r - d * d)), p.r);
  return true;
}

bool ClosedFormProfile::MinMax(double from, double to, double step, double* min,
                               double* max) const {
  if (!(from <= to - 1e-9) || !(step > 0.0) || !std::isfinite(step)) return false;
  double lo = INFINITY;
  double hi = -INFINITY;
  const auto sample = [&](double x) {
    double y = 0.0;
    if (!Height(x, &y)) return false;
    lo = std::min(lo, y);
    hi = std::max(hi, y);
    return true;
  };
  for (double k = 0.0; from + k * step <= to - 1e-4; k += 1.0) {
    if (!sample(from + k * step)) return false;
  }
  if (!sample(to)) return false;
  *min = lo;
  *max = hi;
  return true;
}

}  // namespace kx::test
