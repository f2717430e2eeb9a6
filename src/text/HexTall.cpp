#include "kx/text/HexTall.h"

#include <cstring>

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

HexTall::HexTall(const char* text) { Streng::operator=(text != nullptr ? text : "0"); }

HexTall::HexTall(const Streng* text) {
  Streng::operator=(text != nullptr ? text->GetString() : "0");
}

HexTall::HexTall(std::nullptr_t) : HexTall("0") {}

HexTall::~HexTall() = default;

void HexTall::UtforEtterInit() {}

int HexTall::HexVerdi(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

bool HexTall::Step(int delta, int wrap, int restart) {
  char* digits = Get();
  for (int i = Lengde() - 1; i >= 0; --i) {
    const int value = HexVerdi(digits[i]);
    if (value != wrap) {
      digits[i] = kDigits[value + delta];
      return true;
    }
    digits[i] = kDigits[restart];
  }
  return false;
}

int HexTall::Inc(unsigned long step) {
  // The step is printed as the 32-bit int it is on the library's home platform, so Inc(-1) reads
  // "-1".
  if (step != 1) return Error1("Kan ikke incrementere med %d.", static_cast<int>(step));
  if (!Step(1, 15, 0)) Insert('1', 0);
  return 1;
}

int HexTall::Dec(unsigned long step) {
  if (step != 1) return Error1("Kan ikke decrementere med %d.", static_cast<int>(step));
  return Step(-1, 0, 15) ? 1 : 0;
}

int HexTall::MindreEnn(const HexTall& other) const {
  if (Lengde() != other.Lengde()) return Lengde() < other.Lengde();
  return std::strcmp(GetString(), other.GetString()) < 0;
}

int HexTall::StoerreEnn(const HexTall& other) const {
  if (Lengde() != other.Lengde()) return Lengde() > other.Lengde();
  return std::strcmp(GetString(), other.GetString()) > 0;
}
