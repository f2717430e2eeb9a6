// The queries of kx/profile/ProfileQueries.h against the numeric cases of profile/queries.cases:
// the curve descriptions, the grades and the statuses of the batch. That the batch's heights are
// HoydeIProfil's bit for bit is held in the curve table's differential test.

#include "kx/profile/ProfileQueries.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/NumberTest.h"
#include "support/Table.h"

using namespace kx::test;

namespace {

// The profile of a row: cell 0 word 0 the shape, cell 1 the vertices.
std::unique_ptr<QP_LinjePaalegg> ProfileOf(const Row& r) {
  auto p = std::make_unique<QP_LinjePaalegg>();
  const std::vector<double> v = r.Ds(1);
  for (std::size_t i = 0; i + 2 < v.size(); i += 3) p->LeggTil(new DT_Punkt(v[i], v[i + 1], v[i + 2]));
  p->Modes(r.S(0) == "p" ? kx::kParabolicCurves : 0, kx::kModesReplace);
  return p;
}

const std::map<std::string, kx::HeightStatus> kStatus = {
    {"ok", kx::HeightStatus::Ok},         {"few", kx::HeightStatus::TooFewVertices},
    {"before", kx::HeightStatus::BeforeStart}, {"beyond", kx::HeightStatus::BeyondEnd},
    {"outside", kx::HeightStatus::OutsideSegment}, {"nogradeline", kx::HeightStatus::NoGradeLine},
    {"nograde", kx::HeightStatus::NoGrade}};

void ExpectNear(const std::vector<double>& got, const std::vector<double>& want, const Row& r) {
  ASSERT_EQ(got.size(), want.size()) << r.where;
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << r.where << " value " << i;
}

TEST(ProfileQueries, CurvesAreDescribed) {
  std::map<std::string, std::vector<kx::ProfileCurve>> left;  // by the row's profile, in curve order
  for (const Row& r : Table("profile/queries.cases")) {
    if (r.kind != "curve" && r.kind != "nocurve") continue;
    const std::string key = r.S(0) + " " + ::testing::PrintToString(r.Ds(1));
    if (!left.count(key)) left[key] = kx::ProfileCurves(*ProfileOf(r));
    std::vector<kx::ProfileCurve>& curves = left[key];
    if (r.kind == "nocurve" || curves.empty()) {
      EXPECT_TRUE(r.kind == "nocurve" && curves.empty()) << r.where;
      continue;
    }
    const kx::ProfileCurve c = curves.front();
    curves.erase(curves.begin());
    ExpectNear({double(c.vertex), double(c.crest), c.radius, c.t1Chainage, c.t1Height, c.t2Chainage, c.t2Height,
                c.length, c.gradeIn, c.gradeOut, double(c.hasExtremum), c.extremumChainage, c.extremumHeight,
                double(c.overlaps)},
               r.Ds(2), r);
  }
  for (const auto& [key, curves] : left) EXPECT_TRUE(curves.empty()) << key;
}

// A grade or a height is a number with status ok; anything else is the status named, with the
// output untouched (a grade) or NaN (a height).
TEST(ProfileQueries, GradesAndBatchStatuses) {
  for (const Row& r : Table("profile/queries.cases", "grade")) {
    double grade = -7;
    EXPECT_TRUE(kx::ProfileGrade(*ProfileOf(r), r.D(0, 1), &grade) == kStatus.at(r.S(2))) << r.where;
    EXPECT_NEAR(grade, r.S(2) == "ok" ? r.D(2, 1) : -7, 1e-12) << r.where;
  }
  for (const Row& r : Table("profile/queries.cases", "batch")) {
    const std::vector<double> xs = r.Ds(2);
    std::vector<kx::HeightAt> out(xs.size(), {-7, kx::HeightStatus::Ok});
    std::size_t ok = 0;
    ASSERT_EQ(r.Words(3), xs.size()) << r.where;
    for (std::size_t i = 0; i < xs.size(); ++i) ok += kStatus.count(r.S(3, i)) == 0;
    EXPECT_EQ(kx::ProfileHeights(*ProfileOf(r), xs.data(), xs.size(), out.data()), ok) << r.where;
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const bool number = kStatus.count(r.S(3, i)) == 0;
      EXPECT_TRUE(out[i].status == (number ? kx::HeightStatus::Ok : kStatus.at(r.S(3, i))) &&
                  (number ? std::fabs(out[i].height - r.D(3, i)) <= 1e-9 : std::isnan(out[i].height)))
          << r.where << " " << i;
    }
  }
}

}  // namespace
