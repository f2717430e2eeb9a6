#include "support/HostCapture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "kx/foundation/FlatExports.h"

namespace kx::test {

int CaptureAPI::API_Printf(char* text) {
  if (text == nullptr) return -100;
  log_.Add("Printf", text, "", 0);
  return static_cast<int>(std::strlen(text));
}

int CaptureAPI::API_GetStr(char* buffer) {
  if (buffer == nullptr || lines.empty()) return 0;
  const std::size_t n = std::min<std::size_t>(lines.front().size(), 511);
  std::memcpy(buffer, lines.front().data(), n);
  buffer[n] = '\0';
  lines.pop_front();
  return 1;
}

char* CaptureAPI::API_GetText(long number, char* buffer) {
  const auto found = texts.find(number);
  if (found == texts.end()) return IO_Enhet::API_GetText(number, buffer);
  return buffer == nullptr ? found->second.data() : std::strcpy(buffer, found->second.c_str());
}

int CaptureAPI::API_PickPoint(double* point, char*, double* base, unsigned long flags) {
  pickCalls.emplace_back(std::nullopt, flags);
  if (base != nullptr) pickCalls.back().first = {base[0], base[1], base[2]};
  if (picks.empty()) return 0;
  const Pick pick = picks.front();
  picks.pop_front();
  if (point != nullptr) std::memcpy(point, pick.point.data(), sizeof(double) * 3);
  return pick.result;
}

HostCapture::HostCapture(Install what) {
  if (what == Install::HostAndBox) {
    api_.emplace(log_);
    previousApi_ = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2));
    DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&*api_)));
  }
  previousBox_ = kx::platform::SetMessageBoxHandler(
      [this](const char* text, const char* title, unsigned type) {
        return log_.Add("Box", text, title, static_cast<long>(type)), 1;
      });
  previousDialog_ = kx::platform::SetFileDialogHandler(
      [this](const kx::platform::FileDialogRequest& r, std::string& path) {
        std::string asked = std::to_string(r.open) + "|" + std::to_string(r.options);
        for (const char* s : {r.title, r.defaultExt, r.initialName}) asked += "|" + std::string(s ? s : "");
        for (const char* e = r.filter; e != nullptr && *e != '\0'; e += std::strlen(e) + 1) asked += "|" + std::string(e);
        fileDialogRequests.push_back(asked);
        const std::optional<std::string> answer =
            fileDialogAnswers.empty() ? std::nullopt : fileDialogAnswers.front();
        if (!fileDialogAnswers.empty()) fileDialogAnswers.pop_front();
        if (answer) path = *answer;
        return answer.has_value();
      });
}

HostCapture::~HostCapture() {
  kx::platform::SetFileDialogHandler(std::move(previousDialog_));
  kx::platform::SetMessageBoxHandler(std::move(previousBox_));
  if (api_) DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(previousApi_));
}

}  // namespace kx::test
