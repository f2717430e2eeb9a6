#pragma once
// The compiled curve table of a QP_LinjePaalegg: its vertices read once from the list, and for
// each window A, B, C the fitted curve of B (parabola, or circle with its closed-form rough
// circle), computed with the very operations of the walk (profile/ProfileMath.h), so that a height
// from the table is the walk's height bit for bit, with the same last error code and cursor.
//
// A query finds the first window that can hold its chainage by binary search and runs the walk's
// decisions (AnswerWindow) from there; well inside a span of a plain profile (see Span) it needs
// not even that. The search needs vertices in non-decreasing, finite
// chainage (within ±1e9, where the 1e-6 window test is monotonic); otherwise the table is walked
// in list order from the first window, as the walk does. Either way nothing is fitted at query
// time and nothing is allocated.
//
// The table is never stale: ProfileAccess::Table checks, in constant time, the list's generation,
// the process-wide count of node setter calls, the count of edits of watched points and the mode;
// when only the point edits moved it compares its copy of each vertex bit for bit (and keeps the
// table when nothing differs); points whose array was handed out are compared at every query.

#include <cstdint>
#include <vector>

#include "kx/profile/ProfileQueries.h"
#include "profile/HeightWalk.h"

class DT_Node;
class DT_Punkt;

namespace kx::detail {

// The fitted curve of a window's middle vertex B.
struct WindowFit {
  bool none = true;  // no curve of any length: a radius of 0 or a tangent length of 0 (1e-9)
  // Parabolic mode: the parabola, its bend (1 a crest, -1 a sag), the grade from B back to T1, and
  // the last error code that CalculateTangPoints' radius check leaves.
  ParabolaCurve parabola{};
  double sign = 1.0;
  double slope = 0.0;
  int radiusCode = 0;
  // Circular mode: the circle, its closed-form approximation, and the centre's signed distance from
  // the chord T2-T1.
  CircleCurve circle{};
  RoughCircle rough{};
  double side = 0.0;
};

// The piece of the profile that gave a height: a grade line s-e, or the curve of window k.
struct Piece {
  enum class Kind { Line, Parabola, Circle } kind = Kind::Line;
  Plan s{}, e{};
  int k = 0;
};

// A height query's answer as HoydeIProfil reports it: the result (1 with y, or 0), the last error
// code, and where the cursor ends.
struct Outcome {
  enum class Cursor { Untouched, First, OnVertex, Off };
  int result = 0;
  double y = 0.0;
  int code = 0;
  Cursor cursor = Cursor::Untouched;
  int vertex = 0;  // OnVertex: the vertex (C of the answering window)
};

class CurveTable {
 public:
  // The walk at chainage x. hint, when given, is the first window of the previous query of a
  // series: a chainage at or after that query's is found from there (sorted series cost O(1)
  // amortised); it is updated. piece, when given, receives what answered (for a result 1).
  Outcome Height(double x, int* hint = nullptr, Piece* piece = nullptr) const;

  // The heights at count chainages as ProfileHeights delivers them; the number of Ok heights.
  // Where the profile is plain (see Span) a chainage well inside a grade line or a curve is
  // evaluated there directly; any other goes through Height.
  std::size_t Heights(const double* chainages, std::size_t count, kx::HeightAt* out) const;
  // The height at x (as Height) when x lies well inside a span (found from *span, which moves
  // on, for chainages in increasing order); false when Height must decide.
  bool SpanHeight(double x, std::size_t* span, double* y) const;
  // Height's outcome at x, when x lies well inside a span; false when Height must decide.
  bool SpanOutcome(double x, Outcome* o) const;

  int Count() const { return static_cast<int>(vertices_.size()); }
  // Whether a chainage's window is found by search; otherwise a height looks at the windows in
  // list order, up to every one of them.
  bool Searchable() const { return searchable_; }
  const Vertex& At(int i) const { return vertices_[i]; }
  // The fit of the window whose B is vertex k + 1.
  const WindowFit& Fit(int k) const { return fits_[k]; }
  bool Parabolic() const { return parabolic_; }

 private:
  friend struct ProfileAccess;
  // Whether the table still describes profile (constant time unless points were edited).
  bool Current(QP_LinjePaalegg& profile);
  void Build(QP_LinjePaalegg& profile);
  bool Same(int i) const;
  int FirstWindow(double x, int* hint) const;
  void BuildSpans();

  // A stretch of chainage on which every chainage the walk is asked gets its answer from one
  // piece: the grade line from vertex k to k + 1 (curve false), or the curve of window k. Built
  // only for a plain profile (vertices in order, finite, curves that neither overlap nor pass a
  // neighbouring vertex), and kept clear of every tangent point and vertex by a margin well above
  // the walk's tolerances and the rough circle's margins, so that the walk's answer there is
  // known: the piece's own height, with the same operations.
  // On a span the walk's path is known too: the window that answers (its C, vertex, is where the
  // cursor ends; -1 for the first vertex, as for two vertices) and the last error codes its
  // windows write on the way, in order: a constant, or (a circle) 2 where the vertical at x passes
  // beside the circle of a window; on a curve the window before it writes only while it holds x.
  struct Write {
    int code;     // the constant (circle false)
    int window;   // circle: the window whose circle is asked
    bool circle;
    bool whileHeld;  // only while the window before the curve's holds x
  };
  struct Span {
    double from, to;
    bool curve;
    int k;
    int vertex;
    Write writes[2];
    int writeCount;
    bool fixed;  // constants only, none while held: the code is the same all along the span
  };
  // The walk's writes at x into *code; false where its path is not known (x within the rough
  // circle's margin of a circle's edge).
  bool ApplyWrites(const Span& span, double x, int* code) const;
  // Evaluates span i at x; false where the walk must decide.
  bool SpanAt(std::size_t i, double x, double* y) const;
  // Where window k's B lies: -1 no curve (radius 0, or no length), 0 a parabola, 1 a circle.
  int CurveKind(int k) const;

  std::vector<Vertex> vertices_;  // the vertices in list order, as read (the copy compared)
  std::vector<double> reach_;  // x + 1e-6 of each vertex: with the vertices in order, a window
                               // holds a chainage x only if its C's reach lies above x
  std::vector<DT_Node*> nodes_;
  std::vector<int> positions_;  // each vertex's node position (nodes without a point count)
  std::vector<const DT_Punkt*> points_;
  std::vector<int> handedOut_;  // vertices whose array was handed out: compared at every query
  std::vector<WindowFit> fits_;
  std::vector<Span> spans_;  // in chainage order
  std::vector<double> spanEnds_;  // their ends, for the search
  bool built_ = false;
  bool parabolic_ = false;
  bool searchable_ = false;
  std::uint64_t generation_ = 0;
  std::uint64_t nodeEdits_ = 0;
  std::uint64_t pointEdits_ = 0;
};

// What a query that gave o reports in a batch.
HeightStatus StatusOf(const Outcome& o);

// The profile's table and cursor, for the profile's members and the queries of ProfileQueries.h.
struct ProfileAccess {
  // The profile's table, rebuilt first when it is stale. The last error code is left as it was.
  static const CurveTable& Table(QP_LinjePaalegg& profile);
  // Puts the cursor where the query that gave outcome leaves it (constant time).
  static void PlaceCursor(QP_LinjePaalegg& profile, const CurveTable& table, const Outcome& outcome);
};

}  // namespace kx::detail
