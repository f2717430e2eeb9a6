// DT_Int, DT_Longint and DT_Float: values, 32-bit wrap, float rounding, text, reading.

#include "kx/numbers/DT_Int.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "kx/numbers/DT_Float.h"
#include "kx/numbers/DT_Longint.h"
#include "numbers/NumberTest.h"
#include "support/HostCapture.h"

using namespace kx::test;

namespace {

const DT_Int* const kNoInt = nullptr;
#define OP(expr) [](DT_Int& i) { return (expr); }

TEST(DT_Int, ChangesWrapAndCallTheHookOnce) {
  // Starting from 7: result, value afterwards, hook calls, last error code afterwards (-77: kept).
  const struct { int (*op)(DT_Int&); int result, value, hooks, code; } rows[] = {
      {OP(i.InitRel(5)), 1, 12, 1, -77}, {OP(i.InitRel(INT_MAX)), 1, INT_MIN + 6, 1, -77},
      {OP(i.InitRel(kNoInt)), 0, 7, 0, -77}, {OP(i.Init(kNoInt)), 0, 7, 0, -77},
      {OP(i.Init("12.9")), 1, 12, 1, -77}, {OP(i.Init(" -3x")), 1, -3, 1, -77},
      {OP(i.Init("99999999999")), 1, INT_MAX, 1, -77},
      {OP(i.Init("-99999999999")), 1, INT_MIN, 1, -77},
      {OP(i.Init(static_cast<const char*>(nullptr))), 0, 7, 0, -1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Counted<DT_Int> i(7);
    i.ErrorKode(-77);
    EXPECT_EQ(row.op(i), row.result);
    EXPECT_EQ(i.Get(), row.value);
    EXPECT_EQ(i.hooks, row.hooks);
    EXPECT_EQ(i.ErrorKode(-9999), row.code);
  }
  EXPECT_EQ(DT_Int(kNoInt).Get(), 0);
}

TEST(DT_Int, TextAndReading) {
  DT_Int i(42);
  const std::pair<const char*, const char*> rows[] = {
      {nullptr, "42"}, {"%05d", "00042"}, {"%ld", "42"}, {"%lld", "42"}, {"%x", "2a"},
      {"%d%%", "42%"}, {"n=%hd", "n=42"}, {"%f", ""}, {"%s", ""}, {"%d%d", ""}};
  for (const auto& [fmt, text] : rows) EXPECT_STREQ(i.SomChar(fmt), text) << (fmt ? fmt : "-");
  HostCapture host;
  Counted<DT_Int> read(3);
  host.Api().numbers = {12};
  EXPECT_EQ(read.Les("Count", 1), 1);
  EXPECT_EQ(read.Les("Count", 0), 0);   // nothing more to read: the value stays
  EXPECT_EQ((Ints{read.Get(), read.hooks}), (Ints{12, 1}));
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Count", " <3>", " : ", "Count", " : "}));
}

TEST(DT_Longint, ValuesStayWithin32Bits) {
  HostCapture host;
  Counted<DT_Longint> n(INT_MAX);
  n.InitRel(1);
  EXPECT_EQ(n.Get(), INT_MIN);
  n.Init("99999999999");
  EXPECT_EQ((Ints{n.Get(), n.hooks}), (Ints{INT_MAX, 2}));
  if constexpr (sizeof(long) > 4) {
    EXPECT_EQ(DT_Longint(0x100000005L).Get(), 5);   // the low 32 bits
  }
  const DT_Longint* none = nullptr;
  EXPECT_EQ((Ints{n.Init(none), n.InitRel(none), DT_Longint(none).Get(), DT_Longint(0).Get()}),
            (Ints{0, 0, 0, 0}));
  EXPECT_STREQ(DT_Longint(-42L).SomChar(), "-42");
  EXPECT_STREQ(n.SomChar("[%6ld]"), "[2147483647]");
  EXPECT_EQ(n.Les("Number", 1), 1);   // not provided: a message, the value kept
  EXPECT_EQ((Ints{n.Get(), n.hooks}), (Ints{INT_MAX, 2}));
  EXPECT_EQ(host.Last().via, Shown::Via::PlatformBox);
  EXPECT_EQ(host.Last().text, "DT_Longint::Les is not implemented (LBA).");
}

TEST(DT_Float, ValuesAreRoundedToFloat) {
  HostCapture host;
  Counted<DT_Float> f(16777216.0f);
  f.InitRel(1);
  EXPECT_EQ(f.Get(), 16777216.0f);   // the sum rounded to float
  f.Init("12.9");
  EXPECT_EQ(f.Get(), 12.9f);
  const DT_Float* none = nullptr;
  EXPECT_EQ((Ints{f.Init(none), f.InitRel(none), f.Init(static_cast<const char*>(nullptr)),
                  f.hooks, f.ErrorKode(-9999)}), (Ints{0, 0, 0, 2, -1}));
  EXPECT_EQ(DT_Float(0).Get() + DT_Float(none).Get(), 0.0f);
  f.Init(2.5f);
  f.AntDesimalerSomVises(5);
  EXPECT_STREQ(f.SomChar(), "2.500000");   // the shown decimals do not enter
  EXPECT_STREQ(f.SomChar("%.1f%%"), "2.5%");
  EXPECT_EQ(f.Les("Value", 1), 0);   // not provided: a message, the value kept
  EXPECT_EQ(f.Get(), 2.5f);
  EXPECT_EQ(host.Last().text, "DT_Float::Les() is not implemented (LBA)");
}

}  // namespace
