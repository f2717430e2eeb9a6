// Fuzz target for KxConfigString: an arbitrary settings text, then reads, writes and deletes of
// arbitrary names and values through every form of Variable (text, flag, number, integer) and
// with every mode. Each step is held to what the class promises: a variable is found by the first
// "@name" in the text; a read leaves the text alone; a write replaces the value up to the next '@'
// (or appends "@name=value" when the name is missing) and hands back what a read now gives; a
// delete removes the variable up to the next '@'; a number written reads back as its "%.4f" text,
// an integer as itself.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"
#include "kx/text/KxConfigString.h"

namespace {

using kx::fuzz::Input;

// What a text operation does to the settings text; false when it fails (a read of a missing name).
bool Expected(std::string& text, const std::string& name, const std::string& value, int mode) {
  const std::string key = "@" + name;
  const std::size_t at = text.find(key);
  if (at == std::string::npos) {
    if (mode == 0) return false;
    text += value.empty() ? key : key + "=" + value;
    return true;
  }
  std::size_t from = at + key.size();
  if (from < text.size() && text[from] == '=') ++from;
  std::size_t to = text.find('@', from);
  if (to == std::string::npos) to = text.size();
  if (mode == 2) {
    text.erase(at, to - at);
  } else if (mode != 0 && !value.empty()) {
    text.replace(from, to - from, value);
  }
  return true;
}

// Texts made mostly of the characters that matter: '@', '=', '\' and digits.
std::string Piece(Input& in, int max) { return in.TextOf("@=\\0123456789ABab", max, 192); }

int Mode(Input& in) {
  const int pick = in.Small(8);
  return pick < 3 ? pick : pick == 3 ? in.Int() : pick % 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::Quiet();
  const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  Input in(data, size);
  KxConfigString config;
  config = Piece(in, in.Small(8) == 0 ? 2000 : 60).c_str();
  for (int steps = 0; in.More() && steps < 200; ++steps) {
    const std::string before = config.Get();
    const std::string name = Piece(in, 6);
    const int mode = Mode(in);
    const int form = in.Small(6);
    if (trace) std::fprintf(stderr, "form %d, mode %d, name \"%s\"\n", form, mode, name.c_str());
    // A name with '@' may find a later variable after a write; the others read what they wrote.
    const bool plainName = name.find('@') == std::string::npos;
    switch (form) {
      case 0:
      case 1: {  // as text
        const std::string given = Piece(in, 30);
        Streng value;
        value = given.c_str();
        std::string text = before;
        const bool found = Expected(text, name, given, mode);
        const int result = config.Variable(name.c_str(), &value, mode);
        KX_CHECK(result == (found ? 1 : 0));
        KX_CHECK(std::string(config.Get()) == text);
        if (!found) KX_CHECK(config.ErrorKode(-9999) == -3);
        const bool wrote = mode != 0 && mode != 2 && !given.empty();
        // What a read gives now: what the call handed back, and a value written without '\'
        // as it was given. (Not checked for a value with '@', which ends it, and a value starting
        // with '=' written after a name without '=': that '=' then reads as the separator.)
        if (plainName && found &&
            (mode == 0 || (wrote && given.find('@') == std::string::npos && given[0] != '='))) {
          Streng read;
          KX_CHECK(config.Variable(name.c_str(), &read, 0) == 1);
          const bool appended = before.find("@" + name) == std::string::npos;
          if (!appended) KX_CHECK(std::string(read.Get()) == value.Get());
          if (wrote && given.find('\\') == std::string::npos) KX_CHECK(given == read.Get());
        }
        break;
      }
      case 2: {  // a flag
        std::string text = before;
        const bool found = Expected(text, name, "", mode);
        KX_CHECK(config.Variable(name.c_str(), mode) == (found ? 1 : 0));
        KX_CHECK(std::string(config.Get()) == text);
        break;
      }
      case 3: {  // a number: reads back as its text with four decimals
        const double x = in.Real();
        DT_Double value(x), read(-1.0);
        const int result = config.Variable(name.c_str(), &value, mode);
        if (mode != 0) KX_CHECK(result == 1);
        if (plainName && mode != 0 && mode != 2) {
          char text[600];
          std::snprintf(text, sizeof text, "%.4f", x);
          KX_CHECK(config.Variable(name.c_str(), &read, 0) == 1);
          KX_CHECK(kx::fuzz::Same(read.Get(), std::strtod(text, nullptr)));
        }
        break;
      }
      case 4: {  // an integer: reads back as itself
        const int i = in.Int();
        DT_Int value(i), read(-1);
        const int result = config.Variable(name.c_str(), &value, mode);
        if (mode != 0) KX_CHECK(result == 1);
        if (plainName && mode != 0 && mode != 2) {
          KX_CHECK(config.Variable(name.c_str(), &read, 0) == 1 && read.Get() == i);
        }
        break;
      }
      default: {  // missing arguments, and the object as its own value
        Streng value;
        KX_CHECK(config.Variable(nullptr, &value, mode) == 0 && config.ErrorKode(-9999) == -1);
        KX_CHECK(config.Variable(name.c_str(), static_cast<Streng*>(nullptr), mode) == 0 &&
                 config.ErrorKode(-9999) == -2);
        KX_CHECK(config.Variable(nullptr, mode) == 0 && config.ErrorKode(-9999) == -21);
        KX_CHECK(config.Variable(name.c_str(), static_cast<DT_Double*>(nullptr), mode) == 0 &&
                 config.ErrorKode(-9999) == -21);
        KX_CHECK(std::string(config.Get()) == before);
        if (config.Lengde() < 4000) config.Variable(name.c_str(), &config, mode);
        break;
      }
    }
    if (config.Lengde() > 20000) config.SlettFra(20000);
    KX_CHECK(std::string(config.Get()).size() == static_cast<std::size_t>(config.Lengde()));
  }
  return 0;
}
