// B_Sirkel: the negative-radius message, the measures and arc points, and the intersections with
// a circle and with a line (every result code; random road-size cases are in B_Linje_test.cpp).

#include "kx/geometry/B_Sirkel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/GeometryTest.h"
#include "kx/geometry/B_Linje.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"

using namespace kx::test;

namespace {

const Xyz o = {0, 0, 0}, u = kUntouched;
const char* const kNegative = "ERROR: Radius er mindre enn 0.0.";

B_Sirkel Circle(const Xyz& centre, double radius) {
  const DT_Punkt c(centre.data());
  const DT_Double r(radius);
  return B_Sirkel(&c, &r);
}

// Both ends of line, to 1e-9.
void ExpectEnds(const B_Linje& line, const Xyz& start, const Xyz& end) {
  for (int i = 0; i < 6; ++i) {
    const double found = (*(i < 3 ? line.StartPunkt() : line.SluttPunkt()))[i % 3];
    EXPECT_NEAR(found, i < 3 ? start[i] : end[i - 3], 1e-9) << i;
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
  DT_Punkt out, right, left;
  DT_Double angle, length;
  const DT_Punkt south(0, -5, 0);
  EXPECT_TRUE(c.VinkelIBuepunkt(&south, &angle) && angle.Get() == 3 * kPi / 2);
  EXPECT_TRUE(c.VinkelLengde(&halfPi, &length) && length.Get() == 5 * kPi / 2);
  // A quarter of the circumference walks a quarter turn, counter-clockwise when positive; the
  // points keep the centre's z.
  EXPECT_EQ(c.BuepunktIVinkel(&halfPi, &out) + c.BuepunktRelFraVinkel(&zero, &quarter, &left) +
                c.BuepunktRelFraVinkel(&zero, &back, &right),
            3);
  EXPECT_EQ((Values{out.y(), out.z(), left.y(), right.y(), right.z()}), (Values{5, 7, 5, -5, 7}));
  EXPECT_LT(std::fabs(out.x()) + std::fabs(left.x()) + std::fabs(right.x()), 1e-14);
  // A radius of 0 (within 1e-9) and null arguments: 0, nothing written.
  EXPECT_EQ(dot.BuepunktRelFraVinkel(&zero, &quarter, &out) + c.BuepunktIVinkel(nullptr, &out) +
                c.VinkelIBuepunkt(&south, nullptr) + c.VinkelLengde(nullptr, &length) +
                c.BuepunktRelFraVinkel(&zero, &zero, nullptr),
            0);
  EXPECT_EQ(Of(out), (Xyz{out.x(), 5, 7}));
}

TEST(B_Sirkel, Intersections) {
  // With a circle: the start point lies right of the direction from this centre to the other's.
  // clang-format off
  const struct { Xyz c1; double r1; Xyz c2; double r2; int result, code; Xyz start, end; }
  circles[] = {
      {o, 5, {8, 0, 0}, 5, 1, U, {4, -3, 0}, {4, 3, 0}},
      {{0, 0, 4}, 5, {0, 8, 9}, 5, 1, U, {3, 4, 0}, {-3, 4, 0}},  // in plan, z 0.0
      {{1e5, 6e6, 0}, 5, {100008, 6e6, 0}, 5, 1, U, {100004, 5999997, 0}, {100004, 6000003, 0}},
      {o, 5, {10.0005, 0, 0}, 5, 1, U, {5.00025, 0, 0}, {5.00025, 0, 0}},  // touching within 0.0009
      {o, 5, {20, 0, 0}, 5, 0, 3, u, u}, {o, 5, {0, 0, 1}, 5, 0, 2, u, u},  // apart; only in z
      {o, 5, o, 3, 0, 1, u, u}, {{kNaN, 0, 0}, 5, {8, 0, 0}, 5, 0, 3, u, u}};
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
      {o, kNaN, {-10, 3, 0}, {10, 3, 0}, 0, 2, u, u}};
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

}  // namespace
