// The peak table of the Peaks window over 200 displayed curves: rebuilt on
// every check mark, every border drag step and every chart paint; and the
// peak values of many curves at once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CurvePeakValues.h"
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

// Every peak value of 1 000 curves of 4 000 points with six wide peaks of
// mixed calculation types (a calculation window over a day's work):
// argument 0 reads each curve's peaks in turn, 1 computes them all at once
// on the machine's cores.
void BM_PeakValues1000Curves(benchmark::State& state) {
  TPeakValueEvaluator::Install();
  const int types[6] = {0, 1, 3, 4, 6, 7};
  std::vector<std::unique_ptr<TVAStruct>> curves;
  std::vector<TVAStruct*> list;
  for (int c = 0; c < 1000; ++c) {
    auto r = std::make_unique<TVAStruct>();
    TDataArr pts;
    for (int i = 0; i < 4000; ++i) {
      const double e = -1200.0 + 0.3 * i;
      double y = 0.05 + 0.0001 * i;
      for (int k = 0; k < 6; ++k) y += (1 + c % 5) * 0.5 * std::exp(-std::pow((e - (-1100.0 + 180.0 * k)) / 20.0, 2.0));
      pts.push_back({e, y});
    }
    r->SetData(std::move(pts));
    for (int k = 0; k < 6; ++k) {
      const int centre = (100 + 180 * k) * 10 / 3;
      r->AddPeak("P" + std::to_string(k), types[k], centre - 150, centre + 150);
    }
    list.push_back(r.get());
    curves.push_back(std::move(r));
  }
  const bool split = state.range(0) == 1;
  for (auto _ : state) {
    if (split) {
      CurvePeakValues::Evaluate(list);
    } else {
      for (TVAStruct* c : list) benchmark::DoNotOptimize(c->GetPeaks());
    }
  }
  state.SetLabel(split ? "all at once" : "curve by curve");
}
BENCHMARK(BM_PeakValues1000Curves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
