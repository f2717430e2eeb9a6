// Filnavn: splitting and joining (tables in tests/data/files), existence and the file dialog.

#include "kx/files/Filnavn.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "files/DialogHost.h"
#include "support/CaseTable.h"
#include "support/HostCapture.h"
#include "support/TempDir.h"

namespace {

using kx::test::ReadCaseTable;

std::string Text(const Streng* s) { return s != nullptr ? s->Get() : "(null)"; }

TEST(Filnavn, SplitsEveryFormOfName) {
  const auto rows = ReadCaseTable(KX_TEST_DATA_DIR "/files/split.cases");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    ASSERT_EQ(row.fields.size(), 8u) << "split.cases:" << row.line;
    Filnavn name(row.fields[0].c_str());
    Streng drive, path, base, ext;
    EXPECT_EQ(name.Splitt(&drive, &path, &base, &ext), 1);
    const std::string got = Text(&drive) + "|" + Text(&path) + "|" + Text(&base) + "|" +
                            Text(&ext) + "|" + Text(name.Path()) + "|" + Text(name.NavnExt()) +
                            "|" + Text(name.PathNavnUtenExt());
    EXPECT_EQ(row.fields[0] + "|" + got, row.fields[0] + "|" + row.fields[1] + "|" + row.fields[2] +
                                             "|" + row.fields[3] + "|" + row.fields[4] + "|" +
                                             row.fields[5] + "|" + row.fields[6] + "|" +
                                             row.fields[7])
        << "split.cases:" << row.line;
    EXPECT_STREQ(name.Get(), row.fields[0].c_str());  // reading never changes the name
  }
}

TEST(Filnavn, SettersRebuildTheFullName) {
  const auto rows = ReadCaseTable(KX_TEST_DATA_DIR "/files/edits.cases");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    Filnavn name(row.fields[1].c_str());
    std::vector<Streng> args(row.fields.size() - 4);
    for (std::size_t i = 0; i < args.size(); ++i) args[i] = row.fields[4 + i].c_str();
    const std::string& op = row.fields[0];
    std::string returned;
    if (op == "SettSammen") {
      returned = std::to_string(name.SettSammen(&args[0], &args[1], &args[2], &args[3]));
    } else {
      using Setter = Streng* (Filnavn::*)(Streng*);
      const std::map<std::string, Setter> setters = {{"Drive", &Filnavn::Drive},
                                                     {"Path", &Filnavn::Path},
                                                     {"Navn", &Filnavn::Navn},
                                                     {"Ext", static_cast<Setter>(&Filnavn::Ext)},
                                                     {"NavnExt", &Filnavn::NavnExt}};
      returned = Text((name.*setters.at(op))(&args[0]));
    }
    EXPECT_EQ(std::string(name.Get()) + " -> " + returned, row.fields[2] + " -> " + row.fields[3])
        << "edits.cases:" << row.line;
  }
  Filnavn name("C:\\x\\f.txt");
  EXPECT_STREQ(name.Ext("dat")->Get(), ".dat");
  EXPECT_STREQ(name.Ext(static_cast<Streng*>(nullptr))->Get(), ".dat");
  EXPECT_STREQ(Filnavn(0).Get(), "");
  EXPECT_EQ(Filnavn("a%d").Lengde(), 3);  // taken as it stands, not as a format
}

TEST(Filnavn, LongNamesAreNeitherCutNorOverflowed) {
  const std::string dir(3000, 'd'), base(2000, 'n');
  Filnavn name((dir + "\\" + base + ".txt").c_str());
  EXPECT_EQ(name.Path()->Lengde(), 3000);
  EXPECT_EQ(name.NavnExt()->Lengde(), 2004);
  EXPECT_EQ(name.Ext("dat")->Lengde(), 4);
  EXPECT_EQ(name.Lengde(), 3000 + 1 + 2000 + 4);
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
  EXPECT_EQ(host.Lines(), (std::vector<std::string>{
                              "ErrorBox[Message|1048577] Finner ikke ",
                              "ErrorBox[Message|1048577] Filnavn::InitUniktNavn\n Function is "
                              "not working in ADS.\n Contact TK."}));
  EXPECT_EQ(dir.Read("Profil.prf"), "x");
  EXPECT_FALSE(dir.Exists("NEW.PRF"));
}

TEST(Filnavn, LesNavnAsksTheHostsFileDialog) {
  kx::test::HostCapture host;
  Filnavn name("C:\\data\\profil.txt");
  EXPECT_EQ(name.LesNavn("Velg", 0, "txt;dat"), 0);  // the built-in dialog: one filter entry
  ASSERT_EQ(host.fileDialogRequests.size(), 1u);
  EXPECT_EQ(host.fileDialogRequests[0].filter,
            (std::vector<std::string>{"*.txt;*.dat", "*.txt;*.dat"}));
  kx::test::DialogHost dialog;
  dialog.answers = {"/home/Kari/data/Profil.prf", std::nullopt};
  EXPECT_EQ(name.LesNavn("Velg", 1, "txt;dat"), 1);
  EXPECT_EQ(dialog.asked, "0|Velg|txt|C:\\data\\profil|2|*.txt;*.dat");
  EXPECT_STREQ(name.Get(), "/HOME/KARI/DATA/PROFIL.PRF");
  EXPECT_STREQ(name.Navn()->Get(), "PROFIL");
  EXPECT_EQ(name.LesNavn(nullptr, 32, nullptr), 0);
  EXPECT_EQ(dialog.asked, "1|(null)|PRF|/HOME/KARI/DATA/PROFIL|0|(null)");
  EXPECT_STREQ(name.Get(), "/HOME/KARI/DATA/PROFIL.PRF");
}

}  // namespace
