#pragma once
// AdsRealListe: a DT_DoubleListe with the statistics of a column of reals: extremes, sum, mean and
// the counts above and below a limit.
//
// Values are compared exactly (no tolerance). Every walk starts at the first number and leaves the
// cursor off the list. Nodes whose object a caller cleared hold no number and are passed over.

#include "kx/containers/DT_DoubleListe.h"
#include "kx/numbers/DT_Double.h"

class KX_API AdsRealListe : public DT_DoubleListe {
 public:
  // An empty list; autoSlett as for DT_Nodeliste (1 owns the numbers).
  explicit AdsRealListe(int autoSlett = 1);
  ~AdsRealListe() override;
  // Identity: -1 and "AdsRealListe".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Appends a new DT_Double holding value; 1.
  virtual int LeggTilReal(double value);

  // The base list's positional access stays available beside the typed form below.
  using DT_Nodeliste::GetIndex;
  // *out becomes the number at position and the cursor moves there; 1. 0 for a null out; 0 with
  // *out set to null when there is no number at position (the cursor then off the list).
  int GetIndex(DT_Double** out, int position);
  // *out becomes the active number, then the cursor moves to the next (previous) node; 1. 0 for a
  // null out and when the cursor is off the list (*out untouched).
  int GetNeste(DT_Double** out);
  int GetForrige(DT_Double** out);

  // *min and *max point at the numbers in the list with the smallest and the largest value (of
  // equal values the earliest); nothing is copied. The smallest starts at 1.7e308 and the largest
  // at -1.7e308, and a value replaces one only when it lies strictly beyond it (a NaN never does).
  // *min and *max are not cleared first: 1 when both are not null after the walk, else 0. Empty
  // list: 0 with last error code -1; a null min or max: 0 with code -2.
  int EkstremalVerdier(DT_Double** min, DT_Double** max);
  // Adds every value, in list order, to sum (onto what it holds; its hook runs for each); 1. 0 for
  // a null sum or an empty list, sum unchanged.
  int Sum(DT_Double* sum);
  // mean becomes the sum of the values divided by their number; 1. 0 for a null mean or a list
  // without numbers, mean unchanged.
  int Gjennomsnitt(DT_Double* mean);
  // The number of values strictly above (below) limit; 0 for an empty list. The object forms give
  // -1 for a null limit. An integer limit is a number: AntallOver(0) counts the positive values.
  int AntallOver(double limit);
  int AntallOver(const DT_Double* limit);
  int AntallUnder(double limit);
  int AntallUnder(const DT_Double* limit);
  template <typename I, kx::IfInteger<I> = 0>
  int AntallOver(I limit) {
    return AntallOver(static_cast<double>(limit));
  }
  template <typename I, kx::IfInteger<I> = 0>
  int AntallUnder(I limit) {
    return AntallUnder(static_cast<double>(limit));
  }
};
