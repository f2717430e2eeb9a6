#pragma once
// DT_Int: a 32-bit integer value object (int).
//
// Like DT_Double it has a value, constructors from a value and from another object, Get, Init and
// InitRel, a text form and interactive reading, and it calls the virtual UtforEtterInit once after
// every change of its value (never in a constructor, an assignment or a failed operation). It has
// no arithmetic beyond InitRel and no comparisons.

#include "kx/numbers/DT_Heltall.h"

class KX_API DT_Int : public DT_Heltall {
 public:
  // value (implicit, so DT_Int i = 5; works).
  DT_Int(int value);
  // The other's value, 0 for null; the default constructor.
  explicit DT_Int(const DT_Int* other = nullptr);
  ~DT_Int() override;
  // Identity: -1 and "DT_Int".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The value.
  int Get() const;

  using DT_Tall::Init;
  using DT_Tall::SomChar;
  // Sets the value; 1.
  int Init(int value);
  // Sets the other's value; null gives 0 with nothing changed and no error code.
  int Init(const DT_Int* other);
  // Sets the value read from the start of text as atoi reads it: "12.9" gives 12, text that is no
  // number gives 0 and still succeeds; a number beyond the 32-bit range gives the nearest limit
  // (2147483647 or -2147483648). Null text: 0 with last error code -1, value unchanged.
  int Init(char* text) override;

  // Adds d; 1. The sum wraps as 32-bit addition does. The object form: null gives 0, nothing
  // changed, no error code.
  int InitRel(int d);
  int InitRel(const DT_Int* other);

  // The value as text, in a 512-byte buffer shared by every DT_Int and overwritten by the next
  // SomChar of any of them. Without fmt: "%d". With fmt the value is formatted by the printf rules;
  // fmt must read it with exactly one of the conversions d i o u x X (optionally with flags, width,
  // precision and the length hh, h, l or ll) and may hold other text and "%%". Any other format
  // (also a width or precision above 511) gives an empty text and last error code -1. The text is
  // cut at 511 characters.
  char* SomChar(char* fmt = nullptr) override;

  // Reads the value through the current host interface (which must be an IO_Enhet), as
  // DT_Double::Les does, with LesTall(int*): 1 when a number was read; 0 with the value unchanged
  // when the read fails or the host interface is not an IO_Enhet.
  int Les(const char* prompt = nullptr, int showCurrent = 0);

 private:
  int value_;
};
