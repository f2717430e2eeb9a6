#include "kx/geometry/B_Vinkel.h"

#include <cmath>

#include "geometry/Shared.h"

namespace {

using kx::detail::kPi;
using kx::detail::kTwoPi;

// An angle this close below a whole turn is taken as 0.
constexpr double kTurnAccuracy = 1e-9;
// How close to the vink2 end of a sector an angle still counts as inside.
constexpr double kSectorAccuracy = 1e-5;

// v brought into [0, 2*pi) by whole turns, as InitMellom0og2PI does; false for a NaN or an
// infinity, which no number of turns brings in.
//
// Subtracting 2*pi until the value is below it would take a step per turn (half a million for
// 1e6*pi) and never end once the spacing of doubles near v exceeds 2*pi (about 1e16), where v -
// 2*pi rounds back to v. fmod gives the exact remainder after whole turns in one step, the same
// value one subtraction gives in the usual case of an angle below two turns.
bool Normalise(double v, double& result) {
  if (!std::isfinite(v)) return false;
  double r = std::fmod(v, kTwoPi);  // exact, with v's sign, |r| < 2*pi
  if (r < 0.0) r += kTwoPi;         // a tiny negative r rounds up to 2*pi itself
  if (DT_Double(r).Lik(kTwoPi, kTurnAccuracy)) r = 0.0;
  result = r;
  return true;
}

}  // namespace

B_Vinkel::B_Vinkel(double v) : DT_Double(v), spare_(0.0) {}

B_Vinkel::B_Vinkel(const DT_Double* v) : DT_Double(v != nullptr ? v->Get() : 0.0), spare_(0.0) {}

int B_Vinkel::KlasseType() const { return -1; }

char* B_Vinkel::KlasseNavn() const {
  static char name[] = "B_Vinkel";
  return name;
}

B_Vinkel::~B_Vinkel() = default;

int B_Vinkel::InitMellom0og2PI() {
  double normalised = 0.0;
  if (!Normalise(Get(), normalised)) return ErrorKode(-1);
  if (normalised != Get()) Init(normalised);
  return 1;
}

int B_Vinkel::Mellom(const DT_Double* vink1, const DT_Double* vink2, int bothWays) {
  if (vink1 == nullptr) return Error1("ERROR: B_Vinkel::Mellom vink1=NULL.");
  if (vink2 == nullptr) return Error1("ERROR: B_Vinkel::Mellom vink2=NULL.");
  double span = 0.0;
  if (!Normalise(vink1->Get() - vink2->Get(), span)) return ErrorKode(-1);
  double a = Get();
  const int passes = bothWays != 0 ? 2 : 1;
  for (int pass = 1; pass <= passes; ++pass) {
    double rel = 0.0;
    if (!Normalise(vink1->Get() - a, rel)) return ErrorKode(-1);
    if (span > rel || DT_Double(rel).Lik(span, kSectorAccuracy)) return pass;
    // The sector covers more than half a turn: the opposite direction lies in it.
    if (span > kPi && bothWays != 0) return 2;
    if (bothWays != 0) a += kPi;
    InitMellom0og2PI();
  }
  return 0;
}
