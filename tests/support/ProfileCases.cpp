#include "support/ProfileCases.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/Table.h"

namespace kx::test {

int RunProfileCases(
    const std::string& file,
    const std::function<ProfileUnderTest(const std::vector<ProfileVertex>&, CurveShape)>& make) {
  struct Case {
    Row header;
    std::vector<CurveShape> shapes;
    std::vector<ProfileVertex> vertices;
    std::vector<std::pair<Row, double>> checks;  // with the tolerance set before them
  };
  std::vector<Case> cases;
  double tolerance = 0.0;
  for (const Row& r : Table(file)) {
    if (r.kind == "case" || cases.empty()) {
      if (r.kind != "case") ADD_FAILURE() << r.where << ": a case starts with 'case NAME'";
      cases.push_back({r, {}, {}, {}});
      tolerance = 0.0;
    } else if (r.kind == "mode" && cases.back().shapes.empty() &&
               (r.S(0) == "circular" || r.S(0) == "parabolic" || r.S(0) == "both")) {
      if (r.S(0) != "parabolic") cases.back().shapes.push_back(CurveShape::Circular);
      if (r.S(0) != "circular") cases.back().shapes.push_back(CurveShape::Parabolic);
    } else if (r.kind == "vertex" && r.Words(0) == 3) {
      cases.back().vertices.push_back({r.D(0, 0), r.D(0, 1), r.D(0, 2)});
    } else if (r.kind == "tolerance" && r.Words(0) == 1) {
      tolerance = r.D(0);
    } else if (r.kind == "height" || r.kind == "range") {
      cases.back().checks.emplace_back(r, tolerance);
    } else {
      ADD_FAILURE() << r.where << ": a malformed line";
    }
  }
  int run = 0;
  for (const Case& c : cases) {
    if (c.shapes.empty() || c.checks.empty()) {
      ADD_FAILURE() << c.header.where << ": a case needs a mode and a height or range line";
    }
    for (CurveShape shape : c.shapes) {
      const ProfileUnderTest profile = make(c.vertices, shape);
      for (const auto& check : c.checks) {
        const Row& r = check.first;  // not a structured binding: the lambda below captures it
        // The words before the expectation: X, or FROM TO STEP ('-' leaves one out).
        const std::size_t at = r.kind == "range" ? 3 : 1, count = r.kind == "range" ? 2 : 1;
        const auto arg = [&r](std::size_t w) {
          return r.S(0, w) == "-" ? std::nullopt : ProfileUnderTest::Arg(r.D(0, w));
        };
        const ::testing::ScopedTrace trace(
            __FILE__, __LINE__,
            r.where + " (the case at " + c.header.where +
                (shape == CurveShape::Circular ? ", circular)" : ", parabolic)"));
        const CaseAnswer a =
            at == 3 ? profile.range(arg(0), arg(1), arg(2)) : profile.height(r.D(0, 0));
        const std::string got = a.ok ? ::testing::PrintToString(a.values)
                                     : "a failure with code " + std::to_string(a.code);
        if (r.S(0, at) == "fails") {
          EXPECT_TRUE(!a.ok && a.code == r.I(0, at + 1) && r.Words(0) == at + 2) << got;
        } else {
          const double t = r.Words(0) > at + count ? r.D(0, at + count) : check.second;
          bool near = a.ok && t > 0.0 && a.values.size() == count && r.Words(0) <= at + count + 1;
          for (std::size_t i = 0; near && i < count; ++i) {
            near = std::fabs(a.values[i] - r.D(0, at + i)) <= t;
          }
          EXPECT_TRUE(near) << got << " (tolerance " << t << ")";
        }
        ++run;
      }
    }
  }
  return run;
}

}  // namespace kx::test
