#include "CurveProcessing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace velmora;

namespace {

TDataArr Curve(std::initializer_list<double> xs, std::initializer_list<double> ys) {
  TDataArr points;
  auto y = ys.begin();
  for (double x : xs) points.push_back({x, *y++});
  return points;
}

std::vector<double> Ys(const TDataArr& points) {
  std::vector<double> ys;
  for (const auto& p : points) ys.push_back(p.Y);
  return ys;
}

// The semi-integration sum written out term by term, as a reference.
std::vector<double> DirectSemiIntegral(const std::vector<double>& y) {
  const std::size_t m = y.size();
  std::vector<double> w(m), out(m, 0.0);
  for (std::size_t k = 0; k < m; ++k) w[k] = std::pow(static_cast<double>(k), 1.5);
  for (std::size_t i = 2; i < m; ++i) {
    double sum = y[i - 1];
    for (std::size_t j = 1; j <= i - 1; ++j) sum += y[j - 1] * (w[i - j + 1] - 2 * w[i - j] + w[i - j - 1]);
    out[i - 1] = SemiIntegralScale() * sum;
  }
  return out;
}

}  // namespace

TEST(SmoothMovingAverage, ForwardThenBackwardPassesOverWindowsOfNPlusOne) {
  const TDataArr points = Curve({0, 1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6});
  const TDataArr smoothed = SmoothMovingAverage(points, 2);
  // Forward gives 2 3 4 5 | 5 6; the backward pass then reads those values.
  const std::vector<double> expected = {2, 3, 3, 4, 14.0 / 3.0, 16.0 / 3.0};
  ASSERT_EQ(smoothed.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_DOUBLE_EQ(smoothed[i].Y, expected[i]) << i;
    EXPECT_EQ(smoothed[i].X, points[i].X);
  }
  // One window over the whole curve: each pass touches one point.
  const TDataArr whole = SmoothMovingAverage(points, 5);
  EXPECT_DOUBLE_EQ(whole[0].Y, 3.5);
  EXPECT_DOUBLE_EQ(whole[5].Y, (3.5 + 2 + 3 + 4 + 5 + 6) / 6.0);
  EXPECT_DOUBLE_EQ(whole[3].Y, 4.0);
}

TEST(SmoothMovingAverage, EmptyPassesAndZeroWindowLeavePointsAlone) {
  const TDataArr points = Curve({0, 1, 2}, {5, -1, 7});
  EXPECT_EQ(SmoothMovingAverage(points, 0), points);
  EXPECT_EQ(SmoothMovingAverage(points, 3), points);
  EXPECT_EQ(SmoothMovingAverage(points, -4), points);
  EXPECT_TRUE(SmoothMovingAverage(TDataArr{}, 9).empty());
  EXPECT_EQ(Smooth(points, 0), points);
  // A flat curve stays exactly flat (no rounding drift).
  TDataArr flat(200, {0.0, 0.1});
  for (const auto& p : SmoothMovingAverage(flat, 9)) EXPECT_EQ(p.Y, SmoothMovingAverage(flat, 9)[0].Y);
}

TEST(SemiIntegrate, SmallPairAgainstHandValues) {
  // Both sweeps run up, so the second is taken descending: y = 1 2 4 3.
  const TDataArr first = Curve({0, 10}, {1, 2});
  const TDataArr second = Curve({0, 10}, {3, 4});
  const TSemiIntegral result = SemiIntegrate(first, second);
  const double c = SemiIntegralScale();
  EXPECT_NEAR(c, 0.0475766, 1e-7);
  const double h1 = std::pow(2.0, 1.5) - 2.0;                         // w2 - 2 w1 + w0
  const double h2 = std::pow(3.0, 1.5) - 2 * std::pow(2.0, 1.5) + 1;  // w3 - 2 w2 + w1
  ASSERT_EQ(result.First.size(), 1u);
  ASSERT_EQ(result.Second.size(), 1u);
  EXPECT_EQ(result.First[0].X, 0.0);
  EXPECT_NEAR(result.First[0].Y, c * (2 + h1 * 1), 1e-12);
  EXPECT_EQ(result.Second[0].X, 10.0);
  EXPECT_NEAR(result.Second[0].Y, c * (4 + h2 * 1 + h1 * 2), 1e-12);
}

TEST(SemiIntegrate, SweepOrderAndDegeneratePairs) {
  // First runs down, second does not run up: second taken ascending.
  const TSemiIntegral down = SemiIntegrate(Curve({10, 0}, {1, 2}), Curve({10, 5, 0}, {3, 4, 5}));
  ASSERT_EQ(down.Second.size(), 2u);
  EXPECT_EQ(down.Second[0].X, 0.0);
  EXPECT_EQ(down.Second[1].X, 5.0);
  // Mixed directions: taken as they are.
  const TSemiIntegral mixed = SemiIntegrate(Curve({0, 10}, {1, 2}), Curve({10, 5, 0}, {3, 4, 5}));
  EXPECT_EQ(mixed.Second[0].X, 10.0);
  // One point each: both parts empty.
  const TSemiIntegral single = SemiIntegrate(Curve({0}, {1}), Curve({0}, {1}));
  EXPECT_TRUE(single.First.empty());
  EXPECT_TRUE(single.Second.empty());
  EXPECT_TRUE(SemiIntegrate(TDataArr{}, TDataArr{}).First.empty());
}

TEST(SemiIntegrate, LongPairMatchesTheDirectSum) {
  std::mt19937 rng(7);
  std::normal_distribution<double> noise(0.0, 0.5);
  for (std::size_t count : {40u, 300u, 1500u}) {
    TDataArr first, second;
    for (std::size_t i = 0; i < count; ++i) {
      const double x = -1000.0 + i;
      first.push_back({x, 5 * std::exp(-std::pow((x + 500) / 40, 2)) + noise(rng)});
      second.push_back({x, -3 + noise(rng)});
    }
    const TSemiIntegral result = SemiIntegrate(first, second);
    std::vector<double> y = Ys(first);
    for (std::size_t i = count; i-- > 0;) y.push_back(second[i].Y);  // second taken descending
    const std::vector<double> reference = DirectSemiIntegral(y);
    double scale = 1.0;
    for (double v : reference) scale = std::max(scale, std::fabs(v));
    ASSERT_EQ(result.First.size(), count - 1);
    ASSERT_EQ(result.Second.size(), count - 1);
    for (std::size_t i = 0; i + 1 < count; ++i) {
      ASSERT_NEAR(result.First[i].Y, reference[i + 1], 1e-10 * scale) << count << " " << i;
      ASSERT_NEAR(result.Second[i].Y, reference[count + i], 1e-10 * scale) << count << " " << i;
    }
  }
}

TEST(SubtractCurve, InterpolatesAndExtrapolatesOnTheSubtrahend) {
  // B is the line y = x + 0.5 from x 0.5 to 3.5; A starts before it.
  const TDataArr a = Curve({0, 1, 2, 3, 4}, {10, 11, 12, 13, 14});
  const TDataArr b = Curve({0.5, 1.5, 2.5, 3.5}, {1, 2, 3, 4});
  const TDataArr result = SubtractCurve(a, b, 0);
  ASSERT_EQ(result.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(result[i].X, i + 1.0);
    EXPECT_DOUBLE_EQ(result[i].Y, 9.5) << i;  // x = 4 is extrapolated
  }
  // Shifted by -0.5 the grids coincide and every point of A is kept.
  const TDataArr shifted = SubtractCurve(a, b, -0.5);
  ASSERT_EQ(shifted.size(), 5u);
  EXPECT_EQ(shifted[0].X, 0.0);
  for (const auto& p : shifted) EXPECT_DOUBLE_EQ(p.Y, 9.0);
}

TEST(SubtractCurve, SelfSubtractionAndDirectionKeepEveryPoint) {
  const TDataArr a = Curve({100, 50, 0, -50, -100}, {1, 4, 9, 4, 1});
  const TDataArr zero = SubtractCurve(a, a, 0);
  ASSERT_EQ(zero.size(), a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(zero[i].X, a[i].X);  // still descending
    EXPECT_EQ(zero[i].Y, 0.0);
  }
  // A coarser subtrahend never leaves points at (0, 0).
  TDataArr fine, coarse;
  for (int i = 0; i <= 8; ++i) fine.push_back({double(i), 100.0 + i});
  for (int i = 0; i <= 8; i += 4) coarse.push_back({double(i), double(i)});
  const TDataArr diff = SubtractCurve(fine, coarse, 0);
  ASSERT_EQ(diff.size(), 9u);
  for (int i = 0; i <= 8; ++i) {
    EXPECT_EQ(diff[i].X, i);
    EXPECT_DOUBLE_EQ(diff[i].Y, 100.0);
  }
}

TEST(SubtractCurve, DegenerateSubtrahendsLoseNoData) {
  const TDataArr a = Curve({0, 1, 2}, {3, 4, 5});
  EXPECT_EQ(SubtractCurve(a, TDataArr{}, 0), a);
  EXPECT_EQ(SubtractCurve(a, Curve({7}, {1}), 0), Curve({0, 1, 2}, {2, 3, 4}));
  // No overlap: A is kept rather than emptied.
  EXPECT_EQ(SubtractCurve(a, Curve({10, 11}, {1, 1}), 0), a);
  EXPECT_EQ(SubtractCurve(a, Curve({-10, -5}, {1, 1}), 0), a);
  EXPECT_TRUE(SubtractCurve(TDataArr{}, a, 0).empty());
  // Points of B sharing one X are not divided by zero.
  const TDataArr twin = SubtractCurve(a, Curve({0, 1, 1, 2}, {0, 1, 2, 3}), 0);
  for (const auto& p : twin) EXPECT_TRUE(std::isfinite(p.Y));
}

TEST(CurveEdits, InversionShiftAndSemilog) {
  const TDataArr a = Curve({-100, 0, 100}, {100, 0, -0.01});
  EXPECT_EQ(Invert(Invert(a, InvertAxis::X), InvertAxis::X), a);
  EXPECT_EQ(Invert(a, InvertAxis::Y), Curve({-100, 0, 100}, {-100, 0, 0.01}));
  EXPECT_EQ(Invert(a, InvertAxis::X)[0].X, 100);
  EXPECT_EQ(ShiftX(a, 25)[2].X, 125);
  const TDataArr log = Semilog(a);
  EXPECT_DOUBLE_EQ(log[0].Y, 2.0);
  EXPECT_EQ(log[1].Y, 0.0);  // zero current keeps its value
  EXPECT_DOUBLE_EQ(log[2].Y, -2.0);
}

TEST(CurveEdits, SortAndIndexOfPotential) {
  TDataArr points = Curve({3, -1, 2, 0, 5}, {0, 1, 2, 3, 4});
  ShellSortByX(points);
  EXPECT_EQ(points, Curve({-1, 0, 2, 3, 5}, {1, 3, 2, 0, 4}));
  ShellSortByX(points, true);
  EXPECT_EQ(points.front().X, 5);
  EXPECT_EQ(points.back().X, -1);

  const TDataArr up = Curve({0, 10, 20, 30}, {0, 0, 0, 0});
  EXPECT_EQ(IndexOfPotential(up, 15), 2);
  EXPECT_EQ(IndexOfPotential(up, -5), 0);
  EXPECT_EQ(IndexOfPotential(up, 99), 3);
  const TDataArr down = Curve({30, 20, 10, 0}, {0, 0, 0, 0});
  EXPECT_EQ(IndexOfPotential(down, 15), 2);
  EXPECT_EQ(IndexOfPotential(down, -5), 3);
  EXPECT_EQ(IndexOfPotential(TDataArr{}, 1), -1);
}

TEST(PotentialShift, GroupSuggestionParsingAndPeakPotential) {
  EXPECT_EQ(GroupXShift({{5}, {3}, {3}}), 3.0);
  EXPECT_EQ(GroupXShift({{4, 4}, {4}}), 4.0);
  EXPECT_EQ(GroupXShift({{0, 7}, {}}), 7.0);
  EXPECT_EQ(GroupXShift({}), 0.0);

  const std::vector<double> same = {2.5, 2.5, 2.5};
  const std::vector<double> differ = {2.5, 1.0, 2.5};
  EXPECT_EQ(SharedXShift(same), 2.5);
  EXPECT_FALSE(SharedXShift(differ));
  EXPECT_FALSE(SharedXShift(std::vector<double>{}));

  EXPECT_EQ(ParseXShift("-12.5"), -12.5);
  EXPECT_EQ(ParseXShift(" 3 "), 3.0);
  EXPECT_FALSE(ParseXShift("12,5"));
  EXPECT_FALSE(ParseXShift("abc"));
  EXPECT_FALSE(ParseXShift("nan"));
  EXPECT_FALSE(ParseXShift(""));

  const TDataArr shown = Curve({-10, 0, 10}, {0, 0, 0});
  EXPECT_EQ(PeakPotentialForShift(shown, 0, 0, 2), 10.0);
  EXPECT_EQ(PeakPotentialForShift(shown, 3, 1, 2), 0.0);
  EXPECT_EQ(PeakPotentialForShift(shown, 7, 0, 2), -10.0);
  EXPECT_FALSE(PeakPotentialForShift(shown, 1, 0, 2));
  EXPECT_FALSE(PeakPotentialForShift(shown, 0, 0, 3));
}
