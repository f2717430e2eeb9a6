#include "kx/platform/MessageBox.h"

#include <cstdio>
#include <utility>

namespace kx::platform {
namespace {

// Console and headless hosts: the box goes to standard error and is "closed" at once with OK.
int ConsoleMessageBox(const char* text, const char* title, unsigned) {
  std::fprintf(stderr, "[%s]\n%s\n", title != nullptr ? title : "", text != nullptr ? text : "");
  std::fflush(stderr);
  return 1;
}

// The handler lives on the heap and is never destroyed: a message sent from a static destructor
// after the library's own statics are gone still finds a live handler.
MessageBoxHandler& CurrentHandler() {
  static auto* handler = new MessageBoxHandler(ConsoleMessageBox);
  return *handler;
}

}  // namespace

int ShowMessageBox(const char* text, const char* title, unsigned type) {
  if (text == nullptr) text = "";
  if (title == nullptr) title = "";
  return CurrentHandler()(text, title, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  if (!handler) handler = ConsoleMessageBox;
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace kx::platform
