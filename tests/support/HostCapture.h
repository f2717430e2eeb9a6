#pragma once
// Test seam for everything the library shows or asks: a capturing host interface and a capturing
// platform message box, installed for the life of a HostCapture and restored afterwards.
//
//   kx::test::HostCapture host;            // installs them
//   obj.Error1("x=%d", 5);
//   EXPECT_EQ(host.Lines(), (kx::test::Texts{"ErrorBox[Message|1048577] x=5"}));
//
// Nothing blocks: the boxes answer at once (OK; the error box 0), reads answer from the script of
// the capturing host interface (Api().lines, numbers, picks) or fail when it is empty.

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

using Texts = std::vector<std::string>;

// What was shown, in order: each as "<route>[<title>|<flags>] <text>" (route Printf, MessageBox,
// ErrorBox, or Box for the platform box) and as its text alone.
struct ShownLog {
  std::vector<std::string> lines, texts;
  void Add(const char* route, const char* text, const char* title, long flags) {
    texts.emplace_back(text != nullptr ? text : "<null>");
    lines.push_back(std::string(route) + "[" + (title != nullptr ? title : "<null>") + "|" +
                    std::to_string(flags) + "] " + texts.back());
  }
};

// A host interface that records every output and answers input from a script.
class CaptureAPI : public IO_Enhet {
 public:
  explicit CaptureAPI(ShownLog& log) : log_(log) {}
  using IO_Enhet::API_ErrorBox;
  using IO_Enhet::API_MessageBox;
  using IO_Enhet::API_PickPoint;
  using IO_Enhet::API_Printf;

  int API_MessageBox(char* text, char* title, long flags) override {
    return log_.Add("MessageBox", text, title, flags), 1;
  }
  int API_ErrorBox(char* text, char* title, long flags) override {
    return log_.Add("ErrorBox", text, title, flags), 0;
  }
  int API_Printf(char* text) override;
  int API_GetStr(char* buffer) override;
  char* API_GetText(long number, char* buffer) override;
  int API_PickPoint(double* point, char* prompt, double* basePoint, unsigned long flags) override;
  int API_TranslatePoint(double*, int from, int to) override {
    return translateCalls.push_back({from, to}), translateResult;
  }
  int LesTall(double* value) override { return Read(value); }
  int LesTall(float* value) override { return Read(value); }
  int LesTall(long* value) override { return Read(value); }
  int LesTall(int* value) override { return Read(value); }

  // The script.
  std::deque<std::string> lines;  // answers of API_GetStr; empty: 0 (end of input)
  std::deque<double> numbers;     // answers of LesTall; empty: 0 (reading fails)
  struct Pick {
    int result;
    std::array<double, 3> point;  // written to the caller's array, whatever the result
  };
  std::deque<Pick> picks;             // answers of API_PickPoint; empty: 0
  int translateResult = 0;            // the answer of API_TranslatePoint
  std::map<long, std::string> texts;  // the host's numbered texts (API_GetText)

  // What the interactive calls were given: API_PickPoint's base point (nullopt: none) and flags,
  // API_TranslatePoint's from and to.
  std::vector<std::pair<std::optional<std::array<double, 3>>, unsigned long>> pickCalls;
  std::vector<std::array<int, 2>> translateCalls;

 private:
  template <typename T>
  int Read(T* value) {
    if (numbers.empty() || value == nullptr) return 0;
    *value = static_cast<T>(numbers.front());
    numbers.pop_front();
    return 1;
  }
  ShownLog& log_;
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

  const std::vector<std::string>& Lines() const { return log_.lines; }
  const std::vector<std::string>& Texts() const { return log_.texts; }
  std::size_t Count() const { return log_.lines.size(); }
  void Clear() { log_ = {}; }
  // The capturing host interface (its script and its calls); only with Install::HostAndBox.
  CaptureAPI& Api() { return *api_; }

  // The platform file dialog: the queued answers (nullopt: the user cancels; none queued: cancel)
  // and each request as "open|options|title|default extension|initial name|filter entry|...".
  std::deque<std::optional<std::string>> fileDialogAnswers;
  std::vector<std::string> fileDialogRequests;

 private:
  ShownLog log_;
  std::optional<CaptureAPI> api_;
  KxBasicAPI* previousApi_ = nullptr;
  kx::platform::MessageBoxHandler previousBox_;
  kx::platform::FileDialogHandler previousDialog_;
};

}  // namespace kx::test
