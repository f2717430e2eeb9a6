// The point list: interpolation and clipping (data/containers/pointlist.cases), bounds, the
// nearest point, walking and copies.

#include "kx/containers/DT_PointList.h"

#include <gtest/gtest.h>

#include <vector>

#include "kx/containers/DT_Node.h"
#include "kx/numbers/DT_Int.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

void Fill(DT_PointList& l, const std::vector<double>& xyz) {
  for (std::size_t i = 0; i + 2 < xyz.size(); i += 3) l.LeggTil(new DT_Punkt(&xyz[i]));
}
std::vector<double> Points(DT_PointList& l) {
  std::vector<double> out;
  DT_Punkt* p = nullptr;
  for (l.AktiverForste(0); l.GetNeste(&p);) out.insert(out.end(), {p->x(), p->y(), p->z()});
  return out;
}

// Interpolates a step (the earlier point's y): the polyline forms and Klipp must call it.
struct StepList : DT_PointList {
  using DT_PointList::InterpolerMHP_X;
  int InterpolerMHP_X(DT_Punkt* out, DT_Punkt* a, DT_Punkt* b, DT_Double* x) override {
    return DT_PointList::InterpolerMHP_X(out, a, b, x) && out->Init(x->Get(), a->y(), 0.0);
  }
};

TEST(DT_PointList, InterpolatesAndClipsInXOnly) {
  for (const Row& r : Table("containers/pointlist.cases", "interp")) {
    DT_PointList l;
    Fill(l, r.Ds(0));
    DT_Punkt out(-1, -1, -1);
    DT_Double v(r.D(1, 1));
    l.ErrorKode(U);
    const int result = r.S(1, 0) == "y" ? l.InterpolerMHP_Y(&out, &v) : l.InterpolerMHP_X(&out, &v);
    EXPECT_EQ((Values{result, l.ErrorKode(-9999), out.x(), out.y(), out.z()}),
              (Values{r.D(2, 0), r.S(2, 1) == "-" ? U : r.D(2, 1), r.D(2, 2), r.D(2, 3), r.D(2, 4)}))
        << r.where;
  }
  DT_PointList l;
  DT_Punkt p;
  l.ErrorKode(U);
  EXPECT_EQ((Values{l.InterpolerMHP_X(&p, &p, nullptr, nullptr), l.InterpolerMHP_Y(&p, nullptr),
                    l.ErrorKode(-9999), l.InterpolerMHP_X(&p, nullptr), l.ErrorKode(-9999),
                    l.Klipp(nullptr, nullptr, nullptr, nullptr)}),
            (Values{0, 0, U, 0, -1, 0}));
  for (const Row& r : Table("containers/pointlist.cases", "clip")) {
    for (int own : {0, 1}) {  // removed points are deleted either way (the sanitizers check)
      DT_PointList list(own);
      Fill(list, r.Ds(0));
      const auto limit = [&r](int w) { return r.S(1, w) == "-" ? DT_Double(kNaN) : DT_Double(r.D(1, w)); };
      DT_Double low = limit(0), high = limit(1), y(1000);  // y is ignored
      EXPECT_EQ(list.Klipp(r.S(1, 0) == "-" ? nullptr : &low, &y, r.S(1, 1) == "-" ? nullptr : &high, &y), 1);
      EXPECT_EQ(list.Aktiv(0), list.Siste(0)) << r.where;
      EXPECT_EQ(Points(list), r.Ds(2)) << r.where;
      list.SlettAlleIListen(1);
    }
  }
  StepList s;
  Fill(s, {0, 0, 0, 10, 10, 0, 20, 30, 0});
  DT_Punkt out;
  DT_Double x(15), low(5);
  EXPECT_EQ(s.InterpolerMHP_X(&out, &x) * out.y() + s.Klipp(&low, nullptr, nullptr, nullptr), 11);
  EXPECT_EQ(Points(s), (std::vector<double>{5, 0, 0, 10, 10, 0, 20, 30, 0}));
}

TEST(DT_PointList, BoundsAndNearest) {
  DT_PointList l;
  DT_Double v[6];
  DT_Punkt target(1, 0, 0), result(7, 7, 7), far(7, 7, 7);
  DT_Int index(5);
  EXPECT_EQ((Values{l.EkstremalPunkter(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]),
                    l.GetNearestTo(&target, &result, &index), l.ErrorKode(-9999),
                    l.GetNearestTo(nullptr, &result, &index), l.ErrorKode(-9999),
                    l.GetNearestTo(&target, nullptr, &index), l.ErrorKode(-9999), index.Get()}),
            (Values{1, 0, -1, 0, -2, 0, -3, 5}));
  // A NaN never bounds (nor wins the nearest point); a null result is skipped. Each maximum starts
  // at -9999999999, each minimum at 9999999999.
  Fill(l, {0, 0, 3, 2, 0, -1, 4, kNaN, 9, kNaN, -2, kNaN});
  EXPECT_EQ(l.EkstremalPunkter(&v[0], nullptr, &v[2], &v[3], &v[4], &v[5]), 1);
  EXPECT_EQ((Values{v[0].Get(), v[1].Get(), v[2].Get(), v[3].Get(), v[4].Get(), v[5].Get()}),
            (Values{0, -9999999999.0, -2, 0, -1, 9}));
  // A tie in x-y (the earlier point wins, the cursor goes back to 1), NaN distances, no point near
  // enough (result unchanged, index -1).
  l.GetIndex(1, 0);
  DT_Punkt nanTarget(4, 0, 9), farTarget(1e13, 0, 0);
  EXPECT_EQ((Values{l.GetNearestTo(&target, &result, &index, 1), index.Get(), l.Index(),
                    l.GetNearestTo(&nanTarget, &result, &index), index.Get(),
                    l.GetNearestTo(&farTarget, &far, &index), index.Get(), result.x(), result.z(),
                    far.x()}),
            (Values{1, 0, 1, 1, 0, 1, -1, 0, 3, 7}));
}

TEST(DT_PointList, WalksAndCopies) {
  DT_PointList a(0), c(0);
  const std::vector<double> pts = {1, 2, 3, 4, 5, 6};
  Fill(a, pts);
  DT_Punkt *p = nullptr, mine, out;
  EXPECT_EQ((Values{a.GetNeste(nullptr), a.GetIndex(nullptr, 0), a.GetIndex(&p, 2),
                    a.GetIndex(&p, 1), a.GetForrige(&p), a.GetForrige(&p), a.GetForrige(&p),
                    a.Index(), p->x()}),
            (Values{0, 0, 0, 1, 1, 1, 0, 0, 1}));  // back from 1 to 0, then off the list
  a.ClassType(42);
  a.GetIndex(1, 0);
  DT_PointList b(a);  // b owns copies of points a does not own
  static_cast<DT_Punkt*>(a.Forste(0))->Init(9, 9, 9);
  EXPECT_EQ((Values{b.AutoSlett(), b.ClassType(), a.Index(), b.Index()}), (Values{1, 42, 1, 0}));
  EXPECT_EQ(Points(b), pts);
  c.LeggTil(&mine);
  c = b;  // drops mine without deleting it, and owns its copies
  DT_PointList& alias = c;
  c = alias;
  EXPECT_EQ((Values{c.Init(nullptr), c.ErrorKode(-9999), c.Init(&c), c.Init(&b), c.AutoSlett(),
                    b.Aktiv(0) == nullptr}),
            (Values{0, -1, 1, 1, 1, 1}));  // c doubled itself, then took b's; b's cursor is off
  b = c;                                   // an owning list deletes its old points
  EXPECT_EQ(Points(b).size(), 18u);
  auto* node = static_cast<DT_Node*>(c.Forste(1));  // a node with no point is passed over
  delete node->GetDette();
  node->SetDette(nullptr);
  DT_Double minX, x(1), high(0);
  DT_Int index;
  c.AktiverForste(0);
  EXPECT_EQ((Values{c.GetNeste(&p), p == nullptr, a.Init(&c), a.Antall(),
                    c.EkstremalPunkter(&minX, 0, 0, 0, 0, 0), minX.Get(),
                    c.GetNearestTo(&mine, &out, &index), index.Get(), c.InterpolerMHP_X(&out, &x),
                    out.y(), c.Klipp(nullptr, nullptr, &high, nullptr), c.Antall()}),
            (Values{1, 1, 1, 7, 1, 1, 1, 2, 1, 2, 1, 1}));
  a.SlettAlleIListen(1);
}

}  // namespace
