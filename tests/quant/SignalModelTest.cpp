// The modelled signal of the "Modeling" window: a sum of Gaussian peaks.
#include "SignalModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace velmora;

TEST(SignalModel, PeaksAddUpAsGaussiansOfTheirHeightAndHalfWidth) {
  const std::vector<TModelPeak> one{{"Pb", -500.0, 2.0, 80.0}};
  EXPECT_DOUBLE_EQ(SignalModel::Value(one, -500.0), 2.0);
  // Half the height at half the width on either side, symmetric.
  EXPECT_NEAR(SignalModel::Value(one, -460.0), 1.0, 1e-12);
  EXPECT_NEAR(SignalModel::Value(one, -540.0), 1.0, 1e-12);
  EXPECT_LT(SignalModel::Value(one, -100.0), 1e-9);

  std::vector<TModelPeak> two = one;
  two.push_back({"Cd", -700.0, 1.0, 50.0});
  EXPECT_NEAR(SignalModel::Value(two, -700.0), 1.0 + SignalModel::Value(one, -700.0), 1e-12);
  // A negative height models a cathodic peak.
  two.push_back({"O2", -500.0, -2.0, 80.0});
  EXPECT_NEAR(SignalModel::Value(two, -500.0), SignalModel::Value({two.data() + 1, 1}, -500.0), 1e-12);
}

TEST(SignalModel, RowsThatAreNoPeakAddNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<TModelPeak> peaks{{"", 0.0, 1.0, 0.0},
                                      {"", 0.0, 1.0, -10.0},
                                      {"", nan, 1.0, 10.0},
                                      {"", 0.0, std::numeric_limits<double>::infinity(), 10.0}};
  EXPECT_EQ(SignalModel::Value(peaks, 0.0), 0.0);
  double from = 1.0, to = 2.0;
  EXPECT_FALSE(SignalModel::Range(peaks, from, to));
  EXPECT_TRUE(SignalModel::Curve(peaks, 0.0, 0.0, 10).empty());
  EXPECT_TRUE(SignalModel::Curve(peaks, 5.0, -5.0, 10).empty());
  EXPECT_TRUE(SignalModel::Curve(peaks, 0.0, nan, 10).empty());
}

TEST(SignalModel, TheCurveSpansEveryPeakWithTwoWidthsAside) {
  const std::vector<TModelPeak> peaks{{"Pb", -500.0, 2.0, 80.0}, {"Cd", -700.0, 1.0, 50.0}};
  double from = 0.0, to = 0.0;
  ASSERT_TRUE(SignalModel::Range(peaks, from, to));
  EXPECT_DOUBLE_EQ(from, -800.0);
  EXPECT_DOUBLE_EQ(to, -340.0);
  const TDataArr curve = SignalModel::Curve(peaks, from, to, 1);  // at least two points
  ASSERT_EQ(curve.size(), 2u);
  const TDataArr fine = SignalModel::Curve(peaks, from, to, 47);
  ASSERT_EQ(fine.size(), 47u);
  EXPECT_DOUBLE_EQ(fine.front().X, -800.0);
  EXPECT_DOUBLE_EQ(fine.back().X, -340.0);
  EXPECT_DOUBLE_EQ(fine[23].X, -570.0);
  EXPECT_DOUBLE_EQ(fine[23].Y, SignalModel::Value(peaks, -570.0));
}
