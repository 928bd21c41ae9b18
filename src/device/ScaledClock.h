#pragma once

#include <chrono>

#include "IClock.h"

namespace velmora {

// Protocol time running `factor` times faster than the steady clock (1 is
// real time).
class ScaledClock final : public IClock {
 public:
  explicit ScaledClock(double factor = 1.0);

  std::int64_t nowMs() const override;
  std::chrono::nanoseconds realDuration(std::int64_t ms) const override;
  double factor() const { return factor_; }

  // The process-wide real-time clock.
  static IClock& realTime();

 private:
  double factor_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace velmora
