// KxArc: measures against independent circle geometry (a table and random arcs), the radius form,
// the two messages and the arc after a failed construction.

#include "kx/geometry/KxArc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/NumberTest.h"
#include "support/Table.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"

using kx::test::kNaN;
using kx::test::kPi;
using kx::test::kTwoPi;
using kx::test::Values;

namespace {

// A measure against its expected value: within 1e-9 times its size (at least 1e-9); an angle
// modulo 2π. '-' is not checked.
void ExpectNear(double got, const std::string& want, bool angle = false) {
  if (want == "-") return;
  const double w = std::stod(want);
  const double diff = angle ? std::remainder(got - w, kTwoPi) : got - w;
  EXPECT_LE(std::fabs(diff), 1e-9 * std::fmax(1.0, std::fabs(w))) << got << " for " << want;
}

TEST(KxArc, MeasuresFromTheTable) {
  for (const auto& row : kx::test::Table("geometry/kxarc.cases")) {
    SCOPED_TRACE(row.where);
    std::vector<double> in;  // in[0] is the form's name
    for (const auto& f : row.Head()) in.push_back(kx::test::Number(f));
    const DT_Punkt start(in[1], in[2], in[3]), end(in[4], in[5], in[6]);
    const DT_Double radius(in[7]), length(in.back());
    auto want = row.cells[1];
    std::vector<double> got;
    if (row.Head()[0] == "radius") {
      KxArc arc(&start, &end, &radius, &length);
      got = {arc.Radius(), arc.Bulge(0)->Get(), arc.Radius(), arc.Vinkel(), arc.Lengde()};
    } else {
      const double s[3] = {in[1], in[2], in[3]}, e[3] = {in[4], in[5], in[6]};
      KxArc arc(s, in[7], e);
      const double* c = *arc.SenterPunkt();
      const DT_Double x(kx::test::Number(row.cells[2][0])), y(kx::test::Number(row.cells[2][2]));
      for (double v :
           {arc.KordeLengde(), arc.Hoyde(), arc.Radius(), arc.Vinkel(), arc.Lengde(), c[0], c[1],
            c[2], arc.StartVinkel(), arc.SluttVinkel(), arc.YiXPos(&x), arc.XiYPos(&y)}) {
        got.push_back(v);
      }
      want.push_back(row.cells[2][1]);
      want.push_back(row.cells[2][3]);
    }
    for (std::size_t i = 0; i < got.size(); ++i) ExpectNear(got[i], want.at(i), i == 8 || i == 9);
  }
}

// Random arcs at road coordinates, both turning directions, minor and major, in both forms: every
// measure as plain circle geometry gives it, within kTolerance (metres and radians).
TEST(KxArc, MeasuresAgreeWithCircleGeometry) {
  constexpr double kTolerance = 1e-8;
  std::mt19937 random(65);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int k = 0; k < 4000; ++k) {
    const double cx = 1e4 + 2e3 * u(random), cy = 6e3 * u(random), r = 1.0 + 500.0 * u(random);
    const double theta = 0.02 + (kTwoPi - 0.04) * u(random);  // the included angle
    if (std::fabs(theta - kPi) < 0.01) continue;  // 2 atan(half / d) is ill-conditioned there
    const double turn = k % 2 == 0 ? 1.0 : -1.0;  // 1: counter-clockwise
    const double a0 = kTwoPi * u(random), a1 = a0 + turn * theta, mid = a0 + turn * theta / 2;
    const DT_Punkt start(cx + r * std::cos(a0), cy + r * std::sin(a0), 7.0);
    const DT_Punkt end(cx + r * std::cos(a1), cy + r * std::sin(a1), 7.0);
    const DT_Double bulge(turn * std::tan(theta / 4)), radius(-turn * r), length(r * theta);
    KxArc byBulge(&start, &bulge, &end), byRadius(&start, &end, &radius, &length);
    ASSERT_EQ(byRadius.Radius(), -turn * r);  // as given, until the bulge is derived
    ASSERT_NEAR(byRadius.Bulge(0)->Get(), bulge.Get(), kTolerance);
    for (KxArc* arc : {&byBulge, &byRadius}) {
      const double* c = *arc->SenterPunkt();
      const double chord = 2 * r * std::sin(theta / 2), sagitta = r * (1 - std::cos(theta / 2));
      // Each measure less what circle geometry gives (the end angles modulo 2π).
      for (double off : {arc->KordeLengde() - chord, arc->Hoyde() - sagitta, arc->Radius() - r,
                         arc->Vinkel() - theta, arc->Lengde() - r * theta, c[0] - cx, c[1] - cy,
                         c[2] - 7.0, std::remainder(arc->StartVinkel() - a0, kTwoPi),
                         std::remainder(arc->SluttVinkel() - a1, kTwoPi)}) {
        ASSERT_NEAR(off, 0.0, kTolerance) << k;
      }
      // The arc's middle lies on the half YiXPos takes when the chord runs towards increasing x,
      // and on the half XiYPos takes when it runs towards increasing y.
      const DT_Double x(cx + r * std::cos(mid)), y(cy + r * std::sin(mid));
      const double chordX = (end.x() - start.x()) / chord, chordY = (end.y() - start.y()) / chord;
      ASSERT_NEAR(chordX > 0.1 ? arc->YiXPos(&x) : y.Get(), y.Get(), kTolerance) << k;
      ASSERT_NEAR(chordY > 0.1 ? arc->XiYPos(&y) : x.Get(), x.Get(), kTolerance) << k;
    }
  }
}

TEST(KxArc, MessagesNullArgumentsAndAFailedConstruction) {
  kx::test::HostCapture host;
  const DT_Punkt a(0, 0, 0), b(10, 0, 0);
  const DT_Double zero(0.0), one(1.0), five(5.0), far(20.0);
  const double* none = nullptr;
  KxArc failed(&a, &b, nullptr, &five), flat(&a, &b, &zero, &five);
  KxArc empty(nullptr, nullptr, nullptr), fromNothing(none, 1.0, none), half(&a, &one, &b);
  // A failed construction stays in radius form with zeros: its radius is 0 until a measure
  // derives the bulge, which reports the zero radius.
  EXPECT_EQ(Values({failed.Radius(), failed.KordeLengde(), failed.Bulge(0)->Get(),
                    flat.Bulge(-1)->Get(), flat.Hoyde(), flat.Bulge(1)->Get()}),
            Values({0, 0, 0, 0, 0, 0}));
  const std::string box = "ErrorBox[Message|1048577] ";
  EXPECT_EQ(host.Lines(), (std::vector<std::string>{
                              box + "KxArc::KxArc:\n Feil i opprettelse av objektet Arc.\n Ingen "
                                    "av parametrene kan v\x91re NULL",
                              box + "KxArc::Bulge:\n\nThe radius can not be 0.0.",
                              box + "KxArc::Bulge:\n\nThe radius can not be 0.0."}));
  KxArc copy = half;
  EXPECT_EQ(
      Values({empty.KordeLengde(), empty.Bulge(1)->Get(), fromNothing.Hoyde(), half.YiXPos(nullptr),
              half.XiYPos(nullptr), half.YiXPos(&far), copy.Bulge(-1)->Get(), copy.Radius()}),
      Values({0, 0, 0, 0, 0, kNaN, 1, 5}));
}

}  // namespace
