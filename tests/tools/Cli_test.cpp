// The whole program on the bundled examples: the runs of tools/kxprofile.cases against their
// expected outputs (tables, CSV, SVG, DXF and profile files byte for byte, every error path with
// its status and message), the round trip through PRF, and the PNG and PDF it writes.
//
// KX_UPDATE_GOLDEN=1 writes the outputs of this build as the expected files instead of comparing.

#include "Cli.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/Table.h"
#include "support/TempDir.h"

namespace kx::tool {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

Result Kxprofile(const std::vector<std::string>& args) {
  std::vector<const char*> argv = {"kxprofile"};
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = Run(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::string ReadAll(const fs::path& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

// A working directory holding the examples and the test files of tests/data/tools.
struct Workspace : kx::test::ScopedTempDir {
  Workspace() {
    for (const char* dir : {KX_EXAMPLES_DIR, KX_TEST_DATA_DIR "/tools"}) {
      for (const auto& f : fs::directory_iterator(dir)) {
        if (f.is_regular_file()) fs::copy(f.path(), Path() / f.path().filename());
      }
    }
  }
};

// actual against the expected file (under tests/data/tools, or examples/...): equal, or the first
// line that differs.
void ExpectGolden(const std::string& golden, const std::string& actual) {
  const fs::path path = golden.rfind("examples/", 0) == 0
                            ? fs::path(KX_EXAMPLES_DIR) / golden.substr(9)
                            : fs::path(KX_TEST_DATA_DIR) / "tools" / golden;
  if (std::getenv("KX_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  const std::string expected = ReadAll(path);
  if (expected == actual) return;
  std::istringstream e(expected), a(actual);
  std::string le, la;
  int line = 1;
  while (std::getline(e, le) && std::getline(a, la) && le == la) ++line;
  ADD_FAILURE() << golden << " differs at line " << line << ":\n  expected: " << le
                << "\n  actual:   " << la;
}

TEST(Kxprofile, RunsGiveTheirExpectedOutputs) {
  Workspace dir;
  for (const kx::test::Row& r : kx::test::Table("tools/kxprofile.cases")) {
    SCOPED_TRACE(r.where);
    const Result got = Kxprofile(r.cells[0]);
    EXPECT_EQ(got.status, r.I(1)) << got.err;
    if (r.kind == "STDOUT") {
      ExpectGolden(r.S(2), got.out);
      EXPECT_EQ(got.err, r.Words(3) > 0 ? r.S(3) + "\n" : "");
    } else if (r.kind == "FILE") {
      ExpectGolden(r.S(2, 1), dir.Read(r.S(2, 0)));
    } else if (r.kind == "ERR") {
      EXPECT_EQ(got.err, r.S(2) + "\n");
    } else {  // SAYS: out or err holds the text
      EXPECT_NE((r.S(2) == "out" ? got.out : got.err).find(r.S(3)), std::string::npos)
          << got.out << got.err;
    }
  }
}

// Reads a profile file with the library: x, y, z of every vertex.
std::vector<std::array<double, 3>> Vertices(const std::string& file, int type) {
  QP_LinjePaalegg profile;
  Streng name("%s", file.c_str());
  EXPECT_EQ(profile.InitFromAsciiFile(name, type), 1) << file;
  std::vector<std::array<double, 3>> v;
  for (HovedObjekt* o = profile.AktiverForste(); o != nullptr; o = profile.AktiverNeste()) {
    const auto* p = dynamic_cast<DT_Punkt*>(o);
    v.push_back({p->x(), p->y(), p->z()});
  }
  return v;
}

TEST(Kxprofile, ProfilesComeBackThroughPrf) {
  Workspace dir;
  for (const std::string name : {"dalvegen", "fjellvegen", "kystvegen"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Kxprofile({"convert", name + ".nylp", "there.prf"}).status, 0);
    ASSERT_EQ(Kxprofile({"convert", "there.prf", "back.nylp"}).status, 0);
    const auto original = Vertices(name + ".nylp", 1), back = Vertices("back.nylp", 1);
    ASSERT_EQ(original.size(), back.size());
    // Each curve's vertex is rebuilt where its grades meet: written with 6 decimals of the grade
    // and 4 of chainage and height, it comes back within a few millimetres.
    for (std::size_t i = 0; i < original.size(); ++i) {
      EXPECT_NEAR(back[i][0], original[i][0], 0.005) << "vertex " << i + 1;
      EXPECT_NEAR(back[i][1], original[i][1], 0.0005) << "vertex " << i + 1;
      EXPECT_EQ(back[i][2], original[i][2]) << "vertex " << i + 1;
    }
  }
  // A profile the library will not write leaves no file behind.
  EXPECT_EQ(Kxprofile({"convert", "overlap.nylp", "o.prf"}).status, 1);
  EXPECT_FALSE(dir.Exists("o.prf"));
}

TEST(Kxprofile, PngHasTheStatedSizeAndPdfIsAPdf) {
  Workspace dir;
  const Result png = Kxprofile({"plot", "dalvegen.nylp", "-o", "profile.png"});
  ASSERT_EQ(png.status, 0) << png.err;
  int width = 0, height = 0;
  ASSERT_EQ(std::sscanf(png.out.c_str(), "profile.png: %d x %d pixels", &width, &height), 2);
  cairo_surface_t* image = cairo_image_surface_create_from_png("profile.png");
  EXPECT_EQ(cairo_image_surface_get_width(image), width);
  EXPECT_EQ(cairo_image_surface_get_height(image), height);
  cairo_surface_destroy(image);

  ASSERT_EQ(Kxprofile({"plot", "fjellvegen.nylp", "-o", "profile.PDF"}).status, 0);
  EXPECT_EQ(dir.Read("profile.PDF").substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace kx::tool
