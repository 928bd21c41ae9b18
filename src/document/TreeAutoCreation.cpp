#include "TreeAutoCreation.h"

#include <cmath>
#include <cstdlib>

#include "Numbers.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

namespace velmora {

std::int64_t TreeAutoCreation::RecordingDuration(const TNode& node) {
  if (node.HasChildren()) {
    std::int64_t sum = 0;
    for (const TNode* c = node.FirstChild; c != nullptr; c = c->NextSibling) sum += RecordingDuration(*c);
    return sum;
  }
  const TVAStruct* va = node.VA();
  if (va == nullptr) return 0;
  const TVAParams& p = va->Params;
  std::int64_t d = std::int64_t{p.ElectrolysisTime()} + p.CleaningTime() + p.Preparation1Time() + p.Preparation2Time() +
                   std::int64_t{p.Stirrer()} * p.DelayAfterMixing();
  if (p.SweepRate() != 0)
    d += RoundHalfEven(static_cast<double>(std::int64_t{p.SweepEnd()} - p.SweepStart()) / p.SweepRate());
  return d;
}

std::int64_t TreeAutoCreation::SecondsBetween(double a, double b) {
  // Dates are fractions of days: settle them to the millisecond first, so
  // that ten seconds are not 9.999999 seconds.
  const double ms = std::round(std::fabs(a - b) * 86400000.0);
  if (!std::isfinite(ms) || ms > 9.0e18) return INT64_MAX;
  return static_cast<std::int64_t>(ms) / 1000;
}

std::vector<TNodesArr> TreeAutoCreation::Runs(const TNodeForest& forest) {
  std::vector<TNodesArr> runs;
  TNode* n = forest.FirstRoot();
  while (n != nullptr) {
    TNode* first = n;
    const TVAStruct* fva = first->VA();
    const double start = fva ? fva->RecordDate : 0.0;
    const std::int64_t limit = RecordingDuration(*first) + 5;
    TNodesArr run{first};
    n = first->NextSibling;
    while (n != nullptr) {
      const TVAStruct* va = n->VA();
      if (SecondsBetween(va ? va->RecordDate : 0.0, start) > limit) break;
      run.push_back(n);
      n = n->NextSibling;
    }
    runs.push_back(std::move(run));
  }
  return runs;
}

TNodesArr TreeAutoCreation::Apply(TNodeForest& forest) {
  TNodesArr groups;
  TPaintingGuard guard(forest);
  for (const TNodesArr& run : Runs(forest)) {
    if (run.size() < 2) continue;
    if (TNode* g = forest.GroupNodes(run)) groups.push_back(g);
  }
  return groups;
}

}  // namespace velmora
