// The point list: interpolation, clipping, bounds, the nearest point, walking and copies.

#include "kx/containers/DT_PointList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
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
Xyz Of(const DT_Punkt& p) { return {p.x(), p.y(), p.z()}; }
Line Points(DT_PointList& l) {
  Line out;
  DT_Punkt* p = nullptr;
  for (l.AktiverForste(0); l.GetNeste(&p);) out.push_back(Of(*p));
  return out;
}

// Interpolates a step (the earlier point's y): the polyline forms and Klipp must call it.
struct StepList : DT_PointList {
  using DT_PointList::InterpolerMHP_X;
  int InterpolerMHP_X(DT_Punkt* out, DT_Punkt* a, DT_Punkt* b, DT_Double* x) override {
    return DT_PointList::InterpolerMHP_X(out, a, b, x) && out->Init(x->Get(), a->y(), 0.0);
  }
};

TEST(DT_PointList, Interpolates) {
  // The polyline, in y (else x), the value; the result, the last error code (99: untouched) and
  // out (-1, -1, -1 when untouched).
  const Line seg{{0, 0, 7}, {10, 5, 9}}, rev{{10, 5}, {0, 0}};
  // clang-format off
  const struct { Line line; bool inY; double v; Xyz want; } rows[] = {
      {rev, 0, 4, {1, 99, 4, 2, 0}}, {seg, 0, 0, {1, 99, 0, 0, 0}}, {rev, 0, 10, {1, 99, 10, 5, 0}},
      {seg, 0, 10.0000001, {0, -2, -1, -1, -1}}, {seg, 0, NAN, {0, -2, -1, -1, -1}},
      {rev, 1, 5, {1, 99, 10, 5, 0}}, {{{0, 2}, {10, 2}}, 1, 2, {0, 99, -1, -1, -1}},
      {{{3, 0}, {3, 5}}, 0, 3, {0, -2, -1, -1, -1}},  // a vertical segment never interpolates in x
      {{{0, 0}, {10, 10}, {0, 20}}, 0, 5, {1, 99, 5, 5, 0}}};  // the earliest crossing
  // clang-format on
  for (const auto& r : rows) {
    DT_PointList l;
    Fill(l, r.line);
    DT_Punkt out(-1, -1, -1);
    DT_Double v(r.v);
    l.ErrorKode(99);
    const int result = r.inY ? l.InterpolerMHP_Y(&out, &v) : l.InterpolerMHP_X(&out, &v);
    EXPECT_EQ((Xyz{1.0 * result, 1.0 * l.ErrorKode(-9999), out.x(), out.y(), out.z()}), r.want)
        << &r - rows;
  }
  DT_PointList l;
  DT_Punkt p;
  l.ErrorKode(99);
  EXPECT_EQ((Ints{l.InterpolerMHP_X(&p, &p, nullptr, nullptr), l.InterpolerMHP_Y(&p, nullptr),
                  l.ErrorKode(-9999), l.InterpolerMHP_X(&p, nullptr), l.ErrorKode(-9999)}),
            (Ints{0, 0, 99, 0, -1}));
}

TEST(DT_PointList, ClipsInXOnly) {
  const double five = 5, fifteen = 15, minus = -1, *none = nullptr;
  const Line steps{{0, 0, 1}, {1, 1, 1}, {2, 2, 1}};
  // clang-format off
  const struct { Line line; const double *low, *high; Line want; } rows[] = {
      {{{0, 0, 1}, {10, 10, 1}, {20, 20, 1}}, &five, &fifteen, {{5, 5, 0}, {10, 10, 1}, {15, 15, 0}}},
      {{{0, 0}, {2, 2}, {10, 10}}, &five, none, {{5, 5, 0}, {10, 10, 0}}},
      {{{0, 0}, {5, 5}, {10, 10}}, &five, none, {{5, 5, 0}, {5, 5, 0}, {10, 10, 0}}},
      {steps, &five, none, {steps[2]}},  // no segment reaches the limit: all but one point go
      {steps, none, &minus, {steps[0]}}, {steps, none, none, steps},
      {{{-2e8, 0}, {0, 0}, {1, 1}}, none, none, {{1, 1, 0}}}};  // null xLow: nothing interpolates
  // clang-format on
  for (const auto& r : rows) {
    for (int own : {0, 1}) {  // removed points are deleted either way (the sanitizers check)
      DT_PointList l(own);
      Fill(l, r.line);
      DT_Double low(r.low ? *r.low : 0.0), high(r.high ? *r.high : 0.0), y(1000);  // y ignored
      EXPECT_EQ(l.Klipp(r.low ? &low : nullptr, &y, r.high ? &high : nullptr, &y), 1);
      EXPECT_EQ(l.Aktiv(0), l.Siste(0));
      EXPECT_EQ(Points(l), r.want);
      l.SlettAlleIListen(1);
    }
  }
  EXPECT_EQ(DT_PointList().Klipp(nullptr, nullptr, nullptr, nullptr), 0);
  StepList s;
  Fill(s, {{0, 0}, {10, 10}, {20, 30}});
  DT_Punkt out;
  DT_Double x(15), low(5);
  EXPECT_EQ(s.InterpolerMHP_X(&out, &x) * out.y() + s.Klipp(&low, nullptr, nullptr, nullptr), 11);
  EXPECT_EQ(Points(s), (Line{{5, 0, 0}, {10, 10, 0}, {20, 30, 0}}));
}

TEST(DT_PointList, BoundsAndNearest) {
  DT_PointList l;
  DT_Double v[6];
  DT_Punkt target(1, 0, 0), result(7, 7, 7), far(7, 7, 7);
  DT_Int index(5);
  EXPECT_EQ((Ints{l.EkstremalPunkter(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]),
                  l.GetNearestTo(&target, &result, &index), l.ErrorKode(-9999),
                  l.GetNearestTo(nullptr, &result, &index), l.ErrorKode(-9999),
                  l.GetNearestTo(&target, nullptr, &index), l.ErrorKode(-9999), index.Get()}),
            (Ints{1, 0, -1, 0, -2, 0, -3, 5}));
  const double big = 9999999999.0;  // where each maximum starts (its minimum at -big)
  // A NaN never bounds (nor wins the nearest point); a null result is skipped.
  Fill(l, {{0, 0, 3}, {2, 0, -1}, {4, NAN, 9}, {NAN, -2, NAN}});
  EXPECT_EQ(l.EkstremalPunkter(&v[0], nullptr, &v[2], &v[3], &v[4], &v[5]), 1);
  EXPECT_EQ((Xyz{v[0].Get(), v[1].Get(), v[2].Get(), v[3].Get(), v[4].Get(), v[5].Get()}),
            (Xyz{0, -big, -2, 0, -1, 9}));
  // A tie in x-y (the earlier point wins, the cursor goes back to 1), NaN distances, no point near
  // enough (result unchanged, index -1).
  l.GetIndex(1, 0);
  DT_Punkt nanTarget(4, 0, 9), farTarget(1e13, 0, 0);
  EXPECT_EQ((Ints{l.GetNearestTo(&target, &result, &index, 1), index.Get(), l.Index(),
                  l.GetNearestTo(&nanTarget, &result, &index), index.Get(),
                  l.GetNearestTo(&farTarget, &far, &index), index.Get()}),
            (Ints{1, 0, 1, 1, 0, 1, -1}));
  EXPECT_EQ((Xyz{result.x(), result.z(), far.x()}), (Xyz{0, 3, 7}));
}

TEST(DT_PointList, WalksAndCopies) {
  DT_PointList a(0), c(0);
  const Line pts{{1, 2, 3}, {4, 5, 6}};
  Fill(a, pts);
  DT_Punkt *p = nullptr, mine, out;
  EXPECT_EQ((Ints{a.GetNeste(nullptr), a.GetIndex(nullptr, 0), a.GetIndex(&p, 2), a.GetIndex(&p, 1),
                  a.GetForrige(&p), a.GetForrige(&p), a.GetForrige(&p), a.Index()}),
            (Ints{0, 0, 0, 1, 1, 1, 0, 0}));  // back from 1 to 0, then off the list
  EXPECT_EQ(p->x(), 1);
  a.ClassType(42);
  a.GetIndex(1, 0);
  DT_PointList b(a);  // b owns copies of points a does not own
  static_cast<DT_Punkt*>(a.Forste(0))->Init(9, 9, 9);
  EXPECT_EQ((Ints{b.AutoSlett(), b.ClassType(), a.Index(), b.Index()}), (Ints{1, 42, 1, 0}));
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
  EXPECT_EQ(std::string(a.KlasseNavn()) + std::to_string(a.KlasseType()), "DT_PointList-1");
}

}  // namespace
