// Fil: names in any case, the shared stream, usable names, copies and deletion, time stamps, the
// file dialog, and failures that must be reported rather than lost.

#include "kx/files/Fil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/DialogHost.h"
#include "kx/files/TekstFil.h"
#include "support/CaseTable.h"
#include "support/FileHelpers.h"
#include "support/HostCapture.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kx::test::Listing;
using Names = std::vector<std::string>;

// The result of a call, or the last error code when it failed.
int Code(HovedObjekt& o, int result) { return result != 0 ? result : o.ErrorKode(-9999); }

TEST(Fil, NamePartsInStaticBuffersAreCutToFit) {
  const auto rows = kx::test::ReadCaseTable(KX_TEST_DATA_DIR "/files/filparts.cases");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    Fil f(row.fields[0].c_str());
    EXPECT_EQ(std::string(f.NavnExt()) + "|" + f.Path() + "|" + f.Navn() + "|" + f.Ext() + "|" +
                  f.NavnUtenExt(),
              row.fields[1] + "|" + row.fields[2] + "|" + row.fields[3] + "|" + row.fields[4] +
                  "|" + row.fields[5])
        << "filparts.cases:" << row.line;
  }
  Fil f((std::string(300, 'd') + "\\" + std::string(300, 'n') + ".txt").c_str());
  EXPECT_EQ(std::string(f.Path()), std::string(151, 'D'));
  EXPECT_EQ(std::string(f.Navn()), std::string(127, 'N'));
  EXPECT_EQ(std::string(f.NavnUtenExt()).size(), 255u);
  EXPECT_STREQ(Fil(nullptr).NavnExt(), "");
}

TEST(Fil, OpensMixedCaseNamesAndSharesTheStreamWithItsCopies) {
  kx::test::ScopedTempDir dir;
  fs::create_directory("Data");
  dir.Write("Data/Profil.prf", "a\r\nb\r\n");
  Fil f("data\\profil.prf");
  EXPECT_STREQ(f.NavnExt(), "DATA\\PROFIL.PRF");
  EXPECT_EQ(f.Finnes(1), 1);
  EXPECT_EQ(f.LukkOpp("rt"), 1);
  std::FILE* stream = f.Peker();
  char line[8];
  EXPECT_STREQ(std::fgets(line, sizeof line, stream), "a\n");
  EXPECT_EQ(f.LukkOpp("w"), 1);  // already open: kept as it is
  EXPECT_EQ(f.Peker(), stream);
  std::int64_t pos = 0;
  long start = 0;
  EXPECT_EQ(f.GetPos(&pos), 1);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(f.SetPos(&start, 0) + f.SetPos(&start, 3) + f.SetPos(nullptr, 0), 1);
  { Fil temporary(f); }  // a copy going out of scope leaves the stream open
  Fil copy(f);
  EXPECT_EQ(copy.Peker(), stream);
  EXPECT_EQ(copy.LukkIgjen(), 1);  // closed for every copy
  EXPECT_EQ(f.Peker(), nullptr);
  EXPECT_EQ(f.LukkIgjen() + f.GetPos(&pos), 0);
  EXPECT_EQ(dir.Read("Data/Profil.prf"), "a\r\nb\r\n");
}

TEST(Fil, UsableNamesLeaveNothingBehind) {
  kx::test::ScopedTempDir dir;
  fs::create_directory("sub");
  Fil f("new.txt");
  EXPECT_EQ(f.Lovlig_Filnavn(), 1);
  EXPECT_EQ(f.SetNavn("nodir/new.txt") + f.SetNavn(nullptr) + Fil("").Lovlig_Filnavn(), 0);
  EXPECT_STREQ(f.NavnExt(), "");
  EXPECT_EQ(f.SetNavn("Sub/New.txt"), 1);
  EXPECT_STREQ(f.NavnExt(), "Sub/New.txt");  // stored unchanged
  Fil directory("SUB");
  EXPECT_EQ(directory.Finnes(0), 1);
  EXPECT_EQ(directory.LukkOpp() + directory.Slett() + directory.KopierTil("copy"), 0);
  EXPECT_EQ(Listing(), Names{"sub"});
  EXPECT_EQ(f.SetTempNavn(), 1);
  EXPECT_EQ(f.Finnes(0), 1);
  EXPECT_EQ(f.Slett(), 1);
  EXPECT_EQ(f.Finnes(0) + f.Slett(), 0);
}

TEST(Fil, CopiesAndDeletionRespectReadOnlyFiles) {
  kx::test::ScopedTempDir dir;
  dir.Write("Kilde.txt", "abc");
  dir.Write("ro.txt", "keep");
  fs::permissions("ro.txt", fs::perms::owner_read);
  Fil f("kilde.txt"), readOnly("RO.TXT"), missing("none.txt");
  EXPECT_EQ(f.KopierTil("Kopi.txt"), 1);
  EXPECT_EQ(f.KopierTil("RO.txt") + f.KopierTil(nullptr) + missing.KopierTil("x.txt"), 0);
  EXPECT_EQ(readOnly.Slett() + readOnly.LukkOpp("a") + missing.Slett(), 0);
  EXPECT_EQ(readOnly.Lovlig_Filnavn(), 1);
  EXPECT_EQ(f.SetNavn("written.txt"), 1);
  EXPECT_EQ(f.LukkOpp("w"), 1);
  std::fputs("unflushed", f.Peker());
  EXPECT_EQ(f.KopierTil("Kopi.txt"), 1);  // the copy has what was written
  EXPECT_EQ(dir.Read("Kopi.txt") + dir.Read("ro.txt"), "unflushedkeep");
  EXPECT_EQ(f.Slett(), 1);
  EXPECT_EQ(Listing(), (Names{"Kilde.txt", "Kopi.txt", "ro.txt"}));
}

// Only where permission bits stop this process (not for the system administrator).
TEST(Fil, UnreadableFilesExistAndAreLeftAlone) {
  kx::test::ScopedTempDir dir;
  if (!kx::test::PermissionsApply()) GTEST_SKIP() << "permission bits do not stop this process";
  dir.Write("Closed.txt", "1\n2\n");
  fs::permissions("Closed.txt", fs::perms::owner_write);
  TekstFil unreadable("closed.txt");
  EXPECT_EQ(unreadable.Finnes(0), 1);
  EXPECT_EQ(unreadable.LukkOpp() + unreadable.KopierTil("Kopi.txt") + unreadable.SlettLinje(1), 0);
  EXPECT_EQ(unreadable.GetLinje(1), nullptr);
  fs::permissions("Closed.txt", fs::perms::owner_read);
  EXPECT_EQ(dir.Read("Closed.txt"), "1\n2\n");
  EXPECT_EQ(Listing(), Names{"Closed.txt"});
}

TEST(Fil, NyereEnnComparesLastWriteTimes) {
  kx::test::ScopedTempDir dir;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.Write(name, "x");
  kx::test::SetWriteTime("a.txt", 1000000000);
  kx::test::SetWriteTime("b.txt", 1000000000);
  kx::test::SetWriteTime("c.txt", 999999999);
  Fil a("a.txt"), b("b.txt"), c("c.txt"), missing("none.txt");
  Streng other;
  const auto newer = [&](Fil& f, const char* name) {
    other = name;
    const int result = f.NyereEnn(&other);
    return std::to_string(result) + (result == 0 ? std::to_string(f.ErrorKode(-9999)) : "");
  };
  EXPECT_EQ(newer(a, "B.TXT") + " " + newer(a, "c.txt") + " " + newer(c, "a.txt") + " " +
                newer(a, "none.txt") + " " + newer(missing, "a.txt"),
            "0-3 1 0-2 1 0-4");
  EXPECT_EQ(a.NyereEnn(&c), 1);
  EXPECT_EQ(Code(a, a.NyereEnn(static_cast<const Streng*>(nullptr))), -1);
  EXPECT_EQ(Code(a, a.NyereEnn(static_cast<const Fil*>(nullptr))), -1);
}

TEST(Fil, GetTimeInLocalTime) {
  kx::test::ScopedTempDir dir;
  setenv("TZ", "UTC", 1);
  dir.Write("T.txt", "x");
  Fil f("t.txt");
  const auto rows = kx::test::ReadCaseTable(KX_TEST_DATA_DIR "/files/gettime.cases");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    kx::test::SetWriteTime("T.txt", static_cast<std::uint32_t>(std::stoul(row.fields[0])));
    Streng text;
    text = "unchanged";
    const int result = Code(f, f.GetTime(text, std::stoi(row.fields[1]), 0));
    EXPECT_EQ(text.Get() + (" " + std::to_string(result)), row.fields[2] + " " + row.fields[3])
        << "gettime.cases:" << row.line;
  }
  kx::test::SetWriteTime("T.txt", 912762307);
  int v[7] = {};
  EXPECT_EQ(f.GetTime(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], 0), 1);
  EXPECT_EQ(std::vector<int>(v, v + 7), (std::vector<int>{4, 12, 1998, 5, 7, 5, 9}));
  EXPECT_EQ(f.GetTime(nullptr, nullptr, &v[2], nullptr, nullptr, nullptr, nullptr, 2), 1);
  EXPECT_EQ(f.GetTime(v, v, v, v, v, v, v, 1), 1);
  EXPECT_EQ(Code(f, f.GetTime(v, v, v, v, v, v, v, 3)), -102);
  Fil missing("none.txt");
  EXPECT_EQ(Code(f, missing.GetTime(v, v, v, v, v, v, v, 0)), -101);
  Streng text;
  EXPECT_EQ(Code(f, missing.GetTime(text, 7, 0)), -1);
}

TEST(Fil, AsksTheHostForNewAndExistingNames) {
  kx::test::HostCapture host;
  kx::test::DialogHost dialog;
  dialog.answers = {"/tmp/Ny.txt", std::nullopt};
  Fil f("c:\\data\\profil.txt");
  EXPECT_EQ(f.LesNyttNavn("Lagre", 0, 0, "Tekst|*.txt|"), 1);
  EXPECT_EQ(dialog.asked, "0|Lagre|TXT|C:\\DATA\\PROFIL|3|Tekst|*.txt|");
  EXPECT_STREQ(f.NavnExt(), "/tmp/Ny.txt");
  EXPECT_EQ(f.LesEksNavn(nullptr, nullptr), 0);
  EXPECT_EQ(dialog.asked, "1|(null)|txt|/tmp/Ny|1|(null)");
  EXPECT_STREQ(f.NavnExt(), "/tmp/Ny.txt");
}

TEST(Fil, AFailedCloseIsReported) {
  kx::test::HostCapture host;
  Fil full("/dev/full");
  ASSERT_EQ(full.LukkOpp("w"), 1);
  std::fputs("lost", full.Peker());
  EXPECT_EQ(full.LukkIgjen(), 1);
  EXPECT_EQ(host.Lines(), std::vector<std::string>{"ErrorBox[Message|1048577] Fil::LukkIgjen\n"
                                                   "The file /DEV/FULL could not be written "
                                                   "completely."});
}

}  // namespace
