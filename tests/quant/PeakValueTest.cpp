#include "PeakValue.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ECalcError.h"
#include "PolyFit.h"

using namespace velmora;

namespace {

TDataArr FromYs(std::initializer_list<double> ys, double step = 1.0) {
  TDataArr points;
  double x = 0;
  for (double y : ys) {
    points.push_back({x, y});
    x += step;
  }
  return points;
}

// x = 0 .. count-1, y = f(x).
template <typename F>
TDataArr Sampled(int count, F f) {
  TDataArr points;
  for (int i = 0; i < count; ++i) points.push_back({double(i), f(double(i))});
  return points;
}

TPeakRecord Peak(int begin, int end, int calcType, int baselineType = BaseLineLine) {
  TPeakRecord peak;
  peak.BeginIndex = begin;
  peak.EndIndex = end;
  peak.CalcType = calcType;
  peak.BaselineType = baselineType;
  return peak;
}

double Value(const TDataArr& points, TPeakRecord peak, const TDataArr* paired = nullptr) {
  return CalcPeakValue(points, paired, peak);
}

double Cubic(double x) { return 0.002 * x * x * x - 0.03 * x * x + 0.1 * x + 1.0; }

}  // namespace

TEST(PolyFit, LinesCubicsAndQuality) {
  // Hand-computed: slope 0.2, intercept 0.2, SSres 0.8, SStot 1, q = sqrt(0.2).
  const std::vector<double> x = {0, 1, 2, 3}, y = {0, 1, 0, 1};
  const TPolyFit line = PolyFit(x, y, 2);
  EXPECT_NEAR(line.Coef[0], 0.2, 1e-12);
  EXPECT_NEAR(line.Coef[1], 0.2, 1e-12);
  EXPECT_NEAR(line.Quality, std::sqrt(0.2), 1e-12);

  // A cubic at potentials around -1000 mV is recovered exactly.
  std::vector<double> cx, cy;
  for (int i = 0; i < 14; ++i) {
    cx.push_back(-1100.0 + 15.0 * i);
    cy.push_back(2.0 + 0.01 * cx.back() + 3e-5 * cx.back() * cx.back() + 1e-8 * std::pow(cx.back(), 3));
  }
  const TPolyFit cubic = PolyFit(cx, cy, 4);
  EXPECT_NEAR(cubic.Quality, 1.0, 1e-9);
  for (std::size_t i = 0; i < cx.size(); ++i) EXPECT_NEAR(PolyValue(cubic.Coef, cx[i]), cy[i], 1e-8);
  EXPECT_NEAR(cubic.Coef[3], 1e-8, 1e-12);

  // Constant Y: perfect fit; one X for all points: the mean, no slope.
  const TPolyFit flat = PolyFit(x, std::vector<double>{3, 3, 3, 3}, 2);
  EXPECT_NEAR(flat.Coef[0], 3.0, 1e-12);
  EXPECT_EQ(flat.Quality, 1.0);
  const TPolyFit vertical = PolyFit(std::vector<double>{5, 5, 5}, std::vector<double>{1, 2, 3}, 2);
  EXPECT_NEAR(vertical.Coef[0], 2.0, 1e-12);
  EXPECT_EQ(vertical.Coef[1], 0.0);
  // A cubic through two points is a line.
  const TPolyFit two = PolyFit(std::vector<double>{0, 2}, std::vector<double>{1, 5}, 4);
  EXPECT_NEAR(PolyValue(two.Coef, 1.0), 3.0, 1e-9);

  try {
    PolyFit(std::vector<double>{1}, std::vector<double>{1}, 2);
    FAIL() << "no error for one point";
  } catch (const ECalcError& error) {
    EXPECT_STREQ(error.what(), "PolyFit called with less than two points");
  }
}

TEST(PolyFit, QualityOfCurrentsOnALargeOffset) {
  // A tangent line over seven points of a slowly rising current, once near
  // zero and once on a 10^4 µA offset: the same scatter, the same quality.
  const double scatter[] = {4e-5, -3e-5, 2e-5, -5e-5, 1e-5, 3e-5, -2e-5};
  std::vector<double> x, low, high;
  for (int i = 0; i < 7; ++i) {
    x.push_back(-500.0 + 10.0 * i);
    low.push_back(2e-5 * (x.back() + 500.0) + scatter[i]);
    high.push_back(1e4 + low.back());
  }
  const TPolyFit plain = PolyFit(x, low, 2);
  const TPolyFit offset = PolyFit(x, high, 2);
  EXPECT_NEAR(plain.Quality, 0.99698078983698, 1e-12);
  EXPECT_NEAR(offset.Quality, plain.Quality, 1e-8);
  EXPECT_NEAR(offset.Coef[1], plain.Coef[1], 1e-9);

  // A flat current on the offset is a perfect fit, not a failed one.
  const TPolyFit flat = PolyFit(x, std::vector<double>(7, 1e4 + 0.1), 2);
  EXPECT_EQ(flat.Quality, 1.0);
  EXPECT_NEAR(flat.Coef[0], 1e4 + 0.1, 1e-9);
}

TEST(PeakValueHeight, LinearBaselineTakesTheLargerExcursion) {
  // Sloped baseline y = x under a peak of 4 at x = 2.
  TPeakRecord peak = Peak(0, 4, CalcByHeight);
  EXPECT_DOUBLE_EQ(CalcPeakValue(FromYs({0, 1, 6, 3, 4}), nullptr, peak), 4.0);
  EXPECT_EQ(peak.MarkIndex1, 0);
  EXPECT_EQ(peak.MarkIndex2, 2);
  EXPECT_EQ(peak.PeakValue, 4.0);
  EXPECT_EQ(peak.ValueValid, 1);
  // A dip gives a positive value at the dip.
  peak = Peak(4, 0, CalcByHeight);  // reversed borders
  EXPECT_DOUBLE_EQ(CalcPeakValue(FromYs({1, 0, -3, 0, 1}), nullptr, peak), 4.0);
  EXPECT_EQ(peak.MarkIndex1, 0);
  EXPECT_EQ(peak.MarkIndex2, 2);
  // Equal magnitudes: the positive side wins.
  peak = Peak(0, 4, CalcByHeight);
  EXPECT_DOUBLE_EQ(CalcPeakValue(FromYs({0, 2, 0, -2, 0}), nullptr, peak), 2.0);
  EXPECT_EQ(peak.MarkIndex2, 1);
  // Both borders at one potential: no baseline, value 0.
  EXPECT_EQ(Value(FromYs({0, 2, 0}), Peak(1, 1, CalcByHeight)), 0.0);
  // Borders outside the points count as index 0.
  EXPECT_EQ(Value(FromYs({0, 2, 0}), Peak(-5, 99, CalcByHeight)), 0.0);
  EXPECT_EQ(Value(TDataArr{}, Peak(0, 4, CalcByHeight)), 0.0);
}

TEST(PeakValueHeight, CubicBaselineFromFourteenSteps) {
  // A cubic background with a bump of 5 at index 7, the one point the
  // 14-point fit leaves out.
  TDataArr points = Sampled(15, Cubic);
  points[7].Y += 5.0;
  TPeakRecord poly = Peak(0, 14, CalcByHeight, BaseLinePoly);
  EXPECT_NEAR(CalcPeakValue(points, nullptr, poly), 5.0, 1e-9);
  EXPECT_EQ(poly.MarkIndex2, 7);
  EXPECT_NEAR(PolyValue(poly.BaseCoef, 3.0), Cubic(3.0), 1e-9);
  EXPECT_GT(std::fabs(Value(points, Peak(0, 14, CalcByHeight)) - 5.0), 0.1);
  // 13 steps: the linear baseline, whatever is selected.
  EXPECT_DOUBLE_EQ(Value(points, Peak(0, 13, CalcByHeight, BaseLinePoly)), Value(points, Peak(0, 13, CalcByHeight)));
  // Area over the cubic: only the bump's interval contributes, 5 * 1.
  EXPECT_NEAR(Value(points, Peak(0, 14, CalcBySquare, BaseLinePoly)), 5.0, 1e-9);
  EXPECT_DOUBLE_EQ(Value(points, Peak(0, 13, CalcBySquare, BaseLinePoly)), Value(points, Peak(0, 13, CalcBySquare)));
}

TEST(PeakValueArea, ChordByIndexTimesPotentialSteps) {
  EXPECT_DOUBLE_EQ(Value(FromYs({0, 1, 2, 1, 0}), Peak(0, 4, CalcBySquare)), 4.0);
  EXPECT_DOUBLE_EQ(Value(FromYs({0, 1, 2, 1, 0}, 2.0), Peak(4, 0, CalcBySquare)), 8.0);
  // y = 1 2 5 3, chord 1, 1.667, 2.333, 3: (0 + 0.333 + 2.667) * 1 = 3.
  EXPECT_NEAR(Value(FromYs({1, 2, 5, 3}), Peak(0, 3, CalcBySquare)), 3.0, 1e-12);
  EXPECT_EQ(Value(FromYs({1, 2, 5, 3}), Peak(2, 2, CalcBySquare)), 0.0);
}

TEST(PeakValueMinMax, IgnoresTheEndPointAndFallsBackForShortPeaks) {
  const TDataArr points = FromYs({3, 1, 4, 1, 5, 9});
  TPeakRecord peak = Peak(0, 5, CalcByMinMax);
  EXPECT_DOUBLE_EQ(CalcPeakValue(points, nullptr, peak), 4.0);
  EXPECT_EQ(peak.MarkIndex1, 1);
  EXPECT_EQ(peak.MarkIndex2, 4);
  for (int type : {CalcByMinMaxWLines, CalcIntersection, CalcByMinMaxWLines2})
    EXPECT_DOUBLE_EQ(Value(points, Peak(5, 0, type)), 4.0) << type;
}

TEST(PeakValueTangents, TwoLinesChosenLineAndIntersection) {
  // Left tangent y = 1 + 0.5x on 0..6, right tangent y = 10 - 0.5x on 8..14.
  TDataArr lines = Sampled(15, [](double x) { return x <= 7 ? 1 + 0.5 * x : 10 - 0.5 * x; });
  TPeakRecord two = Peak(0, 14, CalcByMinMaxWLines);
  EXPECT_NEAR(CalcPeakValue(lines, nullptr, two), 2.0, 1e-12);
  EXPECT_EQ(two.MarkIndex1, 7);
  EXPECT_NEAR(two.MarkY1, 4.5, 1e-12);
  EXPECT_NEAR(two.MarkY2, 6.5, 1e-12);
  EXPECT_NEAR(two.RightLineCoef[1], -0.5, 1e-12);

  // Left y = 0, right y = 2, a point of 5 between: heights 5 and 3, the
  // smaller (right line) is reported.
  TDataArr steps = Sampled(15, [](double x) { return x < 7 ? 0.0 : (x > 7 ? 2.0 : 5.0); });
  TPeakRecord chosen = Peak(0, 14, CalcByMinMaxWLines2);
  chosen.ChosenLine = 9;
  EXPECT_NEAR(CalcPeakValue(steps, nullptr, chosen), 3.0, 1e-12);
  EXPECT_EQ(chosen.ChosenLine, 2);
  EXPECT_EQ(chosen.MarkIndex1, 7);
  EXPECT_NEAR(chosen.MarkY1, 2.0, 1e-12);
  EXPECT_EQ(chosen.MarkY2, 5.0);
  for (auto& p : steps) p.Y = p.X < 7 ? 2.0 : (p.X > 7 ? 0.0 : 5.0);
  TPeakRecord left = Peak(0, 14, CalcByMinMaxWLines2);
  EXPECT_NEAR(CalcPeakValue(steps, nullptr, left), 3.0, 1e-12);
  EXPECT_EQ(left.ChosenLine, 1);

  // Tangents y = x and y = c - x cross at c / 2.
  auto crossing = [](double c) {
    TDataArr v = Sampled(15, [c](double x) { return x <= 7 ? x : c - x; });
    TPeakRecord peak = Peak(0, 14, CalcIntersection);
    CalcPeakValue(v, nullptr, peak);
    return peak;
  };
  EXPECT_NEAR(crossing(20).PeakValue, 10.0, 1e-9);
  EXPECT_NEAR(crossing(20).MarkY1, 10.0, 1e-9);
  EXPECT_NEAR(crossing(28).PeakValue, 14.0, 1e-9);  // exactly on the border
  EXPECT_EQ(crossing(40).PeakValue, 0.0);           // outside the span
  TDataArr parallel = Sampled(15, [](double x) { return x <= 7 ? x : x + 3; });
  EXPECT_EQ(Value(parallel, Peak(0, 14, CalcIntersection)), 0.0);
}

TEST(PeakValuePotentialDifference, AgainstThePairedSweep) {
  const TDataArr forward = FromYs({0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 0});
  TDataArr backward;
  for (int x = 10; x >= 0; --x) backward.push_back({double(x), x == 3 ? -3.0 : -1.0});
  TPeakRecord peak = Peak(0, 10, CalcPotDiff);
  EXPECT_DOUBLE_EQ(CalcPeakValue(forward, &backward, peak), 2.0);
  EXPECT_EQ(peak.MarkX1, 5.0);
  EXPECT_EQ(peak.MarkY1, 5.0);
  EXPECT_EQ(peak.MarkX2, 3.0);
  EXPECT_EQ(peak.MarkY2, -3.0);
  // The paired sweep never goes lower: minimum here against its maximum.
  TDataArr high;
  for (int x = 10; x >= 0; --x) high.push_back({double(x), x == 8 ? 9.0 : 1.0});
  EXPECT_DOUBLE_EQ(Value(forward, Peak(0, 10, CalcPotDiff), &high), 8.0);
  EXPECT_EQ(Value(forward, Peak(0, 10, CalcPotDiff)), 0.0);
}

TEST(PeakValueLinearization, SlopeOfTheLogarithmicWave) {
  // y = 5 / (1 + exp(0.3 (x - 10))) with the first point at the limit 5:
  // ln((5 - y) / y) = 0.3 (x - 10).
  TDataArr wave = Sampled(21, [](double x) { return 5.0 / (1.0 + std::exp(0.3 * (x - 10))); });
  wave[0].Y = 5.0;
  TPeakRecord peak = Peak(20, 0, CalcLinSlope);
  EXPECT_NEAR(CalcPeakValue(wave, nullptr, peak), 0.3, 1e-9);
  EXPECT_NEAR(peak.BaseCoef[0], -3.0, 1e-9);
  EXPECT_EQ(peak.BeginIndex, 0);  // stored ascending
  EXPECT_EQ(peak.EndIndex, 20);
  EXPECT_EQ(peak.LinSeries.size(), 19u);  // the limit point itself has q = 0
  // A zero current is left out instead of dividing by it.
  wave[12].Y = 0.0;
  TPeakRecord zero = Peak(0, 20, CalcLinSlope);
  EXPECT_NEAR(CalcPeakValue(wave, nullptr, zero), 0.3, 1e-9);
  EXPECT_EQ(zero.LinSeries.size(), 18u);
  // Too short for a central window: 0 and the borders stay.
  TPeakRecord shortPeak = Peak(2, 0, CalcLinSlope);
  EXPECT_EQ(CalcPeakValue(wave, nullptr, shortPeak), 0.0);
  EXPECT_EQ(shortPeak.BeginIndex, 2);
  EXPECT_EQ(Value(wave, Peak(0, 20, 8)), 0.0);  // unknown type
}

// The linearization measures a wave: on the S-shaped semi-integral of a
// stripping peak (a background of 20 µA rising to 28 µA) it finds the
// falling logarithm, while on a peak that fills its band every point of the
// central window lies above the limiting current and the value is 0.
TEST(PeakValueLinearization, MeasuresWavesNotPeaks) {
  const TDataArr wave = Sampled(101, [](double x) { return 20.0 + 8.0 / (1.0 + std::exp(-(x - 50.0) / 6.0)); });
  TPeakRecord onWave = Peak(10, 90, CalcLinSlope);
  const double slope = CalcPeakValue(wave, nullptr, onWave);
  // ln((28 - y) / y) hardly falls at the foot and by about 1/6 per step
  // near the top; the fit over the central 60 % lies in between.
  EXPECT_LT(slope, -0.05);
  EXPECT_GT(slope, -0.2);
  EXPECT_FALSE(onWave.LinSeries.empty());

  const TDataArr peak =
      Sampled(101, [](double x) { return 20.0 + 0.01 * x + 5.0 * std::exp(-std::pow((x - 50.0) / 20.0, 2)); });
  TPeakRecord onPeak = Peak(10, 90, CalcLinSlope);
  EXPECT_EQ(CalcPeakValue(peak, nullptr, onPeak), 0.0);
  EXPECT_EQ(onPeak.BaseCoef[1], 0.0);
}
