#include "kx/containers/AdsRealListe.h"

#include "containers/TypedAccess.h"

namespace {

using kx::detail::ForEachAs;

// The number of values v of the list for which counted(v) holds.
template <typename Test>
int CountValues(DT_Nodeliste& list, Test counted) {
  int count = 0;
  ForEachAs<DT_Double>(list, [&](DT_Double* d) { count += counted(d->Get()) ? 1 : 0; });
  return count;
}

}  // namespace

AdsRealListe::AdsRealListe(int autoSlett) : DT_DoubleListe(autoSlett) {}

AdsRealListe::~AdsRealListe() = default;

int AdsRealListe::KlasseType() const { return -1; }

char* AdsRealListe::KlasseNavn() const {
  static char name[] = "AdsRealListe";
  return name;
}

int AdsRealListe::LeggTilReal(double value) { return LeggTil(new DT_Double(value)); }

int AdsRealListe::GetIndex(DT_Double** out, int position) {
  return kx::detail::GetIndexAs(*this, out, position, true);
}

int AdsRealListe::GetNeste(DT_Double** out) { return kx::detail::GetActiveAs(*this, out, 1); }

int AdsRealListe::GetForrige(DT_Double** out) { return kx::detail::GetActiveAs(*this, out, -1); }

int AdsRealListe::EkstremalVerdier(DT_Double** min, DT_Double** max) {
  if (Antall() == 0) return ErrorKode(-1);
  if (min == nullptr || max == nullptr) return ErrorKode(-2);
  double smallest = 1.7e308;
  double largest = -1.7e308;
  ForEachAs<DT_Double>(*this, [&](DT_Double* d) {
    if (d->Get() < smallest) {
      smallest = d->Get();
      *min = d;
    }
    if (d->Get() > largest) {
      largest = d->Get();
      *max = d;
    }
  });
  return *min != nullptr && *max != nullptr ? 1 : 0;
}

int AdsRealListe::Sum(DT_Double* sum) {
  if (sum == nullptr || Antall() == 0) return 0;
  ForEachAs<DT_Double>(*this, [sum](DT_Double* d) { sum->InitRel(d); });
  return 1;
}

int AdsRealListe::Gjennomsnitt(DT_Double* mean) {
  if (mean == nullptr) return 0;
  const int count = CountValues(*this, [](double) { return true; });
  if (count < 1) return 0;
  DT_Double sum(0.0);
  Sum(&sum);
  return mean->Init(sum.Get() / count);
}

int AdsRealListe::AntallOver(double limit) {
  return CountValues(*this, [limit](double v) { return v > limit; });
}

int AdsRealListe::AntallOver(const DT_Double* limit) {
  return limit != nullptr ? AntallOver(limit->Get()) : -1;
}

int AdsRealListe::AntallUnder(double limit) {
  return CountValues(*this, [limit](double v) { return v < limit; });
}

int AdsRealListe::AntallUnder(const DT_Double* limit) {
  return limit != nullptr ? AntallUnder(limit->Get()) : -1;
}
