#include "kx/profile/QP_LinjePaalegg.h"

#include "kx/geometry/B_Linje.h"
#include "kx/geometry/DT_Punkt.h"
#include "profile/HeightWalk.h"

namespace {

using kx::detail::Curve;
using kx::detail::kFine;
using kx::detail::Vertex;

// The flag of parabolic curves in the modes word.
constexpr int kParabolic = 1;

// The walk's geometry on plain doubles (profile/ProfileMath.h), with the error codes that the
// geometry objects would record on the way.
class PlainCurves {
 public:
  explicit PlainCurves(QP_LinjePaalegg& profile)
      : profile_(profile), parabolic_(profile.Modes(kParabolic, 1) != 0) {}

  bool Line(const Vertex& s, const Vertex& e, double x, double tolerance, double* y) {
    if (kx::detail::HeightOnLine(s.plan(), e.plan(), x, tolerance, y)) return true;
    profile_.ErrorKode(-3);
    return false;
  }

  Curve At(const Vertex& a, const Vertex& b, const Vertex& c, double x, double* y) {
    if (parabolic_) {
      const kx::detail::ParabolaCurve p =
          kx::detail::FitParabola(a.plan(), b.plan(), c.plan(), b.z);
      if (kx::detail::Lik(p.tangent, 0.0, kFine)) return Curve::None;
      RecordRadiusCheck(a, b, c, p);
      if (!kx::detail::StorreEllerLik(x, p.t1.x, kFine) ||
          !kx::detail::MindreEllerLik(x, p.t2.x, kFine)) {
        return Curve::Off;
      }
      const double sign = p.gIn - p.gOut < 0.0 ? -1.0 : 1.0;
      *y = kx::detail::ParabolaHeight(p.t1.y, sign, x - p.t1.x, b.z,
                                      kx::detail::Grade(b.plan(), p.t1));
      return Curve::On;
    }
    return OnCircle(a, b, c, x, y);
  }

  bool Holds(const Vertex& a, const Vertex& b, const Vertex& c, double x) {
    double t1x = 0.0;
    if (parabolic_) {
      const kx::detail::ParabolaCurve p =
          kx::detail::FitParabola(a.plan(), b.plan(), c.plan(), b.z);
      if (kx::detail::Lik(p.tangent, 0.0, kFine)) return false;
      t1x = p.t1.x;
    } else {
      const kx::detail::RoughCircle rough =
          kx::detail::FitRoughCircle(a.plan(), b.plan(), c.plan(), b.z);
      if (rough.reliable && std::fabs(x - rough.t1x) > rough.margin) return x > rough.t1x;
      const kx::detail::CircleCurve circle =
          kx::detail::FitCircle(a.plan(), b.plan(), c.plan(), b.z);
      if (kx::detail::Lik(circle.tangent, 0.0, kFine)) return false;
      t1x = circle.t1.x;
    }
    return std::isfinite(t1x) && kx::detail::StorreEllerLik(x, t1x, kFine);
  }

 private:
  // The circular curve. The circle's trigonometry is needed only for a height on the arc: away
  // from the arc's ends (and from the circle's edge) the closed-form circle tells whether the
  // chainage is on the arc, and whether the vertical misses the circle (code 2), well within its
  // margin.
  Curve OnCircle(const Vertex& a, const Vertex& b, const Vertex& c, double x, double* y) {
    const kx::detail::RoughCircle rough =
        kx::detail::FitRoughCircle(a.plan(), b.plan(), c.plan(), b.z);
    const double m = rough.margin;
    bool inside = false;
    if (rough.reliable) {
      if (x < rough.t1x - m || x > rough.t2x + m) {
        const double off = std::fabs(x - rough.centreX);
        if (off > rough.radius + m) {
          profile_.ErrorKode(2);
          return Curve::Off;
        }
        if (off < rough.radius - m) return Curve::Off;
      }
      inside = x > rough.t1x + m && x < rough.t2x - m;
    }
    const kx::detail::CircleCurve circle = kx::detail::FitCircle(a.plan(), b.plan(), c.plan(), b.z);
    if (kx::detail::Lik(circle.tangent, 0.0, kFine)) return Curve::None;
    kx::detail::VerticalCut cut;
    int code = 0;
    if (!kx::detail::CutVertical(circle, x, &cut, &code)) {
      profile_.ErrorKode(code);
      return Curve::Off;
    }
    // Well inside the arc the upper intersection lies on a crest's arc, the lower on a sag's.
    const int answer = inside ? (rough.crest ? 2 : 1) : kx::detail::ArcAnswerAt(circle, cut);
    if (answer == 1 || answer == 2) {
      *y = answer == 1 ? cut.low.y : cut.high.y;
      return Curve::On;
    }
    return Curve::Off;
  }

  // CalculateTangPoints checks a parabola's radius by intersecting the normals of the grades at T1
  // and T2, and leaves the intersection's error code: 0 where they meet at a finite point, which
  // they do unless the grades are parallel within a hair (or the numbers are out of range, or the
  // tangent points too close to the vertex for their directions to be known well). Those few
  // cases run the check itself.
  void RecordRadiusCheck(const Vertex& a, const Vertex& b, const Vertex& c,
                         const kx::detail::ParabolaCurve& p) {
    constexpr double kFar = 1e12;
    const double spread = 1e-7 * (1.0 + 0.5 * (p.gIn * p.gIn + p.gOut * p.gOut));
    if (std::fabs(p.gIn - p.gOut) > spread && std::fabs(b.x) < kFar && std::fabs(b.y) < kFar &&
        std::fabs(p.tangent) < kFar &&
        std::fabs(p.tangent) > 1e-7 * (1.0 + std::fabs(b.x) + std::fabs(b.y))) {
      profile_.ErrorKode(0);
      return;
    }
    const DT_Punkt pa(a.x, a.y, 0.0), pb(b.x, b.y, 0.0), pc(c.x, c.y, 0.0);
    B_Linje in(&pb, &pa), out(&pb, &pc);
    DT_Double radius(b.z);
    profile_.CalculateTangPoints(in, out, radius, nullptr);
  }

  QP_LinjePaalegg& profile_;
  bool parabolic_;
};

}  // namespace

QP_LinjePaalegg::QP_LinjePaalegg()
    : DT_PointList(1), gruppeNummer_(0.0), temakode_(0.0), linjeIdentitet_(), modes_(0) {}

int QP_LinjePaalegg::KlasseType() const { return -1; }

char* QP_LinjePaalegg::KlasseNavn() const {
  static char name[] = "QP_LinjePaalegg";
  return name;
}

QP_LinjePaalegg::~QP_LinjePaalegg() = default;

Streng* QP_LinjePaalegg::LinjeIdentitet(const Streng* s) {
  if (s != nullptr) linjeIdentitet_.Init(s);
  return &linjeIdentitet_;
}

DT_Double* QP_LinjePaalegg::GruppeNummer(const DT_Double* v) {
  if (v != nullptr) gruppeNummer_.Init(v);
  return &gruppeNummer_;
}

DT_Double* QP_LinjePaalegg::Temakode(const DT_Double* v) {
  if (v != nullptr) temakode_.Init(v);
  return &temakode_;
}

int QP_LinjePaalegg::Modes(int flags, int op) {
  switch (op) {
    case 1:
      return (modes_.Get() & flags) != 0 ? 1 : 0;
    case 2:
      modes_.Init(modes_.Get() | flags);
      return modes_.Get();
    case 3:
      modes_.Init(flags);
      return modes_.Get();
    default:
      return modes_.Get();
  }
}

int QP_LinjePaalegg::InitVedInvoke(const Streng*) { return 0; }

int QP_LinjePaalegg::Overfor_VHA_Dialog(const Streng*, const DT_Double*, const DT_Double*) {
  return 0;
}

int QP_LinjePaalegg::InitFromLineHandle(const Streng&, int) { return 0; }

// Heights --------------------------------------------------------------------------------------

int QP_LinjePaalegg::HoydeIProfil(DT_Double* height, const DT_Double* chainage) {
  return kx::detail::HeightWalk<PlainCurves>(*this, height, chainage);
}

int QP_LinjePaalegg::GetHeightExt(const DT_Double* chainage, DT_Double* lineHeight,
                                  DT_Double* profileHeight, DT_Double* difference) {
  if (chainage == nullptr) return ErrorKode(-1);
  if (lineHeight == nullptr && profileHeight == nullptr && difference == nullptr) {
    return ErrorKode(-2);
  }
  if (profileHeight != nullptr && HoydeIProfil(profileHeight, chainage) == 0) {
    return ErrorKode(ErrorKode(-9999) - 100);
  }
  if (lineHeight != nullptr) {
    DT_Punkt onPolygon;
    if (InterpolerMHP_X(&onPolygon, chainage) == 0) return ErrorKode(-4);
    lineHeight->Init(onPolygon.y());
  }
  if (difference != nullptr) {
    if (lineHeight == nullptr || profileHeight == nullptr) return ErrorKode(-3);
    difference->Init(lineHeight->Get() - profileHeight->Get());
  }
  return 1;
}

int QP_LinjePaalegg::GetMaxMinHeigth(DT_Double* minHeight, DT_Double* maxHeight,
                                     const DT_Double* from, const DT_Double* to,
                                     const DT_Double* step) {
  if (minHeight == nullptr && maxHeight == nullptr) return ErrorKode(-1);
  Vertex first, last;
  HovedObjekt* firstNode = kx::detail::VertexFrom(Forste(1), &first);
  if (Antall() < 2 || firstNode == nullptr ||
      kx::detail::VertexFrom(kx::detail::After(firstNode), &last) == nullptr) {
    return ErrorKode(-2);
  }
  for (HovedObjekt* node = Siste(1); !kx::detail::VertexOf(node, &last);) {
    node = static_cast<DT_Node*>(node)->GetForrige();
  }
  double lowest = 999999.9;
  double highest = -999999.9;
  DT_Double position(from != nullptr ? from->Get() : first.x);
  const double end = to != nullptr ? to->Get() : last.x;
  const double stride = step != nullptr ? step->Get() : 10.0;
  if (kx::detail::StorreEllerLik(position.Get(), end, kFine)) return ErrorKode(-3);
  // A step of 0 or less (or a NaN) never reaches the end: refused like an empty range.
  if (!(stride > 0.0)) return ErrorKode(-3);

  DT_Double height;
  for (bool atEnd = false; !atEnd;) {
    // Positions at least 1e-4 below the end, then the end itself.
    atEnd = !kx::detail::MindreEnn(position.Get(), end, 1e-4);
    if (atEnd) position.Init(end);
    if (HoydeIProfil(&height, &position) == 0) return ErrorKode(ErrorKode(-9999) - 100);
    if (kx::detail::StorreEnn(height.Get(), highest, kFine)) highest = height.Get();
    if (kx::detail::MindreEnn(height.Get(), lowest, kFine)) lowest = height.Get();
    // A step too small to move the position on would never reach the end either.
    if (!atEnd && !(position.Get() + stride > position.Get())) return ErrorKode(-3);
    position.InitRel(stride);
  }
  if (minHeight != nullptr) minHeight->Init(lowest);
  if (maxHeight != nullptr) maxHeight->Init(highest);
  return 1;
}
