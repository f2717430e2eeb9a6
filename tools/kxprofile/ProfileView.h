#pragma once
// What kxprofile shows of a profile, read from the library once: the vertices, the library's
// description of every vertical curve, and the grade of every stretch between two vertices.

#include <string>
#include <vector>

#include "kx/profile/ProfileQueries.h"

class QP_LinjePaalegg;

namespace kx::tool {

struct Vertex {
  double chainage, height, radius;
};

struct ProfileView {
  std::vector<Vertex> vertices;
  std::vector<kx::ProfileCurve> curves;  // kx::ProfileCurves, in vertex order
  std::vector<int> curveOf;              // per vertex: its curve's index in curves, or -1
  // Per stretch (vertex i to vertex i + 1): its grade, from the curve description of a curved
  // vertex at either end, else the library's grade in the middle of the stretch; NaN when there is
  // none (a stretch without run in chainage).
  std::vector<double> grades;
  bool parabolic = false;

  // A crest at vertex i: the grade falls through it (for an uncurved vertex, the grade after it is
  // below the one before).
  bool Crest(std::size_t i) const;
};

ProfileView DescribeProfile(QP_LinjePaalegg& profile);

// The chainages from, from + step, from + 2·step, ... up to to (within 1e-9 of step), and to itself
// when the last of them falls short of it and withEnd is set. Empty when from > to.
std::vector<double> Stations(double from, double to, double step, bool withEnd);

// A failed height in words ("beyond the last vertex"), or as a short code for CSV ("beyond-end").
const char* StatusText(kx::HeightStatus status);
const char* StatusCode(kx::HeightStatus status);

}  // namespace kx::tool
