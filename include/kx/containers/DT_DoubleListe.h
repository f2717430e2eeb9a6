#pragma once
// DT_DoubleListe: a DT_Nodeliste of DT_Double objects, with typed access, ordering by value and a
// look-up within a tolerance.
//
// The cursor rules, the ownership flag (with AutoSlett 1, the default, the list deletes its
// numbers) and the removals are those of DT_Nodeliste. Every object in the list must be a
// DT_Double (or of a class derived from it); the inherited LeggTil and Insert do not check. A node
// whose object a caller cleared holds no number: GetAktiv delivers null for it, Exist passes over
// it and Sorter never moves it.

#include "kx/containers/DT_Nodeliste.h"

class DT_Double;

class KX_API DT_DoubleListe : public DT_Nodeliste {
 private:
  // The order of Sorter, by the values compared exactly (no tolerance): non-zero direction
  // exchanges when earlier > later (ascending), direction 0 when earlier < later (descending).
  // Equal values, and pairs with a NaN, are never exchanged.
  int SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) override;

 public:
  // An empty list; autoSlett as for DT_Nodeliste (1 owns the numbers).
  explicit DT_DoubleListe(int autoSlett = 1);
  ~DT_DoubleListe() override;
  // Identity: -1 and "DT_DoubleListe".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // *out becomes the active number (null for a node with no number); then step 1 moves the cursor
  // to the next node, -1 to the previous one, any other step leaves it; 1. 0 for a null out and
  // when the cursor is off the list (*out untouched).
  int GetAktiv(DT_Double** out, int step);
  // The base list's positional access stays available beside the typed form below.
  using DT_Nodeliste::GetIndex;
  // *out becomes the number at position (0-based) and the cursor moves there; 1. 0 for a null out
  // and when there is no number at position (the cursor then off the list, *out untouched).
  int GetIndex(DT_Double** out, int position);

  // The position (0-based) of the first number whose virtual Lik(value, tolerance) holds, that is
  // whose value lies strictly within tolerance of value's (a tolerance of 0 never matches): 1, and
  // *index (when index is not null) receives it. No match: 0 with last error code -1. Null value:
  // 0 with last error code -2. A cursor that was on a node is put back there (through the virtual
  // Aktiver(DT_Node*)); one that was off the list ends on the match, or off the list without one.
  int Exist(const DT_Double* value, int* index, double tolerance);
};
