#include "kx/numbers/DT_Desimaltall.h"

namespace {

constexpr int kMostDecimals = 255;

}  // namespace

DT_Desimaltall::DT_Desimaltall() = default;

int DT_Desimaltall::KlasseType() const { return -1; }

char* DT_Desimaltall::KlasseNavn() const {
  static char name[] = "DT_Desimaltall";
  return name;
}

DT_Desimaltall::~DT_Desimaltall() = default;

int DT_Desimaltall::AntDesimalerSomVises(int n) {
  if (n >= 0 && n <= kMostDecimals) decimals_ = n;
  return decimals_;
}
