#pragma once

// Methods and scripts of every shape for the method tests.
#include <string>

#include "TMethod.h"

namespace velmora::test {

// A measurement step as the analyzer records it: sweep -1150..-700 mV,
// 10 s electrolysis, the given autosampler cell and comment.
inline ProgramStep Step(std::int32_t cell, const std::string& comment) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(200);
  s.SetSweepStart(-1150);
  s.SetSweepEnd(-700);
  s.SetElectrolysisPotential(-1400);
  s.SetElectrolysisTime(10);
  s.SetSamplerCell(cell);
  s.SetComments(comment);
  return s;
}

inline TMethodStat SomeStatistics() {
  TMethodStat s;
  s.Name = "Zn in water";
  s.ResTop = 5;
  s.ResBottom = 2;
  s.CellConc = 0;
  s.Elements = {{"Zn", {{0.001, 0.01, 25.0, 33.0, 30}, {0.01, 1.0, 15.0, 21.0, 20}}}};
  return s;
}

inline TCustomMethod SomeEquation() {
  TCustomMethod m;
  m.Name = "Ratio";
  m.Formula = "I0/IB*k";
  m.ResultUnitTop = 4;
  m.ResultUnitBottom = 2;
  m.Vars = {{"I0", "Analyte current", 0.0}, {"IB", "Supporting electrolyte current", 0.0}, {"k", "factor", 1.5}};
  return m;
}

// One command of every kind with data that differs from the defaults, and
// stage names in two languages.
inline TWizSteps EveryKind() {
  TWizSteps s;
  s.push_back(ValueRecord::Wait());
  s.push_back(ValueRecord::StageName("Assembling of cell", "Сборка установки"));
  s.push_back(ValueRecord::IntValue(kStepActivePage, 3));
  s.push_back(ValueRecord::IntValue(kStepConjunctionType, 2));
  s.push_back(ValueRecord::IntValue(kStepElectrodeType, -1));
  s.push_back(ValueRecord::Make(kStepBeginCycle));
  s.push_back(ValueRecord::IntValue(kStepCalcMethod, 4));
  ValueRecord table = ValueRecord::Make(kStepCalcTable);
  table.CalcTable = {10, 1, -1, -1, 10, 10, 0.05, 0.1, 0.15, 0.2};
  s.push_back(table);
  ValueRecord units = ValueRecord::Make(kStepConcUnits);
  units.Units = {4, 2, 5, 6};
  s.push_back(units);
  ValueRecord peaks = ValueRecord::Make(kStepPredefPeaks);
  peaks.Peaks = {{"Zn", -1080, -930, -830, 8000, 0}, {"Cd", -770, -620, -520, 3000, 1}};
  s.push_back(peaks);
  s.push_back(ValueRecord::WithPrograms({{Step(0, "Background"), Step(0, "Sample")}, {Step(2, "Addition")}}));
  s.push_back(ValueRecord::IntValue(kStepLoopsCount, 3));
  s.push_back(ValueRecord::Make(kStepEndCycle));
  s.push_back(ValueRecord::IntValue(kStepStirrerType, 3));
  ValueRecord electrolyte = ValueRecord::Make(kStepSupportingElectrolyte);
  electrolyte.Text = "0.1 M HCOOH, раствор";
  s.push_back(electrolyte);
  s.push_back(ValueRecord::IntValue(kStepControlsVisibility, 2));
  ValueRecord statistics = ValueRecord::Make(kStepStatistics);
  statistics.Statistics = SomeStatistics();
  s.push_back(statistics);
  s.push_back(ValueRecord::Make(kStepStatistics));  // custom statistics: no record
  ValueRecord equation = ValueRecord::Make(kStepCustomEquation);
  equation.Equation = SomeEquation();
  s.push_back(equation);
  s.push_back(ValueRecord::Make(kStepStartRecord));
  s.push_back(ValueRecord::IntValue(kStepControlSolution, 1));
  s.push_back(ValueRecord::Make(kStepSimulation));
  ValueRecord dummy = ValueRecord::Make(kStepDummyData);
  dummy.Dummy.MeasurementType = 2;
  for (int i = 0; i < 50; ++i) {
    const double x = -1150.0 + 9.0 * i;
    const double d = (x + 930.0) / 25.0;
    dummy.Dummy.Points.push_back({x, 22.0 + 0.01 * (x + 1150.0) + 4.0 / (1.0 + d * d)});
  }
  s.push_back(dummy);
  s.push_back(ValueRecord::IntValue(kStepParallelSamples, 2));
  ValueRecord activation = ValueRecord::Make(kStepActivation);
  activation.Activation = {"HNO3 0.1 M", 0.5};
  s.push_back(activation);
  return s;
}

// A method with every block: two programs using cells 3 and 5, two
// languages, statistics, a custom calculation method and a script.
inline TMethod FullMethod() {
  TMethod m;
  m.HideUnused = true;
  m.CalcMethod = 1;
  m.SupportingElectrolyte = "0.1 M HCOOH + 0.02 M KCl";
  m.Programs = {{Step(3, "Background"), Step(5, "Sample")}, {Step(5, "Addition 1"), Step(3, "Addition 2")}};
  m.RebuildCells();
  m.Cells[0].CellKind = kCellSupportingElectrolyte;
  m.Cells[1].CellKind = kCellAnalyte;
  m.AddDefaultLanguages();
  m.Localized[0].SubMenu = "Water";
  m.Localized[0].Title = "Zinc";
  m.Localized[0].MethodName = "Zn in water";
  m.Localized[0].StepComments = {{"Background", "Sample"}, {"Addition 1", "Addition 2"}};
  m.Localized[0].CellDescriptions = {"Electrolyte", "Sample"};
  m.Localized[1].SubMenu = "Вода";
  m.Localized[1].Title = "Цинк";
  m.Localized[1].StepComments = {{"Фон", "Проба"}, {"Добавка 1", "Добавка 2"}};
  m.Localized[1].CellDescriptions = {"Фон", "Проба"};
  m.CustomPrograms = true;
  m.Statistics = SomeStatistics();
  m.Script = EveryKind();
  return m;
}

}  // namespace velmora::test
