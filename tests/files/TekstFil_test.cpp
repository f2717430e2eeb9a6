// TekstFil: lines from Windows files, pieces of 510 characters, lists, deleting a line in place,
// writing, and the line buffer written at destruction.

#include "kx/files/TekstFil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "kx/containers/DT_Nodeliste.h"
#include "kx/geometry/DT_Punkt.h"
#include "support/FileHelpers.h"
#include "support/HostCapture.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kx::test::Listing;
using Lines = std::vector<std::string>;

Lines ReadLines(TekstFil& file, int flags = 0, const char* format = nullptr) {
  Lines lines;
  for (Streng line; file.LesNesteLinje(&line, format, flags) == 1;) lines.emplace_back(line.Get());
  return lines;
}

Lines Texts(DT_Nodeliste& list) {
  Lines lines;
  for (HovedObjekt* o = list.AktiverForste(); o != nullptr; o = list.AktiverNeste()) {
    lines.emplace_back(static_cast<Streng*>(o)->Get());
  }
  return lines;
}

TEST(TekstFil, ReadsCrLfLinesInPiecesOf510) {
  kx::test::ScopedTempDir dir;
  const std::string b(510, 'b'), c(511, 'c'), d(600, 'd'), e(1020, 'e');
  dir.Write("Lines.txt", "a\r\n" + b + "\r\n" + c + "\r\n" + d + "\n" + e + "\r\nlast");
  const Lines expected = {
      "a", b, c.substr(1), "c", d.substr(90), d.substr(510), e.substr(510), e.substr(510), "last"};
  TekstFil file("LINES.TXT");
  EXPECT_EQ(ReadLines(file), expected);
  DT_Nodeliste list;
  EXPECT_EQ(file.InitListe(&list, 0), 1);  // the stream is open and at the end: nothing more
  EXPECT_EQ(list.Antall(), 0);
  file.LukkIgjen();
  EXPECT_EQ(file.InitListe(&list, 0), 1);
  EXPECT_EQ(Texts(list), expected);
  EXPECT_EQ(file.Peker(), nullptr);  // closed again: this call opened it
  EXPECT_EQ(file.InitListe(nullptr, 0) + file.LesNesteLinje(nullptr, nullptr, 0), 0);
}

TEST(TekstFil, FormatsAndComments) {
  kx::test::ScopedTempDir dir;
  dir.Write("f.txt", "12.5 30.0 // start\r\n// only comment\r\nx\r\nx // y\r\n");
  TekstFil file("f.txt");
  EXPECT_EQ(ReadLines(file, 8, nullptr).front(), "12.5 30.0 ");
  file.LukkIgjen();
  EXPECT_EQ(ReadLines(file, 8 | 4, "<%s>"), (Lines{"12.5 30.0 ", "", "x", "x "}));
  file.LukkIgjen();
  EXPECT_EQ(ReadLines(file, 8, "<%s>"), (Lines{"<12.5 30.0 ", "<", "<x>", "<x "}));
}

TEST(TekstFil, GetLinjeReadsFromTheTop) {
  kx::test::ScopedTempDir dir;
  dir.Write("abc.txt", "a\r\nb\r\nc\r\n");
  TekstFil file("ABC.TXT");
  const auto get = [&](unsigned short n) {
    std::unique_ptr<Streng> line(file.GetLinje(n));
    return line ? std::string(line->Get()) : "(null)";
  };
  std::string got;
  for (unsigned short n : {2, 4, 0, 3, 1}) got += get(n);
  EXPECT_EQ(got, "b(null)(null)ca");
  EXPECT_EQ(ReadLines(file), (Lines{"b", "c"}));  // left open after the line returned
  fs::remove("abc.txt");                          // deleted between two reads
  EXPECT_EQ(get(1), "(null)");
  EXPECT_EQ(Listing(), Lines{});
}

TEST(TekstFil, SlettLinjeRewritesTheFileInPlace) {
  kx::test::ScopedTempDir dir;
  fs::create_directory("Data");
  const std::string d(600, 'd');
  for (const auto& [number, expected] :
       std::vector<std::pair<int, std::string>>{{1, "2\n" + d + "\n4"},
                                                {2, "1\n" + d + "\n4"},
                                                {3, "1\n2\n" + d.substr(510) + "\n4"},
                                                {5, "1\n2\n" + d + "\n"},
                                                {0, "1\n2\n" + d + "\n4"}}) {
    dir.Write("Data/Profil.prf", "1\r\n2\r\n" + d + "\r\n4");
    fs::permissions("Data/Profil.prf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TekstFil file("DATA\\PROFIL.PRF");
    EXPECT_EQ(file.SlettLinje(static_cast<unsigned short>(number)), 1);
    EXPECT_EQ(file.Peker(), nullptr);
    EXPECT_EQ(dir.Read("Data/Profil.prf"), expected) << number;
    EXPECT_EQ(fs::status("Data/Profil.prf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Listing(), (Lines{"Data", "Data/Profil.prf"}));
  }
  EXPECT_EQ(TekstFil("data/new.txt").SlettLinje(1), 1);  // a missing file is created empty
  EXPECT_TRUE(dir.Exists("Data/NEW.TXT"));
}

TEST(TekstFil, SlettLinjeLeavesTheFileWhenItCannotFinish) {
  kx::test::ScopedTempDir dir;
  dir.Write("ro.txt", "1\n2\n");
  dir.Write("rw.txt", "1\n2\n");
  fs::create_directory("sub");
  fs::permissions("ro.txt", fs::perms::owner_read);
  EXPECT_EQ(TekstFil("ro.txt").SlettLinje(1) + TekstFil("sub").SlettLinje(1), 0);
  EXPECT_EQ(TekstFil("nodir/x.txt").SlettLinje(1), 0);
  for (const char* call : {"mkstemp", "rename", "read"}) {
    kx::test::FailingCall fails(call, EIO);
    EXPECT_EQ(TekstFil("rw.txt").SlettLinje(1), 0) << call;
  }
  EXPECT_EQ(dir.Read("ro.txt") + dir.Read("rw.txt"), "1\n2\n1\n2\n");
  EXPECT_EQ(Listing(), (Lines{"ro.txt", "rw.txt", "sub"}));
  TekstFil directory("sub");
  Streng line;
  EXPECT_EQ(directory.LesNesteLinje(&line, nullptr, 0), 0);
  EXPECT_EQ(directory.GetLinje(1), nullptr);
}

// A text file that puts text in its line buffer, as a derived class may.
struct Buffered : TekstFil {
  using TekstFil::TekstFil;
  void Put(const char* text) { buffer_->Add(text); }
};

TEST(TekstFil, WritesLinesListsAndTheLineBuffer) {
  kx::test::ScopedTempDir dir;
  kx::test::HostCapture host;
  TekstFil file("out.txt");
  EXPECT_EQ(file.LeggTilLinje("lost"), 0);  // not open
  ASSERT_EQ(file.LukkOpp("wt"), 1);
  EXPECT_EQ(file.LeggTilLinje("abc") + file.LeggTilLinje("def\n"), 2);
  EXPECT_EQ(file.LeggTilLinje(static_cast<const char*>(nullptr)) +
                file.LeggTilLinje(static_cast<const Streng*>(nullptr)) + file.LeggTilListe(nullptr),
            0);
  DT_Nodeliste list;
  list.LeggTil(new Streng("x"));
  list.LeggTil(new DT_Punkt(1, 2, 3));  // not a text: skipped
  list.LeggTil(new Streng("y"));
  EXPECT_EQ(file.LeggTilListe(&list), 1);
  file.LukkIgjen();
  EXPECT_EQ(file.LeggTilListe(&list), 0);
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
  EXPECT_EQ(dir.Read("OUT.TXT"), "abcdef\nx\ny\ntail\n");
  EXPECT_EQ(Listing(), Lines{"OUT.TXT"});
  EXPECT_EQ(host.Lines(), Lines{"ErrorBox[Message|1048577] TekstFil::~TekstFil\nThe file "
                                "/DEV/FULL could not be written completely."});
  ASSERT_EQ(file.LukkOpp("r"), 1);
  EXPECT_EQ(file.LeggTilLinje("x"), 0);  // a stream open for reading refuses
}

}  // namespace
