#pragma once
// A fresh temporary directory that is the current directory for the life of the object; the
// previous current directory is restored and the directory removed afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace kx::test {

class ScopedTempDir {
 public:
  ScopedTempDir() : previous_(std::filesystem::current_path()) {
    std::mt19937_64 random(std::random_device{}());
    do {
      path_ = std::filesystem::temp_directory_path() / ("kx-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
    std::filesystem::current_path(path_);
  }
  ~ScopedTempDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The whole content of a file in the directory ("" when it does not exist); writing one.
  std::string Read(const std::string& name) const {
    std::ostringstream content;
    content << std::ifstream(path_ / name, std::ios::binary).rdbuf();
    return content.str();
  }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  std::filesystem::path previous_, path_;
};

}  // namespace kx::test
