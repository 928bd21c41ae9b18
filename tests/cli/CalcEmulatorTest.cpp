// Standard additions on voltammograms of the analyzer emulator's model:
// the calculation must recover the sample concentrations it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "Numbers.h"
#include "PeakEvaluatorReset.h"
#include "RecordPeaks.h"
#include "SampleModel.h"
#include "TConcCalculation.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"
#include "VoltammogramModel.h"

using namespace velmora;

namespace {

// Deposition at -1400 mV for 60 s in a stirred cell.
VoltammogramModel::Conditions Deposition() {
  VoltammogramModel::Conditions conditions;
  conditions.electrolysisPotentialMv = -1400.0;
  conditions.electrolysisTimeS = 60.0;
  conditions.stirred = true;
  return conditions;
}

// A new root curve holding the prepared model's anodic sweep from -1300 to
// +100 mV in 2 mV steps.
TVAStruct& RecordSweep(TNodeForest& forest, VoltammogramModel& model) {
  TNode* n = forest.CreateNode();
  n->SetRecord(std::make_unique<TVAStruct>(n));
  forest.InsertNode(nullptr, forest.LastRoot(), n);
  TDataArr points;
  for (double e = -1300.0; e <= 100.0; e += 2.0) points.push_back({e, model.current(e, true)});
  TVAStruct& va = *n->VA();
  va.SetData(points);
  return va;
}

TEST(CalcEmulatorTest, StandardAdditionsRecoverTheSampleConcentrations) {
  TPeakValueEvaluator::Install();
  const test::PeakEvaluatorReset evaluatorGoes;
  const SampleModel::Concentrations sample = {400.0, 150.0, 250.0, 300.0};  // µg/L
  SampleModel cell;
  cell.fillSupportingElectrolyte(9.0, {0, 0, 0, 0});
  VoltammogramModel model(7);
  const VoltammogramModel::Conditions conditions = Deposition();

  TNodeForest forest;
  std::vector<TVAStruct*> curves;
  // Small volumes of concentrated standards, as in the laboratory: the
  // regression does not correct the analyte for dilution, so the additions
  // must change the cell volume by no more than a percent or so.
  const double addVolume = 0.02;  // mL of each single-element standard
  const double standard = 10.0;   // mg/L
  auto record = [&](int role) {
    model.prepare(conditions, cell.cellConcentrations());
    TVAStruct& va = RecordSweep(forest, model);
    va.Params.SetMeasurementType(role);
    va.Volumes[0] = 1.0;                            // aliquot
    va.Volumes[1] = 1.0;                            // no dilution
    va.Volumes[5] = 10.0;                           // cell
    va.Volumes[6] = va.Volumes[7] = 4 * addVolume;  // the four standards make one addition
    va.ResUnitTop = va.RecalcUnitTop = 4;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;  // µg/dm³
    for (int k = 0; k < SampleModel::ElementCount; ++k) {
      const auto el = static_cast<SampleModel::Element>(k);
      const double ep = SampleModel::peakPotential(el);
      const auto index = [&](double x) { return static_cast<std::int32_t>(std::lround((x + 1300.0) / 2.0)); };
      va.AddPeak(SampleModel::name(el), 1, index(ep - 70.0), index(ep + 70.0));
      // The four standards count as one addition of 0.08 mL at 2500 µg/L.
      va.SetAdditionConc(SampleModel::name(el), standard * 1000.0 / 4.0);
    }
    curves.push_back(&va);
  };
  // The supporting electrolyte first: its signal is the background that
  // the additions line is read against.
  record(0);
  cell.addSample(1.0, sample);
  record(1);
  for (int role = 2; role <= 3; ++role) {
    for (int k = 0; k < SampleModel::ElementCount; ++k)
      cell.addStandard(static_cast<SampleModel::Element>(k), addVolume, standard);
    record(role);
  }

  TConcCalculation calc;
  calc.SetCurves(curves);
  ASSERT_TRUE(calc.SelectMethod(1));
  calc.Recalculate();
  ASSERT_TRUE(calc.RequirementsMet());
  ASSERT_EQ(calc.Elements().size(), 4u);
  for (const TCalcElement& e : calc.Elements()) {
    const double expected = sample[SampleModel::elementOf(e.Name)];
    const double error = (e.SampleResult - expected) / expected;
    std::cout << "  " << e.Name << " sample " << FormatDecimals(expected, 1) << " µg/L, found "
              << FormatDecimals(e.SampleResult, 1) << " (" << (error >= 0 ? "+" : "")
              << FormatDecimals(100.0 * error, 2) << " %)\n";
    EXPECT_NEAR(error, 0.0, 0.05) << e.Name;
  }
}

// One click of "Peaks auto search" on a voltammogram of the emulator names
// its four peaks after the elements, each within its own potential window.
TEST(CalcEmulatorTest, AutoSearchNamesTheEmulatorPeaksAfterTheElements) {
  TPeakValueEvaluator::Install();
  const test::PeakEvaluatorReset evaluatorGoes;
  SampleModel cell;
  cell.addSample(1.0, {400.0, 150.0, 250.0, 300.0});
  VoltammogramModel model(11);
  model.prepare(Deposition(), cell.cellConcentrations());

  TNodeForest forest;
  TVAStruct& va = RecordSweep(forest, model);
  const TDataArr& points = va.Data;
  va.Params.SetValuesRange(2);  // 20 µA full scale, as the emulator records these heights

  const std::vector<TFoundPeak> found = AutoSearchPeaks(va, 0, {}, 1);
  std::vector<std::string> names;
  for (const TFoundPeak& p : found) {
    names.push_back(p.Name);
    const auto el = SampleModel::elementOf(p.Name);
    ASSERT_LT(el, SampleModel::ElementCount) << p.Name;
    const double ep = SampleModel::peakPotential(el);
    EXPECT_LT(points[static_cast<std::size_t>(std::min(p.BeginIndex, p.EndIndex))].X, ep) << p.Name;
    EXPECT_GT(points[static_cast<std::size_t>(std::max(p.BeginIndex, p.EndIndex))].X, ep) << p.Name;
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Cd", "Cu", "Pb", "Zn"}));
}

}  // namespace
