// The main of every test program: GoogleTest, and a check that no test leaves a library object
// alive. Before each test the object counters are set to 0; after it (the test object and
// everything it held destroyed) they must be equal again, or the test's program fails with the
// library's own report of the difference.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/HovedObjekt.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/geometry/DT_Punkt.h"

namespace {

// Receives the counters' report while the check asks for it.
struct ReportReader : KxBasicAPI {
  using KxBasicAPI::API_Printf;
  int API_Printf(char* text) override { return report += text != nullptr ? text : "", 0; }
  std::string report;
};

class ObjectCountCheck : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override { probe_.NullstillObjektTellere(); }
  void OnTestEnd(const testing::TestInfo& test) override {
    ReportReader reader;
    const auto previous = DOVERO01_GetSystemLong(2);
    DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&reader)));
    const int equal = probe_.VisMsgHvisObjektTellereUlike(test.name());
    DOVERO01_SetSystemLong(2, previous);
    if (equal == 0) {
      std::fprintf(stderr, "%s.%s left library objects alive:\n%s\n", test.test_suite_name(),
                   test.name(), reader.report.c_str());
      failed = true;
    }
  }
  bool failed = false;

 private:
  HovedObjekt probe_;  // lives through every test, counted before the first reset
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // The results that operations of the library own are built on first use and live until the
  // library is unloaded; built here, before any test, they are not counted as a test's.
  DT_Punkt point;
  point.AvstandTil(&point), point.AngleTo(&point), point.SomChar();
  auto* check = new ObjectCountCheck;
  testing::UnitTest::GetInstance()->listeners().Append(check);
  const int result = RUN_ALL_TESTS();
  return result != 0 || check->failed ? 1 : 0;
}
