#include "kx/profile/QP_Linjeidentitet.h"

QP_Linjeidentitet::QP_Linjeidentitet(const Streng*) : Streng() { Streng::operator=("Udefinert"); }

int QP_Linjeidentitet::KlasseType() const { return -1; }

char* QP_Linjeidentitet::KlasseNavn() const {
  static char name[] = "QP_Linjeidentitet";
  return name;
}

QP_Linjeidentitet::~QP_Linjeidentitet() = default;

int QP_Linjeidentitet::SetAktivIKALMO() { return 0; }

int QP_Linjeidentitet::InitFraListe() { return 0; }
