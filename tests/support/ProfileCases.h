#pragma once
// Numeric case files for profile heights (tests/data/profile/*.cases; the format is described at
// the top of heights.cases) and a runner that checks any profile implementation against them.
//
//   kx::test::RunProfileCases(path, [](const kx::test::ProfileCase& c) {
//     auto profile = std::make_shared<MyProfile>(c.vertices, c.shape);
//     kx::test::ProfileUnderTest p;
//     p.height = [profile](double x) { ...; return kx::test::HeightAnswer{ok, y, code}; };
//     p.range = ...;   // optional: range lines are skipped without it
//     return p;
//   });

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "support/ClosedFormProfile.h"

namespace kx::test {

// height X H [T] / height X fails CODE
struct HeightCheck {
  int line;
  double x;
  bool fails;
  double height;
  double tolerance;
  int code;
};

// range FROM TO STEP MIN MAX [T] / range FROM TO STEP fails CODE; '-' leaves a value out.
struct RangeCheck {
  int line;
  std::optional<double> from, to, step;
  bool fails;
  double min, max;
  double tolerance;
  int code;
};

struct ProfileCase {
  std::string file;
  int line;               // of the case line
  std::string name;       // "mode both" cases are split in two, named "NAME (circular)" etc.
  CurveShape shape;
  std::vector<ProfileVertex> vertices;
  std::vector<HeightCheck> heights;
  std::vector<RangeCheck> ranges;
};

struct CaseFileError {
  std::string file;
  int line;
  std::string message;
};

struct ProfileCaseFile {
  std::vector<ProfileCase> cases;
  std::vector<CaseFileError> errors;   // malformed lines; their cases keep their good lines
};

ProfileCaseFile ParseProfileCases(std::istream& in, const std::string& fileName);
// Reads a case file; a file that cannot be read gives one error at line 0.
ProfileCaseFile LoadProfileCases(const std::string& path);

// What a profile under test answers: ok with a value, or a failure with the last error code.
struct HeightAnswer {
  bool ok;
  double value;
  int code;
};
struct RangeAnswer {
  bool ok;
  double min;
  double max;
  int code;
};

struct ProfileUnderTest {
  std::function<HeightAnswer(double x)> height;
  std::function<RangeAnswer(std::optional<double> from, std::optional<double> to,
                            std::optional<double> step)>
      range;
};

// Checks every case of the file against the profile that makeProfile builds for it. Every
// malformed line, mismatch and unexpected failure is a test failure reported at the case file's
// line; a file without cases is one too. Returns the number of checks run.
int RunProfileCases(const std::string& path,
                    const std::function<ProfileUnderTest(const ProfileCase&)>& makeProfile);

}  // namespace kx::test
