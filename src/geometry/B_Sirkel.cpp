#include "kx/geometry/B_Sirkel.h"

#include <cmath>

#include "foundation/Format.h"
#include "geometry/Shared.h"
#include "kx/geometry/B_Linje.h"
#include "numbers/Tolerance.h"

namespace {

// The host's number of the negative-radius message, and the text without a host.
constexpr long kNegativeRadiusText = 2005;
constexpr const char* kNegativeRadiusDefault = "ERROR: Radius er mindre enn 0.0.";

// Coincident centres, a radius of zero, a tangent line.
constexpr double kFine = 1e-9;
// How far apart (or overlapping) two circles may be and still count as touching.
constexpr double kTouching = 0.0009;

// Writes two plan points into result's ends, z 0.0, when all four coordinates are finite numbers
// (a NaN or infinite centre, radius or line end leaves none). Returns whether it wrote them.
bool SetEnds(B_Linje* result, double x1, double y1, double x2, double y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return false;
  }
  result->StartPunkt()->Init(x1, y1, 0.0);
  result->SluttPunkt()->Init(x2, y2, 0.0);
  return true;
}

}  // namespace

B_Sirkel::B_Sirkel(const DT_Punkt* centre, const DT_Double* radius)
    : DT_Punkt(centre),
      radius_(radius != nullptr ? radius->Get() : 0.0),
      resultNumber_(0.0),
      spare_(nullptr) {
  if (radius_.Get() < 0.0) {
    // The default goes into a buffer of our own: the host may write its text over it.
    char buffer[kx::detail::kTextBufferSize];
    kx::detail::CopyBounded(buffer, sizeof buffer, kNegativeRadiusDefault);
    const char* text = GetTekstNr(kNegativeRadiusText, buffer);
    Error1("%s", text != nullptr ? text : kNegativeRadiusDefault);
  }
}

int B_Sirkel::KlasseType() const { return -1; }

char* B_Sirkel::KlasseNavn() const {
  static char name[] = "B_Sirkel";
  return name;
}

B_Sirkel::~B_Sirkel() = default;

DT_Double* B_Sirkel::Radius(const DT_Double* r) {
  if (r != nullptr) radius_.Init(r->Get());
  UtforEtterInit();
  return &radius_;
}

DT_Double* B_Sirkel::Diameter(const DT_Double* d) {
  if (d != nullptr) radius_.Init(d->Get() / 2);
  resultNumber_.Init(radius_.Get() * 2);
  return &resultNumber_;
}

DT_Double* B_Sirkel::Omkrets() {
  resultNumber_.Init(radius_.Get() * kx::detail::kTwoPi);
  return &resultNumber_;
}

int B_Sirkel::BuepunktIVinkel(const DT_Double* angle, DT_Punkt* out) {
  if (angle == nullptr || out == nullptr) return 0;
  return out->InitPolar(angle, &radius_, this);
}

int B_Sirkel::VinkelIBuepunkt(const DT_Punkt* p, DT_Double* angle) {
  if (p == nullptr || angle == nullptr) return 0;
  AngleTo(p, 0, angle);
  return 1;
}

int B_Sirkel::VinkelLengde(const DT_Double* angle, DT_Double* length) {
  if (angle == nullptr || length == nullptr) return 0;
  length->Init(angle->Get() * radius_.Get());
  return 1;
}

int B_Sirkel::BuepunktRelFraVinkel(const DT_Double* angle, const DT_Double* arc, DT_Punkt* out) {
  if (angle == nullptr || arc == nullptr || out == nullptr) return 0;
  if (kx::detail::Lik(radius_.Get(), 0.0, kFine)) return 0;
  const DT_Double reached(angle->Get() + arc->Get() * (1 / radius_.Get()));
  return BuepunktIVinkel(&reached, out);
}

int B_Sirkel::SkjaeringMed(B_Sirkel* other, B_Linje* result) {
  if (other == nullptr || result == nullptr) return ErrorKode(-1);
  if (other->Lik(this, kFine, 0)) return ErrorKode(1);
  const double r = radius_.Get();
  const double otherR = other->Radius(nullptr)->Get();
  const double dx = other->x() - x();
  const double dy = other->y() - y();
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0.0) return ErrorKode(2);
  // a: from this centre along the line of centres to the foot of the common chord; h: half the
  // chord.
  const double a = (r * r - otherR * otherR) / (2 * d) + d / 2;
  const double gap = std::fabs(a) - r;
  if (gap > kTouching) return ErrorKode(3);
  const double h = std::fabs(gap) < kTouching ? 0.0 : std::sqrt(r * r - a * a);
  const double ux = dx / d;
  const double uy = dy / d;
  // The point right of the direction from this centre to the other's first.
  if (!SetEnds(result, x() + ux * a + uy * h, y() + uy * a - ux * h, x() + ux * a - uy * h,
               y() + uy * a + ux * h)) {
    return ErrorKode(3);
  }
  return 1;
}

int B_Sirkel::SkjaeringMed(const B_Linje* line, B_Linje* result) {
  if (line == nullptr || result == nullptr) return ErrorKode(-1);
  // Relative to the line's start: the coordinates stay small where the circle is near the line.
  const double sx = line->StartPunkt()->x();
  const double sy = line->StartPunkt()->y();
  const double ex = line->SluttPunkt()->x() - sx;
  const double ey = line->SluttPunkt()->y() - sy;
  const double cx = x() - sx;
  const double cy = y() - sy;
  const double r = radius_.Get();
  // The points S + u (E - S) on the circle solve a u^2 + b u + c = 0.
  const double a = ex * ex + ey * ey;
  const double b = -2 * (ex * cx + ey * cy);
  const double c = cx * cx + cy * cy - r * r;
  if (kx::detail::Lik(a, 0.0, kFine)) return ErrorKode(1);
  const double discriminant = b * b - 4 * a * c;
  if (kx::detail::MindreEnn(discriminant, 0.0, kFine)) return ErrorKode(2);
  double u1 = -b / (2 * a);
  double u2 = u1;
  if (!kx::detail::Lik(discriminant, 0.0, kFine)) {
    u1 = (-b - std::sqrt(discriminant)) * (0.5 / a);
    u2 = (-b + std::sqrt(discriminant)) * (0.5 / a);
  }
  if (!SetEnds(result, sx + u1 * ex, sy + u1 * ey, sx + u2 * ex, sy + u2 * ey)) {
    return ErrorKode(2);
  }
  return 1;
}
