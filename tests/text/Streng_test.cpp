// Streng: construction, every operation at its edges, at its worst inputs and with long patterns,
// and the hook rule (the table in data/text/streng.cases), code pages over all bytes, reading from
// the host.

#include "kx/text/Streng.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "support/HostCapture.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

constexpr int kUnset = 4711;  // the last error code set before each case
const char* noFormat = nullptr;  // not const: the compiler would check it as a format

// Holds a text literally (not as a format) and counts the hook calls.
struct Counting : Streng {
  explicit Counting(const std::string& text) { Streng::operator=(text.c_str()); }
  int hooks = 0;
  void UtforEtterInit() override { ++hooks; }
};

TEST(Streng, ConstructionFromEverySource) {
  Streng probe;
  probe.ErrorKode(kUnset);
  Streng formatted("a%db", 5), zero(0), null(nullptr), legacyNull(NULL), nullFormat(noFormat, 1),
      nullSource(static_cast<const Streng*>(nullptr));
  for (const Streng* s : {&zero, &null, &legacyNull, &nullFormat, &nullSource}) {
    EXPECT_STREQ(s->Get(), "");
  }
  EXPECT_EQ(probe.ErrorKode(-9999), kUnset);
  EXPECT_EQ(Streng(5).Lengde(), 0);  // not a source: empty, and flagged
  EXPECT_EQ(probe.ErrorKode(-9999), -1);
  EXPECT_EQ(Streng("%s%600d", "x", 7).Lengde(), 511);               // cut, never beyond the buffer
  formatted.Init("<%s|%s>", formatted.Get(), formatted.GetFra(1));  // arguments from its text
  formatted.ClassType(7);
  Streng copy(formatted);
  copy.Add('!');
  EXPECT_EQ(copy.ClassType() + Streng(&formatted).ClassType(), 7 + 100);  // a copy of the text only
  EXPECT_EQ(std::string(formatted.Get()) + "," + copy.Get(), "<a5b|5b>,<a5b|5b>!");
}

// The arguments of a table row, read against the object they are used on.
struct Args {
  const Row& row;
  Counting& s;
  const char* S(int i) const {
    const std::string& w = row.S(0, i + 1);
    return w == "NULL" ? nullptr : w[0] == '@' ? s.GetFra(std::stoi(w.substr(1))) : w.c_str();
  }
  char C(int i) const { return row.S(0, i + 1)[0]; }
  int I(int i) const { return row.I(0, i + 1); }
  Streng* Self(int i) const { return row.S(0, i + 1) == "NULL" ? nullptr : &s; }
  char* Buffer(int i) const { return row.S(0, i + 1) == "NULL" ? nullptr : s.Get(); }
};

std::string Result(int v) { return std::to_string(v); }
std::string Result(char c) { return c == '\0' ? "" : std::string(1, c); }
std::string Result(const char* s) { return s; }
// What Kopi and then TaUtKopi give ("-" for none).
std::string Cut(Streng& s, int from, int to) {
  std::string texts;
  for (Streng* copy : {s.Kopi(from, to), s.TaUtKopi(from, to)}) {
    texts += (texts.empty() ? "" : " ") + std::string(copy != nullptr ? copy->Get() : "-");
    delete copy;
  }
  return texts;
}

TEST(Streng, OperationsAtTheEdgesAndTheHookRule) {
#define OP(name, expr) {name, [](const Args& a) { return Result(expr); }}
  const std::map<std::string, std::function<std::string(const Args&)>> ops = {
      OP("Get", a.s.Get(a.I(0))), OP("GetFra", a.s.GetFra(a.I(0))),
      OP("GetForsteUth", a.s.GetForsteUth()), OP("AntallLinjer", a.s.AntallLinjer()),
      OP("LengsteLinje", a.s.LengsteLinje()), OP("LengdeUten", a.s.LengdeUten(a.C(0))),
      OP("HvorEr", a.s.HvorEr(a.S(0), a.I(1))), OP("Lik", a.s.Lik(a.S(0), a.I(1), a.I(2))),
      OP("CaseLik", a.s.CaseLik(a.S(0), a.I(1), a.I(2))),
      OP("KopiN", a.s.KopiN(a.Self(0), a.I(1), a.I(2))),
      OP("KopiNc", a.s.KopiN(a.Buffer(0), a.I(1), a.I(2))),
      OP("Cut", Cut(a.s, a.I(0), a.I(1)).c_str()),
      OP("CopyFrom", a.s.CopyFrom(a.S(0), a.I(1), a.I(2))), OP("Init", (a.s.Init(a.S(0), a.S(1)), 1)),
      OP("InitFrom", a.s.Init(static_cast<const Streng*>(nullptr)) == &a.s),
      OP("Set", (a.s.Set(a.S(0), a.I(1)), 1)), OP("SetC", (a.s.Set(a.C(0), a.I(1)), 1)),
      OP("Insert", (a.s.Insert(a.S(0), a.I(1)), 1)), OP("InsertC", (a.s.Insert(a.C(0), a.I(1)), 1)),
      OP("Delete", (a.s.Delete(a.I(0)), 1)), OP("SlettFraTil", a.s.SlettFraTil(a.I(0), a.I(1))),
      OP("SlettFra", a.s.SlettFra(a.I(0))), OP("SlettTil", a.s.SlettTil(a.I(0))),
      OP("Empty", (a.s.Empty(), 1)), OP("ByttC", a.s.ByttAlleAmedB(a.C(0), a.C(1))),
      OP("Bytt", a.s.ByttAlleAmedB(a.S(0), a.S(1))),
      OP("Fyll", a.s.FyllBlankeTilLengdeEr(a.I(0), a.I(1))),
      OP("FjernBlanke", a.s.FjernBlanke(a.I(0), a.I(1))),
      OP("FjernAlleBlanke", a.s.FjernAlleBlanke()), OP("UpStr", a.s.UpStr(nullptr) == a.s.Get()),
      OP("MakeShorter", a.s.MakeShorter(a.I(0), a.I(1))),
      OP("Convert", a.s.Convert(a.I(0), a.S(1), a.S(2))), OP("Trim", (a.s.Trim(), 1)),
      OP("Find", a.s.Find(a.S(0), a.I(1))), OP("FindC", a.s.Find(a.C(0), a.I(1))),
      OP("ReverseFind", a.s.ReverseFind(a.C(0))), OP("GetAt", a.s.GetAt(a.I(0))),
      OP("Mid", a.s.Mid(a.I(0), a.I(1)).Get()), OP("Left", a.s.Left(a.I(0)).Get()),
      OP("Right", a.s.Right(a.I(0)).Get()), OP("Replace", a.s.Replace(a.S(0), a.S(1))),
      OP("ReplaceC", a.s.Replace(a.C(0), a.C(1))), OP("Remove", a.s.Remove(a.C(0))),
      OP("MakeLower", (a.s.MakeLower(), 1)), OP("MakeUpper", (a.s.MakeUpper(), 1)),
      OP("Compare", (a.s.Compare(a.S(0)) > 0) - (a.s.Compare(a.S(0)) < 0)),
      OP("CompareNoCase", a.s.CompareNoCase(a.S(0))), OP("Append", (a.s += a.S(0), 1)),
      OP("AppendC", (a.s += a.C(0), 1)), OP("Assign", (a.s.Streng::operator=(a.S(0)), 1))};
#undef OP
  for (const Row& r : Table("text/streng.cases")) {
    if (ops.count(r.kind) == 0) continue;  // the byte tables below
    Counting s(r.S(0, 0));
    s.ErrorKode(kUnset);
    const std::string result = ops.at(r.kind)(Args{r, s});
    const auto word = [&r](std::size_t w, const char* otherwise) {
      return r.Words(1) > w && r.S(1, w) != "=" && r.S(1, w) != "-" ? r.S(1, w) : otherwise;
    };
    EXPECT_EQ(std::make_tuple(result, std::string(s.Get()), s.hooks, s.ErrorKode(-9999)),
              std::make_tuple(r.S(1, 0), word(1, r.S(0, 0).c_str()), std::stoi(word(2, "0")),
                              std::stoi(word(3, "4711"))))
        << r.where;
  }
}

TEST(Streng, MakeShorterIntoATargetAndTheMissingMode) {
  HostCapture host;
  Counting s("abcdefghijklmnopqrs"), target("keep");
  EXPECT_EQ(Counting("ab").MakeShorter(5, 1, &target) + s.MakeShorter(8, 3, &target), 2);
  EXPECT_EQ(host.Lines(), Words("text/messages.cases", "shorter"));
  EXPECT_EQ(s.MakeShorter(8, 2, &target), 1);
  EXPECT_EQ(std::string(target.Get()) + "|" + s.Get(), "abc...rs|abcdefghijklmnopqrs");
}

// Every byte 1 to 255 through both code pages and the fixed upper-case table (into a caller's
// buffer: the object stays as it is): the bytes of the table changed, every other one untouched.
TEST(Streng, ByteTablesOverAllBytes) {
  const auto all = [](const Row* table, bool letters) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += static_cast<char>(letters && b >= 'a' && b <= 'z' ? b - 32 : b);
    for (std::size_t i = 0; table != nullptr && i + 1 < table->Words(1); i += 2) {
      bytes[table->I(1, i) - 1] = static_cast<char>(table->I(1, i + 1));
    }
    return bytes;
  };
  for (const Row& r : Table("text/streng.cases", "codepage")) {
    Counting s(all(nullptr, false));
    EXPECT_EQ(s.Convert(r.I(0), "ignored", nullptr), 1);
    EXPECT_EQ(s.Get(), all(&r, false)) << r.where;
  }
  std::string bytes = all(nullptr, false);
  Counting s("x");
  EXPECT_EQ(s.UpStr(bytes.data()), bytes.data());
  EXPECT_EQ(bytes + s.Get() + std::to_string(s.hooks),
            all(&Table("text/streng.cases", "upper")[0], true) + "x0");
}

TEST(Streng, LesPromptsAndReadsThroughTheHost) {
  HostCapture host;
  Counting s("old");
  host.Api().lines = {"new 100%", "", ""};
  EXPECT_EQ(s.Les("Name 50%", 1) + s.Les("Again", 1), 2);  // an empty line keeps the old text
  EXPECT_EQ(host.Lines(), Words("text/messages.cases", "les"));
  EXPECT_EQ(std::string(s.Get()) + std::to_string(s.hooks), "new 100%1");
  host.Clear();
  EXPECT_EQ(s.Les(nullptr, 0), 1);  // no prompt; an empty line without showOld empties
  EXPECT_EQ(host.Count() + s.Lengde(), 0u);
  s.Add("%s kept");
  EXPECT_EQ(s.Les("P", 0), 0);  // the script is empty: reading fails
  EXPECT_EQ(s.SkrivUtObj(), 1);
  EXPECT_EQ(host.Texts(), (Texts{"P", " : ", "%s kept"}));  // shown as it is, not as a format
  EXPECT_EQ(std::string(s.Get()) + std::to_string(s.hooks), "%s kept3");
}

// The length written through GetBuffer or Get: up to the NUL, or as given (cut at the length and
// at a NUL, which a text never holds).
TEST(Streng, ReleaseBuffer) {
  Counting s("W0RLD");
  const auto release = [&s](int length) { return s.ReleaseBuffer(length), s.Lengde(); };
  std::strcpy(s.GetBuffer(20), "written into it");
  const int written = release(-1);
  const int given = release(9);
  s.Get()[5] = '\0';
  const int beforeNul = release(99);
  s.GetBuffer(30);  // room for 30, filled with NULs until written
  EXPECT_EQ((std::vector<int>{written, given, beforeNul, release(30), s.hooks}),
            (std::vector<int>{15, 9, 5, 5, 0}));
}

}  // namespace
