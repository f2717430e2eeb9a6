// QP_LinjePaalegg's profile files: the export and import cases of data/profile/files/files.cases
// (golden files compared byte for byte, bad input, every failure code with its message), each file
// read also with CR LF line ends; round trips of random profiles, vertices within the precision
// of each format; CheckCurve and the rebuilt PRF vertices held to the geometry objects.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "kx/files/TekstFil.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/HostCapture.h"
#include "support/RandomProfile.h"
#include "support/Table.h"
#include "support/TempDir.h"

using namespace kx::test;

namespace {

using Numbers = std::vector<double>;

int LastCode() { return HovedObjekt().ErrorKode(-9999); }

Numbers Vertices(QP_LinjePaalegg& p) {
  Numbers v;
  DT_Punkt* q = nullptr;
  for (p.AktiverForste(0); p.GetNeste(&q) != 0;) v.insert(v.end(), {q->x(), q->y(), q->z()});
  return v;
}

void Fill(QP_LinjePaalegg& p, const Numbers& v, bool parabolic) {
  for (std::size_t i = 0; i + 2 < v.size(); i += 3)
    p.LeggTil(new DT_Punkt(v[i], v[i + 1], v[i + 2]));
  p.Modes(parabolic ? 1 : 0, 3);
}

std::string Golden(const std::string& name) {
  std::ifstream in(std::string(KX_TEST_DATA_DIR) + "/profile/files/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string WithCrLf(std::string s) {
  for (std::size_t i = s.find('\n'); i != std::string::npos; i = s.find('\n', i + 2))
    s.insert(i, "\r");
  return s;
}

struct Imported {
  int result, code;
  Numbers vertices;
};
// Writes content as name ("<missing>": nothing, "<directory>": a directory) and reads it into a
// fresh profile with type.
Imported Import(const ScopedTempDir& dir, const std::string& name, const std::string& content,
                int type, bool parabolic = false) {
  if (content == "<directory>") {
    std::filesystem::create_directory(dir.Path() / name);
  } else if (content != "<missing>") {
    dir.Write(name, content);
  }
  QP_LinjePaalegg p;
  p.Modes(parabolic ? 1 : 0, 3);
  Streng file;
  file.Set(name.c_str(), -1);
  p.ErrorKode(77);
  const int result = p.InitFromAsciiFile(file, type);
  return {result, LastCode(), Vertices(p)};
}

void ExpectNear(const Numbers& got, const Numbers& expected, double tolerance) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], tolerance) << i;
}

TEST(ProfileFiles, ExportsMatchTheGoldenFilesAndReadBack) {
  for (const Row& r : Table("profile/files/files.cases", "export")) {
    SCOPED_TRACE(r.where);
    ScopedTempDir dir;
    HostCapture host;
    const std::string out = r.S(0, 0), golden = r.S(0, 1);
    QP_LinjePaalegg p;
    Fill(p, r.Ds(1), r.S(0, 2) == "parabolic");
    TekstFil file("x");
    file.FilNavn(out.c_str());
    ASSERT_EQ(file.LukkOpp("wt"), 1);
    p.ErrorKode(77);
    EXPECT_EQ(p.CreateAsciiFile(&file), r.I(2, 0));
    EXPECT_EQ(LastCode(), r.I(2, 1));
    file.LukkIgjen();
    EXPECT_EQ(dir.Read(out), golden == "-" ? "" : Golden(golden));
    EXPECT_EQ(host.Texts(), r.Words(4) > 0 ? Texts{r.S(4)} : Texts{});
    for (const std::string& content : {Golden(golden), WithCrLf(Golden(golden))}) {
      if (golden == "-") break;
      const int type = golden.find(".prf") != std::string::npos ? 2 : 1;
      const Imported back = Import(dir, "back", content, type, r.S(0, 2) == "parabolic");
      EXPECT_EQ(back.result, 1);
      ExpectNear(back.vertices, r.Ds(3), 5e-5);
    }
  }
  EXPECT_EQ(QP_LinjePaalegg().CreateAsciiFile(nullptr) + LastCode(), -1);
}

TEST(ProfileFiles, ImportCasesGiveTheirResultCodeVerticesAndMessage) {
  for (const Row& r : Table("profile/files/files.cases", "import")) {
    const int type = r.I(0);
    const std::string name = r.Words(5) > 0 ? r.S(5) : type == 2 ? "case.prf" : "case.nylp";
    const std::string& content = r.S(1);
    for (bool crlf : {false, true}) {
      if (crlf && content.find('\r') != std::string::npos) continue;
      SCOPED_TRACE(r.where + (crlf ? " (CR LF)" : ""));
      ScopedTempDir dir;
      HostCapture host;
      const Imported got = Import(dir, name, crlf ? WithCrLf(content) : content, type);
      EXPECT_EQ(got.result * 1000 + got.code, r.I(2, 0) * 1000 + r.I(2, 1));
      ExpectNear(got.vertices, r.Ds(3), r.Words(0) > 1 ? r.D(0, 1) : 0.0);
      EXPECT_EQ(host.Texts(), r.Words(4) > 0 ? Texts{r.S(4)} : Texts{});
    }
  }
}

// NYLP: every vertex as its 4 decimals read in single precision. PRF: the
// first and the last point and every vertex with a curve (a vertex without one gets a curve of
// radius 1), within what rows of 4 decimals and grades of 6 allow, with LF and CR LF alike.
TEST(ProfileFiles, RandomProfilesSurviveRoundTrips) {
  RandomSource random(2024);
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    const bool parabolic = round % 2 == 1;
    std::vector<ProfileVertex> v = RandomProfile(random);
    const auto grade = [&v](std::size_t i) {
      return (v[i].y - v[i - 1].y) / (v[i].x - v[i - 1].x);
    };
    Numbers flat, nylp;
    for (std::size_t i = 0; i < v.size(); ++i) {
      if (i > 0 && i + 1 < v.size() && v[i].r == 0 && grade(i) != grade(i + 1)) v[i].r = 1.0;
      flat.insert(flat.end(), {v[i].x, v[i].y, v[i].r});
    }
    for (double x : flat) nylp.push_back(std::strtof(Streng("%.4f", x).Get(), nullptr));
    ScopedTempDir dir;
    QP_LinjePaalegg p;
    Fill(p, flat, parabolic);
    TekstFil a("a.nylp"), b("b.prf");
    ASSERT_EQ(a.LukkOpp("wt") + b.LukkOpp("wt") + p.CreateAsciiFile(&a) + p.CreateAsciiFile(&b), 4);
    a.LukkIgjen(), b.LukkIgjen();
    EXPECT_EQ(Import(dir, "A.NYLP", dir.Read("A.NYLP"), 1, parabolic).vertices, nylp);
    const Imported f = Import(dir, "b.prf", dir.Read("B.PRF"), 2, parabolic);
    EXPECT_EQ(f.result, 1);
    EXPECT_EQ(Import(dir, "c.prf", WithCrLf(dir.Read("B.PRF")), 2, parabolic).vertices, f.vertices);
    std::size_t at = 3;
    for (std::size_t i = 1; i + 1 < v.size() && at + 3 < f.vertices.size(); ++i) {
      const double g1 = grade(i), g2 = grade(i + 1);
      // A curve between grades equal but for rounding may be written with its tangent points on
      // the vertex, or not at all.
      const bool straight = std::fabs(g1 - g2) < 1e-12;
      if (v[i].r == 0 || (straight && std::fabs(f.vertices[at] - v[i].x) > 1e-3)) continue;
      // The grade lines move by the rounding of their points (5e-5) and grades (5e-7 times the
      // distance to the vertex), and meet that much further off divided by their angle.
      const double shift =
          1e-4 * (1 + std::fabs(g1) + std::fabs(g2)) + 5e-7 * (v[i + 1].x - v[i - 1].x);
      const double bound =
          straight ? 1e-4 : 1.01 * shift / std::fabs(g1 - g2) * (1 + std::fabs(g1));
      ExpectNear({f.vertices[at], f.vertices[at + 1]}, {v[i].x, v[i].y}, bound);
      EXPECT_NEAR(f.vertices[at + 2], v[i].r, 5e-5);
      at += 3;
    }
    EXPECT_EQ(at + 3, f.vertices.size());
  }
}

// CheckCurve (run on plain numbers) against the tangent points of CalculateTangPoints window by
// window: the same result, message and last error code, with repeated and falling chainages,
// radii of 0, negative and NaN, in both curve shapes.
TEST(ProfileFiles, CheckCurveFollowsTheTangentPoints) {
  RandomSource random(7);
  const double radii[] = {0.0, -500.0, NAN, 1e-12, 10.0, 400.0, 3000.0, 1e6};
  for (int round = 0; round < 4000; ++round) {
    Numbers v;
    for (double x = 0, i = random.Int(3, 7); i > 0; --i) {
      x += random.Chance(0.1) ? 0.0 : random.Chance(0.05) ? -30.0 : random.Uniform(1.0, 150.0);
      v.insert(v.end(),
               {x, random.Chance(0.05) ? NAN : random.Uniform(-5, 5), radii[random.Int(0, 7)]});
    }
    QP_LinjePaalegg p;
    Fill(p, v, round % 2 == 1);
    HostCapture host;
    Texts expected;
    double previousEnd = -999999999.0;
    p.ErrorKode(77);
    for (std::size_t i = 0; i + 8 < v.size() && expected.empty(); i += 3) {
      DT_Punkt a(v[i], v[i + 1], v[i + 2]), b(v[i + 3], v[i + 4], v[i + 5]),
          c(v[i + 6], v[i + 7], v[i + 8]);
      B_Linje in(&b, &a), out(&b, &c);
      DT_Double radius(b.z());
      p.CalculateTangPoints(in, out, radius, nullptr);
      if (i > 0 && DT_Double(previousEnd).StorreEnn(in.SluttPunkt()->x(), 1e-4)) {
        expected.push_back(Streng("Overlapped tangentpoints in sections between %.2f and %.2f !",
                                  in.SluttPunkt()->x(), previousEnd)
                               .Get());
      }
      previousEnd = out.SluttPunkt()->x();
    }
    const int code = LastCode();
    p.ErrorKode(77);
    ASSERT_EQ(p.CheckCurve(), expected.empty() ? 1 : 0) << round;
    ASSERT_EQ(LastCode(), code) << round;
    ASSERT_EQ(host.Texts(), expected) << round;
  }
}

// PRF vertices rebuilt as the geometry objects rebuild them, bit for bit and code for code: a work
// line from the previous row with the curve row's grade, cut with the next row's grade line; at
// every scale, parallel grades and all.
TEST(ProfileFiles, PrfVerticesAreWhereTheGradeLinesMeet) {
  ScopedTempDir dir;
  HostCapture host;
  RandomSource random(5);
  const double scales[] = {1.0, 1e3, 1e6, 1e14, 1e16, 1e300};
  for (int round = 0; round < 300; ++round) {
    const double scale = scales[random.Int(0, 5)];
    Numbers rows{random.Uniform(-1, 1) * scale, 0, 0.01, 0}, expected{rows[0], 0, 0};
    std::string content = Streng("1,%.17g,0,0.01,0,1\n", rows[0]).Get();
    for (int i = 2; i < 12; ++i) {
      rows.insert(
          rows.end(),
          {random.Uniform(-1, 1) * scale, random.Uniform(-1, 1) * scale,
           random.Chance(0.2) ? 0.02 : random.Uniform(-1, 1) * scales[random.Int(0, 5)] * 0.01,
           i % 2 == 0 ? random.Uniform(1, 500) : 0.0});
      content += Streng("%d,%.17g,%.17g,%.17g,%.17g,1\n", i, rows[rows.size() - 4],
                        rows[rows.size() - 3], rows[rows.size() - 2], rows.back())
                     .Get();
    }
    const Imported got = Import(dir, "r.prf", content, 2);
    B_Linje work;
    int code = 77;
    for (std::size_t i = 0; i + 7 < rows.size(); i += 4) {
      work.StartPunkt(work.SluttPunkt());
      work.SluttPunkt()->Init(rows[i], rows[i + 1], 0.0);
      if (i == 0 || rows[i + 3] == 0.0) continue;
      work.SluttPunkt(work.StartPunkt());
      work.SluttPunkt()->InitRel(1.0, rows[i + 2], 0.0);
      DT_Punkt end(rows[i + 4], rows[i + 5], 0.0), ahead(end), vertex(end);
      ahead.InitRel(1.0, rows[i + 6], 0.0);
      B_Linje leaving(&end, &ahead);
      work.SkjaeringMed(&leaving, &vertex, 1);
      code = LastCode();
      expected.insert(expected.end(), {vertex.x(), vertex.y(), rows[i + 3]});
    }
    ASSERT_EQ(got.vertices, expected) << round;  // also where the curves overlap (result 0)
    ASSERT_EQ(got.code, code) << round;
  }
}

}  // namespace
