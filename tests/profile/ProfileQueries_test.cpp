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
    {"few", kx::HeightStatus::TooFewVertices},    {"before", kx::HeightStatus::BeforeStart},
    {"beyond", kx::HeightStatus::BeyondEnd},      {"outside", kx::HeightStatus::OutsideSegment},
    {"nogradeline", kx::HeightStatus::NoGradeLine}, {"nograde", kx::HeightStatus::NoGrade}};

void ExpectNear(const std::vector<double>& got, const std::vector<double>& want, const Row& r) {
  ASSERT_EQ(got.size(), want.size()) << r.where;
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << r.where << " value " << i;
}

TEST(ProfileQueries, CurvesAreDescribed) {
  std::map<std::string, std::vector<kx::ProfileCurve>> described;  // by the row's profile
  std::map<std::string, std::size_t> listed;
  for (const Row& r : Table("profile/queries.cases")) {
    if (r.kind != "curve" && r.kind != "nocurve") continue;
    const std::string key = r.S(0) + " " + ::testing::PrintToString(r.Ds(1));
    if (!described.count(key)) described[key] = kx::ProfileCurves(*ProfileOf(r));
    if (r.kind == "nocurve") {
      EXPECT_TRUE(described[key].empty()) << r.where;
      continue;
    }
    ASSERT_LT(listed[key], described[key].size()) << r.where;
    const kx::ProfileCurve& c = described[key][listed[key]++];
    ExpectNear({double(c.vertex), double(c.crest), c.radius, c.t1Chainage, c.t1Height, c.t2Chainage, c.t2Height,
                c.length, c.gradeIn, c.gradeOut, double(c.hasExtremum), c.extremumChainage, c.extremumHeight,
                double(c.overlaps)},
               r.Ds(2), r);
  }
  for (const auto& [key, curves] : described) EXPECT_EQ(listed[key], curves.size()) << key;
}

TEST(ProfileQueries, GradesAndBatchStatuses) {
  for (const Row& r : Table("profile/queries.cases", "grade")) {
    double grade = -7;
    const kx::HeightStatus status = kx::ProfileGrade(*ProfileOf(r), r.D(0, 1), &grade);
    if (r.S(2) == "ok") {
      EXPECT_TRUE(status == kx::HeightStatus::Ok) << r.where;
      EXPECT_NEAR(grade, r.D(2, 1), 1e-12) << r.where;
    } else {
      EXPECT_TRUE(status == kStatus.at(r.S(2)) && grade == -7) << r.where;
    }
  }
  for (const Row& r : Table("profile/queries.cases", "batch")) {
    const std::vector<double> xs = r.Ds(2);
    std::vector<kx::HeightAt> out(xs.size(), {-7, kx::HeightStatus::Ok});
    std::size_t ok = 0;
    ASSERT_EQ(r.Words(3), xs.size()) << r.where;
    for (std::size_t i = 0; i < xs.size(); ++i) ok += kStatus.count(r.S(3, i)) == 0;
    EXPECT_EQ(kx::ProfileHeights(*ProfileOf(r), xs.data(), xs.size(), out.data()), ok) << r.where;
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const auto status = kStatus.find(r.S(3, i));
      if (status == kStatus.end()) {
        EXPECT_TRUE(out[i].status == kx::HeightStatus::Ok && std::fabs(out[i].height - r.D(3, i)) <= 1e-9) << r.where << " " << i;
      } else {
        EXPECT_TRUE(out[i].status == status->second && std::isnan(out[i].height)) << r.where << " " << i;
      }
    }
  }
}

}  // namespace
