#pragma once

#include <chrono>
#include <cstdint>

namespace velmora {

// Time as the link and the emulator see it. Protocol pauses and time-outs
// are given in milliseconds of protocol time; the clock says how long that
// is in real time, so tests and demonstrations can run the protocol faster.
class IClock {
 public:
  virtual ~IClock() = default;
  // Protocol time elapsed since an arbitrary start, in milliseconds.
  virtual std::int64_t nowMs() const = 0;
  // The real duration of `ms` milliseconds of protocol time.
  virtual std::chrono::nanoseconds realDuration(std::int64_t ms) const = 0;
};

}  // namespace velmora
