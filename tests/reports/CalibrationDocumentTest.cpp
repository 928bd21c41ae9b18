#include "CalibrationDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ConcUnits.h"
#include "PeakFormat.h"
#include "PeakValue.h"
#include "TRegressionFigures.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

using Kind = TPrintBlock::Kind;

// A standard: a Pb peak of `height` µA at -420 mV and a Cd peak at -620 mV
// on a sloping background of about 20 µA; 2 mV steps from -900 mV.
std::shared_ptr<TVAStruct> Standard(const std::string& number, double conc, double height) {
  auto c = std::make_shared<TVAStruct>();
  c->DatabaseName = number;
  for (int i = 0; i <= 300; ++i) {
    const double x = -900.0 + 2.0 * i;
    const double pb = (x + 420.0) / 25.0;
    const double cd = (x + 620.0) / 25.0;
    c->Data.push_back({x, 20.0 + 0.01 * (x + 900.0) + height * std::exp(-pb * pb) + 3.0 * std::exp(-cd * cd)});
  }
  for (const auto& [name, begin, end] : {std::tuple{"Pb", 200, 280}, std::tuple{"Cd", 100, 180}}) {
    TPeakRecord p;
    p.Name = name;
    p.BeginIndex = begin;
    p.EndIndex = end;
    p.CalcType = CalcByHeight;
    p.GridValue = conc;
    p.UnitTop = 5;     // mg
    p.UnitBottom = 2;  // dm³
    CalcPeakValue(c->Data, nullptr, p);
    c->Peaks.push_back(p);
  }
  return c;
}

// Lead standards at 0.5, 1 and 2 mg/dm³ with the line fitted on them.
TSingleCalibration Lead() {
  TSingleCalibration c;
  c.Name = "Pb";
  c.Stamp = 46000.5;
  c.CalcType = CalcByHeight;
  c.UnitTop = 5;
  c.UnitBottom = 2;
  const double conc[] = {0.5, 1.0, 2.0};
  const double height[] = {1.3, 2.4, 4.9};
  for (int i = 0; i < 3; ++i) {
    c.Curves.push_back(Standard(std::to_string(17 + i), conc[i], height[i]));
    c.Points.push_back({conc[i], c.Curves.back()->Peaks[0].PeakValue});
  }
  c.Intercept = 0.12;
  c.Slope = 2.4;
  c.R2 = 0.99912;
  c.Loaded = true;
  return c;
}

std::vector<Kind> KindsOf(const TPrintDocument& doc) {
  std::vector<Kind> out;
  for (const TPrintBlock& b : doc) out.push_back(b.BlockKind);
  return out;
}

TCalibrationPrintTexts Texts() {
  TCalibrationPrintTexts t;
  t.ReportDate = "09.12.2026 21:40";
  t.StampText = [](double stamp) { return stamp == 46000.5 ? std::string("08.12.2025") : std::string("?"); };
  return t;
}

}  // namespace

TEST(CalibrationDocument, EveryPartOfEveryCalibrationInOrder) {
  TSingleCalibration cd = Lead();
  cd.Name = "Cd";
  const std::vector<TSingleCalibration> cals = {Lead(), cd};
  TCalibrationPrintOptions o;
  o.DiagramHeightMm = 70;
  o.CalcChartHeightMm = 60;
  const TPrintDocument doc = BuildCalibrationDocument(cals, o, Texts());
  const std::vector<Kind> one = {Kind::Text,      Kind::Text, Kind::Table, Kind::Chart, Kind::Table,
                                 Kind::CalcChart, Kind::Text, Kind::Text,  Kind::Text};
  std::vector<Kind> expected = {Kind::Text, Kind::Text};
  for (int i = 0; i < 2; ++i) expected.insert(expected.end(), one.begin(), one.end());
  ASSERT_EQ(KindsOf(doc), expected);

  EXPECT_EQ(doc[0].Text, "Calibration curve");
  EXPECT_EQ(doc[0].SizeDelta, 4);
  EXPECT_TRUE(doc[0].Centred);
  EXPECT_EQ(doc[1].Text, "Report date: 09.12.2026 21:40");
  EXPECT_EQ(doc[2].Text, "Element: Pb");
  EXPECT_EQ(doc[2].SizeDelta, 4);
  EXPECT_EQ(doc[3].Text, "Calibration date: 08.12.2025");
  EXPECT_EQ(doc[11].Text, "Element: Cd");

  // The record parameters of the first standard, a row per property.
  const TTextTable& params = doc[4].Table;
  EXPECT_EQ(params.Rows.size(), cals[0].Curves[0]->PropertyRows().size());
  EXPECT_EQ(params.Rows[0].size(), 2u);

  // Each chart block names its calibration and kind.
  std::size_t index = 9;
  bool line = true;
  EXPECT_EQ(doc[5].HeightMm, 70);
  ASSERT_TRUE(DecodeCalibrationChart(doc[5].Chart, index, line));
  EXPECT_EQ(index, 0u);
  EXPECT_FALSE(line);
  EXPECT_EQ(doc[7].Text, "Calculation chart");
  EXPECT_EQ(doc[7].HeightMm, 60);
  ASSERT_TRUE(DecodeCalibrationChart(doc[16].Chart, index, line));
  EXPECT_EQ(index, 1u);
  EXPECT_TRUE(line);
  EXPECT_FALSE(DecodeCalibrationChart(0, index, line));  // the main chart

  // The equation lines and the figures the Calibrations window shows.
  EXPECT_EQ(doc[8].Text, "R^2^[Pb]=0.9991");
  EXPECT_EQ(doc[9].Text, "y[Pb]=0.12000+2.40000*C");
  const TRegressionFigures f = cals[0].Figures();
  ASSERT_TRUE(f.Valid());
  EXPECT_NE(doc[10].Text.find("LOD="), std::string::npos);
  EXPECT_NE(doc[10].Text.find("(n=3)"), std::string::npos);
  const std::size_t at = doc[10].Text.find("LOD=") + 4;
  EXPECT_NEAR(std::stod(doc[10].Text.substr(at, doc[10].Text.find(' ', at) - at)), f.Lod(), 1e-3 * f.Lod());
}

TEST(CalibrationDocument, DataTableShowsTheElementOfTheCalibrationByItsType) {
  TSingleCalibration c = Lead();
  TCalibrationPrintOptions o;
  o.RecordParameters = o.Diagram = o.CalcChart = o.Equation = false;
  TPrintDocument doc = BuildCalibrationDocument(std::vector{c}, o, Texts());
  ASSERT_EQ(KindsOf(doc), (std::vector<Kind>{Kind::Text, Kind::Text, Kind::Text, Kind::Text, Kind::Table}));
  // No measurement type column, and the Cd peaks of the standards stay out.
  const TTextTable& t = doc[4].Table;
  ASSERT_EQ(t.Rows.size(), 4u);
  EXPECT_EQ(t.Rows[0], (std::vector<std::string>{"Database #", "Comments", "Pb, µA"}));
  EXPECT_EQ(t.Rows[1][0], "17");
  EXPECT_EQ(t.Rows[3][2], "4.90");  // the height over the sloping baseline, 2 decimals above 1

  // Standards stored by height but calibrated by minimum and maximum: the
  // table measures them the calibration's way.
  c.CalcType = CalcByMinMax;
  doc = BuildCalibrationDocument(std::vector{c}, o, Texts());
  TPeakRecord p = c.Curves[2]->Peaks[0];
  p.CalcType = CalcByMinMax;
  const double minMax = CalcPeakValue(c.Curves[2]->Data, nullptr, p);
  EXPECT_GT(minMax, 4.95);  // the sloping background adds to the span
  EXPECT_EQ(doc[4].Table.Rows[3][2], FormatPeakValue(minMax));
  EXPECT_EQ(c.Curves[2]->Peaks[0].CalcType, CalcByHeight);  // the curve keeps its own type

  o.DatabaseNumbers = false;
  o.Comments = false;
  doc = BuildCalibrationDocument(std::vector{c}, o, Texts());
  EXPECT_EQ(doc[4].Table.Rows[0], (std::vector<std::string>{"Pb, µA"}));
}

TEST(CalibrationDocument, OptionsDropTheirBlocks) {
  const std::vector<TSingleCalibration> cals = {Lead()};
  TCalibrationPrintOptions none;
  none.RecordParameters = none.Diagram = none.InitialDataTable = none.CalcChart = none.Equation = false;
  EXPECT_EQ(KindsOf(BuildCalibrationDocument(cals, none, Texts())), (std::vector<Kind>{Kind::Text, Kind::Text}));
  EXPECT_TRUE(BuildCalibrationDocument({}, TCalibrationPrintOptions{}, Texts()).empty());

  // The equation alone still prints the element, its date and its line.
  TCalibrationPrintOptions equation = none;
  equation.Equation = true;
  const TPrintDocument e = BuildCalibrationDocument(cals, equation, Texts());
  ASSERT_EQ(e.size(), 7u);
  EXPECT_EQ(e[2].Text, "Element: Pb");
  EXPECT_EQ(e[5].Text, "y[Pb]=0.12000+2.40000*C");

  TCalibrationPrintOptions charts = none;
  charts.Diagram = charts.CalcChart = true;
  EXPECT_EQ(KindsOf(BuildCalibrationDocument(cals, charts, Texts())),
            (std::vector<Kind>{Kind::Text, Kind::Text, Kind::Text, Kind::Text, Kind::Chart, Kind::CalcChart}));

  // A calibration without curves (its data file unread) prints no curve parts.
  TSingleCalibration bare = Lead();
  bare.Curves.clear();
  TCalibrationPrintOptions all;
  EXPECT_EQ(KindsOf(BuildCalibrationDocument(std::vector{bare}, all, Texts())),
            (std::vector<Kind>{Kind::Text, Kind::Text, Kind::Text, Kind::Text, Kind::CalcChart, Kind::Text, Kind::Text,
                               Kind::Text}));
}

TEST(CalibrationDocument, ChartTitles) {
  const TSingleCalibration c = Lead();
  EXPECT_EQ(CalibrationCurveTitle(*c.Curves[0], "Pb"), "0.5 mg/dm3");
  EXPECT_EQ(CalibrationCurveTitle(*c.Curves[0], "Zn"), "Zn");
  auto english = [](const Message& m) { return m.format(); };
  TCalibrationChartTitles t = CalibrationChartTitles(c, 0.99876, english);
  EXPECT_EQ(t.Series, "Pb R2=0.9988");
  EXPECT_EQ(t.Bottom, "Concentration, [mg/dm3]");
  EXPECT_EQ(t.Left, "µA");
  TSingleCalibration area = c;
  area.CalcType = CalcBySquare;
  EXPECT_EQ(CalibrationChartTitles(area, 1, english).Left, "µA*mV");
  area.CalcType = CalcIntersection;
  EXPECT_EQ(CalibrationChartTitles(area, 1, english).Left, "");
}
