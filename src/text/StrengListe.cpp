#include "kx/text/StrengListe.h"

#include "containers/TypedAccess.h"
#include "kx/text/Streng.h"

namespace {

// -1, 0 or 1 as a sorts before, equal to or after b (see SorterObj in the header).
int CompareForSort(const Streng* a, const Streng* b) {
  const char* x = a != nullptr ? a->GetString() : "";
  const char* y = b != nullptr ? b->GetString() : "";
  for (; *x != '\0' && *y != '\0'; ++x, ++y) {
    const auto cx = static_cast<signed char>(Streng::UpChr(*x));
    const auto cy = static_cast<signed char>(Streng::UpChr(*y));
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  return 0;
}

}  // namespace

StrengListe::StrengListe(int autoSlett) : DT_Nodeliste(autoSlett) {}

StrengListe::~StrengListe() = default;

int StrengListe::SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) {
  const int order =
      CompareForSort(static_cast<const Streng*>(earlier), static_cast<const Streng*>(later));
  return direction != 0 ? order > 0 : order < 0;
}

int StrengListe::SkrivUtObj() {
  kx::detail::ForEachAs<Streng>(*this, [](Streng* s) { s->SkrivUtObj(); });
  return 1;
}

int StrengListe::LeggTilStreng(char* text) {
  if (text == nullptr) return 0;
  auto* s = new Streng();
  *s = text;  // literally, not as a format
  return LeggTil(s);
}

int StrengListe::GetAktiv(Streng** out, int step) {
  return kx::detail::GetActiveAs(*this, out, step);
}

int StrengListe::GetIndex(Streng** out, int position) {
  return kx::detail::GetIndexAs(*this, out, position);
}

int StrengListe::Finnes(const Streng* text, int exactCase, int countAll, Streng** first,
                        int* index) {
  if (text == nullptr) return Error1("Argument 'omDenneFinnes'=NULL");
  AktiverForste(0);
  Streng key(*text);
  if (exactCase == 0) key.UpStr(nullptr);
  int matches = 0;
  Streng* element = nullptr;
  for (int position = 0; GetAktiv(&element, 1) != 0; ++position) {
    if (element == nullptr) continue;
    Streng upper(*element);
    if (exactCase == 0) upper.UpStr(nullptr);
    Streng* compared = exactCase != 0 ? element : &upper;
    if (compared->Lik(key.Get(), -1, 0) == 0) continue;
    if (matches == 0 && first != nullptr) *first = element;
    ++matches;
    if (index != nullptr) *index = position;
    if (countAll == 0) return 1;
  }
  return matches;
}
