#pragma once
// QP_Linjeidentitet: the identity text of a profile line.
//
// A Streng that starts as "Udefinert" and adds two operations that a host may redefine: selecting
// the line in the host's line register and filling the identity from a list. Here both do nothing.

#include "kx/text/Streng.h"

class KX_API QP_Linjeidentitet : public Streng {
 public:
  // The text "Udefinert"; the argument is not read.
  explicit QP_Linjeidentitet(const Streng* unused = nullptr);
  QP_Linjeidentitet(const QP_Linjeidentitet& other) = default;
  QP_Linjeidentitet& operator=(const QP_Linjeidentitet& other) = default;
  ~QP_Linjeidentitet() override;
  // Identity: -1 and "QP_Linjeidentitet".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Makes the line the active one in the host's line register: does nothing here, returns 0.
  virtual int SetAktivIKALMO();
  // Fills the identity from a list: does nothing here, returns 0.
  virtual int InitFraListe();
};
