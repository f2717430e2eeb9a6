#include "kx/platform/FileDialog.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace kx::platform {
namespace {

// Whether the file-name part of path (after the last '/') has an extension.
bool HasExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
  std::string full = cwd;
  if (full.empty() || full.back() != '/') full.push_back('/');
  return full + path;
}

// The console stand-in for the dialog: only when a person can answer (standard input is a
// terminal); an empty answer or the end of input cancels.
bool ConsoleFileDialog(const FileDialogRequest& request, std::string& path) {
  if (::isatty(STDIN_FILENO) == 0) return false;
  std::fprintf(stderr, "%s",
               request.title != nullptr ? request.title : (request.open ? "Open" : "Save As"));
  if (request.initialName != nullptr && *request.initialName != '\0') {
    std::fprintf(stderr, " [%s]", request.initialName);
  }
  std::fprintf(stderr, ": ");
  std::fflush(stderr);

  std::string answer;
  int c;
  while ((c = std::getchar()) != EOF && c != '\n') answer.push_back(static_cast<char>(c));
  if (!answer.empty() && answer.back() == '\r') answer.pop_back();
  if (answer.empty() && request.initialName != nullptr) answer = request.initialName;
  if (answer.empty()) return false;
  if (request.defaultExt != nullptr && *request.defaultExt != '\0' && !HasExtension(answer)) {
    answer += '.';
    answer += request.defaultExt;
  }
  path = AbsolutePath(answer);
  return true;
}

// Never destroyed, like the message box handler.
FileDialogHandler& CurrentHandler() {
  static auto* handler = new FileDialogHandler(ConsoleFileDialog);
  return *handler;
}

}  // namespace

bool ShowFileDialog(const FileDialogRequest& request, std::string& path) {
  return CurrentHandler()(request, path);
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
  if (!handler) handler = ConsoleFileDialog;
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace kx::platform
