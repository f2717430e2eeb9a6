// DT_Punkt: the plane selectors, directions and distances (also at road coordinates), the hook,
// copies, the shared results, text forms, and picking and transforming through the host.

#include "kx/geometry/DT_Punkt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/GeometryTest.h"
#include "kx/numbers/DT_Double.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"

using namespace kx::test;

namespace {

// Counts the hook and the calls of the virtual Init(x, y, z).
struct Spy : DT_Punkt {
  using DT_Punkt::DT_Punkt, DT_Punkt::Init;
  int hooks = 0, inits = 0;
  void UtforEtterInit() override { ++hooks; }
  int Init(double x, double y, double z) override { return ++inits, DT_Punkt::Init(x, y, z); }
};

TEST(DT_Punkt, PlaneSelectors) {
  // Differences 1, 2, 4 in x, y, z: the sum at which Lik turns names the coordinates it keeps.
  DT_Punkt a(10, 20, 30), o(0, 0, 0);
  const DT_Punkt b(11, 18, 34), far(3, 4, 12), to(1, 2, -3), above(0, 0, 5), beside(0, 5, 0);
  const double xy = std::atan2(2, 1), xz = kTwoPi + std::atan2(-3, 1);
  // clang-format off
  const struct { int planes; double likSum, distance, angle; } rows[] = {
      {0, 7, 13, xy}, {1, 3, 5, xz}, {2, 6, std::sqrt(160.0), kTwoPi + std::atan2(-3, 2)},
      {3, 5, std::sqrt(153.0), xy}, {4, 1, 13, xy}, {5, 2, 13, xy}, {6, 4, 13, xy}, {-1, 7, 13, xy}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.planes);
    EXPECT_EQ(a.Lik(&b, r.likSum, r.planes), 0);  // the bound is strict
    EXPECT_EQ(a.Lik(&b, r.likSum + 0.5, r.planes), 1);
    EXPECT_DOUBLE_EQ(o.AvstandTil(&far, r.planes)->Get(), r.distance);
    EXPECT_DOUBLE_EQ(o.AngleTo(&to, r.planes)->Get(), r.angle);
  }
  // Points that coincide in the measured plane have no direction, whatever the third coordinate.
  EXPECT_EQ(o.AngleTo(&above, 0)->Get() + o.AngleTo(&beside, 1)->Get(), 0.0);
}

TEST(DT_Punkt, DirectionsAndDistances) {
  // Differences are taken first, so distances are exact at road coordinates too (squaring the
  // coordinates would lose millimetres). Within 1e-9 there is no direction; within 1e-9 below the
  // x axis an angle stays below 0, further below it gets a turn; a NaN gives a NaN (and the call
  // returns); the squares of huge differences would overflow.
  DT_Punkt road(100000.5, 6000000.25, 512), o(0, 0, 0), huge(3e200, 0, 0);
  const DT_Punkt near(100000.875, 6000000.75, 512), mm(100000.503, 6000000.254, 512),
      same(100000.5 + 5e-10, 6000000.25, 512), tiny(1, -1e-12, 0), small(1, -1e-8, 0),
      nan(kNaN, 1, 0), far(0, 4e200, 0);
  EXPECT_EQ((Values{road.AvstandTil(&near)->Get(), road.AngleTo(&same)->Get(),
                    o.AngleTo(&tiny)->Get(), o.AngleTo(&small)->Get()}),
            (Values{0.625, 0, -1e-12, kTwoPi - 1e-8}));
  EXPECT_NEAR(road.AvstandTil(&mm)->Get(), 0.005, 1e-9);
  EXPECT_TRUE(std::isnan(o.AngleTo(&nan)->Get()));
  EXPECT_DOUBLE_EQ(huge.AvstandTil(&far)->Get(), 5e200);
}

// What the operations of the table below take.
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
      {OP(p.Transformer(1, 2)), 0, {10, 20, 30}, 0, 0},
      // Null arguments fail silently.
      {OP(p.Init(none) + p.Init(noArray) + p.InitRel(none) + p.InitRel(noArray) +
          p.InitPolar(noNumber, &two, &other) + p.InitPolar(&two, noNumber, &other)),
       0, {10, 20, 30}, 0, 0}};
  // clang-format on
  HostCapture host;
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Spy p(10, 20, 30);
    p.ErrorKode(U);
    EXPECT_EQ(row.op(p), row.result);
    EXPECT_EQ(Of(p), row.after);
    EXPECT_EQ((Values{p.hooks, p.inits, p.ErrorKode(-9999)}), (Values{row.hooks, row.inits, U}));
  }
}

TEST(DT_Punkt, ConstructionAndElementAccess) {
  DT_Punkt a(1, 2, 3);
  a.AntDesimalerSomVises(4);
  // DT_Punkt(&a) copies only the coordinates; a null array or point gives (0, 0, 0).
  DT_Punkt fromPointer(&a);
  const DT_Punkt noArrayPoint(noArray), noPoint(none);
  EXPECT_EQ(fromPointer.AntDesimalerSomVises(), 2);
  EXPECT_EQ((std::vector<Xyz>{Of(fromPointer), Of(noArrayPoint), Of(noPoint)}),
            (std::vector<Xyz>{{1, 2, 3}, {0, 0, 0}, {0, 0, 0}}));
  // operator[] and Get() are the object's own array; other indexes never touch it.
  const DT_Punkt& readOnly = a;
  a[7] = 99;
  EXPECT_TRUE(&(*a.Get())[2] == &a[2] && std::isnan(a[7]) && std::isnan(readOnly[3]));
  EXPECT_EQ((Xyz{readOnly[0], readOnly[1], (*readOnly.Get())[2]}), (Xyz{1, 2, 3}));
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
  EXPECT_EQ((Values{mine.Get(), 1.0 * mine.hooks, distance->Get(), angle->Get()}),
            (Values{std::atan2(4, 3), 2, std::sqrt(5.0), 3 * kPi / 2}));
  char* text = o.SomChar(nullptr);
  EXPECT_EQ(DT_Punkt(1, 2, 3).SomChar(nullptr), text);
  EXPECT_STREQ(text, "1.00,2.00,3.00");
  // Null arguments: Lik only sets a code; the others show a message, set a code and deliver 0.0
  // where the value would have gone.
  EXPECT_EQ(o.Lik(none, 1.0, 0) + o.ErrorKode(-9999) + static_cast<int>(host.Count()), -1);
  for (DT_Double* target : {static_cast<DT_Double*>(&mine), static_cast<DT_Double*>(nullptr)}) {
    host.Clear();
    DT_Double* d = o.AvstandTil(none, 3, target);
    const int distanceCode = o.ErrorKode(-9999);
    DT_Double* a = o.AngleTo(none, 3, target);
    EXPECT_EQ((Values{d->Get(), a->Get(), 1.0 * distanceCode, 1.0 * o.ErrorKode(-9999)}),
              (Values{0, 0, 1, -1}));
    EXPECT_TRUE(target == nullptr || (d == target && a == target));
    EXPECT_EQ(host.Lines(),
              (std::vector<std::string>{
                  "ErrorBox[Message|1048577] DT_Punkt::AvstandTil: Argument enPos=NULL.",
                  "ErrorBox[Critical ERROR|1048577] DT_Punkt::AngleTo: Argument enPos=NULL."}));
  }
}

TEST(DT_Punkt, TextForms) {
  // Shown decimals that cannot be shown (256, -5) are not kept. A format that would read anything
  // but up to three doubles is refused with an empty text and last error code -1.
  // clang-format off
  const struct { int shown; const char *fmt, *text; } rows[] = {
      {-1, nullptr, "1.00,2.50,-3.00"}, {3, nullptr, "1.000,2.500,-3.000"}, {0, nullptr, "1,2,-3"},
      {256, nullptr, "1.00,2.50,-3.00"}, {-5, nullptr, "1.00,2.50,-3.00"},
      {-1, "X=%g Y=%g Z=%g", "X=1 Y=2.5 Z=-3"}, {-1, "%.1f;%.1f", "1.0;2.5"},
      {-1, "%%%.0f%%|%+.1Le|%5.1lf", "%1%|+2.5e+00| -3.0"}, {-1, "%f %f %f %f", ""},
      {-1, "%d,%d,%d", ""}, {-1, "%f %s", ""}, {-1, "%*f", ""}, {-1, "%f %", ""}};
  // clang-format on
  for (const auto& r : rows) {
    DT_Punkt p(1, 2.5, -3);
    p.AntDesimalerSomVises(r.shown);
    p.ErrorKode(U);
    EXPECT_STREQ(p.SomChar(r.fmt), r.text) << (r.fmt ? r.fmt : "(default)");
    EXPECT_EQ(p.ErrorKode(-9999), *r.text == '\0' ? -1 : U);
  }
  DT_Punkt p(1, 2, 3);
  EXPECT_EQ(p.AntDesimalerSomVises(255) + p.AntDesimalerSomVises(-1), 2 * 255);
  EXPECT_EQ(std::string(p.SomChar(nullptr)).size(), 511u);  // cut, never past the buffer
  HostCapture host;
  DT_Punkt(1, 2.5, -3).SkrivUt();
  EXPECT_EQ(host.Lines(),
            std::vector<std::string>{"Printf[|0] \nX=1.000000, Y=2.500000, Z= -3.000000"});
}

TEST(DT_Punkt, LesPicksAndTransformerTranslatesThroughTheHost) {
  HostCapture host;
  CaptureAPI& api = host.Api();
  const DT_Punkt base(5, 6, 7);
  // The host's answer (it writes 7, 8, 9 whatever it answers); the result, the point afterwards
  // and the hooks. Any answer of 1 or more is a pick; -2 takes the default shown, the point as it
  // was; a failure leaves what the host wrote.
  const struct {
    int answer;
    Values want;
  } rows[] = {
      {1, {1, 7, 8, 9, 1}}, {5100, {1, 7, 8, 9, 1}}, {-2, {1, 1, 2, 3, 1}}, {0, {0, 7, 8, 9, 0}}};
  for (const auto& r : rows) {
    Spy p(1, 2, 3);
    api.picks = {{r.answer, {7, 8, 9}}};
    host.Clear();
    const int result = p.Les("Pick %s", 1, &base, 9);
    EXPECT_EQ((Values{1.0 * result, p.x(), p.y(), p.z(), 1.0 * p.hooks}), r.want) << r.answer;
  }
  // The prompt unchanged, the point, " : "; the host gets a copy of the base and the flag as 1.
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Pick %s", " <1.00,2.00,3.00>", " : "}));
  const CaptureAPI::PickCall& call = api.pickCalls.back();
  EXPECT_TRUE(call.hadBase && call.base == (Xyz{5, 6, 7}) && call.flags == 1);
  DT_Punkt p(1, 2, 3);
  host.Clear();
  api.translateResult = 3;
  EXPECT_EQ(p.Les() + p.Transformer(-4, 12), 3);  // no prompt, base or flag; the host's answer
  EXPECT_TRUE(host.All().empty() && !api.pickCalls.back().hadBase &&
              api.pickCalls.back().flags == 0);
  EXPECT_EQ(api.translateCalls.back(), (std::array<int, 2>{-4, 12}));
}

}  // namespace
