#include "kx/numbers/DT_Heltall.h"

DT_Heltall::DT_Heltall() = default;

int DT_Heltall::KlasseType() const { return -1; }

char* DT_Heltall::KlasseNavn() const {
  static char name[] = "DT_Heltall";
  return name;
}

DT_Heltall::~DT_Heltall() = default;
