#pragma once
// Numeric case files for profile heights (tests/data/profile/*.cases; the format is described at
// the top of heights.cases) and a runner that checks any profile implementation against them.
//
//   kx::test::RunProfileCases("profile/heights.cases", [](const auto& vertices, auto shape) {
//     auto profile = std::make_shared<MyProfile>(vertices, shape);
//     kx::test::ProfileUnderTest p;
//     p.height = [profile](double x) { ...; return kx::test::CaseAnswer{ok, {y}, code}; };
//     p.range = ...;   // {ok, {min, max}, code}
//     return p;
//   });

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/ClosedFormProfile.h"

namespace kx::test {

// What a profile under test answers: ok with its values (a height; the lowest and the highest
// height of a scan), or a failure with the last error code.
struct CaseAnswer {
  bool ok;
  std::vector<double> values;
  int code;
};

struct ProfileUnderTest {
  std::function<CaseAnswer(double x)> height;
  // A value left out ('-' in the file) is passed as nullopt.
  using Arg = std::optional<double>;
  std::function<CaseAnswer(Arg from, Arg to, Arg step)> range;
};

// Checks every case of tests/data/<file> against the profile that make builds for it, once per
// shape of the case ("mode both" runs it for each). Every malformed line and every mismatch is a
// test failure reported with its line. Returns the number of checks run.
int RunProfileCases(
    const std::string& file,
    const std::function<ProfileUnderTest(const std::vector<ProfileVertex>&, CurveShape)>& make);

}  // namespace kx::test
