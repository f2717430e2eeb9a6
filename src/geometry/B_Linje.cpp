// B_Linje: construction, setting and the measures. The intersection and projection are in
// B_LinjeSkjaering.cpp.

#include "kx/geometry/B_Linje.h"

#include <cmath>
#include <utility>

#include "geometry/Shared.h"
#include "numbers/Tolerance.h"

namespace {

// A slope of a line that runs straight along y (no run in x to divide by).
constexpr double kVerticalSlope = 999999999.0;

}  // namespace

B_Linje::B_Linje(const DT_Punkt* start, const DT_Punkt* end)
    : start_(start), end_(end), resultPoint_(nullptr), resultNumber_(0.0), distanceResult_(0.0) {}

int B_Linje::KlasseType() const { return -1; }

char* B_Linje::KlasseNavn() const {
  static char name[] = "B_Linje";
  return name;
}

B_Linje::~B_Linje() = default;

B_Linje* B_Linje::Init(const B_Linje* other) {
  if (other != nullptr) Init(&other->start_, &other->end_);
  return this;
}

B_Linje* B_Linje::Init(const DT_Punkt* start, const DT_Punkt* end) {
  StartPunkt(start);
  SluttPunkt(end);
  return this;
}

DT_Punkt* B_Linje::StartPunkt(const DT_Punkt* p) {
  if (p != nullptr) start_.Init(p);
  return &start_;
}

DT_Punkt* B_Linje::SluttPunkt(const DT_Punkt* p) {
  if (p != nullptr) end_.Init(p);
  return &end_;
}

const DT_Punkt* B_Linje::StartPunkt() const { return &start_; }

const DT_Punkt* B_Linje::SluttPunkt() const { return &end_; }

DT_Punkt* B_Linje::MidtPunkt() {
  resultPoint_.Init((start_.x() + end_.x()) * 0.5, (start_.y() + end_.y()) * 0.5,
                    (start_.z() + end_.z()) * 0.5);
  return &resultPoint_;
}

DT_Double* B_Linje::Vinkel() {
  double angle = start_.AngleTo(&end_, 0, &resultNumber_)->Get();
  // AngleTo lies in [0, 2*pi) but for a value less than 1e-9 below 0, which one turn brings in;
  // nothing lies above 2*pi. Plain comparisons: a NaN stays as it is.
  if (angle < 0.0) angle += kx::detail::kTwoPi;
  if (angle > kx::detail::kTwoPi) angle -= kx::detail::kTwoPi;
  resultNumber_.Init(angle);
  return &resultNumber_;
}

DT_Double* B_Linje::Lengde() { return start_.AvstandTil(&end_, 0, &resultNumber_); }

DT_Double* B_Linje::DX() {
  resultNumber_.Init(end_.x() - start_.x());
  return &resultNumber_;
}

DT_Double* B_Linje::DY() {
  resultNumber_.Init(end_.y() - start_.y());
  return &resultNumber_;
}

DT_Double* B_Linje::StigningsTall(double factor, int sign) {
  const double s = sign != 0 ? 1.0 : -1.0;
  const double run = DX()->Abs();
  const double rise = DY()->Get();
  resultNumber_.Init(run == 0.0 ? kVerticalSlope : rise * (s * factor) / run);
  return &resultNumber_;
}

DT_Double* B_Linje::LengdeFraStartTil(const DT_Punkt* p) {
  if (p == nullptr) return nullptr;
  return start_.AvstandTil(p, 0, &resultNumber_);
}

DT_Double* B_Linje::LengdeFraSluttTil(const DT_Punkt* p) {
  if (p == nullptr) return nullptr;
  return end_.AvstandTil(p, 0, &resultNumber_);
}

int B_Linje::GetPosI_X(const DT_Double* x, DT_Punkt* out, double tolerance) {
  return PositionAt(0, x, out, tolerance);
}

int B_Linje::GetPosI_Y(const DT_Double* y, DT_Punkt* out, double tolerance) {
  return PositionAt(1, y, out, tolerance);
}

int B_Linje::PositionAt(int axis, const DT_Double* value, DT_Punkt* out, double tolerance) {
  if (value == nullptr) return ErrorKode(-1);
  if (out == nullptr) return ErrorKode(-2);
  const int other = 1 - axis;
  const double along = value->Get();
  // Local copies of the plan coordinates, sorted so that p1 has the smaller value on the axis.
  double p1[2] = {start_.x(), start_.y()};
  double p2[2] = {end_.x(), end_.y()};
  if (p2[axis] < p1[axis]) std::swap(p1, p2);
  if (kx::detail::MindreEnn(along, p1[axis], tolerance) ||
      kx::detail::StorreEnn(along, p2[axis], tolerance)) {
    return ErrorKode(-3);
  }
  const double dAlong = p2[axis] - p1[axis];
  const double dOther = p2[other] - p1[other];
  double xy[2];
  xy[axis] = along;
  xy[other] = dAlong == 0.0 ? p2[other] : p1[other] + (along - p1[axis]) * dOther / dAlong;
  // An end at infinity, or a steep segment extrapolated within the widening, gives an infinite or
  // undefined coordinate: that is no point of the segment.
  if (!std::isfinite(xy[other])) return ErrorKode(-3);
  out->Init(xy[0], xy[1], 0.0);
  return 1;
}
