// QP_LinjePaalegg: the tangent points of the vertical curves and the check that curves do not
// overlap.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "geometry/Shared.h"
#include "kx/containers/DT_Node.h"
#include "kx/foundation/FlatExports.h"
#include "kx/geometry/B_Linje.h"
#include "kx/geometry/B_Vinkel.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/ProfileQueries.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "numbers/NumberText.h"
#include "numbers/Tolerance.h"
#include "profile/ProfileMath.h"

namespace {

using kx::detail::kHalfPi;
using kx::detail::kPi;

// A tangent length of 0 within this is no curve.
constexpr double kNoLength = 1e-9;
// How far from a tangent point the normal of the parabolic radius check is drawn.
constexpr double kNormalLength = 999.9;
// How far a curve may start before the end of the previous one before it counts as an overlap.
constexpr double kOverlap = 1e-4;
// Where the end of the previous curve lies before the first one.
constexpr double kNoPreviousEnd = -999999999.0;

constexpr long kOverlapText = 17346;
constexpr const char* kOverlapDefault =
    "Overlapped tangentpoints in sections between %.2f and %.2f !";

// Formats the overlap message with fmt, a host's text that should read the two chainages with two
// floating conversions. Each piece of fmt (cut before its second conversion) is formatted by the
// number classes' checked formatting, so a text that would read anything else is refused: false.
bool FormatTwoChainages(char* buffer, std::size_t size, const char* fmt, double first,
                        double second) {
  const char* cut = nullptr;
  int conversions = 0;
  for (const char* p = fmt; *p != '\0' && cut == nullptr; ++p) {
    if (*p != '%') continue;
    if (p[1] == '%') {
      ++p;
    } else if (++conversions == 2) {
      cut = p;
    }
  }
  char piece[kx::detail::kTextBufferSize];
  const std::size_t length =
      cut != nullptr ? static_cast<std::size_t>(cut - fmt) : std::strlen(fmt);
  if (length >= sizeof piece) return false;
  std::memcpy(piece, fmt, length);
  piece[length] = '\0';
  char head[kx::detail::kTextBufferSize];
  char tail[kx::detail::kTextBufferSize] = "";
  if (!kx::detail::FormatFloating(head, sizeof head, piece, first)) return false;
  if (cut != nullptr && !kx::detail::FormatFloating(tail, sizeof tail, cut, second)) return false;
  kx::detail::Format(buffer, size, "%s%s", head, tail);
  return true;
}

// The chainages of the tangent points T1 and T2 of the curve at b (a the vertex before, c the one
// after, b.z its radius) exactly as CalculateTangPoints gives them, on plain doubles: the same
// operations in the same order, without the geometry objects (the curve check of a long profile
// runs through here once for every vertex).
struct TangentChainages {
  double t1, t2;
  bool curve;  // the tangent points are not on the vertex (CalculateTangPoints' result 1)
};
TangentChainages TangentChainagesAt(const DT_Punkt& a, const DT_Punkt& b, const DT_Punkt& c,
                                    bool parabolic) {
  const kx::detail::Plan pa{a.x(), a.y()}, pb{b.x(), b.y()}, pc{c.x(), c.y()};
  const double r = b.z();
  if (parabolic) {
    const double gOut = kx::detail::Grade(pb, pc);
    const double run = std::fabs(pa.x - pb.x);  // the incoming grade, against the line b-a
    const double gIn = run == 0.0 ? kx::detail::kNoRunSlope : (pa.y - pb.y) * (-1.0 * 1.0) / run;
    const double length = r * std::fabs(gOut - gIn) * 0.5;
    if (kx::detail::Lik(length, 0.0, kNoLength)) return {pb.x, pb.x, false};
    return {pb.x - length, pb.x + length, true};
  }
  const double in = kx::detail::LineDirection(pb, pa);
  const double out = kx::detail::LineDirection(pb, pc);
  const double between = (in <= 0.0 ? in : -in) + out;
  const double length = r * std::fabs(std::tan((kPi - std::fabs(between)) / 2));
  if (length > 0.0) return {pb.x + std::cos(in) * length, pb.x + std::cos(out) * length, true};
  if (kx::detail::Lik(length, 0.0, kNoLength)) return {pb.x, pb.x, false};
  return {pa.x, pc.x, true};  // a negative radius: the lines stay as they are
}

}  // namespace

int QP_LinjePaalegg::CalculateTangPoints(B_Linje& in, B_Linje& out, DT_Double& radius,
                                         DT_Double* angle) {
  B_Vinkel between(in.Vinkel());
  between.SnuFortegn(-1);
  between.InitRel(out.Vinkel());
  const double r = radius.Get();
  double length = r * std::fabs(std::tan((kPi - std::fabs(between.Get())) / 2));

  if (Modes(kx::kParabolicCurves, kx::kModesTest) != 0) {
    const double gOut = out.StigningsTall(1.0, 1)->Get();
    const double gIn = in.StigningsTall(1.0, 0)->Get();
    length = r * std::fabs(gOut - gIn) * 0.5;
    if (kx::detail::Lik(length, 0.0, kNoLength)) {
      in.SluttPunkt(in.StartPunkt());
      out.SluttPunkt(out.StartPunkt());
      if (angle != nullptr) angle->Init(kPi);
      return 0;
    }
    const DT_Punkt vertex(out.StartPunkt());
    const DT_Punkt t1(vertex.x() - length, vertex.y() - length * gIn, 0.0);
    const DT_Punkt t2(vertex.x() + length, vertex.y() + length * gOut, 0.0);
    in.SluttPunkt(&t1);
    out.SluttPunkt(&t2);
    // The radius of curvature: where the normals of the two grades at T1 and T2 meet.
    DT_Punkt p(t1), q(t2);
    p.InitPolar(in.Vinkel()->Get() + kHalfPi, kNormalLength, *t1.Get());
    q.InitPolar(out.Vinkel()->Get() + kHalfPi, kNormalLength, *t2.Get());
    B_Linje normalIn(&t1, &p);
    B_Linje normalOut(&t2, &q);
    normalIn.SkjaeringMed(&normalOut, &p, 1);
    p.AvstandTil(&t1, 0, &radius);
    if (angle != nullptr) angle->Init(&between);
    return 1;
  }

  if (length > 0.0) {
    const DT_Double inDirection(in.Vinkel());
    const DT_Double outDirection(out.Vinkel());
    const DT_Double along(length);
    in.SluttPunkt()->InitPolar(&inDirection, &along, in.StartPunkt());
    out.SluttPunkt()->InitPolar(&outDirection, &along, out.StartPunkt());
    if (angle != nullptr) angle->Init(&between);
    return 1;
  }
  if (kx::detail::Lik(length, 0.0, kNoLength)) {
    in.SluttPunkt(in.StartPunkt());
    out.SluttPunkt(out.StartPunkt());
    if (angle != nullptr) angle->Init(kPi);
    return 0;
  }
  // A negative radius: traced, the lines left as they are.
  DOVERO01_TRACE1("QP_LinjePaalegg::CalculateTangPoints: ERROR !!!!!");
  if (angle != nullptr) angle->Init(&between);
  return 1;
}

int QP_LinjePaalegg::CheckCurve() {
  if (Antall() < 3) return 1;
  const bool parabolic = Modes(1, 1) != 0;
  double previousEnd = kNoPreviousEnd;
  const DT_Punkt* window[3] = {nullptr, nullptr, nullptr};
  // In parabolic mode CalculateTangPoints records the last error code of its radius check, on
  // every curve; the last curve the check passes is computed once more with it at the end, so
  // the code is the one it leaves.
  const DT_Punkt* lastCurve[3] = {nullptr, nullptr, nullptr};
  const auto leaveCode = [this, &lastCurve] {
    if (lastCurve[1] == nullptr) return;
    B_Linje in(lastCurve[1], lastCurve[0]);
    B_Linje out(lastCurve[1], lastCurve[2]);
    DT_Double radius(lastCurve[1]->z());
    CalculateTangPoints(in, out, radius, nullptr);
  };
  int k = 0;
  for (HovedObjekt* node = AktiverForste(1); node != nullptr; node = AktiverNeste(1)) {
    const auto* point = static_cast<const DT_Punkt*>(static_cast<DT_Node*>(node)->GetDette());
    if (point == nullptr) continue;
    window[0] = window[1];
    window[1] = window[2];
    window[2] = point;
    if (window[0] == nullptr) continue;
    ++k;
    const TangentChainages ends = TangentChainagesAt(*window[0], *window[1], *window[2], parabolic);
    const double start = ends.t1;
    if (parabolic && ends.curve) std::copy(window, window + 3, lastCurve);
    if (k > 1 && kx::detail::StorreEnn(previousEnd, start, kOverlap)) {
      leaveCode();
      // The default goes into a buffer of our own: the host may write its text over it.
      char format[kx::detail::kTextBufferSize];
      kx::detail::CopyBounded(format, sizeof format, kOverlapDefault);
      const char* hostFormat = GetTekstNr(kOverlapText, format);
      char text[kx::detail::kTextBufferSize];
      if (hostFormat == nullptr ||
          !FormatTwoChainages(text, sizeof text, hostFormat, start, previousEnd)) {
        kx::detail::Format(text, sizeof text, kOverlapDefault, start, previousEnd);
      }
      kx::detail::ShowApplicationMessage(text);
      return 0;
    }
    previousEnd = ends.t2;
  }
  leaveCode();
  return 1;
}

int QP_LinjePaalegg::CalculateNonSymmetricalPoints(const DT_Punkt& p1, DT_Punkt& p2, DT_Punkt& p3,
                                                   DT_Punkt& p4, const DT_Double* iLeftTanDX,
                                                   const DT_Double* iRightTanDX) {
  if (iLeftTanDX == nullptr || iRightTanDX == nullptr) {
    kx::detail::ShowApplicationMessage(
        "QP_LinjePaalegg::CalculateNonSymmetricalPoints\n\niLeftTanDX or iRightTanDX can't be NULL "
        "in this version !");
    return 0;
  }
  if (Modes(kx::kParabolicCurves, kx::kModesTest) == 0) return ErrorKode(-1);
  const DT_Punkt a(p1.x(), p1.y(), 0.0), b(p2.x(), p2.y(), 0.0), c(p3.x(), p3.y(), 0.0);
  B_Linje before(&a, &b), after(&b, &c);
  const DT_Double left(b.x() - iLeftTanDX->Get() / 2);
  const DT_Double right(b.x() + iRightTanDX->Get() / 2);
  DT_Punkt t1, t2;
  if (before.GetPosI_X(&left, &t1, kNoLength) == 0) return ErrorKode(-3);
  if (after.GetPosI_X(&right, &t2, kNoLength) == 0) return ErrorKode(-2);
  p2.Init(&t1);
  p4.Init(&p3);
  p3.Init(&t2);
  return 1;
}
