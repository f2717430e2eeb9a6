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
  resbuf* real = WINKMR00_newrb(40);
  ASSERT_NE(real, nullptr);
  EXPECT_EQ(real->restype, 40);
  EXPECT_EQ(real->rbnext, nullptr);
  for (double coordinate : real->resval.rpoint) EXPECT_EQ(coordinate, 0.0);
  real->resval.rreal = 1.5;
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

  EXPECT_EQ(DOVERO01_SetSystemLong(3, current + 8), 1);  // not the current one: no change
  EXPECT_EQ(DOVERO01_GetSystemLong(2), current);
  EXPECT_EQ(DOVERO01_SetSystemLong(9, 0), 1);  // unknown mode: nothing
  EXPECT_EQ(DOVERO01_GetSystemLong(2), current);

  EXPECT_EQ(DOVERO01_SetSystemLong(1, 4711), 1);  // shows, stores nothing
  EXPECT_EQ(DOVERO01_GetSystemLong(2), current);
  EXPECT_EQ(DOVERO01_GetSystemLong(1), current);
  ASSERT_EQ(host.Count(), 2u);
  EXPECT_EQ(host.All()[0].text, "DOVERO01_SetSystemLong(DOVERO01_SL_VALUENAME) == 4711");
  EXPECT_EQ(host.All()[1].text,
            "DOVERO01_GetSystemLong(DOVERO01_SL_VALUENAME) == " + std::to_string(current));
  EXPECT_EQ(host.All()[1].via, kx::test::Shown::Via::PlatformBox);

  EXPECT_EQ(DOVERO01_SetSystemLong(3, current), 1);  // the current one removes itself
  EXPECT_EQ(DOVERO01_GetSystemLong(2), 0);
  EXPECT_EQ(DOVERO01_TRACE1("anything"), 0);
}

// The table is process-wide: every test removes what it added.
class OpenFileTable : public testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& name : added_) {
      while (DOVERO01_OpenFileList(name.c_str(), 2, nullptr) == 1) {
      }
    }
  }
  int Add(const std::string& name) {
    added_.push_back(name);
    return DOVERO01_OpenFileList(name.c_str(), 1, nullptr);
  }
  static int Query(const char* name) { return DOVERO01_OpenFileList(name, 0, nullptr); }
  static int Remove(const char* name) { return DOVERO01_OpenFileList(name, 2, nullptr); }

 private:
  std::vector<std::string> added_;
};

TEST_F(OpenFileTable, QueryAndRemoveIgnoreCaseAndDuplicatesTakeTwoEntries) {
  EXPECT_EQ(Add("C:\\DATA\\A.TXT"), 1);
  EXPECT_EQ(Add("c:\\data\\a.txt"), 1);
  EXPECT_EQ(Query("c:\\Data\\a.txt"), 1);
  EXPECT_EQ(Query("c:\\data\\a.tx"), 0);
  EXPECT_EQ(Remove("C:\\data\\a.TXT"), 1);
  EXPECT_EQ(Query("C:\\DATA\\A.TXT"), 1);  // the second entry is still there
  EXPECT_EQ(Remove("C:\\DATA\\A.TXT"), 1);
  EXPECT_EQ(Query("C:\\DATA\\A.TXT"), 0);
  EXPECT_EQ(Remove("C:\\DATA\\A.TXT"), 0);
}

TEST_F(OpenFileTable, HundredEntriesThenFull) {
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Add("file" + std::to_string(i)), 1) << i;
  EXPECT_EQ(Add("one too many"), 0);
  EXPECT_EQ(Query("one too many"), 0);
  EXPECT_EQ(Remove("file50"), 1);
  EXPECT_EQ(Add("one too many"), 1);  // the freed entry is reused
  EXPECT_EQ(Query("ONE TOO MANY"), 1);
}

TEST_F(OpenFileTable, BadInputIsRefused) {
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 0, nullptr), 0);
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 1, nullptr), 0);
  EXPECT_EQ(DOVERO01_OpenFileList("x", 3, nullptr), 0);
  EXPECT_EQ(DOVERO01_OpenFileList("x", -1, nullptr), 0);
  EXPECT_EQ(Add(""), 0);
  EXPECT_EQ(Add(std::string(511, 'n')), 1);  // the longest name that fits
  EXPECT_EQ(Query(std::string(511, 'N').c_str()), 1);
  EXPECT_EQ(Add(std::string(512, 'm')), 0);  // would not fit: refused, never cut
  EXPECT_EQ(Add(std::string(5000, 'm')), 0);
  EXPECT_EQ(Query(std::string(512, 'm').c_str()), 0);
  EXPECT_EQ(Query(std::string(5000, 'n').c_str()), 0);
}

TEST_F(OpenFileTable, ListBoxReceivesTheUsedEntriesInTableOrder) {
  struct Lines : kx::platform::ListBox {
    void AddString(const char* text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
  } box;
  Add("first");
  Add("second");
  Add("third");
  Remove("second");
  Add("fourth");  // takes the freed entry
  EXPECT_EQ(DOVERO01_OpenFileList(nullptr, 99, &box), 1);
  EXPECT_EQ(box.lines, (std::vector<std::string>{"first", "fourth", "third"}));
}

}  // namespace
