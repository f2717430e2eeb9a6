// B_Sirkel: the negative-radius message, the measures and arc points, and the intersections with
// a circle and with a line (every result code, and random road-size cases).

#include "kx/geometry/B_Sirkel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geometry/GeometryTest.h"
#include "kx/geometry/B_Linje.h"
#include "support/HostCapture.h"

using namespace kx::test;

namespace {

const Xyz o = {0, 0, 0}, u = kUntouched;
const char* const kNegative = "ERROR: Radius er mindre enn 0.0.";

B_Sirkel Circle(const Xyz& centre, double radius) {
  const DT_Punkt c(centre.data());
  const DT_Double r(radius);
  return B_Sirkel(&c, &r);
}

// Both ends of line, to 1e-9 (infinities and NaN only as themselves).
void ExpectEnds(const B_Linje& line, const Xyz& start, const Xyz& end) {
  for (int i = 0; i < 6; ++i) {
    const double found = (*(i < 3 ? line.StartPunkt() : line.SluttPunkt()))[i % 3];
    const double wanted = i < 3 ? start[i] : end[i - 3];
    EXPECT_TRUE(Same(found, wanted) || std::fabs(found - wanted) < 1e-9) << i << ": " << found;
  }
}

TEST(B_Sirkel, NegativeRadiusIsReportedOnceAndKept) {
  HostCapture host;
  const B_Sirkel plain, zero = Circle({1, 2, 3}, -0.0), negative = Circle({1, 2, 3}, -1);
  B_Sirkel copy(negative);
  EXPECT_EQ(host.Lines(),
            std::vector<std::string>{"ErrorBox[Message|1048577] " + std::string(kNegative)});
  EXPECT_TRUE(copy.Radius()->Get() == -1 && Of(copy) == (Xyz{1, 2, 3}));
  // The host's text 2005 replaces the default for its message only.
  host.Api().texts[2005] = "Radius < 0";
  Circle(o, -2);
  host.Api().texts.clear();
  Circle(o, -3);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{kNegative, "Radius < 0", kNegative}));
}

TEST(B_Sirkel, MeasuresAndArcPoints) {
  B_Sirkel c = Circle({0, 0, 7}, 1), dot = Circle(o, 5e-10);
  const DT_Double ten(10), zero(0.0), halfPi(kPi / 2), quarter(kPi * 5 / 2), back(-kPi * 5 / 2);
  EXPECT_EQ(c.Diameter(&ten)->Get() + c.Radius()->Get(), 15);
  EXPECT_TRUE(c.Omkrets()->Get() == 31.41592653589793 && c.Diameter() == c.Omkrets());
  DT_Punkt out;
  DT_Double angle, length;
  const DT_Punkt south(0, -5, 0);
  EXPECT_TRUE(c.VinkelIBuepunkt(&south, &angle) && angle.Get() == 3 * kPi / 2);
  EXPECT_TRUE(c.VinkelLengde(&halfPi, &length) && length.Get() == 5 * kPi / 2);
  // A quarter of the circumference from angle 0 walks a quarter turn, counter-clockwise when
  // positive; the point keeps the centre's z.
  const struct {
    const DT_Double *angle, *arc;
    double y;
  } walks[] = {{&halfPi, &zero, 5}, {&zero, &quarter, 5}, {&zero, &back, -5}};
  for (const auto& w : walks) {
    EXPECT_EQ(c.BuepunktRelFraVinkel(w.angle, w.arc, &out), 1);
    EXPECT_TRUE(std::fabs(out.x()) < 1e-15 && out.y() == w.y && out.z() == 7) << w.y;
  }
  // A radius of 0 (within 1e-9) and null arguments: 0, nothing written.
  EXPECT_EQ(dot.BuepunktRelFraVinkel(&zero, &quarter, &out) + c.BuepunktIVinkel(nullptr, &out) +
                c.VinkelIBuepunkt(&south, nullptr) + c.VinkelLengde(nullptr, &length) +
                c.BuepunktRelFraVinkel(&zero, &zero, nullptr),
            0);
  EXPECT_EQ(out.y(), -5);
}

TEST(B_Sirkel, Intersections) {
  // With a circle: the start point lies right of the direction from this centre to the other's.
  // clang-format off
  const struct { Xyz c1; double r1; Xyz c2; double r2; int result, code; Xyz start, end; }
  circles[] = {
      {o, 5, {8, 0, 0}, 5, 1, U, {4, -3, 0}, {4, 3, 0}},
      {o, 5, {0, 8, 0}, 5, 1, U, {3, 4, 0}, {-3, 4, 0}},
      {{0, 0, 4}, 5, {8, 0, 9}, 5, 1, U, {4, -3, 0}, {4, 3, 0}},  // in plan, z 0.0
      {{1e5, 6e6, 0}, 5, {100008, 6e6, 0}, 5, 1, U, {100004, 5999997, 0}, {100004, 6000003, 0}},
      {o, 5, {10, 0, 0}, 5, 1, U, {5, 0, 0}, {5, 0, 0}},  // touching, also within 0.0009
      {o, 5, {10.0005, 0, 0}, 5, 1, U, {5.00025, 0, 0}, {5.00025, 0, 0}},
      {o, 5, {20, 0, 0}, 5, 0, 3, u, u}, {o, 5, {1, 0, 0}, 1, 0, 3, u, u},  // apart; inside
      {o, 5, {0, 0, 1}, 5, 0, 2, u, u}, {o, 5, o, 3, 0, 1, u, u},  // only z apart; concentric
      {o, 5, {8, 0, 0}, kNaN, 0, 3, u, u}, {{kNaN, 0, 0}, 5, {8, 0, 0}, 5, 0, 3, u, u}};
  // clang-format on
  const DT_Punkt untouched(u.data());
  for (const auto& r : circles) {
    B_Sirkel a = Circle(r.c1, r.r1), b = Circle(r.c2, r.r2);
    B_Linje result(&untouched, &untouched);
    a.ErrorKode(U);
    EXPECT_EQ(a.SkjaeringMed(&b, &result) + a.ErrorKode(-9999), r.result + r.code) << &r - circles;
    ExpectEnds(result, r.start, r.end);
  }
  // With a line: the start point is the one met first walking from the line's start to its end.
  // clang-format off
  const struct { Xyz c; double r; Xyz s, e; int result, code; Xyz start, end; } lines[] = {
      {o, 5, {-10, 3, 0}, {10, 3, 0}, 1, U, {-4, 3, 0}, {4, 3, 0}},
      {o, 5, {10, 3, 0}, {-10, 3, 0}, 1, U, {4, 3, 0}, {-4, 3, 0}},
      {{0, 0, 7}, 5, {6, 0, 2}, {20, 0, 2}, 1, U, {-5, 0, 0}, {5, 0, 0}},  // beyond the segment
      {{1e5, 6e6, 0}, 5, {99990, 6000003, 0}, {100010, 6000003, 0}, 1, U, {99996, 6000003, 0},
       {100004, 6000003, 0}},
      {o, 5, {-10, 5, 0}, {10, 5, 0}, 1, U, {0, 5, 0}, {0, 5, 0}},  // tangent
      {o, 5, {-10, 6, 0}, {10, 6, 0}, 0, 2, u, u},
      {o, 5, {1, 1, 0}, {1, 1, 9}, 0, 1, u, u}, {o, 5, {1, 1, 0}, {1 + 3e-5, 1, 0}, 0, 1, u, u},
      {o, kNaN, {-10, 3, 0}, {10, 3, 0}, 0, 2, u, u},
      {o, 5, {-10, 3, 0}, {kInf, 3, 0}, 0, 2, u, u}};
  // clang-format on
  for (const auto& r : lines) {
    B_Sirkel c = Circle(r.c, r.r);
    const DT_Punkt s(r.s.data()), e(r.e.data());
    B_Linje line(&s, &e), result(&untouched, &untouched);
    c.ErrorKode(U);
    EXPECT_EQ(c.SkjaeringMed(&line, &result) + c.ErrorKode(-9999), r.result + r.code) << &r - lines;
    ExpectEnds(result, r.start, r.end);
    EXPECT_EQ(c.SkjaeringMed(&line, &line), r.result);  // the line itself may take the result
    ExpectEnds(line, r.result ? r.start : r.s, r.result ? r.end : r.e);
  }
  B_Sirkel c = Circle(o, 5);
  B_Linje line;
  EXPECT_EQ(c.SkjaeringMed(static_cast<B_Linje*>(nullptr), &line) + c.SkjaeringMed(&line, nullptr) +
                c.SkjaeringMed(static_cast<B_Sirkel*>(nullptr), &line) +
                c.SkjaeringMed(&c, nullptr) + c.ErrorKode(-9999),
            -1);
}

// Random circles and lines at road coordinates that are known to meet: the points found lie on
// both curves, and a line's points come in the order of walking along it.
TEST(B_Sirkel, RandomRoadSizeIntersectionsLieOnBothCurves) {
  std::mt19937_64 rng(5122026);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const auto off = [](const DT_Punkt* p, const Xyz& c, double r) {
    return std::fabs(std::hypot(p->x() - c[0], p->y() - c[1]) - r);
  };
  for (int i = 0; i < 2000; ++i) {
    const Xyz c1 = {100000 + 1000 * unit(rng), 6000000 + 1000 * unit(rng), 50};
    const double r1 = 1 + 999 * unit(rng), r2 = 1 + 999 * unit(rng), turn = kTwoPi * unit(rng);
    const double low = std::fabs(r1 - r2), d = low + (r1 + r2 - low) * unit(rng);
    const Xyz c2 = {c1[0] + d * std::cos(turn), c1[1] + d * std::sin(turn), 0};
    B_Sirkel a = Circle(c1, r1), b = Circle(c2, r2);
    B_Linje result;
    ASSERT_EQ(a.SkjaeringMed(&b, &result), 1) << i;
    // Within 0.0009 of touching (along the line of centres) both points are the point of touching.
    const bool touching = std::fabs(std::fabs((r1 * r1 - r2 * r2) / (2 * d) + d / 2) - r1) < 0.001;
    const DT_Punkt *p = result.StartPunkt(), *q = result.SluttPunkt();
    EXPECT_TRUE(touching ? Of(*p) == Of(*q)
                         : std::max({off(p, c1, r1), off(p, c2, r2), off(q, c1, r1),
                                     off(q, c2, r2)}) < 1e-8)
        << i;
    // A line 1 to 1000 m long through a point inside the first circle, starting up to 1 km before.
    const double in = r1 * unit(rng), at = kTwoPi * unit(rng), dir = kTwoPi * unit(rng),
                 from = -1000 * unit(rng);
    const DT_Punkt s(c1[0] + in * std::cos(at) + from * std::cos(dir),
                     c1[1] + in * std::sin(at) + from * std::sin(dir), 0);
    const double length = 1 + 999 * unit(rng);
    const DT_Punkt e(s.x() + length * std::cos(dir), s.y() + length * std::sin(dir), 0);
    const B_Linje line(&s, &e);
    ASSERT_EQ(a.SkjaeringMed(&line, &result), 1) << i;
    const double ex = e.x() - s.x(), ey = e.y() - s.y();  // the line as its ends give it
    const auto cross = [&](const DT_Punkt* t) {
      return std::fabs(ex * (t->y() - s.y()) - ey * (t->x() - s.x())) / std::hypot(ex, ey);
    };
    EXPECT_LT(std::max({off(p, c1, r1), off(q, c1, r1), cross(p), cross(q)}), 1e-8) << i;
    EXPECT_LE(ex * (p->x() - s.x()) + ey * (p->y() - s.y()),
              ex * (q->x() - s.x()) + ey * (q->y() - s.y()))
        << i;
  }
}

}  // namespace
