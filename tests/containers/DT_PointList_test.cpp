// The point list: interpolation, clipping, bounds, the nearest point, walking and copies.

#include "kx/containers/DT_PointList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"

namespace {

using Xyz = std::vector<double>;
using Line = std::vector<Xyz>;
using Ints = std::vector<int>;  // a braced list evaluates its calls in order

void Fill(DT_PointList& l, const Line& points) {
  for (const Xyz& p : points) l.LeggTil(new DT_Punkt(p[0], p[1], p.size() > 2 ? p[2] : 0.0));
}
Xyz Of(const DT_Punkt* p) { return {p->x(), p->y(), p->z()}; }
Line Points(DT_PointList& l) {
  Line out;
  DT_Punkt* p = nullptr;
  for (l.AktiverForste(0); l.GetNeste(&p);) out.push_back(Of(p));
  return out;
}

TEST(DT_PointList, Interpolates) {
  // The polyline, in y (else x), the value, the result (empty: 0 and out untouched), the last
  // error code afterwards (99: untouched).
  // clang-format off
  struct Row { Line line; bool inY; double v; Xyz want; int code; };
  const Line seg{{0, 0, 7}, {10, 5, 9}}, rev{{10, 5}, {0, 0}}, flat{{0, 2}, {10, 2}};
  const Row rows[] = {
      {seg, 0, 4, {4, 2, 0}, 99},     {rev, 0, 4, {4, 2, 0}, 99},    {seg, 0, 0, {0, 0, 0}, 99},
      {rev, 0, 10, {10, 5, 0}, 99},   {seg, 0, 10.0000001, {}, -2},  {seg, 0, NAN, {}, -2},
      {flat, 1, 2, {}, 99},           {flat, 0, 5, {5, 2, 0}, 99},   {rev, 1, 5, {10, 5, 0}, 99},
      {{{3, 0}, {3, 5}}, 0, 3, {}, -2}, {{{1, 1}}, 0, 1, {}, -2},    {{{1, 1}}, 1, 1, {}, 99},
      {{{0, 0}, {10, 10}, {20, 0}}, 1, 5, {5, 5, 0}, 99},  // the earliest crossing wins
      {{{0, 0}, {10, 10}, {0, 20}}, 0, 5, {5, 5, 0}, 99}};
  // clang-format on
  for (const Row& r : rows) {
    DT_PointList l;
    Fill(l, r.line);
    DT_Punkt out(-1, -1, -1);
    DT_Double v(r.v);
    l.ErrorKode(99);
    EXPECT_EQ(r.inY ? l.InterpolerMHP_Y(&out, &v) : l.InterpolerMHP_X(&out, &v), !r.want.empty());
    EXPECT_EQ(Of(&out), (r.want.empty() ? Xyz{-1, -1, -1} : r.want)) << r.v;
    EXPECT_EQ(l.ErrorKode(-9999), r.code) << r.v;
  }
  DT_PointList l;
  DT_Punkt p;
  l.ErrorKode(99);
  EXPECT_EQ((Ints{l.InterpolerMHP_X(&p, &p, nullptr, nullptr), l.InterpolerMHP_Y(&p, nullptr),
                  l.ErrorKode(-9999), l.InterpolerMHP_X(&p, nullptr), l.ErrorKode(-9999)}),
            (Ints{0, 0, 99, 0, -1}));
}

// Interpolates a step (the first point's y): the polyline forms and Klipp must use it.
struct StepList : DT_PointList {
  using DT_PointList::InterpolerMHP_X;
  int InterpolerMHP_X(DT_Punkt* out, const DT_Punkt* a, const DT_Punkt* b,
                      const DT_Double* x) override {
    return DT_PointList::InterpolerMHP_X(out, a, b, x) && out->Init(x->Get(), a->y(), 0.0);
  }
};

TEST(DT_PointList, ClipsInXOnly) {
  const double five = 5, fifteen = 15, minus = -1, *none = nullptr;
  const Line steps{{0, 0, 1}, {1, 1, 1}, {2, 2, 1}};
  // clang-format off
  const struct { Line line; const double *low, *high; Line want; } rows[] = {
      {{{0, 0, 1}, {10, 10, 1}, {20, 20, 1}}, &five, &fifteen, {{5, 5, 0}, {10, 10, 1}, {15, 15, 0}}},
      {{{0, 0}, {2, 2}, {10, 10}}, &five, none, {{5, 5, 0}, {10, 10, 0}}},
      {{{0, 0}, {5, 5}, {10, 10}}, &five, none, {{5, 5, 0}, {5, 5, 0}, {10, 10, 0}}},
      {steps, &five, none, {steps[2]}},  // no segment reaches the limit: all but one point go
      {steps, none, &minus, {steps[0]}}, {steps, none, none, steps}, {{{-3, 0}}, &five, &minus, {{-3, 0, 0}}},
      {{{-2e8, 0}, {0, 0}, {1, 1}}, none, none, {{1, 1, 0}}}};  // null xLow: nothing interpolates
  // clang-format on
  for (const auto& r : rows) {
    for (int own : {0, 1}) {  // removed points are deleted either way (the sanitizers check)
      DT_PointList l(own);
      Fill(l, r.line);
      DT_Double low(r.low ? *r.low : 0.0), high(r.high ? *r.high : 0.0), y(1000);  // y ignored
      EXPECT_EQ(l.Klipp(r.low ? &low : nullptr, &y, r.high ? &high : nullptr, &y), 1);
      EXPECT_EQ(Points(l), r.want);
      l.SlettAlleIListen(1);
    }
  }
  EXPECT_EQ(DT_PointList().Klipp(nullptr, nullptr, nullptr, nullptr), 0);
  StepList s;
  Fill(s, {{0, 0}, {10, 10}, {20, 30}});
  DT_Punkt out;
  DT_Double x(15), low(5);
  EXPECT_EQ(s.InterpolerMHP_X(&out, &x) * out.y(), 10);
  EXPECT_EQ(s.Klipp(&low, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(Points(s), (Line{{5, 0, 0}, {10, 10, 0}, {20, 30, 0}}));
}

TEST(DT_PointList, BoundsAndNearest) {
  DT_PointList l;
  DT_Double v[6];
  EXPECT_EQ(l.EkstremalPunkter(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 1);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(v[i].Get(), i % 2 ? -9999999999.0 : 9999999999.0);
  DT_Punkt target(1, 0, 0), result(7, 7, 7);
  DT_Int index(5);
  EXPECT_EQ((Ints{l.GetNearestTo(&target, &result, &index), l.ErrorKode(-9999),
                  l.GetNearestTo(nullptr, &result, &index), l.ErrorKode(-9999),
                  l.GetNearestTo(&target, nullptr, &index), l.ErrorKode(-9999), index.Get()}),
            (Ints{0, -1, 0, -2, 0, -3, 5}));

  Fill(l, {{0, 0, 3}, {2, 0, -1}, {4, NAN, 9}});
  EXPECT_EQ(l.EkstremalPunkter(&v[0], nullptr, nullptr, &v[3], &v[4], &v[5]), 1);
  EXPECT_EQ((Xyz{v[0].Get(), v[3].Get(), v[4].Get(), v[5].Get()}), (Xyz{0, 0, -1, 9}));
  l.GetIndex(1, 0);
  // A tie in x-y (the earlier point wins, the cursor goes back to 1), a NaN distance (never wins),
  // no point near enough (result unchanged, index -1).
  DT_Punkt nanTarget(4, 0, 9), farTarget(1e13, 0, 0), far(7, 7, 7);
  EXPECT_EQ((Ints{l.GetNearestTo(&target, &result, &index, 1), index.Get(), l.Index(),
                  l.GetNearestTo(&nanTarget, &result, &index), index.Get(),
                  l.GetNearestTo(&farTarget, &far, &index), index.Get()}),
            (Ints{1, 0, 1, 1, 0, 1, -1}));
  EXPECT_EQ((Xyz{result.x(), result.z(), far.x()}), (Xyz{0, 3, 7}));
}

TEST(DT_PointList, WalksAndCopies) {
  DT_PointList a(0);
  const Line pts{{1, 2, 3}, {4, 5, 6}};
  Fill(a, pts);
  DT_Punkt *p = nullptr, mine, out;
  EXPECT_EQ(a.GetNeste(nullptr) + a.GetIndex(nullptr, 0) + a.GetIndex(&p, 2), 0);
  EXPECT_EQ(a.GetIndex(1, 0), a.Siste(0));  // the base list's positional access
  EXPECT_EQ(a.GetForrige(&p) + a.GetForrige(&p) + a.GetForrige(&p), 2);
  EXPECT_EQ(p->x() + a.Index(), 1);

  a.ClassType(42);
  a.GetIndex(1, 0);
  DT_PointList b(a), c(0);  // b owns copies of points a does not own
  EXPECT_EQ((Xyz{1.0 * b.AutoSlett(), 1.0 * b.ClassType(), 1.0 * a.Index()}), (Xyz{1, 42, 1}));
  static_cast<DT_Punkt*>(a.Forste(0))->Init(9, 9, 9);
  EXPECT_EQ(Points(b), pts);
  c.LeggTil(&mine);
  c = b;  // drops mine without deleting it, and owns its copies
  DT_PointList& alias = c;
  c = alias;
  EXPECT_EQ((Ints{c.Init(nullptr), c.ErrorKode(-9999), c.Init(&c), c.Init(&b), c.AutoSlett(),
                  b.Aktiv(0) == nullptr}),
            (Ints{0, -1, 1, 1, 1, 1}));  // c doubled itself, then took b's; b's cursor is off
  b = c;                                 // an owning list deletes its old points
  EXPECT_EQ(Points(b), (Line{pts[0], pts[1], pts[0], pts[1], pts[0], pts[1]}));

  auto* node = static_cast<DT_Node*>(c.Forste(1));  // a node with no point is passed over
  delete node->GetDette();
  node->SetDette(nullptr);
  DT_Double minX, x(1), high(0);
  DT_Int index;
  c.AktiverForste(0);
  EXPECT_EQ((Ints{c.GetNeste(&p), a.Init(&c), c.EkstremalPunkter(&minX, 0, 0, 0, 0, 0),
                  c.GetNearestTo(&mine, &out, &index), c.InterpolerMHP_X(&out, &x),
                  c.Klipp(nullptr, nullptr, &high, nullptr), c.Antall()}),
            (Ints{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ((Xyz{1.0 * (p == nullptr), 1.0 * a.Antall(), minX.Get(), 1.0 * index.Get(), out.y()}),
            (Xyz{1, 7, 1, 2, 2}));
  a.SlettAlleIListen(1);
}

}  // namespace
