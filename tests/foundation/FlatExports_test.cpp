// The flat C functions: memory, result-buffer chains, the system long, the open-file table.

#include "kx/foundation/FlatExports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "kx/foundation/IO_Enhet.h"
#include "kx/platform/ListBox.h"
#include "kx/resbuf/resbuf.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

TEST(FlatExports, MemoryAndStrings) {
  EXPECT_EQ(nc_free_mem(nullptr) + KMR00_free(nullptr), 0);
  EXPECT_TRUE(nc_strdup(nullptr) == nullptr && KMR00_strdup(nullptr) == nullptr);
  char *copy = nc_strdup("bl\xE5" "b\xE6r"), *second = KMR00_strdup(copy);
  EXPECT_EQ(std::string(copy) + second, "bl\xE5" "b\xE6r" "bl\xE5" "b\xE6r");
  EXPECT_EQ(KMR00_free(copy) + nc_free_mem(second) + nc_free_mem(nc_get_mem(64)), 3);
}

// Releasing a chain frees the strings of the text codes and nothing else (the sanitizers see a
// leak, a double free or a free of a string the record does not own). A new record has the type,
// no link and an all-zero value.
TEST(FlatExports, ChainsAreReleasedWithTheirOwnedStrings) {
  static char notOwned[] = "static";
  resbuf* head = WINKMR00_newrb(RTSTR);  // a text record without a string
  const auto add = [&head](short code, char* text) {
    resbuf* record = WINKMR00_newrb(code);
    EXPECT_TRUE(record->restype == code && record->rbnext == nullptr &&
                record->resval.rpoint[0] == 0.0 && record->resval.rpoint[2] == 0.0);
    record->resval.rstring = text;
    record->rbnext = std::exchange(head, record);
  };
  for (short code : std::initializer_list<short>{RTSTR, 1000, 1001, 1002, 1005, 0, 9}) add(code, nc_strdup("owned"));
  for (short code : std::initializer_list<short>{1004, 10, -1, RTREAL, RTLONG}) add(code, notOwned);
  EXPECT_EQ(WINKMR00_relrb(head) + WINKMR00_relrb(nullptr), 2);
  EXPECT_STREQ(notOwned, "static");
}

bool SystemLongOfAFreshLibrary() {
  bool ok = true;
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == 0 && DOVERO01_GetSystemLong(7) == 0);
  const std::intptr_t builtIn = DOVERO01_GetSystemLong(0);  // installs the built-in one
  KX_FRESH_CHECK(ok, builtIn != 0 && DOVERO01_GetSystemLong(2) == builtIn);
  KX_FRESH_CHECK(ok, dynamic_cast<IO_Enhet*>(reinterpret_cast<KxBasicAPI*>(builtIn)) != nullptr);
  KX_FRESH_CHECK(ok, DOVERO01_SetSystemLong(2, 0) == 1);
  KX_FRESH_CHECK(ok, DOVERO01_SetSystemLong(0, 12345) == 1);  // installs the built-in; 12345 unused
  KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == builtIn);
  return ok;
}

TEST(FlatExports, SystemLong) {
  KX_EXPECT_IN_FRESH_PROCESS(SystemLongOfAFreshLibrary());
  HostCapture host;  // current: the capturing interface
  const std::intptr_t current = DOVERO01_GetSystemLong(2);
  // Each leaves the current one: not it (3), an unknown mode, a mode that only shows (1).
  for (auto [mode, value] : {std::pair{3, current + 8}, {9, 0}, {1, 4711}}) {
    EXPECT_EQ(DOVERO01_SetSystemLong(mode, value), 1);
    EXPECT_EQ(DOVERO01_GetSystemLong(2), current) << mode;
  }
  EXPECT_EQ(DOVERO01_GetSystemLong(1), current);
  EXPECT_EQ(host.Texts(), (Texts{"DOVERO01_SetSystemLong(DOVERO01_SL_VALUENAME) == 4711",
                                 "DOVERO01_GetSystemLong(DOVERO01_SL_VALUENAME) == " + std::to_string(current)}));
  EXPECT_EQ(DOVERO01_SetSystemLong(3, current), 1);  // the current one removes itself
  EXPECT_EQ(DOVERO01_GetSystemLong(2) + DOVERO01_TRACE1("anything"), 0);
}

// The whole life of the process-wide table in one test (no other test uses it): the steps of the
// case file, then a full table, then the list box.
TEST(FlatExports, OpenFileTable) {
  const auto run = [](int mode, const std::string& name) {
    return DOVERO01_OpenFileList(name.c_str(), mode, nullptr);
  };
  for (const Row& r : Table("foundation/openfiles.cases", "open")) {
    EXPECT_EQ(run(r.I(0, 0), r.S(0, 1)), r.I(1)) << r.where;
  }
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 0, nullptr), 0);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(run(1, "file" + std::to_string(i)), 1) << i;
  EXPECT_EQ(run(1, "one too many") * 10 + run(2, "file1") * 5 + run(1, "one too many"), 6);
  struct Lines : kx::platform::ListBox {
    void AddString(const char* text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
  } box;
  for (int i = 3; i < 100; ++i) run(2, "file" + std::to_string(i));
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 99, &box), 1);
  EXPECT_EQ(box.lines, (Texts{"file0", "one too many", "file2"}));  // the freed entry taken
}

}  // namespace
