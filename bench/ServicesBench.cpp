#include <benchmark/benchmark.h>

#include "BinaryReader.h"
#include "BinaryWriter.h"
#include "Cp1251.h"

using namespace velmora;

// Writing and reading back 4 000 points, the size of a long voltammogram.
static void BM_PointsRoundTrip(benchmark::State& state) {
  for (auto _ : state) {
    BinaryWriter w;
    w.reserve(64000);
    for (int i = 0; i < 4000; ++i) {
      w.f64(i * 0.5);
      w.f64(i * 0.25);
    }
    BinaryReader r(w.data());
    double sum = 0;
    for (int i = 0; i < 8000; ++i) sum += r.f64();
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * 64000);
}
BENCHMARK(BM_PointsRoundTrip);

static void BM_Cp1251Text(benchmark::State& state) {
  const std::string text = "Электролиз Pb, Cd, Zn, Cu — 120 s";
  for (auto _ : state) {
    auto bytes = Cp1251::fromUtf8(text);
    benchmark::DoNotOptimize(Cp1251::toUtf8(bytes));
  }
}
BENCHMARK(BM_Cp1251Text);
