#include "kx/profile/QP_Linjeidentitet.h"

QP_Linjeidentitet::QP_Linjeidentitet(const Streng*) : Streng() { Streng::operator=("Udefinert"); }

QP_Linjeidentitet::~QP_Linjeidentitet() = default;

int QP_Linjeidentitet::SetAktivIKALMO() { return 0; }

int QP_Linjeidentitet::InitFraListe() { return 0; }
