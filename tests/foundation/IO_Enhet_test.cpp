// The host interfaces: the plain one (console output and input, the program texts, what it does
// not offer) and the built-in one (message boxes, the debug trace file, the file dialog). The
// expected messages are in data/foundation/messages.cases.

#include "kx/foundation/IO_Enhet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/HovedObjekt.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"
#include "support/Table.h"
#include "support/TempDir.h"

using namespace kx::test;

namespace {

constexpr const char* kMessages = "foundation/messages.cases";

// Printf writes to standard output unchanged; the boxes print their text; what the plain interface
// does not offer is refused, outputs untouched.
TEST(KxBasicAPI, PrintsAndRefusesTheRest) {
  struct PrintRecorder : KxBasicAPI {
    using KxBasicAPI::API_Printf;
    int API_Printf(char* text) override { return printed.emplace_back(text), 0; }
    Texts printed;
  } api;
  KxBasicAPI plain;
  testing::internal::CaptureStdout();
  EXPECT_EQ(plain.API_Printf("50% done\n") * 1000 + plain.API_Printf(nullptr), 8900);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "50% done\n");
  EXPECT_EQ(api.API_MessageBox("m", "title", 1) * 10 + api.API_ErrorBox("e", "title", 0x100001), 10);
  double point[3] = {1, 2, 3};
  char result[512] = "unchanged", buffer[8] = "keep";
  EXPECT_EQ(api.API_PickPoint(point, "Pick", nullptr, 0) + api.API_TranslatePoint(point, 0, 1) +
                api.API_FileDialog(1, result, "t", "txt", "a.txt", 0, nullptr, nullptr),
            0);
  EXPECT_EQ(api.printed, (Texts{"m", "e", "The function is not available in current API."}));
  EXPECT_TRUE(point[0] == 1 && point[2] == 3 && result == std::string("unchanged"));
  EXPECT_TRUE(api.API_GetText(17, buffer) == buffer && api.API_GetText(17, nullptr) == nullptr);
}

TEST(KxBasicAPI, ProgramTextsAreOwnedCopies) {
  KxBasicAPI api;
  char name[] = "Vegprofil";
  EXPECT_EQ(api.API_ProgramName(), nullptr);
  EXPECT_STREQ((api.API_ProgramName(name), name[0] = 'X', api.API_ProgramName()), "Vegprofil");
  EXPECT_STREQ(api.API_ProgramName("Ny"), "Ny");  // replaced; the old copy is released
  api.API_ProgramVersion("1.2");
  KxBasicAPI copy(api), assigned;
  assigned = api;
  api.API_ProgramVersion("2.0");
  for (KxBasicAPI* other : {&copy, &assigned}) {
    EXPECT_EQ(std::string(other->API_ProgramName()) + other->API_ProgramVersion() +
                  std::to_string(other->API_ProgramFileTime() == nullptr),
              "Ny1.21");
  }
}

// Lines from standard input: the line end is dropped (LF or CR LF), a line longer than the
// 512-byte buffer is cut and its rest skipped, and the end of input answers 0.
TEST(KxBasicAPI, GetStrReadsOneBoundedLineAtATime) {
  ScopedTempDir dir;
  dir.Write("input.txt", "first\nwindows\r\n" + std::string(600, 'y') + "\nlast");
  ASSERT_NE(std::freopen((dir.Path() / "input.txt").c_str(), "r", stdin), nullptr);
  KxBasicAPI api;
  char buffer[512];
  Texts lines;
  EXPECT_EQ(api.API_GetStr(nullptr), 0);
  while (api.API_GetStr(buffer) == 1) lines.emplace_back(buffer);
  EXPECT_EQ(lines, (Texts{"first", "windows", std::string(511, 'y'), "last"}));
}

// Every text goes to the platform box under the program name, or the application title. It has no
// numbered texts of its own; its debug mode is its own, and the flags answer the previous value.
TEST(IO_Enhet, TextsGoToTheMessageBoxUnderTheApplicationTitle) {
  HostCapture box(HostCapture::Install::BoxOnly);
  IO_Enhet io;
  char buffer[16] = "own text";
  EXPECT_TRUE(io.API_GetText(17, buffer) == buffer && buffer == std::string("own text"));
  EXPECT_STREQ(io.GetTekstNr(17, nullptr), "");
  EXPECT_EQ(io.DebugMode(8), 8);
  EXPECT_EQ(io.API_Flags(8) * 10 + HovedObjekt().DebugMode(), 5120u);
  EXPECT_EQ(io.SkrivCharStreng("hello 100%") + io.API_Printf("via printf"), 0);
  EXPECT_EQ(io.API_MessageBox("via box", "ignored title", 1) * 10 +
                io.API_ErrorBox("via error box", "ignored title", 0x100001),
            10);
  io.API_ProgramName("Vegprofil");
  io.SkrivCharStreng("named");
  EXPECT_EQ(box.Lines(), Words(kMessages, "io-box"));
}

// Reading numbers is not provided: a message through the message box a host may override, the
// value untouched.
TEST(IO_Enhet, ReadingNumbersIsNotProvided) {
  HostCapture host;
  IO_Enhet& io = host.Api();
  int i = 7;
  long l = 8;
  float f = 9.5f;
  double d = 10.25;
  EXPECT_EQ(io.IO_Enhet::LesTall(&i) + io.IO_Enhet::LesTall(&l) + io.IO_Enhet::LesTall(&f) +
                io.IO_Enhet::LesTall(&d),
            4);
  EXPECT_TRUE(i == 7 && l == 8 && f == 9.5f && d == 10.25);
  EXPECT_EQ(host.Lines(), Words(kMessages, "io-read"));
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
  for (const Row& r : Table("foundation/trace.cases", "trace")) {
    ScopedTempDir dir;
    HostCapture box(HostCapture::Install::BoxOnly);
    IO_Enhet io;
    io.DebugMode(r.I(0));
    EXPECT_EQ(io.SkrivDebugStreng("abc") + io.SkrivDebugStreng("def"), 0);
    EXPECT_EQ(dir.Exists("ORVADEBU.ERR") ? dir.Read("ORVADEBU.ERR") : "-", r.S(1)) << r.where;
    EXPECT_EQ(box.Texts(), (Texts{"abc", "def"})) << r.where;
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

// The filter's '|' become the entries; a cancelled dialog leaves the result as it was, a long path
// is cut to the 512-byte buffer.
TEST(IO_Enhet, FileDialogHandsTheRequestToThePlatformAndCopiesThePath) {
  HostCapture host(HostCapture::Install::BoxOnly);
  host.fileDialogAnswers = {std::nullopt, "/data/veg.prf", "/" + std::string(700, 'p')};
  IO_Enhet io;
  char result[512] = "unchanged";
  EXPECT_EQ(io.API_FileDialog(1, result, "Open profile", "prf", "veg.prf", 0, nullptr, nullptr), 0);
  EXPECT_STREQ(result, "unchanged");
  EXPECT_EQ(io.API_FileDialog(0, result, nullptr, nullptr, nullptr, 0,
                              "Profiles (*.prf)|*.prf|NYLP (*.nylp)|*.nylp|", nullptr),
            1);
  EXPECT_STREQ(result, "/data/veg.prf");
  EXPECT_EQ(io.API_FileDialog(1, result, nullptr, nullptr, nullptr, 0, "Text|*.txt", nullptr), 1);
  EXPECT_EQ(std::string(result), "/" + std::string(510, 'p'));
  EXPECT_EQ(host.fileDialogRequests, Words(kMessages, "io-dialog"));
}

}  // namespace
