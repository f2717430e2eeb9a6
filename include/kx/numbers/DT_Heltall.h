#pragma once
// DT_Heltall: the abstract integer, root of DT_Int and DT_Longint. It adds nothing; an object of
// this class itself answers Init and SomChar with the placeholders of DT_Tall.

#include "kx/numbers/DT_Tall.h"

class KX_API DT_Heltall : public DT_Tall {
 public:
  DT_Heltall();
  ~DT_Heltall() override;
  // Identity: -1 and "DT_Heltall".
  int KlasseType() const override;
  char* KlasseNavn() const override;
};
