// The text classes built on Streng: StrengListe, HexTall, KxConfigString and KxLanguage. Cases from
// tables, walking and bad input.

#include <gtest/gtest.h>


#include "kx/kx.h"
#include "support/Table.h"
#include "support/HostCapture.h"

namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;  // results in the order of the calls (a braced list is sequenced)

TEST(TextClasses, HexTallCases) {
  for (const auto& row : kx::test::Table("text/hextall.cases")) {
    const auto& f = row.Head();
    HexTall h(f[1].c_str()), other(f[2].c_str());
    const int result = f[0] == "inc" ? h.Inc(1) : f[0] == "dec" ? h.Dec(1) : h.MindreEnn(other);
    const std::string after = f[0] == "cmp" ? std::to_string(h.StoerreEnn(other)) : h.Get();
    EXPECT_EQ(Texts({std::to_string(result), after}), Texts(f.end() - 2, f.end())) << row.where;
  }
}

TEST(TextClasses, StrengListeCases) {
  for (const auto& row : kx::test::Table("text/strengliste.cases")) {
    const auto& f = row.Head();
    StrengListe list;
    for (const std::string& t : row.cells[1]) list.LeggTilStreng(t.c_str());
    Streng key, *s = nullptr;
    key = f[1].c_str();
    int index = -1;
    Texts got;
    if (f[0] == "find") {
      got.push_back(
          std::to_string(list.Finnes(&key, std::stoi(f[2]), std::stoi(f[3]), &s, &index)));
      got.push_back(s != nullptr ? s->Get() : "-");
      got.push_back(index >= 0 ? std::to_string(index) : "-");
    }
    list.Sorter(f[0] == "sort" ? std::stoi(f[1]) : 0);
    for (list.AktiverForste(0); f[0] == "sort" && list.GetAktiv(&s, 1);) got.push_back(s->Get());
    EXPECT_EQ(got, row.cells[2]) << row.where;
  }
}

TEST(TextClasses, KxConfigStringCases) {
  constexpr int kUnset = 4711;  // the last error code before each call
  for (const auto& row : kx::test::Table("text/configstring.cases")) {
    const auto &f = row.Head(), &want = row.cells[1];
    KxConfigString config;
    config = f[1].c_str();
    config.ErrorKode(kUnset);
    const char* name = f[3] == "NULL" ? nullptr : f[3].c_str();
    const bool none = f.size() > 4 && f[4] == "NULL";
    Streng text;
    text = f.size() > 4 ? f[4].c_str() : "";
    DT_Double d(kx::test::Number(text.Get()));
    DT_Int i(static_cast<int>(d.Get()));
    const int mode = std::stoi(f[2]);
    const int result = f[0] == "flag"     ? config.Variable(name, mode)
                       : f[0] == "text"   ? config.Variable(name, none ? nullptr : &text, mode)
                       : f[0] == "double" ? config.Variable(name, none ? nullptr : &d, mode)
                                          : config.Variable(name, none ? nullptr : &i, mode);
    const int code = config.ErrorKode(-9999);
    Texts got = {std::to_string(result), code == kUnset ? "-" : std::to_string(code), config.Get(),
                 f[0] == "text"     ? text.Get()
                 : f[0] == "double" ? d.SomChar("%g")
                                    : i.SomChar()};
    got.resize(want.size());
    if (want.size() > 3 && want[3] == "-") got[3] = "-";
    EXPECT_EQ(got, want) << row.where;
  }
}

TEST(TextClasses, BadInputWalkingAndLanguage) {
  kx::test::HostCapture host;
  HexTall h("1F");
  const char* noText = nullptr;
  EXPECT_EQ(Ints({h.Inc(2), h.Dec(0), h.Inc(static_cast<unsigned long>(-1))}), Ints({0, 0, 0}));
  EXPECT_EQ(std::string(h.Get()) + HexTall(noText).Get() + HexTall(nullptr).Get() +
                HexTall(static_cast<const Streng*>(nullptr)).Get() + HexTall(&h).Get(),
            "1F0001F");
  StrengListe list;
  Streng* s = nullptr;
  EXPECT_EQ(Ints({list.GetAktiv(&s, 1), list.GetIndex(&s, 0), list.LeggTilStreng(nullptr),
                  list.Finnes(nullptr, 0, 0, &s, nullptr), s != nullptr}),
            Ints({0, 0, 0, 0, 0}));
  for (const char* t : {"a", "b", "c"}) list.LeggTilStreng(t);
  EXPECT_EQ(Ints({list.GetIndex(&s, 3), list.GetIndex(nullptr, 0), list.GetIndex(&s, 2),
                  list.GetAktiv(&s, -1), list.GetAktiv(&s, 7), list.GetAktiv(&s, 1), list.Index()}),
            Ints({0, 0, 1, 1, 1, 1, 2}));
  EXPECT_STREQ(s->Get(), "b");
  static_cast<DT_Node*>(list.GetIndex(1, 1))->SetDette(nullptr);  // a node without text
  EXPECT_EQ(Ints({list.Finnes(s, 1, 1, nullptr, nullptr), list.Sorter(0), list.SkrivUtObj()}),
            Ints({0, 1, 1}));
  delete s;  // "b", which the list no longer holds
  EXPECT_EQ(host.Lines(), kx::test::Words("text/messages.cases", "bad-input"));
  KxLanguage language;
  Streng name("x"), asked("NO");
  EXPECT_STREQ(language.Code(nullptr)->Get(), "");
  EXPECT_EQ(Ints({language.GetName(nullptr), language.GetName(&name)}), Ints({0, 1}));
  EXPECT_EQ(std::string(language.Code(&asked)->Get()) + name.Get() + asked.Get(), "UKEnglishNO");
}

}  // namespace
