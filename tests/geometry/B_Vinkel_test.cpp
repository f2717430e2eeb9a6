// B_Vinkel: normalisation into one turn (also of huge and non-finite angles) and the sector test
// (data/geometry/geometry.cases).

#include "kx/geometry/B_Vinkel.h"

#include <gtest/gtest.h>

#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

TEST(B_Vinkel, InitMellom0og2PI) {
  for (const Row& r : Table("geometry/geometry.cases", "normalise")) {
    Counted<B_Vinkel> angle(r.D(0));
    EXPECT_EQ((Values{angle.InitMellom0og2PI(), angle.Get(), angle.hooks}),
              (Values{1, r.D(1, 0), r.D(1, 1)}))
        << r.where;
  }
  // No number of turns brings these in: refused, the value kept.
  for (double v : {kNaN, kInf, -kInf}) {
    Counted<B_Vinkel> angle(v);
    angle.ErrorKode(0);
    EXPECT_EQ((Values{angle.InitMellom0og2PI(), angle.hooks, angle.ErrorKode(-9999), angle.Get()}),
              (Values{0, 0, -1, v}));
  }
  const DT_Double seven(7.0);  // construction never normalises
  EXPECT_EQ(B_Vinkel(7).Get() + B_Vinkel(&seven).Get() + B_Vinkel().Get(), 14);
}

TEST(B_Vinkel, Mellom) {
  for (const Row& r : Table("geometry/geometry.cases", "sector")) {
    B_Vinkel angle(r.D(0, 0));
    const DT_Double v1(r.D(0, 1)), v2(r.D(0, 2));
    EXPECT_EQ(angle.Mellom(&v1, &v2, r.I(0, 3)), r.I(1, 0)) << r.where;
    EXPECT_NEAR(angle.Get(), r.D(1, 1), 1e-12) << r.where;
  }
  // A NaN angle lies in no sector (and the call returns); null angles are reported.
  HostCapture host;
  B_Vinkel nan(kNaN), angle(1.0);
  const DT_Double pi(kPi), zero(0.0);
  EXPECT_EQ((Values{nan.Mellom(&pi, &zero, 1), angle.ErrorKode(-9999), angle.ErrorKode(0),
                    angle.Mellom(nullptr, &pi, 1), angle.Mellom(&pi, nullptr, 0),
                    angle.ErrorKode(-9999), angle.Get()}),
            (Values{0, -1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(host.Lines(), Words("geometry/messages.cases", "mellom"));
}

}  // namespace
