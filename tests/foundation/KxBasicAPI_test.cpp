// The plain host interface: console output and input, the program texts, what it does not offer.

#include "kx/foundation/KxBasicAPI.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

// Records what reaches API_Printf, so that the routing of the other members can be seen.
struct PrintRecorder : KxBasicAPI {
  using KxBasicAPI::API_Printf;
  int API_Printf(char* text) override {
    printed.emplace_back(text != nullptr ? text : "<null>");
    return 0;
  }
  std::vector<std::string> printed;
};

TEST(KxBasicAPI, PrintfWritesToStandardOutputUnchanged) {
  KxBasicAPI api;
  testing::internal::CaptureStdout();
  EXPECT_EQ(api.API_Printf("50% done\n"), 9);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "50% done\n");
  EXPECT_EQ(api.API_Printf(nullptr), -100);
}

// The boxes print their text; what the plain interface does not offer is refused, outputs
// untouched.
TEST(KxBasicAPI, BoxesPrintAndTheRestIsRefused) {
  PrintRecorder api;
  EXPECT_EQ(api.API_MessageBox("m", "title", 1), 1);
  EXPECT_EQ(api.API_ErrorBox("e", "title", 0x100001), 0);
  double point[3] = {1, 2, 3};
  char result[512] = "unchanged";
  char buffer[8] = "keep";
  EXPECT_EQ(api.API_PickPoint(point, "Pick", nullptr, 0) + api.API_TranslatePoint(point, 0, 1) +
                api.API_FileDialog(1, result, "t", "txt", "a.txt", 0, nullptr, nullptr),
            0);
  EXPECT_EQ(api.printed, (std::vector<std::string>{"m", "e",
                                                   "The function is not available in current API."}));
  EXPECT_TRUE(point[0] == 1 && point[1] == 2 && point[2] == 3);
  EXPECT_STREQ(result, "unchanged");
  EXPECT_EQ(api.API_GetText(17, buffer), buffer);
  EXPECT_EQ(api.API_GetText(17, nullptr), nullptr);
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

  KxBasicAPI copy(api);
  KxBasicAPI assigned;
  assigned = api;
  api.API_ProgramVersion("2.0");
  for (KxBasicAPI* other : {&copy, &assigned}) {
    EXPECT_STREQ(other->API_ProgramName(), "Ny");
    EXPECT_STREQ(other->API_ProgramVersion(), "1.2");
    EXPECT_EQ(other->API_ProgramFileTime(), nullptr);
  }
}

// Lines from standard input: the line end is dropped (LF or CR LF), a line longer than the
// 512-byte buffer is cut and its rest skipped, and the end of input answers 0.
TEST(KxBasicAPI, GetStrReadsOneBoundedLineAtATime) {
  kx::test::ScopedTempDir dir;
  dir.Write("input.txt", "first\nwindows\r\n" + std::string(600, 'y') + "\nlast");
  ASSERT_NE(std::freopen((dir.Path() / "input.txt").c_str(), "r", stdin), nullptr);

  KxBasicAPI api;
  char buffer[512];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(api.API_GetStr(nullptr), 0);
  ASSERT_EQ(api.API_GetStr(buffer), 1);
  EXPECT_STREQ(buffer, "first");
  ASSERT_EQ(api.API_GetStr(buffer), 1);
  EXPECT_STREQ(buffer, "windows");
  ASSERT_EQ(api.API_GetStr(buffer), 1);
  EXPECT_EQ(std::string(buffer), std::string(511, 'y'));
  ASSERT_EQ(api.API_GetStr(buffer), 1);
  EXPECT_STREQ(buffer, "last");
  EXPECT_EQ(api.API_GetStr(buffer), 0);
}

}  // namespace
