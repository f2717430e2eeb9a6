#pragma once
// The walk behind QP_LinjePaalegg::HoydeIProfil, over a window of three vertices A, B, C.
//
// The decisions of one window are written once (AnswerWindow), for the geometry they ask (the
// Curves argument): the library runs them on its compiled curve table (profile/CurveTable.h), the
// tests on the library's geometry objects, one object per step, through the walk over the list's
// nodes below (NodeWalk), the reference the table is held to bit for bit. Curves offers, for
// vertices with z the radius:
//   bool Line(s, e, x, tolerance, &y)  the height above x on the segment s-e (B_Linje::GetPosI_X),
//                                      recording last error code -3 where there is none
//   Curve At(window, x, &y)            the curve at B between the grades A-B and B-C: None when it
//                                      has no length, else On (y set) or Off, recording the codes
//                                      of its own steps
//   bool Holds(window, x)              does that curve have a length, is its tangent point T1 at
//                                      a finite chainage, and does x lie at or after it (within
//                                      1e-9)? Records no code.

#include <cmath>

#include "kx/containers/DT_Node.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "numbers/Tolerance.h"
#include "profile/ProfileMath.h"

namespace kx::detail {

struct Vertex {
  double x, y, z;
  Plan plan() const { return {x, y}; }
};

// Three consecutive vertices (held elsewhere); k numbers the windows from 0 (B the second vertex).
struct Window {
  const Vertex& a;
  const Vertex& b;
  const Vertex& c;
  int k;
};

enum class Curve { None, On, Off };

// The window test and every grade line; the radius that counts as none, the tangent points of a
// parabola and the middle vertex when leaving a curve; the line of a two-vertex profile.
inline constexpr double kWindow = 1e-6;
inline constexpr double kFine = 1e-9;

// Does the window hold the chainage (within 1e-6 of A and C)?
inline bool Holds(const Window& w, double x) {
  return StorreEllerLik(x, w.a.x, kWindow) && MindreEllerLik(x, w.c.x, kWindow);
}

// Where B has no curve and the grade C-B gives a height at the chainage: does the chainage lie on
// C's curve instead (C interior, with a curve of some length whose tangent point T1 is a finite
// chainage at or before it, and the next window, with C in the middle, holds the chainage)? Then
// that window answers.
template <typename Curves>
bool NextCurveHolds(Curves& curves, const Window& w, const Window* next, double x) {
  double onGrade = 0.0;
  if (Lik(w.c.z, 0.0, kFine) || !HeightOnLine(w.c.plan(), w.b.plan(), x, kWindow, &onGrade)) {
    return false;
  }
  return next != nullptr && Holds(*next, x) && curves.Holds(*next, x);
}

enum class Step { Answer, Fail, Slide };

// One window that holds the chainage; next is the window after it (null when C is the last
// vertex). Answer: *y is the height. Fail: the grade line after a curve gives none (-6). Slide:
// a later window answers, if any.
//   B without curve: the grade C-B, else the grade B-A; neither holding the chainage, the next
//     window. Not while the chainage lies on C's curve (NextCurveHolds): the next window answers.
//   B with a curve: the curve; off it, the grade A-B up to B (within 1e-9), or B-C when C is the
//     last vertex, else the next window.
template <typename Curves>
Step AnswerWindow(Curves& curves, const Window& w, const Window* next, double x, double* y) {
  const Curve curve = Lik(w.b.z, 0.0, kFine) ? Curve::None : curves.At(w, x, y);
  bool answered = curve == Curve::On && std::isfinite(*y);
  if (curve == Curve::None) {
    answered = !NextCurveHolds(curves, w, next, x) &&
               (curves.Line(w.c, w.b, x, kWindow, y) || curves.Line(w.b, w.a, x, kWindow, y));
  } else if (!answered) {
    // Off the curve (or on it with no finite height): the grade before the vertex, or the grade
    // after it when C is the last vertex; otherwise a later window answers.
    const bool beforeB = MindreEllerLik(x, w.b.x, kFine);
    if (beforeB || next == nullptr) {
      answered = beforeB ? curves.Line(w.a, w.b, x, kWindow, y) : curves.Line(w.b, w.c, x, kWindow, y);
      if (!answered) return Step::Fail;
    }
  }
  return answered ? Step::Answer : Step::Slide;
}

// The walk over the list's nodes, in list order, as HoydeIProfil answers (the reference of the
// tests). The vertex at node: false for no node or a node whose point was cleared.
inline bool VertexOf(HovedObjekt* node, Vertex* v) {
  if (node == nullptr) return false;
  const auto* point = static_cast<const DT_Punkt*>(static_cast<DT_Node*>(node)->GetDette());
  if (point == nullptr) return false;
  *v = {point->x(), point->y(), point->z()};
  return true;
}

inline HovedObjekt* After(HovedObjekt* node) { return static_cast<DT_Node*>(node)->GetNeste(); }

// The first vertex from node on (node itself included), or null; *index (when given) counts the
// nodes passed.
inline HovedObjekt* VertexFrom(HovedObjekt* node, Vertex* v, int* index = nullptr) {
  for (; node != nullptr; node = After(node)) {
    if (VertexOf(node, v)) return node;
    if (index != nullptr) ++*index;
  }
  return nullptr;
}

// After the checks of the profile and the first vertex, each window that holds the chainage (within
// 1e-6) is asked in list order (AnswerWindow), and the first answer counts. No window answering: 0
// with last error code 0 (beyond the last vertex). The list's cursor ends where a walk with the
// cursor would leave it: on C when a window answers or fails, on the first vertex when the first
// vertex or a two-vertex profile decides, off the list when no window answers.
template <typename Curves>
int NodeWalk(QP_LinjePaalegg& profile, DT_Double* height, const DT_Double* chainage) {
  profile.ErrorKode(0);
  if (profile.Antall() < 2 || height == nullptr || chainage == nullptr) {
    return profile.ErrorKode(-5);
  }
  const double x = chainage->Get();
  Curves curves(profile);
  Vertex a, b, c, d;
  int index = 0;  // the position of C's node, for the cursor
  HovedObjekt* nodeA = VertexFrom(profile.Forste(1), &a, &index);
  HovedObjekt* nodeB = nodeA != nullptr ? VertexFrom(After(nodeA), &b, &++index) : nullptr;
  if (nodeB == nullptr) return profile.ErrorKode(-5);
  HovedObjekt* nodeC = VertexFrom(After(nodeB), &c, &++index);
  double y = 0.0;
  if (nodeC == nullptr) {
    // Two vertices: one line, extended by 1e-9 only.
    profile.AktiverForste(0);
    if (!curves.Line(a, b, x, kFine, &y)) return profile.ErrorKode(-7);
    height->Init(y);
    return 1;
  }
  if (!StorreEllerLik(x, a.x, kWindow)) {
    profile.AktiverForste(0);
    return profile.ErrorKode(-4);
  }
  for (int k = 0; nodeC != nullptr; ++k) {
    int nextIndex = index + 1;
    HovedObjekt* nodeD = VertexFrom(After(nodeC), &d, &nextIndex);
    const Window w{a, b, c, k}, next{b, c, d, k + 1};
    if (Holds(w, x)) {
      const Step step = AnswerWindow(curves, w, nodeD != nullptr ? &next : nullptr, x, &y);
      if (step != Step::Slide) {
        profile.Aktiver(index);
        if (step == Step::Fail) return profile.ErrorKode(-6);
        height->Init(y);
        return 1;
      }
    }
    a = b;
    b = c;
    c = d;
    index = nextIndex;
    nodeC = nodeD;
  }
  // Off the list, as a walk with the cursor ends.
  profile.AktiverSiste(0);
  profile.AktiverNeste(0);
  profile.ErrorKode(0);
  return 0;
}

}  // namespace kx::detail
