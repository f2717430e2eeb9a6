// DT_Double and its roots: tolerance comparisons and their dispatch, changes and the hook,
// rounding, splitting, text forms and reading; the DT_Tall placeholders; DT_DoubleInt.

#include "kx/numbers/DT_Double.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "kx/foundation/KxBasicAPI.h"
#include "kx/numbers/DT_DoubleInt.h"
#include "kx/numbers/DT_StringInt.h"
#include "kx/numbers/DT_Heltall.h"
#include "numbers/NumberTest.h"
#include "support/HostCapture.h"

using namespace kx::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int U = -77;   // a last error code that an operation must leave untouched
const DT_Double* const kNone = nullptr;
const DT_Double kFour(4.0), kQuarter(4.25);

TEST(DT_Double, ToleranceComparisons) {
  // Expected Lik, StorreEllerLik, MindreEllerLik and CompareWith of v against x within t;
  // StorreEnn and MindreEnn are the negations of the middle two.
  const struct { double v, x, t; int lik, ge, le, cmp; } rows[] = {
      {1.0, 1.0, 0.0, 0, 0, 0, -1}, {1.0, 1.0, -1e-9, 0, 0, 0, -1},   // no accuracy: never equal
      {1.0, 1.0 + 0.5e-9, 1e-9, 1, 1, 1, 0}, {-5.0, -5.0 - 1e-10, 1e-9, 1, 1, 1, 0},
      {1.0, 1.5, 0.5, 0, 0, 1, -1}, {1.0, 0.5, 0.5, 0, 1, 0, 1},       // a difference of t exactly
      {kNaN, 1.0, 1e-9, 0, 0, 0, -1}, {1.0, kNaN, 1e-9, 0, 0, 0, -1}, {1.0, 1.0, kNaN, 0, 0, 0, -1},
      {kInf, kInf, 1.0, 0, 0, 0, -1}, {5.0, 5.0, kInf, 1, 1, 1, 0},
      // Road magnitudes: x -+ t is rounded to the spacing of doubles near x, so a value that is
      // inside in exact arithmetic can sit exactly on the computed bound, and is then not equal.
      {1e5 + 1e-6, 1e5, 1e-6, 0, 1, 0, 1}, {std::nextafter(1e5 + 1e-6, 0.0), 1e5, 1e-6, 1, 1, 1, 0},
      {1e5 - 1e-6, 1e5, 1e-6, 0, 0, 1, -1}, {500.0 + 1e-9, 500.0, 1e-9, 0, 1, 0, 1},
      {std::nextafter(500.0 - 1e-9, 1e3), 500.0, 1e-9, 1, 1, 1, 0}};
  DT_Double v;
  auto all = [&v](auto x, double t) {
    return std::vector<int>{v.Lik(x, t), v.StorreEllerLik(x, t), v.MindreEllerLik(x, t),
                            v.StorreEnn(x, t), v.MindreEnn(x, t), v.CompareWith(x, t)};
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r.v << " vs " << r.x << " within " << r.t);
    v.Init(r.v);
    const DT_Double x(r.x);
    const std::vector<int> expected{r.lik, r.ge, r.le, 1 - r.le, 1 - r.ge, r.cmp};
    EXPECT_EQ(all(r.x, r.t), expected);
    EXPECT_EQ(all(&x, r.t), expected);
  }
  HostCapture host;
  EXPECT_EQ(all(kNone, 1.0), (std::vector<int>{0, 0, 0, 1, 1, 0}));
  ASSERT_EQ(host.Count(), 1u);   // only CompareWith reports the null object
  EXPECT_EQ(host.Last().via, Shown::Via::ErrorBox);
  EXPECT_EQ(host.Last().text,
            "DT_Double::CompareWith( DT_Double *aDouble, double Accuracy )\n"
            "Argument aDouble = NULL");
}

// Records which of the redefinable comparisons run; its Lik can be made to answer 1.
#define KX_SPY(Name, Param, tag) \
  int Name(Param x, double t) const override { calls += tag; return DT_Double::Name(x, t); }
struct Spy : DT_Double {
  using DT_Double::DT_Double, DT_Double::Lik, DT_Double::StorreEllerLik, DT_Double::MindreEllerLik;
  mutable std::string calls;
  bool likSaysEqual = false;
  int Lik(double x, double t) const override {
    calls += "L";
    return likSaysEqual ? 1 : DT_Double::Lik(x, t);
  }
  KX_SPY(StorreEllerLik, double, "G") KX_SPY(StorreEllerLik, const DT_Double*, "g")
  KX_SPY(MindreEllerLik, double, "M") KX_SPY(MindreEllerLik, const DT_Double*, "m")
};

TEST(DT_Double, ComparisonsFollowARedefinedLik) {
  Spy s(1.0);
  const DT_Double o(1.0);
  auto traced = [&s](int result) { return std::to_string(result) + std::exchange(s.calls, ""); };
  // The object forms of Lik, StorreEllerLik and MindreEllerLik skip the redefined double forms.
  const std::vector<std::string> own{"0L", "0", "0GL", "0gL", "0ML", "0mL",
                                     "1ML", "1mL", "1GL", "1gL", "-1L", "-1L"};
  const std::vector<std::string> redefined{"1L", "0", "1GL", "1gL", "1ML", "1mL",
                                           "0ML", "0mL", "0GL", "0gL", "0L", "0L"};
  for (bool equal : {false, true}) {
    s.likSaysEqual = equal;
    const std::vector<std::string> seen{
        traced(s.Lik(1.0, 0.0)),            traced(s.Lik(&o, 0.0)),
        traced(s.StorreEllerLik(1.0, 0.0)), traced(s.StorreEllerLik(&o, 0.0)),
        traced(s.MindreEllerLik(1.0, 0.0)), traced(s.MindreEllerLik(&o, 0.0)),
        traced(s.StorreEnn(1.0, 0.0)),      traced(s.StorreEnn(&o, 0.0)),
        traced(s.MindreEnn(1.0, 0.0)),      traced(s.MindreEnn(&o, 0.0)),
        traced(s.CompareWith(1.0, 0.0)),    traced(s.CompareWith(&o, 0.0))};
    EXPECT_EQ(seen, equal ? redefined : own);
  }
}

#define OP(expr) [](DT_Double& d) -> double { return (expr); }

// Every changing operation calls the hook once after storing; failures and no-ops never do.
TEST(DT_Double, ChangesCallTheHookOnceAndFailuresLeaveEverything) {
  // Starting from 2.0: result, value afterwards, hook calls, last error code afterwards.
  const struct { double (*op)(DT_Double&); double result, value; int hooks, code; } rows[] = {
      {OP(d.Init(3.0)), 1, 3.0, 1, U}, {OP(d.Init(&kFour)), 1, 4.0, 1, U},
      {OP(d.Init(kNone)), 0, 2.0, 0, U}, {OP(d.Init("12abc")), 1, 12.0, 1, U},
      {OP(d.Init("abc")), 1, 0.0, 1, U},
      {OP(d.Init(static_cast<const char*>(nullptr))), 0, 2.0, 0, -1},
      {OP(d.InitRel(&kFour)), 1, 6.0, 1, U}, {OP(d.InitRel(kNone)), 0, 2.0, 0, U},
      {OP(d.InitMult(&kFour)), 1, 8.0, 1, U}, {OP(d.InitMult(kNone)), 0, 2.0, 0, U},
      {OP(d.InitDiv(&kFour)), 1, 0.5, 1, U}, {OP(d.InitDiv(-0.0)), 0, 2.0, 0, -1},
      {OP(d.InitDiv(kNone)), 0, 2.0, 0, -2}, {OP(d.InitDiv(kNaN)), 1, kNaN, 1, U},
      {OP(d.SnuFortegn(1)), 1, 2.0, 0, U}, {OP(d.SnuFortegn(-1)), 1, -2.0, 1, U},
      {OP(d.SnuFortegn(0)), 1, -2.0, 1, U}, {OP(d.RundAv(0.0, 1)), 1, 2.0, 0, U},
      {OP(d.RundAv(0.3, 1)), 1, 6 * 0.3, 1, U}, {OP(d.RundAv(kNaN, 0)), 0, 2.0, 0, -1},
      {OP(d.RundAv(1e-320, 0)), 0, 2.0, 0, -1},   // the quotient would overflow
      {OP(d.Quotient(7.5, 1)), 7.0, 7.5, 1, U}, {OP(d.Quotient(7.5, 0)), 2.0, 2.0, 0, U},
      {OP(d.Quotient(kNone)), 2.0, 2.0, 0, U}, {OP(d.Remainder(&kQuarter)), 0.25, 4.25, 1, U},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Counted<DT_Double> d(2.0);
    d.ErrorKode(U);
    EXPECT_TRUE(SameValue(row.op(d), row.result));
    EXPECT_TRUE(SameValue(d.Get(), row.value)) << d.Get();
    EXPECT_EQ(d.hooks, row.hooks);
    EXPECT_EQ(d.ErrorKode(-9999), row.code);
  }
}

TEST(DT_Double, RoundingAndSplitting) {
  const struct { double v, unit; int mode; double expected; } rounding[] = {
      {1.26, 0.5, 1, 1.0}, {1.26, 0.5, 0, 1.5}, {1.26, 0.5, 7, 1.0}, {1.0000000001, 0.5, 0, 1.0},
      {1.0 + 0.4e-6, 0.5, 0, 1.0}, {1.0 + 0.6e-6, 0.5, 0, 1.5},   // allowance: 1e-6 units
      {1.0 - 0.4e-6, 0.5, 1, 1.0}, {1.0 - 0.6e-6, 0.5, 1, 0.5},
      {1.26, -0.5, 1, 1.5}, {1.26, -0.5, 0, 1.0}, {-1.26, 0.5, 1, -1.5}, {-1.26, 0.5, 0, -1.0},
      {12345.6789, 0.001, 1, 12345678 * 0.001}, {12345.6789, 0.001, 0, 12345679 * 0.001},
      {100000.0 + 1e-7, 20.0, 0, 100000.0}, {500.0049999, 0.01, 1, 500.0}};
  for (const auto& r : rounding) {
    DT_Double d(r.v);
    d.RundAv(r.unit, r.mode);
    EXPECT_EQ(d.Get(), r.expected) << r.v << " by " << r.unit << " mode " << r.mode;
  }
  const struct { double x, quotient, remainder; } split[] = {
      {7.9999999999, 8.0, 0.0}, {7.999999998, 7.0, 7.999999998 - 7.0},
      {99999.99999999999, 1e5, 0.0},
      {-2.5, -2.0, -0.5}, {-7.9999999999, -7.0, -7.9999999999 + 7.0},   // only near +1 taken up
      {kInf, kInf, 0.0}, {kNaN, kNaN, kNaN}};
  for (const auto& r : split) {
    DT_Double d;
    EXPECT_TRUE(SameValue(d.Quotient(r.x, 1), r.quotient)) << r.x;
    EXPECT_TRUE(SameValue(d.Remainder(kNone), r.remainder)) << r.x;
  }
}

TEST(DT_Double, TextForms) {
  const std::pair<double, int> decimals[] = {{3.14, 2},   {3.0, 0},    {0.1234567, 6},
                                             {1e-7, 0},   {2.5, 1},    {-0.125, 3},
                                             {1e5 + 0.125, 3}, {1e300, 0}, {kNaN, 0}};
  for (const auto& [v, n] : decimals) EXPECT_EQ(DT_Double(v).Decimals(), n) << v;

  const struct { int shown; const char* fmt; double v; const char* text; int code; } rows[] = {
      {-1, nullptr, 12.5, "12.50", U}, {0, nullptr, 12.7, "13", U}, {3, nullptr, -1.0, "-1.000", U},
      {-1, "%.1f%% m", 12.34, "12.3% m", U}, {-1, "%+.2Le", 1500.0, "+1.50e+03", U},
      {-1, "no value", 1.0, "no value", U},
      {-1, "%d", 1.0, "", -1}, {-1, "%s", 1.0, "", -1}, {-1, "%f %f", 1.0, "", -1},
      {-1, "%*f", 1.0, "", -1}, {-1, "%n", 1.0, "", -1}, {-1, "100%", 1.0, "", -1}};
  for (const auto& r : rows) {
    DT_Double d(r.v);
    d.AntDesimalerSomVises(r.shown);
    d.ErrorKode(U);
    EXPECT_STREQ(d.SomChar(r.fmt), r.text) << (r.fmt ? r.fmt : "(default)");
    EXPECT_EQ(d.ErrorKode(-9999), r.code);
  }
  const float fInf = std::numeric_limits<float>::infinity();
  const std::pair<double, float> floats[] = {{1.0000000001, 1.0f}, {3.4e38, 3.4e38f}, {1e39, fInf},
                                             {-1e39, -fInf}, {kNaN, static_cast<float>(kNaN)}};
  for (const auto& [v, f] : floats) EXPECT_TRUE(SameValue(DT_Double(v).SomFloat(), f)) << v;
}

TEST(DT_Double, LesReadsThroughTheHostInterface) {
  HostCapture host;
  Counted<DT_Double> d(1.5);
  host.Api().numbers = {7.25};
  EXPECT_EQ(d.Les("Height %d", 1), 1);   // the prompt is shown as it is, not used as a format
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Height %d", " <1.50>", " : "}));
  EXPECT_EQ(d.Les(nullptr, 1), 0);       // nothing to read: value kept, no hook, no prompt
  KxBasicAPI plain;                      // not an IO_Enhet: nothing to read from, nothing shown
  d.API(&plain);
  host.Api().numbers = {3.0};
  EXPECT_EQ(d.Les("Height", 1), 0);
  EXPECT_EQ(d.Get(), 7.25);
  EXPECT_EQ((Ints{d.hooks, static_cast<long long>(host.Count())}), (Ints{1, 3}));
}

// NULL stays ambiguous (a null object or the number 0?) where the compiler can tell it from 0.
template <typename T, typename = void>
struct AcceptsNull : std::false_type {};
template <typename T>
struct AcceptsNull<T, std::void_t<decltype(std::declval<T&>().Lik(NULL, 1.0))>> : std::true_type {};
static_assert(std::is_same_v<decltype(NULL), int> || !AcceptsNull<DT_Double>::value);

TEST(DT_Double, IntegerArgumentsAreNumbers) {
  DT_Double d(0), five = 5;
  const long zero = 0;
  EXPECT_EQ((Ints{d.Lik(0, 1e-9), d.StorreEllerLik(0, 1e-9), d.StorreEnn(0, 1e-9),
                  d.MindreEnn(0u, 1e-9), d.MindreEllerLik(zero, 1e-9), d.CompareWith(0, 1e-9)}),
            (Ints{1, 1, 0, 0, 1, 0}));
  d.Init(0), d.InitRel(6), d.InitMult(2), d.InitDiv(4);
  EXPECT_EQ((Values{d.Get(), five.Get()}), (Values{3, 5}));
  EXPECT_EQ(d.InitDiv(0), 0);
  EXPECT_EQ(d.ErrorKode(-9999), -1);
}

TEST(DT_Double, CopiesAndPairs) {
  DT_DoubleInt pair(3.5, 7);
  pair.AntDesimalerSomVises(4);
  DT_DoubleInt copy(pair);
  copy.Int().Init(9);
  EXPECT_EQ(copy.Get(), 3.5);
  EXPECT_EQ((Ints{copy.AntDesimalerSomVises(), copy.Int().Get(), pair.Int().Get()}),
            (Ints{4, 9, 7}));
  DT_DoubleInt fromObject(&pair, 2), fromNull, fromZero(0, 4);   // the value only
  EXPECT_EQ((Values{fromObject.Get(), fromNull.Get(), fromZero.Get()}), (Values{3.5, 0, 0}));
  EXPECT_EQ((Ints{fromObject.AntDesimalerSomVises(), fromObject.Int().Get(), fromNull.Int().Get(),
                  fromZero.Int().Get()}), (Ints{2, 2, 0, 4}));
}

// A text value with an integer, and numbers set from a text value.
TEST(DT_Double, StringPairsAndInitFromStreng) {
  Streng text("K%d", 12);
  DT_StringInt pair(&text, 7), empty;
  DT_StringInt copy(pair);
  copy.Int().Init(9);
  copy.Add('x');
  EXPECT_STREQ(pair.Get(), "K12");
  EXPECT_STREQ(copy.Get(), "K12x");
  EXPECT_EQ((Ints{pair.Int().Get(), copy.Int().Get(), empty.Lengde(), empty.Int().Get()}),
            (Ints{7, 9, 0, 0}));

  DT_Double d(1.0);
  DT_Int i(1);
  Streng number("12.75abc");
  EXPECT_EQ((Ints{d.Init(&number), i.Init(&number)}), (Ints{1, 1}));
  EXPECT_EQ((Values{d.Get(), static_cast<double>(i.Get())}), (Values{12.75, 12}));
  d.ErrorKode(0);
  EXPECT_EQ(d.Init(static_cast<Streng*>(nullptr)), 0);
  EXPECT_EQ((Values{d.Get(), static_cast<double>(d.ErrorKode(-9999))}), (Values{12.75, -1}));
}

TEST(DT_Tall, PlaceholdersAndShownDecimals) {
  HostCapture host;
  DT_Heltall number;   // adds nothing, so it answers with the placeholders
  number.ErrorKode(U);
  EXPECT_EQ(number.Init("12"), 0);
  EXPECT_EQ(number.ErrorKode(-9999), U);
  EXPECT_EQ(host.Last().text, "DT_Tall::Init( char *NumberAsString ) should not be called.There "
                              "has to be a virtual function i a derived class.");
  number.SomChar("%d")[0] = 'X';   // writable, and whole again next time
  EXPECT_STREQ(DT_Tall().SomChar(), "DT_Tall=NULL");
  EXPECT_EQ(host.Last().via, Shown::Via::PlatformBox);
  EXPECT_EQ(host.Last().text, "ERROR: DT_Tall::SomChar()\n You can't call this function directly.");
  const std::pair<int, int> shown[] = {{-1, 2}, {256, 2}, {0, 0}, {255, 255}, {-5, 255}};
  DT_Desimaltall decimal;
  for (const auto& [n, after] : shown) EXPECT_EQ(decimal.AntDesimalerSomVises(n), after) << n;
}

}  // namespace
