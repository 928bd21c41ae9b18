#include "MethodScriptCreator.h"

namespace velmora {

TWizSteps MethodScriptCreator::Generate(const TMethod& method, std::int32_t calcMethod) {
  TWizSteps s;
  const bool hasPrograms = !method.Programs.empty();
  const std::int32_t conjunction =
      hasPrograms && !method.Programs.front().empty() ? method.Programs.front().front().ConjunctionType() : 0;

  s.push_back(ValueRecord::StageName("Assembling of cell", "Сборка установки"));
  s.push_back(ValueRecord::IntValue(kStepConjunctionType, conjunction));
  s.push_back(ValueRecord::IntValue(kStepElectrodeType, 0));
  s.push_back(ValueRecord::IntValue(kStepParallelSamples, 2));
  s.push_back(ValueRecord::IntValue(kStepCalcMethod, calcMethod));
  s.push_back(ValueRecord::IntValue(kStepControlSolution, 0));
  if (!method.SupportingElectrolyte.empty()) {
    ValueRecord electrolyte = ValueRecord::Make(kStepSupportingElectrolyte);
    electrolyte.Text = method.SupportingElectrolyte;
    s.push_back(std::move(electrolyte));
  }
  s.push_back(ValueRecord::IntValue(kStepActivePage, 1));
  s.push_back(ValueRecord::Wait());
  s.push_back(ValueRecord::Make(kStepCalcTable));
  s.push_back(ValueRecord::Make(kStepConcUnits));
  s.push_back(ValueRecord::WithPrograms(method.Programs));
  s.push_back(ValueRecord::IntValue(kStepControlsVisibility, method.HideUnused ? 1 : 0));
  s.push_back(ValueRecord::Make(kStepPredefPeaks));
  s.push_back(ValueRecord::Make(kStepBeginCycle));
  if (hasPrograms) {
    s.push_back(ValueRecord::StageName("Recording", "Запись"));
    s.push_back(ValueRecord::IntValue(kStepActivePage, 2));
    s.push_back(ValueRecord::Wait());
    s.push_back(ValueRecord::Make(kStepStartRecord));
    s.push_back(ValueRecord::IntValue(kStepActivePage, 3));
    s.push_back(ValueRecord::Wait());
    s.push_back(ValueRecord::StageName("Treatment", "Обработка"));
    s.push_back(ValueRecord::IntValue(kStepActivePage, 4));
    s.push_back(ValueRecord::Wait());
  }
  s.push_back(ValueRecord::Make(kStepEndCycle));
  if (!method.Statistics.Name.empty()) {
    ValueRecord statistics = ValueRecord::Make(kStepStatistics);
    statistics.Statistics = method.Statistics;
    s.push_back(std::move(statistics));
  }
  s.push_back(ValueRecord::StageName("Report", "Отчёт"));
  s.push_back(ValueRecord::IntValue(kStepActivePage, 5));
  s.push_back(ValueRecord::Wait());
  return s;
}

}  // namespace velmora
