#pragma once
// Queries of a vertical profile (QP_LinjePaalegg) on plain doubles, for hosts, tools and bindings:
// heights at many chainages in one call, the grade at a chainage, and a description of every
// vertical curve. All of them read the profile's compiled curve table (built on first need, see
// QP_LinjePaalegg.h), so their heights are HoydeIProfil's bit for bit. None of them moves the
// profile's cursor or changes the last error code.
//
//   std::vector<double> xs = {0, 250, 500, 750};
//   std::vector<kx::HeightAt> hs(xs.size());
//   kx::ProfileHeights(profile, xs.data(), xs.size(), hs.data());
//   for (const kx::ProfileCurve& c : kx::ProfileCurves(profile)) { ... }

#include <cstddef>
#include <cstdint>
#include <vector>

#include "kx/foundation/Export.h"

class QP_LinjePaalegg;

namespace kx {

// The modes word of QP_LinjePaalegg::Modes(flags, op). The one flag read anywhere: parabolic
// vertical curves (clear: circular arcs).
inline constexpr int kParabolicCurves = 1;
// The operations: test flags (1 when any is set), set flags, replace the word, read the word.
inline constexpr int kModesTest = 1;
inline constexpr int kModesSet = 2;
inline constexpr int kModesReplace = 3;
inline constexpr int kModesRead = 0;

// What a height query gave. Every failure but Ok is one of HoydeIProfil's (its last error code in
// brackets).
enum class HeightStatus : std::int8_t {
  Ok = 0,          // a finite height
  TooFewVertices,  // (-5) fewer than two vertices
  BeforeStart,     // (-4) before the first vertex by 1e-6 or more, or a chainage that is a NaN
  BeyondEnd,       // (0) beyond the last vertex by 1e-6 or more
  OutsideSegment,  // (-7) a two-vertex profile asked outside its segment by 1e-9 or more
  NoGradeLine,     // (-6) the grade line after a curve gives no height (a vertex that is no number)
  NoGrade,         // (ProfileGrade only) the height came from a grade line with no run in chainage
};

struct HeightAt {
  double height;  // the height; a NaN unless status is Ok
  HeightStatus status;
};

// The heights at count chainages into out[0 .. count - 1], each what HoydeIProfil answers there
// (the same bits). Any order works; chainages in increasing order are found from the previous one,
// at a constant cost each. Returns the number of Ok heights. Allocates nothing once the profile's
// table is built (the first query after a change builds it).
KX_API std::size_t ProfileHeights(QP_LinjePaalegg& profile, const double* chainages,
                                  std::size_t count, HeightAt* out);

// The grade (rise over run in chainage, dimensionless: 0.02 is 2 %) at chainage into *grade: the
// slope of the piece that HoydeIProfil's height there lies on. On a grade line its slope; on a
// parabola the parabola's derivative; on a circle the slope of its tangent at the height. At a
// vertex without curve, where two grades meet, the grade of the line HoydeIProfil takes there (the
// outgoing grade; at the last vertex the incoming one). Ok with *grade set, else a failure of the
// height (*grade untouched), or NoGrade for a grade line whose ends share a chainage.
KX_API HeightStatus ProfileGrade(QP_LinjePaalegg& profile, double chainage, double* grade);

// One vertical curve: the curve that rounds an interior vertex with a radius, as the heights use
// it (the fitted parabola or circle).
struct ProfileCurve {
  int vertex;        // the vertex's position among the profile's points (0 the first)
  bool crest;        // a crest (the grade falls through the vertex); else a sag
  double radius;     // the vertex's radius as the curve uses it (its magnitude for a circle)
  double t1Chainage, t1Height;  // the tangent point on the incoming grade, where the curve starts
  double t2Chainage, t2Height;  // the tangent point on the outgoing grade, where it ends
  double length;     // horizontal: t2Chainage - t1Chainage (chainage is measured horizontally)
  double gradeIn, gradeOut;  // the grades of the lines into and out of the vertex
  // The highest point of a crest or the lowest of a sag, in closed form, when it lies on the curve
  // (strictly between the tangent points; otherwise the curve rises or falls throughout).
  bool hasExtremum;
  double extremumChainage, extremumHeight;
  // The curve overlaps its neighbour as CheckCurve judges it: it starts before the end of the
  // previous vertex's curve (or before that vertex), or the next vertex's curve (or that vertex)
  // starts before its end, by more than 1e-4.
  bool overlaps;
};

// Every vertical curve of the profile, in vertex order. A curve of no length (radius 0 within
// 1e-9, equal grades) is not one; nor is a curve the heights cannot use (a vertex or radius that is
// no finite number, a tangent point after the other, as a negative radius gives a parabola).
KX_API std::vector<ProfileCurve> ProfileCurves(QP_LinjePaalegg& profile);

}  // namespace kx
