#pragma once
// What every fuzz target shares: the check that aborts (so that libFuzzer keeps the input), the
// reader that turns the input into the arguments of operations, and a host that shows nothing.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "kx/platform/MessageBox.h"

#define KX_CHECK(condition)                                                        \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (0)

namespace kx::fuzz {

// The operations' arguments, read from the input; 0 once it is used up.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  unsigned Byte() { return at_ < size_ ? data_[at_++] : 0u; }
  int Small(int n) { return static_cast<int>(Byte() % static_cast<unsigned>(n)); }
  int Int() {
    unsigned value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= Byte() << shift;
    return static_cast<int>(value);
  }
  double Real() {
    const int kind = Small(4);
    if (kind == 0) {  // any bit pattern: NaNs, infinities, denormals
      const std::uint64_t low = static_cast<std::uint32_t>(Int());
      const std::uint64_t bits = low | std::uint64_t{static_cast<std::uint32_t>(Int())} << 32;
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    return Int() / 64.0;
  }
  // Up to max - 1 bytes; a NUL inside ends the text where the library sees it.
  std::string Text(int max = 24) {
    std::string text;
    for (int n = Small(max); n > 0; --n) text += static_cast<char>(Byte());
    return text;
  }
  // Up to max - 1 characters, most of them from pieces (a byte below share picks one), the others
  // any byte; cut at a NUL, as the library sees it.
  std::string TextOf(const char* pieces, int max, unsigned share) {
    const auto count = static_cast<unsigned>(std::strlen(pieces));
    std::string text;
    for (int n = Small(max); n > 0; --n) {
      const unsigned b = Byte();
      text += b < share ? pieces[b % count] : static_cast<char>(Byte());
    }
    return text.c_str();
  }
  // A position or count for a text of length characters: mostly near the text, sometimes any int
  // or one of the values with a meaning of their own.
  int Position(int length) {
    static const int kSpecial[] = {0, -1, 9999, 10000, -9999, INT32_MIN, INT32_MAX, 510, 511, 512};
    switch (Small(4)) {
      case 0:
        return Small(length + 3);
      case 1:
        return Small(length + 3) - 2;
      case 2:
        return Int();
      default:
        return kSpecial[Small(sizeof kSpecial / sizeof kSpecial[0])];
    }
  }
  // The rest of the input.
  std::string Rest() {
    std::string rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Makes every message box answer OK at once, without showing anything (the built-in host
// interface shows its messages in the platform box too). Call once, at the start of each input.
inline void Quiet() {
  static const bool installed = [] {
    kx::platform::SetMessageBoxHandler([](const char*, const char*, unsigned) { return 1; });
    return true;
  }();
  (void)installed;
}

// Runs a target's harness: one Step(in) after the other while the input lasts, at most steps.
template <typename Harness>
int RunSteps(const std::uint8_t* data, std::size_t size, int steps) {
  Quiet();
  Input in(data, size);
  Harness harness;
  for (int k = 0; in.More() && k < steps; ++k) harness.Step(in);
  return 0;
}

// Whether two doubles are the same value: equal, or both NaN.
inline bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace kx::fuzz
