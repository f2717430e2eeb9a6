#include "kx/profile/QP_LinjePaalegg.h"

#include <algorithm>
#include <cmath>

#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/ProfileQueries.h"
#include "profile/CurveTable.h"

namespace {

using kx::detail::kFine;
using kx::detail::Outcome;
using kx::detail::ProfileAccess;

// GetMaxMinHeigth refuses a scan of more steps than this: a tenth of a second of heights at most
// in an optimised build, a second with the sanitizers (the profile fuzz target allows a call 2 s).
// On a profile whose heights walk the windows in list order it counts the windows each height may
// look at.
constexpr double kMaxScanSteps = 2e6;

}  // namespace

QP_LinjePaalegg::QP_LinjePaalegg()
    : DT_PointList(1), gruppeNummer_(0.0), temakode_(0.0), linjeIdentitet_(), modes_(0) {}

int QP_LinjePaalegg::KlasseType() const { return -1; }

char* QP_LinjePaalegg::KlasseNavn() const {
  static char name[] = "QP_LinjePaalegg";
  return name;
}

QP_LinjePaalegg::~QP_LinjePaalegg() = default;

QP_LinjePaalegg::QP_LinjePaalegg(const QP_LinjePaalegg& other) = default;

QP_LinjePaalegg& QP_LinjePaalegg::operator=(const QP_LinjePaalegg& other) = default;

// An assigned profile starts without a table (a profile assigned to itself keeps its own).
QP_LinjePaalegg::TableSlot& QP_LinjePaalegg::TableSlot::operator=(const TableSlot& other) {
  if (this != &other) {
    delete table;
    table = nullptr;
  }
  return *this;
}

QP_LinjePaalegg::TableSlot::~TableSlot() { delete table; }

Streng* QP_LinjePaalegg::LinjeIdentitet(const Streng* s) {
  if (s != nullptr) linjeIdentitet_.Init(s);
  return &linjeIdentitet_;
}

DT_Double* QP_LinjePaalegg::GruppeNummer(const DT_Double* v) {
  if (v != nullptr) gruppeNummer_.Init(v);
  return &gruppeNummer_;
}

DT_Double* QP_LinjePaalegg::Temakode(const DT_Double* v) {
  if (v != nullptr) temakode_.Init(v);
  return &temakode_;
}

int QP_LinjePaalegg::Modes(int flags, int op) {
  // The curve table records the curve shape it was built for: a changed word needs no notice here.
  switch (op) {
    case kx::kModesTest:
      return (modes_.Get() & flags) != 0 ? 1 : 0;
    case kx::kModesSet:
      modes_.Init(modes_.Get() | flags);
      return modes_.Get();
    case kx::kModesReplace:
      modes_.Init(flags);
      return modes_.Get();
    default:
      return modes_.Get();
  }
}

int QP_LinjePaalegg::InitVedInvoke(const Streng*) { return 0; }

int QP_LinjePaalegg::Overfor_VHA_Dialog(const Streng*, const DT_Double*, const DT_Double*) {
  return 0;
}

int QP_LinjePaalegg::InitFromLineHandle(const Streng&, int) { return 0; }

// Heights --------------------------------------------------------------------------------------

int QP_LinjePaalegg::HoydeIProfil(DT_Double* height, const DT_Double* chainage) {
  if (Antall() < 2 || height == nullptr || chainage == nullptr) return ErrorKode(-5);
  const kx::detail::CurveTable& table = ProfileAccess::Table(*this);
  const double x = chainage->Get();
  Outcome o;
  if (!table.SpanOutcome(x, &o)) o = table.Height(x);
  ProfileAccess::PlaceCursor(*this, table, o);
  ErrorKode(o.code);
  if (o.result == 1) height->Init(o.y);
  return o.result;
}

int QP_LinjePaalegg::GetHeightExt(const DT_Double* chainage, DT_Double* lineHeight,
                                  DT_Double* profileHeight, DT_Double* difference) {
  if (chainage == nullptr) return ErrorKode(-1);
  if (lineHeight == nullptr && profileHeight == nullptr && difference == nullptr) {
    return ErrorKode(-2);
  }
  if (profileHeight != nullptr && HoydeIProfil(profileHeight, chainage) == 0) {
    return ErrorKode(ErrorKode(-9999) - 100);
  }
  if (lineHeight != nullptr) {
    DT_Punkt onPolygon;
    if (InterpolerMHP_X(&onPolygon, chainage) == 0) return ErrorKode(-4);
    lineHeight->Init(onPolygon.y());
  }
  if (difference != nullptr) {
    if (lineHeight == nullptr || profileHeight == nullptr) return ErrorKode(-3);
    difference->Init(lineHeight->Get() - profileHeight->Get());
  }
  return 1;
}

int QP_LinjePaalegg::GetMaxMinHeigth(DT_Double* minHeight, DT_Double* maxHeight,
                                     const DT_Double* from, const DT_Double* to,
                                     const DT_Double* step) {
  if (minHeight == nullptr && maxHeight == nullptr) return ErrorKode(-1);
  const kx::detail::CurveTable& table = ProfileAccess::Table(*this);
  if (Antall() < 2 || table.Count() < 2) return ErrorKode(-2);
  double lowest = 999999.9;
  double highest = -999999.9;
  // The position steps on as DT_Double::InitRel steps it.
  double position = from != nullptr ? from->Get() : table.At(0).x;
  const double end = to != nullptr ? to->Get() : table.At(table.Count() - 1).x;
  const double stride = step != nullptr ? step->Get() : 10.0;
  // Ends that are no finite number are not in order either.
  if (!std::isfinite(position) || !std::isfinite(end) ||
      kx::detail::StorreEllerLik(position, end, kFine)) {
    return ErrorKode(-3);
  }
  // A step of 0 or less (or a NaN) never reaches the end: refused like an empty range.
  if (!(stride > 0.0)) return ErrorKode(-3);
  const double looks = table.Searchable() ? 1.0 : std::max(1, table.Count() - 2);
  if ((end - position) / stride * looks > kMaxScanSteps) return ErrorKode(-4);

  // Each position is asked as HoydeIProfil asks it (well inside a grade or curve the table's span
  // answers at once); the cursor and last error code end as the last height asked left them.
  Outcome o;
  int hint = 0;
  std::size_t span = 0;
  for (bool atEnd = false; !atEnd;) {
    // Positions at least 1e-4 below the end, then the end itself.
    atEnd = !kx::detail::MindreEnn(position, end, 1e-4);
    if (atEnd) position = end;
    double y = 0.0;
    if (atEnd || !table.SpanHeight(position, &span, &y)) {
      o = table.Height(position, &hint);
      if (o.result == 0) {
        ProfileAccess::PlaceCursor(*this, table, o);
        return ErrorKode(o.code - 100);
      }
      y = o.y;
    }
    if (kx::detail::StorreEnn(y, highest, kFine)) highest = y;
    if (kx::detail::MindreEnn(y, lowest, kFine)) lowest = y;
    // A step too small to move the position on would never reach the end either.
    if (!atEnd && !(position + stride > position)) {
      ProfileAccess::PlaceCursor(*this, table, table.Height(position, &hint));
      return ErrorKode(-3);
    }
    position = position + stride;
  }
  ProfileAccess::PlaceCursor(*this, table, o);
  ErrorKode(o.code);
  if (minHeight != nullptr) minHeight->Init(lowest);
  if (maxHeight != nullptr) maxHeight->Init(highest);
  return 1;
}
