#include "RecordPeaks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "PeakTable.h"
#include "PeakValue.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

TDataArr Voltammogram(bool descending = false, double pbAmplitude = 3.0) {
  TDataArr points;
  for (double x = -1200.0; x <= 0.0; x += 1.0) {
    double y = 0.4 + 0.0008 * (x + 1200.0);
    const double centers[] = {-900, -600, -400, -200};
    const double amplitudes[] = {2.0, 1.5, pbAmplitude, 2.5};
    for (int i = 0; i < 4; ++i) y += amplitudes[i] * std::exp(-0.5 * std::pow((x - centers[i]) / 18.0, 2));
    points.push_back({x, y});
  }
  if (descending) return TDataArr(points.rbegin(), points.rend());
  return points;
}

TPeakRecord NamedPeak(const std::string& name, int begin, int end, int calcType, int baselineType = 0) {
  TPeakRecord peak;
  peak.Name = name;
  peak.BeginIndex = begin;
  peak.EndIndex = end;
  peak.CalcType = calcType;
  peak.BaselineType = baselineType;
  return peak;
}

class RecordPeaks : public ::testing::Test {
 protected:
  void SetUp() override {
    TPeakValueEvaluator::Install();
    curve.Data = Voltammogram();
    curve.Params.SetValuesRange(2);  // 20 µA full scale
  }
  void TearDown() override { TVAStruct::SetPeakEvaluator(nullptr); }

  std::vector<std::string> Names(const TVAStruct& record) {
    std::vector<std::string> names;
    for (const auto& peak : record.Peaks) names.push_back(peak.Name);
    return names;
  }

  TVAStruct curve;
};

}  // namespace

TEST_F(RecordPeaks, SearchAddsNamedPeaksAndReplacesSameNames) {
  curve.Peaks.push_back(NamedPeak("Pb", 1, 2, 3, 1));
  curve.Peaks.push_back(NamedPeak("Mine", 5, 50, 2));
  const auto found = AutoSearchPeaks(curve, 0, {}, 0);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(Names(curve), (std::vector<std::string>{"Mine", "Zn", "Cd", "Pb", "Cu"}));
  // Found peaks are measured over the straight baseline, also where the
  // peak they replace had another.
  for (std::size_t i = 1; i < curve.Peaks.size(); ++i) {
    EXPECT_EQ(curve.Peaks[i].CalcType, 0);
    EXPECT_EQ(curve.Peaks[i].BaselineType, 0);
    EXPECT_EQ(curve.Peaks[i].ValueValid, 0);
  }
  EXPECT_EQ(curve.Peaks[3].BeginIndex, found[2].BeginIndex);

  // Mixed type -1 is stored as 1; a second search replaces, never doubles.
  AutoSearchPeaks(curve, 0, {}, -1);
  EXPECT_EQ(Names(curve), (std::vector<std::string>{"Mine", "Zn", "Cd", "Pb", "Cu"}));
  EXPECT_EQ(curve.Peaks[1].CalcType, 1);
  EXPECT_EQ(curve.Peaks[1].BaselineType, 0);
}

TEST_F(RecordPeaks, SearchUsesRangeModulationAndPredefinedPeaks) {
  // A Pb peak of 25 µA exceeds the 20 µA full scale of range 2.
  curve.Data = Voltammogram(false, 25.0);
  AutoSearchPeaks(curve, 0, {}, 1);
  EXPECT_EQ(Names(curve), (std::vector<std::string>{"Zn", "Cd", "Cu"}));
  // With modulation range 2 reaches only 2 µA: every peak is overloaded.
  curve.Peaks.clear();
  curve.Params.SetModulation(1);
  AutoSearchPeaks(curve, 0, {}, 1);
  EXPECT_TRUE(curve.Peaks.empty());
  curve.Params.SetValuesRange(4);  // 200 µA with modulation
  AutoSearchPeaks(curve, 0, {}, 1);
  EXPECT_EQ(Names(curve), (std::vector<std::string>{"Zn", "Cd", "Pb", "Cu"}));

  TVAStruct other;
  other.Data = Voltammogram(true);
  other.Params.SetValuesRange(2);
  const TPredefPeaks predefined = {{"Cd", -700, 0, -500, 1.5, 0}};
  AutoSearchPeaks(other, 0, predefined, 1);
  ASSERT_EQ(Names(other), (std::vector<std::string>{"Cd"}));
  EXPECT_EQ(other.Peaks[0].AdditionConc, 1.5);
  EXPECT_GT(other.Peaks[0].BeginIndex, other.Peaks[0].EndIndex);  // descending sweep

  TVAStruct empty;
  EXPECT_TRUE(AutoSearchPeaks(empty, 0, {}, 1).empty());
}

TEST_F(RecordPeaks, ImportedCurvesAreNotJudgedByAnUnknownRange) {
  // A differential-pulse curve imported from text: 30 µA of background,
  // peaks of 15, 4 and 9 µA, and no record parameters at all.
  TDataArr measured;
  for (double x = -1200.0; x <= -100.0; x += 2.0) {
    double y = 30.0 + 0.004 * (x + 1200.0);
    const double centers[] = {-950, -640, -420};
    const double heights[] = {15.0, 4.0, 9.0};
    for (int i = 0; i < 3; ++i) y += heights[i] * std::exp(-0.5 * std::pow((x - centers[i]) / 22.0, 2));
    measured.push_back({x, y});
  }
  TVAStruct imported;
  imported.Data = measured;
  AutoSearchPeaks(imported, 0, {}, 1);
  EXPECT_EQ(Names(imported), (std::vector<std::string>{"Zn", "Cd", "Pb"}));

  // A role and a comment given later leave its range just as unknown.
  imported.Peaks.clear();
  imported.Params.SetMeasurementType(1);
  imported.Params.SetComments("sample 1");
  AutoSearchPeaks(imported, 0, {}, 1);
  EXPECT_EQ(Names(imported), (std::vector<std::string>{"Zn", "Cd", "Pb"}));

  // Recorded by the analyzer on the 20 µA range the same currents are
  // overloaded; the 200 µA range holds them.
  TVAStruct recorded;
  recorded.Data = measured;
  recorded.Params.SetSweepRate(60);
  recorded.Params.SetSweepStart(-1200);
  recorded.Params.SetValuesRange(2);
  AutoSearchPeaks(recorded, 0, {}, 1);
  EXPECT_TRUE(recorded.Peaks.empty());
  recorded.Params.SetValuesRange(3);
  AutoSearchPeaks(recorded, 0, {}, 1);
  EXPECT_EQ(Names(recorded), (std::vector<std::string>{"Zn", "Cd", "Pb"}));
  // A range index of 0 is a real range when the curve was recorded.
  recorded.Peaks.clear();
  recorded.Params.SetValuesRange(0);
  AutoSearchPeaks(recorded, 0, {}, 1);
  EXPECT_TRUE(recorded.Peaks.empty());
}

TEST_F(RecordPeaks, PeakValuesAreFreshOnEveryRead) {
  AutoSearchPeaks(curve, 0, {}, CalcByHeight);
  const TPeaks& peaks = curve.GetPeaks();
  for (const auto& peak : peaks) {
    TPeakRecord copy = peak;
    EXPECT_EQ(peak.ValueValid, 1);
    EXPECT_EQ(peak.PeakValue, CalcPeakValue(curve.Data, nullptr, copy));
  }
  const int pb = curve.FindPeak("Pb");
  EXPECT_NEAR(curve.GetPeak(pb).PeakValue, 3.0, 0.1);
  curve.SetPeakCalcType(pb, CalcBySquare);
  EXPECT_NEAR(curve.GetPeak(pb).PeakValue, 3.0 * 18.0 * std::sqrt(2 * std::numbers::pi), 10.0);

  // The Red/Ox difference reads the partner curve when it holds the peak.
  TVAStruct partner;
  partner.Data = Voltammogram(true);
  for (auto& p : partner.Data) p.Y = -p.Y;
  curve.Peaks[pb].CalcType = CalcPotDiff;
  curve.Partner = &partner;
  EXPECT_EQ(curve.GetPeak(pb).PeakValue, 0.0);
  partner.Peaks.push_back(NamedPeak("Pb", 0, 1, CalcPotDiff));
  const TPeakRecord diff = curve.GetPeak(pb);
  EXPECT_NEAR(diff.MarkX1, -400.0, 1.0);
  EXPECT_NEAR(diff.MarkX2, -400.0, 1.0);
  curve.Partner = nullptr;
}

TEST_F(RecordPeaks, PeakTableMergesNamesOverCurves) {
  TVAStruct second;
  second.Data = Voltammogram(true);
  const int high = static_cast<int>(second.Data.size()) - 1;
  curve.Peaks = {NamedPeak("Cd", 500, 700, 1), NamedPeak("Pb", 700, 900, 0), NamedPeak("Far", 5, 99999, 1)};
  // The same Cd borders on a sweep the other way round (begin at the higher
  // potential, as manual marking stores them); Pb wider; types differ.
  second.Peaks = {NamedPeak("Cd", high - 700, high - 500, 1), NamedPeak("Pb", high - 650, high - 900, 2, 1)};
  TVAStruct blank;
  blank.Peaks = {NamedPeak("Zn", 0, 0, 0)};

  std::vector<TVAStruct*> checked = {&curve, &blank, &second};
  const TElementsPeaksArr table = BuildPeakTable(checked);
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].Name, "Cd");
  EXPECT_EQ(table[0].InCurves, 1);
  EXPECT_EQ(table[0].BordersDiffer, 0);
  EXPECT_EQ(table[0].CalcType, 1);
  EXPECT_EQ(table[0].BeginPotential, -700.0);
  EXPECT_EQ(table[0].EndPotential, -500.0);
  EXPECT_EQ(table[0].PeakValue, curve.GetPeak(0).PeakValue);

  EXPECT_EQ(table[1].Name, "Pb");
  EXPECT_EQ(table[1].BordersDiffer, 1);
  EXPECT_EQ(table[1].CalcType, -1);
  EXPECT_EQ(table[1].BaselineType, -1);
  EXPECT_EQ(table[1].BeginPotential, -550.0);
  EXPECT_EQ(table[1].EndPotential, -300.0);

  EXPECT_EQ(table[2].Name, "Far");
  EXPECT_EQ(table[2].InCurves, 0);
  EXPECT_EQ(table[2].BeginPotential, -1195.0);
  EXPECT_EQ(table[2].EndPotential, 0.0);  // index outside the points
}
