// The peak table of the Peaks window over 200 displayed curves: rebuilt on
// every check mark, every border drag step and every chart paint.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "RecordPeaks.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

std::vector<std::unique_ptr<TVAStruct>> Curves(int count) {
  const double peaks[4][2] = {{-920, 1.0}, {-620, 0.6}, {-450, 0.8}, {-150, 0.5}};
  std::vector<std::unique_ptr<TVAStruct>> out;
  for (int c = 0; c < count; ++c) {
    auto r = std::make_unique<TVAStruct>();
    r->Params.SetValuesRange(3);
    TDataArr pts;
    for (int i = 0; i < 1300; ++i) {
      const double e = -1200.0 + i;
      double y = 0.05 + 0.0001 * (e + 1200);
      for (const auto& p : peaks) y += (1 + c % 5) * p[1] * std::exp(-std::pow((e - p[0]) / 25.0, 2.0));
      pts.push_back({e, y});
    }
    r->SetData(pts);
    AutoSearchPeaks(*r, 0, {}, 1);
    out.push_back(std::move(r));
  }
  return out;
}

// Values already fresh: what a paint or a check mark costs.
void BM_PeakTable200(benchmark::State& state) {
  TPeakValueEvaluator::Install();
  const auto curves = Curves(200);
  std::vector<TVAStruct*> list;
  for (const auto& c : curves) list.push_back(c.get());
  for (auto _ : state) benchmark::DoNotOptimize(BuildPeakTable(std::span<TVAStruct* const>(list)));
}
BENCHMARK(BM_PeakTable200)->Unit(benchmark::kMillisecond);

// One border moved on every curve before each rebuild: a drag step.
void BM_PeakTable200AfterDrag(benchmark::State& state) {
  TPeakValueEvaluator::Install();
  const auto curves = Curves(200);
  std::vector<TVAStruct*> list;
  for (const auto& c : curves) list.push_back(c.get());
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++step;
    for (TVAStruct* c : list) {
      TPeakRecord p = c->Peaks[2];
      p.EndIndex = p.EndIndex + (step % 2 == 0 ? 1 : -1);
      c->SetPeak(2, p);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(BuildPeakTable(std::span<TVAStruct* const>(list)));
  }
}
BENCHMARK(BM_PeakTable200AfterDrag)->Unit(benchmark::kMillisecond);

}  // namespace
