// The flat C functions: memory, result-buffer chains, the system long, the open-file table.

#include "kx/foundation/FlatExports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "kx/foundation/IO_Enhet.h"
#include "kx/platform/ListBox.h"
#include "kx/resbuf/resbuf.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"

using kx::test::HostCapture;

namespace {

TEST(FlatExports, MemoryAndStrings) {
  EXPECT_EQ(nc_free_mem(nullptr) + KMR00_free(nullptr), 0);
  EXPECT_EQ(nc_strdup(nullptr), nullptr);
  EXPECT_EQ(KMR00_strdup(nullptr), nullptr);
  const char original[] = "bl\xE5" "b\xE6r";
  char* copy = nc_strdup(original);
  char* second = KMR00_strdup(original);
  ASSERT_TRUE(copy != nullptr && second != nullptr);
  EXPECT_STREQ(copy, original);
  EXPECT_STREQ(second, original);
  EXPECT_EQ(KMR00_free(copy) + nc_free_mem(second) + nc_free_mem(nc_get_mem(64)), 3);
}

// Releasing a chain frees the strings of the text codes and nothing else (the sanitizers see a
// leak, a double free or a free of a string the record does not own).
TEST(FlatExports, ChainsAreReleasedWithTheirOwnedStrings) {
  const short owning[] = {RTSTR, 1000, 1001, 1002, 1005, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  resbuf* head = nullptr;
  resbuf** tail = &head;
  auto append = [&](resbuf* record) {
    *tail = record;
    tail = &record->rbnext;
  };
  for (short code : owning) {
    resbuf* record = WINKMR00_newrb(code);
    record->resval.rstring = nc_strdup("owned text");
    append(record);
  }
  resbuf* real = WINKMR00_newrb(40);  // a new record: the type, no link, an all-zero value
  ASSERT_NE(real, nullptr);
  EXPECT_TRUE(real->restype == 40 && real->rbnext == nullptr && real->resval.rpoint[0] == 0.0 &&
              real->resval.rpoint[1] == 0.0 && real->resval.rpoint[2] == 0.0);
  append(real);
  static char notOwned[] = "static";
  for (short code : {short{1004}, short{10}, short{-1}, RTREAL, RTLONG}) {
    resbuf* record = WINKMR00_newrb(code);
    record->resval.rstring = notOwned;  // a code that owns no string: never released
    append(record);
  }
  resbuf* emptyText = WINKMR00_newrb(RTSTR);  // a text record without a string
  append(emptyText);
  EXPECT_EQ(WINKMR00_relrb(head), 1);
  EXPECT_STREQ(notOwned, "static");
  EXPECT_EQ(WINKMR00_relrb(nullptr), 1);
}

bool SystemLongOfAFreshLibrary() {
  bool ok = true;
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == 0);
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(7) == 0);
  const std::intptr_t builtIn = DOVERO01_GetSystemLong(0);
  KX_FRESH_CHECK(ok, builtIn != 0);
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == builtIn);
  auto* io = dynamic_cast<IO_Enhet*>(reinterpret_cast<KxBasicAPI*>(builtIn));
  KX_FRESH_CHECK(ok, io != nullptr);
  KX_FRESH_CHECK(ok, DOVERO01_SetSystemLong(2, 0) == 1);
  KX_FRESH_CHECK(ok, DOVERO01_SetSystemLong(0, 12345) == 1);  // installs the built-in; 12345 unused
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == builtIn);
  return ok;
}

TEST(FlatExports, SystemLongOfAFreshLibrary) {
  KX_EXPECT_IN_FRESH_PROCESS(SystemLongOfAFreshLibrary());
}

TEST(FlatExports, SystemLongModes) {
  HostCapture host;  // current: the capturing interface
  const std::intptr_t current = DOVERO01_GetSystemLong(2);
  ASSERT_EQ(current, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&host.Api())));
  // Each leaves the current one: not it (3), an unknown mode, a mode that only shows (1).
  for (auto [mode, value] : {std::pair{3, current + 8}, {9, 0}, {1, 4711}}) {
    EXPECT_EQ(DOVERO01_SetSystemLong(mode, value), 1);
    EXPECT_EQ(DOVERO01_GetSystemLong(2), current) << mode;
  }
  EXPECT_EQ(DOVERO01_GetSystemLong(1), current);
  EXPECT_EQ(host.Lines(),
            (std::vector<std::string>{
                "Box[kxlib|0] DOVERO01_SetSystemLong(DOVERO01_SL_VALUENAME) == 4711",
                "Box[kxlib|0] DOVERO01_GetSystemLong(DOVERO01_SL_VALUENAME) == " +
                    std::to_string(current)}));
  EXPECT_EQ(DOVERO01_SetSystemLong(3, current), 1);  // the current one removes itself
  EXPECT_EQ(DOVERO01_GetSystemLong(2), 0);
  EXPECT_EQ(DOVERO01_TRACE1("anything"), 0);
}

// The whole life of the process-wide table in one test (no other test uses it): a script of
// (mode, name, expected result) steps, then a full table, then the list box.
TEST(FlatExports, OpenFileTable) {
  auto run = [](int mode, const std::string& name) {
    return DOVERO01_OpenFileList(name.c_str(), mode, nullptr);
  };
  const std::string a = "C:\\DATA\\A.TXT";
  // clang-format off
  const struct { int mode; std::string name; int result; } steps[] = {
      {1, a, 1}, {1, "c:\\data\\a.txt", 1}, {0, "c:\\Data\\a.txt", 1}, {0, "c:\\data\\a.tx", 0},
      {2, "C:\\data\\a.TXT", 1}, {0, a, 1},           // a duplicate takes a second entry
      {2, a, 1}, {0, a, 0}, {2, a, 0},
      {1, "", 0}, {3, "x", 0}, {-1, "x", 0},
      {1, std::string(511, 'n'), 1}, {0, std::string(511, 'N'), 1}, {2, std::string(511, 'n'), 1},
      {1, std::string(512, 'm'), 0}, {0, std::string(512, 'm'), 0},  // never cut to fit
      {1, std::string(5000, 'm'), 0}};
  // clang-format on
  for (const auto& step : steps) {
    EXPECT_EQ(run(step.mode, step.name), step.result) << step.mode << " " << step.name.size();
  }
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 0, nullptr), 0);

  for (int i = 0; i < 100; ++i) EXPECT_EQ(run(1, "file" + std::to_string(i)), 1) << i;
  EXPECT_EQ(run(1, "one too many"), 0);
  EXPECT_EQ(run(2, "file1"), 1);
  EXPECT_EQ(run(1, "one too many"), 1);  // takes the freed entry
  struct Lines : kx::platform::ListBox {
    void AddString(const char* text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
  } box;
  for (int i = 3; i < 100; ++i) run(2, "file" + std::to_string(i));
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 99, &box), 1);
  EXPECT_EQ(box.lines, (std::vector<std::string>{"file0", "one too many", "file2"}));
}

}  // namespace
