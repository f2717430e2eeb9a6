// Runs a fuzz target over saved inputs, without libFuzzer: every file named on the command line,
// and every file in every directory named there (recursively), is passed once to
// LLVMFuzzerTestOneInput. Linked into the fuzz targets when they are built without libFuzzer (g++,
// or a build without KX_BUILD_FUZZ), so that the tests replay the committed corpus under the
// sanitizers of the build.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  // A copy of exactly the input's size, so that the sanitizers see a read past its end.
  std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int replayed = 0, failed = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (fs::is_directory(argv[i], error)) {
      std::vector<fs::path> files;
      for (const auto& entry : fs::recursive_directory_iterator(argv[i], error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
      std::sort(files.begin(), files.end());  // the same order on every machine
      for (const auto& file : files) Replay(file) ? ++replayed : ++failed;
    } else {
      Replay(argv[i]) ? ++replayed : ++failed;
    }
  }
  std::printf("replayed %d input(s)\n", replayed);
  return failed == 0 && replayed > 0 ? 0 : 1;
}
