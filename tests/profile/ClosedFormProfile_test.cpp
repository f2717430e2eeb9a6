// The closed-form profile and the numeric case files check each other; the closed form's own
// properties and the random profiles are checked on many seeds.

#include "support/ClosedFormProfile.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/ProfileCases.h"
#include "support/RandomProfile.h"
#include "support/TempDir.h"

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

TEST(ProfileCases, ParseEveryKindOfLine) {
  std::istringstream text(
      "# a comment line\n"
      "case a crest   # trailing comment\n"
      "mode both\n"
      "vertex 0 0 0\n"
      "vertex 100 2 1000\n"
      "vertex 200 0 0\n"
      "tolerance 1e-6\n"
      "height 100 1.8\n"
      "height 50 1 0.5\n"
      "height 300 fails 0\n"
      "range - 200 - 0 1.8\n"
      "range 0 0 10 fails -3\n");
  const auto file = kx::test::ParseProfileCases(text, "t.cases");
  EXPECT_TRUE(file.errors.empty());
  ASSERT_EQ(file.cases.size(), 2u);
  EXPECT_EQ(file.cases[0].name, "a crest (circular)");
  EXPECT_EQ(file.cases[1].name, "a crest (parabolic)");
  EXPECT_EQ(file.cases[1].shape, CurveShape::Parabolic);
  const ProfileCase& c = file.cases[0];
  EXPECT_EQ(c.line, 2);
  ASSERT_EQ(c.vertices.size(), 3u);
  EXPECT_EQ(c.vertices[1].r, 1000.0);
  ASSERT_EQ(c.heights.size(), 3u);
  EXPECT_EQ(c.heights[0].line, 8);
  EXPECT_EQ(c.heights[0].tolerance, 1e-6);
  EXPECT_EQ(c.heights[1].tolerance, 0.5);
  EXPECT_TRUE(c.heights[2].fails);
  EXPECT_EQ(c.heights[2].code, 0);
  ASSERT_EQ(c.ranges.size(), 2u);
  EXPECT_FALSE(c.ranges[0].from.has_value());
  EXPECT_EQ(c.ranges[0].to, 200.0);
  EXPECT_FALSE(c.ranges[0].step.has_value());
  EXPECT_EQ(c.ranges[0].max, 1.8);
  EXPECT_TRUE(c.ranges[1].fails);
  EXPECT_EQ(c.ranges[1].code, -3);
}

TEST(ProfileCases, MalformedLinesAreReportedAtTheirLine) {
  const std::string head = "case c\nmode circular\n";   // lines 1 and 2
  struct {
    std::string text;
    int line;
    const char* says;
  } const cases[] = {
      {"vertex 0 0 0\n", 1, "outside a case"},
      {"case\nmode circular\nheight 0 fails -5\n", 1, "needs a name"},
      {head + "vertex 0 0\nheight 0 fails -5\n", 3, "vertex X Y R"},
      {head + "vertex 0 1O 0\nheight 0 fails -5\n", 3, "'1O' is not a number"},
      {head + "mode parabolic\nheight 0 fails -5\n", 3, "second mode"},
      {"case c\nmode sideways\nheight 0 fails -5\n", 2, "mode circular"},
      {head + "height 1 2\n", 3, "no tolerance"},
      {head + "tolerance 0\nheight 1 2\n", 3, "positive"},
      {head + "height 1 2 -1\n", 3, "positive"},
      {head + "height 1 fails -1.5\n", 3, "not an error code"},
      {head + "height 1 2 3 4\n", 3, "height X H [T]"},
      {head + "range 0 1 fails -3\n", 3, "range FROM TO STEP"},
      {head + "range 0 1 2 fails -3 4\n", 3, "range FROM TO STEP"},
      {head + "range 0 x 1 1 2 1e-9\n", 3, "'x' is not a number"},
      {head + "elevation 1 2\n", 3, "unknown keyword 'elevation'"},
      {head + "vertex 0 0 0\n", 1, "no height or range line"},
      {"case c\nvertex 0 0 0\nheight 0 fails -5\n", 1, "no mode line"},
  };
  for (const auto& c : cases) {
    std::istringstream text(c.text);
    const auto file = kx::test::ParseProfileCases(text, "t.cases");
    ASSERT_FALSE(file.errors.empty()) << c.text;
    EXPECT_EQ(file.errors[0].line, c.line) << c.text;
    EXPECT_NE(file.errors[0].message.find(c.says), std::string::npos)
        << c.text << "gave: " << file.errors[0].message;
  }
}

// The failures that running a case file reports.
std::vector<::testing::TestPartResult> RunCapturingFailures(const std::string& path) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    kx::test::RunProfileCases(path, ClosedForm);
  }
  std::vector<::testing::TestPartResult> failures;
  for (int i = 0; i < results.size(); ++i) failures.push_back(results.GetTestPartResult(i));
  return failures;
}

// The runner fails, once and at the case file's line, on every kind of disagreement.
TEST(ProfileCases, RunnerReportsEveryMismatchAtItsLine) {
  kx::test::ScopedTempDir dir;
  const std::string path = (dir.Path() / "bad.cases").string();
  const std::string head = "case c\nmode parabolic\nvertex 0 0 0\nvertex 100 2 1000\n"
                           "vertex 200 0 0\ntolerance 1e-9\n";   // lines 1 to 6
  struct {
    std::string line7;
    const char* says;
  } const cases[] = {
      {"height 100 1.7", "expected 1.7 within 1e-09, got 1.8"},
      {"height 100 fails 0", "expected a failure with code 0, got 1.8"},
      {"height 300 fails -4", "expected code -4, got code 0"},
      {"height 300 1", "failed with code 0"},
      {"range 0 200 25 0 1.75", "expected min 0 max 1.75"},
      {"range 0 0 25 fails -2", "got code -3"},
      {"verteks 0 0 0", "unknown keyword"},
  };
  for (const auto& c : cases) {
    dir.Write("bad.cases", head + c.line7 + "\nheight 100 1.8\n");
    const auto failures = RunCapturingFailures(path);
    ASSERT_EQ(failures.size(), 1u) << c.line7;
    EXPECT_EQ(failures[0].file_name(), path);
    EXPECT_EQ(failures[0].line_number(), 7) << c.line7;
    EXPECT_NE(std::string(failures[0].message()).find(c.says), std::string::npos)
        << c.line7 << " gave: " << failures[0].message();
  }
  const auto unreadable = RunCapturingFailures("/nonexistent/x.cases");
  ASSERT_FALSE(unreadable.empty());
  EXPECT_NE(std::string(unreadable[0].message()).find("cannot read"), std::string::npos);
}

TEST(ClosedFormProfile, RefusesProfilesItCannotEvaluate) {
  const std::vector<std::vector<ProfileVertex>> refused = {
      {},
      {{0, 0, 0}},
      {{0, 0, 0}, {0, 1, 0}},                               // chainage does not increase
      {{10, 0, 0}, {0, 1, 0}, {20, 0, 0}},
      {{0, 0, 0}, {100, 2, -1000}, {200, 0, 0}},            // negative radius
      {{0, 0, 0}, {100, 2, 1000}, {130, 0.6, 1000}, {300, 0, 0}},   // overlapping curves
      {{0, 0, 0}, {100, 2, 10000}, {110, 0, 0}},            // the curve passes the last vertex
      {{0, 0, 0}, {10, 0, 0}, {100, 2, 10000}, {200, 0, 0}},   // ... or the previous vertex
  };
  for (CurveShape shape : kShapes) {
    for (const auto& v : refused) {
      ClosedFormProfile p;
      double y = 42.0;
      EXPECT_FALSE(p.Build(v, shape)) << v.size() << " vertices";
      EXPECT_FALSE(p.Height(0.0, &y));
      EXPECT_EQ(y, 42.0);
    }
  }
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

TEST(ClosedFormProfile, CircleStaysCloseToTheParabola) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    RandomSource random(seed);
    const std::vector<ProfileVertex> v = kx::test::RandomProfile(random);
    ClosedFormProfile circle, parabola;
    ASSERT_TRUE(circle.Build(v, CurveShape::Circular) && parabola.Build(v, CurveShape::Parabolic));
    ASSERT_EQ(circle.Curves().size(), parabola.Curves().size());
    for (std::size_t i = 0; i < circle.Curves().size(); ++i) {
      const VerticalCurve& c = circle.Curves()[i];
      const VerticalCurve& q = parabola.Curves()[i];
      const double from = std::min(c.t1.x, q.t1.x);
      const double length = std::max(c.t2.x, q.t2.x) - from;
      for (int k = 0; k <= 20; ++k) {
        const double x = from + length * k / 20.0;
        double yc = 0.0, yp = 0.0;
        ASSERT_TRUE(circle.Height(x, &yc) && parabola.Height(x, &yp));
        EXPECT_NEAR(yc, yp, 1e-3 * length) << "seed " << seed << ", curve " << i;
      }
    }
  }
}

// The generator's promises, which property tests of the profile rely on.
TEST(RandomProfile, KeepsItsBoundsAndCoversTheInterestingShapes) {
  int crests = 0, sags = 0, straightBetweenCurves = 0, equalGrades = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    RandomSource random(seed);
    const std::vector<ProfileVertex> v = kx::test::RandomProfile(random);
    RandomSource again(seed);
    const std::vector<ProfileVertex> same = kx::test::RandomProfile(again);
    ASSERT_EQ(v.size(), same.size());
    EXPECT_EQ(v.back().x, same.back().x);
    ASSERT_GE(v.size(), 3u);
    ASSERT_LE(v.size(), 30u);
    EXPECT_GE(v[0].x, 0.0);
    EXPECT_LT(v[0].x, 50000.0);
    for (std::size_t i = 0; i < v.size(); ++i) {
      EXPECT_GE(v[i].y, 0.0);
      EXPECT_LE(v[i].y, 500.0);
      EXPECT_TRUE(v[i].r == 0.0 || (v[i].r >= 300.0 && v[i].r <= 30000.0)) << v[i].r;
      if (i == 0) continue;
      EXPECT_GE(v[i].x - v[i - 1].x, 100.0);
      EXPECT_LE(std::fabs(Grade(v[i - 1], v[i])), 0.12 + 1e-12);
      if (i + 1 == v.size()) continue;
      const double dg = Grade(v[i], v[i + 1]) - Grade(v[i - 1], v[i]);
      equalGrades += std::fabs(dg) < 1e-12;
      if (v[i].r == 0.0) {
        straightBetweenCurves += i + 2 < v.size() && v[i - 1].r > 0.0 && v[i + 1].r > 0.0;
      } else {
        (dg < 0.0 ? crests : sags) += 1;
      }
    }
    for (CurveShape shape : kShapes) {
      ClosedFormProfile p;
      ASSERT_TRUE(p.Build(v, shape)) << "seed " << seed;
      // Curves keep 1 m clear of each other and of the vertices beside them.
      double previousEnd = v[0].x;
      std::size_t next = 0;
      for (std::size_t i = 1; i < v.size(); ++i) {
        const bool curve = next < p.Curves().size() && p.Curves()[next].vertex == i;
        const double start = curve ? p.Curves()[next].t1.x : v[i].x;
        EXPECT_GE(start - previousEnd, 1.0 - 1e-9)
            << "seed " << seed;
        previousEnd = curve ? p.Curves()[next++].t2.x : v[i].x;
      }
      const std::vector<double> xs = kx::test::SampleChainages(p, v, random, 50);
      for (double x : xs) {
        EXPECT_TRUE(x >= v.front().x && x <= v.back().x);
      }
      EXPECT_NE(std::find(xs.begin(), xs.end(), v.back().x), xs.end());
      for (const VerticalCurve& c : p.Curves()) {
        EXPECT_NE(std::find(xs.begin(), xs.end(), c.t1.x), xs.end());
      }
    }
  }
  EXPECT_GT(crests, 100);
  EXPECT_GT(sags, 100);
  EXPECT_GT(straightBetweenCurves, 20);
  EXPECT_GT(equalGrades, 5);
}

}  // namespace
