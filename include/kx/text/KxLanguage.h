#pragma once
// KxLanguage: the language of the user interface. It always answers English.

#include "kx/text/Streng.h"

class KX_API KxLanguage : public HovedObjekt {
 public:
  // An empty language code.
  KxLanguage();
  KxLanguage(const KxLanguage& other) = default;
  KxLanguage& operator=(const KxLanguage& other) = default;
  ~KxLanguage() override;
  // Identity: -1 and "KxLanguage".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // With a non-null s the code becomes "UK" (s is not read, nor changed). Returns the object's own
  // code: empty until the first call with a non-null s.
  Streng* Code(const Streng* s);
  // name becomes "English"; 1. Null: 0.
  int GetName(Streng* name);

 private:
  Streng code_;
};
