#include "kx/profile/ProfileQueries.h"

#include <cmath>
#include <limits>

#include "kx/profile/QP_LinjePaalegg.h"
#include "profile/CurveTable.h"

namespace kx {

namespace {

using detail::CurveTable;
using detail::Outcome;
using detail::Piece;
using detail::StatusOf;

// How far a curve may start before the end of the previous one before it counts as an overlap,
// and where the end of the previous curve lies before the first one (as CheckCurve).
constexpr double kOverlap = 1e-4;

// The grade of the piece that gave the height y at x.
double GradeOf(const CurveTable& table, const Piece& piece, double x, double y) {
  switch (piece.kind) {
    case Piece::Kind::Line: {
      // The segment's ends ordered by chainage, as the height takes them.
      const bool swap = piece.e.x < piece.s.x;
      const detail::Plan p1 = swap ? piece.e : piece.s;
      const detail::Plan p2 = swap ? piece.s : piece.e;
      return (p2.y - p1.y) / (p2.x - p1.x);
    }
    case Piece::Kind::Parabola: {
      // The derivative of ParabolaHeight: -sign·d/R - slope.
      const detail::WindowFit& f = table.Fit(piece.k);
      const double d = x - f.parabola.t1.x;
      return -f.sign * d / table.At(piece.k + 1).z - f.slope;
    }
    case Piece::Kind::Circle: {
      // Square to the radius through (x, y).
      const detail::Plan centre = table.Fit(piece.k).circle.centre;
      return -(x - centre.x) / (y - centre.y);
    }
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

std::size_t ProfileHeights(QP_LinjePaalegg& profile, const double* chainages, std::size_t count,
                           HeightAt* out) {
  if (chainages == nullptr || out == nullptr) return 0;
  if (profile.Antall() < 2) {
    for (std::size_t i = 0; i < count; ++i) {
      out[i] = {std::numeric_limits<double>::quiet_NaN(), HeightStatus::TooFewVertices};
    }
    return 0;
  }
  return detail::ProfileAccess::Table(profile).Heights(chainages, count, out);
}

HeightStatus ProfileGrade(QP_LinjePaalegg& profile, double chainage, double* grade) {
  if (profile.Antall() < 2) return HeightStatus::TooFewVertices;
  const CurveTable& table = detail::ProfileAccess::Table(profile);
  Piece piece;
  const Outcome o = table.Height(chainage, nullptr, &piece);
  if (o.result != 1) return StatusOf(o);
  const double g = GradeOf(table, piece, chainage, o.y);
  if (!std::isfinite(g)) return HeightStatus::NoGrade;
  if (grade != nullptr) *grade = g;
  return HeightStatus::Ok;
}

std::vector<ProfileCurve> ProfileCurves(QP_LinjePaalegg& profile) {
  std::vector<ProfileCurve> curves;
  const CurveTable& table = detail::ProfileAccess::Table(profile);
  const int windows = table.Count() - 2;
  // Where each interior vertex's curve starts and ends (the vertex itself without a curve), as
  // CheckCurve compares them, and its entry in curves (-1 for none).
  std::vector<double> starts, ends;
  std::vector<int> entries;
  for (int k = 0; k < windows; ++k) {
    const detail::Vertex& a = table.At(k);
    const detail::Vertex& b = table.At(k + 1);
    const detail::Vertex& c = table.At(k + 2);
    const detail::WindowFit& f = table.Fit(k);
    const detail::Plan t1 = table.Parabolic() ? f.parabola.t1 : f.circle.t1;
    const detail::Plan t2 = table.Parabolic() ? f.parabola.t2 : f.circle.t2;
    const bool usable = !f.none && std::isfinite(t1.x) && std::isfinite(t1.y) &&
                        std::isfinite(t2.x) && std::isfinite(t2.y) && t1.x <= t2.x;
    starts.push_back(usable ? t1.x : b.x);
    ends.push_back(usable ? t2.x : b.x);
    entries.push_back(usable ? static_cast<int>(curves.size()) : -1);
    if (!usable) continue;
    ProfileCurve curve{};
    curve.vertex = k + 1;
    curve.gradeIn = detail::Grade(a.plan(), b.plan());
    curve.gradeOut = detail::Grade(b.plan(), c.plan());
    curve.crest = curve.gradeOut < curve.gradeIn;
    curve.t1Chainage = t1.x;
    curve.t1Height = t1.y;
    curve.t2Chainage = t2.x;
    curve.t2Height = t2.y;
    curve.length = t2.x - t1.x;
    if (table.Parabolic()) {
      curve.radius = b.z;
      // Where the parabola's derivative -sign·d/R - slope is 0.
      const double d = -f.slope * b.z / f.sign;
      curve.extremumChainage = t1.x + d;
      curve.extremumHeight = detail::ParabolaHeight(t1.y, f.sign, d, b.z, f.slope);
    } else {
      curve.radius = f.circle.radius;
      // The top of a crest's circle, the bottom of a sag's.
      curve.extremumChainage = f.circle.centre.x;
      curve.extremumHeight = f.circle.centre.y + (curve.crest ? 1.0 : -1.0) * f.circle.radius;
    }
    curve.hasExtremum = curve.extremumChainage > t1.x && curve.extremumChainage < t2.x &&
                        std::isfinite(curve.extremumHeight);
    if (!curve.hasExtremum) curve.extremumChainage = curve.extremumHeight = 0.0;
    curves.push_back(curve);
  }
  // Neighbouring vertices whose curves (or the vertices themselves) overlap: both are flagged.
  for (int k = 1; k < windows; ++k) {
    if (!detail::StorreEnn(ends[k - 1], starts[k], kOverlap)) continue;
    for (int entry : {entries[k - 1], entries[k]}) {
      if (entry >= 0) curves[entry].overlaps = true;
    }
  }
  return curves;
}

}  // namespace kx
