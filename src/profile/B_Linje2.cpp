#include "profile/B_Linje2.h"

#include "geometry/Shared.h"

namespace {

// Degrees and gon per radian, as the profile's angle units use them.
constexpr double kDegrees = 57.29577951;
constexpr double kGon = 63.66197723;

}  // namespace

B_Linje2::B_Linje2(const DT_Punkt* start, const DT_Punkt* end)
    : B_Linje(start, end), angle_(0.0), spare_() {}

int B_Linje2::KlasseType() const { return -1; }

char* B_Linje2::KlasseNavn() const {
  static char name[] = "B_Linje2";
  return name;
}

B_Linje2::~B_Linje2() = default;

DT_Double* B_Linje2::VinkelMellom(B_Linje* other, int unit) {
  if (other == nullptr) return nullptr;
  const double theirs = other->Vinkel()->Get();
  angle_.Init(theirs - Vinkel()->Get());
  const double factor = unit == 1 ? kDegrees : unit == 2 ? kGon : 1.0;
  if (unit == 1 || unit == 2) angle_.InitMult(factor);
  const double half = kx::detail::kPi * factor;
  angle_.SnuFortegn(1);
  if (angle_.Get() > half) angle_.Init(2 * half - angle_.Get());
  return &angle_;
}

DT_Double* B_Linje2::AvstandMedFortegn(const DT_Punkt* p, DT_Punkt* foot, int* inside) {
  const DT_Punkt copy(p);
  return DistTo3DLine(copy, foot, inside);
}
