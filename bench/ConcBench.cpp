// A full recalculation of the concentration table: 50 curves × 6 elements.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "TConcCalculation.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

std::vector<std::unique_ptr<TVAStruct>> MakeCurves(int count, int elements) {
  std::vector<std::unique_ptr<TVAStruct>> curves;
  const char* names[] = {"Zn", "Cd", "Pb", "Cu", "Bi", "Sb", "Hg", "Sn"};
  for (int i = 0; i < count; ++i) {
    auto c = std::make_unique<TVAStruct>();
    c->Params.SetMeasurementType(1 + i % 3);
    c->Volumes[5] = 10.0;
    c->Volumes[6] = 0.1;
    c->Volumes[7] = 0.1;
    for (int e = 0; e < elements; ++e) {
      TPeakRecord p;
      p.Name = names[e % 8];
      p.PeakValue = 1.0 + e + 0.5 * (i % 3);
      p.ValueValid = 1;
      p.AdditionConc = 10.0;
      c->Peaks.push_back(p);
    }
    curves.push_back(std::move(c));
  }
  return curves;
}

void RecalculateMethod(benchmark::State& state) {
  auto owned = MakeCurves(50, 6);
  std::vector<TVAStruct*> curves;
  for (auto& c : owned) curves.push_back(c.get());
  TConcCalculation calc;
  calc.SetCurves(curves);
  calc.SelectMethod(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    calc.Recalculate();
    benchmark::DoNotOptimize(calc.Elements().data());
  }
}

}  // namespace

// 1: standard additions (a regression per element); 0: one addition.
BENCHMARK(RecalculateMethod)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
