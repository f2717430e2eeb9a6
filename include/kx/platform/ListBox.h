#pragma once
// A list widget that accepts appended strings: what DOVERO01_OpenFileList fills.

#include "kx/foundation/Export.h"

namespace kx::platform {

class KX_API ListBox {
 public:
  virtual ~ListBox();
  // Appends one line to the list.
  virtual void AddString(const char* text) = 0;
};

}  // namespace kx::platform
