// B_Sirkel: the negative-radius message, the measures and arc points, and the intersections with
// a circle and with a line (data/geometry/geometry.cases; random road-size cases are in
// B_Linje_test.cpp).

#include "kx/geometry/B_Sirkel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kx/geometry/B_Linje.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

B_Sirkel Circle(const Xyz& centre, double radius) {
  const DT_Punkt c(centre.data());
  const DT_Double r(radius);
  return B_Sirkel(&c, &r);
}

TEST(B_Sirkel, NegativeRadiusIsReportedOnceAndKept) {
  HostCapture host;
  const B_Sirkel plain, zero = Circle({1, 2, 3}, -0.0), negative = Circle({1, 2, 3}, -1);
  B_Sirkel copy(negative);
  EXPECT_TRUE(copy.Radius()->Get() == -1 && Of(copy) == (Xyz{1, 2, 3}));
  host.Api().texts[2005] = "Radius < 0";  // the host's text replaces the default
  Circle({0, 0, 0}, -2);
  EXPECT_EQ(host.Lines(), Words("geometry/messages.cases", "negative-radius"));
}

TEST(B_Sirkel, MeasuresAndArcPoints) {
  B_Sirkel c = Circle({0, 0, 7}, 1), dot = Circle({0, 0, 0}, 5e-10);
  const DT_Double ten(10), zero(0.0), halfPi(kPi / 2), quarter(kPi * 5 / 2), back(-kPi * 5 / 2);
  EXPECT_EQ(c.Diameter(&ten)->Get() + c.Radius()->Get(), 15);
  EXPECT_EQ(c.Omkrets()->Get(), 31.41592653589793);
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

// Both ends of a chord to 1e-9 against words 2 to 7 of a row's second cell.
void ExpectChord(const B_Linje& chord, const Row& r) {
  for (unsigned i = 0; i < 3; ++i) {
    EXPECT_NEAR((*chord.StartPunkt())[i], r.D(1, 2 + i), 1e-9) << r.where;
    EXPECT_NEAR((*chord.SluttPunkt())[i], r.D(1, 5 + i), 1e-9) << r.where;
  }
}

TEST(B_Sirkel, Intersections) {
  const DT_Punkt untouched(kUntouched.data());
  for (const Row& r : Table("geometry/geometry.cases", "circles")) {
    const std::vector<double> v = r.Ds(0);
    B_Sirkel a = Circle({v[0], v[1], v[2]}, v[3]), b = Circle({v[4], v[5], v[6]}, v[7]);
    B_Linje chord(&untouched, &untouched);
    a.ErrorKode(U);
    EXPECT_EQ((Values{a.SkjaeringMed(&b, &chord), a.ErrorKode(-9999)}),
              (Values{r.D(1, 0), r.S(1, 1) == "-" ? U : r.D(1, 1)}))
        << r.where;
    ExpectChord(chord, r);
  }
  for (const Row& r : Table("geometry/geometry.cases", "cline")) {
    const std::vector<double> v = r.Ds(0);
    B_Sirkel c = Circle({v[0], v[1], v[2]}, v[3]);
    const DT_Punkt s(&v[4]), e(&v[7]);
    B_Linje line(&s, &e), chord(&untouched, &untouched);
    c.ErrorKode(U);
    EXPECT_EQ((Values{c.SkjaeringMed(&line, &chord), c.ErrorKode(-9999)}),
              (Values{r.D(1, 0), r.S(1, 1) == "-" ? U : r.D(1, 1)}))
        << r.where;
    ExpectChord(chord, r);
    EXPECT_EQ(c.SkjaeringMed(&line, &line), r.I(1, 0)) << r.where;  // the line may take the result
    if (r.I(1, 0) == 1) ExpectChord(line, r);
  }
  B_Sirkel c = Circle({0, 0, 0}, 5);
  B_Linje line;
  EXPECT_EQ(c.SkjaeringMed(static_cast<B_Linje*>(nullptr), &line) + c.SkjaeringMed(&line, nullptr) +
                c.SkjaeringMed(static_cast<B_Sirkel*>(nullptr), &line) +
                c.SkjaeringMed(&c, nullptr) + c.ErrorKode(-9999),
            -1);
}

}  // namespace
