#include "Host.h"

#include <cstdint>
#include <cstring>
#include <ostream>

#include "kx/foundation/FlatExports.h"

namespace kx::tool {

ToolHost::ToolHost(std::ostream& err)
    : err_(err), previousApi_(reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2))) {
  API_ProgramName("kxprofile");
  DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(this)));
  previousBox_ =
      kx::platform::SetMessageBoxHandler([this](const char* text, const char*, unsigned) {
        Collect(Shown::Route::PlatformBox, text);
        return 1;
      });
}

ToolHost::~ToolHost() {
  Flush();
  kx::platform::SetMessageBoxHandler(std::move(previousBox_));
  DOVERO01_SetSystemLong(2, reinterpret_cast<std::intptr_t>(previousApi_));
}

int ToolHost::API_MessageBox(char* text, char*, long) {
  Collect(Shown::Route::MessageBox, text);
  return 1;
}

int ToolHost::API_ErrorBox(char* text, char*, long) {
  Collect(Shown::Route::ErrorBox, text);
  return 0;
}

int ToolHost::API_Printf(char* text) {
  if (text == nullptr) return -100;
  Collect(Shown::Route::Print, text);
  return static_cast<int>(std::strlen(text));
}

int ToolHost::API_GetStr(char*) { return 0; }

void ToolHost::Collect(Shown::Route route, const char* text) {
  shown_.push_back({route, text != nullptr ? text : ""});
}

std::vector<Shown> ToolHost::Take() {
  std::vector<Shown> taken;
  taken.swap(shown_);
  return taken;
}

void ToolHost::Flush(const std::string& prefix) {
  for (const Shown& s : Take()) {
    const std::string line = OneLine(s.text);
    if (!line.empty()) err_ << "kxprofile: " << prefix << line << '\n';
  }
}

std::string OneLine(const std::string& text) {
  std::string line;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = i;
    bool lineEnd = false;
    while (j < text.size() && std::strchr(" \t\r\n", text[j]) != nullptr)
      lineEnd |= text[j++] == '\n';
    if (j > i && lineEnd) {
      line += ' ';
      i = j;
    } else if (j > i) {
      line.append(text, i, j - i);
      i = j;
    } else {
      line += text[i++];
    }
  }
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

}  // namespace kx::tool
