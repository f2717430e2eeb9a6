// The main object: class identity, counters and the leak check, error codes, error boxes, host
// access.

#include "kx/foundation/HovedObjekt.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "kx/foundation/DataType.h"
#include "kx/foundation/FlatExports.h"
#include "kx/foundation/IO_Enhet.h"
#include "support/HostCapture.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

TEST(HovedObjekt, ClassIdentityAndTheSharedLastErrorCode) {
  HovedObjekt main;
  DataType value;
  // The root family's class type and name (each class's own name is checked with the host
  // overrides).
  EXPECT_EQ(std::to_string(value.ClassType()) + value.ClassName(), "100KxBaseClass");
  // One last error code behind all three routes; reading does not change it.
  KxBaseClass b;
  EXPECT_EQ((std::vector<int>{main.ErrorKode(-3), main.ErrorKode(-9999), b.ErrCode(-9999),
                              WINKMR00_ErrCode(-7), main.ErrorKode(-9999), b.ErrCode(12),
                              WINKMR00_ErrCode(-9999), WINKMR00_ErrCode(-9999)}),
            (std::vector<int>{0, -3, -3, 0, -7, 0, 12, 12}));
  const long before = main.DebugMode(3);  // process-wide
  EXPECT_EQ(value.DebugMode(before), 3);
}

// Copies count like any other object; the check is silent once all are gone and names the
// difference (with the host's note, percent signs and all) while any is alive.
TEST(HovedObjekt, LeakCheckCountsEveryObject) {
  HostCapture host;
  // Static, so that it outlives the test as it was made before the counters were set to 0: the
  // check after every test would otherwise see one object more deleted than created.
  static HovedObjekt checker;
  checker.NullstillObjektTellere();  // checker itself is not counted from here on
  {
    DataType a, b;
    DataType copy(a);
  }
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr) + host.Count(), 1u);
  checker.ErrorKode(0);
  auto alive = std::make_unique<DataType>();
  EXPECT_EQ(checker.VisMsgHvisObjektTellereUlike(nullptr) + checker.ErrorKode(-9999), -1);
  { DataType extra(*alive); }
  checker.VisMsgHvisObjektTellereUlike("At exit: 50% done");
  checker.VisObjektTellere();
  EXPECT_EQ(host.Lines(), Words("foundation/messages.cases", "leak"));
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
  EXPECT_EQ(host.Lines(), Words("foundation/messages.cases", "error-box"));
}

TEST(HovedObjekt, HostTextsAndLinesComeFromTheHostInterface) {
  HostCapture host;
  host.Api().texts[2005] = "Radius below zero";
  host.Api().lines.push_back("typed line");
  HovedObjekt object;
  char buffer[512] = "", unknown[16] = "default";
  EXPECT_TRUE(object.GetTekstNr(2005, buffer) == buffer && buffer == std::string("Radius below zero"));
  EXPECT_STREQ(object.GetTekstNr(17, unknown), "default");
  EXPECT_EQ(object.LesCharStreng(buffer) * 10 + object.LesCharStreng(unknown), 10);  // then none
  EXPECT_EQ(std::string(buffer) + unknown + std::to_string(host.Count()), "typed linedefault0");
  // IOEnhet answers only an IO_Enhet: a plain host interface offers no number reading.
  EXPECT_EQ(object.IOEnhet(), &host.Api());
  KxBasicAPI plain;
  IO_Enhet own;
  EXPECT_EQ(object.API(&plain), &host.Api());
  EXPECT_EQ(object.IOEnhet(), nullptr);
  EXPECT_EQ(object.IOEnhet(&own), nullptr);  // replaced the plain one
  EXPECT_EQ(object.IOEnhet(), &own);
  object.API(&host.Api());
}

}  // namespace
