// The number classes: tolerance comparisons and their dispatch, changes and the hook, rounding,
// splitting, text forms and reading from text (data/numbers/double.cases), 32-bit wrap, float
// rounding, reading from the host, the DT_Tall placeholders, pairs.

#include "kx/numbers/DT_Tall.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <utility>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

template <class T>
const T* const kNull = nullptr;  // a null argument of one type, so that the overload is clear
const DT_Double* const kNone = nullptr;
constexpr const char* kMessages = "numbers/messages.cases";
Streng number("12.75abc");
const DT_Double kFour(4.0), kQuarter(4.25);
constexpr float kBig = 16777216.0f;  // a float to which adding 1 changes nothing

TEST(DT_Double, ToleranceComparisons) {
  DT_Double v;
  auto all = [&v](auto x, double t) {
    return Values{v.Lik(x, t),       v.StorreEllerLik(x, t), v.MindreEllerLik(x, t),
                  v.StorreEnn(x, t), v.MindreEnn(x, t),      v.CompareWith(x, t)};
  };
  for (const Row& r : Table("numbers/double.cases", "compare")) {
    v.Init(r.D(0, 0));
    const DT_Double x(r.D(0, 1));
    const Values expected{r.D(1, 0), r.D(1, 1), r.D(1, 2), 1 - r.D(1, 2), 1 - r.D(1, 1), r.D(1, 3)};
    EXPECT_EQ(all(r.D(0, 1), r.D(0, 2)), expected) << r.where;
    EXPECT_EQ(all(&x, r.D(0, 2)), expected) << r.where;
  }
  v.Init(0.5);
  EXPECT_EQ(all(1, 0.25), (Values{0, 0, 1, 0, 1, -1}));  // integer arguments are numbers
  EXPECT_EQ((Values{v.Lik(0, 1.0), v.CompareWith(0, 0.25)}), (Values{1, 1}));  // a literal 0 too
  HostCapture host;  // only CompareWith reports the null object
  EXPECT_EQ(all(kNone, 1.0), (Values{0, 0, 0, 1, 1, 0}));
  EXPECT_EQ(host.Lines(), Words(kMessages, "compare"));
}

// A DT_Double whose Lik always answers 1 and that records, in the order they finish, which of the
// redefined comparisons run.
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

// Everything built on Lik follows the redefined one, except the object forms of Lik,
// StorreEllerLik and MindreEllerLik, which call DT_Double's own double forms; StorreEnn and
// MindreEnn call the redefined forms of their own kind.
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

// A change of a number n: the call, its result, the value afterwards, the hook calls and the last
// error code afterwards. Each row runs on a new Counted<Number>(start) whose last error code is U.
template <class Number>
struct Change {
  double (*op)(Number&);
  double result, value, hooks, code;
};
#define OP(expr) [](auto& n) -> double { return (expr); }
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

// Every changing operation calls the hook once after storing; failures and no-ops never do. The
// integers wrap to 32 bits, the float rounds to float.
TEST(DT_Double, ChangesCallTheHookOnceAndFailuresLeaveEverything) {
  HostCapture host;  // reading DT_Longint and DT_Float is not provided: only a message
  host.Api().numbers = {12};
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
  ExpectChanges<DT_Int>(7, {
      {OP(n.InitRel(5)), 1, 12, 1, U}, {OP(n.InitRel(INT_MAX)), 1, INT_MIN + 6, 1, U},
      {OP(n.InitRel(kNull<DT_Int>)), 0, 7, 0, U}, {OP(n.Init(kNull<DT_Int>)), 0, 7, 0, U},
      {OP(n.Init("12.9")), 1, 12, 1, U}, {OP(n.Init(" -3x")), 1, -3, 1, U},
      {OP(n.Init(kNull<char>)), 0, 7, 0, -1}, {OP(n.Init(&number)), 1, 12, 1, U},
      {OP(n.Les("Count", 0)), 1, 12, 1, U}});
  ExpectChanges<DT_Longint>(INT_MAX, {
      {OP(n.InitRel(1)), 1, INT_MIN, 1, U}, {OP(n.Init(kNull<DT_Longint>)), 0, INT_MAX, 0, U},
      {OP(n.InitRel(kNull<DT_Longint>)), 0, INT_MAX, 0, U},
      {OP(n.Init(kNull<char>)), 0, INT_MAX, 0, -1}, {OP(n.Les("Number", 1)), 1, INT_MAX, 0, U}});
  ExpectChanges<DT_Float>(kBig, {
      {OP(n.InitRel(1)), 1, kBig, 1, U}, {OP(n.Init("12.9")), 1, 12.9f, 1, U},
      {OP(n.Init(kNull<DT_Float>)), 0, kBig, 0, U}, {OP(n.InitRel(kNull<DT_Float>)), 0, kBig, 0, U},
      {OP(n.Init(kNull<char>)), 0, kBig, 0, -1}, {OP(n.Les("Value", 1)), 0, kBig, 0, U}});
  // clang-format on
  EXPECT_EQ(host.Lines(), Words(kMessages, "les"));  // no current value asked for DT_Int
  EXPECT_EQ(
      (Values{DT_Int(kNull<DT_Int>).Get(), DT_Longint(kNull<DT_Longint>).Get(),
              DT_Float(kNull<DT_Float>).Get(), DT_Longint(0x100000005LL).Get()}),
      (Values{0, 0, 0, 5}));  // a long keeps its low 32 bits
}

TEST(DT_Double, RoundingSplittingAndTextForms) {
  for (const Row& r : Table("numbers/double.cases", "round")) {
    DT_Double d(r.D(0, 0));
    EXPECT_EQ((d.RundAv(r.D(0, 1), r.I(0, 2)), d.Get()), r.D(1)) << r.where;
  }
  for (const Row& r : Table("numbers/double.cases", "split")) {
    DT_Double d;
    EXPECT_EQ((Values{d.Quotient(r.D(0), 1), d.Remainder(kNone)}), (Values{r.D(1, 0), r.D(1, 1)}))
        << r.where;
  }
  for (const Row& r : Table("numbers/double.cases", "decimals")) {
    EXPECT_EQ(DT_Double(r.D(0)).Decimals(), r.I(1)) << r.where;
  }
  for (const Row& r : Table("numbers/double.cases", "text")) {
    DT_Double d(r.D(0, 2));
    d.AntDesimalerSomVises(r.I(0, 0)), d.ErrorKode(U);
    EXPECT_STREQ(d.SomChar(r.S(0, 1) == "NULL" ? nullptr : r.S(0, 1).c_str()), r.S(1, 0).c_str())
        << r.where;
    EXPECT_EQ(d.ErrorKode(-9999), r.S(1, 1) == "-" ? U : r.I(1, 1)) << r.where;
  }
  for (const Row& r : Table("numbers/double.cases", "inttext")) {
    DT_Int i(r.I(0, 0));
    i.ErrorKode(U);
    EXPECT_STREQ(i.SomChar(r.S(0, 1) == "NULL" ? nullptr : r.S(0, 1).c_str()), r.S(1, 0).c_str())
        << r.where;
    EXPECT_EQ(i.ErrorKode(-9999), r.S(1, 1) == "-" ? U : r.I(1, 1)) << r.where;
  }
  for (const Row& r : Table("numbers/double.cases", "parse")) {
    char* text = r.S(0, 1) == "NULL" ? nullptr : const_cast<char*>(r.S(0, 1).c_str());
    const auto parse = [text](auto&& n) { return Values{n.Init(text), n.Get()}; };
    const std::string& type = r.S(0, 0);
    EXPECT_EQ(type == "double"  ? parse(DT_Double(7.0))
              : type == "float" ? parse(DT_Float(7.0f))
              : type == "int"   ? parse(DT_Int(7))
                                : parse(DT_Longint(7L)),
              (Values{r.D(1, 0), r.D(1, 1)}))
        << r.where;
  }
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

// Pairs carry their own integer and take only the value of another object; the placeholders of
// DT_Tall answer a class that adds nothing; the shown decimals stay within 0 to 255.
TEST(DT_Tall, PairsPlaceholdersAndShownDecimals) {
  DT_DoubleInt pair(3.5, 7);
  pair.AntDesimalerSomVises(4);
  DT_DoubleInt copy(pair), fromObject(&pair, 2);
  const Streng text("K%d", 12);
  DT_StringInt named(&text, 7), namedCopy(named);
  copy.Int().Init(9), namedCopy.Int().Init(8);
  EXPECT_EQ((Values{copy.Get(), copy.AntDesimalerSomVises(), copy.Int().Get(), pair.Int().Get(),
                    fromObject.Get(), fromObject.AntDesimalerSomVises(), fromObject.Int().Get(),
                    named.Int().Get(), namedCopy.Int().Get()}),
            (Values{3.5, 4, 9, 7, 3.5, 2, 2, 7, 8}));
  EXPECT_EQ(std::string(named.Get()) + "|" + namedCopy.Get(), "K12|K12");
  HostCapture host;
  DT_Heltall heltall;
  EXPECT_EQ(heltall.Init("12"), 0);
  heltall.SomChar("%d")[0] = 'X';  // writable, and whole again next time
  EXPECT_EQ(host.Lines(), Words(kMessages, "placeholders"));
  EXPECT_STREQ(DT_Tall().SomChar(), "DT_Tall=NULL");
  DT_Desimaltall decimal;
  EXPECT_EQ((Values{decimal.AntDesimalerSomVises(-1), decimal.AntDesimalerSomVises(256),
                    decimal.AntDesimalerSomVises(0), decimal.AntDesimalerSomVises(255),
                    decimal.AntDesimalerSomVises(-5)}),
            (Values{2, 2, 0, 255, 255}));
}

}  // namespace
