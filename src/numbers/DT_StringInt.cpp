#include "kx/numbers/DT_StringInt.h"

DT_StringInt::DT_StringInt(const Streng* text, int number) : Streng(text), int_(number) {}

int DT_StringInt::KlasseType() const { return -1; }

char* DT_StringInt::KlasseNavn() const {
  static char name[] = "DT_StringInt";
  return name;
}

DT_StringInt::~DT_StringInt() = default;

DT_Int& DT_StringInt::Int() { return int_; }

const DT_Int& DT_StringInt::Int() const { return int_; }
