#include "kx/text/KxLanguage.h"

KxLanguage::KxLanguage() = default;

KxLanguage::~KxLanguage() = default;

int KxLanguage::KlasseType() const { return -1; }

char* KxLanguage::KlasseNavn() const {
  static char name[] = "KxLanguage";
  return name;
}

Streng* KxLanguage::Code(const Streng* s) {
  if (s != nullptr) code_.CopyFrom("UK");
  return &code_;
}

int KxLanguage::GetName(Streng* name) {
  if (name == nullptr) return 0;
  name->CopyFrom("English");
  return 1;
}
