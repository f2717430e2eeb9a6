#include "kx/text/KxConfigString.h"

#include <cstdlib>
#include <string>

#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"

namespace {

// The stored value decoded: each backslash followed by three characters that read (as atoi reads
// them) as a code from 1 to 255 becomes that character. Any other backslash stays as it stands:
// one with fewer than three characters after it has no code, and a code of 0 would end the text.
// The scan goes on after each decoded character, so a decoded backslash is not read again.
std::string Decoded(const std::string& stored) {
  std::string out;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\\' && i + 3 < stored.size()) {
      const int code = std::atoi(stored.substr(i + 1, 3).c_str());
      if (code >= 1 && code <= 255) {
        out += static_cast<char>(code);
        i += 3;
        continue;
      }
    }
    out += stored[i];
  }
  return out;
}

// A number variable: written as the number's text form with fmt, read with its Init(char*).
template <typename Number>
int NumberVariable(KxConfigString& config, const char* name, Number* value, int mode,
                   const char* fmt) {
  if (value == nullptr) return config.ErrorKode(-21);
  Streng text;
  if (mode != 0) text = value->SomChar(fmt);
  if (config.Variable(name, &text, mode) == 0) return 0;
  if (mode == 0) value->Init(text.Get());
  return 1;
}

}  // namespace

KxConfigString::KxConfigString() = default;

KxConfigString::~KxConfigString() = default;

int KxConfigString::Variable(const char* name, Streng* value, int mode) {
  if (name == nullptr) return ErrorKode(-1);
  if (value == nullptr) return ErrorKode(-2);
  std::string text = GetString();
  const std::string key = std::string("@") + name;
  const int found = Find(key.c_str(), 0);  // linear in the lengths, whatever the name
  const std::size_t at = found < 0 ? std::string::npos : static_cast<std::size_t>(found);
  if (at == std::string::npos) {
    if (mode == 0) return ErrorKode(-3);
    text += value->IsEmpty() ? key : key + "=" + value->GetString();
    CopyFrom(text.c_str(), -1, 0);
    return 1;
  }
  std::size_t from = at + key.size();  // the value, after one '=' when there is one
  if (from < text.size() && text[from] == '=') ++from;
  std::size_t to = text.find('@', from);  // one past the value
  if (to == std::string::npos) to = text.size();
  if (mode == 2) {
    text.erase(at, to - at);
    CopyFrom(text.c_str(), -1, 0);
    return 1;
  }
  if (mode != 0) {
    if (value->IsEmpty()) return 1;
    text.replace(from, to - from, value->GetString());
    to = from + static_cast<std::size_t>(value->Lengde());
    CopyFrom(text.c_str(), -1, 0);
  }
  value->CopyFrom(Decoded(text.substr(from, to - from)).c_str(), -1, 0);
  return 1;
}

int KxConfigString::Variable(const char* name, int mode) {
  if (name == nullptr) return ErrorKode(-21);
  Streng scratch;
  return Variable(name, &scratch, mode);
}

int KxConfigString::Variable(const char* name, DT_Double* value, int mode) {
  return NumberVariable(*this, name, value, mode, "%.4f");
}

int KxConfigString::Variable(const char* name, DT_Int* value, int mode) {
  return NumberVariable(*this, name, value, mode, nullptr);
}
