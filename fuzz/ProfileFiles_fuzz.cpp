// Fuzz target for the profile files, built twice: as profile_nylp (KX_PROFILE_TYPE 1) and as
// profile_prf (KX_PROFILE_TYPE 2). The input is the content of a file, which is imported with that
// type (in parabolic mode when the input's first byte is odd). Checked:
// - the result is 1, or 0 with one of the import's codes (or after the overlap message);
// - every message fits its 511 characters, and a refused line (code -3) shows one;
// - the vertices are finite numbers, a PRF radius never negative;
// - the same content with CR LF line ends (when it holds no CR) gives the same result, code,
//   messages and vertices, bit for bit: the text-mode reader with its positions (the PRF
//   look-ahead goes back with them) is held to the plain LF file;
// - the profile read is written as NYLP and as PRF, and the NYLP file reads back with as many
//   vertices (when they all fit single precision).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "kx/kx.h"
#include "kx/platform/MessageBox.h"

#ifndef KX_PROFILE_TYPE
#define KX_PROFILE_TYPE 1
#endif

namespace {

// A private directory for the files, with a name in capitals: the file objects upper-case the
// names they are given, and an exact name is found without a search.
struct Workspace {
  std::filesystem::path dir;
  Workspace() {
    std::mt19937_64 random(std::random_device{}());
    do {
      dir = std::filesystem::temp_directory_path() /
            ("KX-FUZZ-" + std::to_string(random() % 1000000000));
    } while (!std::filesystem::create_directory(dir));
  }
  ~Workspace() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  std::string Write(const char* name, const std::string& content) const {
    const std::filesystem::path path = dir / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }
};

std::vector<std::string> gShown;

struct Outcome {
  int result, code;
  std::vector<std::string> shown;
  std::vector<double> vertices;
  bool operator==(const Outcome& o) const {
    return result == o.result && code == o.code && shown == o.shown &&
           vertices.size() == o.vertices.size() &&
           (vertices.empty() ||
            std::memcmp(vertices.data(), o.vertices.data(), vertices.size() * sizeof(double)) == 0);
  }
};

std::vector<double> Vertices(QP_LinjePaalegg& p) {
  std::vector<double> v;
  DT_Punkt* point = nullptr;
  for (p.AktiverForste(0); p.GetNeste(&point) != 0;)
    v.insert(v.end(), {point->x(), point->y(), point->z()});
  return v;
}

Outcome Import(const std::string& path, int type, bool parabolic, QP_LinjePaalegg& p) {
  gShown.clear();
  p.Modes(parabolic ? 1 : 0, 3);
  Streng name;
  name.Set(path.c_str(), -1);
  p.ErrorKode(77);
  const int result = p.InitFromAsciiFile(name, type);
  return {result, p.ErrorKode(-9999), gShown, Vertices(p)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Workspace work;
  static const bool installed = [] {
    kx::platform::SetMessageBoxHandler([](const char* text, const char*, unsigned) {
      gShown.emplace_back(text != nullptr ? text : "");
      return 1;
    });
    return true;
  }();
  (void)installed;

  const std::string content(reinterpret_cast<const char*>(data), size);
  const bool parabolic = size > 0 && (data[0] & 1) != 0;
  const std::string path = work.Write("IN.TXT", content);
  QP_LinjePaalegg profile;
  const Outcome lf = Import(path, KX_PROFILE_TYPE, parabolic, profile);

  KX_CHECK(lf.result == 1 || lf.result == 0);
  if (lf.result == 0) {
    KX_CHECK(lf.code == -2 || lf.code == -3 || lf.code == -4 || lf.code == 77 || !lf.shown.empty());
  }
  if (lf.result == 0 && lf.code == -3) KX_CHECK(lf.shown.size() == 1);
  for (const std::string& text : lf.shown) KX_CHECK(text.size() <= 511);
  for (std::size_t i = 0; i < lf.vertices.size(); ++i) {
    KX_CHECK(std::isfinite(lf.vertices[i]));
    if (KX_PROFILE_TYPE == 2 && i % 3 == 2) KX_CHECK(lf.vertices[i] >= 0.0);
  }

  if (content.find('\r') == std::string::npos) {
    std::string crlf;
    for (char c : content) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    QP_LinjePaalegg other;
    const Outcome windows = Import(work.Write("IN.TXT", crlf), KX_PROFILE_TYPE, parabolic, other);
    KX_CHECK(windows == lf);
  }

  if (lf.vertices.empty()) return 0;
  TekstFil nylp(work.Write("OUT.NYLP", "").c_str()), prf(work.Write("OUT.PRF", "").c_str());
  if (nylp.LukkOpp("wt") == 0 || prf.LukkOpp("wt") == 0) return 0;
  const int written = profile.CreateAsciiFile(&nylp);
  profile.CreateAsciiFile(&prf);
  nylp.LukkIgjen();
  prf.LukkIgjen();
  bool small = true;
  for (double v : lf.vertices) small = small && std::fabs(v) < 1e38;
  if (written == 1 && small) {
    QP_LinjePaalegg back;
    const Outcome again = Import((work.dir / "OUT.NYLP").string(), 1, parabolic, back);
    KX_CHECK(again.vertices.size() == lf.vertices.size());
  }
  return 0;
}
