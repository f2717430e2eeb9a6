#pragma once
// Numeric case files for profile heights (tests/data/profile/*.cases; the format is described at
// the top of heights.cases) and a runner that checks any profile implementation against them.
//
//   kx::test::RunProfileCases(path, [](const std::vector<kx::test::ProfileVertex>& v,
//                                      kx::test::CurveShape shape) {
//     auto profile = std::make_shared<MyProfile>(v, shape);
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
  std::function<CaseAnswer(std::optional<double> from, std::optional<double> to,
                           std::optional<double> step)>
      range;
};

using MakeProfileUnderTest =
    std::function<ProfileUnderTest(const std::vector<ProfileVertex>& vertices, CurveShape shape)>;

// Checks every case of the file against the profile that make builds for it, once per shape of the
// case ("mode both" runs it for each). Every malformed line and every mismatch is a test failure
// reported at its line of the case file (a case without mode or checks at its 'case' line); an
// unreadable file or one without cases is one too. Returns the number of checks run.
int RunProfileCases(const std::string& path, const MakeProfileUnderTest& make);

}  // namespace kx::test
