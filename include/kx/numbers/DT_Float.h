#pragma once
// DT_Float: a single-precision value object.
//
// Like DT_Double it has a value, constructors from a value and from another object, Get, Init and
// InitRel and a text form, and it calls the virtual UtforEtterInit once after every change of its
// value. It carries the shown-decimals count of DT_Desimaltall, but its text form does not use it.
// It has no arithmetic beyond InitRel, no rounding and no comparisons.

#include "kx/numbers/DT_Desimaltall.h"

class KX_API DT_Float : public DT_Desimaltall {
 public:
  // value, two decimals shown (implicit, so DT_Float f = 2.5f; works).
  DT_Float(float value);
  template <typename I, kx::IfInteger<I> = 0>
  DT_Float(I value) : DT_Float(static_cast<float>(value)) {}
  // The other's value, 0 for null; the default constructor.
  explicit DT_Float(const DT_Float* other = nullptr);
  ~DT_Float() override;
  // Identity: -1 and "DT_Float".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The value.
  float Get() const;

  using DT_Tall::Init;
  using DT_Tall::SomChar;
  // Sets the value; 1.
  int Init(float value);
  template <typename I, kx::IfInteger<I> = 0>
  int Init(I value) {
    return Init(static_cast<float>(value));
  }
  // Sets the other's value; null gives 0 with nothing changed and no error code.
  int Init(const DT_Float* other);
  // Sets the value read from the start of text as a double (strtod), rounded to float: "12.9"
  // gives 12.9f, text that is no number gives 0 and still succeeds, a number beyond the float
  // range gives an infinity. Null text: 0 with last error code -1, value unchanged.
  int Init(char* text) override;

  // Adds d, the sum rounded to float; 1. The object form: null gives 0, nothing changed, no error
  // code.
  int InitRel(float d);
  template <typename I, kx::IfInteger<I> = 0>
  int InitRel(I d) {
    return InitRel(static_cast<float>(d));
  }
  int InitRel(const DT_Float* other);

  // The value (passed as a double) as text, in a 512-byte buffer shared by every DT_Float and
  // overwritten by the next SomChar of any of them. Without fmt: "%f", whatever the shown-decimals
  // count. With fmt, as DT_Double::SomChar.
  char* SomChar(char* fmt = nullptr) override;

  // Reading is not provided: shows "DT_Float::Les() is not implemented (LBA)" in the application's
  // message box (OK button only) and returns 0; the value is unchanged.
  int Les(const char* prompt = nullptr, int showCurrent = 0);

 private:
  float value_;
};
