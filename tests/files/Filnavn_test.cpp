// Filnavn: names taken as they stand, existence and the host's messages. Splitting and joining
// are in tests/data/files/filnavn.script, the file dialog in Fil_test.cpp.

#include "kx/files/Filnavn.h"

#include <gtest/gtest.h>


#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

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
  EXPECT_EQ(host.Lines(), kx::test::Words("files/messages.cases", "filnavn"));
  EXPECT_EQ(dir.Read("Profil.prf"), "x");
  EXPECT_FALSE(dir.Exists("NEW.PRF"));
}

}  // namespace
