// KxArc: measures against independent circle geometry (data/geometry/kxarc.cases), the radius
// form, the two messages and the arc after a failed construction.

#include "kx/geometry/KxArc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

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
  for (const auto& row : Table("geometry/kxarc.cases")) {
    SCOPED_TRACE(row.where);
    std::vector<double> in;  // in[0] is the form's name
    for (const auto& f : row.Head()) in.push_back(Number(f));
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
      const DT_Double x(Number(row.cells[2][0])), y(Number(row.cells[2][2]));
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

TEST(KxArc, MessagesNullArgumentsAndAFailedConstruction) {
  HostCapture host;
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
  EXPECT_EQ(host.Lines(), Words("geometry/messages.cases", "kxarc"));
  KxArc copy = half;
  EXPECT_EQ(
      Values({empty.KordeLengde(), empty.Bulge(1)->Get(), fromNothing.Hoyde(), half.YiXPos(nullptr),
              half.XiYPos(nullptr), half.YiXPos(&far), copy.Bulge(-1)->Get(), copy.Radius()}),
      Values({0, 0, 0, 0, 0, kNaN, 1, 5}));
}

}  // namespace
