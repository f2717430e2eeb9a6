// Streng: construction, positions at the edges, the hook rule, code pages, reading from the host.

#include "kx/text/Streng.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "support/HostCapture.h"

using kx::test::HostCapture;
using kx::test::Shown;

namespace {

constexpr int kUnset = 4711;  // the last error code set before each case
const char* noFormat = nullptr;

// Holds a text literally (not as a format) and counts the hook calls.
class Counting : public Streng {
 public:
  explicit Counting(const char* text) { Streng::operator=(text); }
  int hooks = 0;

 protected:
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

// The result of a call on a row's object; a call without a result counts as 1.
template <typename Call>
int ResultOf(Call call) {
  if constexpr (std::is_void_v<decltype(call())>)
    return call(), 1;
  else
    return static_cast<int>(call());
}

// A row: a text, the call on it, the call's result, the text after it (null: unchanged), the
// number of hook calls it made and the last error code after it (kUnset: untouched).
struct Row {
  const char* text;
  int (*op)(Counting&);
  int result;
  const char* after = nullptr;
  int hooks = 0, code = kUnset;
};
// clang-format off
#define ROW(text, call, ...) \
  Row{text, [](Counting& s) { return ResultOf([&s] { return s.call; }); }, __VA_ARGS__}
// clang-format on

// Every operation at its boundaries (empty text, first and last position, beyond the end, 9999,
// negative positions, INT_MIN and INT_MAX) and the hook rule, operation by operation.
TEST(Streng, OperationsAtTheEdgesAndTheHookRule) {
  // clang-format off
  const Row rows[] = {
      // Reading; HvorEr returns its codes and leaves the last error code alone.
      ROW("abc", Get(3), 'c'), ROW("abc", Get(-1), 'c'), ROW("abc", Get(INT_MIN), 'a'),
      ROW("", Get(-1), 0), ROW("abc", GetFra(-1) == s.Get(), 1), ROW("abc", GetFra(3)[0], 0),
      ROW("abc", GetForsteUth(), ' '), ROW("ab~", GetForsteUth(), 0),
      ROW("~ a~z~b", GetForsteUth(), 'Z'), ROW("a\nbb\n", AntallLinjer(), 3),
      ROW("x\r\n\n", LengsteLinje(), 2), ROW("a\nab", LengdeUten('a'), 2),
      ROW("aaa", HvorEr("aa", 2), 1), ROW("aaa", HvorEr("aa", 3), -1), ROW("a", HvorEr("a", 0), -2),
      ROW("a", HvorEr(nullptr, 0), -3), ROW("a", HvorEr("", 1), -1),
      // Comparing; CaseLik by the "C" locale: only 'a' to 'z' have a case.
      ROW("abcd", Lik("bc", 2, 1), 1), ROW("abcd", Lik("bcd", 2, 1), 0, 0, 0, 3),
      ROW("abcd", Lik("x", 1, 4), 0, 0, 0, -2), ROW("abcd", Lik("bcd", INT_MAX, 1), 0, 0, 0, 1),
      ROW("abcd", Lik("ab", 2, -3), 1), ROW("abcd", Lik("ABCD", 0, 0), 0, 0, 0, 3),
      ROW("abcd", Lik(nullptr, 0, 0), 0, 0, 0, -1), ROW("xAbc", CaseLik("bC", 2, 2), 1),
      ROW("", CaseLik(nullptr, 0, 0), 1), ROW("\xE6", CaseLik("\xC6", 0, 0), 0, 0, 0, 3),
      // Copying into a Streng (here the object itself): its hook does not run. Copying into a
      // buffer (here the object's own, so the copy is seen up to its NUL).
      ROW("abc", KopiN(&s, 2, 1), 1, "bc"), ROW("abc", KopiN(&s, 100, -5), 1),
      ROW("abc", KopiN(&s, 1, 3), 0, 0, 0, 2), ROW("abc", KopiN(&s, 0, INT_MIN), 0, 0, 0, 1),
      ROW("abc", KopiN(static_cast<Streng*>(nullptr), 1, 0), 0, 0, 0, -1),
      ROW("abc", KopiN(s.Get(), 2, 1), 1, "bc"), ROW("abc", KopiN(s.Get(), 100, -5), 1),
      ROW("abc", KopiN(s.Get(), 1, 3), 1, ""), ROW("abc", KopiN(s.Get(), 0, 0), 0, 0, 0, -3),
      ROW("abc", KopiN(s.Get(), 1, 4), 0, 0, 0, -2),
      ROW("abc", KopiN(static_cast<char*>(nullptr), 1, 0), 0, 0, 0, -1),
      // Setting.
      ROW("old", CopyFrom("abcd", 2, 1), 1, "bc", 1), ROW("old", CopyFrom("ab", 9, -4), 1, "ab", 1),
      ROW("old", CopyFrom("ab", 0, 7), 1, "", 1), ROW("old", CopyFrom("a", -1, 1), 0, 0, 0, 2),
      ROW("old", CopyFrom(nullptr), 0, 0, 0, -1), ROW("old", CopyFrom(s.Get()), 0, 0, 0, 1),
      ROW("old", CopyFrom(s.GetFra(1)), 1, "ld", 1), ROW("old", Init(noFormat, 1), 1),
      ROW("old", Init(static_cast<Streng*>(nullptr)) == &s, 1, 0, 1),
      ROW("old", Init("%s%%", s.GetFra(2)), 1, "d%", 1),
      ROW("abcd", Set("XYZW", 2), 1, "abXY", 1), ROW("abcd", Set(nullptr, 4), 1, "", 1),
      ROW("abcd", Set('X', 3), 1, "abcX"), ROW("abcd", Set('X', 4), 1), ROW("a", Set('X', -1), 1),
      ROW("abcd", Set('\0', 2), 1, "ab"),
      // Inserting and deleting.
      ROW("abc", Insert('X', INT_MIN), 1, "Xabc", 1), ROW("abc", Insert(nullptr, 1), 1, 0, 1),
      ROW("abc", Insert(s.GetFra(1), 9999), 1, "abcbc", 1), ROW("abc", Insert('\0', 1), 1, 0, 1),
      ROW("abc", Delete(INT_MIN), 1, "ab"), ROW("abc", Delete(3), 1), ROW("", Delete(-1), 1),
      ROW("ab", SlettFraTil(1, 0), 0), ROW("ab", SlettFraTil(2, 9), 1), ROW("a", Empty(), 1, "", 1),
      ROW("abc", SlettFraTil(INT_MIN, INT_MAX), 1, "", 1), ROW("abc", SlettFra(9999), 1, "", 1),
      ROW("abc", SlettTil(1), 1, "c", 1),
      // Replacing, padding, trimming, upper-casing, shortening (mode 3 has a test of its own).
      ROW("banana", ByttAlleAmedB('a', '\0'), 3, "bnn", 1),
      ROW("banana", ByttAlleAmedB("ana", "X"), 1, "bXna", 1),
      ROW("banana", ByttAlleAmedB("a", "aa"), 3, "baanaanaa", 1),
      ROW("banana", ByttAlleAmedB("an", nullptr), 2, "ba", 1),
      ROW("ab", ByttAlleAmedB("", "x"), 0, 0, 1), ROW("ab", FyllBlankeTilLengdeEr(2, 1), 0),
      ROW("ab", FyllBlankeTilLengdeEr(5, 0), 1, "   ab"),
      ROW("ab", FyllBlankeTilLengdeEr(4, 1), 1, "ab  "),
      ROW(" \t a b\r\n", FjernBlanke(1, 1), 1, "a b"),
      ROW(" \v\f a\r\n", FjernBlanke(2, 1), 1, " \v\f a"),
      ROW(" a b\t ", FjernAlleBlanke(), 3, "ab\t"),
      ROW("gr\xE5 \xE6rt\xF8y", UpStr(nullptr) == s.Get(), 1, "GR\xC5 \xC6RT\xD8Y", 1),
      ROW("abcdef", MakeShorter(5, 1), 1, "...ef"), ROW("abcdef", MakeShorter(2, 1), 1, "..."),
      ROW("abcdef", MakeShorter(5, 2), 1, "abc..."), ROW("abcdef", MakeShorter(6, 1), 1),
      ROW("abcdef", MakeShorter(0, 1), 0, 0, 0, -2), ROW("abcdef", MakeShorter(5, 0), 0, 0, 0, -1),
      // Converting by the caller's tables (the code pages are checked byte by byte below).
      ROW("banana", Convert(4, "an", "AN"), 2, "bANANa", 1),
      ROW("aba", Convert(3, "aab", "xyz"), 1, "xzx"), ROW("", Convert(4, "", "x"), 0, 0, 0, -2),
      ROW("ab", Convert(3, "ab", "x"), 0, 0, 0, -5), ROW("ab", Convert(0, "a", "b"), 0, 0, 0, -1),
      ROW("ab", Convert(0, nullptr, nullptr), 0, 0, 0, -3),
      ROW("ab", Convert(3, "a", nullptr), 0, 0, 0, -4)};
  // clang-format on
  for (const Row& r : rows) {
    Counting s(r.text);
    s.ErrorKode(kUnset);
    const int result = r.op(s);
    EXPECT_EQ(std::make_tuple(result, std::string(s.Get()), s.hooks, s.ErrorKode(-9999)),
              std::make_tuple(r.result, std::string(r.after ? r.after : r.text), r.hooks, r.code))
        << "row " << (&r - rows) << " on \"" << r.text << "\"";
  }
}

// Kopi and TaUtKopi on "abcdef": the copy of each ("-" for none), then what TaUtKopi left. A
// negative from copies to - from + 1 characters from the start.
TEST(Streng, CuttingOut) {
  // clang-format off
  const std::tuple<int, int, const char*> cuts[] = {
      {1, 2, "bc bc adef"}, {2, 2, "- - abcdef"}, {9999, 2, "abc abc def"},
      {4, 9999, "ef ef abcd"}, {-2, 1, "abcd abcd cdef"}, {6, 9, "- - abcdef"},
      {INT_MIN, INT_MAX, "abcdef abcdef "}};
  // clang-format on
  for (const auto& [from, to, expected] : cuts) {
    Counting s("abcdef");
    std::string seen;
    for (Streng* copy : {s.Kopi(from, to), s.TaUtKopi(from, to)}) {
      seen += std::string(copy != nullptr ? copy->Get() : "-") + " ";
      delete copy;
    }
    EXPECT_EQ(seen + s.Get(), expected) << from << " " << to;
  }
}

TEST(Streng, MakeShorterIntoATargetAndTheMissingMode) {
  HostCapture host;
  Counting s("abcdefghijklmnopqrs"), target("keep");
  EXPECT_EQ(Counting("ab").MakeShorter(5, 1, &target) + s.MakeShorter(8, 3, &target), 2);
  EXPECT_EQ(host.Lines(),
            std::vector<std::string>{"ErrorBox[Streng::MakeShorter|1048577] iMode = 3 "
                                     "is not created yet (LBA) !"});
  EXPECT_STREQ(target.Get(), "keep");
  EXPECT_EQ(s.MakeShorter(8, 2, &target), 1);
  EXPECT_EQ(std::string(target.Get()) + "|" + s.Get(), "abc...rs|abcdefghijklmnopqrs");
}

// The bytes 1 to 255, and the same with each byte b that table holds replaced by table[b].
std::string AllBytes(const std::map<int, int>& table = {}) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(table.count(b) ? table.at(b) : b);
  return all;
}

// Every byte through both code pages: the mapped ones converted, every other byte untouched.
TEST(Streng, CodePagesOverAllBytes) {
  std::map<int, int> dosToAnsi = {{145, 230}, {155, 248}, {134, 229}, {146, 198}, {157, 216},
                                  {143, 197}, {148, 246}, {132, 228}, {153, 214}, {142, 196}};
  std::map<int, int> ansiToDos;
  for (const auto& [dos, ansi] : dosToAnsi) ansiToDos[ansi] = dos;
  dosToAnsi[175] = dosToAnsi[207] = ' ';  // shown as spaces, with no way back
  for (int mode : {1, 2}) {
    Counting s(AllBytes().c_str());
    EXPECT_EQ(s.Convert(mode, "ignored", nullptr), 1);
    EXPECT_EQ(s.Get(), AllBytes(mode == 1 ? dosToAnsi : ansiToDos)) << "mode " << mode;
  }
}

// Every byte raised by the fixed table, in a caller's buffer: the object itself stays as it is.
TEST(Streng, UpperCaseByTheFixedTable) {
  std::map<int, int> upper = {{230, 198}, {248, 216}, {229, 197}, {228, 196}, {246, 214}};
  for (int b = 'a'; b <= 'z'; ++b) upper[b] = b - 32;
  std::string all = AllBytes();
  Counting s("x");
  EXPECT_EQ(s.UpStr(all.data()), all.data());
  EXPECT_EQ(all + s.Get() + std::to_string(s.hooks), AllBytes(upper) + "x0");
}

TEST(Streng, LesPromptsAndReadsThroughTheHost) {
  HostCapture host;
  Counting s("old");
  host.Api().lines = {"new 100%", "", ""};
  EXPECT_EQ(s.Les("Name 50%", 1), 1);
  EXPECT_EQ(s.Les("Again", 1), 1);  // an empty line keeps the old text
  EXPECT_EQ(host.Lines(), (std::vector<std::string>{"Printf[|0] Name 50%", "Printf[|0]  <old>",
                                                    "Printf[|0]  : ", "Printf[|0] Again",
                                                    "Printf[|0]  <new 100%>", "Printf[|0]  : "}));
  EXPECT_EQ(std::string(s.Get()) + std::to_string(s.hooks), "new 100%1");
  host.Clear();
  EXPECT_EQ(s.Les(nullptr, 0), 1);  // no prompt; an empty line without showOld empties
  EXPECT_EQ(host.Count() + s.Lengde(), 0u);
  s.Add("%s kept");
  EXPECT_EQ(s.Les("P", 0), 0);  // the script is empty: reading fails
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"P", " : "}));
  EXPECT_EQ(std::string(s.Get()) + std::to_string(s.hooks) + std::to_string(s.SkrivUtObj()),
            "%s kept31");
  EXPECT_EQ(host.Last().text, "%s kept");  // shown as it is, not used as a format
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
  s += Counting("?");
  EXPECT_TRUE(s == Counting("HELL0 W0RLD !?") && s != "x" && s < "I" && Counting("A") < s);
  static_cast<Streng&>(s) = s.GetFra(6);  // the tail of its own text
  EXPECT_EQ(std::string(s.GetString()) + std::to_string(s.hooks), "W0RLD !?0");
  // The length written through GetBuffer or Get: up to the NUL, or as given (cut at the length).
  const auto release = [&s](int length) { return s.ReleaseBuffer(length), s.Lengde(); };
  std::strcpy(s.GetBuffer(20), "written into it");
  const int written = release(-1);
  s.Get()[5] = '\0';
  EXPECT_EQ((std::vector<int>{written, release(99), release(9), release(-1), s.hooks}),
            (std::vector<int>{15, 15, 9, 5, 0}));
}

}  // namespace
