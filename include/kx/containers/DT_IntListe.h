#pragma once
// DT_IntListe: a DT_Nodeliste of DT_Int objects, with typed access and ordering by value.
//
// The cursor rules, the ownership flag (with AutoSlett 1, the default, the list deletes its
// numbers) and the removals are those of DT_Nodeliste. Every object in the list must be a DT_Int
// (or of a class derived from it); the inherited LeggTil and Insert do not check. A node whose
// object a caller cleared holds no number: GetAktiv delivers null for it and Sorter never moves it.

#include "kx/containers/DT_Nodeliste.h"

class DT_Int;

class KX_API DT_IntListe : public DT_Nodeliste {
 private:
  // The order of Sorter, by the values compared exactly: non-zero direction exchanges when earlier
  // > later (ascending), direction 0 when earlier < later (descending). Equal values are never
  // exchanged, so they keep their order.
  int SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) override;

 public:
  // An empty list; autoSlett as for DT_Nodeliste (1 owns the numbers).
  explicit DT_IntListe(int autoSlett = 1);
  ~DT_IntListe() override;
  // Identity: -1 and "DT_IntListe".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // *out becomes the active number (null for a node with no number); then step 1 moves the cursor
  // to the next node, -1 to the previous one, any other step leaves it; 1. 0 for a null out and
  // when the cursor is off the list (*out untouched).
  int GetAktiv(DT_Int** out, int step);
  // The base list's positional access stays available beside the typed form below.
  using DT_Nodeliste::GetIndex;
  // *out becomes the number at position (0-based) and the cursor moves there; 1. 0 for a null out
  // and when there is no number at position (the cursor then off the list, *out untouched).
  int GetIndex(DT_Int** out, int position);
};
