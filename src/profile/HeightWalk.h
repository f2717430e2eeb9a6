#pragma once
// The walk behind QP_LinjePaalegg::HoydeIProfil, over a window of three vertices A, B, C.
//
// It is written once for the geometry it asks (the Curves argument), so that the same walk runs
// on plain doubles for the queries (PlainCurves) and on the library's geometry objects as the
// reference the tests and benchmarks hold it to (ElementCurves). Curves offers, for vertices
// with z the radius:
//   bool Line(s, e, x, tolerance, &y)  the height above x on the segment s-e (B_Linje::GetPosI_X),
//                                      recording last error code -3 where there is none
//   Curve At(a, b, c, x, &y)           the curve at b between the grades a-b and b-c: None when it
//                                      has no length, else On (y set) or Off, recording the codes
//                                      of its own steps
//   bool Holds(a, b, c, x)             does that curve have a length, is its tangent point T1 at
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

enum class Curve { None, On, Off };

// The window test and every grade line; the radius that counts as none, the tangent points of a
// parabola and the middle vertex when leaving a curve; the line of a two-vertex profile.
inline constexpr double kWindow = 1e-6;
inline constexpr double kFine = 1e-9;

// The vertex at node; false for no node or a node whose point was cleared.
inline bool VertexOf(HovedObjekt* node, Vertex* v) {
  if (node == nullptr) return false;
  auto* point = static_cast<DT_Punkt*>(static_cast<DT_Node*>(node)->GetDette());
  if (point == nullptr) return false;
  const double(&xyz)[3] = *point->Get();
  *v = {xyz[0], xyz[1], xyz[2]};
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

// Where B has no curve and the grade C-B gives a height at the chainage: does the chainage lie on
// C's curve instead (C interior, with a curve of some length whose tangent point T1 is a finite
// chainage at or before it, and the next window, with C in the middle, holds the chainage)? Then
// that window answers. nodeC is C's node.
template <typename Curves>
bool NextCurveHolds(Curves& curves, HovedObjekt* nodeC, const Vertex& b, const Vertex& c,
                    double x) {
  double onGrade = 0.0;
  if (Lik(c.z, 0.0, kFine) || !HeightOnLine(c.plan(), b.plan(), x, kWindow, &onGrade)) {
    return false;
  }
  Vertex d;
  if (VertexFrom(After(nodeC), &d) == nullptr) return false;
  if (!StorreEllerLik(x, b.x, kWindow) || !MindreEllerLik(x, d.x, kWindow)) return false;
  return curves.Holds(b, c, d, x);
}

// The walk. After the checks of the profile and the first vertex, each window A, B, C that holds
// the chainage (within 1e-6) is asked in list order, and the first answer counts:
//   B without curve: the grade C-B, else the grade B-A; neither holding the chainage, the next
//     window. Not while the chainage lies on C's curve (NextCurveHolds): the next window answers.
//   B with a curve: the curve; off it, the grade A-B up to B (within 1e-9), or B-C when C is the
//     last vertex (-6 when that grade gives no height), else the next window.
// No window answering: 0 with last error code 0 (beyond the last vertex).
// The vertices are read through the nodes, and the list's cursor is put, once, where a walk with
// the cursor would have left it: on C when a window answers, on the first vertex when the first
// vertex or a two-vertex profile decides, off the list when no window answers.
template <typename Curves>
int HeightWalk(QP_LinjePaalegg& profile, DT_Double* height, const DT_Double* chainage) {
  profile.ErrorKode(0);
  if (profile.Antall() < 2 || height == nullptr || chainage == nullptr) {
    return profile.ErrorKode(-5);
  }
  const double x = chainage->Get();
  Curves curves(profile);
  Vertex a, b, c;
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

  for (; nodeC != nullptr; ++index, nodeC = VertexFrom(After(nodeC), &c, &index)) {
    if (!StorreEllerLik(x, a.x, kWindow) || !MindreEllerLik(x, c.x, kWindow)) {
      a = b;
      b = c;
      continue;
    }
    const Curve curve = Lik(b.z, 0.0, kFine) ? Curve::None : curves.At(a, b, c, x, &y);
    bool answered = curve == Curve::On && std::isfinite(y);
    if (curve == Curve::None) {
      answered = !NextCurveHolds(curves, nodeC, b, c, x) &&
                 (curves.Line(c, b, x, kWindow, &y) || curves.Line(b, a, x, kWindow, &y));
    } else if (!answered) {
      // Off the curve (or on it with no finite height): the grade before the vertex, or the grade
      // after it when C is the last vertex; otherwise a later window answers.
      Vertex after;
      const bool beforeB = MindreEllerLik(x, b.x, kFine);
      if (beforeB || VertexFrom(After(nodeC), &after) == nullptr) {
        answered = beforeB ? curves.Line(a, b, x, kWindow, &y) : curves.Line(b, c, x, kWindow, &y);
        if (!answered) {
          profile.Aktiver(index);
          return profile.ErrorKode(-6);
        }
      }
    }
    if (answered) {
      profile.Aktiver(index);
      height->Init(y);
      return 1;
    }
    a = b;
    b = c;
  }
  // Off the list, as a walk with the cursor ends.
  profile.AktiverSiste(0);
  profile.AktiverNeste(0);
  profile.ErrorKode(0);
  return 0;
}

}  // namespace kx::detail
