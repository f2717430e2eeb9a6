// QP_LinjePaalegg: heights against the numeric case file, against the closed form on random
// profiles and against the walk on the geometry objects (bit for bit, code for code, also on
// broken profiles); the codes and the cursor; the tangent points, the curve check and the element
// classes on their worked examples.

#include "kx/profile/QP_LinjePaalegg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "kx/foundation/FlatExports.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/geometry/B_Linje.h"
#include "kx/profile/ProfileQueries.h"
#include "kx/numbers/DT_Float.h"
#include "kx/numbers/DT_Longint.h"
#include "kx/profile/QP_Linjeidentitet.h"
#include "profile/B_Linje2.h"
#include "profile/B_Sirkel2.h"
#include "support/ElementHeights.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/RandomProfile.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

constexpr CurveShape kCircular = CurveShape::Circular, kParabolic = CurveShape::Parabolic;

int LastCode() { return HovedObjekt().ErrorKode(-9999); }

std::unique_ptr<QP_LinjePaalegg> Make(const std::vector<ProfileVertex>& v, CurveShape shape) {
  auto p = std::make_unique<QP_LinjePaalegg>();
  for (const ProfileVertex& x : v) p->LeggTil(new DT_Punkt(x.x, x.y, x.r));
  p->Modes(shape == kParabolic ? 1 : 0, 3);
  return p;
}

// HoydeIProfil at x: the result, the height (-7 when untouched) and the last error code. Held to
// the walk on the geometry objects (the same result, bits, code and cursor), and never a height
// that is no number.
Values Ask(QP_LinjePaalegg& p, double x) {
  DT_Double height(-7.0), walked(-7.0);
  const DT_Double at(x);
  const int result = p.HoydeIProfil(&height, &at), code = LastCode(), index = p.Index();
  HovedObjekt* const cursor = p.Aktiv(1);
  const int walkResult = kx::test::HeightWithElements(p, &walked, &at);
  const double h = height.Get(), w = walked.Get();
  EXPECT_TRUE(result == walkResult && code == LastCode() && std::memcmp(&h, &w, sizeof h) == 0 &&
              cursor == p.Aktiv(1) && index == p.Index())
      << "x=" << x << ": " << result << " " << h << " code " << code << " cursor " << index
      << ", objects " << walkResult << " " << w << " code " << LastCode() << " cursor " << p.Index();
  EXPECT_FALSE(result == 1 && !std::isfinite(h)) << "x=" << x;
  return {result, h, code};
}

// GetMaxMinHeigth with the arguments given (nullopt: left out; outputs false: both outputs null):
// ok with the lowest and highest height, and the last error code.
using Arg = std::optional<double>;
struct Answer {
  bool ok;
  std::vector<double> values;
  int code;
};
Answer Scan(QP_LinjePaalegg& p, Arg from, Arg to, Arg step, bool outputs = true) {
  const DT_Double f(from.value_or(0)), t(to.value_or(0)), s(step.value_or(0));
  DT_Double lo, hi;
  const int result = p.GetMaxMinHeigth(outputs ? &lo : nullptr, outputs ? &hi : nullptr,
                                       from ? &f : nullptr, to ? &t : nullptr, step ? &s : nullptr);
  return {result == 1, {lo.Get(), hi.Get()}, LastCode()};
}

void ExpectNear(const std::vector<double>& got, const std::vector<double>& expected, double t) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], t) << i;
}

// The cases of heights.cases (its format is described at its top), each line on one profile of the
// case per shape, asked in file order.
TEST(QP_LinjePaalegg, HeightsAgreeWithTheCaseFile) {
  std::vector<ProfileVertex> v;
  std::vector<CurveShape> shapes;
  std::vector<std::unique_ptr<QP_LinjePaalegg>> profiles;  // built at the case's first check
  double tolerance = 0.0;
  int run = 0;
  for (const Row& r : Table("profile/heights.cases")) {
    if (r.kind == "case") v.clear(), shapes.clear(), profiles.clear(), tolerance = 0.0;
    if (r.kind == "mode" && r.S(0) != "parabolic") shapes.push_back(kCircular);
    if (r.kind == "mode" && r.S(0) != "circular") shapes.push_back(kParabolic);
    if (r.kind == "vertex") v.push_back({r.D(0, 0), r.D(0, 1), r.D(0, 2)});
    if (r.kind == "tolerance") tolerance = r.D(0);
    if (r.kind != "height" && r.kind != "range") continue;
    if (profiles.empty()) {
      for (CurveShape shape : shapes) profiles.push_back(Make(v, shape));
    }
    // The words before the expectation: X, or FROM TO STEP ('-' leaves one out).
    const std::size_t at = r.kind == "range" ? 3 : 1, count = at == 3 ? 2 : 1;
    const auto arg = [&r](std::size_t w) { return r.S(0, w) == "-" ? std::nullopt : Arg(r.D(0, w)); };
    ASSERT_FALSE(profiles.empty()) << r.where << ": no mode";
    for (const auto& p : profiles) {
      SCOPED_TRACE(r.where + (p->Modes(1, 1) != 0 ? " parabolic" : " circular"));
      const Values h = at == 1 ? Ask(*p, r.D(0, 0)) : Values{};
      const Answer a = at == 3 ? Scan(*p, arg(0), arg(1), arg(2)) : Answer{h[0] == 1, {h[1].v}, int(h[2].v)};
      const double t = r.Words(0) > at + count ? r.D(0, at + count) : tolerance;
      ++run;
      if (r.S(0, at) == "fails") {
        EXPECT_TRUE(!a.ok && a.code == r.I(0, at + 1)) << "code " << a.code;
        continue;
      }
      EXPECT_TRUE(a.ok && t > 0.0) << "code " << a.code;
      for (std::size_t i = 0; i < count; ++i) EXPECT_NEAR(a.values[i], r.D(0, at + i), t);
    }
  }
  EXPECT_GT(run, 200);
}

// Random profiles in both shapes: at the ends, vertices, tangent points (and 1e-6 either side) and
// random chainages the heights agree with the closed form to 1e-9 relative, and bit for bit with
// the objects; a random scan agrees with the closed form's.
TEST(QP_LinjePaalegg, RandomProfilesAgreeWithTheClosedFormAndTheObjects) {
  const auto near = [](double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
  };
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    RandomSource random(seed);
    const std::vector<ProfileVertex> v = RandomProfile(random);
    for (CurveShape shape : {kCircular, kParabolic}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + (shape == kCircular ? " circular" : " parabolic"));
      ClosedFormProfile closed;
      ASSERT_TRUE(closed.Build(v, shape));
      auto p = Make(v, shape);
      std::vector<double> xs = SampleChainages(closed, v, random, 30);
      std::sort(xs.begin(), xs.end());  // the batch below, in order, reads the table's spans
      std::vector<kx::HeightAt> batch(xs.size());
      kx::ProfileHeights(*p, xs.data(), xs.size(), batch.data());
      for (std::size_t i = 0; i < xs.size(); ++i) {
        const double x = xs[i];
        double expected = 0.0;
        ASSERT_TRUE(closed.Height(x, &expected));
        const Values a = Ask(*p, x);
        EXPECT_TRUE(a[0].v == 1 && near(a[1].v, expected)) << "x=" << x << ": " << a[1] << " code "
                                                           << a[2] << ", closed form " << expected;
        EXPECT_TRUE(std::memcmp(&batch[i].height, &a[1].v, sizeof(double)) == 0) << "batch at " << x;
      }
      const double from = random.Uniform(v.front().x, v.back().x);
      const double to = random.Uniform(from + 1, v.back().x + 1);
      const double step = random.LogUniform(0.5, 500);
      double lo = 0.0, hi = 0.0;
      if (to > v.back().x || !closed.MinMax(from, to, step, &lo, &hi)) continue;
      const Answer scan = Scan(*p, from, to, step);
      EXPECT_TRUE(scan.ok && near(scan.values[0], lo) && near(scan.values[1], hi))
          << "scan " << from << " " << to << " " << step << ": code " << scan.code;
    }
    ASSERT_FALSE(HasFailure());
  }
}

// Vertices out of chainage order, repeated chainages, negative radii, NaN and infinite values,
// equal grades at curved vertices: whatever the walk on the geometry objects gives, the engine
// gives too (Ask), and -6 only where a vertex is no number.
TEST(QP_LinjePaalegg, BrokenProfilesBehaveAsTheObjectsDo) {
  const double odd[] = {kNaN, kInf, -1000.0, 0.0, 1e-10};
  int minusSix = 0;
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    RandomSource random(seed);
    std::vector<ProfileVertex> v = RandomProfile(random, random.Int(3, 8));
    std::vector<double> xs = {v.front().x - 1, v.back().x + 1, kNaN};
    for (int k = 0; k < 40; ++k) xs.push_back(random.Uniform(v.front().x, v.back().x));
    const auto any = [&] { return static_cast<std::size_t>(random.Int(0, int(v.size()) - 1)); };
    for (int k = random.Int(1, 3); k > 0; --k) {
      const std::size_t i = any();
      ProfileVertex& at = v[i];
      const int kind = random.Int(0, 5);
      if (kind == 0) std::swap(at, v[any()]);
      if (kind == 1) at.r = -at.r - 500;
      if (kind == 2) at.x = random.Chance(0.5) ? v[0].x : odd[random.Int(0, 1)];
      if (kind == 3 || kind == 4) (random.Chance(0.5) ? at.y : at.r) = odd[random.Int(0, 4)];
      if (kind == 5 && i > 0 && i + 1 < v.size()) {  // equal grades on both sides of a curve
        at = {(v[i - 1].x + v[i + 1].x) / 2, (v[i - 1].y + v[i + 1].y) / 2, at.r + 1000};
      }
    }
    const bool noNumber = std::any_of(v.begin(), v.end(), [](const ProfileVertex& vertex) {
      return !std::isfinite(vertex.x) || !std::isfinite(vertex.y);
    });
    for (const ProfileVertex& vertex : v) xs.push_back(vertex.x);
    for (CurveShape shape : {kCircular, kParabolic}) {
      auto p = Make(v, shape);
      for (double x : xs) {
        const bool six = Ask(*p, x)[2] == -6;
        minusSix += six;
        EXPECT_TRUE(!six || noNumber) << "x=" << x;
      }
    }
    ASSERT_FALSE(HasFailure()) << "seed " << seed;
  }
  EXPECT_GT(minusSix, 0);
}

// A profile whose Sorter orders the vertices by chainage: Sorter exchanges objects between nodes.
class SortingProfile : public QP_LinjePaalegg {
  int SorterObj(HovedObjekt* a, HovedObjekt* b, int) override {
    return a != nullptr && b != nullptr && static_cast<DT_Punkt*>(a)->x() > static_cast<DT_Punkt*>(b)->x();
  }
};

// A host whose transformation moves the point up, and whose failed pick leaves what it wrote.
struct MovingHost : KxBasicAPI {
  int API_TranslatePoint(double* p, int, int) override { return p[1] += 1.5, 1; }
  int API_PickPoint(double* p, char*, double*, unsigned long) override { return p[0] += 0.25, 0; }
};

// Random edits of every kind between queries; every height, code and cursor (and the batch) is
// held to the uncached walk on the objects, every scan to a fresh copy's.
TEST(QP_LinjePaalegg, TheCurveTableFollowsEveryEdit) {
  MovingHost host;
  const std::intptr_t previous = DOVERO01_GetSystemLong(2);
  DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&host)));
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    RandomSource random(seed);
    auto p = std::make_unique<SortingProfile>();
    for (const ProfileVertex& v : RandomProfile(random, random.Int(2, 8))) p->LeggTil(new DT_Punkt(v.x, v.y, v.r));
    p->Modes(random.Int(0, 1), kx::kModesReplace);
    double* held = nullptr;  // a vertex's array handed out in an earlier round
    for (int round = 0; round < 8; ++round) {
      const int n = p->Antall();
      const auto at = [&] { return random.Int(0, std::max(n - 1, 0)); };
      DT_Punkt* pt = n > 0 ? static_cast<DT_Punkt*>(p->GetIndex(at(), 0)) : nullptr;
      const double x0 = n > 0 && pt != nullptr ? pt->x() : 100.0, dx = random.Uniform(-300, 300);
      DT_Nodeliste* list = p.get();
      DT_PointList* points = p.get();
      auto* node = n > 0 ? static_cast<DT_Node*>(p->GetIndex(at(), 1)) : nullptr;
      const int kind = random.Int(0, 23);
      if (held != nullptr) held[1] += 0.3;  // no notice
      if (kind == 2 || kind == 3 || kind == 4 || kind == 9 || kind == 20 || kind == 21 || kind == 22) held = nullptr;
      if (kind == 0 || n < 2) p->LeggTil(new DT_Punkt(x0 + std::fabs(dx), random.Uniform(0, 500), random.Chance(0.5) ? 0 : 2000));
      if (kind == 1) list->Insert(new DT_Punkt(x0 + dx, random.Uniform(0, 500), random.Chance(0.5) ? 0 : random.LogUniform(300, 30000)), at());
      if (kind == 2) delete list->GetIndex(at(), 0), list->SlettIndex(p->Index());
      if (kind == 3 && pt != nullptr) points->SlettObjekt(pt);
      if (kind == 4) p->Aktiver(at()), delete p->TaUtAktiv(), delete p->TaUtForste();
      if (kind == 5) list->Sorter(1);
      if (kind == 6) {
        auto* other = new DT_PointList;
        other->LeggTil(new DT_Punkt(x0 + 5000, 10, 0));
        list->LeggTil(other, 0);
      }
      if (kind == 7) {
        DT_PointList other;
        other.LeggTil(new DT_Punkt(x0 - 50, 20, 500));
        points->Init(&other);
      }
      if (kind == 8 && node != nullptr && node->GetNeste() != nullptr) {  // two nodes exchange points
        auto* next = static_cast<DT_Node*>(node->GetNeste());
        HovedObjekt* o = node->GetDette();
        node->SetDette(next->GetDette()), next->SetDette(o);
      }
      if (kind == 9 && node != nullptr) delete node->GetDette(), node->SetDette(nullptr);
      if (kind == 10 && node != nullptr) node->SetNeste(node->GetNeste()), node->SetForrige(node->GetForrige());
      if (pt != nullptr) {
        const DT_Double v(x0 + dx / 100);
        if (kind == 11) pt->Init(x0 + dx / 50, random.Uniform(0, 500), pt->z());
        if (kind == 12) random.Chance(0.5) ? pt->InitRel(0, 0.5, 100) : pt->InitPolar(0.1, dx, nullptr);
        if (kind == 13) (random.Chance(0.5) ? pt->x(&v) : pt->z(&v)), pt->y(&v);
        if (kind == 14) *pt = DT_Punkt(x0, dx, 0);
        if (kind == 15) (*pt->Get())[1] += 0.5, (*pt)[2] = random.Chance(0.2) ? kNaN : 800;
        if (kind == 16) held = *pt->Get();
        if (kind == 17) pt->Transformer(1, 2);
        if (kind == 18 && pt->Les() != 0) ADD_FAILURE() << "a failed pick";
      }
      if (kind == 19) p->Modes(random.Int(0, 1), random.Int(2, 3));
      if (kind == 20) p = std::make_unique<SortingProfile>(*p);
      if (kind == 21) {
        SortingProfile other;
        other.LeggTil(new DT_Punkt(0, 1, 0)), other.LeggTil(new DT_Punkt(100, 2, 1000)), other.LeggTil(new DT_Punkt(dx + 400, 0, 0));
        *p = random.Chance(0.5) ? other : SortingProfile(*p);
      }
      if (kind == 22) {
        DT_Double low(x0 - 10), high(x0 + 900);
        points->Klipp(&low, nullptr, &high, nullptr);
      }
      // kind 23: no edit, the table stays.
      std::vector<double> xs = {random.Uniform(x0 - 500, x0 + 3000), x0 + 1e-6, x0 - 1e-6, random.Uniform(x0 - 50, x0 + 50)};
      std::vector<kx::HeightAt> batch(xs.size());
      p->HovedObjekt::ErrorKode(77);
      HovedObjekt* const before = p->Aktiv(1);
      kx::ProfileHeights(*p, xs.data(), xs.size(), batch.data());
      ASSERT_TRUE(LastCode() == 77 && p->Aktiv(1) == before) << "the batch moved the cursor or code";
      for (std::size_t i = 0; i < xs.size(); ++i) {
        const Values a = Ask(*p, xs[i]);
        EXPECT_TRUE(a[0] == 1 ? batch[i].status == kx::HeightStatus::Ok && batch[i].height == a[1].v
                              : batch[i].status != kx::HeightStatus::Ok && std::isnan(batch[i].height));
      }
      if (random.Chance(0.2) && n >= 2) {
        SortingProfile fresh(*p);
        const double from = random.Uniform(x0 - 200, x0), to = from + random.Uniform(1, 2000), step = random.LogUniform(10, 500);
        const Answer mine = Scan(*p, from, to, step), theirs = Scan(fresh, from, to, step);
        // The copy has no nodes without a point: then the cursors are not comparable.
        const bool sameNodes = p->Antall() == fresh.Antall();
        EXPECT_TRUE(mine.ok == theirs.ok && mine.code == theirs.code && mine.values == theirs.values &&
                    (!sameNodes || ((p->Aktiv(1) == nullptr) == (fresh.Aktiv(1) == nullptr) && p->Index() == fresh.Index())));
      }
      ASSERT_FALSE(HasFailure()) << "seed " << seed << " round " << round << " edit " << kind;
    }
  }
  DOVERO01_SetSystemLong(2, previous);
}

// The codes a height leaves that the case file cannot show, and where the cursor stays.
TEST(QP_LinjePaalegg, HeightCodesAndCursor) {
  for (const Row& r : Table("profile/profile.cases", "code")) {
    const std::vector<double> v = r.Ds(1);
    std::vector<ProfileVertex> vertices;
    for (std::size_t i = 0; i + 2 < v.size(); i += 3) vertices.push_back({v[i], v[i + 1], v[i + 2]});
    auto p = Make(vertices, r.S(0, 0) == "p" ? kParabolic : kCircular);
    Values a = Ask(*p, r.D(0, 1));
    a.push_back(p->Aktiv() != nullptr ? p->Index() : -1);
    a[1] = std::round(a[1].v * 1e9) / 1e9;
    const std::vector<double> want = r.Ds(2);
    EXPECT_EQ(a, Values(want.begin(), want.end())) << r.where;
  }
  auto p = Make({{0, 100, 0}, {100, 110, 0}, {200, 100, 0}}, kCircular);
  DT_Double h;
  EXPECT_EQ((Values{p->HoydeIProfil(nullptr, &h), LastCode(), p->HoydeIProfil(&h, nullptr), LastCode()}),
            (Values{0, -5, 0, -5}));
  // A node whose point was cleared is passed over, and counted for the cursor.
  auto gap = Make({{0, 100, 0}, {50, 0, 0}, {100, 110, 0}, {200, 100, 0}}, kCircular);
  auto* node = static_cast<DT_Node*>(gap->GetIndex(1, 1));
  delete node->GetDette();
  node->SetDette(nullptr);
  EXPECT_EQ((Values{Ask(*gap, 150)[1], gap->Index()}), (Values{105, 3}));
}

TEST(QP_LinjePaalegg, HeightExtAndScanCodes) {
  auto p = Make({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, kParabolic);
  for (const Row& r : Table("profile/profile.cases", "ext")) {
    DT_Double out[3] = {-1, -1, -1};
    const DT_Double x(r.S(0, 0) == "-" ? 0 : r.D(0, 0));
    const auto given = [&](int i) { return r.S(0, 1)[i] == '-' ? nullptr : &out[i]; };
    EXPECT_EQ((Values{p->GetHeightExt(r.S(0, 0) == "-" ? nullptr : &x, given(0), given(1), given(2)), LastCode()}),
              (Values{r.I(1, 0), r.I(1, 1)})) << r.where;
    if (r.Words(2) > 0) ExpectNear({out[0].Get(), out[1].Get(), out[2].Get()}, r.Ds(2), 1e-12);
  }
  const Answer noOutput = Scan(*p, {}, {}, {}, false);
  EXPECT_TRUE(!noOutput.ok && noOutput.code == -1);
}

TEST(QP_LinjePaalegg, ModesAndCopies) {
  QP_LinjePaalegg p;
  // {flags, op, result}: op 1 tests, 2 sets bits, 3 replaces the word, any other reads it.
  const int modes[][3] = {{1, 2, 1}, {6, 2, 7}, {4, 1, 1}, {8, 1, 0}, {0, 0, 7}, {0, 3, 0}, {1, 1, 0}};
  for (const auto& m : modes) EXPECT_EQ(p.Modes(m[0], m[1]), m[2]) << m[0] << " " << m[1];
  // Copies own their vertices and keep the modes (the parabola's 1.8, not the circle's 1.80002)
  // and the identity.
  auto original = Make({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, kParabolic);
  const Streng name("%s", "E18");
  original->LinjeIdentitet(&name);
  QP_LinjePaalegg copy(*original), assigned;
  assigned = copy;
  original.reset();
  for (QP_LinjePaalegg* c : {&copy, &assigned}) {
    EXPECT_NEAR(Ask(*c, 100)[1].v, 1.8, 1e-12);
    EXPECT_STREQ(c->LinjeIdentitet()->Get(), "E18");
  }
  EXPECT_STREQ(QP_Linjeidentitet().Get(), "Udefinert");
}

TEST(QP_LinjePaalegg, TangentPoints) {
  for (const Row& r : Table("profile/profile.cases", "tangent")) {
    QP_LinjePaalegg p;
    p.Modes(r.I(0, 0), 3);
    const DT_Punkt v(100, 2, 0), a(0, 0, 0), c(200, r.D(0, 2), 0);
    B_Linje in(&v, &a), out(&v, &c);
    DT_Double radius(r.D(0, 1)), angle;
    SCOPED_TRACE(r.where);
    EXPECT_EQ(p.CalculateTangPoints(in, out, radius, &angle), r.I(1, 0));
    const std::vector<double> want = r.Ds(1);
    ExpectNear({in.SluttPunkt()->x(), in.SluttPunkt()->y(), out.SluttPunkt()->x(), radius.Get(),
                angle.Get()},
               std::vector<double>(want.begin() + 1, want.end()), 1e-9);
  }
}

TEST(QP_LinjePaalegg, CheckCurveShowsOverlaps) {
  HostCapture host;
  auto overlap = Make({{0, 0, 0}, {100, 2, 1000}, {130, 0.6, 1000}, {300, 0, 0}}, kCircular);
  // Parabolas at 100 and 200, each 0.02·R to either side: with R 2500.025 they overlap by 0.001,
  // with R 2500.00125 by 5e-5, within the tolerance 1e-4.
  const auto pair = [](double r) {
    return Make({{0, 0, 0}, {100, 2, r}, {200, 0, r}, {300, 2, 0}}, kParabolic);
  };
  EXPECT_EQ(Make({{0, 0, 0}, {100, 2, 1000}}, kCircular)->CheckCurve() +
                Make({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, kCircular)->CheckCurve() +
                pair(2500.00125)->CheckCurve(),
            3);
  EXPECT_EQ(pair(2500.025)->CheckCurve() + overlap->CheckCurve(), 0);
  host.Api().texts[17346] = "Overlapp %.1f-%.3f";
  EXPECT_EQ(overlap->CheckCurve(), 0);
  host.Api().texts[17346] = "Overlapp %s";  // a text that cannot take the numbers: the default
  EXPECT_EQ(overlap->CheckCurve(), 0);
  host.Api().texts[17346] = "%f %.2147483000f";  // a precision no buffer holds: the default
  EXPECT_EQ(overlap->CheckCurve(), 0);
  const std::string message = "Box[kxlib|0] Overlapped tangentpoints in sections between ";
  EXPECT_EQ(host.Lines(), (Texts{message + "150.00 and 150.00 !", message + "108.47 and 133.29 !",
                                 "Box[kxlib|0] Overlapp 108.5-133.291",
                                 message + "108.47 and 133.29 !", message + "108.47 and 133.29 !"}));
}

TEST(QP_LinjePaalegg, FormatsWithHugeFieldsAreRefused) {
  for (const Row& r : Table("profile/profile.cases", "format")) {
    const std::string kind = r.S(0, 0);
    char* fmt = const_cast<char*>(r.S(0, 1).c_str());
    HovedObjekt().ErrorKode(U);
    const std::string text = kind == "double" ? DT_Double(1.5).SomChar(fmt) : kind == "float" ? DT_Float(1.5f).SomChar(fmt)
                           : kind == "int" ? DT_Int(15).SomChar(fmt) : kind == "long" ? DT_Longint(15).SomChar(fmt)
                           : DT_Punkt(1, 2, 3).SomChar(fmt);
    EXPECT_EQ((Values{text.empty() ? -1 : double(text.size()), LastCode()}), (Values{r.I(1), r.I(1) < 0 ? -1 : U})) << r.where;
  }
}

TEST(QP_LinjePaalegg, NonSymmetricalPoints) {
  HostCapture host;
  QP_LinjePaalegg p;
  const DT_Punkt p1(0, 0, 0);
  DT_Punkt p2(100, 2, 0), p3(200, 0, 0), p4;
  const DT_Double left(40), right(60), wide(250);
  const auto call = [&](const DT_Double* l, const DT_Double* r) {
    return Values{p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, l, r), LastCode()};
  };
  EXPECT_EQ(call(&left, &right), (Values{0, -1}));  // circular mode
  p.HovedObjekt::ErrorKode(-77);
  EXPECT_EQ(call(&left, nullptr), (Values{0, -77}));
  EXPECT_EQ(host.Texts(), Texts{"QP_LinjePaalegg::CalculateNonSymmetricalPoints\n\niLeftTanDX or "
                                "iRightTanDX can't be NULL in this version !"});
  p.Modes(1, 3);
  EXPECT_EQ(call(&wide, &right), (Values{0, -3}));
  EXPECT_EQ(call(&left, &wide), (Values{0, -2}));
  EXPECT_EQ(call(&left, &right)[0], 1);
  ExpectNear({p2.x(), p2.y(), p3.x(), p3.y(), p4.x(), p4.y()}, {80, 1.6, 130, 1.4, 200, 0}, 1e-12);
}

// What the walk on the objects does not reach: angle units and folding, the other answers of the
// vertical cut, the angle through VinkelITopp.
TEST(QP_LinjePaalegg, ElementClasses) {
  const DT_Punkt o(0, 0, 0), east(10, 0, 0), north(0, 10, 0), back(-10, -1, 0);
  B_Linje2 base(&o, &east);
  B_Linje up(&o, &north), down(&o, &back);
  ExpectNear({base.VinkelMellom(&up, 0)->Get(), base.VinkelMellom(&up, 1)->Get(),
              base.VinkelMellom(&down, 0)->Get(), base.AvstandMedFortegn(&north)->Get()},
             {kPi / 2, 90, kPi - std::atan(0.1), -10}, 1e-7);
  EXPECT_EQ(base.VinkelMellom(nullptr, 0), nullptr);
  const DT_Punkt a(0, 0, 0), b(100, 2, 0), c(200, 0, 0);
  const DT_Double r(1000), top(100), outside(70), off(1200);
  B_Sirkel2 circle, unflagged;
  B_Linje cut;
  DT_Double angle, unflaggedAngle;
  circle.InitAvrunding(&r, &c, &b, &a, nullptr, 1, 1, &angle);
  unflagged.InitAvrunding(&r, &c, &b, &a, nullptr, 1, 0, &unflaggedAngle);  // the angle without it
  ExpectNear({angle.Get(), unflaggedAngle.Get()}, {kPi - 2 * std::atan(0.02), kPi - 2 * std::atan(0.02)}, 1e-12);
  EXPECT_EQ(circle.SkjaeringMedVertikal(&top, &cut), 2);
  EXPECT_NEAR(cut.SluttPunkt()->y(), 1.800019996001, 1e-9);
  EXPECT_EQ((Values{circle.SkjaeringMedVertikal(&outside, &cut), circle.SkjaeringMedVertikal(&off, &cut),
                    circle.SkjaeringMedVertikal(nullptr, &cut)}),
            (Values{4, 0, 0}));
}

}  // namespace
