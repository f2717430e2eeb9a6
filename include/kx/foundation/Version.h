#pragma once
// The version of the library, as the headers and as the loaded library know it.

#include "kx/foundation/Export.h"
#include "kx/version.h"

namespace kx {

// The version the loaded shared library was built as ("0.1.0"), to compare with KX_VERSION_STRING
// of the headers a program was compiled with.
KX_API const char* LibraryVersion();

}  // namespace kx
