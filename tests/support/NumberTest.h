#pragma once
// Shared by the number, geometry and profile tests: constants, a number that counts its
// UtforEtterInit calls, value equality that treats two NaNs as the same, several results compared
// at once, and a point as an array.

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"

namespace kx::test {

inline constexpr double kPi = 3.141592653589793, kTwoPi = 6.283185307179586;
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr int U = -77;  // a last error code that an operation must leave untouched

template <class Number>
struct Counted : Number {
  using Number::Number;
  int hooks = 0;
  void UtforEtterInit() override { ++hooks; }
};

// A result of any number type, compared as a double, NaN equal to NaN.
struct Value {
  template <class T>
  Value(T value) : v(static_cast<double>(value)) {}  // NOLINT: implicit, for braced lists
  double v;
  bool operator==(const Value& o) const { return (std::isnan(v) && std::isnan(o.v)) || v == o.v; }
};
inline std::ostream& operator<<(std::ostream& os, const Value& value) { return os << value.v; }
// Several results checked at once, in one failure message (a braced list is evaluated in order).
using Values = std::vector<Value>;

using Xyz = std::array<double, 3>;
inline constexpr Xyz kUntouched = {-7, -7, -7};  // what an output holds when nothing wrote it
inline Xyz Of(const DT_Punkt& p) { return {p.x(), p.y(), p.z()}; }

}  // namespace kx::test
