#include "kx/containers/DT_IntListe.h"

#include "containers/TypedAccess.h"
#include "kx/numbers/DT_Int.h"

DT_IntListe::DT_IntListe(int autoSlett) : DT_Nodeliste(autoSlett) {}

DT_IntListe::~DT_IntListe() = default;

int DT_IntListe::KlasseType() const { return -1; }

char* DT_IntListe::KlasseNavn() const {
  static char name[] = "DT_IntListe";
  return name;
}

int DT_IntListe::SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) {
  return kx::detail::ExchangeByValue<DT_Int>(earlier, later, direction);
}

int DT_IntListe::GetAktiv(DT_Int** out, int step) {
  return kx::detail::GetActiveAs(*this, out, step);
}

int DT_IntListe::GetIndex(DT_Int** out, int position) {
  return kx::detail::GetIndexAs(*this, out, position);
}
