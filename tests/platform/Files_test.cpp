// The platform's file services: names resolved as Windows finds them, text mode, read-only files,
// copies that never leave half a file, and failing system calls.

#include "kx/platform/Files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FileHelpers.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using kx::platform::ResolvePath;
using Names = std::vector<std::string>;

std::string ReadAll(const char* name, const char* mode) {
  std::string text;
  if (std::FILE* f = kx::platform::OpenFile(name, mode)) {
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    kx::platform::CloseFile(f);
  }
  return text;
}

TEST(PlatformFiles, NamesAreFoundWhateverTheirCaseAndSeparators) {
  kx::test::ScopedTempDir dir;
  fs::create_directories("data/Sub");
  for (const char* name :
       {"data/Profil.prf", "data/Sub/x.txt", "data/a.txt", "data/A.txt", "data/Bl\xE5.txt"}) {
    dir.Write(name, "x");
  }
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"DATA/PROFIL.PRF", "data/Profil.prf"},
      {"data\\sub\\X.TXT", "data/Sub/x.txt"},
      {".\\DATA\\\\profil.prf", "data/Profil.prf"},
      {"data/a.txt", "data/a.txt"},
      {"DATA/a.TXT", "data/A.txt"},
      {"data/BL\xC5.TXT", "data/Bl\xE5.txt"},
      {"DATA\\NEW.TXT", "data/NEW.TXT"},
      {"NODIR\\Sub\\f.txt", "NODIR/Sub/f.txt"},
      {"", ""}};
  for (const auto& [name, resolved] : cases) EXPECT_EQ(ResolvePath(name), resolved) << name;
  EXPECT_EQ(ResolvePath((dir.Path().string() + "/DATA/profil.PRF").c_str()),
            dir.Path().string() + "/data/Profil.prf");
  EXPECT_EQ(ResolvePath(nullptr), "");
}

TEST(PlatformFiles, TextModeDropsTheCrOfCrLfAndStopsAtCtrlZ) {
  kx::test::ScopedTempDir dir;
  dir.Write("t.txt", "a\r\nb\r\r\n\rc\r\x1Atail");
  EXPECT_EQ(ReadAll("T.TXT", "rt"), "a\nb\r\n\rc\r");
  EXPECT_EQ(ReadAll("t.txt", "r"), ReadAll("t.txt", "rt"));
  EXPECT_EQ(ReadAll("t.txt", "rb"), "a\r\nb\r\r\n\rc\r\x1Atail");
  std::FILE* f = kx::platform::OpenFile("t.txt", "r");
  ASSERT_NE(f, nullptr);
  std::int64_t at = -1;
  EXPECT_EQ(std::fgetc(f), 'a');
  EXPECT_EQ(std::fgetc(f), '\n');
  EXPECT_TRUE(kx::platform::Tell(f, at));
  EXPECT_EQ(at, 3);  // a byte offset in the file
  EXPECT_TRUE(kx::platform::Seek(f, -2, 2));
  EXPECT_EQ(std::fgetc(f), 'i');
  EXPECT_FALSE(kx::platform::Seek(f, 0, 3));
  kx::platform::CloseFile(f);

  f = kx::platform::OpenFile("w.txt", "wt");
  std::fputs("x\ny\n", f);
  EXPECT_TRUE(kx::platform::CloseFile(f));
  EXPECT_EQ(dir.Read("w.txt"), "x\ny\n");
  for (const char* mode : {"", "x", "rw", "r+q"})
    EXPECT_EQ(kx::platform::OpenFile("w.txt", mode), nullptr);
  EXPECT_EQ(kx::platform::OpenFile("w.txt", nullptr), nullptr);
}

TEST(PlatformFiles, ReadOnlyFilesAndDirectoriesAreRefused) {
  kx::test::ScopedTempDir dir;
  dir.Write("ro.txt", "keep");
  dir.Write("other.txt", "other");
  fs::create_directory("sub");
  fs::permissions("ro.txt", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(kx::platform::OpenFile("RO.TXT", "a"), nullptr);
  EXPECT_EQ(kx::platform::OpenFile("ro.txt", "r+"), nullptr);
  EXPECT_EQ(kx::platform::CheckAccess("ro.txt", kx::platform::kAccessWrite), EACCES);
  EXPECT_EQ(kx::platform::CheckAccess("ro.txt", kx::platform::kAccessRead), 0);
  EXPECT_EQ(kx::platform::CheckAccess("SUB", kx::platform::kAccessExists), 0);
  EXPECT_EQ(kx::platform::CheckAccess("none", kx::platform::kAccessExists), ENOENT);
  EXPECT_FALSE(kx::platform::RemoveFile("ro.txt"));
  EXPECT_FALSE(kx::platform::CopyOver("other.txt", "ro.txt"));
  EXPECT_FALSE(kx::platform::ReplaceFile("ro.txt", "other.txt"));
  EXPECT_FALSE(kx::platform::RenameFile("other.txt", "RO.txt"));  // the target exists
  EXPECT_EQ(kx::platform::OpenFile("sub", "r"), nullptr);
  EXPECT_FALSE(kx::platform::RemoveFile("sub"));
  EXPECT_FALSE(kx::platform::CopyOver("sub", "copy.txt"));
  EXPECT_FALSE(kx::platform::CopyOver("other.txt", "sub"));
  EXPECT_EQ(dir.Read("ro.txt"), "keep");
  EXPECT_EQ(kx::test::Listing(), (Names{"other.txt", "ro.txt", "sub"}));
}

TEST(PlatformFiles, CopiesReplaceWholeOrNotAtAll) {
  kx::test::ScopedTempDir dir;
  dir.Write("Source.txt", "new content");
  dir.Write("target.txt", "old");
  kx::test::SetWriteTime("Source.txt", 912762307);
  EXPECT_TRUE(kx::platform::CopyOver("SOURCE.TXT", "TARGET.TXT"));
  kx::platform::FileTimes times;
  EXPECT_EQ(kx::platform::GetFileTimes("target.txt", times), 0);
  EXPECT_EQ(times.lastWrite, 912762307u);  // the copy keeps the last write time
  EXPECT_EQ(dir.Read("target.txt"), "new content");
  EXPECT_EQ(kx::platform::GetFileTimes("none.txt", times), ENOENT);

  dir.Write("target.txt", "old");
  for (const char* call : {"open", "read", "write", "mkstemp", "rename"}) {
    kx::test::FailingCall fails(call, EIO);
    EXPECT_FALSE(kx::platform::CopyOver("source.txt", "target.txt")) << call;
    EXPECT_EQ(dir.Read("target.txt"), "old") << call;
    EXPECT_EQ(kx::test::Listing(), (Names{"Source.txt", "target.txt"})) << call;
  }
  EXPECT_FALSE(kx::platform::CopyOver("none.txt", "target.txt"));
  EXPECT_FALSE(kx::platform::CopyOver("source.txt", "nodir/target.txt"));
  EXPECT_TRUE(kx::platform::RenameFile("TARGET.txt", "moved.txt"));
  EXPECT_EQ(kx::test::Listing(), (Names{"Source.txt", "moved.txt"}));
}

TEST(PlatformFiles, TemporaryFilesAreCreatedUnderUniqueNames) {
  kx::test::ScopedTempDir dir;
  fs::create_directory("Data");
  std::string first, second;
  std::FILE* a = kx::platform::CreateTempFile("DATA/PROFIL.PRF", first);
  std::FILE* b = kx::platform::CreateTempFile("data/x", second);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  kx::platform::CloseFile(a);
  kx::platform::CloseFile(b);
  EXPECT_NE(first, second);
  EXPECT_EQ(fs::path(first).parent_path(), "Data");
  EXPECT_EQ(kx::test::Listing("Data").size(), 2u);
  EXPECT_EQ(kx::platform::CreateTempFile("nodir/x", first), nullptr);
  kx::test::FailingCall fails("mkstemp", EEXIST);
  EXPECT_EQ(kx::platform::CreateTempFile(nullptr, first), nullptr);
}

}  // namespace
