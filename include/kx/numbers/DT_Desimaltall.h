#pragma once
// DT_Desimaltall: the abstract decimal number; it adds the count of decimals its text form shows.

#include <cstdint>

#include "kx/numbers/DT_Tall.h"

class KX_API DT_Desimaltall : public DT_Tall {
 public:
  // Two decimals shown.
  DT_Desimaltall();
  ~DT_Desimaltall() override;
  // Identity: -1 and "DT_Desimaltall".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The count of decimals shown, 0 to 255: an n in that range becomes the count, any other n (-1
  // reads) leaves it. Returns the count after the call.
  int AntDesimalerSomVises(int n = -1);

 private:
  std::int32_t decimals_ = 2;
};
