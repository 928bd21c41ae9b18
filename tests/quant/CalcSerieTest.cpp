#include "TCalcSerie.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ConcTestCurves.h"
#include "TCalcElement.h"
#include "TCalibrationCurves.h"

using namespace velmora;
using conctest::Curves;

namespace {

class CalcSerieTest : public ::testing::Test {
 protected:
  void SetUp() override { TVAStruct::SetPeakEvaluator(nullptr); }
  static TCalcElement Element(const std::string& name, double addConc) {
    TCalcElement e;
    e.Name = name;
    e.AddConc = addConc;
    return e;
  }
  Curves curves;
  TCalcSerie serie;
};

TEST_F(CalcSerieTest, FitAgainstClosedFormValues) {
  // y = 3 + 2x exactly: R2 = 1, Result = 3/2, the line starts at the x-axis.
  for (double x : {4.0, 1.0, 2.0}) serie.AddPoint(x, 3 + 2 * x);
  EXPECT_EQ(serie.Points.front().X, 1.0);  // kept in ascending x
  serie.Fit();
  EXPECT_NEAR(serie.Intercept, 3.0, 1e-12);
  EXPECT_NEAR(serie.Slope, 2.0, 1e-12);
  EXPECT_NEAR(serie.R2, 1.0, 1e-12);
  EXPECT_NEAR(serie.Result, 1.5, 1e-12);
  ASSERT_EQ(serie.Line.size(), 2u);
  EXPECT_NEAR(serie.Line[0].X, -1.5, 1e-12);
  EXPECT_NEAR(serie.Line[1].Y, 11.0, 1e-12);
  ASSERT_EQ(serie.ResultMark.size(), 1u);
  EXPECT_NEAR(serie.ResultMark[0].X, -1.5, 1e-12);

  // Scattered points: slope Sxy/Sxx, intercept ȳ − slope·x̄, R2 = |r|.
  serie.Reset();
  const double xs[] = {0, 1, 2, 3}, ys[] = {1, 3, 2, 5};
  for (int i = 0; i < 4; ++i) serie.AddPoint(xs[i], ys[i]);
  serie.Fit();
  EXPECT_NEAR(serie.Slope, 1.1, 1e-12);  // Sxy = 5.5, Sxx = 5
  EXPECT_NEAR(serie.Intercept, 1.1, 1e-12);
  EXPECT_NEAR(serie.R2, 5.5 / std::sqrt(5.0 * 8.75), 1e-12);

  // Equal y at different x: slope 0, R2 = 1, Result 0, line at the level.
  serie.Reset();
  serie.AddPoint(1, 4);
  serie.AddPoint(2, 4);
  serie.Fit();
  EXPECT_NEAR(serie.R2, 1.0, 1e-12);
  EXPECT_EQ(serie.Result, 0.0);
  ASSERT_EQ(serie.Line.size(), 2u);
  EXPECT_EQ(serie.Line[0].X, 0.0);
  EXPECT_NEAR(serie.Line[0].Y, 4.0, 1e-12);

  // Three points with the same x: nothing fitted, nothing drawn.
  serie.Reset();
  for (double y : {1.0, 2.0, 3.0}) serie.AddPoint(5, y);
  serie.Fit();
  EXPECT_EQ(serie.Result, 0.0);
  EXPECT_EQ(serie.Slope, 0.0);
  EXPECT_EQ(serie.R2, 0.0);
  EXPECT_TRUE(serie.Line.empty());
  EXPECT_TRUE(serie.ResultMark.empty());
}

TEST_F(CalcSerieTest, StandardAdditionsWithBackgroundAndTrendSwitch) {
  curves.Add(1, {{"Pb", 10}});
  curves.Add(2, {{"Pb", 20}});
  const auto all = curves.All();
  serie.FillAdditions(all, Element("Pb", 10.1));
  EXPECT_NEAR(serie.Slope, 100.0, 1e-9);
  EXPECT_NEAR(serie.Intercept, 10.0, 1e-9);
  EXPECT_NEAR(serie.Result, 0.1, 1e-12);
  EXPECT_TRUE(serie.LevelLine.empty());

  curves.Add(0, {{"Pb", 2}});
  serie.Reset();
  serie.FillAdditions(curves.All(), Element("Pb", 10.1));
  EXPECT_NEAR(serie.Result, 0.08, 1e-12);
  EXPECT_EQ(serie.Offset, 2.0);
  ASSERT_EQ(serie.ResultMark.size(), 1u);
  EXPECT_NEAR(serie.ResultMark[0].X, -0.08, 1e-12);
  EXPECT_EQ(serie.ResultMark[0].Y, 2.0);
  ASSERT_EQ(serie.LevelLine.size(), 2u);
  EXPECT_NEAR(serie.LevelLine[0].X, -0.1, 1e-12);  // across the fitted line
  EXPECT_EQ(serie.LevelLine[1].Y, 2.0);

  // Without the trend the result stands but neither line nor mark is drawn.
  serie.SetShowTrend(false);
  EXPECT_NEAR(serie.Result, 0.08, 1e-12);
  EXPECT_TRUE(serie.Line.empty());
  EXPECT_TRUE(serie.ResultMark.empty());
  ASSERT_EQ(serie.LevelLine.size(), 2u);
  EXPECT_EQ(serie.LevelLine[0].X, 0.0);  // across the points now
}

TEST_F(CalcSerieTest, ReferenceCountsAsAFourthAdditionAndDifferingVolumesLeaveNoPoints) {
  for (int role : {1, 2, 3, 4, 5}) curves.Add(role, {{"Cu", 10.0 * role}});
  curves.SetVolume(7, 0.2);
  curves.SetVolume(8, 0.3);
  curves.SetVolume(9, 0.4);
  serie.FillAdditions(curves.All(), Element("Cu", 5));
  ASSERT_EQ(serie.Points.size(), 5u);
  EXPECT_NEAR(serie.Points[4].X, 1.0 * 5 / 11.0, 1e-12);  // V1+V2+V3+Vr = 1
  EXPECT_NEAR(serie.Points[1].X, 0.1 * 5 / 10.1, 1e-12);
  EXPECT_EQ(serie.CellVolumes[4], 0.4);

  curves[2].Volumes[7] = 0.25;
  serie.Reset();
  serie.FillAdditions(curves.All(), Element("Cu", 5));
  EXPECT_TRUE(serie.Points.empty());
  EXPECT_EQ(serie.Result, 0.0);
}

TEST_F(CalcSerieTest, CalibrationAbscissasAndReading) {
  // Standards in µg/dm³ plotted in mg/dm³, zero point first.
  for (double conc : {500.0, 1000.0}) {
    TVAStruct& c = curves.Add(2, {{"Pb", 1 + 2 * conc / 1000.0}});
    c.Peaks[0].GridValue = conc;
    c.Peaks[0].UnitTop = 4;
    c.Peaks[0].UnitBottom = 2;
  }
  TVAStruct& noUnits = curves.Add(2, {{"Pb", 99}});
  noUnits.Peaks[0].GridValue = 3;  // units unset: no point
  TCalibrationCurves cal;
  cal.Name = "Pb";
  cal.IncludeZeroPoint = 1;
  cal.Curves = curves.All();
  serie.FillCalibration(cal, 5, 0, 2);
  ASSERT_EQ(serie.Points.size(), 3u);
  EXPECT_EQ(serie.Points[0].X, 0.0);
  EXPECT_NEAR(serie.Points[1].X, 0.5, 1e-12);
  EXPECT_NEAR(serie.Points[2].Y, 3.0, 1e-12);

  // Reading an analyte on y = 1 + 2x with a background of 1: x* = (7 − 1 − 1)/2,
  // where the line reaches the net signal 6: the level line meets the line.
  cal.IncludeZeroPoint = 0;
  serie.Reset();
  serie.FillCalibration(cal, 5, 0, 2);
  curves.Add(0, {{"Pb", 1}});
  curves.Add(1, {{"Pb", 7}});
  serie.DrawReading(curves.All(), "Pb");
  ASSERT_EQ(serie.LevelLine.size(), 3u);
  EXPECT_NEAR(serie.LevelLine[1].X, 2.5, 1e-12);
  EXPECT_EQ(serie.LevelLine[1].Y, 6.0);
  EXPECT_NEAR(serie.Intercept + serie.Slope * serie.LevelLine[1].X, serie.LevelLine[1].Y, 1e-12);
  EXPECT_EQ(serie.LevelLine[2].Y, 0.0);
  EXPECT_NEAR(serie.LevelLine[0].X, -0.5, 1e-12);  // the line's smallest x
  ASSERT_EQ(serie.ResultMark.size(), 1u);
  EXPECT_NEAR(serie.ResultMark[0].X, 2.5, 1e-12);
  EXPECT_NEAR(serie.Result, 2.5, 1e-12);
  // Beyond the last standard the line runs on to the reading.
  EXPECT_NEAR(serie.Line.back().X, 2.5, 1e-12);

  // Angular frequency skips stopped stirrers and scales µA to A; record
  // parameters plot as they are.
  Curves rot;
  rot.Add(1, {{"Cd", 4}}).StirrerSpeed = 600;
  rot.Add(1, {{"Cd", 5}}).StirrerSpeed = 0;
  rot.Add(1, {{"Cd", 6}}).Params.SetCleaningPotential(-300);
  TCalibrationCurves c2;
  c2.Name = "Cd";
  c2.Curves = rot.All();
  serie.Reset();
  serie.FillCalibration(c2, 5, 2, 2);
  ASSERT_EQ(serie.Points.size(), 1u);
  EXPECT_NEAR(serie.Points[0].X, std::sqrt(600 * 2 * 3.141592653589793 / 60), 1e-12);
  EXPECT_NEAR(serie.Points[0].Y, 4e-6, 1e-18);
  serie.Reset();
  serie.FillCalibration(c2, 5, 3, 2);
  ASSERT_EQ(serie.Points.size(), 3u);
  EXPECT_EQ(serie.Extent(0), -300.0);
  EXPECT_EQ(serie.Extent(3), 6.0);
}

}  // namespace
