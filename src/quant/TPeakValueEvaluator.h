#pragma once

#include "IPeakEvaluator.h"

namespace velmora {

// The peak value calculation of curve records: every read of a curve's
// peaks recomputes each value from the curve's displayed points (and, for
// the Red/Ox potential difference, from the paired curve's displayed points
// when that curve holds a peak of the same name).
class TPeakValueEvaluator final : public IPeakEvaluator {
 public:
  void Evaluate(const TVAStruct& curve, TPeakRecord& peak) const override;

  // The process-wide instance, registered with the curve records by
  // Install() at start-up (and by tests that read peak values).
  static const TPeakValueEvaluator& Instance();
  static void Install();
};

}  // namespace velmora
