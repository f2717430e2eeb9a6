// The root object: class type, process-wide values, message routing and the host interface.

#include "kx/foundation/KxBaseClass.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/IO_Enhet.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

bool ProcessWideValuesStartAtZeroAndAreShared() {
  bool ok = true;
  KxBaseClass a, b;
  KX_FRESH_CHECK(ok, a.SystemPlattform(5) == 0 && b.SystemPlattform() == 5);  // a set: the previous
  KX_FRESH_CHECK(ok, a.DebugFuncMode(3) == 0 && b.DebugFuncMode(-2) == 3 && a.DebugFuncMode() == -2);
  KX_FRESH_CHECK(ok, a.ClassType() == 0 && a.ClassType(7) == 7 && KxBaseClass(a).ClassType() == 7);
  return ok;
}

bool HostInterfaceIsInstalledReplacedAndRemoved() {
  bool ok = true;
  KxBaseClass object;
  {
    IO_Enhet host;
    KxBasicAPI second;
    KX_FRESH_CHECK(ok, object.API(&host) == nullptr);  // nothing was installed yet
    KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == reinterpret_cast<std::intptr_t>(&host));
    KX_FRESH_CHECK(ok, object.API(&second) == &host);  // hands back what it replaced
    KX_FRESH_CHECK(ok, object.API(&host) == &second);  // ... which can be put back
    { KxBasicAPI bystander; }                          // not current: changes nothing
    KX_FRESH_CHECK(ok, object.API() == &host);
  }
  // The installed object removed itself; the built-in one takes over.
  KxBasicAPI* builtIn = object.API();
  auto* io = dynamic_cast<IO_Enhet*>(builtIn);
  KX_FRESH_CHECK(ok, io != nullptr && io->KlasseType() == 1 && builtIn->API_Flags() == 512);
  KX_FRESH_CHECK(ok, object.API() == builtIn);
  return ok;
}

TEST(KxBaseClass, ProcessWideValuesAndTheHostInterfaceOfAFreshLibrary) {
  KX_EXPECT_IN_FRESH_PROCESS(ProcessWideValuesStartAtZeroAndAreShared() &&
                             HostInterfaceIsInstalledReplacedAndRemoved());
}

// Each of the four forms, with what the host interface receives; a formatted percent sign is
// shown as it is, never formatted a second time; texts are cut at 511 characters; a null format
// shows nothing and records -2.
TEST(KxBaseClass, MessagesAreFormattedAndRoutedToTheHostInterface) {
  HostCapture host;
  KxBaseClass object;
  EXPECT_EQ(object.Printf("a%db", 5), 3);  // what the host returns: the characters written
  EXPECT_EQ(object.MsgBox(7, "T", "x%s", "y") + object.MsgBox("T2", "%s", "50% %d%n"), 2);
  EXPECT_EQ(object.ErrBox("E", "%s", "bad"), 0);
  object.MsgBox("T", "%s%s", std::string(2000, 'x').c_str(), "tail");
  EXPECT_EQ(host.Lines(), Words("foundation/messages.cases", "routed"));
  const char* const nullFormat = nullptr;
  for (int form = 0; form < 4; ++form) {
    object.ErrCode(0);
    const int result = form == 0   ? object.Printf(nullFormat)
                       : form == 1 ? object.MsgBox(1, "T", nullFormat)
                       : form == 2 ? object.MsgBox("T", nullFormat)
                                   : object.ErrBox("T", nullFormat);
    EXPECT_EQ(result * 10 + object.ErrCode(-9999), -2) << form;
  }
  EXPECT_EQ(host.Count(), 5u);
}

}  // namespace
