// DT_Punkt: the plane selectors, directions and distances (also at road coordinates), the hook,
// copies, the shared results, text forms, and picking and transforming through the host.

#include "kx/geometry/DT_Punkt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kx/numbers/DT_Double.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

// Counts the hook and the calls of the virtual Init(x, y, z).
struct Spy : DT_Punkt {
  using DT_Punkt::DT_Punkt, DT_Punkt::Init;
  int hooks = 0, inits = 0;
  void UtforEtterInit() override { ++hooks; }
  int Init(double x, double y, double z) override { return ++inits, DT_Punkt::Init(x, y, z); }
};

TEST(DT_Punkt, PlanesDirectionsAndDistances) {
  DT_Punkt a(10, 20, 30), o(0, 0, 0);
  const DT_Punkt b(11, 18, 34), far(3, 4, 12), to(1, 2, -3);
  for (const Row& r : Table("geometry/geometry.cases", "planes")) {
    const int planes = r.I(0);
    EXPECT_EQ(a.Lik(&b, r.D(1, 0), planes), 0) << r.where;  // the bound is strict
    EXPECT_EQ(a.Lik(&b, r.D(1, 0) + 0.5, planes), 1) << r.where;
    EXPECT_DOUBLE_EQ(o.AvstandTil(&far, planes)->Get(), r.D(1, 1)) << r.where;
    EXPECT_DOUBLE_EQ(o.AngleTo(&to, planes)->Get(), r.D(1, 2)) << r.where;
  }
  for (const Row& r : Table("geometry/geometry.cases", "between")) {
    const std::vector<double> v = r.Ds(0);
    DT_Punkt from(&v[0]);
    const DT_Punkt to(&v[3]);
    EXPECT_EQ((Values{from.AvstandTil(&to, r.I(0, 6))->Get(), from.AngleTo(&to, r.I(0, 6))->Get()}),
              (Values{r.D(1, 0), r.D(1, 1)}))
        << r.where;
  }
}

const DT_Punkt other(1, 2, 3), road(100000, 6000000, 7), *const none = nullptr;
const double xyz[3] = {1, 2, 3}, *const noArray = nullptr;
const DT_Double two(2.0), pi(kPi), *const noNumber = nullptr;
#define OP(expr) [](Spy& p) { return static_cast<int>(expr); }

TEST(DT_Punkt, SettingRunsTheHookOnceAndNothingElseDoes) {
  // From (10, 20, 30): the result, the point afterwards, hooks, virtual Init(x, y, z) calls.
  // clang-format off
  const struct { int (*op)(Spy&); int result; Xyz after; int hooks, inits; } rows[] = {
      {OP(p.Init(4, 5, 6)), 1, {4, 5, 6}, 1, 1},       {OP(p.Init(xyz)), 1, {1, 2, 3}, 1, 1},
      {OP(p.Init(&other)), 1, {1, 2, 3}, 1, 0},        {OP(p.Init(&p)), 1, {10, 20, 30}, 1, 0},
      {OP(p.InitRel(1, 2, 3)), 1, {11, 22, 33}, 1, 0}, {OP(p.InitRel(&other)), 1, {11, 22, 33}, 1, 0},
      {OP(p.InitRel(xyz)), 1, {11, 22, 33}, 1, 0},     {OP(p.InitPolar(0.0, 2, xyz)), 1, {3, 2, 3}, 1, 0},
      {OP(p.InitPolar(kPi / 2, 10, nullptr)), 1, {10, 30, 30}, 1, 0},
      {OP(p.InitPolar(&pi, &two, &road)), 1, {99998, 6000000, 7}, 1, 0},
      {OP(p.InitPolar(0.0, 0.5, *p.Get())), 1, {10.5, 20, 30}, 1, 0},  // its own array as origin
      {OP(p.x(&two) + p.y(&two) + p.z(&two)), 6, {2, 2, 2}, 3, 0},
      {OP(p.x(nullptr) + p.y(0) + p.z(nullptr)), 60, {10, 20, 30}, 0, 0},
      {OP(((*p.Get())[0] = 1, p[1] = 2, p[2] = 3, 1)), 1, {1, 2, 3}, 0, 0},  // bypass the hook
      {OP((static_cast<DT_Punkt&>(p) = other, 1)), 1, {1, 2, 3}, 0, 0},
      // Null arguments fail silently.
      {OP(p.Init(none) + p.Init(noArray) + p.InitRel(none) + p.InitRel(noArray) +
          p.InitPolar(noNumber, &two, &other) + p.InitPolar(&two, noNumber, &other)),
       0, {10, 20, 30}, 0, 0}};
  // clang-format on
  for (const auto& row : rows) {
    Spy p(10, 20, 30);
    p.ErrorKode(U);
    EXPECT_EQ(row.op(p), row.result) << &row - rows;
    EXPECT_EQ((Values{p.x(), p.y(), p.z(), p.hooks, p.inits, p.ErrorKode(-9999)}),
              (Values{row.after[0], row.after[1], row.after[2], row.hooks, row.inits, U}))
        << &row - rows;
  }
  // DT_Punkt(&a) copies only the coordinates; a null array or point gives (0, 0, 0); other
  // indexes than 0 to 2 never touch the coordinates.
  DT_Punkt a(1, 2, 3);
  a.AntDesimalerSomVises(4);
  DT_Punkt fromPointer(&a);
  a[7] = 99;
  EXPECT_EQ((Values{fromPointer.AntDesimalerSomVises(), DT_Punkt(noArray).x(), DT_Punkt(none).z(),
                    a[7], static_cast<const DT_Punkt&>(a)[3]}),
            (Values{2, 0, 0, kNaN, kNaN}));
  EXPECT_EQ(Of(fromPointer), (Xyz{1, 2, 3}));
}

TEST(DT_Punkt, SharedResultsAndNullArguments) {
  HostCapture host;
  DT_Punkt o(0, 0, 0);
  const DT_Punkt p(3, 4, 0), q(0, -2, 0);
  // One result per operation, shared by all points; with a result object the value goes there
  // (its hook runs) and the shared ones keep theirs.
  DT_Double *distance = o.AvstandTil(&p), *angle = o.AngleTo(&p);
  Counted<DT_Double> mine(-1.0);
  EXPECT_TRUE(DT_Punkt(1, 0, 0).AvstandTil(&q) == distance && o.AngleTo(&q) == angle &&
              angle != distance);
  EXPECT_TRUE(o.AvstandTil(&p, 0, &mine) == &mine && o.AngleTo(&p, 0, &mine) == &mine);
  EXPECT_EQ((Values{mine.Get(), mine.hooks, distance->Get(), angle->Get()}),
            (Values{std::atan2(4, 3), 2, std::sqrt(5.0), 3 * kPi / 2}));
  EXPECT_EQ(DT_Punkt(1, 2, 3).SomChar(nullptr), o.SomChar(nullptr));
  // Null arguments: Lik only sets a code; the others show a message, set a code and deliver 0.0
  // where the value would have gone.
  EXPECT_EQ(o.Lik(none, 1.0, 0) + o.ErrorKode(-9999) + static_cast<int>(host.Count()), -1);
  for (DT_Double* target : {static_cast<DT_Double*>(&mine), static_cast<DT_Double*>(nullptr)}) {
    host.Clear();
    DT_Double* d = o.AvstandTil(none, 3, target);
    const int distanceCode = o.ErrorKode(-9999);
    DT_Double* a = o.AngleTo(none, 3, target);
    EXPECT_EQ((Values{d->Get(), a->Get(), distanceCode, o.ErrorKode(-9999)}), (Values{0, 0, 1, -1}));
    EXPECT_TRUE(target == nullptr || (d == target && a == target));
    EXPECT_EQ(host.Lines(), Words("geometry/messages.cases", "null-point"));
  }
}

TEST(DT_Punkt, TextForms) {
  for (const Row& r : Table("geometry/geometry.cases", "ptext")) {
    DT_Punkt p(r.D(0, 1), r.D(0, 2), r.D(0, 3));
    p.AntDesimalerSomVises(r.I(0, 0));
    p.ErrorKode(U);
    EXPECT_STREQ(p.SomChar(r.S(0, 4) == "NULL" ? nullptr : r.S(0, 4).c_str()), r.S(1).c_str())
        << r.where;
    EXPECT_EQ(p.ErrorKode(-9999), r.S(1).empty() ? -1 : U) << r.where;
  }
  HostCapture host;
  DT_Punkt(1, 2.5, -3).SkrivUt();
  EXPECT_EQ(host.Lines(), Texts{"Printf[|0] \nX=1.000000, Y=2.500000, Z= -3.000000"});
}

TEST(DT_Punkt, LesPicksAndTransformerTranslatesThroughTheHost) {
  HostCapture host;
  CaptureAPI& api = host.Api();
  const DT_Punkt base(5, 6, 7);
  // The host's answer (it writes 7, 8, 9 whatever it answers); the result, the point afterwards
  // and the hooks. Any answer of 1 or more is a pick; -2 takes the default shown, the point as it
  // was; a failure leaves what the host wrote.
  const std::pair<int, Values> rows[] = {
      {1, {1, 7, 8, 9, 1}}, {5100, {1, 7, 8, 9, 1}}, {-2, {1, 1, 2, 3, 1}}, {0, {0, 7, 8, 9, 0}}};
  for (const auto& [answer, want] : rows) {
    Spy p(1, 2, 3);
    api.picks = {{answer, {7, 8, 9}}};
    host.Clear();
    const int result = p.Les("Pick %s", 1, &base, 9);
    EXPECT_EQ((Values{result, p.x(), p.y(), p.z(), p.hooks}), want) << answer;
  }
  // The prompt unchanged, the point, " : "; the host gets a copy of the base and the flag as 1.
  EXPECT_EQ(host.Texts(), (Texts{"Pick %s", " <1.00,2.00,3.00>", " : "}));
  EXPECT_TRUE(api.pickCalls.back().first == (Xyz{5, 6, 7}) && api.pickCalls.back().second == 1);
  DT_Punkt p(1, 2, 3);
  host.Clear();
  api.translateResult = 3;
  EXPECT_EQ(p.Les() + p.Transformer(-4, 12), 3);  // no prompt, base or flag; the host's answer
  EXPECT_TRUE(host.Count() == 0 && !api.pickCalls.back().first && api.pickCalls.back().second == 0);
  EXPECT_EQ(api.translateCalls.back(), (std::array<int, 2>{-4, 12}));
}

}  // namespace
