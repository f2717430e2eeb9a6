#include "support/RandomProfile.h"

#include <algorithm>
#include <cmath>

namespace kx::test {

std::vector<ProfileVertex> RandomProfile(RandomSource& random, int vertexCount) {
  const int n = vertexCount > 0 ? vertexCount : random.Int(3, 30);
  std::vector<ProfileVertex> v;
  std::vector<double> grades;
  v.push_back({random.Uniform(0.0, 50000.0), random.Uniform(0.0, 500.0), 0.0});
  for (int i = 0; i + 1 < n; ++i) {
    const double length = random.LogUniform(100.0, 4000.0);
    const double y = v.back().y;
    // Grades that keep the next height in [0, 500]; the range is never empty.
    const double lo = std::max(-0.12, -y / length);
    const double hi = std::min(0.12, (500.0 - y) / length);
    double g = random.Uniform(lo, hi);
    if (!grades.empty() && random.Chance(0.05) && grades.back() >= lo && grades.back() <= hi) {
      g = grades.back();
    }
    grades.push_back(g);
    v.push_back({v.back().x + length, std::clamp(y + g * length, 0.0, 500.0), 0.0});
  }
  for (std::size_t i = 1; i + 1 < v.size(); ++i) {
    if (random.Chance(0.25)) continue;
    // Chainage extent per unit of radius on each side of the vertex, the larger of the two
    // shapes: the parabola's |g2 - g1|/2 and the circle's tangent length tan(delta/2).
    const double g1 = (v[i].y - v[i - 1].y) / (v[i].x - v[i - 1].x);
    const double g2 = (v[i + 1].y - v[i].y) / (v[i + 1].x - v[i].x);
    const double extent = std::max(std::fabs(g2 - g1) / 2.0,
                                   std::tan(std::fabs(std::atan(g2) - std::atan(g1)) / 2.0));
    // Each curve takes at most half of each neighbouring segment less 0.5, which keeps 1 m
    // between neighbours. Spacing of at least 100 and extents of at most 0.12 leave a radius of
    // at least 412, so clamping never pushes it below 300.
    const double room = std::min(v[i].x - v[i - 1].x, v[i + 1].x - v[i].x) / 2.0 - 0.5;
    double r = random.LogUniform(300.0, 30000.0);
    if (r * extent > room) r = room / extent;
    v[i].r = r;
  }
  return v;
}

std::vector<double> SampleChainages(const ClosedFormProfile& profile,
                                    const std::vector<ProfileVertex>& vertices,
                                    RandomSource& random, int randomCount) {
  const double first = vertices.front().x;
  const double last = vertices.back().x;
  std::vector<double> xs;
  std::vector<double> points = profile.TangentPoints();
  for (const ProfileVertex& p : vertices) points.push_back(p.x);
  for (double x : points) {
    for (double d : {-1e-6, 0.0, 1e-6}) {
      if (x + d >= first && x + d <= last) xs.push_back(x + d);
    }
  }
  for (int i = 0; i < randomCount; ++i) xs.push_back(random.Uniform(first, last));
  return xs;
}

}  // namespace kx::test
