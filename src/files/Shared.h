#pragma once
// What the file classes share.

#include <cstddef>

namespace kx::detail {

// The file dialog's result buffer: a path of the system's greatest length (4096 bytes on Linux)
// fits. The built-in dialog copies at most 511 characters into it.
inline constexpr std::size_t kDialogResultSize = 4096;

// The default extension handed to the file dialog: ext without its leading dot ("txt" for
// ".txt"), as the dialog appends it after a dot of its own; null when there is none.
inline char* DialogExtension(char* ext) {
  if (ext == nullptr) return nullptr;
  if (*ext == '.') ++ext;
  return *ext != '\0' ? ext : nullptr;
}

}  // namespace kx::detail
