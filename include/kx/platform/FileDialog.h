#pragma once
// The common open/save file dialog of the platform.

#include <functional>
#include <string>

#include "kx/foundation/Export.h"

namespace kx::platform {

struct FileDialogRequest {
  bool open = true;                   // an open dialog; false: save as
  const char* title = nullptr;        // null: the platform's default title
  const char* defaultExt = nullptr;   // appended (after a dot) to a name typed without extension
  const char* initialName = nullptr;  // proposed file name, or null
  // The filter list, double-NUL terminated: description, NUL, pattern, NUL, ..., NUL.
  const char* filter = nullptr;
  unsigned long options = 0;  // the dialog options (hide read-only, ask before overwrite)
};

// Runs the dialog. Returns true with the chosen file's full path in path, or false when the user
// cancelled (path is then unchanged).
using FileDialogHandler = std::function<bool(const FileDialogRequest& request, std::string& path)>;

KX_API bool ShowFileDialog(const FileDialogRequest& request, std::string& path);

// Installs handler and returns the previous one; an empty handler restores the default. The
// default cancels unless standard input is a terminal; then it asks for the path on the console.
KX_API FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// Option bits of FileDialogRequest::options, with the values the common dialog gives them.
inline constexpr unsigned long kHideReadOnly = 0x00000004;
inline constexpr unsigned long kOverwritePrompt = 0x00000002;

}  // namespace kx::platform
