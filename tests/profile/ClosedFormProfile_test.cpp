// The closed-form profile and the numeric case files check each other, and the closed form's own
// geometry is checked on random profiles: it is the second opinion the profile engine is tested
// against, so a fault in it must not go unnoticed.

#include "support/ClosedFormProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "support/ProfileCases.h"
#include "support/RandomProfile.h"

using kx::test::ClosedFormProfile;
using kx::test::CurveShape;
using kx::test::HeightAnswer;
using kx::test::ProfileCase;
using kx::test::ProfileUnderTest;
using kx::test::ProfileVertex;
using kx::test::RandomSource;
using kx::test::RangeAnswer;
using kx::test::VerticalCurve;

namespace {

const std::string kHeightCases = std::string(KX_TEST_DATA_DIR) + "/profile/heights.cases";
constexpr CurveShape kShapes[] = {CurveShape::Circular, CurveShape::Parabolic};

double Grade(const ProfileVertex& a, const ProfileVertex& b) { return (b.y - a.y) / (b.x - a.x); }

// The closed form as a profile under test. It answers failures with the codes of the profile
// height: -5 for fewer than two vertices; outside the profile by more than 1e-6 (1e-9 for two
// vertices) -4 before it, 0 after it, -7 on either side of a two-vertex profile; within that band
// the end grade is extended. Scans: -2, -3, or the failing height's code minus 100. Code 1 (no
// code of the profile) marks a profile the closed form refuses.
ProfileUnderTest ClosedForm(const ProfileCase& c) {
  auto profile = std::make_shared<ClosedFormProfile>();
  const bool built = profile->Build(c.vertices, c.shape);
  const std::vector<ProfileVertex> v = c.vertices;
  ProfileUnderTest p;
  p.height = [profile, built, v](double x) -> HeightAnswer {
    const std::size_t n = v.size();
    if (n < 2) return {false, 0.0, -5};
    const double band = n == 2 ? 1e-9 : 1e-6;
    if (x <= v[0].x - band) return {false, 0.0, n == 2 ? -7 : -4};
    if (x >= v[n - 1].x + band) return {false, 0.0, n == 2 ? -7 : 0};
    if (x < v[0].x) return {true, v[0].y + Grade(v[0], v[1]) * (x - v[0].x), 0};
    if (x > v[n - 1].x) return {true, v[n - 1].y + Grade(v[n - 2], v[n - 1]) * (x - v[n - 1].x), 0};
    double y = 0.0;
    if (!built || !profile->Height(x, &y)) return {false, 0.0, 1};
    return {true, y, 0};
  };
  p.range = [profile, v, height = p.height](std::optional<double> from, std::optional<double> to,
                                            std::optional<double> step) -> RangeAnswer {
    if (v.size() < 2) return {false, 0.0, 0.0, -2};
    const double a = from.value_or(v.front().x);
    const double b = to.value_or(v.back().x);
    const double s = step.value_or(10.0);
    if (a > b - 1e-9 || !(s > 0.0)) return {false, 0.0, 0.0, -3};
    // A scan outside the profile first fails at from, or at a position beyond the last vertex,
    // which fails like to.
    for (double x : {a, b}) {
      const HeightAnswer h = height(x);
      if (!h.ok) return {false, 0.0, 0.0, h.code - 100};
    }
    double lo = 0.0;
    double hi = 0.0;
    if (!profile->MinMax(std::max(a, v.front().x), std::min(b, v.back().x), s, &lo, &hi)) {
      return {false, 0.0, 0.0, 1};
    }
    return {true, lo, hi, 0};
  };
  return p;
}

TEST(ProfileCases, HeightsAgreeWithTheClosedForm) {
  EXPECT_GT(kx::test::RunProfileCases(kHeightCases, ClosedForm), 200);
}

// Each tangent point lies on its grade, and the profile passes through it with the grade's slope
// on both sides; the curve lies below the vertex on a crest and above it in a sag, by about
// (g2 - g1)·(curve length)/8 (exactly that for the parabola); vertices without curve are on the
// profile.
TEST(ClosedFormProfile, CurvesJoinTheirGradesSmoothly) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    RandomSource random(seed);
    const std::vector<ProfileVertex> v = kx::test::RandomProfile(random);
    for (CurveShape shape : kShapes) {
      ClosedFormProfile p;
      ASSERT_TRUE(p.Build(v, shape)) << "seed " << seed;
      std::vector<bool> curved(v.size(), false);
      for (const VerticalCurve& c : p.Curves()) {
        curved[c.vertex] = true;
        const ProfileVertex& b = v[c.vertex];
        const double g1 = Grade(v[c.vertex - 1], b);
        const double g2 = Grade(b, v[c.vertex + 1]);
        for (const auto& [t, g] : {std::pair{c.t1, g1}, std::pair{c.t2, g2}}) {
          const double e = 1e-3;
          double y = 0.0, left = 0.0, right = 0.0;
          ASSERT_TRUE(p.Height(t.x, &y) && p.Height(t.x - e, &left) && p.Height(t.x + e, &right));
          EXPECT_NEAR(t.y, b.y + g * (t.x - b.x), 1e-9) << "seed " << seed;
          EXPECT_NEAR(y, t.y, 1e-9) << "seed " << seed;
          EXPECT_NEAR((y - left) / e, g, 1e-5) << "seed " << seed;
          EXPECT_NEAR((right - y) / e, g, 1e-5) << "seed " << seed;
        }
        double y = 0.0;
        ASSERT_TRUE(p.Height(b.x, &y));
        const double offset = (g2 - g1) * (c.t2.x - c.t1.x) / 8.0;
        EXPECT_NEAR(y - b.y, offset, 0.02 * std::fabs(offset) + 1e-9) << "seed " << seed;
      }
      for (std::size_t i = 0; i < v.size(); ++i) {
        double y = 0.0;
        if (curved[i]) continue;
        ASSERT_TRUE(p.Height(v[i].x, &y));
        EXPECT_NEAR(y, v[i].y, 1e-9) << "seed " << seed << ", vertex " << i;
      }
    }
  }
}

}  // namespace
