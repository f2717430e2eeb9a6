// The built-in host interface: message boxes, the debug trace file, the file dialog.

#include "kx/foundation/IO_Enhet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/HovedObjekt.h"
#include "kx/platform/FileDialog.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"
#include "support/TempDir.h"

using namespace kx::test;

namespace {

TEST(IO_Enhet, IdentityFlagsDebugModeAndNumberedTexts) {
  IO_Enhet io;
  char buffer[16] = "own text";
  EXPECT_EQ(std::to_string(io.KlasseType()) + io.KlasseNavn() + io.GetTekstNr(17, nullptr), "1IO_Enhet");
  EXPECT_EQ((std::vector<long>{io.DebugMode(8), static_cast<long>(io.API_Flags(8)),
                               static_cast<long>(io.API_Flags()), HovedObjekt().DebugMode()}),
            (std::vector<long>{8, 512, 8, 0}));  // the previous flags; its own debug mode
  EXPECT_TRUE(io.API_GetText(17, buffer) == buffer && buffer == std::string("own text"));
}

// Every text goes to the platform box under the program name, or the application title.
TEST(IO_Enhet, TextsGoToTheMessageBoxUnderTheApplicationTitle) {
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  EXPECT_EQ(io.SkrivCharStreng("hello 100%") + io.API_Printf("via printf"), 0);
  EXPECT_EQ(io.API_MessageBox("via box", "ignored title", 1) * 10 +
                io.API_ErrorBox("via error box", "ignored title", 0x100001),
            10);
  io.API_ProgramName("Vegprofil");
  io.SkrivCharStreng("named");
  EXPECT_EQ(box.Lines(), (Texts{"Box[kxlib|0] hello 100%", "Box[kxlib|0] via printf",
                                "Box[kxlib|0] via box", "Box[kxlib|0] via error box",
                                "Box[Vegprofil|0] named"}));
}

bool ProgramNameOfTheBuiltInIsTheApplicationTitle() {
  bool ok = true;
  Texts titles;
  kx::platform::SetMessageBoxHandler([&](const char*, const char* title, unsigned) {
    return titles.emplace_back(title), 1;
  });
  HovedObjekt object;
  object.API()->API_ProgramName("Veg");
  object.Printf("x");
  DOVERO01_GetSystemLong(1);  // a box shown straight by the library
  KX_FRESH_CHECK(ok, titles == (Texts{"Veg", "Veg"}));
  kx::platform::SetMessageBoxHandler(nullptr);
  return ok;
}

TEST(IO_Enhet, ProgramNameOfTheBuiltInIsTheApplicationTitle) {
  KX_EXPECT_IN_FRESH_PROCESS(ProgramNameOfTheBuiltInIsTheApplicationTitle());
}

// The trace file for each debug mode: on only with flag 8 and a positive mode, tagged with flag 4;
// the text is shown in every case. A null text is traced by name; an unwritable file changes
// nothing else.
TEST(IO_Enhet, DebugTraceFollowsTheDebugMode) {
  const std::pair<long, std::string> cases[] = {{12, "DEBUG2[abc]DEBUG2[def]"}, {8, "abcdef"},
                                                {9, "abcdef"}, {4, ""}, {0, ""}, {-8, ""}, {-12, ""}};
  for (const auto& [mode, file] : cases) {
    ScopedTempDir dir;
    HostCapture box(HostCapture::Install::BoxOnly);
    IO_Enhet io;
    io.DebugMode(mode);
    EXPECT_EQ(io.SkrivDebugStreng("abc") + io.SkrivDebugStreng("def"), 0);
    EXPECT_EQ(std::filesystem::exists("ORVADEBU.ERR"), !file.empty()) << mode;
    EXPECT_EQ(dir.Read("ORVADEBU.ERR"), file) << mode;
    EXPECT_EQ(box.Texts(), (Texts{"abc", "def"})) << mode;
  }
  ScopedTempDir dir;
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  io.DebugMode(8);
  dir.Write("ORVADEBU.ERR", "before:");
  io.SkrivDebugStreng(nullptr);
  EXPECT_EQ(dir.Read("ORVADEBU.ERR"), "before:\nDEBUG IO_Enhet::SkrivCharStreng( NULL )");
  std::filesystem::remove(dir.Path() / "ORVADEBU.ERR");
  std::filesystem::create_directory(dir.Path() / "ORVADEBU.ERR");  // cannot be opened
  EXPECT_EQ(io.SkrivDebugStreng("still shown"), 0);
  EXPECT_EQ(box.Texts().back(), "still shown");
}

TEST(IO_Enhet, ReadingNumbersIsNotProvided) {
  struct BoxRecorder : IO_Enhet {
    using IO_Enhet::API_MessageBox;
    int API_MessageBox(char* text, char* title, long flags) override {
      seen.push_back(std::string(title) + "|" + std::to_string(flags) + "|" + text);
      return IO_Enhet::API_MessageBox(text, title, flags);
    }
    Texts seen;
  } io;
  HostCapture box(HostCapture::Install::BoxOnly);
  int i = 7;
  long l = 8;
  float f = 9.5f;
  double d = 10.25;
  EXPECT_EQ(io.LesTall(&i) + io.LesTall(&l) + io.LesTall(&f) + io.LesTall(&d), 4);
  EXPECT_TRUE(i == 7 && l == 8 && f == 9.5f && d == 10.25 && box.Count() == 4);
  EXPECT_EQ(io.seen, (Texts{"Message|0|IO_Enhet::LesTall( int *enInt ) is not created yet !",
                            "Message|0|IO_Enhet::LesTall( long int *enLongint ) is not created yet !",
                            "Message|0|IO_Enhet::LesTall( float *enFloat ) is not created yet !",
                            "Message|0|IO_Enhet::LesTall( double *enDouble ) is not created yet !"}));
}

// The request as "open|title|defaultExt|initialName|filter entries joined by ';'|options".
TEST(IO_Enhet, FileDialogHandsTheRequestToThePlatformAndCopiesThePath) {
  Texts requests, answers = {"", "/data/veg.prf", "/" + std::string(700, 'p')};  // "": cancel
  kx::platform::SetFileDialogHandler([&](const kx::platform::FileDialogRequest& r, std::string& path) {
    const auto text = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    std::string seen = (r.open ? "open|" : "save|") + text(r.title) + "|" + text(r.defaultExt) +
                       "|" + text(r.initialName) + "|";
    for (const char* entry = r.filter; *entry != '\0'; entry += std::strlen(entry) + 1) {
      seen += std::string(entry == r.filter ? "" : ";") + entry;
    }
    requests.push_back(seen + "|" + std::to_string(r.options));
    path = answers[requests.size() - 1];
    return !path.empty();
  });
  IO_Enhet io;
  char result[512] = "unchanged";
  EXPECT_EQ(io.API_FileDialog(1, result, "Open profile", "prf", "veg.prf", 0, nullptr, nullptr), 0);
  EXPECT_STREQ(result, "unchanged");  // cancelled
  EXPECT_EQ(io.API_FileDialog(0, result, nullptr, nullptr, nullptr, 0,
                              "Profiles (*.prf)|*.prf|NYLP (*.nylp)|*.nylp|", nullptr),
            1);
  EXPECT_STREQ(result, "/data/veg.prf");
  EXPECT_EQ(io.API_FileDialog(1, result, nullptr, nullptr, nullptr, 0, "Text|*.txt", nullptr), 1);
  EXPECT_EQ(std::string(result), "/" + std::string(510, 'p'));
  EXPECT_EQ(requests, (Texts{"open|Open profile|prf|veg.prf|All files (*.*);*.*|6",
                             "save||||Profiles (*.prf);*.prf;NYLP (*.nylp);*.nylp|6",
                             "open||||Text;*.txt|6"}));
  kx::platform::SetFileDialogHandler(nullptr);
}

}  // namespace
