#pragma once
// A fresh temporary directory that is the current directory for the life of the object; the
// previous current directory is restored and the directory removed afterwards.

#include <filesystem>
#include <string>

namespace kx::test {

class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The whole content of a file in the directory ("" when it does not exist).
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace kx::test
