#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include "AcceleratedClock.h"

namespace velmora {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

// Pauses shrink by the factor; waits from 200 ms of protocol time on last
// as long as in real time up to half a second, and longer ones shrink again
// once the factor takes them beyond that floor.
TEST(AcceleratedClock, ShortPausesShrinkAndAnswerTimeOutsKeepTheirFloor) {
  const AcceleratedClock clock(100.0);
  EXPECT_EQ(clock.realDuration(50), std::chrono::microseconds(500));
  EXPECT_EQ(clock.realDuration(100), milliseconds(1));
  EXPECT_EQ(clock.realDuration(199), std::chrono::microseconds(1990));
  EXPECT_EQ(clock.realDuration(200), milliseconds(200));
  EXPECT_EQ(clock.realDuration(300), milliseconds(300));
  EXPECT_EQ(clock.realDuration(3000), milliseconds(500));
  EXPECT_EQ(clock.realDuration(20000), milliseconds(500));
  EXPECT_EQ(clock.realDuration(60000), milliseconds(600));
  EXPECT_EQ(clock.realDuration(0), nanoseconds::zero());
  EXPECT_EQ(clock.realDuration(-5), nanoseconds::zero());
}

// A factor that would slow the protocol down, or none at all, is real time.
TEST(AcceleratedClock, FactorsBelowOneAreRealTime) {
  for (const double factor : {0.5, 0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
    const AcceleratedClock clock(factor);
    EXPECT_EQ(clock.factor(), 1.0) << factor;
    EXPECT_EQ(clock.realDuration(50), milliseconds(50)) << factor;
    EXPECT_EQ(clock.realDuration(3000), milliseconds(3000)) << factor;
  }
}

// Protocol time runs ahead of real time by the factor, and never backwards.
TEST(AcceleratedClock, ProtocolTimeRunsFactorTimesFaster) {
  const AcceleratedClock clock(50.0);
  const auto realStart = std::chrono::steady_clock::now();
  const std::int64_t first = clock.nowMs();
  // A second of protocol time passes, well before the deadline.
  std::int64_t second = first;
  const auto deadline = realStart + std::chrono::seconds(10);
  while (second - first < 1000 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
    second = clock.nowMs();
  }
  const auto real = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - realStart).count();
  EXPECT_GE(first, 0);
  ASSERT_GE(second - first, 1000);
  // It took at least a fiftieth of that in real time, and the elapsed real
  // time bounds it from above.
  EXPECT_GE(real + 1, (second - first) / 50);
  EXPECT_LE(second, 50 * (real + 1));
}

}  // namespace
}  // namespace velmora
