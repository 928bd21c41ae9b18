#include "CurvePeakValues.h"

#include <cstdlib>
#include <unordered_set>
#include <vector>

#include "TVAStruct.h"
#include "WorkSplit.h"

namespace velmora {

void CurvePeakValues::Evaluate(std::span<TVAStruct* const> curves, unsigned threads) {
  std::vector<TVAStruct*> work;
  work.reserve(curves.size());
  std::unordered_set<const TVAStruct*> seen;
  // The points the values read: a peak's are those between its borders
  // (a potential difference also copies both curves' points).
  std::size_t points = 0;
  for (TVAStruct* c : curves) {
    if (c == nullptr || c->Peaks.empty() || !seen.insert(c).second) continue;
    work.push_back(c);
    for (const TPeakRecord& p : c->Peaks)
      points += static_cast<std::size_t>(std::abs(static_cast<long long>(p.EndIndex) - p.BeginIndex)) + 1;
    if (c->Partner != nullptr) points += 2 * c->Data.size();
  }
  // Reading a million points takes a few milliseconds, worth a thread's
  // start and its wait for a core; less work is done on this thread alone.
  constexpr std::size_t kPointsWorthAThread = 1000000;
  if (threads == 0) threads = points < kPointsWorthAThread ? 1 : WorkSplit::Threads();
  if (work.size() < 2) threads = 1;
  if (threads > 1) {
    // The display caches fill on first reading: filled here, on this
    // thread, the evaluation only reads them, the partner's (a potential
    // difference reads the paired curve) included.
    for (const TVAStruct* c : work) {
      c->DisplayPoints();
      if (c->Partner != nullptr) c->Partner->DisplayPoints();
    }
  }
  // Each item writes only its own curve's peak values (never the names a
  // partner looks up).
  WorkSplit::ForEach(
      work.size(), [&](std::size_t i) { work[i]->GetPeaks(); }, nullptr, threads);
}

}  // namespace velmora
