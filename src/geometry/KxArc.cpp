#include "kx/geometry/KxArc.h"

#include <algorithm>
#include <cmath>

#include "geometry/Shared.h"

using kx::detail::kPi;
using kx::detail::kTwoPi;

KxArc::KxArc(const DT_Punkt* start, const DT_Double* bulge, const DT_Punkt* end)
    : start_(start), end_(end), bulge_(bulge), bulgeKnown_(1) {}

KxArc::KxArc(const double start[3], double bulge, const double end[3])
    : start_(start), end_(end), bulge_(bulge), bulgeKnown_(1) {}

KxArc::KxArc(const DT_Punkt* start, const DT_Punkt* end, const DT_Double* radius,
             const DT_Double* length)
    : bulgeKnown_(0) {
  // A failed construction stays in radius form with every member zero: the arc then answers its
  // (zero) radius and length as given, and the first measure that needs the bulge reports the
  // zero radius instead of measuring a made-up arc.
  if (start == nullptr || end == nullptr || radius == nullptr || length == nullptr) {
    Error1(
        "KxArc::KxArc:\n Feil i opprettelse av objektet Arc.\n Ingen av parametrene kan v\x91re "
        "NULL");
    return;
  }
  start_.Init(start);
  end_.Init(end);
  radius_.Init(radius);
  length_.Init(length);
}

KxArc::~KxArc() = default;

int KxArc::KlasseType() const { return -1; }

char* KxArc::KlasseNavn() const {
  static char name[] = "KxArc";
  return name;
}

DT_Double* KxArc::Bulge(int direction) {
  if (bulgeKnown_ == 1) return &bulge_;
  if (direction == 0) direction = radius_.Get() < 0.0 ? -1 : 1;
  double angle = 0.0;
  if (radius_.Lik(0.0, 1e-9)) {
    Error1("KxArc::Bulge:\n\nThe radius can not be 0.0.");
  } else {
    angle = length_.Get() / radius_.Abs();
  }
  bulge_.Init(std::tan(angle / 4.0) * -static_cast<double>(direction));
  bulgeKnown_ = 1;
  return &bulge_;
}

double KxArc::KordeLengde() {
  DT_Double chord;
  return start_.AvstandTil(&end_, 0, &chord)->Get();
}

double KxArc::Hoyde() {
  if (bulgeKnown_ == 0) Bulge(0);
  return std::fabs(KordeLengde() * bulge_.Get() / 2.0);
}

double KxArc::Radius() {
  if (bulgeKnown_ == 0) return radius_.Get();
  const double chord = KordeLengde();
  double sagitta = Hoyde();
  if (sagitta == 0.0) sagitta = 1e-5;
  radius_.Init((chord * chord / 4.0 + sagitta * sagitta) / (2.0 * sagitta));
  return radius_.Get();
}

double KxArc::Vinkel() {
  if (bulgeKnown_ == 0) Bulge(0);
  const double half = KordeLengde() / 2.0;
  const double r = Radius();
  // The radius is never shorter than half the chord; on a half circle rounding can make it a hair
  // shorter, and the centre then lies on the chord rather than nowhere (a NaN).
  const double d = std::sqrt(std::max(r * r - half * half, 0.0));
  double angle = DT_Double(d).Lik(0.0, 1e-9) ? kPi : 2.0 * std::atan(half / d);
  if (std::fabs(r) < Hoyde()) angle = kTwoPi - angle;  // the major arc
  return angle;
}

double KxArc::Lengde() {
  // Vinkel() never exceeds 2π, so no whole turn has to be taken off.
  const double angle = Vinkel();
  length_.Init(angle * Radius());
  return length_.Get();
}

double (*KxArc::SenterPunkt())[3] {
  if (bulgeKnown_ == 0) Bulge(0);
  DT_Double direction;
  start_.AngleTo(&end_, 0, &direction);
  const double side = bulge_.Get() < 0.0 ? -1.0 : 1.0;
  centre_.InitPolar(direction.Get(), KordeLengde() / 2.0, *start_.Get());
  centre_.InitPolar(direction.Get() + side * kPi / 2.0, Radius() - Hoyde(), nullptr);
  return centre_.Get();
}

double KxArc::StartVinkel() {
  SenterPunkt();
  DT_Double angle;
  return centre_.AngleTo(&start_, 0, &angle)->Get();
}

double KxArc::SluttVinkel() {
  SenterPunkt();
  DT_Double angle;
  return centre_.AngleTo(&end_, 0, &angle)->Get();
}

double KxArc::CircleAt(const DT_Double* v, unsigned along, double ccwSide) {
  if (v == nullptr) return 0.0;
  SenterPunkt();
  const double d = v->Get() - centre_[along];
  const double r = Radius();
  const double side = bulge_.Get() > 0.0 ? ccwSide : -ccwSide;
  return centre_[1 - along] + side * std::sqrt(r * r - d * d);
}

double KxArc::YiXPos(const DT_Double* x) { return CircleAt(x, 0, -1.0); }

// The x at a y is computed rather than left at 0.0: a 0.0 for every y would look like an answer.
// It is YiXPos with x and y exchanged; exchanging them also exchanges the turning directions, so a
// counter-clockwise arc, whose chord runs towards increasing y, lies on the right (larger x) half.
double KxArc::XiYPos(const DT_Double* y) { return CircleAt(y, 1, 1.0); }
