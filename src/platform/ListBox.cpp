#include "kx/platform/ListBox.h"

namespace kx::platform {

ListBox::~ListBox() = default;

}  // namespace kx::platform
