// Profile height benchmarks. The baseline is the closed-form evaluator of the tests (a binary
// search over precomputed pieces, then one formula). An implementation measured against it
// registers under the same name with its own tag, on the same seeded profiles and chainages:
//   BM_Height_Baseline/circular/100     BM_Height_Engine/circular/100
//   BM_MinMax_Baseline/parabolic/10km   BM_MinMax_Engine/parabolic/10km
//
//   cmake --preset bench && cmake --build --preset bench
//   build/bench/bench/kx_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/ClosedFormProfile.h"
#include "support/RandomProfile.h"

namespace {

using kx::test::ClosedFormProfile;
using kx::test::CurveShape;
using kx::test::ProfileVertex;
using kx::test::RandomSource;

constexpr std::size_t kQueries = 4096;   // a power of two: the query index wraps with a mask
constexpr double kScanLength = 10000.0;
constexpr double kScanStep = 1.0;

// A random profile of vertexCount vertices and kQueries chainages spread uniformly over it in
// random order, so the query pattern does not favour a cursor or a cache.
struct HeightBench {
  std::vector<ProfileVertex> vertices;
  std::vector<double> chainages;
};

HeightBench MakeHeightBench(int vertexCount) {
  RandomSource random(1000 + static_cast<std::uint64_t>(vertexCount));
  HeightBench b{kx::test::RandomProfile(random, vertexCount), {}};
  for (std::size_t i = 0; i < kQueries; ++i) {
    b.chainages.push_back(random.Uniform(b.vertices.front().x, b.vertices.back().x));
  }
  return b;
}

// A random profile of 30 vertices at least kScanLength long; the scan covers its first
// kScanLength from the first chainage.
std::vector<ProfileVertex> MakeScanProfile() {
  for (std::uint64_t seed = 1;; ++seed) {
    RandomSource random(seed);
    std::vector<ProfileVertex> v = kx::test::RandomProfile(random, 30);
    if (v.back().x - v.front().x >= kScanLength) return v;
  }
}

const char* ShapeName(CurveShape shape) {
  return shape == CurveShape::Circular ? "circular" : "parabolic";
}

void HeightBaseline(benchmark::State& state, CurveShape shape, int vertexCount) {
  const HeightBench b = MakeHeightBench(vertexCount);
  ClosedFormProfile profile;
  if (!profile.Build(b.vertices, shape)) return state.SkipWithError("profile refused");
  std::size_t i = 0;
  for (auto _ : state) {
    double y = 0.0;
    profile.Height(b.chainages[i], &y);
    benchmark::DoNotOptimize(y);
    i = (i + 1) & (kQueries - 1);
  }
}

void MinMaxBaseline(benchmark::State& state, CurveShape shape) {
  const std::vector<ProfileVertex> v = MakeScanProfile();
  ClosedFormProfile profile;
  if (!profile.Build(v, shape)) return state.SkipWithError("profile refused");
  for (auto _ : state) {
    double lo = 0.0;
    double hi = 0.0;
    profile.MinMax(v.front().x, v.front().x + kScanLength, kScanStep, &lo, &hi);
    benchmark::DoNotOptimize(lo);
    benchmark::DoNotOptimize(hi);
  }
}

const bool registered = [] {
  for (CurveShape shape : {CurveShape::Circular, CurveShape::Parabolic}) {
    const std::string shapeName = ShapeName(shape);
    for (int vertexCount : {10, 100, 1000}) {
      const std::string name = "BM_Height_Baseline/" + shapeName + "/" + std::to_string(vertexCount);
      benchmark::RegisterBenchmark(name.c_str(), HeightBaseline, shape, vertexCount);
    }
    const std::string name = "BM_MinMax_Baseline/" + shapeName + "/10km";
    benchmark::RegisterBenchmark(name.c_str(), MinMaxBaseline, shape)->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
