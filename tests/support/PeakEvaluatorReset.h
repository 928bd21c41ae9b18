#pragma once

#include "TVAStruct.h"

namespace velmora::test {

// Takes the global peak evaluator away when it goes, also when the test
// fails half-way, so that no later test measures peaks with it by chance.
// Declare it where the test installs an evaluator.
struct PeakEvaluatorReset {
  PeakEvaluatorReset() = default;
  PeakEvaluatorReset(const PeakEvaluatorReset&) = delete;
  PeakEvaluatorReset& operator=(const PeakEvaluatorReset&) = delete;
  ~PeakEvaluatorReset() { TVAStruct::SetPeakEvaluator(nullptr); }
};

}  // namespace velmora::test
