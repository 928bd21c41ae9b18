#include "AcceleratedClock.h"

#include <algorithm>

namespace velmora {

AcceleratedClock::AcceleratedClock(double factor)
    : factor_(factor >= 1.0 ? factor : 1.0), start_(std::chrono::steady_clock::now()) {}

std::int64_t AcceleratedClock::nowMs() const {
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_);
  return static_cast<std::int64_t>(elapsed.count() * factor_);
}

std::chrono::nanoseconds AcceleratedClock::realDuration(std::int64_t ms) const {
  if (ms <= 0) return std::chrono::nanoseconds::zero();
  const auto scaled = std::chrono::nanoseconds(static_cast<std::int64_t>(static_cast<double>(ms) * 1e6 / factor_));
  if (ms < kFloorMs) return scaled;
  return std::max<std::chrono::nanoseconds>(scaled, std::chrono::milliseconds(std::min(ms, kLongestFloorMs)));
}

}  // namespace velmora
