#pragma once
// What the file tests share: a directory listing, time stamps set to the second, a check whether
// permission bits stop this process (they do not stop the system administrator), and failing
// system calls through the platform's test seam.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kx/platform/Files.h"

namespace kx::test {

// The sorted names in directory (recursively, '/'-separated, relative to it).
inline std::vector<std::string> Listing(const std::filesystem::path& directory = ".") {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
    names.push_back(std::filesystem::relative(entry.path(), directory).generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Sets the last write time of file to seconds since 1970, exactly (the file clock's epoch is the
// library's business: the shift is measured through the platform's time stamps).
inline void SetWriteTime(const std::string& file, std::uint32_t seconds) {
  kx::platform::FileTimes now;
  kx::platform::GetFileTimes(file.c_str(), now);
  const auto shift = std::chrono::seconds(std::int64_t{seconds} - now.lastWrite);
  std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + shift);
}

// Whether a file without read permission is unreadable to this process (false for root).
inline bool PermissionsApply() {
  const std::string probe = "permission-probe";
  std::ofstream(probe) << "x";
  std::filesystem::permissions(probe, std::filesystem::perms::none);
  const bool applies = !std::ifstream(probe).is_open();
  std::filesystem::remove(probe);
  return applies;
}

// Makes the n-th call (from 1) named call fail with error for the life of the object; n 0: every
// such call.
class FailingCall {
 public:
  FailingCall(std::string call, int error, int n = 0)
      : previous_(kx::platform::SetSystemCallHook([=, count = 0](const char* name) mutable {
          return name == call && (++count == n || n == 0) ? error : 0;
        })) {}
  ~FailingCall() { kx::platform::SetSystemCallHook(previous_); }
  FailingCall(const FailingCall&) = delete;
  FailingCall& operator=(const FailingCall&) = delete;

 private:
  kx::platform::SystemCallHook previous_;
};

}  // namespace kx::test
