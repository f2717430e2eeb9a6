// Fuzz target for HexTall: arbitrary texts (hexadecimal digits in both cases, and any other byte)
// counted up and down, one step and many, and compared. Each step may change only the run of
// digits at the end that carries (or borrows) and the one digit before it; a number of canonical
// digits ('0'-'9', 'A'-'F') grows by exactly one by MindreEnn/StoerreEnn when counted up and
// shrinks when counted down; counting k up and k down gives the number back (with leading zeros
// where it grew a digit); and the comparisons are each other's mirror.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "kx/text/HexTall.h"

namespace {

using kx::fuzz::Input;

constexpr char kDigits[] = "0123456789ABCDEF";

int Value(char c) {
  const std::string lower = "0123456789abcdef", upper = kDigits;
  const std::size_t at = upper.find(c) != std::string::npos ? upper.find(c) : lower.find(c);
  return c != '\0' && at != std::string::npos ? static_cast<int>(at) : 0;
}

bool Canonical(const std::string& text) {
  return text.find_first_not_of(kDigits) == std::string::npos;
}

std::string Digits(Input& in, int max) { return in.TextOf("0123456789ABCDEFabcdefF0F0", max, 224); }

// One step up (delta 1) or down (-1) of before, as the class must count: the digits at the end
// that wrap (F up, 0 down) restart (0 up, F down), the one before them moves by delta; past the
// first digit a "1" goes in front counting up, and counting down fails.
bool Stepped(std::string text, int delta, std::string* out) {
  const int wrap = delta > 0 ? 15 : 0, restart = delta > 0 ? 0 : 15;
  for (std::size_t i = text.size(); i-- > 0;) {
    const int value = Value(text[i]);
    if (value != wrap) {
      text[i] = kDigits[value + delta];
      *out = text;
      return true;
    }
    text[i] = kDigits[restart];
  }
  *out = delta > 0 ? "1" + text : text;
  return delta > 0;
}

void CheckOrder(const HexTall& a, const HexTall& b) {
  const int less = a.MindreEnn(b), greater = b.StoerreEnn(a);
  KX_CHECK((less == 0 || less == 1) && less == greater);
  KX_CHECK(!(less == 1 && b.MindreEnn(a) == 1));
  if (std::string(a.Get()) == b.Get()) KX_CHECK(less == 0 && a.StoerreEnn(b) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::Quiet();
  const bool trace = std::getenv("KX_FUZZ_TRACE") != nullptr;
  Input in(data, size);
  HexTall number(Digits(in, 40).c_str());
  for (int steps = 0; in.More() && steps < 300; ++steps) {
    const std::string before = number.Get();
    const int op = in.Small(7);
    if (trace) std::fprintf(stderr, "op %d on \"%s\"\n", op, before.c_str());
    switch (op) {
      case 0:
      case 1: {  // one step
        const int delta = op == 0 ? 1 : -1;
        std::string expected;
        const bool counted = Stepped(before, delta, &expected);
        KX_CHECK((delta > 0 ? number.Inc(1) : number.Dec(1)) == (counted ? 1 : 0));
        KX_CHECK(std::string(number.Get()) == expected);
        if (Canonical(before) && counted) {
          const HexTall old(before.c_str());
          CheckOrder(delta > 0 ? old : number, delta > 0 ? number : old);
          KX_CHECK((delta > 0 ? old.MindreEnn(number) : number.MindreEnn(old)) == 1);
        }
        break;
      }
      case 2: {  // any other step is refused, the number unchanged
        const unsigned long step = static_cast<unsigned>(in.Int());
        if (step == 1) break;
        KX_CHECK((in.Small(2) == 0 ? number.Inc(step) : number.Dec(step)) == 0);
        KX_CHECK(std::string(number.Get()) == before);
        break;
      }
      case 3: {  // k up, then k down
        if (!Canonical(before)) break;
        const int k = in.Small(400);
        for (int i = 0; i < k; ++i) KX_CHECK(number.Inc(1) == 1);
        const std::size_t grown = static_cast<std::size_t>(number.Lengde()) - before.size();
        for (int i = 0; i < k; ++i) KX_CHECK(number.Dec(1) == 1);
        KX_CHECK(std::string(number.Get()) == std::string(grown, '0') + before);
        break;
      }
      case 4: {
        const HexTall other(Digits(in, 40).c_str());
        CheckOrder(number, other);
        CheckOrder(other, number);
        break;
      }
      case 5: {
        const char c = static_cast<char>(in.Byte());
        KX_CHECK(HexTall::HexVerdi(c) == Value(c));
        break;
      }
      default:
        switch (in.Small(4)) {
          case 0:
            number = HexTall(nullptr);
            KX_CHECK(std::string(number.Get()) == "0");
            break;
          case 1: {
            Streng text;
            text = Digits(in, 40).c_str();
            number = HexTall(&text);
            KX_CHECK(std::string(number.Get()) == text.Get());
            break;
          }
          default:
            number = Digits(in, in.Small(8) == 0 ? 3000 : 40).c_str();
            break;
        }
        break;
    }
  }
  return 0;
}
