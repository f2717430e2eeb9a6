#pragma once
// DT_Longint: a 32-bit integer value object in the interface of a long.
//
// The value is 32 bits wide on every platform (as a long is where the library comes from). The
// operations take and return long, so that a host passes its longs unchanged, but a value outside
// the 32-bit range keeps its low 32 bits when it is stored (Init(long) with 2^32 + 5 stores 5), and
// InitRel wraps as 32-bit addition does. Get() therefore always lies in -2147483648..2147483647.
// Like DT_Int it calls the virtual UtforEtterInit once after every change of its value.

#include <cstdint>

#include "kx/numbers/DT_Heltall.h"

class KX_API DT_Longint : public DT_Heltall {
 public:
  // value, keeping its low 32 bits (implicit, so DT_Longint n = 5L; works).
  DT_Longint(long value);
  template <typename I, kx::IfInteger<I> = 0>
  DT_Longint(I value) : DT_Longint(static_cast<long>(value)) {}
  // The other's value, 0 for null; the default constructor.
  explicit DT_Longint(const DT_Longint* other = nullptr);
  ~DT_Longint() override;
  // Identity: -1 and "DT_Longint".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The value.
  long Get() const;

  using DT_Tall::Init;
  using DT_Tall::SomChar;
  // Sets the value (its low 32 bits); 1.
  int Init(long value);
  template <typename I, kx::IfInteger<I> = 0>
  int Init(I value) {
    return Init(static_cast<long>(value));
  }
  // Sets the other's value; null gives 0 with nothing changed and no error code.
  int Init(const DT_Longint* other);
  // Sets the value read from the start of text as atol reads a 32-bit long: "12.9" gives 12, text
  // that is no number gives 0 and still succeeds; a number beyond the 32-bit range gives the
  // nearest limit. Null text: 0 with last error code -1, value unchanged.
  int Init(char* text) override;

  // Adds d (its low 32 bits); 1. The sum wraps as 32-bit addition does. The object form: null
  // gives 0, nothing changed, no error code.
  int InitRel(long d);
  template <typename I, kx::IfInteger<I> = 0>
  int InitRel(I d) {
    return InitRel(static_cast<long>(d));
  }
  int InitRel(const DT_Longint* other);

  // The value as text, in a 512-byte buffer shared by every DT_Longint and overwritten by the next
  // SomChar of any of them. Without fmt: "%ld". With fmt, as DT_Int::SomChar (the value fits every
  // integer length, so "%d" and "%ld" both work).
  char* SomChar(char* fmt = nullptr) override;

  // Reading is not provided: shows "DT_Longint::Les is not implemented (LBA)." in the application's
  // message box (OK button only) and returns 1; the value is unchanged.
  int Les(const char* prompt = nullptr, int showCurrent = 0);

 private:
  std::int32_t value_;
};
