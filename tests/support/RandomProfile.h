#pragma once
// Seeded random vertical profiles and the chainages to check them at, for property tests and
// benchmarks. The same seed gives the same profile on every platform and standard library.

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "support/ClosedFormProfile.h"

namespace kx::test {

// Deterministic random numbers (the standard distributions differ between libraries).
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}
  // In [lo, hi), uniform; the same, uniform in the logarithm; in [lo, hi]; true with probability p.
  double Uniform(double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(engine_() >> 11) * 0x1.0p-53);
  }
  double LogUniform(double lo, double hi) { return std::exp(Uniform(std::log(lo), std::log(hi))); }
  int Int(int lo, int hi) {
    return lo + static_cast<int>(engine_() % static_cast<unsigned>(hi - lo + 1));
  }
  bool Chance(double p) { return Uniform(0.0, 1.0) < p; }

 private:
  std::mt19937_64 engine_;
};

// A random profile: vertexCount vertices (0: from 3 to 30), the first chainage in [0, 50 000),
// vertex spacing from 100 to 4 000, grades within ±0.12 that keep the heights in [0, 500],
// about one interior vertex in four without curve, one in twenty with equal grades on both sides,
// the other radii from 300 to 30 000, crests and sags. Radii are reduced where needed so that in
// either curve shape each curve keeps at least 1 m clear of its neighbours' curves and vertices.
std::vector<ProfileVertex> RandomProfile(RandomSource& random, int vertexCount = 0);

// Chainages to check a profile at: the first and the last, every vertex and every tangent point
// of the profile's curves, each also 1e-6 to either side where that stays on the profile, and
// randomCount uniformly random chainages; in no particular order.
std::vector<double> SampleChainages(const ClosedFormProfile& profile,
                                    const std::vector<ProfileVertex>& vertices,
                                    RandomSource& random, int randomCount);

}  // namespace kx::test
