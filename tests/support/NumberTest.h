#pragma once
// Shared by the number and geometry tests: a number that counts its UtforEtterInit calls, value
// equality that treats two NaNs as the same, and several results compared at once.

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace kx::test {

template <class Number>
struct Counted : Number {
  using Number::Number;
  int hooks = 0;
  void UtforEtterInit() override { ++hooks; }
};

template <class T>
bool SameValue(T a, T b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

// A result of any number type, compared as a double by SameValue.
struct Value {
  template <class T>
  Value(T value) : v(static_cast<double>(value)) {}  // NOLINT: implicit, for braced lists
  double v;
  bool operator==(const Value& other) const { return SameValue(v, other.v); }
};
inline std::ostream& operator<<(std::ostream& os, const Value& value) { return os << value.v; }

// Several results checked at once, in one failure message (in order: a braced list is evaluated
// from left to right).
using Values = std::vector<Value>;
using Texts = std::vector<std::string>;

}  // namespace kx::test
