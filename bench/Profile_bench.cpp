// Profile height benchmarks. The baseline is the closed-form evaluator of the tests (a binary
// search over precomputed pieces, then one formula). An implementation measured against it
// registers under the same name with its own tag, on the same seeded profiles and chainages:
//   BM_Height_Baseline/circular/100     BM_Height_Engine/circular/100
//   BM_MinMax_Baseline/parabolic/10km   BM_MinMax_Engine/parabolic/10km
//   BM_Batch_Baseline/sorted/circular/100  BM_Batch_Engine/sorted/circular/100  (kQueries heights)
// BM_Height_Elements runs the engine's walk on the library's geometry objects, one object per step
// (the form the engine is tested against): the cost of those objects. The batch benchmarks ask
// kx::ProfileHeights for kQueries chainages at once, in random order or sorted. The engine
// benchmarks report the heap allocations per query, batch or scan once the profile's curve table
// is built (every operator new of the process is counted).
//
//   cmake --preset bench && cmake --build --preset bench
//   build/bench/bench/kx_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/ProfileQueries.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/ElementHeights.h"
#include "support/ClosedFormProfile.h"
#include "support/RandomProfile.h"

// Every allocation of the process (the library's too) is counted, so that a benchmark can report
// the allocations per query.
namespace {
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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

// The library's profile of the same vertices.
std::unique_ptr<QP_LinjePaalegg> MakeEngine(const std::vector<ProfileVertex>& v, CurveShape shape) {
  auto p = std::make_unique<QP_LinjePaalegg>();
  for (const ProfileVertex& x : v) p->LeggTil(new DT_Punkt(x.x, x.y, x.r));
  p->Modes(shape == CurveShape::Parabolic ? 1 : 0, 3);
  return p;
}

// HoydeIProfil on the baseline's profiles and chainages; with `elements`, the same walk on the
// geometry objects (the form the engine is held to). Reports the allocations per query.
void HeightEngine(benchmark::State& state, CurveShape shape, int vertexCount, bool elements) {
  const HeightBench b = MakeHeightBench(vertexCount);
  const long setupStart = gAllocations.load();
  const auto profile = MakeEngine(b.vertices, shape);
  // The vertices and their nodes: shows that the library's allocations are counted.
  state.counters["allocs/setup"] = static_cast<double>(gAllocations.load() - setupStart);
  DT_Double height;
  DT_Double chainage;
  std::size_t i = 0;
  // The first query builds the curve table; its allocations are not those of a query.
  profile->HoydeIProfil(&height, &chainage);
  const long before = gAllocations.load();
  for (auto _ : state) {
    chainage.Init(b.chainages[i]);
    const int ok = elements ? kx::test::HeightWithElements(*profile, &height, &chainage)
                            : profile->HoydeIProfil(&height, &chainage);
    benchmark::DoNotOptimize(ok);
    i = (i + 1) & (kQueries - 1);
  }
  state.counters["allocs/query"] =
      static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations());
}

void MinMaxEngine(benchmark::State& state, CurveShape shape) {
  const std::vector<ProfileVertex> v = MakeScanProfile();
  const auto profile = MakeEngine(v, shape);
  const DT_Double from(v.front().x), to(v.front().x + kScanLength), step(kScanStep);
  DT_Double height;
  profile->HoydeIProfil(&height, &from);  // builds the curve table
  const long before = gAllocations.load();
  for (auto _ : state) {
    DT_Double lo, hi;
    const int ok = profile->GetMaxMinHeigth(&lo, &hi, &from, &to, &step);
    benchmark::DoNotOptimize(ok);
  }
  state.counters["allocs/scan"] =
      static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations());
}

// kQueries heights at once, in random order or sorted, by the closed form one by one and by
// kx::ProfileHeights.
void BatchBaseline(benchmark::State& state, CurveShape shape, int vertexCount, bool sorted) {
  HeightBench b = MakeHeightBench(vertexCount);
  if (sorted) std::sort(b.chainages.begin(), b.chainages.end());
  ClosedFormProfile profile;
  if (!profile.Build(b.vertices, shape)) return state.SkipWithError("profile refused");
  std::vector<double> heights(kQueries);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kQueries; ++i) profile.Height(b.chainages[i], &heights[i]);
    benchmark::DoNotOptimize(heights.data());
  }
}

void BatchEngine(benchmark::State& state, CurveShape shape, int vertexCount, bool sorted) {
  HeightBench b = MakeHeightBench(vertexCount);
  if (sorted) std::sort(b.chainages.begin(), b.chainages.end());
  const auto profile = MakeEngine(b.vertices, shape);
  std::vector<kx::HeightAt> heights(kQueries);
  kx::ProfileHeights(*profile, b.chainages.data(), kQueries, heights.data());  // builds the table
  const long before = gAllocations.load();
  for (auto _ : state) {
    benchmark::DoNotOptimize(kx::ProfileHeights(*profile, b.chainages.data(), kQueries, heights.data()));
  }
  state.counters["allocs/batch"] =
      static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations());
}

const bool registered = [] {
  for (CurveShape shape : {CurveShape::Circular, CurveShape::Parabolic}) {
    const std::string shapeName = ShapeName(shape);
    for (int vertexCount : {10, 100, 1000}) {
      const std::string name = "BM_Height_Baseline/" + shapeName + "/" + std::to_string(vertexCount);
      benchmark::RegisterBenchmark(name.c_str(), HeightBaseline, shape, vertexCount);
      const std::string tail = shapeName + "/" + std::to_string(vertexCount);
      benchmark::RegisterBenchmark(("BM_Height_Engine/" + tail).c_str(), HeightEngine, shape,
                                   vertexCount, false);
      benchmark::RegisterBenchmark(("BM_Height_Elements/" + tail).c_str(), HeightEngine, shape,
                                   vertexCount, true);
    }
    for (int vertexCount : {10, 100, 1000}) {
      for (bool sorted : {false, true}) {
        const std::string tail = std::string(sorted ? "sorted/" : "random/") + shapeName + "/" +
                                 std::to_string(vertexCount);
        benchmark::RegisterBenchmark(("BM_Batch_Baseline/" + tail).c_str(), BatchBaseline, shape,
                                     vertexCount, sorted)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_Batch_Engine/" + tail).c_str(), BatchEngine, shape,
                                     vertexCount, sorted)
            ->Unit(benchmark::kMicrosecond);
      }
    }
    const std::string name = "BM_MinMax_Baseline/" + shapeName + "/10km";
    benchmark::RegisterBenchmark(name.c_str(), MinMaxBaseline, shape)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_MinMax_Engine/" + shapeName + "/10km").c_str(), MinMaxEngine,
                                 shape)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
