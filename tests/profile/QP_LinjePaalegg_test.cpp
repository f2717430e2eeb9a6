// QP_LinjePaalegg: heights against the numeric case file, the closed form and the walk on the
// geometry objects (bit for bit, code for code, also on disordered and broken profiles); the
// tangent points, the curve check and the element classes on their worked examples.

#include "kx/profile/QP_LinjePaalegg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "kx/containers/DT_Node.h"
#include "kx/foundation/HovedObjekt.h"
#include "kx/geometry/B_Linje.h"
#include "kx/profile/QP_Linjeidentitet.h"
#include "kx/profile/detail/B_Linje2.h"
#include "kx/profile/detail/B_Sirkel2.h"
#include "kx/profile/detail/HeightWithElements.h"
#include "support/HostCapture.h"
#include "support/ProfileCases.h"
#include "support/RandomProfile.h"

using namespace kx::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.141592653589793;

int LastCode() { return HovedObjekt().ErrorKode(-9999); }

std::unique_ptr<QP_LinjePaalegg> Make(const std::vector<ProfileVertex>& v, CurveShape shape) {
  auto p = std::make_unique<QP_LinjePaalegg>();
  for (const ProfileVertex& x : v) p->LeggTil(new DT_Punkt(x.x, x.y, x.r));
  p->Modes(shape == CurveShape::Parabolic ? 1 : 0, 3);
  return p;
}

struct Answer {
  int result;
  double height;
  int code;
};

Answer Ask(QP_LinjePaalegg& p, double x, bool withElements = false) {
  DT_Double height(-7.0);
  const DT_Double at(x);
  const int result =
      withElements ? kx::detail::HeightWithElements(p, &height, &at) : p.HoydeIProfil(&height, &at);
  return {result, height.Get(), LastCode()};
}

// The engine and the walk on the geometry objects give the same result, bits and code.
void ExpectSameAsElements(QP_LinjePaalegg& p, double x, const std::string& where) {
  const Answer fast = Ask(p, x), slow = Ask(p, x, true);
  const bool sameBits = std::memcmp(&fast.height, &slow.height, sizeof(double)) == 0;
  EXPECT_TRUE(fast.result == slow.result && sameBits && fast.code == slow.code)
      << where << " x=" << x << ": " << fast.result << " " << fast.height << " code " << fast.code
      << ", objects " << slow.result << " " << slow.height << " code " << slow.code;
  EXPECT_FALSE(fast.result == 1 && !std::isfinite(fast.height)) << where << " x=" << x;
}

TEST(QP_LinjePaalegg, HeightsAgreeWithTheCaseFile) {
  const auto adapter = [](const ProfileCase& c) {
    std::shared_ptr<QP_LinjePaalegg> p = Make(c.vertices, c.shape);
    ProfileUnderTest u;
    u.height = [p, name = c.name](double x) {
      ExpectSameAsElements(*p, x, name);
      const Answer a = Ask(*p, x);
      return HeightAnswer{a.result == 1, a.height, a.code};
    };
    u.range = [p](std::optional<double> from, std::optional<double> to,
                  std::optional<double> step) {
      const DT_Double f(from.value_or(0)), t(to.value_or(0)), s(step.value_or(0));
      DT_Double lo, hi;
      const int r =
          p->GetMaxMinHeigth(&lo, &hi, from ? &f : nullptr, to ? &t : nullptr, step ? &s : nullptr);
      return RangeAnswer{r == 1, lo.Get(), hi.Get(), LastCode()};
    };
    return u;
  };
  EXPECT_GT(RunProfileCases(std::string(KX_TEST_DATA_DIR) + "/profile/heights.cases", adapter),
            200);
}

// Random profiles in both shapes: at the ends, vertices, tangent points (and 1e-6 either side) and
// random chainages the heights agree with the closed form to 1e-9 relative, and bit for bit with
// the objects; a scan agrees with the closed form's.
TEST(QP_LinjePaalegg, RandomProfilesAgreeWithTheClosedFormAndTheObjects) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    RandomSource random(seed);
    const std::vector<ProfileVertex> v = RandomProfile(random);
    for (CurveShape shape : {CurveShape::Circular, CurveShape::Parabolic}) {
      ClosedFormProfile closed;
      ASSERT_TRUE(closed.Build(v, shape));
      auto p = Make(v, shape);
      const std::string where = "seed " + std::to_string(seed);
      for (double x : SampleChainages(closed, v, random, 30)) {
        double expected = 0.0;
        ASSERT_TRUE(closed.Height(x, &expected));
        const Answer a = Ask(*p, x);
        ASSERT_EQ(a.result, 1) << where << " x=" << x << " code " << a.code;
        EXPECT_LE(std::fabs(a.height - expected),
                  1e-9 * std::max({1.0, std::fabs(a.height), std::fabs(expected)}))
            << where << " x=" << x;
        ExpectSameAsElements(*p, x, where);
      }
      const double from = random.Uniform(v.front().x, v.back().x);
      const double to = random.Uniform(from + 1, v.back().x + 1);
      const double step = random.LogUniform(0.5, 500);
      double lo = 0.0, hi = 0.0;
      if (to > v.back().x || !closed.MinMax(from, to, step, &lo, &hi)) continue;
      DT_Double min, max;
      const DT_Double f(from), t(to), s(step);
      ASSERT_EQ(p->GetMaxMinHeigth(&min, &max, &f, &t, &s), 1) << where;
      EXPECT_NEAR(min.Get(), lo, 1e-9 * std::max(1.0, std::fabs(lo))) << where;
      EXPECT_NEAR(max.Get(), hi, 1e-9 * std::max(1.0, std::fabs(hi))) << where;
    }
  }
}

// Vertices out of chainage order, repeated chainages, negative radii, NaN and infinite values,
// equal grades at curved vertices: whatever the walk on the geometry objects gives, the engine
// gives too (result, bits and code), never a NaN as a height, and -6 only where a height is no
// number.
TEST(QP_LinjePaalegg, BrokenProfilesBehaveAsTheObjectsDo) {
  const double odd[] = {kNaN, std::numeric_limits<double>::infinity(), -1000.0, 0.0, 1e-10};
  int minusSix = 0;
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    RandomSource random(seed);
    std::vector<ProfileVertex> v = RandomProfile(random, random.Int(3, 8));
    const double first = v.front().x, last = v.back().x;
    const int breaks = random.Int(1, 3);
    for (int k = 0; k < breaks; ++k) {
      const int n = static_cast<int>(v.size());
      const auto i = static_cast<std::size_t>(random.Int(0, n - 1));
      ProfileVertex& at = v[i];
      switch (random.Int(0, 5)) {
        case 0:
          std::swap(at, v[static_cast<std::size_t>(random.Int(0, n - 1))]);
          break;
        case 1:
          at.r = -at.r - 500;
          break;
        case 2:
          at.x = random.Chance(0.5) ? v[0].x : odd[random.Int(0, 1)];
          break;
        case 3:
        case 4:
          (random.Chance(0.5) ? at.y : at.r) = odd[random.Int(0, 4)];
          break;
        default:  // equal grades on both sides of a curved vertex
          if (i == 0 || i + 1 == v.size()) break;
          at = {(v[i - 1].x + v[i + 1].x) / 2, (v[i - 1].y + v[i + 1].y) / 2, at.r + 1000};
          break;
      }
    }
    const bool noNumber = std::any_of(v.begin(), v.end(), [](const ProfileVertex& vertex) {
      return !std::isfinite(vertex.x) || !std::isfinite(vertex.y);
    });
    for (CurveShape shape : {CurveShape::Circular, CurveShape::Parabolic}) {
      auto p = Make(v, shape);
      std::vector<double> xs = {first - 1, last + 1, kNaN};
      for (const ProfileVertex& vertex : v) xs.push_back(vertex.x);
      for (int k = 0; k < 40; ++k) xs.push_back(random.Uniform(first, last));
      for (double x : xs) {
        ExpectSameAsElements(*p, x, "seed " + std::to_string(seed));
        if (Ask(*p, x).code != -6) continue;
        ++minusSix;
        EXPECT_TRUE(noNumber) << "seed " << seed << " x=" << x;
      }
    }
  }
  EXPECT_GT(minusSix, 0);
}

TEST(QP_LinjePaalegg, HeightErrorCodes) {
  QP_LinjePaalegg none;
  DT_Double h(5.0);
  const DT_Double x(1.0);
  EXPECT_TRUE(none.HoydeIProfil(&h, &x) == 0 && LastCode() == -5 && h.Get() == 5.0);
  auto p = Make({{0, 100, 0}, {100, 110, 0}, {200, 100, 0}}, CurveShape::Circular);
  EXPECT_TRUE(p->HoydeIProfil(nullptr, &x) == 0 && LastCode() == -5);
  EXPECT_TRUE(p->HoydeIProfil(&h, nullptr) == 0 && LastCode() == -5);
  // The line C-B does not hold 50 but B-A does: 1, with the code -3 that C-B left.
  Answer a = Ask(*p, 50);
  EXPECT_TRUE(a.result == 1 && a.height == 105 && a.code == -3);
  // The cursor stays where the walk stopped: on C, on the first vertex, off the list.
  EXPECT_EQ(p->Index(), 2);
  EXPECT_TRUE(Ask(*p, -1).code == -4 && p->Index() == 0 && p->Aktiv() != nullptr);
  EXPECT_TRUE(Ask(*p, 300).code == 0 && p->Aktiv() == nullptr);
  // A node whose point was cleared is passed over.
  auto gap = Make({{0, 100, 0}, {50, 0, 0}, {100, 110, 0}, {200, 100, 0}}, CurveShape::Circular);
  auto* node = static_cast<DT_Node*>(gap->GetIndex(1, 1));
  delete node->GetDette();
  node->SetDette(nullptr);
  a = Ask(*gap, 150);
  EXPECT_TRUE(a.result == 1 && a.height == 105 && gap->Index() == 3);
  // Circular mode: a circle that does not reach the chainage leaves code 2 behind the grade.
  auto small = Make({{0, 0, 0}, {1000, 10, 300}, {2000, 0, 0}}, CurveShape::Circular);
  a = Ask(*small, 100);
  EXPECT_TRUE(a.result == 1 && std::fabs(a.height - 1) < 1e-12 && a.code == 2);
  // Parabolic mode: grades 1e-12 apart give a curve 3e-8 long whose normals are parallel, and the
  // radius check leaves their intersection's code 1; a NaN radius leaves -2.
  for (double radius : {30000.0, kNaN}) {
    auto flat = Make({{0, 0, 0}, {100, 1, radius}, {200, 2.0000000001, 0}}, CurveShape::Parabolic);
    a = Ask(*flat, 100);
    EXPECT_TRUE(a.result == 1 && std::fabs(a.height - 1) < 1e-9 && a.code == (radius > 0 ? 1 : -2))
        << a.code;
    ExpectSameAsElements(*flat, 100, "flat");
  }
  // A vertex whose height is no number: the grade after leaving the curve gives none, -6.
  auto broken = Make({{0, 0, 0}, {100, kNaN, 1000}, {200, 0, 0}}, CurveShape::Parabolic);
  a = Ask(*broken, 50);
  EXPECT_TRUE(a.result == 0 && a.code == -6);
}

TEST(QP_LinjePaalegg, HeightExtAndScanCodes) {
  auto p = Make({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, CurveShape::Parabolic);
  DT_Double line(-1), profile(-1), diff(-1);
  const DT_Double at(100), beyond(300);
  EXPECT_EQ(p->GetHeightExt(&at, &line, &profile, &diff), 1);
  EXPECT_TRUE(line.Get() == 2 && std::fabs(profile.Get() - 1.8) < 1e-12 &&
              std::fabs(diff.Get() - 0.2) < 1e-12);
  struct Row {
    const DT_Double* x;
    DT_Double *l, *h, *d;
    int code;
  } rows[] = {{nullptr, &line, &profile, &diff, -1},  {&at, nullptr, nullptr, nullptr, -2},
              {&at, nullptr, &profile, &diff, -3},    {&at, &line, nullptr, &diff, -3},
              {&beyond, &line, nullptr, nullptr, -4}, {&beyond, &line, &profile, &diff, -100}};
  for (const Row& r : rows) {
    EXPECT_EQ(p->GetHeightExt(r.x, r.l, r.h, r.d), 0);
    EXPECT_EQ(LastCode(), r.code);
  }
  DT_Double lo, hi;
  const DT_Double tiny(1e-20), nan(kNaN), from(10);
  EXPECT_TRUE(p->GetMaxMinHeigth(nullptr, nullptr) == 0 && LastCode() == -1);
  EXPECT_TRUE(p->GetMaxMinHeigth(&lo, nullptr, nullptr, nullptr, &nan) == 0 && LastCode() == -3);
  EXPECT_TRUE(p->GetMaxMinHeigth(&lo, &hi, &from, nullptr, &tiny) == 0 && LastCode() == -3);
  EXPECT_TRUE(p->GetMaxMinHeigth(nullptr, &hi, &nan) == 0 && LastCode() == -104);
  EXPECT_TRUE(p->GetMaxMinHeigth(&lo, &hi) == 1 && lo.Get() == 0 && hi.Get() == 1.8);
}

TEST(QP_LinjePaalegg, ModelModesStubsAndCopies) {
  QP_LinjePaalegg p;
  const int modes[][3] = {{1, 2, 1}, {6, 2, 7}, {4, 1, 1}, {8, 1, 0},
                          {0, 0, 7}, {0, 3, 0}, {1, 1, 0}};
  for (const auto& m : modes) EXPECT_EQ(p.Modes(m[0], m[1]), m[2]) << m[0] << " " << m[1];
  const Streng name("%s", "E18");
  const DT_Double group(3.5), theme(7);
  EXPECT_STREQ(p.LinjeIdentitet(&name)->Get(), "E18");
  EXPECT_EQ(p.GruppeNummer(&group)->Get() + p.Temakode(&theme)->Get(), 10.5);
  EXPECT_EQ(p.GruppeNummer(), p.GruppeNummer(nullptr));
  EXPECT_EQ(p.InitVedInvoke(&name) + p.Overfor_VHA_Dialog(&name, &group, &theme) +
                p.InitFromLineHandle(name, 1),
            0);
  p.Modes(1, 3);
  p.LeggTil(new DT_Punkt(0, 0, 0));
  p.LeggTil(new DT_Punkt(100, 2, 1000));
  QP_LinjePaalegg copy(p), assigned;
  assigned = copy;
  const Streng changed("%s", "changed");
  p.LinjeIdentitet(&changed);
  static_cast<DT_Punkt*>(p.Forste())->Init(5, 5, 5);
  for (QP_LinjePaalegg* c : {&copy, &assigned}) {
    EXPECT_EQ(c->Antall(), 2);
    EXPECT_EQ(static_cast<DT_Punkt*>(c->Forste())->x(), 0);
    EXPECT_STREQ(c->LinjeIdentitet()->Get(), "E18");
    EXPECT_TRUE(c->Modes(1, 1) == 1 && c->Temakode()->Get() == 7 && c->AutoSlett() == 1);
  }
  QP_Linjeidentitet id(&name);
  EXPECT_STREQ(id.Get(), "Udefinert");
  EXPECT_EQ(id.SetAktivIKALMO() + id.InitFraListe(), 0);
}

TEST(QP_LinjePaalegg, TangentPoints) {
  struct Row {
    int mode;
    double radius, nextY;
    int result;
    double t1x, t1y, t2x, radiusAfter, angle;
  } rows[] = {
      {0, 1000, 0, 1, 100 - 20 / std::sqrt(1.0004), 2 - 0.4 / std::sqrt(1.0004),
       100 + 20 / std::sqrt(1.0004), 1000, kPi - 2 * std::atan(0.02)},
      {1, 1000, 0, 1, 80, 1.6, 120, 1000.1999800039992, kPi - 2 * std::atan(0.02)},
      {0, 0, 0, 0, 100, 2, 100, 0, kPi},
      {1, 0, 0, 0, 100, 2, 100, 0, kPi},
      {0, 1000, 4, 0, 100, 2, 100, 1000, kPi},  // straight on
      {0, -1000, 0, 1, 0, 0, 200, -1000, kPi - 2 * std::atan(0.02)},
  };
  for (const Row& r : rows) {
    QP_LinjePaalegg p;
    p.Modes(r.mode, 3);
    const DT_Punkt v(100, 2, 0), a(0, 0, 0), c(200, r.nextY, 0);
    B_Linje in(&v, &a), out(&v, &c);
    DT_Double radius(r.radius), angle;
    EXPECT_EQ(p.CalculateTangPoints(in, out, radius, &angle), r.result) << r.mode << r.radius;
    EXPECT_NEAR(in.SluttPunkt()->x(), r.t1x, 1e-9);
    EXPECT_NEAR(in.SluttPunkt()->y(), r.t1y, 1e-9);
    EXPECT_NEAR(out.SluttPunkt()->x(), r.t2x, 1e-9);
    EXPECT_NEAR(radius.Get(), r.radiusAfter, 1e-9);
    EXPECT_NEAR(angle.Get(), r.angle, 1e-12);
  }
}

TEST(QP_LinjePaalegg, CheckCurveShowsOverlaps) {
  HostCapture host;
  auto two = Make({{0, 0, 0}, {100, 2, 1000}}, CurveShape::Circular);
  auto apart = Make({{0, 0, 0}, {100, 2, 1000}, {200, 0, 0}}, CurveShape::Circular);
  auto overlap =
      Make({{0, 0, 0}, {100, 2, 1000}, {130, 0.6, 1000}, {300, 0, 0}}, CurveShape::Circular);
  EXPECT_EQ(two->CheckCurve() + apart->CheckCurve(), 2);
  EXPECT_EQ(overlap->CheckCurve(), 0);
  host.Api().texts[17346] = "Overlapp %.1f-%.3f";
  EXPECT_EQ(overlap->CheckCurve(), 0);
  host.Api().texts[17346] = "Overlapp %s";  // a text that cannot take the numbers: the default
  EXPECT_EQ(overlap->CheckCurve(), 0);
  const std::string message = "Overlapped tangentpoints in sections between 108.47 and 133.29 !";
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{message, "Overlapp 108.5-133.291", message}));
  EXPECT_EQ(host.Last().via, Shown::Via::PlatformBox);
}

TEST(QP_LinjePaalegg, NonSymmetricalPoints) {
  HostCapture host;
  QP_LinjePaalegg p;
  const DT_Punkt p1(0, 0, 0);
  DT_Punkt p2(100, 2, 0), p3(200, 0, 0), p4;
  const DT_Double left(40), right(60), wide(250);
  EXPECT_EQ(p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, &left, &right), 0);
  EXPECT_EQ(LastCode(), -1);
  p.HovedObjekt::ErrorKode(-77);
  EXPECT_EQ(p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, &left, nullptr), 0);
  EXPECT_EQ(LastCode(), -77);
  EXPECT_EQ(host.Last().text,
            "QP_LinjePaalegg::CalculateNonSymmetricalPoints\n\niLeftTanDX or iRightTanDX can't be "
            "NULL in this version !");
  p.Modes(1, 3);
  EXPECT_TRUE(p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, &wide, &right) == 0 &&
              LastCode() == -3);
  EXPECT_TRUE(p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, &left, &wide) == 0 &&
              LastCode() == -2);
  EXPECT_EQ(p.CalculateNonSymmetricalPoints(p1, p2, p3, p4, &left, &right), 1);
  EXPECT_TRUE(p2.x() == 80 && std::fabs(p2.y() - 1.6) < 1e-12 && p3.x() == 130 &&
              std::fabs(p3.y() - 1.4) < 1e-12 && p4.x() == 200 && p4.y() == 0);
}

TEST(QP_LinjePaalegg, ElementClasses) {
  const DT_Punkt o(0, 0, 0), east(10, 0, 0), north(0, 10, 0), back(-10, -1, 0);
  B_Linje2 base(&o, &east);
  B_Linje up(&o, &north), down(&o, &back);
  EXPECT_NEAR(base.VinkelMellom(&up, 0)->Get(), kPi / 2, 1e-15);
  EXPECT_NEAR(base.VinkelMellom(&up, 1)->Get(), 90, 1e-7);
  EXPECT_NEAR(base.VinkelMellom(&down, 0)->Get(), kPi - std::atan(0.1), 1e-15);
  EXPECT_EQ(base.VinkelMellom(nullptr, 0), nullptr);
  EXPECT_EQ(base.AvstandMedFortegn(&north)->Get(), -10);

  const DT_Punkt a(0, 0, 0), b(100, 2, 0), c(200, 0, 0);
  for (double radius : {1000.0, -1000.0}) {
    B_Sirkel2 circle;
    const DT_Double r(radius);
    B_Linje chord;
    DT_Double angle;
    circle.InitAvrunding(&r, &c, &b, &a, &chord, 1, 0, &angle);
    EXPECT_NEAR(circle.Tangentlengde(), 20, 1e-12);
    EXPECT_NEAR(chord.SluttPunkt()->x() + chord.StartPunkt()->x(), 200, 1e-12);
    EXPECT_NEAR(circle.y(), 2 - std::sqrt(1000.0 * 1000 + 400), 1e-9);
    EXPECT_NEAR(angle.Get(), kPi - 2 * std::atan(0.02), 1e-12);
    B_Linje cut;
    const DT_Double top(100), outside(70), off(1200);
    EXPECT_EQ(circle.SkjaeringMedVertikal(&top, &cut), 2);
    EXPECT_NEAR(cut.SluttPunkt()->y(), 1.800019996001, 1e-9);
    EXPECT_EQ(circle.SkjaeringMedVertikal(&outside, &cut), 4);
    EXPECT_EQ(circle.SkjaeringMedVertikal(&off, &cut), 0);
    EXPECT_EQ(circle.SkjaeringMedVertikal(nullptr, &cut), 0);
    DT_Double flagged;
    circle.InitAvrunding(&r, &c, &b, &a, nullptr, 0, 1, &flagged);
    EXPECT_EQ(flagged.Get(), angle.Get());
  }
}

}  // namespace
