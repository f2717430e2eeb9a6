#pragma once
// Shared by the number tests: a number that counts its UtforEtterInit calls, and value equality
// that treats two NaNs as the same.

#include <cmath>
#include <vector>

namespace kx::test {

template <class Number>
struct Counted : Number {
  using Number::Number;
  int hooks = 0;
  void UtforEtterInit() override { ++hooks; }
};

// Several results checked at once, in one failure message (in order: a braced list is evaluated
// from left to right).
using Values = std::vector<double>;
using Ints = std::vector<long long>;

template <class T>
bool SameValue(T a, T b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

}  // namespace kx::test
