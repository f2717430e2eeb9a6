#pragma once
// kxprofile as the library's host: its own host interface object and message-box handler, which
// collect every text the library shows (never a blocking box), so that the tool can report them
// on standard error in its own words: one line each, prefixed with the program's name.

#include <iosfwd>
#include <string>
#include <vector>

#include "kx/foundation/KxBasicAPI.h"
#include "kx/platform/MessageBox.h"

namespace kx::tool {

// One text the library showed.
struct Shown {
  enum class Route { Print, MessageBox, ErrorBox, PlatformBox } route;
  std::string text;
};

class ToolHost : public KxBasicAPI {
 public:
  // Installs itself as the current host interface and the platform message-box handler.
  explicit ToolHost(std::ostream& err);
  // Writes what is still collected, then puts the previous host interface and handler back.
  ~ToolHost() override;
  ToolHost(const ToolHost&) = delete;
  ToolHost& operator=(const ToolHost&) = delete;

  using KxBasicAPI::API_ErrorBox;
  using KxBasicAPI::API_MessageBox;
  using KxBasicAPI::API_Printf;
  // Each collects the text: a message box answers OK (1), an error box 0, Printf the length.
  int API_MessageBox(char* text, char* title, long flags) override;
  int API_ErrorBox(char* text, char* title, long flags) override;
  int API_Printf(char* text) override;
  // No one answers questions: the end of input (0).
  int API_GetStr(char* buffer) override;

  // The texts collected since the last Take, in order; the collection is emptied.
  std::vector<Shown> Take();
  // Writes every collected text to the error stream as "kxprofile: <prefix><text>", its line ends
  // and blank lines folded into single blanks; the collection is emptied.
  void Flush(const std::string& prefix = "");

  std::ostream& Err() { return err_; }

 private:
  void Collect(Shown::Route route, const char* text);

  std::ostream& err_;
  std::vector<Shown> shown_;
  KxBasicAPI* previousApi_;
  kx::platform::MessageBoxHandler previousBox_;
};

// text on one line: every run of white space that holds a line end becomes one blank, and the ends
// are trimmed.
std::string OneLine(const std::string& text);

}  // namespace kx::tool
