#include "kx/containers/DT_DoubleListe.h"

#include "containers/TypedAccess.h"
#include "kx/containers/DT_Node.h"
#include "kx/numbers/DT_Double.h"

DT_DoubleListe::DT_DoubleListe(int autoSlett) : DT_Nodeliste(autoSlett) {}

DT_DoubleListe::~DT_DoubleListe() = default;

int DT_DoubleListe::KlasseType() const { return -1; }

char* DT_DoubleListe::KlasseNavn() const {
  static char name[] = "DT_DoubleListe";
  return name;
}

int DT_DoubleListe::SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) {
  return kx::detail::ExchangeByValue<DT_Double>(earlier, later, direction);
}

int DT_DoubleListe::GetAktiv(DT_Double** out, int step) {
  return kx::detail::GetActiveAs(*this, out, step);
}

int DT_DoubleListe::GetIndex(DT_Double** out, int position) {
  return kx::detail::GetIndexAs(*this, out, position);
}

int DT_DoubleListe::Exist(const DT_Double* value, int* index, double tolerance) {
  if (value == nullptr) return ErrCode(-2);
  auto* const active = static_cast<DT_Node*>(Aktiv(1));
  int found = -1;
  int position = 0;
  for (HovedObjekt* node = AktiverForste(1); node != nullptr; node = AktiverNeste(1), ++position) {
    auto* number = static_cast<DT_Double*>(Aktiv(0));
    if (number != nullptr && number->Lik(const_cast<DT_Double*>(value), tolerance) != 0) {
      found = position;
      break;
    }
  }
  if (active != nullptr) Aktiver(active);
  if (found < 0) return ErrCode(-1);
  if (index != nullptr) *index = found;
  return 1;
}
