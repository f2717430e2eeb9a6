// DT_Punkt: the plane selectors, directions, road coordinates, the hook, copies, the shared
// results, text forms, picking and transforming through the host, and null arguments.

#include "kx/geometry/DT_Punkt.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "kx/numbers/DT_Double.h"
#include "numbers/NumberTest.h"
#include "support/HostCapture.h"

using namespace kx::test;

namespace {

constexpr double kPi = 3.141592653589793, kTwoPi = 6.283185307179586;
constexpr int U = -77;  // a last error code that an operation must leave untouched
using Xyz = std::array<double, 3>;

Xyz Of(const DT_Punkt& p) { return {p.x(), p.y(), p.z()}; }

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
  EXPECT_EQ(a.Lik(&a, 0.0, 0), 0);  // no accuracy: never equal
}

TEST(DT_Punkt, DirectionsAndDistancesAtRoadCoordinates) {
  // clang-format off
  const struct { double dx, dy, angle; } rows[] = {
      {1, 0, 0}, {0, 1, kPi / 2}, {-1, 0, kPi}, {0, -1, 3 * kPi / 2}, {1, 1, kPi / 4},
      {-1, 1, 3 * kPi / 4}, {-1, -1, 5 * kPi / 4}, {1, -1, 7 * kPi / 4},
      {5e-10, 0, 0}};  // within 1e-9 of the start: no direction
  // clang-format on
  // Differences are exact at road coordinates, so directions and distances are too; squaring
  // the coordinates themselves would lose a distance of millimetres.
  for (const Xyz& from : {Xyz{0, 0, 0}, Xyz{100000.5, 6000000.25, 512.0}}) {
    DT_Punkt start(from.data());
    for (const auto& r : rows) {
      const DT_Punkt end(from[0] + r.dx, from[1] + r.dy, from[2]);
      EXPECT_NEAR(start.AngleTo(&end)->Get(), r.angle, 1e-15) << r.dx << ", " << r.dy;
    }
    const DT_Punkt near(from[0] + 0.375, from[1] + 0.5, from[2]),
        mm(from[0] + 0.003, from[1] + 0.004, from[2]);
    EXPECT_EQ(start.AvstandTil(&near)->Get(), 0.625);
    EXPECT_NEAR(start.AvstandTil(&mm)->Get(), 0.005, 1e-9);
  }
  // Just below the x axis: within 1e-9 below 0 the angle stays, further below it gets a turn.
  DT_Punkt o(0, 0, 0), huge(3e200, 0, 0);
  const DT_Punkt tiny(1, -1e-12, 0), small(1, -1e-8, 0), nan(std::nan(""), 1, 0), far(0, 4e200, 0);
  EXPECT_EQ(o.AngleTo(&tiny)->Get(), -1e-12);
  EXPECT_EQ(o.AngleTo(&small)->Get(), kTwoPi - 1e-8);
  EXPECT_TRUE(std::isnan(o.AngleTo(&nan)->Get()));        // and the call returns
  EXPECT_DOUBLE_EQ(huge.AvstandTil(&far)->Get(), 5e200);  // the squares would overflow
}

// What the operations of the table below take.
const DT_Punkt other(1, 2, 3);
const double xyz[3] = {1, 2, 3};
const DT_Double two(2.0);
#define OP(expr) [](Spy& p) { return static_cast<int>(expr); }

TEST(DT_Punkt, SettingRunsTheHookOnceAndNothingElseDoes) {
  const DT_Punkt road(100000, 6000000, 7);
  const DT_Double pi(kPi);
  const DT_Punkt* const none = nullptr;
  const double* const noArray = nullptr;
  const DT_Double* const noNumber = nullptr;
  // From (10, 20, 30): the result, the point afterwards, hooks, virtual Init(x, y, z) calls.
  // clang-format off
  const struct { int (*op)(Spy&); int result; Xyz after; int hooks, inits; } rows[] = {
      {OP(p.Init(4, 5, 6)), 1, {4, 5, 6}, 1, 1},       {OP(p.Init(xyz)), 1, {1, 2, 3}, 1, 1},
      {OP(p.Init(&other)), 1, {1, 2, 3}, 1, 0},        {OP(p.Init(&p)), 1, {10, 20, 30}, 1, 0},
      {OP(p.InitRel(1, 2, 3)), 1, {11, 22, 33}, 1, 0}, {OP(p.InitRel(&other)), 1, {11, 22, 33}, 1, 0},
      {OP(p.InitRel(xyz)), 1, {11, 22, 33}, 1, 0},     {OP(p.InitPolar(0.0, 2, xyz)), 1, {3, 2, 3}, 1, 0},
      {OP(p.InitPolar(kPi / 2, 10, nullptr)), 1, {10, 30, 30}, 1, 0},
      {OP(p.x(&two) + p.y(&two) + p.z(&two)), 6, {2, 2, 2}, 3, 0},
      {OP(p.x(nullptr) + p.y(0) + p.z(nullptr)), 60, {10, 20, 30}, 0, 0},
      {OP(((*p.Get())[0] = 1, p[1] = 2, p[2] = 3, 1)), 1, {1, 2, 3}, 0, 0},  // bypass the hook
      {OP((static_cast<DT_Punkt&>(p) = other, 1)), 1, {1, 2, 3}, 0, 0},
      {OP(p.Transformer(1, 2)), 0, {10, 20, 30}, 0, 0}};
  // clang-format on
  HostCapture host;
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Spy p(10, 20, 30);
    p.ErrorKode(U);
    EXPECT_EQ(row.op(p), row.result);
    EXPECT_EQ(Of(p), row.after);
    EXPECT_EQ((std::vector<int>{p.hooks, p.inits, p.ErrorKode(-9999)}),
              (std::vector<int>{row.hooks, row.inits, U}));
  }
  // Null arguments fail silently; no constructor runs the hook.
  Spy p(10, 20, 30);
  EXPECT_EQ(p.Init(none) + p.Init(noArray) + p.InitRel(none) + p.InitRel(noArray) +
                p.InitPolar(noNumber, &two, &other) + p.InitPolar(&two, noNumber, &other),
            0);
  const Spy made[] = {Spy(1, 2, 3), Spy(&other), Spy(nullptr), Spy(xyz), Spy(noArray)};
  for (const Spy& q : made) EXPECT_EQ(q.hooks + q.inits, 0);
  EXPECT_EQ((std::vector<Xyz>{Of(made[1]), Of(made[4]), Of(p)}),
            (std::vector<Xyz>{{1, 2, 3}, {0, 0, 0}, {10, 20, 30}}));
  EXPECT_EQ(p.hooks, 0);
  // A road-size origin, and the point as its own origin.
  EXPECT_EQ(p.InitPolar(&pi, &two, &road) + p.InitPolar(0.0, 0.5, *p.Get()), 2);
  EXPECT_EQ(Of(p), (Xyz{99998.5, 6000000, 7}));
  EXPECT_TRUE(host.All().empty());
}

TEST(DT_Punkt, CopiesAndElementAccess) {
  DT_Punkt a(1, 2, 3), assigned;
  a.AntDesimalerSomVises(4);
  a.ClassType(55);
  assigned = a;
  DT_Punkt copy(a), fromPointer(&a);  // copies take all; DT_Punkt(&a) only the coordinates
  EXPECT_EQ((std::vector<int>{copy.AntDesimalerSomVises(), copy.ClassType(), assigned.ClassType(),
                              fromPointer.AntDesimalerSomVises(), fromPointer.ClassType()}),
            (std::vector<int>{4, 55, 55, 2, 100}));
  // operator[] and Get() are the object's own array; other indexes never touch it.
  const DT_Punkt& readOnly = a;
  a[7] = 99;
  EXPECT_TRUE(&(*a.Get())[2] == &a[2] && std::isnan(a[7]) && std::isnan(readOnly[3]));
  EXPECT_EQ((Xyz{readOnly[0], readOnly[1], (*readOnly.Get())[2]}), (Xyz{1, 2, 3}));
  EXPECT_LE(sizeof(DT_Punkt), sizeof(DataType) + 4 * sizeof(double));  // small, no heap
}

TEST(DT_Punkt, SharedResultsAndNullArguments) {
  HostCapture host;
  DT_Punkt o(0, 0, 0);
  const DT_Punkt p(3, 4, 0), q(0, -2, 0), *none = nullptr;
  DT_Double* distance = o.AvstandTil(&p);
  EXPECT_EQ(DT_Punkt(1, 0, 0).AvstandTil(&q), distance);  // any point, the same object
  DT_Double* angle = o.AngleTo(&p);
  EXPECT_TRUE(angle != distance && o.AngleTo(&q) == angle);  // one per operation
  // With a result object the value goes there (its hook runs); the shared ones keep theirs.
  Counted<DT_Double> mine(-1.0);
  EXPECT_TRUE(o.AvstandTil(&p, 0, &mine) == &mine && o.AngleTo(&p, 0, &mine) == &mine);
  EXPECT_EQ((std::vector<double>{mine.Get(), 1.0 * mine.hooks, distance->Get(), angle->Get()}),
            (std::vector<double>{std::atan2(4, 3), 2, std::sqrt(5.0), 3 * kPi / 2}));
  char* text = o.SomChar(nullptr);
  EXPECT_EQ(DT_Punkt(1, 2, 3).SomChar(nullptr), text);
  EXPECT_STREQ(text, "1.00,2.00,3.00");
  // Null arguments: a message and a code, and 0.0 delivered where the value would have gone.
  EXPECT_EQ(o.Lik(none, 1.0, 0), 0);
  EXPECT_EQ(o.ErrorKode(-9999), -1);
  EXPECT_TRUE(host.All().empty());
  // clang-format off
  const struct { DT_Double* (DT_Punkt::*op)(const DT_Punkt*, int, DT_Double*);
                 const char *text, *title; int code; } rows[] = {
      {&DT_Punkt::AvstandTil, "DT_Punkt::AvstandTil: Argument enPos=NULL.", "Message", 1},
      {&DT_Punkt::AngleTo, "DT_Punkt::AngleTo: Argument enPos=NULL.", "Critical ERROR", -1}};
  // clang-format on
  for (const auto& r : rows) {
    for (DT_Double* target : {static_cast<DT_Double*>(&mine), static_cast<DT_Double*>(nullptr)}) {
      host.Clear();
      o.ErrorKode(U);
      DT_Double* delivered = (o.*r.op)(none, 3, target);
      EXPECT_TRUE(delivered->Get() == 0.0 && (target == nullptr || delivered == target));
      EXPECT_EQ(o.ErrorKode(-9999), r.code);
      ASSERT_EQ(host.Count(), 1u);
      EXPECT_TRUE(host.Last().text == r.text && host.Last().title == r.title &&
                  host.Last().via == Shown::Via::ErrorBox);
    }
  }
}

TEST(DT_Punkt, TextForms) {
  // Shown decimals that cannot be shown (256, -5) are not kept. A format that would read anything
  // but up to three doubles is refused with an empty text.
  // clang-format off
  const struct { Xyz p; int shown; const char *fmt, *text; } rows[] = {
      {{1, 2.5, -3}, -1, nullptr, "1.00,2.50,-3.00"}, {{1, 2, 3}, 3, nullptr, "1.000,2.000,3.000"},
      {{1, 2, 3}, 0, nullptr, "1,2,3"}, {{1, 2, 3}, 256, nullptr, "1.00,2.00,3.00"},
      {{1, 2, 3}, -5, nullptr, "1.00,2.00,3.00"},
      {{100000.5, 6000000.25, 1}, -1, nullptr, "100000.50,6000000.25,1.00"},
      {{1, 2.5, -3}, -1, "X=%g Y=%g Z=%g", "X=1 Y=2.5 Z=-3"}, {{1, 2.5, -3}, -1, "%.1f;%.1f", "1.0;2.5"},
      {{1, 2.5, -3}, -1, "%%%.0f%%|%+.1Le|%5.1lf", "%1%|+2.5e+00| -3.0"},
      {{1, 2, 3}, -1, "%f %f %f %f", ""}, {{1, 2, 3}, -1, "%d,%d,%d", ""},
      {{1, 2, 3}, -1, "%f %s", ""}, {{1, 2, 3}, -1, "%*f", ""}, {{1, 2, 3}, -1, "%f %", ""}};
  // clang-format on
  for (const auto& r : rows) {
    DT_Punkt p(r.p.data());
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
  EXPECT_EQ(host.Last().text, "\nX=1.000000, Y=2.500000, Z= -3.000000");
  EXPECT_EQ(host.Last().via, Shown::Via::Printf);
}

TEST(DT_Punkt, LesPicksAndTransformerTranslatesThroughTheHost) {
  HostCapture host;
  CaptureAPI& api = host.Api();
  const DT_Punkt base(5, 6, 7);
  // The host's answer; the result, the point afterwards and the hooks. The host offers (7, 8, 9).
  // Any answer of 1 or more is a pick; -2 takes the default shown, the point as it was.
  // clang-format off
  const struct { int answer, result; Xyz after; int hooks; } rows[] = {
      {1, 1, {7, 8, 9}, 1}, {5100, 1, {7, 8, 9}, 1}, {-2, 1, {1, 2, 3}, 1},
      {0, 0, {1, 2, 3}, 0}, {-1, 0, {1, 2, 3}, 0}, {-3, 0, {1, 2, 3}, 0}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.answer);
    Spy p(1, 2, 3);
    api.picks = {{r.answer, {7, 8, 9}}};
    host.Clear();
    EXPECT_EQ(p.Les("Pick %s", 1, &base, 9), r.result);
    EXPECT_EQ(Of(p), r.after);
    EXPECT_EQ(p.hooks, r.hooks);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Pick %s", " <1.00,2.00,3.00>", " : "}));
    const CaptureAPI::PickCall& call = api.pickCalls.back();
    EXPECT_TRUE(call.hadBase && call.base == (std::array<double, 3>{5, 6, 7}) && call.flags == 1);
  }
  DT_Punkt p(1, 2, 3);
  host.Clear();
  EXPECT_EQ(p.Les(), 0);  // no prompt: nothing shown; no base; flag 0
  EXPECT_TRUE(host.All().empty() && !api.pickCalls.back().hadBase &&
              api.pickCalls.back().flags == 0);
  api.translateResult = 3;
  EXPECT_EQ(p.Transformer(-4, 12), 3);  // the numbers unchanged, the host's answer returned
  EXPECT_EQ(api.translateCalls.back(), (std::array<int, 2>{-4, 12}));
}

}  // namespace
