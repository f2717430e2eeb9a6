// Profile file benchmarks: import and export of a 100 000-vertex profile (circular curves) as NYLP
// and as PRF, each beside a plain loop of the C runtime over the same numbers in the same files:
//   BM_ImportNylp_Baseline   fscanf("%f %f %f") over the vertex lines of the NYLP file
//   BM_ImportPrf_Baseline    fscanf of the six numbers of each PRF row
//   BM_ExportNylp_Baseline   fprintf of the NYLP lines
//   BM_ExportPrf_Baseline    fprintf of the PRF rows (their numbers computed beforehand)
// against BM_*_Library: InitFromAsciiFile and CreateAsciiFile (whose curve check, tangent points
// and vertex objects are part of the cost).
//
//   build/bench/bench/kx_bench --benchmark_filter='Import|Export' --benchmark_repetitions=10

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kx/files/TekstFil.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/profile/QP_LinjePaalegg.h"
#include "support/RandomProfile.h"
#include "support/TempDir.h"

namespace {

constexpr int kVertices = 100000;

// The profile, its two files (written once by the library, in a temporary directory that is the
// current one for the whole run) and the numbers of the PRF rows as they stand in the file.
struct Files {
  kx::test::ScopedTempDir dir;
  QP_LinjePaalegg profile;
  struct Row {
    int n;
    double x, y, grade, radius, length;
  };
  std::vector<Row> rows;
  Files() {
    // A vertex every 20 m, crests and sags by turns (grades of about ±5 %), a curve of radius 50
    // to 100 at every vertex: chainages that single precision holds exactly, curves at least 10 m
    // apart and grades far enough apart for PRF's decimals, so that both files read back whole.
    kx::test::RandomSource random(11);
    for (int i = 0; i < kVertices; ++i) {
      const double y = 100.0 + (i % 2 == 0 ? -0.5 : 0.5) + random.Uniform(-0.1, 0.1);
      profile.LeggTil(new DT_Punkt(20.0 * i, y, random.Uniform(50, 100)));
    }
    for (const char* name : {"P.NYLP", "P.PRF"}) {
      TekstFil file(name);
      file.LukkOpp("wt");
      profile.CreateAsciiFile(&file);
    }
    std::FILE* f = std::fopen("P.PRF", "r");
    Row r{};
    std::fscanf(f, "%*[^\n]\n");
    while (std::fscanf(f, "%d,%lf,%lf,%lf,%lf,%lf,%*[^\n]\n", &r.n, &r.x, &r.y, &r.grade, &r.radius,
                       &r.length) == 6) {
      rows.push_back(r);
    }
    std::fclose(f);
  }
};

const Files& TheFiles() {
  static const Files files;
  return files;
}

void ImportLibrary(benchmark::State& state, const char* name, int type) {
  TheFiles();
  Streng file(name);
  for (auto _ : state) {
    QP_LinjePaalegg profile;
    if (profile.InitFromAsciiFile(file, type) != 1) return state.SkipWithError("import failed");
    benchmark::DoNotOptimize(profile.Antall());
  }
}

void BM_ImportNylp_Library(benchmark::State& state) { ImportLibrary(state, "P.NYLP", 1); }
void BM_ImportPrf_Library(benchmark::State& state) { ImportLibrary(state, "P.PRF", 2); }

void BM_ImportNylp_Baseline(benchmark::State& state) {
  TheFiles();
  std::vector<float> values;
  for (auto _ : state) {
    values.clear();
    std::FILE* f = std::fopen("P.NYLP", "r");
    for (int i = 0; i < 5; ++i) std::fscanf(f, "%*[^\n]\n");
    float x, y, r;
    while (std::fscanf(f, "%f %f %f", &x, &y, &r) == 3) values.insert(values.end(), {x, y, r});
    std::fclose(f);
    benchmark::DoNotOptimize(values.data());
  }
}

void BM_ImportPrf_Baseline(benchmark::State& state) {
  TheFiles();
  std::vector<double> values;
  for (auto _ : state) {
    values.clear();
    std::FILE* f = std::fopen("P.PRF", "r");
    std::fscanf(f, "%*[^\n]\n");
    int n;
    double x, y, g, r, l;
    while (std::fscanf(f, "%d,%lf,%lf,%lf,%lf,%lf,%*[^\n]\n", &n, &x, &y, &g, &r, &l) == 6) {
      values.insert(values.end(), {x, y, g, r, l});
    }
    std::fclose(f);
    benchmark::DoNotOptimize(values.data());
  }
}

void ExportLibrary(benchmark::State& state, const char* name) {
  QP_LinjePaalegg& profile = const_cast<QP_LinjePaalegg&>(TheFiles().profile);
  for (auto _ : state) {
    TekstFil file(name);
    file.LukkOpp("wt");
    if (profile.CreateAsciiFile(&file) != 1) return state.SkipWithError("export failed");
    file.LukkIgjen();
  }
}

void BM_ExportNylp_Library(benchmark::State& state) { ExportLibrary(state, "E.NYLP"); }
void BM_ExportPrf_Library(benchmark::State& state) { ExportLibrary(state, "E.PRF"); }

void BM_ExportNylp_Baseline(benchmark::State& state) {
  QP_LinjePaalegg& profile = const_cast<QP_LinjePaalegg&>(TheFiles().profile);
  std::vector<double> v;
  DT_Punkt* p = nullptr;
  for (profile.AktiverForste(0); profile.GetNeste(&p) != 0;)
    v.insert(v.end(), {p->x(), p->y(), p->z()});
  for (auto _ : state) {
    std::FILE* f = std::fopen("B.NYLP", "w");
    std::fprintf(f, "\n\n\n\n%.4f 10.0 %.4f", v[0], v[v.size() - 3]);
    for (std::size_t i = 0; i < v.size(); i += 3)
      std::fprintf(f, "\n%.4f %.4f %.4f", v[i], v[i + 1], v[i + 2]);
    std::fclose(f);
  }
}

void BM_ExportPrf_Baseline(benchmark::State& state) {
  const std::vector<Files::Row>& rows = TheFiles().rows;
  for (auto _ : state) {
    std::FILE* f = std::fopen("B.PRF", "w");
    std::fprintf(f, "%-125d,\n", static_cast<int>(rows.size()) + 2);
    for (const Files::Row& r : rows) {
      std::fprintf(f,
                   "%d,%12.4f,%12.4f,%11.6f,%12.4f,%10.4f,   0.000000,   0.000000,     0.0000,     "
                   "0.0000,             ,\n",
                   r.n, r.x, r.y, r.grade, r.radius, r.length);
    }
    std::fclose(f);
  }
}

}  // namespace

BENCHMARK(BM_ImportNylp_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNylp_Library)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPrf_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPrf_Library)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportNylp_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportNylp_Library)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPrf_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPrf_Library)->Unit(benchmark::kMillisecond);
