#pragma once
// What the geometry classes share: the angle constants and the result objects that belong to an
// operation rather than to an object (see UnloadSafe).

#include "foundation/UnloadSafe.h"

namespace kx::detail {

// A full turn and a half turn in radians, as the geometry uses them everywhere.
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kPi = 3.141592653589793;

// The result objects that belong to an operation rather than to a point.
template <typename T>
using OperationResult = UnloadSafe<T>;

}  // namespace kx::detail
