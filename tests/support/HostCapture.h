#pragma once
// Test seam for everything the library shows or asks: a capturing host interface and a capturing
// platform message box, installed for the life of a HostCapture and restored afterwards.
//
//   kx::test::HostCapture host;            // installs both
//   obj.Error1("x=%d", 5);
//   EXPECT_EQ(host.Lines(), (std::vector<std::string>{"ErrorBox[Message|1048577] x=5"}));
//
// Nothing blocks: the boxes answer OK at once, and reads answer from the script of the capturing
// host interface (Api().lines, numbers, picks) or fail when it is empty.

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "kx/foundation/IO_Enhet.h"
#include "kx/platform/FileDialog.h"
#include "kx/platform/MessageBox.h"

namespace kx::test {

// One thing shown to the user, in the order shown.
struct Shown {
  enum class Via {
    Printf,       // host interface: API_Printf
    MessageBox,   // host interface: API_MessageBox
    ErrorBox,     // host interface: API_ErrorBox
    PlatformBox,  // the platform message box (built-in host interface, or a direct box)
  };
  Via via;
  std::string text;
  std::string title;
  long flags;  // the host interface's flags, or the platform box's type
};

// A host interface that records every output and answers input from a script.
class CaptureAPI : public IO_Enhet {
 public:
  explicit CaptureAPI(std::vector<Shown>& log) : log_(log) {}

  using IO_Enhet::API_ErrorBox;
  using IO_Enhet::API_MessageBox;
  using IO_Enhet::API_PickPoint;
  using IO_Enhet::API_Printf;

  int API_MessageBox(char* text, char* title, long flags) override;
  int API_ErrorBox(char* text, char* title, long flags) override;
  int API_Printf(char* text) override;
  int API_GetStr(char* buffer) override;
  char* API_GetText(long number, char* buffer) override;
  int API_PickPoint(double* point, char* prompt, double* basePoint,
                    unsigned long flags) override;
  int API_TranslatePoint(double* point, int from, int to) override;
  int LesTall(double* value) override;
  int LesTall(float* value) override;
  int LesTall(long* value) override;
  int LesTall(int* value) override;

  // Scripted input.
  std::deque<std::string> lines;  // answers of API_GetStr; empty: 0 (end of input)
  std::deque<double> numbers;     // answers of LesTall; empty: 0 (reading fails)
  struct Pick {
    int result;
    std::array<double, 3> point;  // written to the caller's array, whatever the result
  };
  std::deque<Pick> picks;             // answers of API_PickPoint; empty: 0
  int translateResult = 0;            // result of API_TranslatePoint
  std::map<long, std::string> texts;  // the host's numbered texts (API_GetText)

  // What the interactive calls were given.
  struct PickCall {
    bool hadBase;
    std::array<double, 3> base;
    unsigned long flags;
  };
  std::vector<PickCall> pickCalls;
  std::vector<std::array<int, 2>> translateCalls;  // (from, to)

 private:
  void Record(Shown::Via via, const char* text, const char* title, long flags);
  std::vector<Shown>& log_;
  std::string textBuffer_;
};

class HostCapture {
 public:
  enum class Install {
    HostAndBox,  // a CaptureAPI as the current host interface, and the platform box
    BoxOnly,     // only the platform box: the built-in host interface stays in charge
  };

  explicit HostCapture(Install what = Install::HostAndBox);
  ~HostCapture();
  HostCapture(const HostCapture&) = delete;
  HostCapture& operator=(const HostCapture&) = delete;

  // Everything shown so far, in order.
  const std::vector<Shown>& All() const { return log_; }
  std::vector<std::string> Texts() const;
  // Everything shown so far, one line each: "<route>[<title>|<flags>] <text>", the route being
  // Printf, MessageBox, ErrorBox or Box (the platform box); e.g. "ErrorBox[Message|1048577] x=5".
  std::vector<std::string> Lines() const;
  std::size_t Count() const { return log_.size(); }
  // The last thing shown; fails the test (and returns an empty record) when nothing was.
  const Shown& Last() const;
  void Clear() { log_.clear(); }

  // The capturing host interface (its script and its calls); only with Install::HostAndBox.
  CaptureAPI& Api() { return *api_; }

  // The file dialog: queued answers (nullopt = the user cancels; none queued: cancel), and the
  // requests it saw.
  std::deque<std::optional<std::string>> fileDialogAnswers;
  struct DialogRequest {
    bool open;
    std::string title, defaultExt, initialName;
    std::vector<std::string> filter;  // the entries of the double-NUL list
    unsigned long options;
  };
  std::vector<DialogRequest> fileDialogRequests;

 private:
  std::vector<Shown> log_;
  std::optional<CaptureAPI> api_;
  KxBasicAPI* previousApi_ = nullptr;
  kx::platform::MessageBoxHandler previousBox_;
  kx::platform::FileDialogHandler previousDialog_;
};

}  // namespace kx::test
