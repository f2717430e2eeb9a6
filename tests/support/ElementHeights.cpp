// The height walk on the library's geometry objects: each step as the element classes and the
// profile's CalculateTangPoints compute it.

#include "support/ElementHeights.h"

#include <cmath>

#include "kx/geometry/B_Linje.h"
#include "kx/profile/ProfileQueries.h"
#include "profile/B_Sirkel2.h"
#include "profile/HeightWalk.h"

namespace kx::test {

using namespace kx::detail;

namespace {

DT_Punkt PlanPoint(const Vertex& v) { return DT_Punkt(v.x, v.y, 0.0); }

class ElementCurves {
 public:
  explicit ElementCurves(QP_LinjePaalegg& profile)
      : profile_(profile), parabolic_(profile.Modes(kx::kParabolicCurves, kx::kModesTest) != 0) {}

  bool Line(const Vertex& s, const Vertex& e, double x, double tolerance, double* y) {
    const DT_Punkt start(s.x, s.y, s.z), end(e.x, e.y, e.z);
    B_Linje line(&start, &end);
    const DT_Double at(x);
    DT_Punkt point;
    if (line.GetPosI_X(&at, &point, tolerance) == 0) return false;
    *y = point.y();
    return true;
  }

  Curve At(const Window& w, double x, double* y) {
    const Vertex &a = w.a, &b = w.b, &c = w.c;
    const DT_Double at(x);
    if (parabolic_) {
      B_Linje in, out;
      double gIn = 0.0, gOut = 0.0;
      if (!Tangents(a, b, c, &in, &out, &gIn, &gOut)) return Curve::None;
      const DT_Punkt& t1 = *in.SluttPunkt();
      if (at.StorreEllerLik(t1.x(), kFine) == 0 ||
          at.MindreEllerLik(out.SluttPunkt()->x(), kFine) == 0) {
        return Curve::Off;
      }
      const double sign = gIn - gOut < 0.0 ? -1.0 : 1.0;
      *y = ParabolaHeight(t1.y(), sign, x - t1.x(), b.z, in.StigningsTall(1.0, 1)->Get());
      return Curve::On;
    }
    B_Sirkel2 circle;
    if (!Fit(a, b, c, &circle)) return Curve::None;
    B_Linje cut;
    switch (circle.SkjaeringMedVertikal(&at, &cut)) {
      case 1:
        *y = cut.StartPunkt()->y();
        return Curve::On;
      case 2:
        *y = cut.SluttPunkt()->y();
        return Curve::On;
      default:
        return Curve::Off;
    }
  }

  bool Holds(const Window& w, double x) {
    const Vertex &a = w.a, &b = w.b, &c = w.c;
    const int code = profile_.ErrorKode(-9999);
    bool curved = false;
    double t1x = 0.0;
    if (parabolic_) {
      B_Linje in, out;
      double gIn = 0.0, gOut = 0.0;
      curved = Tangents(a, b, c, &in, &out, &gIn, &gOut);
      t1x = in.SluttPunkt()->x();
    } else {
      B_Sirkel2 circle;
      curved = Fit(a, b, c, &circle);
      t1x = circle.Korde()->SluttPunkt()->x();
    }
    profile_.ErrorKode(code);
    return curved && std::isfinite(t1x) && DT_Double(x).StorreEllerLik(t1x, kFine) != 0;
  }

 private:
  // The parabola's tangent points into the ends of in and out, and the two grades; false when
  // the curve has no length.
  bool Tangents(const Vertex& a, const Vertex& b, const Vertex& c, B_Linje* in, B_Linje* out,
                double* gIn, double* gOut) {
    const DT_Punkt pa = PlanPoint(a), pb = PlanPoint(b), pc = PlanPoint(c);
    in->Init(&pb, &pa);
    out->Init(&pb, &pc);
    *gIn = B_Linje(&pa, &pb).StigningsTall(1.0, 1)->Get();
    *gOut = out->StigningsTall(1.0, 1)->Get();
    DT_Double radius(b.z);
    return profile_.CalculateTangPoints(*in, *out, radius, nullptr) != 0;
  }

  // The circle of the curve; false when it has no length.
  static bool Fit(const Vertex& a, const Vertex& b, const Vertex& c, B_Sirkel2* circle) {
    const DT_Punkt pa = PlanPoint(a), pb = PlanPoint(b), pc = PlanPoint(c);
    const DT_Double radius(b.z);
    B_Linje chord;
    circle->InitAvrunding(&radius, &pc, &pb, &pa, &chord, 1, 0, nullptr);
    return !Lik(circle->Tangentlengde(), 0.0, kFine);
  }

  QP_LinjePaalegg& profile_;
  bool parabolic_;
};

}  // namespace

int HeightWithElements(QP_LinjePaalegg& profile, DT_Double* height, const DT_Double* chainage) {
  return NodeWalk<ElementCurves>(profile, height, chainage);
}

}  // namespace kx::test
