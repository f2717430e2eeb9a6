// B_Vinkel: normalisation into one turn (also of huge and non-finite angles) and the sector test.

#include "kx/geometry/B_Vinkel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/GeometryTest.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"

using namespace kx::test;

namespace {

TEST(B_Vinkel, InitMellom0og2PI) {
  // The huge angles give their exact remainders after whole turns of 6.283185307179586 (worked
  // out in exact fractions): 1e6*pi lies 1.0e-10 below its 500 000th turn, and near 1e20 a turn
  // is smaller than the spacing of doubles, so subtracting turns one by one would never end.
  // clang-format off
  const struct { double v, expected; int hooks; } rows[] = {
      {-kPi / 2, 3 * kPi / 2, 1}, {kTwoPi, 0, 1}, {kTwoPi - 1e-10, 0, 1}, {7 * kPi, kPi, 1},
      {1.5, 1.5, 0}, {-1e-12, 0, 1},  // one turn up lands within 1e-9 of a full turn
      {1e6 * kPi, 0, 1}, {-1e6 * kPi, 1.007265382213518e-10, 1}, {1e20, 1.8955899103166374, 1},
      {-1e300, 0.7234267005270212, 1}};
  // clang-format on
  for (const auto& r : rows) {
    Counted<B_Vinkel> angle(r.v);
    EXPECT_EQ(angle.InitMellom0og2PI(), 1);
    EXPECT_EQ((Values{angle.Get(), 1.0 * angle.hooks}), (Values{r.expected, 1.0 * r.hooks}))
        << r.v;  // the hook once for a change, however many turns
  }
  // No number of turns brings these in: refused, the value kept.
  for (double v : {kNaN, kInf, -kInf}) {
    Counted<B_Vinkel> angle(v);
    angle.ErrorKode(0);
    EXPECT_EQ((Values{angle.InitMellom0og2PI(), angle.hooks, angle.ErrorKode(-9999)}),
              (Values{0, 0, -1}));
    EXPECT_TRUE(SameValue(angle.Get(), v));
  }
  const DT_Double seven(7.0);  // construction never normalises
  EXPECT_EQ(B_Vinkel(7).Get() + B_Vinkel(&seven).Get() + B_Vinkel().Get(), 14);
}

TEST(B_Vinkel, Mellom) {
  // This angle, the sector from v2 counter-clockwise to v1, bothWays; the answer and the angle
  // afterwards (brought into one turn by every pass that does not decide).
  // clang-format off
  const struct { double angle, v1, v2; int bothWays, answer; double after; } rows[] = {
      {kPi / 2, kPi, 0, 0, 1, kPi / 2}, {3 * kPi / 2, kPi, 0, 0, 0, 3 * kPi / 2},
      {0, kPi, 0, 0, 1, 0}, {kPi, kPi, 0, 0, 1, kPi},                  // both ends
      {-0.5e-5, kPi, 0, 0, 1, -0.5e-5},                                // within 1e-5 of the v2 end
      {-2e-5, kPi, 0, 0, 0, kTwoPi - 2e-5},
      {kPi + 1e-7, kPi, 0, 0, 0, kPi + 1e-7},                          // the v1 end is exact
      {3 * kPi / 2, kPi, 0, 1, 2, 3 * kPi / 2},                        // the opposite is inside
      {7 * kPi / 4, 3 * kPi / 2, 0, 1, 2, 7 * kPi / 4},                // a sector wider than pi
      {7 * kPi / 2, kPi / 2, 0, 1, 2, 3 * kPi / 2},
      {0, kPi / 4, 7 * kPi / 4, 0, 1, 0}, {kPi, kPi / 4, 7 * kPi / 4, 1, 2, kPi},  // across 0
      {kPi / 2, kPi / 4, 7 * kPi / 4, 1, 0, kPi / 2},
      {kPi / 2 + 4 * kTwoPi, kPi + 2 * kTwoPi, -kTwoPi, 0, 1, kPi / 2 + 4 * kTwoPi}};
  // clang-format on
  for (const auto& r : rows) {
    B_Vinkel angle(r.angle);
    const DT_Double v1(r.v1), v2(r.v2);
    EXPECT_EQ(angle.Mellom(&v1, &v2, r.bothWays), r.answer) << &r - rows;
    EXPECT_NEAR(angle.Get(), r.after, 1e-12) << &r - rows;
  }
  // A NaN angle lies in no sector (and the call returns); null angles are reported.
  HostCapture host;
  B_Vinkel nan(kNaN), angle(1.0);
  const DT_Double pi(kPi), zero(0.0);
  EXPECT_EQ((Values{nan.Mellom(&pi, &zero, 1), angle.ErrorKode(-9999), angle.ErrorKode(0),
                    angle.Mellom(nullptr, &pi, 1), angle.Mellom(&pi, nullptr, 0),
                    angle.ErrorKode(-9999)}),
            (Values{0, -1, 0, 0, 0, 0}));
  EXPECT_EQ(angle.Get(), 1.0);
  EXPECT_EQ(host.Lines(), (std::vector<std::string>{
                              "ErrorBox[Message|1048577] ERROR: B_Vinkel::Mellom vink1=NULL.",
                              "ErrorBox[Message|1048577] ERROR: B_Vinkel::Mellom vink2=NULL."}));
}

}  // namespace
