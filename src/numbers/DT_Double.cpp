#include "kx/numbers/DT_Double.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "foundation/Format.h"
#include "numbers/NumberText.h"
#include "numbers/Tolerance.h"

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the comparisons and conversions rely on IEEE arithmetic");

namespace {

// The allowance of RundAv: a quotient within this of a whole number counts as that number.
constexpr double kRoundingAllowance = 1e-6;
// The accuracy with which Quotient and Remainder take a fraction just below 1 up to 1.
constexpr double kWholeAccuracy = 1e-9;

// The whole part and the fraction of v (both with v's sign), a fraction within kWholeAccuracy
// below 1 taken up into the whole part.
struct Split {
  double whole;
  double fraction;
};

Split SplitValue(double v) {
  double whole = 0.0;
  const double fraction = std::modf(v, &whole);
  if (kx::detail::Lik(fraction, 1.0, kWholeAccuracy)) return {whole + 1.0, 0.0};
  return {whole, fraction};
}

}  // namespace

DT_Double::DT_Double(double value) : value_(value) {}

DT_Double::DT_Double(const DT_Double* other) : value_(other != nullptr ? other->value_ : 0.0) {}

int DT_Double::KlasseType() const { return -1; }

char* DT_Double::KlasseNavn() const {
  static char name[] = "DT_Double";
  return name;
}

DT_Double::~DT_Double() = default;

double DT_Double::Get() const { return value_; }

double DT_Double::Abs() const { return value_ >= 0.0 ? value_ : -value_; }

// Every value converts as the IEEE conversion gives it (values beyond 3.4e38 too: the same rule
// for all keeps the conversion symmetric): beyond the float range an infinity,
// a NaN stays a NaN. IEEE arithmetic is asserted above, so the conversion is defined for all.
float DT_Double::SomFloat() const { return static_cast<float>(value_); }

int DT_Double::Init(double value) {
  value_ = value;
  UtforEtterInit();
  return 1;
}

int DT_Double::Init(const DT_Double* other) {
  if (other == nullptr) return 0;
  return Init(other->value_);
}

int DT_Double::Init(char* text) {
  if (text == nullptr) return ErrorKode(-1);
  // strtod reads what atof reads, and is defined for a number beyond the double range.
  return Init(std::strtod(text, nullptr));
}

int DT_Double::InitRel(double d) { return Init(value_ + d); }

int DT_Double::InitRel(const DT_Double* other) {
  if (other == nullptr) return 0;
  return InitRel(other->value_);
}

int DT_Double::InitMult(double d) { return Init(value_ * d); }

int DT_Double::InitMult(const DT_Double* other) {
  if (other == nullptr) return 0;
  return InitMult(other->value_);
}

int DT_Double::InitDiv(double d) {
  if (d == 0.0) return ErrorKode(-1);
  return Init(value_ / d);
}

int DT_Double::InitDiv(const DT_Double* other) {
  if (other == nullptr) return ErrorKode(-2);
  return InitDiv(other->value_);
}

char* DT_Double::SomChar(char* fmt) {
  static char text[kx::detail::kTextBufferSize];
  if (fmt == nullptr) {
    char shown[16];
    kx::detail::Format(shown, sizeof shown, "%%.%dlf", AntDesimalerSomVises());
    kx::detail::FormatFloating(text, sizeof text, shown, value_);
  } else if (!kx::detail::FormatFloating(text, sizeof text, fmt, value_)) {
    ErrorKode(-1);
  }
  return text;
}

int DT_Double::Decimals() const {
  char text[kx::detail::kTextBufferSize];  // "%f" of the largest double takes 316 characters
  kx::detail::Format(text, sizeof text, "%f", value_);
  const char* point = std::strchr(text, '.');
  if (point == nullptr) return 0;
  int count = 0;
  for (int i = 1; point[i] >= '0' && point[i] <= '9'; ++i) {
    if (point[i] != '0') count = i;
  }
  return count;
}

int DT_Double::Les(const char* prompt, int showCurrent) {
  if (!kx::detail::ReadNumber(*this, value_, prompt, showCurrent, [this] { return SomChar(); })) {
    return 0;
  }
  UtforEtterInit();
  return 1;
}

int DT_Double::SnuFortegn(int dir) {
  if (dir == 1 && value_ >= 0.0) return 1;
  if (dir == -1 && value_ <= 0.0) return 1;
  value_ = -value_;
  UtforEtterInit();
  return 1;
}

int DT_Double::Lik(DT_Double* other, double t) {
  if (other == nullptr) return 0;
  return DT_Double::Lik(other->value_, t);
}

int DT_Double::Lik(double x, double t) { return kx::detail::Lik(value_, x, t) ? 1 : 0; }

int DT_Double::StorreEllerLik(DT_Double* other, double t) {
  if (other == nullptr) return 0;
  return DT_Double::StorreEllerLik(other->value_, t);
}

int DT_Double::StorreEllerLik(double x, double t) {
  if (value_ > x) return 1;
  return Lik(x, t);
}

int DT_Double::MindreEllerLik(DT_Double* other, double t) {
  if (other == nullptr) return 0;
  return DT_Double::MindreEllerLik(other->value_, t);
}

int DT_Double::MindreEllerLik(double x, double t) {
  if (value_ < x) return 1;
  return Lik(x, t);
}

int DT_Double::StorreEnn(DT_Double* other, double t) {
  return MindreEllerLik(other, t) ? 0 : 1;
}

int DT_Double::StorreEnn(double x, double t) { return MindreEllerLik(x, t) ? 0 : 1; }

int DT_Double::MindreEnn(DT_Double* other, double t) {
  return StorreEllerLik(other, t) ? 0 : 1;
}

int DT_Double::MindreEnn(double x, double t) { return StorreEllerLik(x, t) ? 0 : 1; }

int DT_Double::RundAv(double unit, int mode) {
  if (unit == 0.0) return 1;
  // A NaN or infinite unit, or one so small that the quotient overflows, would replace the value
  // with a NaN or an infinity: refused, the value kept.
  const double q = value_ / unit;
  if (!std::isfinite(unit) || (std::isfinite(value_) && !std::isfinite(q))) return ErrorKode(-1);
  const double whole =
      mode == 0 ? std::ceil(q - kRoundingAllowance) : std::floor(q + kRoundingAllowance);
  value_ = whole * unit;
  UtforEtterInit();
  return 1;
}

int DT_Double::CompareWith(double x, double t) const {
  if (Lik(x, t)) return 0;
  return value_ > x ? 1 : -1;
}

int DT_Double::CompareWith(const DT_Double* other, double t) {
  if (other == nullptr) {
    return Error1(
        "DT_Double::CompareWith( DT_Double *aDouble, double Accuracy )\nArgument aDouble = NULL");
  }
  return CompareWith(other->value_, t);
}

double DT_Double::Quotient(double x, int useX) {
  if (useX != 0) Init(x);
  return SplitValue(value_).whole;
}

double DT_Double::Quotient(const DT_Double* other) {
  return other != nullptr ? Quotient(other->value_, 1) : Quotient(0.0, 0);
}

double DT_Double::Remainder(double x, int useX) {
  if (useX != 0) Init(x);
  return SplitValue(value_).fraction;
}

double DT_Double::Remainder(const DT_Double* other) {
  return other != nullptr ? Remainder(other->value_, 1) : Remainder(0.0, 0);
}
