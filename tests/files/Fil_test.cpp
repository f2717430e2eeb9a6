// Fil: copies sharing the stream, the file dialog (with Filnavn's), and failures that must be
// reported. The file scenarios are in tests/data/files/fil.script.

#include "kx/files/Fil.h"

#include <gtest/gtest.h>

#include <string>

#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

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
  EXPECT_EQ(host.fileDialogRequests, kx::test::Words("files/messages.cases", "dialog"));
}

TEST(Fil, AFailedCloseIsReported) {
  kx::test::HostCapture host;
  Fil full("/dev/full");
  ASSERT_EQ(full.LukkOpp("w"), 1);
  std::fputs("lost", full.Peker());
  EXPECT_EQ(full.LukkIgjen(), 1);
  EXPECT_EQ(host.Lines(), kx::test::Words("files/messages.cases", "close"));
}

}  // namespace
