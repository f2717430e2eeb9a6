// Streng: construction, positions at the edges, the hook rule, code pages, reading from the host.

#include "kx/text/Streng.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "support/HostCapture.h"

using kx::test::HostCapture;
using kx::test::Shown;

namespace {

constexpr int kUnset = 4711;  // the last error code set before each case

// Counts the hook calls.
class Counting : public Streng {
 public:
  explicit Counting(const char* text) { Streng::operator=(text); }
  int hooks = 0;

 protected:
  void UtforEtterInit() override { ++hooks; }
};

// A Streng holding text literally (not as a format).
Streng Text(const char* text) {
  Streng s;
  s = text;
  return s;
}

TEST(Streng, ConstructionFromEverySource) {
  Streng probe;
  probe.ErrorKode(kUnset);
  const char* noFormat = nullptr;
  Streng formatted("a%db", 5), none, zero(0), null(nullptr), legacyNull(NULL),
      nullFormat(noFormat, 1), nullSource(static_cast<const Streng*>(nullptr)), copied(&formatted);
  for (const Streng* s : {&none, &zero, &null, &legacyNull, &nullFormat, &nullSource}) {
    EXPECT_STREQ(s->Get(), "");
  }
  EXPECT_EQ(probe.ErrorKode(-9999), kUnset);
  EXPECT_EQ(Streng(5).Lengde(), 0);  // not a source: empty, and flagged
  EXPECT_EQ(probe.ErrorKode(-9999), -1);
  EXPECT_STREQ(copied.Get(), "a5b");
  EXPECT_STREQ(Streng("100%% of %s", "50%").Get(), "100% of 50%");
  EXPECT_EQ(Streng("%s%600d", "x", 7).Lengde(), 511);  // cut, never beyond the buffer
  formatted.Init("<%s|%s>", formatted.Get(), formatted.GetFra(1));
  EXPECT_STREQ(formatted.Get(), "<a5b|5b>");
  EXPECT_EQ(formatted.KlasseType() * 10 + formatted.ClassType(7), -10 + 7);
  Streng copy(formatted);
  copy.Add('!');
  EXPECT_EQ(copy.ClassType() + Streng(&formatted).ClassType(), 7 + 100);  // a copy of the text only
  EXPECT_STREQ(formatted.Get(), "<a5b|5b>");
}

// The result of a call on a row's object; a call without a result counts as 1.
template <typename Call>
int ResultOf(Call call) {
  if constexpr (std::is_void_v<decltype(call())>) {
    return call(), 1;
  } else {
    return static_cast<int>(call());
  }
}

// A row: a text, the call on it, the call's result, the text after it (null: unchanged), the
// number of hook calls it made and the last error code after it (U: untouched).
struct Row {
  const char* text;
  int (*op)(Counting&);
  int result;
  const char* after;
  int hooks, code;
};
// clang-format off
#define ROW(text, call, result, after, hooks, code) \
  Row{text, [](Counting& s) { return ResultOf([&s] { return s.call; }); }, result, after, hooks, \
      code}
// clang-format on

// Every operation at its boundaries (empty text, first and last position, beyond the end, 9999,
// negative positions, INT_MIN and INT_MAX) and the hook rule, operation by operation.
TEST(Streng, OperationsAtTheEdgesAndTheHookRule) {
  const int U = kUnset;
  // clang-format off
  const Row rows[] = {
      // Reading; HvorEr returns its codes and leaves the last error code alone.
      ROW("abc", Get(3), 'c', 0, 0, U),            ROW("abc", Get(-1), 'c', 0, 0, U),
      ROW("abc", Get(-5), 'a', 0, 0, U),           ROW("abc", Get(INT_MIN), 'a', 0, 0, U),
      ROW("abc", Get(INT_MAX), 'c', 0, 0, U),      ROW("", Get(-1), 0, 0, 0, U),
      ROW("abc", GetFra(2) == s.Get() + 2, 1, 0, 0, U),
      ROW("abc", GetFra(-1) == s.Get(), 1, 0, 0, U),
      ROW("abc", GetFra(3)[0], 0, 0, 0, U),        ROW("~fil", GetForsteUth(), 'F', 0, 0, U),
      ROW("Ny ~mappe", GetForsteUth(), 'M', 0, 0, U), ROW("abc", GetForsteUth(), ' ', 0, 0, U),
      ROW("ab~", GetForsteUth(), 0, 0, 0, U),      ROW("~ a~z", GetForsteUth(), 'Z', 0, 0, U),
      ROW("a\nbb\n", AntallLinjer(), 3, 0, 0, U),  ROW("a\nbb\n", LengsteLinje(), 2, 0, 0, U),
      ROW("x\r\n\n", LengsteLinje(), 2, 0, 0, U),  ROW("a\nab", LengdeUten('a'), 2, 0, 0, U),
      ROW("aaa", HvorEr("aa", 2), 1, 0, 0, U),     ROW("aaa", HvorEr("aa", 3), -1, 0, 0, U),
      ROW("abc", HvorEr("a", 0), -2, 0, 0, U),     ROW("abc", HvorEr(nullptr, 0), -3, 0, 0, U),
      ROW("abc", HvorEr("", 1), -1, 0, 0, U),      ROW("abc", HvorEr("a", INT_MAX), -1, 0, 0, U),
      // Comparing.
      ROW("abcd", Lik("bc", 2, 1), 1, 0, 0, U),    ROW("abcd", Lik("bcd", 2, 1), 0, 0, 0, 3),
      ROW("abcd", Lik("x", 1, 4), 0, 0, 0, -2),    ROW("abcd", Lik("cd", 3, 2), 0, 0, 0, 1),
      ROW("abcd", Lik("abcd", 0, 0), 1, 0, 0, U),  ROW("abcd", Lik("ab", 2, -3), 1, 0, 0, U),
      ROW("abcd", Lik("a", 1, INT_MIN), 1, 0, 0, U), ROW("abcd", Lik("x", 1, INT_MAX), 0, 0, 0, -2),
      ROW("abcd", Lik("bcd", INT_MAX, 1), 0, 0, 0, 1), ROW("abcd", Lik("ABCD", 0, 0), 0, 0, 0, 3),
      ROW("abcd", Lik(nullptr, 0, 0), 0, 0, 0, -1), ROW("abc", CaseLik("ABC", 0, 0), 1, 0, 0, U),
      ROW("xAbc", CaseLik("bC", 2, 2), 1, 0, 0, U), ROW("abc", CaseLik(nullptr, 0, 0), 0, 0, 0, 3),
      ROW("", CaseLik(nullptr, 0, 0), 1, 0, 0, U),
      ROW("\xE6", CaseLik("\xC6", 0, 0), 0, 0, 0, 3),   // "C" locale: only 'a' to 'z' have a case
      // Copying into a Streng (here the object itself): its hook does not run.
      ROW("abc", KopiN(&s, 2, 1), 1, "bc", 0, U),  ROW("abc", KopiN(&s, 100, -5), 1, 0, 0, U),
      ROW("abc", KopiN(&s, 1, 3), 0, 0, 0, 2),
      ROW("abc", KopiN(&s, INT_MIN, INT_MIN), 0, 0, 0, 1),
      ROW("abc", KopiN(&s, 1, INT_MAX), 0, 0, 0, 2),
      ROW("abc", KopiN(static_cast<Streng*>(nullptr), 1, 0), 0, 0, 0, -1),
      // Setting.
      ROW("old", CopyFrom("abcdef", 2, 3), 1, "de", 1, U),
      ROW("old", CopyFrom("abc", 9, -4), 1, "abc", 1, U),
      ROW("old", CopyFrom("abc", 0, 7), 1, "", 1, U),
      ROW("old", CopyFrom("ab", -1, INT_MAX), 0, 0, 0, 2),
      ROW("old", CopyFrom(nullptr), 0, 0, 0, -1),  ROW("old", CopyFrom(s.Get()), 0, 0, 0, 1),
      ROW("old", CopyFrom(s.GetFra(1)), 1, "ld", 1, U),
      ROW("old", Init(static_cast<Streng*>(nullptr)) == &s, 1, 0, 1, U),
      ROW("old", Init("%s%%", s.GetFra(2)), 1, "d%", 1, U),
      ROW("abcd", Set("XYZW", 2), 1, "abXY", 1, U), ROW("abcd", Set(nullptr, 4), 1, "", 1, U),
      ROW("abcd", Set('X', 3), 1, "abcX", 0, U),   ROW("abcd", Set('X', 4), 1, 0, 0, U),
      ROW("abcd", Set('X', -1), 1, 0, 0, U),       ROW("abcd", Set('\0', 2), 1, "ab", 0, U),
      // Inserting and deleting.
      ROW("abc", Insert('X', INT_MIN), 1, "Xabc", 1, U), ROW("abc", Insert(nullptr, 1), 1, 0, 1, U),
      ROW("abc", Insert(s.GetFra(1), 9999), 1, "abcbc", 1, U),
      ROW("abc", Insert('\0', 1), 1, 0, 1, U),     ROW("abc", Add('d'), 1, "abcd", 1, U),
      ROW("abc", Delete(INT_MIN), 1, "ab", 0, U),  ROW("abc", Delete(3), 1, 0, 0, U),
      ROW("", Delete(-1), 1, 0, 0, U),             ROW("abcdef", SlettFraTil(3, 1), 0, 0, 0, U),
      ROW("abcdef", SlettFraTil(2, 9999), 1, "ab", 1, U),
      ROW("abcdef", SlettFraTil(6, 9), 1, 0, 0, U),
      ROW("abcdef", SlettFraTil(9999, 1), 1, "cdef", 1, U), ROW("", SlettFraTil(0, 5), 1, 0, 0, U),
      ROW("abcdef", SlettFraTil(-3, 0), 1, "bcdef", 1, U),
      ROW("abcdef", SlettFraTil(INT_MIN, INT_MAX), 1, "", 1, U),
      ROW("abcdef", SlettFra(10000), 1, 0, 0, U),  ROW("abcdef", SlettFra(9999), 1, "", 1, U),
      ROW("abcdef", SlettTil(1), 1, "cdef", 1, U), ROW("abc", Empty(), 1, "", 1, U),
      // Replacing, padding, trimming, upper-casing, shortening (mode 3 has a test of its own).
      ROW("banana", ByttAlleAmedB('a', '\0'), 3, "bnn", 1, U),
      ROW("banana", ByttAlleAmedB("ana", "X"), 1, "bXna", 1, U),
      ROW("banana", ByttAlleAmedB("a", "aa"), 3, "baanaanaa", 1, U),
      ROW("banana", ByttAlleAmedB("an", nullptr), 2, "ba", 1, U),
      ROW("banana", ByttAlleAmedB("", "x"), 0, 0, 1, U),
      ROW("ab", FyllBlankeTilLengdeEr(5, 0), 1, "   ab", 0, U),
      ROW("ab", FyllBlankeTilLengdeEr(4, 1), 1, "ab  ", 0, U),
      ROW("ab", FyllBlankeTilLengdeEr(2, 1), 0, 0, 0, U),
      ROW(" \t a b\r\n", FjernBlanke(1, 1), 1, "a b", 0, U),
      ROW(" \t a b\r\n", FjernBlanke(2, 1), 1, " \t a b", 0, U),
      ROW(" a b\t ", FjernAlleBlanke(), 3, "ab\t", 0, U),
      ROW("gr\xE5 \xE6rt\xF8y", UpStr(nullptr) == s.Get(), 1, "GR\xC5 \xC6RT\xD8Y", 1, U),
      ROW("abcdefghijklmnopqrs", MakeShorter(8, 1), 1, "...opqrs", 0, U),
      ROW("abcdefghijklmnopqrs", MakeShorter(8, 2), 1, "abc...rs", 0, U),
      ROW("abcdefg", MakeShorter(2, 1), 1, "...", 0, U),
      ROW("abcdefg", MakeShorter(5, 2), 1, "abc...", 0, U),
      ROW("abcdefg", MakeShorter(0, 1), 0, 0, 0, -2),
      ROW("abcdefg", MakeShorter(5, 0), 0, 0, 0, -1),
      // Converting by the caller's tables (the code pages are checked byte by byte below).
      ROW("banana", Convert(4, "an", "AN"), 2, "bANANa", 1, U),
      ROW("aba", Convert(3, "aab", "xyz"), 1, "xzx", 0, U),
      ROW("", Convert(4, "", "x"), 0, 0, 0, -2),
      ROW("ab", Convert(3, "ab", "x"), 0, 0, 0, -5), ROW("ab", Convert(0, "a", "b"), 0, 0, 0, -1),
      ROW("ab", Convert(0, nullptr, nullptr), 0, 0, 0, -3),
      ROW("ab", Convert(3, "a", nullptr), 0, 0, 0, -4)};
  // clang-format on
  for (const Row& r : rows) {
    Counting s(r.text);
    s.ErrorKode(kUnset);
    const int result = r.op(s);
    const std::string seen = std::to_string(result) + " \"" + s.Get() + "\" hooks " +
                             std::to_string(s.hooks) + " code " +
                             std::to_string(s.ErrorKode(-9999));
    const std::string expected = std::to_string(r.result) + " \"" + (r.after ? r.after : r.text) +
                                 "\" hooks " + std::to_string(r.hooks) + " code " +
                                 std::to_string(r.code);
    EXPECT_EQ(seen, expected) << "row " << (&r - rows) << " on \"" << r.text << "\"";
  }
  Counting s("old");
  const char* none = nullptr;
  s.Init(none, 1);  // a null format does nothing
  EXPECT_EQ(s.hooks, 0);
}

TEST(Streng, CopyingIntoABufferAndCuttingOut) {
  struct Copy {
    int n, start, result, code;
    const char* text;
  } copies[] = {{2, 1, 1, kUnset, "bc"}, {100, -5, 1, kUnset, "abc"},
                {1, 3, 1, kUnset, ""},   {0, 0, 0, -3, "old"},
                {1, 4, 0, -2, "old"},    {INT_MIN, INT_MIN, 0, -3, "old"}};
  Streng abc = Text("abc");
  for (const Copy& c : copies) {
    char buffer[8] = "old";
    abc.ErrorKode(kUnset);
    EXPECT_EQ(abc.KopiN(buffer, c.n, c.start), c.result) << c.n << " " << c.start;
    EXPECT_EQ(abc.ErrorKode(-9999), c.code) << c.n << " " << c.start;
    EXPECT_STREQ(buffer, c.text);
  }
  EXPECT_EQ(abc.KopiN(static_cast<char*>(nullptr), 1, 0), 0);
  EXPECT_EQ(abc.ErrorKode(-9999), -1);

  // Kopi and TaUtKopi on "abcdef"; a negative from copies to - from + 1 characters from the start.
  struct Cut {
    int from, to;
    const char* copy;
    const char* left;
  } cuts[] = {{1, 2, "bc", "adef"},      {2, 2, nullptr, "abcdef"},       {3, 1, nullptr, "abcdef"},
              {9999, 2, "abc", "def"},   {4, 9999, "ef", "abcd"},         {-2, 1, "abcd", "cdef"},
              {6, 9, nullptr, "abcdef"}, {INT_MIN, INT_MAX, "abcdef", ""}};
  for (const Cut& c : cuts) {
    Streng s = Text("abcdef");
    for (Streng* copy : {s.Kopi(c.from, c.to), s.TaUtKopi(c.from, c.to)}) {
      EXPECT_STREQ(copy != nullptr ? copy->Get() : nullptr, c.copy) << c.from << " " << c.to;
      delete copy;
    }
    EXPECT_STREQ(s.Get(), c.left) << c.from << " " << c.to;
  }
}

TEST(Streng, MakeShorterIntoATargetAndTheMissingMode) {
  HostCapture host;
  Streng s = Text("abcdefghijklmnopqrs"), target = Text("keep");
  EXPECT_EQ(Text("ab").MakeShorter(5, 1, &target) + s.MakeShorter(8, 3, &target), 2);
  ASSERT_EQ(host.Count(), 1u);
  EXPECT_EQ(host.Last().via, Shown::Via::ErrorBox);
  EXPECT_EQ(host.Last().title + "|" + host.Last().text + "|" + target.Get(),
            "Streng::MakeShorter|iMode = 3 is not created yet (LBA) !|keep");
  EXPECT_EQ(s.MakeShorter(8, 2, &target), 1);
  EXPECT_EQ(std::string(target.Get()) + "|" + s.Get(), "abc...rs|abcdefghijklmnopqrs");
}

TEST(Streng, CodePagesOverAllBytes) {
  const std::map<int, int> dosToAnsi = {{145, 230}, {155, 248}, {134, 229}, {146, 198},
                                        {157, 216}, {143, 197}, {148, 246}, {132, 228},
                                        {153, 214}, {142, 196}, {175, 32},  {207, 32}};
  std::map<int, int> ansiToDos;
  for (const auto& [dos, ansi] : dosToAnsi) {
    if (ansi != 32) ansiToDos[ansi] = dos;
  }
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  for (int mode : {1, 2}) {
    const std::map<int, int>& table = mode == 1 ? dosToAnsi : ansiToDos;
    Streng s = Text(all.c_str());
    ASSERT_EQ(s.Convert(mode, "ignored", nullptr), 1);
    for (int b = 1; b < 256; ++b) {  // mapped bytes converted, every other byte untouched
      const auto found = table.find(b);
      EXPECT_EQ(static_cast<unsigned char>(s.Get(b - 1)), found == table.end() ? b : found->second)
          << "mode " << mode << " byte " << b;
    }
    for (const auto& [from, to] : table) {  // each mapped letter comes back
      Streng one = Text(std::string(1, static_cast<char>(from)).c_str());
      one.Convert(mode);
      one.Convert(3 - mode);
      EXPECT_EQ(static_cast<unsigned char>(one.Get(0)), to == 32 ? 32 : from) << "mode " << mode;
    }
  }
}

TEST(Streng, UpperCaseByTheFixedTable) {
  const std::map<int, int> norwegian = {{230, 198}, {248, 216}, {229, 197}, {228, 196}, {246, 214}};
  for (int b = 0; b < 256; ++b) {
    const auto found = norwegian.find(b);
    const int expected = found != norwegian.end() ? found->second
                         : (b >= 'a' && b <= 'z') ? b - 32
                                                  : b;
    EXPECT_EQ(static_cast<unsigned char>(Streng::UpChr(static_cast<char>(b))), expected) << b;
  }
  char buffer[] = "gr\xE5 \xE6rt\xF8y \xE4\xF6";
  Counting s("x");
  EXPECT_EQ(s.UpStr(buffer), buffer);
  EXPECT_EQ(std::string(buffer) + s.Get() + std::to_string(s.hooks),
            "GR\xC5 \xC6RT\xD8Y \xC4\xD6x0");
}

TEST(Streng, LesPromptsAndReadsThroughTheHost) {
  HostCapture host;
  Counting s("old");
  host.Api().lines = {"new 100%", "", ""};
  EXPECT_EQ(s.Les("Name 50%", 1), 1);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Name 50%", " <old>", " : "}));
  for (const Shown& shown : host.All()) EXPECT_EQ(shown.via, Shown::Via::Printf);
  EXPECT_EQ(s.Les("Again", 1), 1);  // an empty line keeps the old text
  EXPECT_STREQ(s.Get(), "new 100%");
  EXPECT_EQ(s.hooks, 1);
  host.Clear();
  EXPECT_EQ(s.Les(nullptr, 0), 1);  // no prompt; an empty line without showOld empties
  EXPECT_EQ(host.Count() + s.Lengde(), 0u);
  s.Add("kept");
  EXPECT_EQ(s.Les("P", 0), 0);  // the script is empty: reading fails
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"P", " : "}));
  EXPECT_EQ(std::string(s.Get()) + std::to_string(s.hooks), "kept3");
  EXPECT_EQ(s.SkrivUtObj(), 1);
  EXPECT_EQ(host.Last().text, "kept");
}

TEST(Streng, PlainStringOperationsLeaveTheHookAlone) {
  Counting s("  Hello, world  ");
  s.Trim();
  EXPECT_EQ(s.Find("o") + s.Find("o", 5) + s.Find('o', -3) + s.ReverseFind('o'), 4 + 8 + 4 + 8);
  EXPECT_EQ(s.Find("o", 99) + s.Find(nullptr) + s.Find('\0') + s.ReverseFind('x'), -4);
  EXPECT_EQ(s.GetAt(0) + s.GetAt(-1) + s.GetAt(12), 'H');
  EXPECT_EQ(std::string(s.Mid(7).Get()) + s.Mid(-1, 5).Get() + s.Mid(99).Get() + "|" +
                s.Left(5).Get() + s.Left(-1).Get() + s.Right(5).Get() + s.Right(99).Get(),
            "worldHello|HelloworldHello, world");
  EXPECT_EQ(s.Replace("o", "0") + s.Replace('l', 'L') + s.Remove(','), 2 + 3 + 1);
  s.MakeLower();
  EXPECT_TRUE(s == "hell0 w0rld" && s.CompareNoCase("HELL0 W0RLD") == 0);
  EXPECT_TRUE(s.Compare("hell0 w0rle") < 0 && s.Compare("\xE6") < 0);  // bytes as unsigned
  s.MakeUpper();
  s += " ";
  s += '!';
  s += Text("?");
  EXPECT_TRUE(s == Text("HELL0 W0RLD !?") && s != "x" && s < "I" && Text("A") < s);
  static_cast<Streng&>(s) = s.GetFra(6);  // the tail of its own text
  EXPECT_EQ(std::string(s.GetString()) + std::to_string(s.hooks), "W0RLD !?0");
  std::strcpy(s.GetBuffer(20), "written into it");
  s.ReleaseBuffer();
  EXPECT_EQ(s.Lengde(), 15);
  s.Get()[5] = '\0';
  s.ReleaseBuffer(9);  // the given length
  EXPECT_EQ(s.Lengde(), 9);
  s.ReleaseBuffer();  // up to the NUL
  EXPECT_EQ(s.Lengde() + s.hooks, 5);
}

}  // namespace
