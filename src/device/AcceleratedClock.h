#pragma once

#include <chrono>
#include <cstdint>

#include "IClock.h"

namespace velmora {

// Protocol time running `factor` times faster than the steady clock, for
// benchmarks and tests that run whole analyses against the emulator. Short
// pauses shrink by the factor; a wait of kFloorMs or more of protocol time
// (the answer time-outs, the reset's settling) lasts at least as long as it
// would in real time, up to kLongestFloorMs, so that a busy machine (a
// parallel build, the sanitizers) does not turn a late answer into a lost
// one.
class AcceleratedClock final : public IClock {
 public:
  static constexpr std::int64_t kFloorMs = 200;
  static constexpr std::int64_t kLongestFloorMs = 500;

  // A factor below 1 (or not a number) is taken as 1: real time.
  explicit AcceleratedClock(double factor);

  std::int64_t nowMs() const override;
  std::chrono::nanoseconds realDuration(std::int64_t ms) const override;
  double factor() const { return factor_; }

 private:
  double factor_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace velmora
