#include "profile/CurveTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "containers/Edits.h"
#include "geometry/PointAccess.h"
#include "kx/containers/DT_Node.h"
#include "kx/geometry/B_Linje.h"
#include "kx/profile/ProfileQueries.h"

namespace kx::detail {

namespace {

// Chainages within this bound keep the 1e-6 window test monotonic in the vertex chainage (1e-6
// stays above half a unit in the last place), which the search relies on.
constexpr double kSearchable = 1e9;

// CalculateTangPoints checks a parabola's radius by intersecting the normals of the grades at T1
// and T2, and leaves the intersection's error code: 0 where they meet at a finite point, which
// they do unless the grades are parallel within a hair (or the numbers are out of range, or the
// tangent points too close to the vertex for their directions to be known well). Those few cases
// run the check itself; *ran tells that the last error code was written.
int RadiusCheckCode(QP_LinjePaalegg& profile, const Window& w, const ParabolaCurve& p, bool* ran) {
  constexpr double kFar = 1e12;
  const Vertex& b = w.b;
  const double spread = 1e-7 * (1.0 + 0.5 * (p.gIn * p.gIn + p.gOut * p.gOut));
  if (std::fabs(p.gIn - p.gOut) > spread && std::fabs(b.x) < kFar && std::fabs(b.y) < kFar &&
      std::fabs(p.tangent) < kFar &&
      std::fabs(p.tangent) > 1e-7 * (1.0 + std::fabs(b.x) + std::fabs(b.y))) {
    return 0;
  }
  *ran = true;
  const DT_Punkt pa(w.a.x, w.a.y, 0.0), pb(b.x, b.y, 0.0), pc(w.c.x, w.c.y, 0.0);
  B_Linje in(&pb, &pa), out(&pb, &pc);
  DT_Double radius(b.z);
  profile.CalculateTangPoints(in, out, radius, nullptr);
  return profile.ErrorKode(-9999);
}

// The walk's geometry read from the table: the fits are taken from the table. The codes go to
// code (the caller reports the last one), the piece that answered to *piece when asked for.
class TableCurves {
 public:
  TableCurves(const CurveTable& table, Piece* piece) : table_(table), piece_(piece) {}

  bool Line(const Vertex& s, const Vertex& e, double x, double tolerance, double* y) {
    if (HeightOnLine(s.plan(), e.plan(), x, tolerance, y)) {
      if (piece_ != nullptr) *piece_ = {Piece::Kind::Line, s.plan(), e.plan(), 0};
      return true;
    }
    code = -3;
    return false;
  }

  Curve At(const Window& w, double x, double* y) {
    const WindowFit& f = table_.Fit(w.k);
    if (!table_.Parabolic()) return OnCircle(f, w, x, y);
    if (f.none) return Curve::None;
    code = f.radiusCode;
    const ParabolaCurve& p = f.parabola;
    if (!StorreEllerLik(x, p.t1.x, kFine) || !MindreEllerLik(x, p.t2.x, kFine)) return Curve::Off;
    *y = ParabolaHeight(p.t1.y, f.sign, x - p.t1.x, w.b.z, f.slope);
    if (piece_ != nullptr) *piece_ = {Piece::Kind::Parabola, {}, {}, w.k};
    return Curve::On;
  }

  bool Holds(const Window& w, double x) const {
    const WindowFit& f = table_.Fit(w.k);
    double t1x = 0.0;
    if (table_.Parabolic()) {
      if (f.none) return false;
      t1x = f.parabola.t1.x;
    } else {
      if (f.rough.reliable && std::fabs(x - f.rough.t1x) > f.rough.margin) return x > f.rough.t1x;
      if (f.none) return false;
      t1x = f.circle.t1.x;
    }
    return std::isfinite(t1x) && StorreEllerLik(x, t1x, kFine);
  }

  int code = 0;

 private:
  // The circular curve. The circle's trigonometry was done when the table was built; away from the
  // arc's ends (and from the circle's edge) the closed-form circle tells whether the chainage is on
  // the arc, and whether the vertical misses the circle (code 2), well within its margin.
  Curve OnCircle(const WindowFit& f, const Window& w, double x, double* y) {
    const RoughCircle& rough = f.rough;
    const double m = rough.margin;
    bool inside = false;
    if (rough.reliable) {
      if (x < rough.t1x - m || x > rough.t2x + m) {
        const double off = std::fabs(x - rough.centreX);
        if (off > rough.radius + m) {
          code = 2;
          return Curve::Off;
        }
        if (off < rough.radius - m) return Curve::Off;
      }
      inside = x > rough.t1x + m && x < rough.t2x - m;
    }
    if (f.none) return Curve::None;
    VerticalCut cut;
    int missed = 0;
    if (!CutVertical(f.circle, x, &cut, &missed)) {
      code = missed;
      return Curve::Off;
    }
    // Well inside the arc the upper intersection lies on a crest's arc, the lower on a sag's.
    const int answer = inside ? (rough.crest ? 2 : 1) : ArcAnswerAt(f.circle, f.side, cut);
    if (answer != 1 && answer != 2) return Curve::Off;
    *y = answer == 1 ? cut.low.y : cut.high.y;
    if (piece_ != nullptr) *piece_ = {Piece::Kind::Circle, {}, {}, w.k};
    return Curve::On;
  }

  const CurveTable& table_;
  Piece* piece_;
};

}  // namespace

bool CurveTable::Same(int i) const {
  // Bit for bit on purpose: a NaN vertex is unchanged when its bits are, and -0.0 is a change.
  // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
  return std::memcmp(PointAccess::Coordinates(*points_[i]), &vertices_[i], sizeof(Vertex)) == 0;
}

bool CurveTable::Current(QP_LinjePaalegg& profile) {
  if (!built_ || generation_ != profile.Generation() || nodeEdits_ != gNodeEdits ||
      parabolic_ != ((profile.modes_.Get() & kParabolicCurves) != 0)) {
    return false;
  }
  if (pointEdits_ == gPointEdits) {
    for (int i : handedOut_) {
      if (!Same(i)) return false;
    }
    return true;
  }
  // Some watched point changed or was handed out: this profile's vertices may be among them.
  handedOut_.clear();
  for (int i = 0; i < Count(); ++i) {
    if (!Same(i)) return false;
    if (PointAccess::HandedOut(*points_[i])) handedOut_.push_back(i);
  }
  pointEdits_ = gPointEdits;
  return true;
}

void CurveTable::Build(QP_LinjePaalegg& profile) {
  vertices_.clear();
  reach_.clear();
  nodes_.clear();
  positions_.clear();
  points_.clear();
  handedOut_.clear();
  fits_.clear();
  spans_.clear();
  spanEnds_.clear();
  int position = 0;
  for (auto* node = static_cast<DT_Node*>(profile.Forste(1)); node != nullptr;
       node = static_cast<DT_Node*>(node->GetNeste()), ++position) {
    auto* point = static_cast<DT_Punkt*>(node->GetDette());
    if (point == nullptr) continue;
    PointAccess::Watch(*point);
    const double(&xyz)[3] = PointAccess::Coordinates(*point);
    if (PointAccess::HandedOut(*point)) handedOut_.push_back(Count());
    vertices_.push_back({xyz[0], xyz[1], xyz[2]});
    reach_.push_back(xyz[0] + kWindow);
    nodes_.push_back(node);
    positions_.push_back(position);
    points_.push_back(point);
  }
  searchable_ = true;
  for (int i = 0; i < Count(); ++i) {
    const double x = vertices_[i].x;
    if (!(std::fabs(x) <= kSearchable) || (i > 0 && !(vertices_[i - 1].x <= x))) searchable_ = false;
  }
  parabolic_ = profile.Modes(kParabolicCurves, kModesTest) != 0;

  // The radius check of a parabola may record codes: the caller's code is put back.
  const int code = profile.ErrorKode(-9999);
  bool recorded = false;
  for (int k = 0; k + 2 < Count(); ++k) {
    const Window w{vertices_[k], vertices_[k + 1], vertices_[k + 2], k};
    WindowFit f;
    if (!Lik(w.b.z, 0.0, kFine)) {
      if (parabolic_) {
        f.parabola = FitParabola(w.a.plan(), w.b.plan(), w.c.plan(), w.b.z);
        f.none = Lik(f.parabola.tangent, 0.0, kFine);
        if (!f.none) {
          f.radiusCode = RadiusCheckCode(profile, w, f.parabola, &recorded);
          f.sign = f.parabola.gIn - f.parabola.gOut < 0.0 ? -1.0 : 1.0;
          f.slope = Grade(w.b.plan(), f.parabola.t1);
        }
      } else {
        f.rough = FitRoughCircle(w.a.plan(), w.b.plan(), w.c.plan(), w.b.z);
        f.circle = FitCircle(w.a.plan(), w.b.plan(), w.c.plan(), w.b.z);
        f.none = Lik(f.circle.tangent, 0.0, kFine);
        f.side = ChordSide(f.circle);
      }
    }
    fits_.push_back(f);
  }
  if (recorded) profile.ErrorKode(code);
  BuildSpans();
  generation_ = profile.Generation();
  nodeEdits_ = gNodeEdits;
  pointEdits_ = gPointEdits;
  built_ = true;
}

int CurveTable::FirstWindow(double x, int* hint) const {
  // The first window k whose C (vertex k + 2) the chainage does not pass by 1e-6 (MindreEllerLik):
  // every window before it lies wholly before the chainage. For chainages in order within ±1e9
  // that test is C.x + 1e-6 > x, the same sum in the same rounding, and monotonic in k.
  const double* reach = reach_.data() + 2;
  int lo = 0;
  int count = Count() - 2;  // the answer lies in [lo, lo + count]; lo + count: none holds
  if (hint != nullptr) {
    const int from = std::clamp(*hint, 0, count);
    if (from > 0 && reach[from - 1] > x) {
      count = from - 1;
    } else {
      // Galloping from the hint: windows before lo are known to lie before the chainage.
      int stride = 1;
      lo = from;
      while (lo + stride <= Count() - 2 && !(reach[lo + stride - 1] > x)) {
        lo += stride;
        stride *= 2;
      }
      count = std::min(stride - 1, Count() - 2 - lo);
    }
  }
  lo = static_cast<int>(std::upper_bound(reach + lo, reach + lo + count, x) - reach);
  if (hint != nullptr) *hint = lo;
  return lo;
}

Outcome CurveTable::Height(double x, int* hint, Piece* piece) const {
  Outcome o;
  const int n = Count();
  if (n < 2) {
    o.code = -5;
    return o;
  }
  TableCurves curves(*this, piece);
  if (n == 2 || !StorreEllerLik(x, vertices_[0].x, kWindow)) {
    // Two vertices: one line, extended by 1e-9 only. More: the chainage lies before the first.
    o.cursor = Outcome::Cursor::First;
    if (n > 2) {
      o.code = -4;
    } else if (!curves.Line(vertices_[0], vertices_[1], x, kFine, &o.y)) {
      o.code = -7;
    } else {
      o.result = 1;
    }
    return o;
  }
  for (int k = searchable_ ? FirstWindow(x, hint) : 0; k + 2 < n; ++k) {
    const Window w{vertices_[k], vertices_[k + 1], vertices_[k + 2], k};
    if (!kx::detail::Holds(w, x)) {
      // In order, a window whose A lies after the chainage is followed by no window that holds it.
      if (searchable_ && !StorreEllerLik(x, w.a.x, kWindow)) break;
      continue;
    }
    const Window next{w.b, w.c, vertices_[k + 3 < n ? k + 3 : k + 2], k + 1};
    const Step step = AnswerWindow(curves, w, k + 3 < n ? &next : nullptr, x, &o.y);
    if (step == Step::Slide) continue;
    o.cursor = Outcome::Cursor::OnVertex;
    o.vertex = k + 2;
    o.code = step == Step::Fail ? -6 : curves.code;
    o.result = step == Step::Fail ? 0 : 1;
    return o;
  }
  o.cursor = Outcome::Cursor::Off;
  return o;
}

void CurveTable::BuildSpans() {
  const int n = Count();
  if (!searchable_ || n < 2) return;
  // The margin: eight times the rough circle's (1e-6 of the largest coordinate or radius), and
  // well above the window test's 1e-6.
  double largest = 0.0;
  for (const Vertex& v : vertices_) {
    if (!std::isfinite(v.y) || !std::isfinite(v.z)) return;
    largest = std::max({largest, std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
  }
  const double margin = 8e-6 * (1.0 + largest);
  // Where each vertex's curve starts and ends (the vertex itself without one).
  std::vector<Plan> extent(n);
  std::vector<bool> curved(n, false);
  for (int i = 0; i < n; ++i) extent[i] = {vertices_[i].x, vertices_[i].x};
  for (int k = 0; k + 2 < n; ++k) {
    const WindowFit& f = fits_[k];
    if (f.none && f.rough.reliable) return;  // a rough circle that the walk asks, of no length
    if (f.none) continue;
    const Plan t1 = parabolic_ ? f.parabola.t1 : f.circle.t1;
    const Plan t2 = parabolic_ ? f.parabola.t2 : f.circle.t2;
    const double x = vertices_[k + 1].x;
    const bool plain = parabolic_ || f.rough.reliable;
    if (!plain || !std::isfinite(t1.y) || !std::isfinite(t2.y) || !(vertices_[k].x <= t1.x) ||
        !(t1.x < x) || !(x < t2.x) || !(t2.x <= vertices_[k + 2].x)) {
      return;
    }
    extent[k + 1] = {t1.x, t2.x};
    curved[k + 1] = true;
  }
  std::vector<Span> spans;
  for (int i = 0; i < n; ++i) {
    if (i > 0 && !(extent[i - 1].y <= extent[i].x)) return;  // curves that overlap
    if (curved[i]) {
      // The curve of window k = i - 1: the window before it (B = vertex i - 1) writes first while
      // it holds x, then the curve's own window, which answers.
      Span span{extent[i].x + margin, extent[i].y - margin, true, i - 1, i + 1, {}, 0, false};
      const int before = i - 2;
      if (before >= 0 && CurveKind(before) >= 0) {
        span.writes[span.writeCount++] = {fits_[before].radiusCode, before, !parabolic_, true};
      }
      if (parabolic_) span.writes[span.writeCount++] = {fits_[i - 1].radiusCode, i - 1, false, false};
      spans.push_back(span);
    }
    if (i + 1 == n) continue;
    // The grade from vertex i to i + 1: window i - 1 (B = vertex i) answers when B has no curve or C
    // is the last vertex; otherwise it passes on (after its writes) to window i, where B is vertex
    // i + 1, which answers on the grade before it.
    Span span{extent[i].y + margin, extent[i + 1].x - margin, false, i, n == 2 ? -1 : i + 1, {}, 0, false};
    bool answered = n == 2;
    if (i >= 1) {
      const int kind = CurveKind(i - 1);
      if (kind >= 0) span.writes[span.writeCount++] = {fits_[i - 1].radiusCode, i - 1, kind == 1, false};
      answered = kind < 0 || i + 1 == n - 1;
    }
    if (!answered) {
      const int kind = CurveKind(i);
      span.writes[span.writeCount++] = {kind < 0 ? -3 : fits_[i].radiusCode, i, kind == 1, false};
      span.vertex = i + 2;
    }
    spans.push_back(span);
  }
  for (Span& span : spans) {
    if (!(span.from < span.to)) continue;
    span.fixed = true;
    for (int w = 0; w < span.writeCount; ++w) {
      span.fixed = span.fixed && !span.writes[w].circle && !span.writes[w].whileHeld;
    }
    spans_.push_back(span);
    spanEnds_.push_back(span.to);
  }
}

int CurveTable::CurveKind(int k) const {
  if (Lik(vertices_[k + 1].z, 0.0, kFine) || fits_[k].none) return -1;
  return parabolic_ ? 0 : 1;
}

bool CurveTable::ApplyWrites(const Span& span, double x, int* code) const {
  if (span.fixed) {
    // Constants only, written whatever x: the last one stands.
    if (span.writeCount > 0) *code = span.writes[span.writeCount - 1].code;
    return true;
  }
  for (int w = 0; w < span.writeCount; ++w) {
    const Write& write = span.writes[w];
    // The window before a curve holds x up to its C, the curve's vertex (within 1e-6).
    if (write.whileHeld && !(reach_[span.k + 1] > x)) continue;
    if (!write.circle) {
      *code = write.code;
      continue;
    }
    const RoughCircle& rough = fits_[write.window].rough;
    const double off = std::fabs(x - rough.centreX);
    if (off > rough.radius + rough.margin) {
      *code = 2;
    } else if (!(off < rough.radius - rough.margin)) {
      return false;
    }
  }
  return true;
}

bool CurveTable::SpanOutcome(double x, Outcome* o) const {
  const std::size_t i =
      std::upper_bound(spanEnds_.begin(), spanEnds_.end(), x) - spanEnds_.begin();
  if (i == spans_.size() || !(x > spans_[i].from) || !SpanAt(i, x, &o->y)) return false;
  const Span& span = spans_[i];
  o->code = 0;
  if (!ApplyWrites(span, x, &o->code)) return false;
  o->result = 1;
  o->cursor = span.vertex < 0 ? Outcome::Cursor::First : Outcome::Cursor::OnVertex;
  o->vertex = span.vertex;
  return true;
}

bool CurveTable::SpanHeight(double x, std::size_t* span, double* y) const {
  std::size_t i = *span;
  const std::size_t count = spans_.size();
  if (i < count && !(x < spans_[i].to) && i + 1 < count && x < spans_[i + 1].to) {
    ++i;  // the next span: chainages in order
  } else if (i >= count || !(x < spans_[i].to) || x < spans_[i].from) {
    // Any other place: the first span that ends after x.
    i = std::upper_bound(spanEnds_.begin(), spanEnds_.end(), x) - spanEnds_.begin();
  }
  *span = i;
  return i < count && x > spans_[i].from && SpanAt(i, x, y);
}

bool CurveTable::SpanAt(std::size_t i, double x, double* y) const {
  const Span& s = spans_[i];
  if (!s.curve) return HeightOnLine(vertices_[s.k].plan(), vertices_[s.k + 1].plan(), x, kWindow, y);
  const WindowFit& f = fits_[s.k];
  if (parabolic_) {
    const ParabolaCurve& p = f.parabola;
    *y = ParabolaHeight(p.t1.y, f.sign, x - p.t1.x, vertices_[s.k + 1].z, f.slope);
    return std::isfinite(*y);
  }
  VerticalCut cut;
  int code = 0;
  if (!CutVertical(f.circle, x, &cut, &code)) return false;
  *y = f.rough.crest ? cut.high.y : cut.low.y;
  return std::isfinite(*y);
}

std::size_t CurveTable::Heights(const double* chainages, std::size_t count, HeightAt* out) const {
  std::size_t ok = 0;
  std::size_t span = 0;
  int hint = 0;
  double previous = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < count; ++i) {
    const double x = chainages[i];
    Outcome o;
    if (SpanHeight(x, &span, &o.y)) {
      o.result = 1;
    } else {
      // From the previous window only when the chainages increase; otherwise a plain search.
      o = Height(x, x >= previous ? &hint : nullptr);
    }
    previous = x;
    out[i].status = StatusOf(o);
    out[i].height = o.result == 1 ? o.y : std::numeric_limits<double>::quiet_NaN();
    ok += o.result == 1 ? 1 : 0;
  }
  return ok;
}

HeightStatus StatusOf(const Outcome& o) {
  if (o.result == 1) return HeightStatus::Ok;
  switch (o.code) {
    case -5:
      return HeightStatus::TooFewVertices;
    case -4:
      return HeightStatus::BeforeStart;
    case -7:
      return HeightStatus::OutsideSegment;
    case -6:
      return HeightStatus::NoGradeLine;
    default:
      return HeightStatus::BeyondEnd;
  }
}

const CurveTable& ProfileAccess::Table(QP_LinjePaalegg& profile) {
  CurveTable*& table = profile.table_.table;
  if (table == nullptr) table = new CurveTable;
  if (!table->Current(profile)) table->Build(profile);
  return *table;
}

void ProfileAccess::PlaceCursor(QP_LinjePaalegg& profile, const CurveTable& table,
                                const Outcome& outcome) {
  switch (outcome.cursor) {
    case Outcome::Cursor::Untouched:
      break;
    case Outcome::Cursor::First:
      profile.AktiverForste(0);
      break;
    case Outcome::Cursor::OnVertex:
      profile.PlaceCursor(table.nodes_[outcome.vertex], table.positions_[outcome.vertex]);
      break;
    case Outcome::Cursor::Off:
      profile.AktiverSiste(0);
      profile.AktiverNeste(0);
      break;
  }
}

}  // namespace kx::detail
