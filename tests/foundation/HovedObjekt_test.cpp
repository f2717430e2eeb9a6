// The main object: counters and the leak check, error codes, error boxes, host access.

#include "kx/foundation/HovedObjekt.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "kx/foundation/DataType.h"
#include "kx/foundation/FlatExports.h"
#include "kx/foundation/IO_Enhet.h"
#include "support/HostCapture.h"

using kx::test::HostCapture;
using kx::test::Shown;

namespace {

TEST(HovedObjekt, ClassIdentityOfTheRoots) {
  HovedObjekt main;
  DataType value;
  EXPECT_EQ(main.KlasseType(), 0);
  EXPECT_STREQ(main.KlasseNavn(), "HovedObjekt");
  EXPECT_EQ(main.ClassType(), 100);
  EXPECT_EQ(value.KlasseType(), 0);
  EXPECT_STREQ(value.KlasseNavn(), "HovedObjekt");
  EXPECT_EQ(value.ClassType(), 100);
  EXPECT_STREQ(value.ClassName(), "KxBaseClass");
}

TEST(HovedObjekt, LeakCheckIsSilentWhenEveryObjectIsGone) {
  HostCapture host;
  HovedObjekt checker;
  checker.NullstillObjektTellere();
  {
    DataType a, b;
    DataType copy(a);  // copies count too
  }
  auto owned = std::make_unique<HovedObjekt>();
  owned.reset();
  // checker itself was created before the reset, so only its own deletion is still owed; the
  // counters only balance once every object created after the reset is gone.
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr), 1);
  EXPECT_EQ(host.Count(), 0u);
}

TEST(HovedObjekt, LeakCheckReportsTheObjectsStillAlive) {
  HostCapture host;
  HovedObjekt checker;
  checker.NullstillObjektTellere();
  checker.ErrorKode(0);
  auto alive = std::make_unique<DataType>();
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr), 0);
  EXPECT_EQ(checker.ErrorKode(-9999), -1);
  ASSERT_EQ(host.Count(), 1u);
  EXPECT_EQ(host.Last().via, Shown::Via::MessageBox);
  EXPECT_EQ(host.Last().title, "Message");
  EXPECT_EQ(host.Last().flags, 1);
  EXPECT_EQ(host.Last().text,
            "Objects created  = 1 \nObjects deleted  = 0 \nDifference       = 1\nNo usermessage.");

  { DataType extra(*alive); }
  checker.VisMsgHvisObjektTellereUlike("At exit: 50% done");
  EXPECT_EQ(
      host.Last().text,
      "Objects created  = 2 \nObjects deleted  = 1 \nDifference       = 1\nAt exit: 50% done");

  checker.VisObjektTellere();
  EXPECT_EQ(host.Last().via, Shown::Via::Printf);
  EXPECT_EQ(host.Last().text,
            "\n[Obj Created=         2, Obj Deleted=         1,  Diff=         1]");
}

// One last error code behind all three routes.
TEST(HovedObjekt, LastErrorCodeIsSharedByEveryRoute) {
  HovedObjekt a;
  KxBaseClass b;
  EXPECT_EQ(a.ErrorKode(-3), 0);
  EXPECT_EQ(a.ErrorKode(-9999), -3);
  EXPECT_EQ(a.ErrorKode(-9999), -3);  // reading does not change it
  EXPECT_EQ(b.ErrCode(-9999), -3);
  EXPECT_EQ(WINKMR00_ErrCode(-9999), -3);

  EXPECT_EQ(WINKMR00_ErrCode(-7), 0);
  EXPECT_EQ(a.ErrorKode(-9999), -7);
  EXPECT_EQ(b.ErrCode(12), 0);
  EXPECT_EQ(WINKMR00_ErrCode(-9999), 12);
  EXPECT_EQ(a.ErrorKode(0), 0);
  EXPECT_EQ(b.ErrCode(-9999), 0);
}

TEST(HovedObjekt, ErrorBoxesAreTitledMessageAndLeaveTheCode) {
  HostCapture host;
  HovedObjekt object;
  object.ErrorKode(-4);
  EXPECT_EQ(object.Error1("x=%d", 5), 0);
  EXPECT_EQ(object.Error2("%s", "100% sure"), 0);
  const char* const nullFormat = nullptr;
  EXPECT_EQ(object.Error1(nullFormat), 0);  // shows nothing
  const std::string longText(600, 'z');
  object.Error1("%s", longText.c_str());
  EXPECT_EQ(object.ErrorKode(-9999), -4);

  ASSERT_EQ(host.Count(), 3u);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"x=5", "100% sure", std::string(511, 'z')}));
  for (const Shown& shown : host.All()) {
    EXPECT_EQ(shown.via, Shown::Via::ErrorBox);
    EXPECT_EQ(shown.title, "Message");
  }
}

TEST(HovedObjekt, DebugModeIsProcessWide) {
  HovedObjekt a, b;
  const long before = a.DebugMode();
  a.DebugMode(3);
  EXPECT_EQ(b.DebugMode(), 3);
  EXPECT_EQ(b.DebugMode(before), 3);
}

TEST(HovedObjekt, HostTextsAndLinesComeFromTheHostInterface) {
  HostCapture host;
  host.Api().texts[2005] = "Radius below zero";
  host.Api().lines.push_back("typed line");
  HovedObjekt object;
  char buffer[512] = "";
  EXPECT_EQ(object.GetTekstNr(2005, buffer), buffer);
  EXPECT_STREQ(buffer, "Radius below zero");
  char unknown[16] = "default";
  EXPECT_STREQ(object.GetTekstNr(17, unknown), "default");
  EXPECT_EQ(object.LesCharStreng(buffer), 1);
  EXPECT_STREQ(buffer, "typed line");
  EXPECT_EQ(object.LesCharStreng(buffer), 0);  // no more input
  EXPECT_EQ(object.SkrivUtObj(), 1);
  EXPECT_EQ(host.Count(), 0u);
}

TEST(HovedObjekt, BuiltInNumberedTextIsTheGivenBuffer) {
  HostCapture box(HostCapture::Install::BoxOnly);
  DOVERO01_SetSystemLong(0, 0);
  HovedObjekt object;
  EXPECT_STREQ(object.GetTekstNr(17, nullptr), "");
  char buffer[8] = "mine";
  EXPECT_EQ(object.GetTekstNr(17, buffer), buffer);
}

TEST(HovedObjekt, IOEnhetAnswersOnlyAnIO_Enhet) {
  HostCapture host;
  HovedObjekt object;
  EXPECT_EQ(object.IOEnhet(), &host.Api());
  KxBasicAPI plain;
  EXPECT_EQ(object.API(&plain), &host.Api());
  EXPECT_EQ(object.IOEnhet(), nullptr);  // a plain host interface offers no number reading
  IO_Enhet own;
  EXPECT_EQ(object.IOEnhet(&own), nullptr);  // replaced the plain one
  EXPECT_EQ(object.IOEnhet(), &own);
  object.API(&host.Api());
}

}  // namespace
