// The plain host interface: console output and input, the program texts, what it does not offer.

#include "kx/foundation/KxBasicAPI.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/HostCapture.h"
#include "support/TempDir.h"

using namespace kx::test;

namespace {

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
  EXPECT_EQ(api.API_ProgramName(), nullptr);
  std::string name = "Vegprofil";
  api.API_ProgramName(name.c_str());
  name = "changed";
  EXPECT_STREQ(api.API_ProgramName(), "Vegprofil");
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

}  // namespace
