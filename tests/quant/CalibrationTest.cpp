// Calibrations: the figures of merit of a line, the calibration file, the
// database grouped by element, "Save calibration" and "By calibration".
#include <gtest/gtest.h>

#include <filesystem>

#include "CalibrationSaver.h"
#include "ConcTestCurves.h"
#include "FileIo.h"
#include "FormatError.h"
#include "TCalcSerie.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "THeaderManager.h"
#include "TRegressionFigures.h"
#include "TempDir.h"

using namespace velmora;
using conctest::Curves;
namespace fs = std::filesystem;

namespace {

TDataArr Points(std::vector<double> x, std::vector<double> y) {
  TDataArr out;
  for (std::size_t i = 0; i < x.size(); ++i) out.push_back({x[i], y[i]});
  return out;
}

// Standards of Pb at the given concentrations in unitTop/unitBottom, each a
// curve with a baseline of points and a cached peak value.
void AddStandards(Curves& curves, const std::vector<double>& conc, const std::vector<double>& signal,
                  std::int32_t unitTop, std::int32_t unitBottom) {
  for (std::size_t i = 0; i < conc.size(); ++i) {
    TVAStruct& c = curves.Add(1, {{"Pb", signal[i]}, {"Cd", 2.0 * signal[i]}});
    for (double e = -800.0; e <= -200.0; e += 10.0) c.Data.push_back({e, 20.0 + 0.01 * e});
    for (TPeakRecord& p : c.Peaks) {
      p.GridValue = conc[i];
      p.UnitTop = unitTop;
      p.UnitBottom = unitBottom;
    }
  }
}

TConcCalculation CalibrationCurve(Curves& curves) {
  TConcCalculation calc;
  calc.SetCurves(curves.All());
  calc.SelectMethod(4);
  calc.Recalculate();
  return calc;
}

TEST(CalibrationTest, FiguresOfMeritMatchTheHandWorkedTextbookExamples) {
  // A fluorescence calibration: x = 0..12 pg/cm³, the classic worked example.
  const TDataArr cal = Points({0, 2, 4, 6, 8, 10, 12}, {2.1, 5.0, 9.0, 12.6, 17.3, 21.0, 24.7});
  const TRegressionFigures f = TRegressionFigures::Of(cal, 1.5179, 1.9304);
  EXPECT_NEAR(f.Syx, 0.4329, 5e-4);
  EXPECT_NEAR(f.Lod(), 3.3 * 0.4329 / 1.9304, 1e-3);
  EXPECT_NEAR(f.Loq(), 10.0 * 0.4329 / 1.9304, 2e-3);
  // x0 = 0.72 ± 0.26, 6.21 ± 0.24 and 11.13 ± 0.26 for single readings.
  EXPECT_NEAR(f.ReadingUncertainty(2.9, 1), 0.2646, 5e-4);
  EXPECT_NEAR(f.ReadingUncertainty(13.5, 1), 0.2398, 5e-4);
  EXPECT_NEAR(f.ReadingUncertainty(23.0, 1), 0.2632, 5e-4);
  // Four replicate readings of 13.5: 0.14.
  EXPECT_NEAR(f.ReadingUncertainty(13.5, 4), 0.1406, 5e-4);

  // Standard additions of silver: x_E = 17.3 ng/cm³ with s = 0.749.
  const TDataArr add = Points({0, 5, 10, 15, 20, 25, 30}, {0.32, 0.41, 0.52, 0.60, 0.70, 0.77, 0.89});
  const TRegressionFigures g = TRegressionFigures::Of(add, 0.32179, 0.018643);
  EXPECT_NEAR(g.Syx, 0.01092, 5e-5);
  EXPECT_NEAR(g.ExtrapolationUncertainty(0.0), 0.749, 2e-3);

  // Two points, no spread or a flat line give no figures.
  EXPECT_EQ(TRegressionFigures::Of(Points({0, 1}, {0, 1}), 0, 1).Lod(), -1.0);
  EXPECT_EQ(TRegressionFigures::Of(Points({1, 1, 1}, {1, 2, 3}), 2, 0).ReadingUncertainty(2, 1), -1.0);
  EXPECT_EQ(TRegressionFigures::Of(Points({0, 1, 2}, {1, 1, 1}), 1, 0).Loq(), -1.0);
}

TEST(CalibrationTest, CalibrationFileRoundTripsAndRejectsHostileCounts) {
  Curves curves;
  AddStandards(curves, {10, 20, 40}, {1.1, 2.0, 4.1}, 4, 2);
  TConcCalculation calc = CalibrationCurve(curves);
  calc.SetIncludeZeroPoint(true);
  const TSingleCalibration c = BuildCalibration(calc, 0, curves.All(), 46000.5);
  ASSERT_EQ(c.Name, "Pb");
  ASSERT_EQ(c.Points.size(), 4u);
  EXPECT_EQ(c.Points[0], (TDataPoint{0.0, 0.0}));
  EXPECT_EQ(c.Points[2], (TDataPoint{20.0, 2.0}));

  TSingleCalibration read;
  read.ReadFile(c.FileBytes());
  EXPECT_EQ(read.Name, "Pb");
  EXPECT_EQ(read.Stamp, 46000.5);
  EXPECT_EQ(read.UnitTop, 4);
  EXPECT_EQ(read.IncludeZeroPoint, 1);
  EXPECT_EQ(read.Slope, c.Slope);
  EXPECT_EQ(read.Intercept, c.Intercept);
  EXPECT_EQ(read.R2, c.R2);
  EXPECT_EQ(read.Points, c.Points);
  ASSERT_EQ(read.Curves.size(), 3u);
  EXPECT_TRUE(read.Curves[0]->Detached);
  EXPECT_EQ(read.Curves[1]->Data, curves[1].Data);
  TSingleCalibration summary;
  EXPECT_TRUE(summary.ReadHeaderData(c.HeaderData()));
  EXPECT_EQ(summary.R2, c.R2);
  EXPECT_EQ(summary.CalcType, c.CalcType);

  // A point count beyond its block, and a negative one.
  for (std::int32_t n : {1000000, -1}) {
    std::vector<std::uint8_t> bytes = {8, 0, 0, 0, 20, 0, 0, 0};
    for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) >> (8 * k)));
    bytes.resize(bytes.size() + 16, 0);
    TSingleCalibration hostile;
    EXPECT_THROW(hostile.ReadFile(bytes), EFormatError) << n;
  }
}

TEST(CalibrationTest, StandardsInMicrogramsAndInMilligramsGiveTheSameConcentrations) {
  // The same three standards, entered once in µg/dm³ and once in mg/dm³.
  Curves micro, milli;
  AddStandards(micro, {10, 20, 40}, {1.02, 2.01, 3.98}, 4, 2);
  AddStandards(milli, {0.010, 0.020, 0.040}, {1.02, 2.01, 3.98}, 5, 2);
  test::TempDir dir;
  TCalibrationsDB microDb(dir / "micro"), milliDb(dir / "milli");
  const auto a = SaveCalibrations(CalibrationCurve(micro), micro.All(), microDb, 46000.0);
  const auto b = SaveCalibrations(CalibrationCurve(milli), milli.All(), milliDb, 46000.0);
  ASSERT_EQ(a.size(), 2u);
  // One line on one axis: mg/dm³, whatever the standards were entered in.
  EXPECT_NEAR(a[0].Slope, b[0].Slope, 1e-9 * b[0].Slope);
  EXPECT_NEAR(a[0].Slope, 98.9, 0.5);
  EXPECT_NEAR(a[0].Figures().Lod(), b[0].Figures().Lod(), 1e-12);
  for (std::int32_t top : {4, 5}) {
    const double fromMicro = microDb.ConcentrationFromCalibration("Pb", top, 2, 3.0);
    const double fromMilli = milliDb.ConcentrationFromCalibration("Pb", top, 2, 3.0);
    EXPECT_NEAR(fromMicro, fromMilli, 1e-9 * fromMilli);
    EXPECT_NEAR(fromMilli, top == 4 ? 30.0 : 0.030, top == 4 ? 0.5 : 5e-4);
    EXPECT_NEAR(microDb.CalibrationUncertainty("Pb", top, 2, 3.0, 1),
                milliDb.CalibrationUncertainty("Pb", top, 2, 3.0, 1), 1e-9);
  }
  // The stored curves keep only their element's peak.
  const TSingleCalibration stored = microDb.GetActiveCalibration("Cd");
  ASSERT_EQ(stored.Curves.size(), 3u);
  ASSERT_EQ(stored.Curves[0]->Peaks.size(), 1u);
  EXPECT_EQ(stored.Curves[0]->Peaks[0].Name, "Cd");
}

TEST(CalibrationTest, DatabaseGroupsByElementKeepsTheActiveOneAndSurvivesAMove) {
  test::TempDir dir;
  Curves day1, day2;
  AddStandards(day1, {10, 20, 40}, {1.0, 2.0, 4.0}, 4, 2);
  AddStandards(day2, {10, 20, 40}, {2.0, 4.0, 8.0}, 4, 2);
  {
    TCalibrationsDB db(dir / "Calibrations");
    SaveCalibrations(CalibrationCurve(day1), day1.All(), db, 46000.0);
    SaveCalibrations(CalibrationCurve(day2), day2.All(), db, 46001.0);
    ASSERT_EQ(db.Elements().size(), 2u);
    EXPECT_EQ(db.Elements()[0].Name, "Pb");
    EXPECT_EQ(db.Elements()[0].Calibrations.size(), 2u);
  }
  fs::rename(dir / "Calibrations", dir / "Elsewhere");
  TCalibrationsDB db(dir / "Elsewhere");
  ASSERT_EQ(db.Elements().size(), 2u);
  const TCalibrationCollection& pb = db.Elements()[static_cast<std::size_t>(db.IndexOfElement("Pb"))];
  ASSERT_EQ(pb.Calibrations.size(), 2u);
  EXPECT_FALSE(pb.Calibrations[0].Loaded) << "the list comes from the index alone";
  EXPECT_NEAR(pb.Calibrations[0].R2, 1.0, 1e-12);
  // The oldest is active after loading: 20 µg/dm³ at signal 2.
  EXPECT_NEAR(db.ConcentrationFromCalibration("Pb", 4, 2, 2.0), 20.0, 1e-9);
  db.SetActive(0, 1);
  EXPECT_NEAR(db.ConcentrationFromCalibration("Pb", 4, 2, 2.0), 10.0, 1e-9);
  TCalibrationCurves drawn;
  ASSERT_TRUE(db.ActiveCalibration("Pb", drawn));
  TCalcSerie serie;
  serie.FillCalibration(drawn, 5, 0, 2);
  EXPECT_NEAR(serie.Slope, 200.0, 1e-6) << "the second day's line in mg/dm³";
  EXPECT_EQ(db.ConcentrationFromCalibration("Zn", 4, 2, 2.0), -1.0);
  EXPECT_TRUE(db.TakeProblems().empty());

  // Removing the active calibration makes the remaining one active; the
  // last one takes its element with it.
  const std::string file = db.Calibration(0, 1)->FileName;
  db.RemoveCalibration(0, 1);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_NEAR(db.ConcentrationFromCalibration("Pb", 4, 2, 2.0), 20.0, 1e-9);
  db.RemoveCalibration(0, 0);
  EXPECT_EQ(db.IndexOfElement("Pb"), -1);
  EXPECT_EQ(db.IndexOfElement("Cd"), 0);
  EXPECT_EQ(TCalibrationsDB(dir / "Elsewhere").Elements().size(), 1u);
}

TEST(CalibrationTest, ADamagedCalibrationIsReportedOnceAndAZeroSlopeGivesNoConcentration) {
  test::TempDir dir;
  Curves flat;
  AddStandards(flat, {10, 20, 40}, {3.0, 3.0, 3.0}, 4, 2);
  TCalibrationsDB db(dir.path());
  const auto saved = SaveCalibrations(CalibrationCurve(flat), flat.All(), db, 46000.0);
  EXPECT_EQ(saved[0].Slope, 0.0) << "rounding noise of a flat line is no slope";
  EXPECT_EQ(db.ConcentrationFromCalibration("Pb", 4, 2, 3.0), -1.0);
  EXPECT_EQ(db.CalibrationUncertainty("Pb", 4, 2, 3.0, 1), -1.0);

  FileIo::writeAtomically(saved[1].FileName, std::string("\x01\x00\x00\x00\xff\xff\xff\x7f", 8));
  TCalibrationsDB reopened(dir.path());
  EXPECT_EQ(reopened.ConcentrationFromCalibration("Cd", 4, 2, 3.0), -1.0);
  EXPECT_EQ(reopened.ConcentrationFromCalibration("Cd", 4, 2, 3.0), -1.0);
  const auto problems = reopened.TakeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].format().find(saved[1].FileName), std::string::npos);
}

// Minimal external lookup: the calculation's method 5 through the interface.
TEST(CalibrationTest, ByCalibrationReadsTheAnalyteOnTheActiveLineWithItsUncertainty) {
  test::TempDir dir;
  Curves standards;
  AddStandards(standards, {5, 10, 20, 40}, {0.52, 1.01, 1.97, 4.03}, 4, 2);
  TCalibrationsDB db(dir.path());
  const auto saved = SaveCalibrations(CalibrationCurve(standards), standards.All(), db, 46000.0);

  Curves sample;
  sample.Add(0, {{"Pb", 0.05}});
  sample.Add(1, {{"Pb", 1.55}});
  sample.SetUnits(4, 2, 4, 2);
  TConcCalculation calc;
  calc.SetCurves(sample.All());
  calc.SetCalibrations(&db);
  calc.SelectMethod(5);
  calc.Recalculate();
  ASSERT_TRUE(calc.RequirementsMet());
  const TCalcElement& pb = calc.Elements()[0];
  const double expected = (1.50 - saved[0].Intercept) / saved[0].Slope * 1000.0;  // µg/dm³
  EXPECT_NEAR(pb.CellResult, expected, 1e-9);
  const double u = saved[0].Figures().ReadingUncertainty(1.50, 1) * 1000.0;
  EXPECT_GT(u, 0.0);
  EXPECT_NEAR(pb.Uncertainty, 2.0 * u, 1e-9);
}

}  // namespace
