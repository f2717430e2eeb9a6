#pragma once
// A host interface whose file dialog records what it was asked and answers from a script; every
// other output is captured by the HostCapture it is installed beside.

#include <deque>
#include <optional>
#include <string>

#include "kx/foundation/IO_Enhet.h"

namespace kx::test {

class DialogHost : public IO_Enhet {
 public:
  DialogHost() : previous_(KxBaseClass().API(this)) {}
  ~DialogHost() override { KxBaseClass().API(previous_); }

  using IO_Enhet::API_FileDialog;
  int API_FileDialog(int open, char* result, char* title, char* defaultExt, char* fileName,
                     unsigned long flags, char* filter, void*) override {
    const auto text = [](const char* s) { return s != nullptr ? std::string(s) : "(null)"; };
    asked = std::to_string(open) + "|" + text(title) + "|" + text(defaultExt) + "|" +
            text(fileName) + "|" + std::to_string(flags) + "|" + text(filter);
    if (answers.empty() || !answers.front()) return answers.empty() ? 0 : (answers.pop_front(), 0);
    answers.front()->copy(result, std::string::npos);
    result[answers.front()->size()] = '\0';
    answers.pop_front();
    return 1;
  }

  std::deque<std::optional<std::string>> answers;  // nullopt or none left: the user cancels
  std::string asked;  // "open|title|defaultExt|fileName|flags|filter" of the last call

 private:
  KxBasicAPI* previous_;
};

}  // namespace kx::test
