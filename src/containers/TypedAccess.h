#pragma once
// The typed readers that every list of one kind of object shares (texts, integers, doubles): the
// active object and the object at a position, delivered as the list's element type.

#include "kx/containers/DT_Nodeliste.h"

namespace kx::detail {

// *out becomes the active object (null for a node whose object was cleared); then step 1 moves
// the cursor forward, -1 back, any other step leaves it. 1; 0 for a null out or a cursor off the
// list, *out untouched.
template <typename T>
int GetActiveAs(DT_Nodeliste& list, T** out, int step) {
  if (out == nullptr || list.Aktiv(1) == nullptr) return 0;
  *out = static_cast<T*>(list.Aktiv(0));
  if (step == 1) list.AktiverNeste(1);
  if (step == -1) list.AktiverForrige(1);
  return 1;
}

// *out becomes the object at position and the cursor moves there; 1. 0 for a null out and when
// there is no object at position; *out is then set to null when clearOnMiss, else untouched.
template <typename T>
int GetIndexAs(DT_Nodeliste& list, T** out, int position, bool clearOnMiss = false) {
  if (out == nullptr) return 0;
  HovedObjekt* object = list.GetIndex(position, 0);
  if (object == nullptr) {
    if (clearOnMiss) *out = nullptr;
    return 0;
  }
  *out = static_cast<T*>(object);
  return 1;
}

// Calls visit(object) for each object of the list that is not null, from the first; the cursor
// ends off the list.
template <typename T, typename Visit>
void ForEachAs(DT_Nodeliste& list, Visit visit) {
  for (HovedObjekt* node = list.AktiverForste(1); node != nullptr; node = list.AktiverNeste(1)) {
    if (HovedObjekt* object = list.Aktiv(0)) visit(static_cast<T*>(object));
  }
}

// The ordering test of Sorter for numbers, by their values (Get()) compared exactly: exchange when
// earlier > later for a non-zero direction, when earlier < later for direction 0. A missing object
// is never exchanged.
template <typename T>
int ExchangeByValue(HovedObjekt* earlier, HovedObjekt* later, int direction) {
  if (earlier == nullptr || later == nullptr) return 0;
  const auto a = static_cast<T*>(earlier)->Get();
  const auto b = static_cast<T*>(later)->Get();
  return direction != 0 ? a > b : a < b;
}

}  // namespace kx::detail
