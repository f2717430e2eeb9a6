#pragma once
// The library's side of the host: the built-in host interface object and the application's
// message box.

class IO_Enhet;
class KxBasicAPI;

namespace kx::detail {

// The built-in host interface. It is built when the library is loaded and destroyed when it is
// unloaded; a message sent after that (from a host's static destructor, say) gets a fresh one
// rather than a dead object.
IO_Enhet& BuiltInAPI();

// The current host interface object; the built-in one is installed when none is. Never null.
KxBasicAPI* CurrentAPI();

// The title of the application's message boxes: the program name the host gave the built-in
// host interface (API_ProgramName), or "kxlib".
const char* ApplicationTitle();

// Shows text in the platform message box with an OK button under the application's title and
// returns the button pressed once the user has closed it.
int ShowApplicationMessage(const char* text);

}  // namespace kx::detail
