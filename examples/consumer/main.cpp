// A small host program of kxlib: it installs its own host interface, which writes the library's
// messages to standard error, reads a profile file (NYLP, or PRF for a name ending in .prf) and
// prints the designed height every 100 m.
//
//   kx_consumer PROFILE

#include <cstdio>
#include <cstring>
#include <vector>

#include "kx/kx.h"

namespace {

// The host interface: every text the library shows goes to standard error, boxes included.
class ConsoleHost : public KxBasicAPI {
 public:
  using KxBasicAPI::API_Printf;
  int API_Printf(char* text) override {
    return text == nullptr ? -100 : std::fprintf(stderr, "%s\n", text);
  }
};

bool EndsWithPrf(const char* name) {
  const std::size_t n = std::strlen(name);
  return n >= 4 && (std::strcmp(name + n - 4, ".prf") == 0 || std::strcmp(name + n - 4, ".PRF") == 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kx_consumer PROFILE\n");
    return 2;
  }
  ConsoleHost host;
  KxBaseClass().API(&host);
  std::printf("kxlib %s (headers %s)\n", kx::LibraryVersion(), KX_VERSION_STRING);

  QP_LinjePaalegg profile;
  Streng name;
  name.CopyFrom(argv[1]);
  if (profile.InitFromAsciiFile(name, EndsWithPrf(argv[1]) ? 2 : 1) != 1) {
    std::fprintf(stderr, "%s: not read (code %d)\n", argv[1], profile.ErrorKode(-9999));
    return 1;
  }
  DT_Punkt* first = nullptr;
  DT_Punkt* last = nullptr;
  profile.GetIndex(&first, 0);
  profile.GetIndex(&last, profile.Antall() - 1);
  std::vector<double> chainages;
  for (double x = first->x(); x < last->x(); x += 100.0) chainages.push_back(x);
  chainages.push_back(last->x());
  std::vector<kx::HeightAt> heights(chainages.size());
  kx::ProfileHeights(profile, chainages.data(), chainages.size(), heights.data());
  for (std::size_t i = 0; i < chainages.size(); ++i) {
    std::printf("%10.3f %10.3f\n", chainages[i], heights[i].height);
  }
  return 0;
}
