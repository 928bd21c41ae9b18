#include "ScaledClock.h"

namespace velmora {

ScaledClock::ScaledClock(double factor)
    : factor_(factor > 0.0 ? factor : 1.0), start_(std::chrono::steady_clock::now()) {}

std::int64_t ScaledClock::nowMs() const {
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_);
  return static_cast<std::int64_t>(elapsed.count() * factor_);
}

std::chrono::nanoseconds ScaledClock::realDuration(std::int64_t ms) const {
  return std::chrono::nanoseconds(static_cast<std::int64_t>(static_cast<double>(ms) * 1e6 / factor_));
}

IClock& ScaledClock::realTime() {
  static ScaledClock clock(1.0);
  return clock;
}

}  // namespace velmora
