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

  // The chainages of the tangent points, T1 and T2 of each curve, in chainage order.
  const std::vector<double>& TangentPoints() const { return tangentPoints_; }

 private:
  // One stretch of the profile, from x0 up to the next piece's x0, with d = x - ax:
  //   r 0      y = ay + d (g + k d): a grade line (k 0, (ax, ay) a vertex) or a parabola ((ax, ay)
  //            its first tangent point)
  //   r not 0  y = ay ± sqrt(r² - d²): the arc of the circle with centre (ax, ay) and radius |r|,
  //            its upper half (a crest) for r above 0
  struct Piece {
    double x0, ax, ay, g, k, r;
  };

  std::vector<Piece> pieces_;
  std::vector<double> tangentPoints_;
  double first_ = 0.0;
  double last_ = 0.0;
};

}  // namespace kx::test
