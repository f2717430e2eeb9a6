#pragma once
// The tolerance comparisons of DT_Double on plain doubles: DT_Double's own rule, and what the hot
// paths of the geometry and the profile compare with, without building an object per comparison.
//
// Each gives exactly what the DT_Double operation of the same name gives for a DT_Double holding v
// (strict bounds, each computed in double; a NaN never matches, so StorreEnn and MindreEnn hold
// for it).

namespace kx::detail {

// v lies strictly inside (x - t, x + t).
inline bool Lik(double v, double x, double t) { return x - t < v && x + t > v; }
inline bool StorreEllerLik(double v, double x, double t) { return v > x || Lik(v, x, t); }
inline bool MindreEllerLik(double v, double x, double t) { return v < x || Lik(v, x, t); }
// v lies above x by at least t (or is a NaN).
inline bool StorreEnn(double v, double x, double t) { return !MindreEllerLik(v, x, t); }
// v lies below x by at least t (or is a NaN).
inline bool MindreEnn(double v, double x, double t) { return !StorreEllerLik(v, x, t); }

}  // namespace kx::detail
