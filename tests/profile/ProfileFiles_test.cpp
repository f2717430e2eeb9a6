// QP_LinjePaalegg's profile files: exports compared byte for byte with the golden files under
// data/profile/files and read back; the import cases of data/profile/files/files.cases (bad input,
// every failure code with its message), each also with CR LF line ends; round trips of random
// profiles in both curve shapes, vertices within the precision of each format.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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

constexpr char kNylpMessage[] =
    "Error importing NYLP-file:\n\nUnable to read line %d in \"%s\".\n\n[%s]\n\nThe format of a "
    "NYLP-line should be:\n\nProfile  Height  Radius    (all decimal numbers).";
constexpr char kPrfMessage[] = "Error importing PRF-file:\n\nUnable to read line %d in \"%s\".\n\n[%s].";

int LastCode() { return HovedObjekt().ErrorKode(-9999); }

std::vector<double> Vertices(QP_LinjePaalegg& p) {
  std::vector<double> v;
  DT_Punkt* point = nullptr;
  for (p.AktiverForste(0); p.GetNeste(&point) != 0;) v.insert(v.end(), {point->x(), point->y(), point->z()});
  return v;
}

void Fill(QP_LinjePaalegg& p, const std::vector<double>& v, bool parabolic) {
  for (std::size_t i = 0; i + 2 < v.size(); i += 3) p.LeggTil(new DT_Punkt(v[i], v[i + 1], v[i + 2]));
  p.Modes(parabolic ? 1 : 0, 3);
}

std::string Golden(const std::string& name) {
  std::ostringstream text;
  text << std::ifstream(std::string(KX_TEST_DATA_DIR) + "/profile/files/" + name, std::ios::binary).rdbuf();
  return text.str();
}

// "{N*c}" stands for N times the character c.
std::string Expand(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::size_t star = s.find('*', i), close = s.find('}', i);
    if (s[i] != '{' || star == std::string::npos || close != star + 2) {
      out += s[i];
      continue;
    }
    out.append(std::stoul(s.substr(i + 1, star - i - 1)), s[star + 1]);
    i = close;
  }
  return out;
}

std::string WithCrLf(const std::string& s) {
  std::string out;
  for (char c : s) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// Imports content written as name into a fresh profile (parabolic or not): result, code, vertices.
struct Imported {
  int result, code;
  std::vector<double> vertices;
};
Imported Import(const ScopedTempDir& dir, const std::string& name, const std::string& content, int type,
                bool parabolic = false) {
  dir.Write(name, content);
  QP_LinjePaalegg p;
  p.Modes(parabolic ? 1 : 0, 3);
  Streng file;
  file.Set(name.c_str(), -1);
  p.ErrorKode(77);
  const int result = p.InitFromAsciiFile(file, type);
  return {result, LastCode(), Vertices(p)};
}

void ExpectVertices(const std::vector<double>& got, const std::vector<double>& expected, double tolerance,
                    const std::string& where) {
  ASSERT_EQ(got.size(), expected.size()) << where;
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], tolerance) << where << " #" << i;
}

TEST(ProfileFiles, ExportsMatchTheGoldenFilesAndReadBack) {
  for (const Row& r : Table("profile/files/files.cases", "export")) {
    SCOPED_TRACE(r.where);
    ScopedTempDir dir;
    HostCapture host;
    const std::string out = r.S(0, 0), golden = r.S(0, 1);
    const bool parabolic = r.S(0, 2) == "parabolic";
    QP_LinjePaalegg p;
    Fill(p, r.Ds(1), parabolic);
    TekstFil file("x");
    file.FilNavn(out.c_str());
    ASSERT_EQ(file.LukkOpp("wt"), 1);
    p.ErrorKode(77);
    EXPECT_EQ(p.CreateAsciiFile(&file), r.I(2, 0));
    if (r.S(2, 1) != "-") { EXPECT_EQ(LastCode(), r.I(2, 1)); }
    file.LukkIgjen();
    EXPECT_EQ(dir.Read(out), golden == "-" ? "" : Golden(golden));
    EXPECT_EQ(host.Texts(), r.Words(4) > 0 ? Texts{r.S(4)} : Texts{});
    if (golden == "-") continue;
    // Read back, with LF and with CR LF line ends alike.
    const int type = golden.find(".prf") != std::string::npos ? 2 : 1;
    for (const std::string& content : {Golden(golden), WithCrLf(Golden(golden))}) {
      const Imported back = Import(dir, "back", content, type, parabolic);
      EXPECT_EQ(back.result, 1);
      ExpectVertices(back.vertices, r.Ds(3), 5e-5, r.where);
    }
  }
}

TEST(ProfileFiles, ImportCasesGiveTheirResultCodeVerticesAndMessage) {
  for (const Row& r : Table("profile/files/files.cases", "import")) {
    const int type = r.I(0);
    const std::string name = type == 2 ? "case.prf" : "case.nylp";
    const std::string content = Expand(r.S(1));
    std::string message;
    if (r.Words(4) == 3) {
      message.resize(600);
      message.resize(std::snprintf(&message[0], message.size(), r.S(4) == "prf" ? kPrfMessage : kNylpMessage,
                                   r.I(4, 1), name.c_str(), Expand(r.S(4, 2)).c_str()));
    } else if (r.Words(4) == 1) {
      message = r.S(4);
    }
    for (bool crlf : {false, true}) {
      if (crlf && content.find('\r') != std::string::npos) continue;
      SCOPED_TRACE(r.where + (crlf ? " (CR LF)" : ""));
      ScopedTempDir dir;
      HostCapture host;
      const Imported got = Import(dir, name, crlf ? WithCrLf(content) : content, type);
      EXPECT_EQ(got.result, r.I(2, 0));
      if (r.S(2, 1) != "-") { EXPECT_EQ(got.code, r.I(2, 1)); }
      ExpectVertices(got.vertices, r.Ds(3), r.Words(0) > 1 ? r.D(0, 1) : 0.0, r.where);
      EXPECT_EQ(host.Texts(), message.empty() ? Texts{} : Texts{message});
    }
  }
}

TEST(ProfileFiles, MissingUnreadableAndAppendedFiles) {
  ScopedTempDir dir;
  HostCapture host;
  QP_LinjePaalegg p;
  Streng missing("none.nylp"), directory("sub"), data("a.nylp");
  std::filesystem::create_directory("sub");
  EXPECT_EQ(p.InitFromAsciiFile(missing, 1) + LastCode(), -2);
  EXPECT_EQ(p.InitFromAsciiFile(directory, 1) + LastCode(), -2);
  // A second file's vertices follow the first's; the name is found whatever its case.
  dir.Write("A.NYLP", "\n\n\n\n\n1 2 3\n");
  EXPECT_EQ(p.InitFromAsciiFile(data, 1) + p.InitFromAsciiFile(data, 1), 2);
  EXPECT_EQ(Vertices(p), (std::vector<double>{1, 2, 3, 1, 2, 3}));
  EXPECT_TRUE(host.Texts().empty());
}

// The message fits its buffer whole: a long name keeps its end, a long line its start.
TEST(ProfileFiles, LongNamesAndLinesAreCutToFitTheMessage) {
  ScopedTempDir dir;
  HostCapture host;
  const std::string folder(200, 'd'), line(510, '#');
  std::filesystem::create_directory(folder);
  const std::string name = folder + "/" + std::string(200, 'f') + ".prf";
  const Imported got = Import(dir, name, "1,0,0,0,0,10\n" + line, 2);
  EXPECT_EQ(got.result + got.code, -3);
  ASSERT_EQ(host.Texts().size(), 1u);
  const std::string& text = host.Texts()[0];
  EXPECT_LE(text.size(), 511u);
  const std::string start = "Error importing PRF-file:\n\nUnable to read line 2 in \"...ddd";
  EXPECT_EQ(text.compare(0, start.size(), start), 0);
  EXPECT_NE(text.find("d/fff"), std::string::npos);
  EXPECT_NE(text.find("ff.prf\".\n\n[###"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "#...].");
}

// The format follows the extension exactly: ".PRF" (a name given to the constructor is upper-cased),
// not ".Prf" set afterwards; nothing is written for an overlap, a null file, no vertex, a NaN.
TEST(ProfileFiles, ExportFormatAndRefusals) {
  ScopedTempDir dir;
  HostCapture host;
  QP_LinjePaalegg p, empty, broken;
  Fill(p, {0, 0, 0, 100, 2, 1000, 200, 0, 0}, false);
  Fill(broken, {0, 0, 0, 100, NAN, 0, 200, 0, 0}, false);
  TekstFil upper("lower.prf"), mixed("x");
  mixed.FilNavn("mixed.Prf");
  ASSERT_EQ(upper.LukkOpp("wt") + mixed.LukkOpp("wt"), 2);
  EXPECT_EQ(p.CreateAsciiFile(&upper) + p.CreateAsciiFile(&mixed), 2);
  EXPECT_EQ(p.CreateAsciiFile(nullptr) + LastCode(), -1);
  EXPECT_EQ(empty.CreateAsciiFile(&upper) + LastCode(), -2);
  EXPECT_EQ(broken.CreateAsciiFile(&upper) + LastCode(), -3);
  upper.LukkIgjen(), mixed.LukkIgjen();
  EXPECT_EQ(dir.Read("LOWER.PRF"), Golden("crest.prf"));
  EXPECT_EQ(dir.Read("mixed.Prf").substr(0, 5), "\n\n\n\n0");
  EXPECT_TRUE(host.Texts().empty());
}

// CheckCurve, which ends every import and begins every export, holds to the tangent points that
// CalculateTangPoints gives window by window: the same result, message and last error code, on
// profiles with repeated and falling chainages, vertical steps, radii of 0, negative and NaN.
TEST(ProfileFiles, CheckCurveFollowsTheTangentPoints) {
  RandomSource random(7);
  const double radii[] = {0.0, -500.0, NAN, 1e-12, 10.0, 400.0, 3000.0, 1e6};
  for (int round = 0; round < 4000; ++round) {
    SCOPED_TRACE(round);
    std::vector<double> v;
    double x = 0.0;
    for (int i = random.Int(3, 7); i > 0; --i) {
      x += random.Chance(0.1) ? 0.0 : random.Chance(0.05) ? -30.0 : random.Uniform(1.0, 150.0);
      v.insert(v.end(), {x, random.Chance(0.05) ? NAN : random.Uniform(-5.0, 5.0), radii[random.Int(0, 7)]});
    }
    QP_LinjePaalegg p;
    Fill(p, v, round % 2 == 1);
    HostCapture host;
    p.ErrorKode(77);
    int expected = 1;
    char message[200] = "";
    double previousEnd = -999999999.0;
    for (std::size_t i = 0; i + 8 < v.size() && expected == 1; i += 3) {
      DT_Punkt a(v[i], v[i + 1], v[i + 2]), b(v[i + 3], v[i + 4], v[i + 5]), c(v[i + 6], v[i + 7], v[i + 8]);
      B_Linje in(&b, &a), out(&b, &c);
      DT_Double radius(b.z());
      p.CalculateTangPoints(in, out, radius, nullptr);
      const double start = in.SluttPunkt()->x();
      if (i > 0 && DT_Double(previousEnd).StorreEnn(start, 1e-4)) {
        std::snprintf(message, sizeof message, "Overlapped tangentpoints in sections between %.2f and %.2f !", start,
                      previousEnd);
        expected = 0;
      }
      previousEnd = out.SluttPunkt()->x();
    }
    const int code = LastCode();
    p.ErrorKode(77);
    EXPECT_EQ(p.CheckCurve(), expected);
    EXPECT_EQ(LastCode(), code);
    EXPECT_EQ(host.Texts(), expected == 1 ? Texts{} : Texts{message});
  }
}

// PRF curves rebuilt as the design's objects rebuild them, bit for bit and code for code: a work
// line from the previous row with the curve row's grade, cut with the next row's grade line.
TEST(ProfileFiles, PrfVerticesAreWhereTheGradeLinesMeet) {
  ScopedTempDir dir;
  HostCapture host;
  RandomSource random(5);
  const double scales[] = {1.0, 1e3, 1e6, 1e14, 1e16, 1e300};
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    const double scale = scales[random.Int(0, 5)];
    std::string content = "1," + std::to_string(random.Uniform(-1, 1) * scale) + ",0,0.01,0,1\n";
    std::vector<double> expected{0, 0, 0}, rows;
    B_Linje work;
    int code = 77;
    for (int i = 2; i < 12; ++i) {
      const double x = random.Uniform(-1, 1) * scale, y = random.Uniform(-1, 1) * scale;
      const double g = random.Chance(0.2) ? 0.02 : random.Uniform(-1, 1) * scales[random.Int(0, 5)] * 0.01;
      const double r = i % 2 == 0 ? random.Uniform(1, 500) : 0.0;
      char row[400];
      std::snprintf(row, sizeof row, "%d,%.17g,%.17g,%.17g,%.17g,1\n", i, x, y, g, r);
      content += row;
      rows.insert(rows.end(), {x, y, g, r});
    }
    const Imported got = Import(dir, "r.prf", content, 2);
    // The reference: the first row's point, then one vertex per curve row.
    expected[0] = std::strtod(content.c_str() + 2, nullptr);
    work.SluttPunkt()->Init(expected[0], 0.0, 0.0);
    for (std::size_t i = 0; i + 7 < rows.size(); i += 4) {
      work.StartPunkt(work.SluttPunkt());
      work.SluttPunkt()->Init(rows[i], rows[i + 1], 0.0);
      if (rows[i + 3] == 0.0) continue;
      work.SluttPunkt(work.StartPunkt());
      work.SluttPunkt()->InitRel(1.0, rows[i + 2], 0.0);
      DT_Punkt end(rows[i + 4], rows[i + 5], 0.0), ahead(end), vertex(end);
      ahead.InitRel(1.0, rows[i + 6], 0.0);
      B_Linje leaving(&end, &ahead);
      work.SkjaeringMed(&leaving, &vertex, 1);
      code = LastCode();
      expected.insert(expected.end(), {vertex.x(), vertex.y(), rows[i + 3]});
    }
    EXPECT_EQ(got.vertices, expected);  // also where the curves overlap (result 0)
    EXPECT_EQ(got.code, code);
  }
}

// The bound of the error of a PRF vertex rebuilt from rows written with 4 decimals and grades
// with 6: the two grade lines meet where their errors move them, divided by the angle between.
double RebuildBound(double xFrom, double xTo, double xVertex, double g1, double g2) {
  const double coordinate = 5e-5, grade = 5e-7;
  const double shift = 2 * coordinate * (1 + std::fabs(g1) + std::fabs(g2)) +
                       grade * (std::fabs(xVertex - xFrom) + std::fabs(xTo - xVertex));
  return 1.01 * shift / std::fabs(g1 - g2) * (1 + std::fabs(g1)) + 1e-9;
}

// The grade from vertex i - 1 to vertex i.
double Grade(const std::vector<ProfileVertex>& v, std::size_t i) {
  return (v[i].y - v[i - 1].y) / (v[i].x - v[i - 1].x);
}

TEST(ProfileFiles, RandomProfilesSurviveRoundTrips) {
  RandomSource random(2024);
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    const bool parabolic = round % 2 == 1;
    // PRF cannot carry a vertex without curve: those get a curve of radius 1.
    std::vector<ProfileVertex> vertices = RandomProfile(random);
    for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
      if (vertices[i].r == 0 && Grade(vertices, i) != Grade(vertices, i + 1)) vertices[i].r = 1.0;
    }
    std::vector<double> flat, nylp;
    for (const ProfileVertex& v : vertices) flat.insert(flat.end(), {v.x, v.y, v.r});
    ScopedTempDir dir;
    QP_LinjePaalegg p;
    Fill(p, flat, parabolic);
    TekstFil a("a.nylp"), b("b.prf");
    ASSERT_EQ(a.LukkOpp("wt") + b.LukkOpp("wt"), 2);
    ASSERT_EQ(p.CreateAsciiFile(&a) + p.CreateAsciiFile(&b), 2);
    a.LukkIgjen(), b.LukkIgjen();
    // NYLP: every vertex, as its 4 decimals read in single precision.
    for (double v : flat) {
      char text[400];
      std::snprintf(text, sizeof text, "%.4f", v);
      nylp.push_back(std::strtof(text, nullptr));
    }
    const Imported n = Import(dir, "A.NYLP", dir.Read("A.NYLP"), 1, parabolic);
    EXPECT_EQ(n.result, 1);
    EXPECT_EQ(n.vertices, nylp);
    // PRF: the first and the last point and every vertex with a curve, with LF and with CR LF.
    const Imported f = Import(dir, "b.prf", dir.Read("B.PRF"), 2, parabolic);
    const Imported c = Import(dir, "c.prf", WithCrLf(dir.Read("B.PRF")), 2, parabolic);
    EXPECT_EQ(f.result + c.result, 2);
    EXPECT_EQ(f.vertices, c.vertices);
    std::size_t at = 3;
    ASSERT_EQ(f.vertices.size() % 3, 0u);
    for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
      const ProfileVertex &a0 = vertices[i - 1], &v = vertices[i], &c0 = vertices[i + 1];
      const double g1 = Grade(vertices, i), g2 = Grade(vertices, i + 1);
      if (v.r == 0 || at + 3 >= f.vertices.size()) continue;
      // A curve between grades equal but for rounding may be written with tangent points on
      // its vertex (then read back there), or not at all.
      const bool straight = std::fabs(g1 - g2) < 1e-12;
      if (straight && std::fabs(f.vertices[at] - v.x) > 1e-3) continue;
      const double bound = straight ? 1e-4 : RebuildBound(a0.x, c0.x, v.x, g1, g2);
      EXPECT_NEAR(f.vertices[at], v.x, bound) << i;
      EXPECT_NEAR(f.vertices[at + 1], v.y, bound) << i;
      EXPECT_NEAR(f.vertices[at + 2], v.r, 5e-5) << i;
      at += 3;
    }
    EXPECT_EQ(at + 3, f.vertices.size());
  }
}

}  // namespace
