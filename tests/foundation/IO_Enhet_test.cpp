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
using Lines = std::vector<std::string>;

namespace {

TEST(IO_Enhet, IdentityFlagsDebugModeAndNumberedTexts) {
  IO_Enhet io;
  EXPECT_EQ(io.KlasseType(), 1);
  EXPECT_STREQ(io.KlasseNavn(), "IO_Enhet");
  EXPECT_EQ(io.DebugMode(8), 8);     // the new value
  EXPECT_EQ(io.API_Flags(8), 512u);  // the previous flags
  EXPECT_EQ(io.API_Flags(), 8u);
  EXPECT_EQ(HovedObjekt().DebugMode(), 0);  // unrelated to the process-wide mode
  EXPECT_STREQ(io.GetTekstNr(17, nullptr), "");
  char buffer[16] = "own text";
  EXPECT_EQ(io.API_GetText(17, buffer), buffer);
  EXPECT_STREQ(buffer, "own text");
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
  EXPECT_EQ(box.Lines(), (Lines{"Box[kxlib|0] hello 100%", "Box[kxlib|0] via printf",
                                "Box[kxlib|0] via box", "Box[kxlib|0] via error box",
                                "Box[Vegprofil|0] named"}));
}

bool ProgramNameOfTheBuiltInIsTheApplicationTitle() {
  bool ok = true;
  Lines titles;
  kx::platform::SetMessageBoxHandler([&](const char*, const char* title, unsigned) {
    titles.emplace_back(title);
    return 1;
  });
  HovedObjekt object;
  object.API()->API_ProgramName("Veg");
  object.Printf("x");
  DOVERO01_GetSystemLong(1);  // a box shown straight by the library
  KX_FRESH_CHECK(ok, titles == (Lines{"Veg", "Veg"}));
  kx::platform::SetMessageBoxHandler(nullptr);
  return ok;
}

TEST(IO_Enhet, ProgramNameOfTheBuiltInIsTheApplicationTitle) {
  KX_EXPECT_IN_FRESH_PROCESS(ProgramNameOfTheBuiltInIsTheApplicationTitle());
}

// The trace file for each debug mode: on only with flag 8 and a positive mode, tagged with flag 4;
// the text is shown in every case.
TEST(IO_Enhet, DebugTraceFollowsTheDebugMode) {
  const struct {
    long mode;
    std::string file;  // content after "abc" and "def"; "" = no file
  } cases[] = {{12, "DEBUG2[abc]DEBUG2[def]"}, {8, "abcdef"}, {9, "abcdef"}, {4, ""},
               {0, ""},  {-8, ""},  {-12, ""}};
  for (const auto& c : cases) {
    kx::test::ScopedTempDir dir;
    HostCapture box(HostCapture::Install::BoxOnly);
    IO_Enhet io;
    io.DebugMode(c.mode);
    EXPECT_EQ(io.SkrivDebugStreng("abc"), 0);
    io.SkrivDebugStreng("def");
    EXPECT_EQ(dir.Exists("ORVADEBU.ERR"), !c.file.empty()) << c.mode;
    EXPECT_EQ(dir.Read("ORVADEBU.ERR"), c.file) << c.mode;
    EXPECT_EQ(box.Texts(), (Lines{"abc", "def"})) << c.mode;
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

  std::filesystem::remove(dir.Path() / "ORVADEBU.ERR");
  std::filesystem::create_directory(dir.Path() / "ORVADEBU.ERR");  // cannot be opened
  box.Clear();
  EXPECT_EQ(io.SkrivDebugStreng("still shown"), 0);
  EXPECT_EQ(box.Texts(), (Lines{"still shown"}));
}

TEST(IO_Enhet, ReadingNumbersIsNotProvided) {
  struct BoxRecorder : IO_Enhet {
    using IO_Enhet::API_MessageBox;
    int API_MessageBox(char* text, char* title, long flags) override {
      seen.push_back(std::string(title) + "|" + std::to_string(flags) + "|" + text);
      return IO_Enhet::API_MessageBox(text, title, flags);
    }
    Lines seen;
  };
  HostCapture box(HostCapture::Install::BoxOnly);
  BoxRecorder io;
  int i = 7;
  long l = 8;
  float f = 9.5f;
  double d = 10.25;
  EXPECT_EQ(io.LesTall(&i) + io.LesTall(&l) + io.LesTall(&f) + io.LesTall(&d), 4);
  EXPECT_TRUE(i == 7 && l == 8 && f == 9.5f && d == 10.25);
  EXPECT_EQ(io.seen,
            (Lines{"Message|0|IO_Enhet::LesTall( int *enInt ) is not created yet !",
                   "Message|0|IO_Enhet::LesTall( long int *enLongint ) is not created yet !",
                   "Message|0|IO_Enhet::LesTall( float *enFloat ) is not created yet !",
                   "Message|0|IO_Enhet::LesTall( double *enDouble ) is not created yet !"}));
  EXPECT_EQ(box.Count(), 4u);
}

TEST(IO_Enhet, FileDialogHandsTheRequestToThePlatformAndCopiesThePath) {
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  char result[512] = "unchanged";
  box.fileDialogAnswers = {std::nullopt, "/data/veg.prf", "/" + std::string(700, 'p')};
  EXPECT_EQ(io.API_FileDialog(1, result, "Open profile", "prf", "veg.prf", 0, nullptr, nullptr), 0);
  EXPECT_STREQ(result, "unchanged");  // cancelled
  EXPECT_EQ(io.API_FileDialog(0, result, nullptr, nullptr, nullptr, 0,
                              "Profiles (*.prf)|*.prf|NYLP (*.nylp)|*.nylp|", nullptr),
            1);
  EXPECT_STREQ(result, "/data/veg.prf");
  EXPECT_EQ(io.API_FileDialog(1, result, nullptr, nullptr, nullptr, 0, "Text|*.txt", nullptr), 1);
  EXPECT_EQ(std::string(result), "/" + std::string(510, 'p'));

  ASSERT_EQ(box.fileDialogRequests.size(), 3u);
  const auto& first = box.fileDialogRequests[0];
  EXPECT_TRUE(first.open);
  EXPECT_EQ(first.title + "|" + first.defaultExt + "|" + first.initialName, "Open profile|prf|veg.prf");
  EXPECT_EQ(first.filter, (Lines{"All files (*.*)", "*.*"}));
  EXPECT_EQ(first.options, kx::platform::kHideReadOnly | kx::platform::kOverwritePrompt);
  EXPECT_FALSE(box.fileDialogRequests[1].open);
  EXPECT_EQ(box.fileDialogRequests[1].filter,
            (Lines{"Profiles (*.prf)", "*.prf", "NYLP (*.nylp)", "*.nylp"}));
  EXPECT_EQ(box.fileDialogRequests[2].filter, (Lines{"Text", "*.txt"}));
}

}  // namespace
