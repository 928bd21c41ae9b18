#include "CurveEdits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <random>

#include "CurveProcessing.h"
#include "ForestTestUtil.h"

namespace velmora {
namespace {

using test::AddLeaf;

TDataArr Noisy(int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0.0, 0.3);
  TDataArr pts;
  for (int i = 0; i < n; ++i) pts.push_back({-1000.0 + i, std::sin(i * 0.01) + noise(rng)});
  return pts;
}

TEST(CurveEdits, ManyCurvesAtOnceGiveWhatTheLoopGives) {
  TNodeForest parallel, serial;
  std::vector<TArrayDataStruct*> a, b;
  for (int i = 0; i < 64; ++i) {
    a.push_back(AddLeaf(parallel, parallel.LastRoot(), nullptr, "c", Noisy(500 + i * 37, i))->ArrayRecord());
    b.push_back(AddLeaf(serial, serial.LastRoot(), nullptr, "c", Noisy(500 + i * 37, i))->ArrayRecord());
  }
  CurveEdits::Apply(a, [](const TDataArr& p) { return SmoothMovingAverage(p, 7); });
  for (TArrayDataStruct* c : b) c->Smooth(7);
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i]->Data, b[i]->Data) << "curve " << i;
    EXPECT_EQ(a[i]->HistoryIndex, b[i]->HistoryIndex);
  }
}

TEST(CurveEdits, ACancelledComputationGivesNothing) {
  std::vector<TDataArr> curves(200, Noisy(2000, 3));
  std::vector<const TDataArr*> inputs;
  for (const TDataArr& c : curves) inputs.push_back(&c);
  std::atomic<bool> cancel{false};
  std::atomic<std::size_t> done{0};
  const auto result = CurveEdits::Compute(
      inputs,
      [&](const TDataArr& p) {
        if (done.load() >= 10) cancel = true;
        return SmoothMovingAverage(p, 3);
      },
      &cancel, &done);
  EXPECT_FALSE(result.has_value());
  EXPECT_LT(done.load(), 200u);
  // The inputs are what they were.
  EXPECT_EQ(curves.front(), Noisy(2000, 3));
}

}  // namespace
}  // namespace velmora
