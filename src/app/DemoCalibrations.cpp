#include "DemoCalibrations.h"

#include <cmath>
#include <memory>
#include <vector>

#include "CalibrationSaver.h"
#include "CalibrationsHost.h"
#include "SampleModel.h"
#include "StatisticsHost.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TStatDB.h"
#include "TVAStruct.h"
#include "VoltammogramModel.h"

namespace velmora {

namespace {

// Multi-element standards at `levels` µg/dm³, one sweep each.
std::vector<std::unique_ptr<TVAStruct>> Standards(const std::vector<double>& levels, std::uint64_t seed) {
  VoltammogramModel model(seed);
  VoltammogramModel::Conditions conditions;
  conditions.electrolysisPotentialMv = -1400.0;
  conditions.electrolysisTimeS = 60.0;
  conditions.stirred = true;
  std::vector<std::unique_ptr<TVAStruct>> curves;
  for (double level : levels) {
    model.prepare(conditions, {level, level, level, level});
    auto va = std::make_unique<TVAStruct>();
    TDataArr points;
    for (double e = -1300.0; e <= 100.0; e += 2.0) points.push_back({e, model.current(e, true)});
    va->SetData(points);
    va->DatabaseName = "Standard " + std::to_string(static_cast<int>(level)) + " ug/dm3 (emulator)";
    for (int k = 0; k < SampleModel::ElementCount; ++k) {
      const auto el = static_cast<SampleModel::Element>(k);
      const double ep = SampleModel::peakPotential(el);
      const auto index = [](double x) { return static_cast<std::int32_t>(std::lround((x + 1300.0) / 2.0)); };
      va->AddPeak(SampleModel::name(el), 1, index(ep - 70.0), index(ep + 70.0));
    }
    for (std::size_t p = 0; p < va->Peaks.size(); ++p) {
      TPeakRecord peak = va->Peaks[p];
      peak.GridValue = level;
      peak.UnitTop = 4;     // µg
      peak.UnitBottom = 2;  // dm³
      va->SetPeak(static_cast<std::int32_t>(p), peak);
    }
    curves.push_back(std::move(va));
  }
  return curves;
}

TMethodStat DrinkingWater() {
  TMethodStat s;
  s.Name = "Drinking water: Zn, Cd, Pb, Cu";
  s.ResTop = 5;     // mg
  s.ResBottom = 2;  // dm³
  s.CellConc = 0;
  s.Elements.push_back(
      {"Zn", {{0.0005, 0.005, 0.25, 0.7, 40}, {0.005, 0.05, 0.18, 0.5, 30}, {0.05, 1.0, 0.12, 0.33, 25}}});
  s.Elements.push_back({"Cd", {{0.0002, 0.002, 0.28, 0.78, 45}, {0.002, 0.05, 0.2, 0.55, 35}}});
  s.Elements.push_back(
      {"Pb", {{0.0005, 0.005, 0.25, 0.7, 40}, {0.005, 0.05, 0.17, 0.47, 30}, {0.05, 1.0, 0.1, 0.28, 20}}});
  s.Elements.push_back({"Cu", {{0.001, 0.01, 0.22, 0.61, 35}, {0.01, 1.0, 0.14, 0.39, 25}}});
  return s;
}

}  // namespace

void DemoCalibrations::build(CalibrationsHost& calibrations, StatisticsHost& statistics) {
  if (calibrations.database().Elements().empty()) {
    for (std::uint64_t day : {3u, 4u}) {
      auto owned = Standards({5.0, 10.0, 20.0, 40.0}, day);
      std::vector<TVAStruct*> curves;
      for (auto& c : owned) curves.push_back(c.get());
      TConcCalculation calc;
      calc.SetCurves(curves);
      calc.SelectMethod(4);
      calc.Recalculate();
      calibrations.saveCalibration(calc, curves);
    }
  }
  TStatDB& db = statistics.database();
  const TMethodStat record = DrinkingWater();
  if (db.IndexOfName(record.Name) < 0) db.AddAndSave(record);
}

std::vector<TSingleCalibration> DemoCalibrations::threeStandards(double stamp) {
  std::vector<std::shared_ptr<TVAStruct>> owned;
  for (auto& c : Standards({5.0, 10.0, 20.0}, 5u)) owned.push_back(std::move(c));
  std::vector<TVAStruct*> curves;
  for (auto& c : owned) curves.push_back(c.get());
  TConcCalculation calc;
  calc.SetCurves(curves);
  calc.SelectMethod(4);
  calc.Recalculate();
  std::vector<TSingleCalibration> out;
  for (std::size_t row = 0; row < calc.Elements().size(); ++row) {
    TSingleCalibration c = BuildCalibration(calc, row, curves, stamp);
    // The calibration keeps the standards alive.
    for (auto& curve : c.Curves) {
      for (const auto& o : owned)
        if (o.get() == curve.get()) curve = o;
    }
    out.push_back(std::move(c));
  }
  return out;
}

}  // namespace velmora
