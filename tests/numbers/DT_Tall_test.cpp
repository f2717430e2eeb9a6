// The number classes: tolerance comparisons and their dispatch, changes and the hook, rounding,
// splitting, 32-bit wrap, float rounding, text forms and reading, the DT_Tall placeholders, pairs.

#include "kx/numbers/DT_Tall.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "kx/foundation/KxBasicAPI.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_DoubleInt.h"
#include "kx/numbers/DT_Float.h"
#include "kx/numbers/DT_Heltall.h"
#include "kx/numbers/DT_Int.h"
#include "kx/numbers/DT_Longint.h"
#include "kx/numbers/DT_StringInt.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"

using namespace kx::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int U = -77;  // a last error code that an operation must leave untouched
template <class T>
const T* const kNull = nullptr;  // a null argument of one type, so that the overload is clear
const DT_Double* const kNone = nullptr;
Streng number("12.75abc");
const DT_Double kFour(4.0), kQuarter(4.25);
constexpr float kBig = 16777216.0f;  // a float to which adding 1 changes nothing

// A change of a number n: the call, its result, the value afterwards, the hook calls and the last
// error code afterwards.
template <class Number>
struct Change {
  double (*op)(Number&);
  double result, value, hooks, code;
};
#define OP(expr) [](auto& n) -> double { return (expr); }

// Applies each row to a new Counted<Number>(start) whose last error code is U.
template <class Number>
void ExpectChanges(double start, std::initializer_list<Change<Number>> rows) {
  for (const Change<Number>& row : rows) {
    Counted<Number> n(start);
    n.ErrorKode(U);
    EXPECT_EQ((Values{row.op(n), n.Get(), n.hooks, n.ErrorKode(-9999)}),
              (Values{row.result, row.value, row.hooks, row.code}))
        << "row " << &row - rows.begin();
  }
}

TEST(DT_Double, ToleranceComparisons) {
  // Expected Lik, StorreEllerLik, MindreEllerLik and CompareWith of v against x within t;
  // StorreEnn and MindreEnn are the negations of the middle two.
  // clang-format off
  const struct { double v, x, t; int lik, ge, le, cmp; } rows[] = {
      {1.0, 1.0, 0.0, 0, 0, 0, -1},  // no accuracy: never equal, not even to itself
      {-5.0, -5 - 1e-10, 1e-9, 1, 1, 1, 0}, {5, 5, kInf, 1, 1, 1, 0}, {kInf, kInf, 1, 0, 0, 0, -1},
      {1.0, 1.5, 0.5, 0, 0, 1, -1}, {1.0, 0.5, 0.5, 0, 1, 0, 1},  // a difference of t exactly
      {kNaN, 1.0, 1e-9, 0, 0, 0, -1}, {1.0, kNaN, 1e-9, 0, 0, 0, -1}, {1.0, 1.0, kNaN, 0, 0, 0, -1},
      // Road magnitudes: x -+ t is rounded to the spacing of doubles near x, so a value that is
      // inside in exact arithmetic can sit exactly on the computed bound, and is then not equal.
      {1e5 + 1e-6, 1e5, 1e-6, 0, 1, 0, 1}, {std::nextafter(1e5 + 1e-6, 0.0), 1e5, 1e-6, 1, 1, 1, 0},
      {1e5 - 1e-6, 1e5, 1e-6, 0, 0, 1, -1}};
  // clang-format on
  DT_Double v;
  auto all = [&v](auto x, double t) {
    return Values{v.Lik(x, t),       v.StorreEllerLik(x, t), v.MindreEllerLik(x, t),
                  v.StorreEnn(x, t), v.MindreEnn(x, t),      v.CompareWith(x, t)};
  };
  for (const auto& r : rows) {
    v.Init(r.v);
    const DT_Double x(r.x);
    const Values expected{r.lik, r.ge, r.le, 1 - r.le, 1 - r.ge, r.cmp};
    EXPECT_EQ(all(r.x, r.t), expected) << r.v << " vs " << r.x << " within " << r.t;
    EXPECT_EQ(all(&x, r.t), expected) << r.v << " vs " << r.x << " within " << r.t;
  }
  v.Init(0.5);
  EXPECT_EQ(all(1, 0.25), (Values{0, 0, 1, 0, 1, -1}));  // integer arguments are numbers
  EXPECT_EQ((Values{v.Lik(0, 1.0), v.CompareWith(0, 0.25)}), (Values{1, 1}));  // a literal 0 too
  HostCapture host;  // only CompareWith reports the null object
  EXPECT_EQ(all(kNone, 1.0), (Values{0, 0, 0, 1, 1, 0}));
  EXPECT_EQ(host.Lines(), (Texts{"ErrorBox[Message|1048577] DT_Double::CompareWith( DT_Double "
                                 "*aDouble, double Accuracy )\nArgument aDouble = NULL"}));
}

// A DT_Double whose Lik always answers 1. It records, in the order they finish, which of the
// redefined comparisons run; Took gives a result with the record since the last one.
#define KX_SPY(Name, Param, tag) \
  int Name(Param x, double t) override { return Traced(tag, DT_Double::Name(x, t)); }
struct Spy : DT_Double {
  using DT_Double::DT_Double, DT_Double::Lik, DT_Double::StorreEllerLik, DT_Double::MindreEllerLik;
  int Traced(const char* tag, int result) const { return calls += tag, result; }
  std::string Took(int result) { return std::to_string(result) + std::exchange(calls, ""); }
  int Lik(double, double) override { return Traced("L", 1); }
  KX_SPY(StorreEllerLik, double, "G")
  KX_SPY(StorreEllerLik, DT_Double*, "g")
  KX_SPY(MindreEllerLik, double, "M")
  KX_SPY(MindreEllerLik, DT_Double*, "m")
  mutable std::string calls;
};

// Each comparison of a Spy with its own value (as a number, then as an object) within 0: its result
// and the redefined comparisons it ran. Everything built on Lik follows the redefined one, except
// the object forms of Lik, StorreEllerLik and MindreEllerLik, which call DT_Double's own double
// forms; StorreEnn and MindreEnn call the redefined forms of their own kind.
TEST(DT_Double, ComparisonsFollowARedefinedLik) {
  Spy s(4.0);
  const auto run = [&s](auto x) {
    return Texts{
        s.Took(s.Lik(x, 0)),       s.Took(s.StorreEllerLik(x, 0)), s.Took(s.MindreEllerLik(x, 0)),
        s.Took(s.StorreEnn(x, 0)), s.Took(s.MindreEnn(x, 0)),      s.Took(s.CompareWith(x, 0))};
  };
  EXPECT_EQ(run(4.0), (Texts{"1L", "1LG", "1LM", "0LM", "0LG", "0L"}));
  EXPECT_EQ(run(&kFour), (Texts{"0", "1Lg", "1Lm", "0Lm", "0Lg", "0L"}));
}

// Every changing operation calls the hook once after storing; failures and no-ops never do.
TEST(DT_Double, ChangesCallTheHookOnceAndFailuresLeaveEverything) {
  // clang-format off
  ExpectChanges<DT_Double>(2.0, {
      {OP(n.Init(&kFour)), 1, 4.0, 1, U}, {OP(n.Init(kNone)), 0, 2.0, 0, U},
      {OP(n.Init("12abc")), 1, 12.0, 1, U}, {OP(n.Init("abc")), 1, 0.0, 1, U},
      {OP(n.Init(kNull<char>)), 0, 2.0, 0, -1}, {OP(n.Init(&number)), 1, 12.75, 1, U},
      {OP(n.Init(static_cast<Streng*>(nullptr))), 0, 2.0, 0, -1},
      {OP(n.InitRel(&kFour)), 1, 6.0, 1, U}, {OP(n.InitRel(kNone)), 0, 2.0, 0, U},
      {OP(n.InitMult(&kFour)), 1, 8.0, 1, U}, {OP(n.InitMult(kNone)), 0, 2.0, 0, U},
      {OP(n.InitDiv(&kFour)), 1, 0.5, 1, U}, {OP(n.InitDiv(-0.0)), 0, 2.0, 0, -1},
      {OP(n.InitDiv(kNone)), 0, 2.0, 0, -2}, {OP(n.InitDiv(kNaN)), 1, kNaN, 1, U},
      {OP(n.SnuFortegn(1)), 1, 2.0, 0, U}, {OP(n.SnuFortegn(-1)), 1, -2.0, 1, U},
      {OP(n.SnuFortegn(0)), 1, -2.0, 1, U}, {OP((n.Init(0.0), n.SnuFortegn(1))), 1, 0.0, 1, U},
      {OP(n.RundAv(0.0, 1)), 1, 2.0, 0, U}, {OP(n.RundAv(0.3, 1)), 1, 6 * 0.3, 1, U},
      {OP(n.RundAv(kNaN, 0)), 0, 2.0, 0, -1}, {OP(n.RundAv(kInf, 1)), 0, 2.0, 0, -1},
      {OP(n.RundAv(1e-320, 0)), 0, 2.0, 0, -1},  // the quotient would overflow
      {OP(n.Quotient(7.5, 1)), 7.0, 7.5, 1, U}, {OP(n.Quotient(7.5, 0)), 2.0, 2.0, 0, U},
      {OP(n.Quotient(kNone)), 2.0, 2.0, 0, U}, {OP(n.Remainder(&kQuarter)), 0.25, 4.25, 1, U},
      {OP((n.Init(0), n.InitRel(6), n.InitMult(2), n.InitDiv(4))), 1, 3.0, 4, U},  // integers
      {OP(n.InitDiv(0)), 0, 2.0, 0, -1}});
  // clang-format on
}

TEST(DT_Double, RoundingAndSplitting) {
  // clang-format off
  const struct { double v, unit; int mode; double expected; } rounding[] = {
      {1.26, 0.5, 1, 1.0}, {1.26, 0.5, 0, 1.5}, {1.26, 0.5, 7, 1.0},  // 0 up, any other mode down
      {1.0 + 0.4e-6, 0.5, 0, 1.0}, {1.0 + 0.6e-6, 0.5, 0, 1.5},      // allowance: 1e-6 units
      {1.0 - 0.4e-6, 0.5, 1, 1.0}, {1.0 - 0.6e-6, 0.5, 1, 0.5},
      {1.26, -0.5, 1, 1.5}, {-1.26, 0.5, 0, -1.0},                    // the sign mirrors
      {12345.6789, 0.001, 1, 12345678 * 0.001}, {12345.6789, 0.001, 0, 12345679 * 0.001}};
  // clang-format on
  for (const auto& r : rounding) {
    DT_Double d(r.v);
    EXPECT_EQ((d.RundAv(r.unit, r.mode), d.Get()), r.expected)
        << r.v << " by " << r.unit << " mode " << r.mode;
  }
  // x, its Quotient and Remainder: only a fraction near +1 is taken up.
  // clang-format off
  const double split[][3] = {
      {7.9999999999, 8.0, 0.0}, {7.999999998, 7.0, 7.999999998 - 7.0}, {99999.99999999999, 1e5, 0},
      {-7.9999999999, -7.0, -7.9999999999 + 7.0}, {kInf, kInf, 0.0}, {kNaN, kNaN, kNaN}};
  // clang-format on
  for (const auto& [x, quotient, remainder] : split) {
    DT_Double d;
    EXPECT_EQ((Values{d.Quotient(x, 1), d.Remainder(kNone)}), (Values{quotient, remainder})) << x;
  }
}

TEST(DT_Tall, TextForms) {
  const std::pair<double, int> decimals[] = {{3.14, 2},   {3.0, 0},   {0.1234567, 6}, {1e-7, 0},
                                             {-0.125, 3}, {1e300, 0}, {kNaN, 0}};
  for (const auto& [v, n] : decimals) EXPECT_EQ(DT_Double(v).Decimals(), n) << v;
  // clang-format off
  const struct { int shown; const char* fmt; double v; const char* text; int code; } rows[] = {
      {-1, nullptr, 12.5, "12.50", U}, {0, nullptr, 12.7, "13", U}, {3, nullptr, -1.0, "-1.000", U},
      {-1, "%.1f%% m", 12.34, "12.3% m", U}, {-1, "%+.2Le", 1500.0, "+1.50e+03", U},
      {-1, "no value", 1.0, "no value", U}, {-1, "%d", 1.0, "", -1}, {-1, "%s", 1.0, "", -1},
      {-1, "%f %f", 1.0, "", -1}, {-1, "%*f", 1.0, "", -1}, {-1, "%n", 1.0, "", -1},
      {-1, "100%", 1.0, "", -1}};
  // clang-format on
  for (const auto& r : rows) {
    DT_Double d(r.v);
    d.AntDesimalerSomVises(r.shown), d.ErrorKode(U);
    EXPECT_STREQ(d.SomChar(r.fmt), r.text) << (r.fmt ? r.fmt : "(default)");
    EXPECT_EQ(d.ErrorKode(-9999), r.code) << (r.fmt ? r.fmt : "(default)");
  }
  const std::pair<const char*, const char*> ints[] = {
      {nullptr, "42"},   {"%05d", "00042"}, {"%ld", "42"}, {"%lld", "42"},
      {"n=%hx", "n=2a"}, {"%f", ""},        {"%s", ""}};
  for (const auto& [fmt, text] : ints)
    EXPECT_STREQ(DT_Int(42).SomChar(fmt), text) << (fmt ? fmt : "-");
  DT_Float f(2.5f);
  f.AntDesimalerSomVises(5);  // the float's text does not use it
  EXPECT_EQ(std::string(f.SomChar()) + " " + DT_Longint(INT_MIN).SomChar(), "2.500000 -2147483648");
}

TEST(DT_Double, LesReadsThroughTheHostInterface) {
  HostCapture host;
  host.Api().numbers = {7.25};
  Counted<DT_Double> d(1.5);
  // The prompt is shown as it is, not used as a format; a failed read keeps the value, without a
  // hook call, and without a prompt nothing is shown.
  EXPECT_EQ((Values{d.Les("Height %d", 1), d.Les(nullptr, 1)}), (Values{1, 0}));
  EXPECT_EQ(host.Texts(), (Texts{"Height %d", " <1.50>", " : "}));
  KxBasicAPI plain;  // not an IO_Enhet: nothing to read from, nothing shown
  d.API(&plain);
  host.Api().numbers = {3.0};
  EXPECT_EQ((Values{d.Les("Height", 1), d.Get(), d.hooks, host.Count()}), (Values{0, 7.25, 1, 3}));
}

// NULL stays ambiguous (a null object or the number 0?) where the compiler can tell it from 0.
template <typename T, typename = void>
struct AcceptsNull : std::false_type {};
template <typename T>
struct AcceptsNull<T, std::void_t<decltype(std::declval<T&>().Lik(NULL, 1.0))>> : std::true_type {};
static_assert(std::is_same_v<decltype(NULL), int> || !AcceptsNull<DT_Double>::value);

// Pairs carry their own integer and take only the value of another object.
TEST(DT_DoubleInt, PairsCarryTheirOwnInteger) {
  DT_DoubleInt pair(3.5, 7), fromZero(0, 4);
  pair.AntDesimalerSomVises(4);
  DT_DoubleInt copy(pair), fromObject(&pair, 2);
  const Streng text("K%d", 12);
  DT_StringInt named(&text, 7), namedCopy(named), none;
  copy.Int().Init(9), namedCopy.Int().Init(8);
  EXPECT_EQ((Values{copy.Get(), copy.AntDesimalerSomVises(), copy.Int().Get(), pair.Int().Get(),
                    fromObject.Get(), fromObject.AntDesimalerSomVises(), fromObject.Int().Get(),
                    fromZero.Get(), fromZero.Int().Get(), DT_DoubleInt().Get(), named.Int().Get(),
                    namedCopy.Int().Get(), none.Int().Get()}),
            (Values{3.5, 4, 9, 7, 3.5, 2, 2, 0, 4, 0, 7, 8, 0}));
  EXPECT_EQ(std::string(named.Get()) + "|" + namedCopy.Get() + "|" + none.Get(), "K12|K12|");
}

TEST(DT_Tall, PlaceholdersAndShownDecimals) {
  HostCapture host;
  DT_Heltall number;  // adds nothing, so it answers with the placeholders
  EXPECT_EQ(number.Init("12"), 0);
  number.SomChar("%d")[0] = 'X';  // writable, and whole again next time
  EXPECT_EQ(host.Lines(), (Texts{"ErrorBox[Message|1048577] DT_Tall::Init( char *NumberAsString ) "
                                 "should not be called.There has to be a virtual function i a "
                                 "derived class.",
                                 "Box[kxlib|0] ERROR: DT_Tall::SomChar()\n You can't call this "
                                 "function directly."}));
  EXPECT_STREQ(DT_Tall().SomChar(), "DT_Tall=NULL");
  const std::pair<int, int> shown[] = {{-1, 2}, {256, 2}, {0, 0}, {255, 255}, {-5, 255}};
  DT_Desimaltall decimal;
  for (const auto& [n, after] : shown) EXPECT_EQ(decimal.AntDesimalerSomVises(n), after) << n;
}

// The integers and the float: changes wrap to 32 bits or round to float, and run the hook once.
TEST(DT_Int, ChangesWrapAndCallTheHookOnce) {
  HostCapture host;  // reading DT_Longint and DT_Float is not provided: only a message
  host.Api().numbers = {12};
  // clang-format off
  ExpectChanges<DT_Int>(7, {
      {OP(n.InitRel(5)), 1, 12, 1, U}, {OP(n.InitRel(INT_MAX)), 1, INT_MIN + 6, 1, U},
      {OP(n.InitRel(kNull<DT_Int>)), 0, 7, 0, U}, {OP(n.Init(kNull<DT_Int>)), 0, 7, 0, U},
      {OP(n.Init("12.9")), 1, 12, 1, U}, {OP(n.Init(" -3x")), 1, -3, 1, U},
      {OP(n.Init("99999999999")), 1, INT_MAX, 1, U}, {OP(n.Init("-99999999999")), 1, INT_MIN, 1, U},
      {OP(n.Init(kNull<char>)), 0, 7, 0, -1}, {OP(n.Init(&number)), 1, 12, 1, U},
      {OP(n.Les("Count", 0)), 1, 12, 1, U}});
  ExpectChanges<DT_Longint>(INT_MAX, {
      {OP(n.InitRel(1)), 1, INT_MIN, 1, U}, {OP(n.Init("99999999999")), 1, INT_MAX, 1, U},
      {OP(n.Init(kNull<DT_Longint>)), 0, INT_MAX, 0, U},
      {OP(n.InitRel(kNull<DT_Longint>)), 0, INT_MAX, 0, U},
      {OP(n.Init(kNull<char>)), 0, INT_MAX, 0, -1}, {OP(n.Les("Number", 1)), 1, INT_MAX, 0, U}});
  ExpectChanges<DT_Float>(kBig, {
      {OP(n.InitRel(1)), 1, kBig, 1, U}, {OP(n.Init("12.9")), 1, 12.9f, 1, U},
      {OP(n.Init(kNull<DT_Float>)), 0, kBig, 0, U}, {OP(n.InitRel(kNull<DT_Float>)), 0, kBig, 0, U},
      {OP(n.Init(kNull<char>)), 0, kBig, 0, -1}, {OP(n.Les("Value", 1)), 0, kBig, 0, U}});
  // clang-format on
  EXPECT_EQ(host.Lines(), (Texts{"Printf[|0] Count", "Printf[|0]  : ",  // no current value asked
                                 "Box[kxlib|0] DT_Longint::Les is not implemented (LBA).",
                                 "Box[kxlib|0] DT_Float::Les() is not implemented (LBA)"}));
  EXPECT_EQ(
      (Values{DT_Int(kNull<DT_Int>).Get(), DT_Longint(kNull<DT_Longint>).Get(), DT_Longint(0).Get(),
              DT_Float(kNull<DT_Float>).Get(), DT_Float(0).Get(), DT_Longint(0x100000005LL).Get()}),
      (Values{0, 0, 0, 0, 0, 5}));  // a long keeps its low 32 bits
}

}  // namespace
