#pragma once

#include <span>

namespace velmora {

class TVAStruct;

// The peak values of many curves at once.
class CurvePeakValues {
 public:
  // Every peak of every curve given with a fresh value, as GetPeaks() on
  // each: the curves are shared out among `threads` threads (0: the
  // machine's cores when the peaks span enough points to pay for a thread,
  // else the calling thread), the values equal to those of the serial
  // loop. The curves' displayed points (and their partners') are made
  // ready first, so that the threads only read them. A curve listed twice
  // is computed once; null entries are skipped.
  static void Evaluate(std::span<TVAStruct* const> curves, unsigned threads = 0);
};

}  // namespace velmora
