// The worst file names and contents (data/hostile/files.cases), and a host that fills the
// library's fixed buffers to the last byte without a terminator.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kx/kx.h"
#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace {

using kx::test::Row;
using Words = std::vector<std::string>;

std::string Of(int v) { return std::to_string(v); }

// What a name gives, in a directory that holds the file "f.txt" and the directory "sub": exists,
// usable, opens for reading; for a name that does not exist, opens for writing and is deleted
// again ("-" for one that exists).
Words Name(const Row& r) {
  Fil file(r.S(0, 0) == "NULL" ? nullptr : r.S(0, 0).c_str());
  const int exists = file.Finnes(0), usable = file.Lovlig_Filnavn();
  const int read = file.LukkOpp("r");
  file.LukkIgjen();
  if (exists != 0) return {Of(exists), Of(usable), Of(read), "-", "-"};
  const int write = file.LukkOpp("w");
  file.LukkIgjen();
  return {Of(exists), Of(usable), Of(read), Of(write), Of(write != 0 ? file.Slett() : 0)};
}

// The lines a text file with the content gives: their number, then the length of each of the
// first three.
Words Lines(const Row& r, const kx::test::ScopedTempDir& dir) {
  dir.Write("lines.txt", r.S(0, 0));
  TekstFil file("lines.txt");
  DT_Nodeliste list;
  Words words{Of(file.InitListe(&list, 0)), Of(list.Antall())};
  for (int i = 0; i < 3 && i < list.Antall(); ++i) {
    words.push_back(Of(static_cast<Streng*>(list.GetIndex(i))->Lengde()));
  }
  std::unique_ptr<Streng> last(file.GetLinje(static_cast<unsigned short>(list.Antall())));
  words.push_back(last != nullptr ? Of(last->Lengde()) : "-");
  return words;
}

TEST(Hostile, FileNamesAndContents) {
  kx::test::HostCapture host;
  kx::test::ScopedTempDir dir;
  dir.Write("f.txt", "x");
  std::filesystem::create_directory(dir.Path() / "sub");
  int rows = 0;
  for (const Row& r : kx::test::Table("hostile/files.cases")) {
    SCOPED_TRACE(r.where);
    if (r.kind == "copy") {  // f.txt copied to a hostile target, which must not be harmed
      EXPECT_EQ(Of(Fil("f.txt").KopierTil(r.S(0, 0) == "NULL" ? nullptr : r.S(0, 0).c_str())),
                r.S(1, 0));
    } else {
      EXPECT_EQ(r.kind == "name" ? Name(r) : Lines(r, dir), r.cells.at(1));
    }
    ++rows;
  }
  EXPECT_GT(rows, 10);
  EXPECT_TRUE(dir.Read("f.txt") == "x" && std::filesystem::is_directory(dir.Path() / "sub"));
}

// A host that fills every buffer it is given to the last byte and leaves no terminator: the
// library's 512-byte line buffer and its 4096-byte dialog buffer.
struct Unterminated : IO_Enhet {
  using IO_Enhet::API_FileDialog;
  int API_GetStr(char* buffer) override { return std::memset(buffer, 'l', 512), 1; }
  int API_FileDialog(int, char* result, char*, char*, char*, unsigned long, char*, void*) override {
    return std::memset(result, 'd', 4096), 1;
  }
};

TEST(Hostile, UnterminatedAnswersOfTheHost) {
  Unterminated host;
  KxBaseClass root;
  KxBasicAPI* const previous = root.API(&host);  // null when none was installed
  Streng line;
  EXPECT_EQ(line.Les(nullptr, 0), 1);
  EXPECT_EQ(line.Lengde(), 511);
  Filnavn name;
  EXPECT_EQ(name.LesNavn(nullptr, 0, nullptr), 1);
  EXPECT_EQ(name.Lengde(), 4095);
  EXPECT_EQ(name.Get(0), 'D');                  // upper-cased
  if (previous != nullptr) root.API(previous);  // else host removes itself when destroyed
}

}  // namespace
