#pragma once
// DT_StringInt: a Streng with an integer attached (a text and, say, its index or code).
//
// Everything but Int() is the Streng behaviour. Copies carry their own DT_Int.

#include "kx/numbers/DT_Int.h"
#include "kx/text/Streng.h"

class KX_API DT_StringInt : public Streng {
 public:
  // The Streng part is a copy of text's text (empty for null), the DT_Int gets number; with both
  // defaulted this is the default constructor.
  explicit DT_StringInt(const Streng* text = nullptr, int number = 0);
  ~DT_StringInt() override;
  // Identity: -1 and "DT_StringInt".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The attached integer; the caller reads and changes it through the reference.
  DT_Int& Int();
  const DT_Int& Int() const;

 private:
  DT_Int int_;
};
