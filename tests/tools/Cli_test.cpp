// The whole program on the bundled examples: the runs of tools/kxprofile.cases against their
// expected outputs (tables, CSV, SVG, DXF and profile files byte for byte, every error path with
// its status and message); a profile it refuses to write leaves no file, and its PDF is a PDF.
//
// KX_UPDATE_GOLDEN=1 writes the outputs of this build as the expected files instead of comparing.

#include "Cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// actual against the expected file (under tests/data/tools, or examples/...); KX_UPDATE_GOLDEN
// writes it there instead.
void ExpectGolden(const std::string& golden, const std::string& actual) {
  const fs::path path = golden.rfind("examples/", 0) == 0
                            ? fs::path(KX_EXAMPLES_DIR) / golden.substr(9)
                            : fs::path(KX_TEST_DATA_DIR) / "tools" / golden;
  if (std::getenv("KX_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
  } else {
    EXPECT_EQ(ReadAll(path), actual) << golden;
  }
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
  EXPECT_FALSE(dir.Exists("o.prf"));  // the overlapping profile's
  EXPECT_EQ(dir.Read("f.PDF").substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace kx::tool
