#pragma once
// HexTall: a Streng whose text is a non-negative hexadecimal number of any length.
//
// It counts up and down one step at a time directly on its digits, so it never overflows:
// counting up from a number whose digits are all F adds a digit ("FF" becomes "100"). Digits are
// written '0' to '9' and 'A' to 'F'; 'a' to 'f' are read as well. Leading zeros stay and count in
// the length. Any other character counts as the digit 0. Numbers compare by length first, then
// byte by byte, so "0F" is larger than "F".
//
// Class identity stays that of Streng (-1, "Streng"). UtforEtterInit is an empty body of its own.

#include <cstddef>

#include "kx/text/Streng.h"

class KX_API HexTall : public Streng {
 public:
  // text, taken literally (not as a format); a null text gives "0".
  explicit HexTall(const char* text = "0");
  // A copy of text's text; null gives "0".
  explicit HexTall(const Streng* text);
  // "0": HexTall(nullptr) is a null text, whichever kind.
  explicit HexTall(std::nullptr_t);
  HexTall(const HexTall& other) = default;
  HexTall& operator=(const HexTall& other) = default;
  // The text becomes s literally (null: empty), as Streng's assignment does.
  using Streng::operator=;
  ~HexTall() override;

  // The value of one digit: '0' to '9' give 0 to 9, 'a'/'A' to 'f'/'F' give 10 to 15, every other
  // character 0.
  static int HexVerdi(char c);

  // Counts up by one: step must be 1. The last digit below F goes up one, the F digits after it
  // become 0; when every digit was F (or the text is empty) a "1" goes in front. 1. Any other
  // step shows "Kan ikke incrementere med <step>." (error box, title "Message"; the step printed
  // as a 32-bit int) and gives 0, the number unchanged.
  int Inc(unsigned long step);
  // Counts down by one: step must be 1. The last digit above 0 goes down one, the 0 digits after it
  // become F; 1. No digit is removed ("100" becomes "0FF"). A number that was zero gives 0 and is
  // left with every digit F ("00" becomes "FF"). Any other step shows "Kan ikke decrementere med
  // <step>." and gives 0, the number unchanged.
  int Dec(unsigned long step);

  // 1 when this number is smaller than other: a shorter text is smaller, a longer one is not; texts
  // of equal length compare byte by byte (strcmp). Else 0.
  int MindreEnn(const HexTall& other) const;
  // 1 when this number is greater than other: a longer text is greater, a shorter one is not; at
  // equal length, when strcmp is positive. Else 0.
  int StoerreEnn(const HexTall& other) const;

 protected:
  // Does nothing.
  void UtforEtterInit() override;

 private:
  // Walks the digits from the last one: a digit other than `wrap` moves one step by `delta`; a
  // `wrap` digit becomes `restart` and the walk goes on to the left. True when a digit stopped the
  // walk, false when it passed the first digit.
  bool Step(int delta, int wrap, int restart);
};
