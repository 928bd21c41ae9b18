#include "WorkSplit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <numeric>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace velmora;

TEST(WorkSplit, EveryItemRunsOnceAndWritesItsOwnResult) {
  for (unsigned threads : {1u, 2u, 4u}) {
    std::vector<int> runs(1000, 0);
    std::vector<double> results(1000, 0.0);
    WorkSplit::ForEach(
        runs.size(),
        [&](std::size_t i) {
          ++runs[i];
          double s = 0;
          for (std::size_t k = 0; k <= i; ++k) s += 1.0 / static_cast<double>(k + 1);
          results[i] = s;
        },
        nullptr, threads);
    EXPECT_EQ(std::count(runs.begin(), runs.end(), 1), 1000) << threads;
    double serial = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
      serial += 1.0 / static_cast<double>(i + 1);
      ASSERT_EQ(results[i], serial) << "item " << i << " with " << threads << " threads";
    }
  }
}

TEST(WorkSplit, SeveralThreadsShareTheWork) {
  std::mutex lock;
  std::set<std::thread::id> seen;
  std::atomic<int> waiting{0};
  WorkSplit::ForEach(
      2,
      [&](std::size_t) {
        {
          std::lock_guard<std::mutex> guard(lock);
          seen.insert(std::this_thread::get_id());
        }
        // Each item waits for the other: only two threads get both through.
        ++waiting;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (waiting.load() < 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
      },
      nullptr, 2);
  EXPECT_EQ(seen.size(), 2u);
}

TEST(WorkSplit, AFailureStopsTheRestAndReachesTheCaller) {
  std::atomic<int> started{0};
  EXPECT_THROW(WorkSplit::ForEach(
                   100000,
                   [&](std::size_t i) {
                     ++started;
                     if (i == 10) throw std::runtime_error("item 10");
                   },
                   nullptr, 2),
               std::runtime_error);
  EXPECT_LT(started.load(), 100000);
}

TEST(WorkSplit, ACancelledRunStartsNoFurtherItem) {
  std::atomic<bool> cancel{false};
  std::atomic<int> done{0};
  WorkSplit::ForEach(
      100000,
      [&](std::size_t i) {
        if (i == 50) cancel = true;
        ++done;
      },
      &cancel, 2);
  EXPECT_GE(done.load(), 51);
  EXPECT_LT(done.load(), 100000);
  int none = 0;
  WorkSplit::ForEach(
      10, [&](std::size_t) { ++none; }, &cancel, 2);
  EXPECT_EQ(none, 0);
}
