#include "profile/B_Sirkel2.h"

#include <cmath>

#include "geometry/Shared.h"
#include "profile/B_Linje2.h"
#include "profile/ProfileMath.h"

B_Sirkel2::B_Sirkel2(const DT_Punkt* centre, const DT_Double* radius)
    : B_Sirkel(centre, radius), side_(0.0), work_(centre, radius), chord_() {}

int B_Sirkel2::KlasseType() const { return -1; }

char* B_Sirkel2::KlasseNavn() const {
  static char name[] = "B_Sirkel2";
  return name;
}

B_Sirkel2::~B_Sirkel2() = default;

B_Linje* B_Sirkel2::Korde() { return &chord_; }

double B_Sirkel2::Tangentlengde() const { return tangent_; }

void B_Sirkel2::InitFraSirkel(B_Sirkel* other) {
  if (other == nullptr) return;
  Init(other->x(), other->y(), other->z());
  Radius(other->Radius());
}

B_Sirkel* B_Sirkel2::InitAvrunding(const DT_Double* radius, const DT_Punkt* c, const DT_Punkt* b,
                                   const DT_Punkt* a, B_Linje* chordOut, int copyCircle, int flag,
                                   DT_Double* angleOut) {
  if (c == nullptr || b == nullptr || a == nullptr) return &work_;
  if (radius != nullptr) Radius(radius);
  Radius()->SnuFortegn(1);
  work_.Radius(Radius());

  // An isosceles triangle with apex b: K1 from c to b, K2 from c to a point at |bc| from b towards
  // a. Its base angle at c is half the deflection of the grades at b.
  DT_Punkt vertex(b);
  B_Linje2 k1(c, b);
  B_Linje2 k2(c, a);
  vertex.AvstandTil(c, 0, &side_);
  DT_Double towardsA;
  vertex.AngleTo(a, 0, &towardsA);
  if (vertex.AvstandTil(a)->Lik(&side_, kx::detail::kFitAccuracy) == 0) {
    k2.SluttPunkt()->InitPolar(&towardsA, &side_, &vertex);
  }
  alpha_ = k2.VinkelMellom(&k1, 0)->Get();
  tangent_ = Radius()->Get() * std::tan(std::fabs(alpha_));
  const DT_Double tangent(tangent_);

  // T2 on the grade towards c; the centre lies the radius from it, square to the grade, on the
  // inner side of the angle at b.
  DT_Double direction;
  vertex.AngleTo(c, 0, &direction);
  work_.InitPolar(&direction, &tangent, &vertex);
  chord_.StartPunkt(&work_);
  side_.Init(k2.AvstandMedFortegn(&vertex)->Get());
  direction.InitRel(side_.MindreEnn(0.0, kx::detail::kFitAccuracy) != 0 ? kx::detail::kHalfPi
                                                                        : -kx::detail::kHalfPi);
  work_.InitPolar(&direction, work_.Radius(), nullptr);
  if (copyCircle != 0) InitFraSirkel(&work_);
  // T1 on the grade towards a.
  chord_.SluttPunkt()->InitPolar(&towardsA, &tangent, &vertex);

  if (flag != 0) {
    VinkelITopp(&vertex, angleOut);
  } else if (angleOut != nullptr) {
    angleOut->Init(kx::detail::kPi - 2 * std::fabs(alpha_));
  }
  if (chordOut != nullptr) chordOut->Init(&chord_);
  return &work_;
}

int B_Sirkel2::VinkelITopp(DT_Punkt*, DT_Double* angle) {
  if (angle == nullptr) return 0;
  angle->Init(kx::detail::kPi - 2 * std::fabs(alpha_));
  return 1;
}

int B_Sirkel2::SkjaeringMedVertikal(const DT_Double* x, B_Linje* result) {
  if (x == nullptr || result == nullptr) return 0;
  const DT_Punkt foot(x->Get(), 0.0, 0.0);
  DT_Punkt low(foot), high(foot);
  low.InitPolar(kx::detail::kThreeHalfPi, kx::detail::kVerticalReach, *foot.Get());
  high.InitPolar(kx::detail::kHalfPi, kx::detail::kVerticalReach, *foot.Get());
  const B_Linje vertical(&low, &high);
  if (SkjaeringMed(&vertical, result) == 0) return 0;

  // The arc runs between the radii to T2 and to T1; which side of them it lies on follows from the
  // side of the chord the centre lies on.
  B_Linje2 toT2(this, chord_.StartPunkt());
  B_Linje2 toT1(this, chord_.SluttPunkt());
  B_Linje2 chord(chord_.StartPunkt(), chord_.SluttPunkt());
  side_.Init(chord.AvstandMedFortegn(this)->Get());
  const double d1 = toT2.AvstandMedFortegn(result->StartPunkt())->Get();
  const double d2 = toT1.AvstandMedFortegn(result->StartPunkt())->Get();
  const double d3 = toT2.AvstandMedFortegn(result->SluttPunkt())->Get();
  const double d4 = toT1.AvstandMedFortegn(result->SluttPunkt())->Get();
  return kx::detail::ArcAnswer(side_.Get(), d1, d2, d3, d4);
}
