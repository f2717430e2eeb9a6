// The worst texts and numbers for every entry point that takes one (data/hostile/texts.cases):
// empty, huge, binary, out of range, NaN, infinity, negative sizes and counts. Each row names the
// entry, its arguments, and the documented answer: the result, the text it leaves (or its length)
// and the last error code.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/Table.h"

namespace {

using kx::test::Row;
using Words = std::vector<std::string>;

// A text as a word of the table: itself when short, else its length ("[600]").
std::string Shown(const std::string& text) {
  return text.size() <= 40 ? text : "[" + std::to_string(text.size()) + "]";
}

// What each entry gives for a row: its words. a(i) is argument i as text, n(i) as a number.
struct Args {
  const Row& row;
  std::string a(std::size_t i) const { return row.S(0, i) == "NULL" ? std::string() : row.S(0, i); }
  const char* p(std::size_t i) const {
    return row.S(0, i) == "NULL" ? nullptr : row.S(0, i).c_str();
  }
  double n(std::size_t i) const { return row.D(0, i); }
  int i(std::size_t k) const { return row.I(0, k); }
  Streng Text(std::size_t k) const {  // a Streng holding argument k literally
    Streng s;
    s = p(k);
    return s;
  }
};

Words StrengAfter(Streng& s, int result) {
  return {std::to_string(result), Shown(s.Get()), std::to_string(s.ErrorKode(-9999))};
}

// The text form of a number: the text (or its length) and the last error code.
template <typename Number>
Words Text(Number&& number, const char* format) {
  number.ErrorKode(0);
  const std::string text = number.SomChar(format);
  return {Shown(text), std::to_string(number.ErrorKode(-9999))};
}

std::string Value(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

const std::map<std::string, std::function<Words(const Args&)>>& Entries() {
  static const std::map<std::string, std::function<Words(const Args&)>> entries = {
      {"Init",
       [](const Args& a) {
         Streng s;
         s.Init("%s", a.p(0));
         return Words{Shown(s.Get())};
       }},
      {"CopyFrom",
       [](const Args& a) {
         Streng s("%s", "old");
         return StrengAfter(s, s.CopyFrom(a.p(0), a.i(1), a.i(2)));
       }},
      {"Lik",
       [](const Args& a) {
         Streng s = a.Text(0);
         return StrengAfter(s, s.Lik(a.p(1), a.i(2), a.i(3)));
       }},
      {"KopiN",
       [](const Args& a) {  // into a buffer of exactly the room the call promises to use
         Streng s = a.Text(0);
         const int start = std::max(a.i(2), 0), n = std::min(a.i(1), s.Lengde() - start);
         std::vector<char> room(static_cast<std::size_t>(std::max(n, 0)) + 1, '\x7f');
         const int result = s.KopiN(room.data(), a.i(1), a.i(2));
         return Words{std::to_string(result), Shown(result == 1 ? room.data() : "-"),
                      std::to_string(s.ErrorKode(-9999))};
       }},
      {"Kopi",
       [](const Args& a) {
         Streng s = a.Text(0);
         Streng* copy = s.Kopi(a.i(1), a.i(2));
         const Words words{copy != nullptr ? Shown(copy->Get()) : "-"};
         delete copy;
         return words;
       }},
      {"SlettFraTil",
       [](const Args& a) {
         Streng s = a.Text(0);
         return StrengAfter(s, s.SlettFraTil(a.i(1), a.i(2)));
       }},
      {"FyllBlanke",
       [](const Args& a) {
         Streng s = a.Text(0);
         return StrengAfter(s, s.FyllBlankeTilLengdeEr(a.i(1), a.i(2)));
       }},
      {"MakeShorter",
       [](const Args& a) {
         kx::test::HostCapture host;
         Streng s = a.Text(0);
         return StrengAfter(s, s.MakeShorter(a.i(1), a.i(2)));
       }},
      {"Convert",
       [](const Args& a) {
         Streng s = a.Text(0);
         return StrengAfter(s, s.Convert(a.i(1), a.p(2), a.p(3)));
       }},
      {"HvorEr",
       [](const Args& a) {
         Streng s = a.Text(0);
         return Words{std::to_string(s.HvorEr(a.p(1), a.i(2)))};
       }},
      {"ByttAlle",
       [](const Args& a) {
         Streng s = a.Text(0);
         return StrengAfter(s, s.ByttAlleAmedB(a.p(1), a.p(2)));
       }},
      {"Inc",
       [](const Args& a) {
         kx::test::HostCapture host;
         HexTall h(a.p(0));
         const int result = h.Inc(static_cast<unsigned long>(a.n(1)));
         return Words{std::to_string(result), Shown(h.Get()), std::to_string(host.Count())};
       }},
      {"Dec",
       [](const Args& a) {
         HexTall h(a.p(0));
         const int result = h.Dec(1);
         return Words{std::to_string(result), Shown(h.Get())};
       }},
      {"Variable",
       [](const Args& a) {
         KxConfigString config;
         config = a.p(0);
         Streng value;
         value = a.p(2);
         config.ErrorKode(0);
         const int result =
             config.Variable(a.p(1), a.row.S(0, 2) == "NULL" ? nullptr : &value, a.i(3));
         return Words{std::to_string(result), Shown(config.Get()), Shown(value.Get()),
                      std::to_string(config.ErrorKode(-9999))};
       }},
      {"Splitt",
       [](const Args& a) {
         Filnavn f(a.p(0));
         Streng d, p, n, e;
         f.Splitt(&d, &p, &n, &e);
         return Words{Shown(d.Get()), Shown(p.Get()), Shown(n.Get()), Shown(e.Get())};
       }},
      {"Double",
       [](const Args& a) {
         DT_Double d(7.0);
         const int result = d.Init(const_cast<char*>(a.p(0)));
         return Words{std::to_string(result), Value(d.Get())};
       }},
      {"Float",
       [](const Args& a) {
         DT_Float f(7.0f);
         const int result = f.Init(const_cast<char*>(a.p(0)));
         return Words{std::to_string(result), Value(f.Get())};
       }},
      {"Int",
       [](const Args& a) {
         DT_Int i(7);
         const int result = i.Init(const_cast<char*>(a.p(0)));
         return Words{std::to_string(result), std::to_string(i.Get())};
       }},
      {"Longint",
       [](const Args& a) {
         DT_Longint l(7L);
         const int result = l.Init(const_cast<char*>(a.p(0)));
         return Words{std::to_string(result), std::to_string(l.Get())};
       }},
      {"DoubleText", [](const Args& a) { return Text(DT_Double(a.n(0)), a.p(1)); }},
      {"IntText", [](const Args& a) { return Text(DT_Int(a.i(0)), a.p(1)); }},
      {"PunktText",
       [](const Args& a) {
         DT_Punkt p(a.n(0), a.n(1), a.n(2));
         return Text(p, a.p(3));
       }},
      {"OpenFileList",
       [](const Args& a) {
         const int added = DOVERO01_OpenFileList(a.p(0), 1, nullptr);
         const int found = DOVERO01_OpenFileList(a.p(0), 0, nullptr);
         DOVERO01_OpenFileList(a.p(0), 2, nullptr);
         return Words{std::to_string(added), std::to_string(found)};
       }},
      {"strdup",
       [](const Args& a) {
         char* copy = nc_strdup(a.p(0));
         const Words words{copy != nullptr ? Shown(copy) : "-"};
         KMR00_free(copy);
         return words;
       }},
      {"Printf",
       [](const Args& a) {  // a text shown through the host: cut at 511 characters
         kx::test::HostCapture host;
         KxBaseClass().Printf("%s", a.p(0));
         return Words{Shown(host.Texts().at(0))};
       }},
      {"StrengListe",
       [](const Args& a) {
         StrengListe list;
         list.LeggTilStreng(a.p(0));
         Streng key;
         key = a.p(1);
         return Words{std::to_string(list.Antall()),
                      std::to_string(list.Finnes(&key, a.i(2), 1, nullptr, nullptr))};
       }},
  };
  return entries;
}

TEST(Hostile, TextsAndNumbers) {
  const auto& entries = Entries();
  for (const Row& r : kx::test::Table("hostile/texts.cases")) {
    SCOPED_TRACE(r.where);
    const auto entry = entries.find(r.kind);
    ASSERT_NE(entry, entries.end()) << "no entry " << r.kind;
    WINKMR00_ErrCode(0);
    EXPECT_EQ(entry->second(Args{r}), r.cells.at(1));
  }
}

}  // namespace
