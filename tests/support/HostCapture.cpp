#include "support/HostCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "kx/foundation/FlatExports.h"

namespace kx::test {

void CaptureAPI::Record(Shown::Via via, const char* text, const char* title, long flags) {
  log_.push_back(
      {via, text != nullptr ? text : "<null>", title != nullptr ? title : "<null>", flags});
}

int CaptureAPI::API_MessageBox(char* text, char* title, long flags) {
  Record(Shown::Via::MessageBox, text, title, flags);
  return 1;
}

int CaptureAPI::API_ErrorBox(char* text, char* title, long flags) {
  Record(Shown::Via::ErrorBox, text, title, flags);
  return 0;
}

int CaptureAPI::API_Printf(char* text) {
  if (text == nullptr) return -100;
  Record(Shown::Via::Printf, text, "", 0);
  return static_cast<int>(std::strlen(text));
}

int CaptureAPI::API_GetStr(char* buffer) {
  if (buffer == nullptr || lines.empty()) return 0;
  const std::string line = lines.front();
  lines.pop_front();
  const std::size_t n = std::min<std::size_t>(line.size(), 511);
  std::memcpy(buffer, line.data(), n);
  buffer[n] = '\0';
  return 1;
}

char* CaptureAPI::API_GetText(long number, char* buffer) {
  const auto found = texts.find(number);
  if (found == texts.end()) return IO_Enhet::API_GetText(number, buffer);
  if (buffer == nullptr) {
    textBuffer_ = found->second;
    return textBuffer_.data();
  }
  std::strcpy(buffer, found->second.c_str());
  return buffer;
}

int CaptureAPI::API_PickPoint(double* point, char*, double* basePoint, unsigned long flags) {
  PickCall call{basePoint != nullptr, {0, 0, 0}, flags};
  if (basePoint != nullptr) call.base = {basePoint[0], basePoint[1], basePoint[2]};
  pickCalls.push_back(call);
  if (picks.empty()) return 0;
  const Pick pick = picks.front();
  picks.pop_front();
  if (point != nullptr) std::memcpy(point, pick.point.data(), sizeof(double) * 3);
  return pick.result;
}

int CaptureAPI::API_TranslatePoint(double*, int from, int to) {
  translateCalls.push_back({from, to});
  return translateResult;
}

namespace {

template <typename T>
int Answer(std::deque<double>& numbers, T* value) {
  if (numbers.empty() || value == nullptr) return 0;
  *value = static_cast<T>(numbers.front());
  numbers.pop_front();
  return 1;
}

}  // namespace

int CaptureAPI::LesTall(double* value) { return Answer(numbers, value); }
int CaptureAPI::LesTall(float* value) { return Answer(numbers, value); }
int CaptureAPI::LesTall(long* value) { return Answer(numbers, value); }
int CaptureAPI::LesTall(int* value) { return Answer(numbers, value); }

HostCapture::HostCapture(Install what) {
  if (what == Install::HostAndBox) {
    api_.emplace(log_);
    previousApi_ = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2));
    DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&*api_)));
  }
  previousBox_ = kx::platform::SetMessageBoxHandler(
      [this](const char* text, const char* title, unsigned type) {
        log_.push_back({Shown::Via::PlatformBox, text, title, static_cast<long>(type)});
        return 1;
      });
  previousDialog_ = kx::platform::SetFileDialogHandler(
      [this](const kx::platform::FileDialogRequest& request, std::string& path) {
        DialogRequest seen{request.open,
                           request.title ? request.title : "",
                           request.defaultExt ? request.defaultExt : "",
                           request.initialName ? request.initialName : "",
                           {},
                           request.options};
        for (const char* entry = request.filter; entry != nullptr && *entry != '\0';
             entry += std::strlen(entry) + 1) {
          seen.filter.emplace_back(entry);
        }
        fileDialogRequests.push_back(seen);
        if (fileDialogAnswers.empty()) return false;
        const std::optional<std::string> answer = fileDialogAnswers.front();
        fileDialogAnswers.pop_front();
        if (!answer) return false;
        path = *answer;
        return true;
      });
}

HostCapture::~HostCapture() {
  kx::platform::SetFileDialogHandler(std::move(previousDialog_));
  kx::platform::SetMessageBoxHandler(std::move(previousBox_));
  if (api_) DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(previousApi_));
}

std::vector<std::string> HostCapture::Texts() const {
  std::vector<std::string> texts;
  for (const Shown& shown : log_) texts.push_back(shown.text);
  return texts;
}

std::vector<std::string> HostCapture::Lines() const {
  static const char* const kRoutes[] = {"Printf", "MessageBox", "ErrorBox", "Box"};
  std::vector<std::string> lines;
  for (const Shown& shown : log_) {
    lines.push_back(std::string(kRoutes[static_cast<int>(shown.via)]) + "[" + shown.title + "|" +
                    std::to_string(shown.flags) + "] " + shown.text);
  }
  return lines;
}

const Shown& HostCapture::Last() const {
  static const Shown kNothing{Shown::Via::Printf, "", "", 0};
  if (log_.empty()) {
    ADD_FAILURE() << "nothing was shown";
    return kNothing;
  }
  return log_.back();
}

}  // namespace kx::test
