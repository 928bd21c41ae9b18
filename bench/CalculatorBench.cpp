#include <benchmark/benchmark.h>

#include <string>

#include "ProgramFiles.h"
#include "TCalculator.h"

using namespace velmora;

// A typical standard-addition formula, checked and evaluated as the
// calculation window does for every displayed curve.
static void BM_CheckAndEvaluate(benchmark::State& state) {
  TCalculator calc;
  const std::string formula = "I0*C1*V1/((I1-I0)*(VC+V1)-I0*V1)*VM/VAL*D";
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc.Check(formula));
    benchmark::DoNotOptimize(calc.Evaluate(formula));
  }
}
BENCHMARK(BM_CheckAndEvaluate);

// The worst text a formula can be: 255 nested parentheses.
static void BM_EvaluateDeepNesting(benchmark::State& state) {
  TCalculator calc;
  const std::string formula = std::string(127, '(') + "1" + std::string(127, ')');
  for (auto _ : state) benchmark::DoNotOptimize(calc.Evaluate(formula));
}
BENCHMARK(BM_EvaluateDeepNesting);

// Reading and writing a full ".vap" set of 11 programs of 101 steps.
static void BM_ProgramSetRoundTrip(benchmark::State& state) {
  const TVAProgramsArray set(11, TSingleProgramArray(101, ProgramStep::Default()));
  for (auto _ : state) {
    const auto bytes = ProgramFiles::EncodeProgramSet(set, 0);
    benchmark::DoNotOptimize(ProgramFiles::DecodeProgramSet(bytes));
  }
}
BENCHMARK(BM_ProgramSetRoundTrip);
