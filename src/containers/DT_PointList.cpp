#include "kx/containers/DT_PointList.h"

#include <cmath>

#include "kx/containers/DT_Node.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"

namespace {

// The list holds points; a node whose object was cleared holds none.
DT_Punkt* PointOf(HovedObjekt* object) { return static_cast<DT_Punkt*>(object); }
DT_Node* NodeOf(HovedObjekt* node) { return static_cast<DT_Node*>(node); }

// Where a null limit of Klipp lies.
constexpr double kNoLowerLimit = -99999999.0;
constexpr double kNoUpperLimit = 99999999.0;

// Linear interpolation on the segment p1-p2 at the value v of coordinate `along` (0 x, 1 y): out
// becomes the point with v there, the interpolated value in coordinate `across`, and z 0.
int InterpolateSegment(DT_Punkt* out, const DT_Punkt* p1, const DT_Punkt* p2, const DT_Double* v,
                       unsigned along, unsigned across) {
  if (out == nullptr || p1 == nullptr || p2 == nullptr || v == nullptr) return 0;
  const double value = v->Get();
  // Ordered along the coordinate; equal values keep p1 first.
  const DT_Punkt& lo = (*p2)[along] < (*p1)[along] ? *p2 : *p1;
  const DT_Punkt& hi = &lo == p1 ? *p2 : *p1;
  // Written so that a NaN value lies outside: both ends are inside.
  if (!(lo[along] <= value && value <= hi[along])) return 0;
  const double run = hi[along] - lo[along];
  if (run == 0.0) return 0;  // perpendicular to the axis: no single point
  const double rise = hi[across] - lo[across];
  double result[3] = {0.0, 0.0, 0.0};
  result[along] = value;
  result[across] = lo[across] + (value - lo[along]) * (rise / run);
  return out->Init(result[0], result[1], result[2]);
}

}  // namespace

DT_PointList::DT_PointList(int autoSlett) : DT_Nodeliste(autoSlett) {}

DT_PointList::DT_PointList(const DT_PointList& other) : DT_Nodeliste(1) {
  DataType::operator=(other);  // the class type
  AppendCopiesOf(other);
}

DT_PointList& DT_PointList::operator=(const DT_PointList& other) {
  if (this == &other) return *this;
  SlettAlleIListen(AutoSlett());
  DataType::operator=(other);
  AutoSlett(1);  // the copies are ours alone
  AppendCopiesOf(other);
  return *this;
}

int DT_PointList::KlasseType() const { return -1; }

char* DT_PointList::KlasseNavn() const {
  static char name[] = "DT_PointList";
  return name;
}

DT_PointList::~DT_PointList() = default;

void DT_PointList::AppendCopiesOf(const DT_PointList& other) {
  for (auto* node = NodeOf(other.Forste(1)); node != nullptr; node = NodeOf(node->GetNeste())) {
    const DT_Punkt* point = PointOf(node->GetDette());
    if (point != nullptr) LeggTil(new DT_Punkt(*point));
  }
}

// Walking -------------------------------------------------------------------------------------

int DT_PointList::GetNeste(DT_Punkt** out) {
  if (out == nullptr || Aktiv(1) == nullptr) return 0;
  *out = PointOf(Aktiv(0));
  AktiverNeste(1);
  return 1;
}

int DT_PointList::GetForrige(DT_Punkt** out) {
  if (out == nullptr || Aktiv(1) == nullptr) return 0;
  *out = PointOf(Aktiv(0));
  AktiverForrige(1);
  return 1;
}

int DT_PointList::GetIndex(DT_Punkt** out, int position) {
  if (out == nullptr) return 0;
  DT_Punkt* point = PointOf(DT_Nodeliste::GetIndex(position, 0));
  if (point == nullptr) return 0;
  *out = point;
  return 1;
}

int DT_PointList::Init(DT_PointList* other) {
  if (other == nullptr) return ErrCode(-1);
  // Counted first: Init(this) must not copy the copies it appends.
  const int count = other->Antall();
  other->AktiverForste(0);
  DT_Punkt* point = nullptr;
  for (int k = 0; k < count && other->GetNeste(&point) != 0; ++k) {
    if (point != nullptr) LeggTil(new DT_Punkt(point));
  }
  return 1;
}

// Bounds ---------------------------------------------------------------------------------------

int DT_PointList::EkstremalPunkter(DT_Double* minX, DT_Double* maxX, DT_Double* minY,
                                   DT_Double* maxY, DT_Double* minZ, DT_Double* maxZ) {
  double low[3] = {9999999999.0, 9999999999.0, 9999999999.0};
  double high[3] = {-9999999999.0, -9999999999.0, -9999999999.0};
  for (HovedObjekt* node = AktiverForste(1); node != nullptr; node = AktiverNeste(1)) {
    const DT_Punkt* point = PointOf(NodeOf(node)->GetDette());
    if (point == nullptr) continue;
    for (unsigned i = 0; i < 3; ++i) {
      if ((*point)[i] < low[i]) low[i] = (*point)[i];
      if ((*point)[i] > high[i]) high[i] = (*point)[i];
    }
  }
  DT_Double* const results[6] = {minX, maxX, minY, maxY, minZ, maxZ};
  for (unsigned i = 0; i < 6; ++i) {
    if (results[i] != nullptr) results[i]->Init(i % 2 == 0 ? low[i / 2] : high[i / 2]);
  }
  return 1;
}

// Interpolation --------------------------------------------------------------------------------

int DT_PointList::InterpolerMHP_X(DT_Punkt* out, DT_Punkt* p1, DT_Punkt* p2, DT_Double* x) {
  return InterpolateSegment(out, p1, p2, x, 0, 1);
}

int DT_PointList::InterpolerMHP_Y(DT_Punkt* out, DT_Punkt* p1, DT_Punkt* p2, DT_Double* y) {
  return InterpolateSegment(out, p1, p2, y, 1, 0);
}

int DT_PointList::ScanSegments(DT_Punkt* out, DT_Double* value, SegmentForm segment) {
  AktiverForste(0);
  DT_Punkt* previous = nullptr;
  if (GetNeste(&previous) == 0) return 0;
  DT_Punkt* current = nullptr;
  while (GetNeste(&current) != 0) {
    if ((this->*segment)(out, previous, current, value) != 0) return 1;
    previous = current;
  }
  return 0;
}

int DT_PointList::InterpolerMHP_X(DT_Punkt* out, DT_Double* x) {
  if (out == nullptr || x == nullptr) return ErrorKode(-1);
  // Through a pointer to the virtual member: a derived segment form is the one called.
  if (ScanSegments(out, x, static_cast<SegmentForm>(&DT_PointList::InterpolerMHP_X)) != 0) return 1;
  return ErrorKode(-2);
}

int DT_PointList::InterpolerMHP_Y(DT_Punkt* out, DT_Double* y) {
  if (out == nullptr || y == nullptr) return 0;
  return ScanSegments(out, y, static_cast<SegmentForm>(&DT_PointList::InterpolerMHP_Y));
}

// Clipping -------------------------------------------------------------------------------------

int DT_PointList::Klipp(DT_Double* xLow, DT_Double*, DT_Double* xHigh, DT_Double*) {
  // The y limits are not used: clipping is in x only.
  if (AktiverForste(1) == nullptr) return 0;
  const DT_Punkt* first = PointOf(Forste(0));
  if (first != nullptr && first->x() < (xLow != nullptr ? xLow->Get() : kNoLowerLimit)) {
    ClipEnd(xLow, false);
  }
  const DT_Punkt* last = PointOf(Siste(0));
  if (last != nullptr && last->x() > (xHigh != nullptr ? xHigh->Get() : kNoUpperLimit)) {
    ClipEnd(xHigh, true);
  }
  AktiverSiste(1);
  return 1;
}

void DT_PointList::ClipEnd(DT_Double* limit, bool back) {
  // Segments from the clipped end inwards; each that does not reach the limit costs a point.
  int outside = 0;
  DT_Punkt crossing;
  for (auto* node = NodeOf(back ? Siste(1) : Forste(1)); node != nullptr;) {
    auto* inner = NodeOf(back ? node->GetForrige() : node->GetNeste());
    if (inner == nullptr) break;
    auto* outer = PointOf(node->GetDette());
    auto* earlier = back ? PointOf(inner->GetDette()) : outer;
    auto* later = back ? outer : PointOf(inner->GetDette());
    if (InterpolerMHP_X(&crossing, earlier, later, limit) != 0) {
      if (outer != nullptr) outer->Init(&crossing);
      break;
    }
    ++outside;
    node = inner;
  }
  for (int k = 0; k < outside; ++k) {
    // The list made these points or was given them: they go whatever the ownership flag says.
    if (back) AktiverSiste(1);
    delete (back ? TaUtAktiv() : TaUtForste());
  }
}

// Nearest point --------------------------------------------------------------------------------

int DT_PointList::GetNearestTo(const DT_Punkt* target, DT_Punkt* result, DT_Int* index,
                               int planes) {
  if (target == nullptr) return ErrCode(-2);
  if (result == nullptr) return ErrCode(-3);
  const int keptIndex = Index();
  if (Antall() == 0) {
    Aktiver(keptIndex);
    return ErrCode(-1);
  }
  double best = 999999999999.0;
  int bestIndex = -1;  // no point near enough
  DT_Punkt* nearest = nullptr;
  DT_Double distance;
  for (HovedObjekt* node = AktiverForste(1); node != nullptr; node = AktiverNeste(1)) {
    DT_Punkt* point = PointOf(NodeOf(node)->GetDette());
    if (point == nullptr) continue;
    point->AvstandTil(target, planes, &distance);
    // MindreEnn holds for a NaN: such a distance must not win.
    if (!std::isnan(distance.Get()) && distance.MindreEnn(best, 1e-9) != 0) {
      best = distance.Get();
      bestIndex = Index();
      nearest = point;
    }
  }
  if (nearest != nullptr) result->Init(nearest);
  if (index != nullptr) index->Init(bestIndex);
  Aktiver(keptIndex);
  return 1;
}
