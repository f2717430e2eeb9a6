// The worst texts for the entry points that take one outside the unit tables
// (data/hostile/texts.cases): empty, huge, binary, negative and out-of-range sizes. The worst
// inputs of Streng, HexTall, KxConfigString, StrengListe, Filnavn, the numbers and DT_Punkt are
// rows of their own tables (data/text, data/numbers, data/files, data/geometry).

#include <gtest/gtest.h>

#include <algorithm>
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

const std::map<std::string, std::function<Words(const Row&, const char*)>>& Entries() {
  static const std::map<std::string, std::function<Words(const Row&, const char*)>> entries = {
      {"KopiN",
       [](const Row& r, const char* text) {  // into a buffer of exactly the room promised
         Streng s;
         s = text;
         const int n = r.I(0, 1), room = std::min(n, s.Lengde() - std::max(r.I(0, 2), 0));
         std::vector<char> buffer(static_cast<std::size_t>(std::max(room, 0)) + 1, '\x7f');
         const int result = s.KopiN(buffer.data(), n, r.I(0, 2));
         return Words{std::to_string(result), Shown(result == 1 ? buffer.data() : "-"),
                      std::to_string(s.ErrorKode(-9999))};
       }},
      {"OpenFileList",
       [](const Row&, const char* name) {
         const int added = DOVERO01_OpenFileList(name, 1, nullptr);
         const int found = DOVERO01_OpenFileList(name, 0, nullptr);
         DOVERO01_OpenFileList(name, 2, nullptr);
         return Words{std::to_string(added), std::to_string(found)};
       }},
      {"strdup",
       [](const Row&, const char* text) {
         char* copy = nc_strdup(text);
         const Words words{copy != nullptr ? Shown(copy) : "-"};
         KMR00_free(copy);
         return words;
       }},
      {"Printf",
       [](const Row&, const char* text) {  // a text shown through the host: cut at 511 characters
         kx::test::HostCapture host;
         KxBaseClass().Printf("%s", text);
         return Words{Shown(host.Texts().at(0))};
       }},
  };
  return entries;
}

TEST(Hostile, Texts) {
  const auto& entries = Entries();
  for (const Row& r : kx::test::Table("hostile/texts.cases")) {
    SCOPED_TRACE(r.where);
    const auto entry = entries.find(r.kind);
    ASSERT_NE(entry, entries.end()) << "no entry " << r.kind;
    WINKMR00_ErrCode(0);
    EXPECT_EQ(entry->second(r, r.S(0, 0) == "NULL" ? nullptr : r.S(0, 0).c_str()), r.cells.at(1));
  }
}

}  // namespace
