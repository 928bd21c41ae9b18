#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "CurveProcessing.h"
#include "PeakSearch.h"
#include "PeakValue.h"

using namespace velmora;

namespace {

// A noisy stripping voltammogram of `count` points from -1200 to 0 mV with
// Zn, Cd, Pb and Cu peaks on a sloped baseline.
TDataArr Voltammogram(int count) {
  std::mt19937 rng(3);
  std::normal_distribution<double> noise(0.0, 0.01);
  TDataArr points;
  const double step = 1200.0 / (count - 1);
  for (int i = 0; i < count; ++i) {
    const double x = -1200.0 + i * step;
    double y = 0.4 + 0.0008 * (x + 1200.0) + noise(rng);
    const double centers[] = {-900, -600, -400, -200};
    const double amplitudes[] = {2.0, 1.5, 3.0, 2.5};
    for (int k = 0; k < 4; ++k) y += amplitudes[k] * std::exp(-0.5 * std::pow((x - centers[k]) / 18.0, 2));
    points.push_back({x, y});
  }
  return points;
}

}  // namespace

// The automatic search on a 4 000-point curve.
static void BM_SearchPeaks4000(benchmark::State& state) {
  const TDataArr curve = Voltammogram(4000);
  TPeakSearchInput input;
  input.Points = curve;
  input.FullScale = 20.0;
  for (auto _ : state) benchmark::DoNotOptimize(SearchPeaks(input));
}
BENCHMARK(BM_SearchPeaks4000)->Unit(benchmark::kMillisecond);

// The eight calculation types over one 4 000-point curve: a Pb peak of
// about 500 points.
static void BM_AllPeakValues(benchmark::State& state) {
  const TDataArr curve = Voltammogram(4000);
  const int begin = IndexOfPotential(curve, -480.0);
  const int end = IndexOfPotential(curve, -320.0);
  const TDataArr paired(curve.rbegin(), curve.rend());
  std::vector<TPeakRecord> peaks(8);
  for (int type = 0; type < 8; ++type) {
    peaks[type].BeginIndex = begin;
    peaks[type].EndIndex = end;
    peaks[type].CalcType = type;
    peaks[type].BaselineType = type % 2;
  }
  for (auto _ : state) {
    for (auto& peak : peaks) benchmark::DoNotOptimize(CalcPeakValue(curve, &paired, peak));
  }
}
BENCHMARK(BM_AllPeakValues)->Unit(benchmark::kMicrosecond);

// Semi-integral of a pair of sweeps of `range(0)` points each.
static void BM_SemiIntegrate(benchmark::State& state) {
  const TDataArr first = Voltammogram(static_cast<int>(state.range(0)));
  const TDataArr second(first.rbegin(), first.rend());
  for (auto _ : state) benchmark::DoNotOptimize(SemiIntegrate(first, second));
}
BENCHMARK(BM_SemiIntegrate)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond);

// The moving average of the smoothing command (filter 9) on 4 000 points.
static void BM_SmoothMovingAverage(benchmark::State& state) {
  const TDataArr curve = Voltammogram(4000);
  for (auto _ : state) benchmark::DoNotOptimize(SmoothMovingAverage(curve, 9));
}
BENCHMARK(BM_SmoothMovingAverage)->Unit(benchmark::kMicrosecond);
