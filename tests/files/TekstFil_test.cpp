// TekstFil: writing a list, and the line buffer written at destruction. Reading, GetLinje and
// SlettLinje are in tests/data/files/fil.script.

#include "kx/files/TekstFil.h"

#include <gtest/gtest.h>

#include <string>

#include "kx/containers/DT_Nodeliste.h"
#include "kx/geometry/DT_Punkt.h"
#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

// A text file that puts text in its line buffer, as a derived class may.
struct Buffered : TekstFil {
  using TekstFil::TekstFil;
  void Put(const char* text) { buffer_->Add(text); }
};

TEST(TekstFil, WritesListsAndTheLineBuffer) {
  kx::test::ScopedTempDir dir;
  kx::test::HostCapture host;
  TekstFil file("out.txt");
  DT_Nodeliste list;
  list.LeggTil(new Streng("x"));
  list.LeggTil(new DT_Punkt(1, 2, 3));  // not a text: skipped
  list.LeggTil(new Streng("y"));
  EXPECT_EQ(file.LeggTilListe(&list), 0);  // not open
  ASSERT_EQ(file.LukkOpp("wt"), 1);
  EXPECT_EQ(file.LeggTilListe(&list), 1);
  EXPECT_EQ(file.LeggTilListe(nullptr), 0);
  file.LukkIgjen();
  {
    Buffered buffered("OUT.TXT");
    EXPECT_EQ(buffered.SetBufferStorrelse(100), 1);
    EXPECT_EQ(buffered.GetBufferStorrelse(), 100);
    buffered.Put("tail\n");
    Buffered empty("none.txt");
    empty.SetBufferStorrelse(10);
    Buffered full("/dev/full");
    full.SetBufferStorrelse(10);
    full.Put("lost");
  }
  EXPECT_EQ(dir.Read("OUT.TXT"), "x\ny\ntail\n");
  EXPECT_FALSE(dir.Exists("NONE.TXT"));
  EXPECT_EQ(host.Lines(), kx::test::Words("files/messages.cases", "buffer"));
}

}  // namespace
