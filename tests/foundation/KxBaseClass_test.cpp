// The root object: class type, process-wide values, message routing and the host interface.

#include "kx/foundation/KxBaseClass.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/foundation/IO_Enhet.h"
#include "support/FreshProcess.h"
#include "support/HostCapture.h"

using kx::test::HostCapture;
using kx::test::Shown;

namespace {

const char* const kNullFormat = nullptr;

TEST(KxBaseClass, ClassTypeStoresAndReturnsTheNewValue) {
  KxBaseClass object;
  EXPECT_EQ(object.ClassType(), 0);
  EXPECT_STREQ(object.ClassName(), "KxBaseClass");
  EXPECT_EQ(object.ClassType(7), 7);
  EXPECT_EQ(object.ClassType(), 7);
  KxBaseClass copy(object);
  EXPECT_EQ(copy.ClassType(), 7);
}

bool ProcessWideValuesStartAtZeroAndAreShared() {
  bool ok = true;
  KxBaseClass a, b;
  KX_FRESH_CHECK(ok, a.SystemPlattform(5) == 0);  // a set returns the previous value
  KX_FRESH_CHECK(ok, b.SystemPlattform() == 5);
  KX_FRESH_CHECK(ok, a.DebugFuncMode(3) == 0);
  KX_FRESH_CHECK(ok, b.DebugFuncMode() == 3);
  KX_FRESH_CHECK(ok, b.DebugFuncMode(-2) == 3);
  KX_FRESH_CHECK(ok, a.DebugFuncMode() == -2);
  // 32-bit values: a wider value keeps its low 32 bits.
  KX_FRESH_CHECK(ok, a.SystemPlattform(0x7fffffffL) == 5);
  KX_FRESH_CHECK(ok, a.SystemPlattform() == 0x7fffffffL);
  return ok;
}

TEST(KxBaseClass, ProcessWideValuesStartAtZeroAndAreShared) {
  KX_EXPECT_IN_FRESH_PROCESS(ProcessWideValuesStartAtZeroAndAreShared());
}

// Each of the four forms, with what the host interface receives.
TEST(KxBaseClass, MessagesAreFormattedAndRoutedToTheHostInterface) {
  HostCapture host;
  KxBaseClass object;

  EXPECT_EQ(object.Printf("a%db", 5), 3);  // what the host returns: the characters written
  EXPECT_EQ(object.MsgBox(7, "T", "x%s", "y"), 1);
  EXPECT_EQ(object.MsgBox("T2", "%s", "50% %d%n"), 1);  // shown as formatted, not formatted again
  EXPECT_EQ(object.ErrBox("E", "%s", "bad"), 0);

  ASSERT_EQ(host.Count(), 4u);
  const auto& shown = host.All();
  EXPECT_EQ(shown[0].via, Shown::Via::Printf);
  EXPECT_EQ(shown[0].text, "a5b");
  EXPECT_EQ(shown[1].via, Shown::Via::MessageBox);
  EXPECT_EQ(shown[1].text, "xy");
  EXPECT_EQ(shown[1].title, "T");
  EXPECT_EQ(shown[1].flags, 7);
  EXPECT_EQ(shown[2].via, Shown::Via::MessageBox);
  EXPECT_EQ(shown[2].text, "50% %d%n");
  EXPECT_EQ(shown[2].title, "T2");
  EXPECT_EQ(shown[2].flags, 1);
  EXPECT_EQ(shown[3].via, Shown::Via::ErrorBox);
  EXPECT_EQ(shown[3].text, "bad");
  EXPECT_EQ(shown[3].title, "E");
  EXPECT_EQ(shown[3].flags, 0x100001);
}

// The two-title form reaches a derived class's flags form, with the text already formatted.
TEST(KxBaseClass, TitleOnlyMessageBoxGoesThroughTheVirtualFlagsForm) {
  struct Derived : KxBaseClass {
    using KxBaseClass::MsgBox;
    int MsgBox(long flags, const char* title, const char* fmt, ...) override {
      seenFlags = flags;
      seenTitle = title;
      seenFormat = fmt;
      return 42;
    }
    long seenFlags = 0;
    std::string seenTitle, seenFormat;
  };
  HostCapture host;
  Derived object;
  EXPECT_EQ(object.MsgBox("T", "%d items", 3), 42);
  EXPECT_EQ(object.seenFlags, 1);
  EXPECT_EQ(object.seenTitle, "T");
  EXPECT_EQ(host.Count(), 0u);
}

TEST(KxBaseClass, NullFormatShowsNothingAndRecordsMinusTwo) {
  HostCapture host;
  KxBaseClass object;
  struct Case {
    const char* name;
    int (*call)(KxBaseClass&);
  };
  const Case cases[] = {
      {"Printf", [](KxBaseClass& o) { return o.Printf(kNullFormat); }},
      {"MsgBox(flags)", [](KxBaseClass& o) { return o.MsgBox(1, "T", kNullFormat); }},
      {"MsgBox(title)", [](KxBaseClass& o) { return o.MsgBox("T", kNullFormat); }},
      {"ErrBox", [](KxBaseClass& o) { return o.ErrBox("T", kNullFormat); }},
  };
  for (const Case& c : cases) {
    object.ErrCode(0);
    EXPECT_EQ(c.call(object), 0) << c.name;
    EXPECT_EQ(object.ErrCode(-9999), -2) << c.name;
  }
  EXPECT_EQ(host.Count(), 0u);
}

TEST(KxBaseClass, LongMessagesAreCutAt511Characters) {
  HostCapture host;
  KxBaseClass object;
  const std::string longText(2000, 'x');
  object.Printf("%s", longText.c_str());
  object.MsgBox("T", "%s%s", longText.c_str(), "tail");
  object.ErrBox("T", "%s", longText.c_str());
  for (const Shown& shown : host.All()) EXPECT_EQ(shown.text, std::string(511, 'x'));
}

// With the built-in host interface every message ends in the platform message box.
TEST(KxBaseClass, BuiltInHostInterfaceShowsEveryMessageInTheBox) {
  HostCapture box(HostCapture::Install::BoxOnly);
  DOVERO01_SetSystemLong(0, 0);
  KxBaseClass object;
  EXPECT_EQ(object.Printf("p"), 0);
  EXPECT_EQ(object.MsgBox("T", "m"), 1);
  EXPECT_EQ(object.ErrBox("T", "e"), 0);
  ASSERT_EQ(box.Count(), 3u);
  for (const Shown& shown : box.All()) {
    EXPECT_EQ(shown.via, Shown::Via::PlatformBox);
    EXPECT_EQ(shown.flags, 0);
  }
  EXPECT_EQ(box.Texts(), (std::vector<std::string>{"p", "m", "e"}));
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
  KX_FRESH_CHECK(ok, builtIn != nullptr);
  auto* io = dynamic_cast<IO_Enhet*>(builtIn);
  KX_FRESH_CHECK(
      ok, io != nullptr && io->KlasseType() == 1 && std::string(io->KlasseNavn()) == "IO_Enhet");
  KX_FRESH_CHECK(ok, object.API() == builtIn);
  KX_FRESH_CHECK(ok, builtIn->API_Flags() == 512);
  return ok;
}

TEST(KxBaseClass, HostInterfaceIsInstalledReplacedAndRemoved) {
  KX_EXPECT_IN_FRESH_PROCESS(HostInterfaceIsInstalledReplacedAndRemoved());
}

}  // namespace
