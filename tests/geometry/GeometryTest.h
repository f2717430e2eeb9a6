#pragma once
// Shared by the geometry tests: constants and a point as an array.

#include <array>
#include <limits>

#include "kx/geometry/DT_Punkt.h"

namespace kx::test {

inline constexpr double kPi = 3.141592653589793, kTwoPi = 6.283185307179586;
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr int U = -77;  // a last error code that an operation must leave untouched

using Xyz = std::array<double, 3>;
inline constexpr Xyz kUntouched = {-7, -7, -7};  // what an output holds when nothing wrote it

inline Xyz Of(const DT_Punkt& p) { return {p.x(), p.y(), p.z()}; }

}  // namespace kx::test
