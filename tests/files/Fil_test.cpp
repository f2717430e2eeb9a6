// Filnavn, Fil and TekstFil beyond the file scenarios of tests/data/files/*.script: names taken
// as they stand, existence and the host's messages, copies sharing the stream, the file dialog,
// writing lists and the line buffer, and failures that must be reported.

#include "kx/files/Fil.h"

#include <gtest/gtest.h>

#include <string>

#include "kx/containers/DT_Nodeliste.h"
#include "kx/files/Filnavn.h"
#include "kx/files/TekstFil.h"
#include "kx/geometry/DT_Punkt.h"
#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kMessages = "files/messages.cases";

TEST(Filnavn, TakesNamesAsTheyStand) {
  Filnavn name("C:\\x\\f.txt");
  EXPECT_STREQ(name.Ext(static_cast<Streng*>(nullptr))->Get(), ".txt");  // a null part: unchanged
  EXPECT_STREQ(Filnavn(0).Get(), "");
  EXPECT_EQ(Filnavn("a%d").Lengde(), 3);  // not a format
}

TEST(Filnavn, ExistenceAndTheHostsMessages) {
  kx::test::ScopedTempDir dir;
  kx::test::HostCapture host;
  host.Api().texts[5000] = "Finner ikke %s";
  dir.Write("Profil.prf", "x");
  EXPECT_EQ(Filnavn("PROFIL.PRF").FilenFinnes(1), 1);
  EXPECT_EQ(Filnavn("none.prf").FilenFinnes(0), 0);
  EXPECT_EQ(Filnavn("").FilenFinnes(1), 0);
  EXPECT_EQ(Filnavn("NONE.PRF").InitUniktNavn(nullptr), 0);
  EXPECT_EQ(Filnavn("new.prf").Lovlig(), 1);
  EXPECT_EQ(Filnavn("nodir\\new.prf").Lovlig(), 0);
  EXPECT_EQ(host.Lines(), kx::test::Words(kMessages, "filnavn"));
  EXPECT_EQ(dir.Read("Profil.prf"), "x");
  EXPECT_FALSE(dir.Exists("NEW.PRF"));
}

// The result of a call, or the last error code when it failed.
int Code(HovedObjekt& o, int result) { return result != 0 ? result : o.ErrorKode(-9999); }

TEST(Fil, CopiesShareTheStream) {
  kx::test::ScopedTempDir dir;
  dir.Write("Profil.prf", "a\r\nb\r\n");
  Fil f("profil.prf"), missing("none.txt");
  ASSERT_EQ(f.LukkOpp("rt"), 1);
  std::FILE* stream = f.Peker();
  EXPECT_EQ(f.LukkOpp("w"), 1);  // already open: kept as it is
  { Fil temporary(f); }          // a copy going out of scope leaves the stream open
  Fil copy(f);
  EXPECT_EQ(copy.Peker(), stream);
  EXPECT_EQ(copy.LukkIgjen(), 1);  // closed for every copy
  EXPECT_EQ(f.Peker(), nullptr);
  EXPECT_EQ(f.LukkIgjen(), 0);
  EXPECT_EQ(Code(f, f.NyereEnn(static_cast<const Streng*>(nullptr))), -1);
  EXPECT_EQ(Code(f, f.NyereEnn(static_cast<const Fil*>(nullptr))), -1);
  EXPECT_EQ(Code(f, f.NyereEnn(&missing)), 1);
}

// Fil::LesNyttNavn, Fil::LesEksNavn and Filnavn::LesNavn, through the built-in dialog.
TEST(Fil, AsksTheHostsFileDialogForNames) {
  kx::test::HostCapture host;
  host.fileDialogAnswers = {"/tmp/Ny.txt", std::nullopt, "/home/Kari/data/Profil.prf",
                            std::nullopt};
  Fil f("c:\\data\\profil.txt");
  EXPECT_EQ(f.LesNyttNavn("Lagre", 0, 0, "Tekst|*.txt|"), 1);
  EXPECT_EQ(f.LesEksNavn(nullptr, nullptr), 0);
  EXPECT_STREQ(f.NavnExt(), "/tmp/Ny.txt");  // unchanged
  Filnavn name("C:\\data\\profil.txt");
  EXPECT_EQ(name.LesNavn("Velg", 1, "txt;dat"), 1);
  EXPECT_STREQ(name.Get(), "/HOME/KARI/DATA/PROFIL.PRF");  // upper-cased
  EXPECT_EQ(name.LesNavn(nullptr, 32, nullptr), 0);
  EXPECT_EQ(host.fileDialogRequests, kx::test::Words(kMessages, "dialog"));
}

TEST(Fil, AFailedCloseIsReported) {
  kx::test::HostCapture host;
  Fil full("/dev/full");
  ASSERT_EQ(full.LukkOpp("w"), 1);
  std::fputs("lost", full.Peker());
  EXPECT_EQ(full.LukkIgjen(), 1);
  EXPECT_EQ(host.Lines(), kx::test::Words(kMessages, "close"));
}

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
  EXPECT_EQ(host.Lines(), kx::test::Words(kMessages, "buffer"));
}

}  // namespace
