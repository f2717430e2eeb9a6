// The built-in host interface: message boxes, the debug trace file, the file dialog.

#include "kx/foundation/IO_Enhet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/HovedObjekt.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"
#include "support/TempDir.h"

using kx::test::HostCapture;
using kx::test::Shown;

namespace {

TEST(IO_Enhet, IdentityFlagsAndOwnDebugMode) {
  IO_Enhet io;
  EXPECT_EQ(io.KlasseType(), 1);
  EXPECT_STREQ(io.KlasseNavn(), "IO_Enhet");
  EXPECT_EQ(io.DebugMode(), 0);
  EXPECT_EQ(io.DebugMode(8), 8);     // the new value
  EXPECT_EQ(io.API_Flags(8), 512u);  // the previous flags
  EXPECT_EQ(io.DebugMode(), 8);
  // Its own debug mode has nothing to do with the process-wide debug function mode.
  HovedObjekt object;
  EXPECT_EQ(object.DebugMode(), 0);
}

TEST(IO_Enhet, TextsGoToTheMessageBoxUnderTheApplicationTitle) {
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  EXPECT_EQ(io.SkrivCharStreng("hello 100%"), 0);
  EXPECT_EQ(io.API_Printf("via printf"), 0);
  EXPECT_EQ(io.API_MessageBox("via box", "ignored title", 1), 1);
  EXPECT_EQ(io.API_ErrorBox("via error box", "ignored title", 0x100001), 0);
  io.API_ProgramName("Vegprofil");
  io.SkrivCharStreng("named");
  ASSERT_EQ(box.Count(), 5u);
  const auto& shown = box.All();
  EXPECT_EQ(box.Texts(), (std::vector<std::string>{"hello 100%", "via printf", "via box",
                                                   "via error box", "named"}));
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(shown[i].title, "kxlib") << i;
  EXPECT_EQ(shown[4].title, "Vegprofil");
  for (const Shown& s : shown) EXPECT_EQ(s.via, Shown::Via::PlatformBox);
}

bool ProgramNameOfTheBuiltInIsTheApplicationTitle() {
  bool ok = true;
  std::vector<std::string> titles;
  kx::platform::SetMessageBoxHandler([&](const char*, const char* title, unsigned) {
    titles.emplace_back(title);
    return 1;
  });
  HovedObjekt object;
  object.API()->API_ProgramName("Veg");
  object.Printf("x");
  DOVERO01_GetSystemLong(1);  // a box shown straight by the library
  KX_FRESH_CHECK(ok, titles == (std::vector<std::string>{"Veg", "Veg"}));
  kx::platform::SetMessageBoxHandler(nullptr);
  return ok;
}

TEST(IO_Enhet, ProgramNameOfTheBuiltInIsTheApplicationTitle) {
  KX_EXPECT_IN_FRESH_PROCESS(ProgramNameOfTheBuiltInIsTheApplicationTitle());
}

// The trace file for each debug mode: on only with flag 8 and a positive mode, tagged with flag 4.
TEST(IO_Enhet, DebugTraceFollowsTheDebugMode) {
  struct Case {
    long mode;
    std::string expected;  // file content after "abc" and "def"; "" = no file
  };
  const Case cases[] = {
      {12, "DEBUG2[abc]DEBUG2[def]"},
      {8, "abcdef"},
      {4, ""},
      {0, ""},
      {-8, ""},  // negative: off, though the flag bit is set
      {-12, ""},
      {9, "abcdef"},
  };
  for (const Case& c : cases) {
    kx::test::ScopedTempDir dir;
    HostCapture box(HostCapture::Install::BoxOnly);
    IO_Enhet io;
    io.DebugMode(c.mode);
    EXPECT_EQ(io.SkrivDebugStreng("abc"), 0);
    io.SkrivDebugStreng("def");
    EXPECT_EQ(dir.Exists("ORVADEBU.ERR"), !c.expected.empty()) << "mode " << c.mode;
    EXPECT_EQ(dir.Read("ORVADEBU.ERR"), c.expected) << "mode " << c.mode;
    // Shown in every case.
    EXPECT_EQ(box.Texts(), (std::vector<std::string>{"abc", "def"})) << "mode " << c.mode;
  }
}

TEST(IO_Enhet, DebugTraceOfANullTextAndOfAnUnwritableFile) {
  kx::test::ScopedTempDir dir;
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  io.DebugMode(8);
  dir.Write("ORVADEBU.ERR", "before:");
  io.SkrivDebugStreng(nullptr);
  EXPECT_EQ(dir.Read("ORVADEBU.ERR"), "before:\nDEBUG IO_Enhet::SkrivCharStreng( NULL )");

  // A trace file that cannot be opened is ignored; the message is still shown.
  std::filesystem::remove(dir.Path() / "ORVADEBU.ERR");
  std::filesystem::create_directory(dir.Path() / "ORVADEBU.ERR");
  box.Clear();
  EXPECT_EQ(io.SkrivDebugStreng("still shown"), 0);
  EXPECT_EQ(box.Texts(), (std::vector<std::string>{"still shown"}));
}

TEST(IO_Enhet, ReadingNumbersIsNotProvided) {
  struct BoxRecorder : IO_Enhet {
    int API_MessageBox(const char* text, const char* title, long flags) override {
      seen.push_back({Shown::Via::MessageBox, text, title, flags});
      return IO_Enhet::API_MessageBox(text, title, flags);
    }
    std::vector<Shown> seen;
  };
  HostCapture box(HostCapture::Install::BoxOnly);
  BoxRecorder io;
  int i = 7;
  long l = 8;
  float f = 9.5f;
  double d = 10.25;
  EXPECT_EQ(io.LesTall(&i), 1);
  EXPECT_EQ(io.LesTall(&l), 1);
  EXPECT_EQ(io.LesTall(&f), 1);
  EXPECT_EQ(io.LesTall(&d), 1);
  EXPECT_EQ(i, 7);
  EXPECT_EQ(l, 8);
  EXPECT_EQ(f, 9.5f);
  EXPECT_EQ(d, 10.25);
  const std::vector<std::string> expected = {
      "IO_Enhet::LesTall( int *enInt ) is not created yet !",
      "IO_Enhet::LesTall( long int *enLongint ) is not created yet !",
      "IO_Enhet::LesTall( float *enFloat ) is not created yet !",
      "IO_Enhet::LesTall( double *enDouble ) is not created yet !",
  };
  ASSERT_EQ(io.seen.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(io.seen[k].text, expected[k]);
    EXPECT_EQ(io.seen[k].title, "Message");
    EXPECT_EQ(io.seen[k].flags, 0);
  }
  EXPECT_EQ(box.Texts(), expected);
}

TEST(IO_Enhet, NumberedTextsAreTheCallersBuffer) {
  IO_Enhet io;
  EXPECT_STREQ(io.GetTekstNr(17, nullptr), "");
  char buffer[16] = "own text";
  EXPECT_EQ(io.GetTekstNr(17, buffer), buffer);
  EXPECT_EQ(io.API_GetText(17, buffer), buffer);
  EXPECT_STREQ(buffer, "own text");
}

TEST(IO_Enhet, FileDialogHandsTheRequestToThePlatformAndCopiesThePath) {
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  char result[512] = "unchanged";

  box.fileDialogAnswers.push_back(std::nullopt);  // the user cancels
  EXPECT_EQ(io.API_FileDialog(1, result, "Open profile", "prf", "veg.prf", 0, nullptr, nullptr), 0);
  EXPECT_STREQ(result, "unchanged");

  box.fileDialogAnswers.push_back("/data/veg.prf");
  EXPECT_EQ(io.API_FileDialog(0, result, nullptr, nullptr, nullptr, 0,
                              "Profiles (*.prf)|*.prf|NYLP (*.nylp)|*.nylp|", nullptr),
            1);
  EXPECT_STREQ(result, "/data/veg.prf");

  box.fileDialogAnswers.push_back("/x");
  EXPECT_EQ(io.API_FileDialog(1, nullptr, nullptr, nullptr, nullptr, 0, "Text|*.txt", nullptr), 1);

  box.fileDialogAnswers.push_back("/" + std::string(700, 'p'));
  EXPECT_EQ(io.API_FileDialog(1, result, nullptr, nullptr, nullptr, 0, nullptr, nullptr), 1);
  EXPECT_EQ(std::string(result), "/" + std::string(510, 'p'));

  ASSERT_EQ(box.fileDialogRequests.size(), 4u);
  const auto& first = box.fileDialogRequests[0];
  EXPECT_TRUE(first.open);
  EXPECT_EQ(first.title, "Open profile");
  EXPECT_EQ(first.defaultExt, "prf");
  EXPECT_EQ(first.initialName, "veg.prf");
  EXPECT_EQ(first.filter, (std::vector<std::string>{"All files (*.*)", "*.*"}));
  EXPECT_EQ(first.options, kx::platform::kHideReadOnly | kx::platform::kOverwritePrompt);
  EXPECT_FALSE(box.fileDialogRequests[1].open);
  EXPECT_EQ(box.fileDialogRequests[1].filter,
            (std::vector<std::string>{"Profiles (*.prf)", "*.prf", "NYLP (*.nylp)", "*.nylp"}));
  EXPECT_EQ(box.fileDialogRequests[2].filter, (std::vector<std::string>{"Text", "*.txt"}));
}

}  // namespace
