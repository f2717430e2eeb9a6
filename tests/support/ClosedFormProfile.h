#pragma once
// A closed-form vertical profile over plain arrays: an evaluator independent of the library's
// geometry, to check the profile engine against and to measure it by.
//
//   kx::test::ClosedFormProfile profile;
//   profile.Build({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, kx::test::CurveShape::Parabolic);
//   double y;
//   profile.Height(100, &y);   // true, y = 1.8
//
// Build precomputes the straight and curved pieces in chainage order; Height finds the piece by
// binary search, so a query costs O(log n).

#include <cstddef>
#include <vector>

namespace kx::test {

enum class CurveShape { Circular, Parabolic };

// A vertex of the profile: chainage, height and the radius of its vertical curve (0 = none; the
// radius of the first and of the last vertex is ignored).
struct ProfileVertex {
  double x;
  double y;
  double r;
};

struct ProfilePoint {
  double x;
  double y;
};

// The vertical curve at an interior vertex: it leaves the incoming grade at t1 and joins the
// outgoing grade at t2.
struct VerticalCurve {
  std::size_t vertex;   // index of the vertex in the profile
  ProfilePoint t1;
  ProfilePoint t2;
};

class ClosedFormProfile {
 public:
  // Takes the vertices and the curve shape. A vertex with radius 0, or whose two grades are equal
  // (tangent length at most 1e-9), has no curve. The parabola runs over R·|g2 - g1| in chainage;
  // the circle of radius R touches both grades R·tan(δ/2) from the vertex along each grade.
  // Returns false, and leaves a profile that answers nothing, for fewer than two vertices,
  // chainages that do not increase strictly, a negative radius or curves that overlap (a curve
  // starting before the end of the previous curve or before the previous vertex).
  bool Build(const std::vector<ProfileVertex>& vertices, CurveShape shape);

  // The height at chainage x into *y; false for x outside [first chainage, last chainage] or an
  // unbuilt profile (*y is then unchanged).
  bool Height(double x, double* y) const;

  // The lowest and highest height met when sampling from, from + step, ... at every position at
  // least 1e-4 below to, and then at to itself. False (outputs unchanged) when from is not below
  // to by more than 1e-9, step is not positive, or a sample lies outside the profile.
  bool MinMax(double from, double to, double step, double* min, double* max) const;

  // The curves in chainage order.
  const std::vector<VerticalCurve>& Curves() const { return curves_; }
  double FirstChainage() const { return first_; }
  double LastChainage() const { return last_; }

 private:
  enum class Kind { Line, Parabola, Arc };
  // One stretch of the profile, from x0 up to the next piece's x0:
  //   Line      y = ay + g (x - ax)                 (ax, ay a vertex, g its grade)
  //   Parabola  y = ay + d (g + k d), d = x - ax    (ax, ay the first tangent point)
  //   Arc       y = ay + side sqrt(r² - (x - ax)²)  (ax, ay the centre, side +1 crest, -1 sag)
  struct Piece {
    double x0;
    Kind kind;
    double ax, ay, g, k, r, side;
  };
  // The curve at vertex b between the grades a-b and b-c; false when it has none.
  static bool FitCurve(const ProfileVertex& a, const ProfileVertex& b, const ProfileVertex& c,
                       CurveShape shape, Piece* piece, VerticalCurve* curve);

  std::vector<Piece> pieces_;
  std::vector<VerticalCurve> curves_;
  double first_ = 0.0;
  double last_ = 0.0;
};

}  // namespace kx::test
