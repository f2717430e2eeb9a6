#include "kx/foundation/Version.h"

namespace kx {

const char* LibraryVersion() { return KX_VERSION_STRING; }

}  // namespace kx
