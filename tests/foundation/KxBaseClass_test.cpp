// The root object: class type, process-wide values, message routing and the host interface.

#include "kx/foundation/KxBaseClass.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/IO_Enhet.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"

using kx::test::HostCapture;
using Lines = std::vector<std::string>;

namespace {

const char* const kNullFormat = nullptr;

bool ProcessWideValuesStartAtZeroAndAreShared() {
  bool ok = true;
  KxBaseClass a, b;
  KX_FRESH_CHECK(ok, a.SystemPlattform(5) == 0);  // a set returns the previous value
  KX_FRESH_CHECK(ok, b.SystemPlattform() == 5);
  KX_FRESH_CHECK(ok, a.DebugFuncMode(3) == 0);
  KX_FRESH_CHECK(ok, b.DebugFuncMode(-2) == 3);
  KX_FRESH_CHECK(ok, a.DebugFuncMode() == -2);
  KX_FRESH_CHECK(ok, a.ClassType() == 0 && a.ClassType(7) == 7 && KxBaseClass(a).ClassType() == 7);
  return ok;
}

TEST(KxBaseClass, ProcessWideValuesStartAtZeroAndAreShared) {
  KX_EXPECT_IN_FRESH_PROCESS(ProcessWideValuesStartAtZeroAndAreShared());
}

// Each of the four forms, with what the host interface receives; a formatted percent sign is
// shown as it is, never formatted a second time; texts are cut at 511 characters.
TEST(KxBaseClass, MessagesAreFormattedAndRoutedToTheHostInterface) {
  HostCapture host;
  KxBaseClass object;
  EXPECT_EQ(object.Printf("a%db", 5), 3);  // what the host returns: the characters written
  EXPECT_EQ(object.MsgBox(7, "T", "x%s", "y"), 1);
  EXPECT_EQ(object.MsgBox("T2", "%s", "50% %d%n"), 1);
  EXPECT_EQ(object.ErrBox("E", "%s", "bad"), 0);
  EXPECT_EQ(host.Lines(), (Lines{"Printf[|0] a5b", "MessageBox[T|7] xy", "MessageBox[T2|1] 50% %d%n",
                                 "ErrorBox[E|1048577] bad"}));

  host.Clear();
  const std::string longText(2000, 'x');
  object.Printf("%s", longText.c_str());
  object.MsgBox("T", "%s%s", longText.c_str(), "tail");
  object.ErrBox("T", "%s", longText.c_str());
  EXPECT_EQ(host.Texts(), Lines(3, std::string(511, 'x')));
}

// The title-only form reaches a derived class's flags form, with the text already formatted.
TEST(KxBaseClass, TitleOnlyMessageBoxGoesThroughTheVirtualFlagsForm) {
  struct Derived : KxBaseClass {
    using KxBaseClass::MsgBox;
    int MsgBox(long flags, char* title, char*, ...) override {
      seen = std::string(title) + "|" + std::to_string(flags);
      return 42;
    }
    std::string seen;
  };
  HostCapture host;
  Derived object;
  EXPECT_EQ(object.MsgBox("T", "%d items", 3), 42);
  EXPECT_EQ(object.seen, "T|1");
  EXPECT_EQ(host.Count(), 0u);
}

TEST(KxBaseClass, NullFormatShowsNothingAndRecordsMinusTwo) {
  HostCapture host;
  KxBaseClass o;
  for (int form = 0; form < 4; ++form) {
    o.ErrCode(0);
    const int result = form == 0   ? o.Printf(kNullFormat)
                       : form == 1 ? o.MsgBox(1, "T", kNullFormat)
                       : form == 2 ? o.MsgBox("T", kNullFormat)
                                   : o.ErrBox("T", kNullFormat);
    EXPECT_EQ(result, 0) << form;
    EXPECT_EQ(o.ErrCode(-9999), -2) << form;
  }
  EXPECT_EQ(host.Count(), 0u);
}

// With the built-in host interface every message ends in the platform message box.
TEST(KxBaseClass, BuiltInHostInterfaceShowsEveryMessageInTheBox) {
  HostCapture box(HostCapture::Install::BoxOnly);
  DOVERO01_SetSystemLong(0, 0);
  KxBaseClass object;
  EXPECT_EQ(object.Printf("p"), 0);
  EXPECT_EQ(object.MsgBox("T", "m"), 1);
  EXPECT_EQ(object.ErrBox("T", "e"), 0);
  EXPECT_EQ(box.Lines(), (Lines{"Box[kxlib|0] p", "Box[kxlib|0] m", "Box[kxlib|0] e"}));
}

bool HostInterfaceIsInstalledReplacedAndRemoved() {
  bool ok = true;
  KxBaseClass object;
  {
    IO_Enhet host;
    KX_FRESH_CHECK(ok, object.API(&host) == nullptr);  // nothing was installed yet
    KX_FRESH_CHECK(ok, object.API() == &host);
    KX_FRESH_CHECK(ok, DOVERO01_GetSystemLong(2) == reinterpret_cast<std::intptr_t>(&host));
    KxBasicAPI second;
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

TEST(KxBaseClass, HostInterfaceIsInstalledReplacedAndRemoved) {
  KX_EXPECT_IN_FRESH_PROCESS(HostInterfaceIsInstalledReplacedAndRemoved());
}

}  // namespace
