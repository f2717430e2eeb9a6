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
using Lines = std::vector<std::string>;

namespace {

TEST(HovedObjekt, ClassIdentityOfTheRoots) {
  HovedObjekt main;
  DataType value;
  for (HovedObjekt* o : {&main, static_cast<HovedObjekt*>(&value)}) {
    EXPECT_EQ(o->KlasseType(), 0);
    EXPECT_STREQ(o->KlasseNavn(), "HovedObjekt");
    EXPECT_EQ(o->ClassType(), 100);
    EXPECT_STREQ(o->ClassName(), "KxBaseClass");
  }
}

// Copies count like any other object; the check is silent once all are gone and names the
// difference (with the host's note, percent signs and all) while any is alive.
TEST(HovedObjekt, LeakCheckCountsEveryObject) {
  HostCapture host;
  HovedObjekt checker;
  checker.NullstillObjektTellere();  // checker itself is not counted from here on
  {
    DataType a, b;
    DataType copy(a);
  }
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr), 1);
  EXPECT_EQ(host.Count(), 0u);

  checker.ErrorKode(0);
  auto alive = std::make_unique<DataType>();
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr), 0);
  EXPECT_EQ(checker.ErrorKode(-9999), -1);
  { DataType extra(*alive); }
  checker.VisMsgHvisObjektTellereUlike("At exit: 50% done");
  checker.VisObjektTellere();
  EXPECT_EQ(host.Lines(),
            (Lines{"MessageBox[Message|1] Objects created  = 4 \nObjects deleted  = 3 \n"
                   "Difference       = 1\nNo usermessage.",
                   "MessageBox[Message|1] Objects created  = 5 \nObjects deleted  = 4 \n"
                   "Difference       = 1\nAt exit: 50% done",
                   "Printf[|0] \n[Obj Created=         5, Obj Deleted=         4,  Diff=         1]"}));
}

// One last error code behind all three routes; reading does not change it.
TEST(HovedObjekt, LastErrorCodeIsSharedByEveryRoute) {
  HovedObjekt a;
  KxBaseClass b;
  EXPECT_EQ(a.ErrorKode(-3), 0);
  EXPECT_EQ(a.ErrorKode(-9999), -3);
  EXPECT_EQ(a.ErrorKode(-9999), -3);
  EXPECT_EQ(b.ErrCode(-9999), -3);
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
  const char* const nullFormat = nullptr;
  EXPECT_EQ(object.Error1("x=%d", 5) + object.Error2("%s", "100% sure") + object.Error1(nullFormat),
            0);
  object.Error1("%s", std::string(600, 'z').c_str());
  EXPECT_EQ(object.ErrorKode(-9999), -4);
  EXPECT_EQ(host.Lines(), (Lines{"ErrorBox[Message|1048577] x=5", "ErrorBox[Message|1048577] 100% sure",
                                 "ErrorBox[Message|1048577] " + std::string(511, 'z')}));
}

TEST(HovedObjekt, DebugModeIsProcessWide) {
  HovedObjekt a, b;
  const long before = a.DebugMode(3);
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
  EXPECT_EQ(host.Count(), 0u);

  // IOEnhet answers only an IO_Enhet: a plain host interface offers no number reading.
  EXPECT_EQ(object.IOEnhet(), &host.Api());
  KxBasicAPI plain;
  EXPECT_EQ(object.API(&plain), &host.Api());
  EXPECT_EQ(object.IOEnhet(), nullptr);
  IO_Enhet own;
  EXPECT_EQ(object.IOEnhet(&own), nullptr);  // replaced the plain one
  EXPECT_EQ(object.IOEnhet(), &own);
  object.API(&host.Api());
}

}  // namespace
