#include "kx/numbers/DT_DoubleInt.h"

DT_DoubleInt::DT_DoubleInt(double value, int number) : DT_Double(value), int_(number) {}

DT_DoubleInt::DT_DoubleInt(const DT_Double* other, int number) : DT_Double(other), int_(number) {}

int DT_DoubleInt::KlasseType() const { return -1; }

char* DT_DoubleInt::KlasseNavn() const {
  static char name[] = "DT_DoubleInt";
  return name;
}

DT_DoubleInt::~DT_DoubleInt() = default;

DT_Int& DT_DoubleInt::Int() { return int_; }

const DT_Int& DT_DoubleInt::Int() const { return int_; }
