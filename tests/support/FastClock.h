#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "IClock.h"

namespace velmora::test {

// Protocol time `factor` times faster than real time, for the emulator's
// stages and the link's pauses alike. A wait of 200 ms or more (an answer's
// time-out) lasts at least as long as it would in real time, up to half a
// second, so that a busy machine (a parallel build, the sanitizers) never
// turns a late answer into a lost one.
class FastClock final : public IClock {
 public:
  explicit FastClock(int factor = 100) : factor_(std::max(1, factor)) {}

  std::int64_t nowMs() const override {
    const auto real = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(real * factor_).count();
  }
  std::chrono::nanoseconds realDuration(std::int64_t ms) const override {
    const std::chrono::nanoseconds scaled = std::chrono::milliseconds(ms) / factor_;
    if (ms < 200) return scaled;
    return std::max<std::chrono::nanoseconds>(scaled, std::chrono::milliseconds(std::min<std::int64_t>(ms, 500)));
  }

 private:
  int factor_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace velmora::test
