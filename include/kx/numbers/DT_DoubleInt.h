#pragma once
// DT_DoubleInt: a DT_Double with an integer attached (a value and, say, its index or code).
//
// Everything but Int() is the DT_Double behaviour. Copies carry their own DT_Int.

#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"

class KX_API DT_DoubleInt : public DT_Double {
 public:
  // The DT_Double part gets value (two decimals shown), the DT_Int gets number.
  DT_DoubleInt(double value, int number = 0);
  template <typename I, kx::IfInteger<I> = 0>
  DT_DoubleInt(I value, int number = 0) : DT_DoubleInt(static_cast<double>(value), number) {}
  // The DT_Double part gets the other's value (0.0 for null), the DT_Int gets number; with both
  // defaulted this is the default constructor.
  explicit DT_DoubleInt(const DT_Double* other = nullptr, int number = 0);
  ~DT_DoubleInt() override;
  // Identity: -1 and "DT_DoubleInt".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The attached integer; the caller reads and changes it through the reference.
  DT_Int& Int();
  const DT_Int& Int() const;

 private:
  DT_Int int_;
};
