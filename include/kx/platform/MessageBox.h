#pragma once
// The modal message box of the platform.
//
// Every message the library shows on screen ends here: the built-in host interface's texts, and the
// few messages that go straight to the box. The handler is replaceable at run time, so that a GUI
// host can show a real dialog and a test can capture what would have been shown.

#include <functional>

#include "kx/foundation/Export.h"

namespace kx::platform {

// Shows text under title and returns the button pressed (1 = OK) once the user has closed the box.
// type is the host's box type (buttons and icon); the library passes 0 (an OK button only).
// Null text or title count as empty.
using MessageBoxHandler = std::function<int(const char* text, const char* title, unsigned type)>;

// Shows a message through the current handler and returns its result.
KX_API int ShowMessageBox(const char* text, const char* title, unsigned type = 0);

// Installs handler and returns the previous one. An empty handler restores the default, which
// writes the title and the text to standard error and returns 1 at once: it never blocks, so
// console and headless hosts keep running.
KX_API MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace kx::platform
