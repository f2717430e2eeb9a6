// DT_IntListe, DT_DoubleListe and AdsRealListe: the operations of a table, walking and the cursor,
// bad input.

#include <gtest/gtest.h>

#include "kx/containers/AdsRealListe.h"
#include "kx/containers/DT_IntListe.h"
#include "kx/containers/DT_Node.h"
#include "kx/numbers/DT_Int.h"
#include "support/Table.h"
#include "support/NumberTest.h"

using kx::test::Values;

namespace {

// The position of object in list, -1 for null.
int PositionOf(DT_Nodeliste& list, const HovedObjekt* object) {
  int i = 0;
  while (object != nullptr && i < list.Antall() && list.GetIndex(i, 0) != object) ++i;
  return object != nullptr ? i : -1;
}

TEST(TypedLists, OperationsFromTheTable) {
  constexpr int kUnset = 4711;  // the last error code before each call ('-' in the table)
  for (const auto& row : kx::test::Table("containers/lists.cases")) {
    const std::string op = row.Head()[0];
    const double arg = row.Head().size() > 1 ? kx::test::Number(row.Head()[1]) : 0.0;
    Values expected, out;
    for (const auto& f : row.cells[2]) expected.push_back(f == "-" ? kUnset : kx::test::Number(f));
    DT_IntListe ints;
    AdsRealListe reals;
    for (const auto& f : row.cells[1]) {
      op == "sortint" ? ints.LeggTil(new DT_Int(std::stoi(f)))
                      : reals.LeggTilReal(kx::test::Number(f));
    }
    reals.ErrorKode(kUnset);
    ints.Sorter(static_cast<int>(arg));
    for (DT_Int* i = nullptr; op == "sortint" && ints.GetIndex(&i, out.size()) != 0;)
      out.push_back(i->Get());
    if (op == "sort") reals.Sorter(static_cast<int>(arg));
    for (DT_Double* d = nullptr; op == "sort" && reals.GetIndex(&d, out.size()) != 0;)
      out.push_back(d->Get());
    DT_Double value(op == "mean" ? -7.0 : arg), *min = nullptr, *max = nullptr;
    int index = -1;
    if (op == "exist")
      out = {reals.Exist(&value, &index, kx::test::Number(row.Head()[2])), index};
    if (op == "extremes")
      out = {reals.EkstremalVerdier(&min, &max), PositionOf(reals, min), PositionOf(reals, max)};
    if (op == "exist" || op == "extremes") out.push_back(reals.ErrorKode(-9999));
    if (op == "sum") out = {reals.Sum(&value), value.Get()};
    if (op == "mean") out = {reals.Gjennomsnitt(&value), value.Get()};
    if (op == "over" || op == "under")
      out = {op == "over" ? reals.AntallOver(arg) : reals.AntallUnder(arg)};
    EXPECT_EQ(out, expected) << row.where;
  }
}

TEST(TypedLists, WalksKeepTheCursorAndRefuseBadInput) {
  AdsRealListe reals;
  DT_IntListe ints;
  DT_Double *d = nullptr, other(5.0), two(2.0), three(3.0), mean;
  DT_Int* i = nullptr;
  const DT_Double* noLimit = nullptr;
  EXPECT_EQ(Values({reals.GetAktiv(&d, 1), reals.GetNeste(&d), reals.GetForrige(nullptr),
                    ints.GetAktiv(&i, 1), ints.GetIndex(&i, 0), reals.Sum(&other),
                    reals.Gjennomsnitt(nullptr), reals.AntallOver(0), reals.AntallUnder(noLimit),
                    reals.Exist(nullptr, nullptr, 1), reals.ErrorKode(-9999), other.Get()}),
            Values({0, 0, 0, 0, 0, 0, 0, 0, -1, 0, -2, 5}));
  for (double v : {1.0, 2.0, 3.0}) reals.LeggTilReal(v);
  DT_Double *kept = &other, *cleared = &other;
  int index = -1;
  // GetIndex of a missing position: AdsRealListe clears the out pointer, DT_DoubleListe does not.
  // Exist puts a cursor that was on a node back there; one that was off ends on the match.
  EXPECT_EQ(
      Values({reals.EkstremalVerdier(&d, nullptr), reals.ErrorKode(-9999),
              static_cast<DT_DoubleListe&>(reals).GetIndex(&kept, 3), kept == &other,
              reals.GetIndex(&cleared, 3), cleared == nullptr, reals.GetIndex(&d, 2),
              reals.Exist(&two, &index, 1e-9), index, reals.Index(), reals.Aktiv(0) == d,
              reals.AktiverNeste(0) == nullptr, reals.Exist(&two, nullptr, 1e-9), reals.Index()}),
      Values({0, -2, 0, 1, 0, 1, 1, 1, 1, 2, 1, 1, 1, 1}));
  // Walking: the last one is delivered and the cursor goes off the list.
  const auto got = [&d](int result) { return result != 0 ? d->Get() : -1.0; };
  reals.AktiverForste(0);
  EXPECT_EQ(Values({got(reals.GetNeste(&d)), got(reals.GetNeste(&d)), got(reals.GetForrige(&d)),
                    got(reals.GetAktiv(&d, 0)), reals.AktiverSiste(0) != nullptr,
                    got(reals.GetAktiv(&d, 1)), got(reals.GetAktiv(&d, 1))}),
            Values({1, 2, 3, 2, 1, 3, -1}));
  // A node without a number is passed over; its position still counts.
  HovedObjekt* middle = reals.GetIndex(1, 0);
  static_cast<DT_Node*>(reals.GetIndex(1, 1))->SetDette(nullptr);
  DT_Double *min = nullptr, *max = nullptr;
  EXPECT_EQ(Values({reals.Sorter(0), reals.Gjennomsnitt(&mean), mean.Get(), reals.AntallOver(0),
                    reals.EkstremalVerdier(&min, &max), min->Get(), max->Get(),
                    reals.Exist(&three, &index, 0.5), index}),
            Values({1, 1, 2, 2, 1, 1, 3, 1, 2}));
  delete middle;
}

}  // namespace
