#include "StepForm.h"

#include <algorithm>
#include <limits>

#include "Numbers.h"

namespace velmora {

namespace {

std::string text(std::int32_t value) { return std::to_string(value); }

}  // namespace

std::int32_t StepForm::EditValue(const std::string& typed) {
  const auto value = ParseInteger(typed);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max()) {
    return 0;
  }
  return static_cast<std::int32_t>(*value);
}

StepForm StepForm::FromStep(const ProgramStep& step, const Environment& env) {
  StepForm f;
  const std::int32_t mode = step.TimeMode();
  f.rate = text(step.SweepRate());
  f.start = text(step.SweepStart());
  f.end = ProgramStep::IsPointCountMode(mode)
              ? text(ProgramStep::DurationFromSweepEnd(step.SweepEnd(), step.SweepRate()))
              : text(step.SweepEnd());
  f.cleaningPotential = text(step.CleaningPotential());
  f.cleaningTime = text(step.CleaningTime());
  f.preparation1Potential = text(step.Preparation1Potential());
  f.preparation1Time = text(step.Preparation1Time());
  f.preparation2Potential = text(step.Preparation2Potential());
  f.preparation2Time = text(step.Preparation2Time());
  f.electrolysisPotential = text(step.ElectrolysisPotential());
  f.electrolysisTime = text(step.ElectrolysisTime());
  f.mixerDelay = text(step.DelayAfterMixing());
  f.retentionPotential = text(step.RetentionPotential());
  f.modulationAmplitude = text(step.ModulationAmplitude());
  f.modulationFrequency = text(step.ModulationFrequency());
  f.cycleCount = text(step.CycleCount());
  f.skipCycles = text(step.SkipCycles());
  f.comments = step.Comments();

  f.mixer = step.Stirrer();
  f.retention = step.Retention();
  f.modulation = step.Modulation();
  f.cycle = step.Cycle();
  f.timeModeOn = mode > 0;
  f.timeModeIndex = mode > 0 && mode <= kTimeModeCount ? mode - 1 : 0;
  f.electrodeDown = step.ElectrodeDown();
  f.electrodeUp = step.ElectrodeUp();

  f.range = step.ValuesRange();
  f.conjunction = step.ConjunctionType();
  f.measurementType = step.MeasurementType();
  f.cycleType = step.CycleType();
  f.samplerCell = step.SamplerCell();
  f.stirrerType = StirrerFieldsApply(env) ? step.StirrerType() : 0;
  f.stirrerSpeed = step.StirrerSpeed();
  f.compensation = step.Compensation();
  f.filterValue = step.FilterValue();
  return f;
}

ProgramStep StepForm::ToStep(const ProgramStep& stored, const StepForm& shown, const Environment& env) const {
  ProgramStep s = stored;
  // Only what the operator changed since the step was shown is written, so
  // that looking at a step never alters it.
  auto number = [&](const std::string StepForm::*field, void (ProgramStep::*set)(std::int32_t)) {
    if (this->*field != shown.*field) (s.*set)(EditValue(this->*field));
  };
  auto flag = [&](bool StepForm::*field, void (ProgramStep::*set)(bool)) {
    if (this->*field != shown.*field) (s.*set)(this->*field);
  };
  auto index = [&](int StepForm::*field, void (ProgramStep::*set)(std::int32_t)) {
    if (this->*field != shown.*field) (s.*set)(this->*field);
  };

  number(&StepForm::rate, &ProgramStep::SetSweepRate);
  number(&StepForm::start, &ProgramStep::SetSweepStart);
  number(&StepForm::cleaningPotential, &ProgramStep::SetCleaningPotential);
  number(&StepForm::cleaningTime, &ProgramStep::SetCleaningTime);
  number(&StepForm::preparation1Potential, &ProgramStep::SetPreparation1Potential);
  number(&StepForm::preparation1Time, &ProgramStep::SetPreparation1Time);
  number(&StepForm::preparation2Potential, &ProgramStep::SetPreparation2Potential);
  number(&StepForm::preparation2Time, &ProgramStep::SetPreparation2Time);
  number(&StepForm::electrolysisPotential, &ProgramStep::SetElectrolysisPotential);
  number(&StepForm::electrolysisTime, &ProgramStep::SetElectrolysisTime);
  number(&StepForm::mixerDelay, &ProgramStep::SetDelayAfterMixing);
  number(&StepForm::retentionPotential, &ProgramStep::SetRetentionPotential);
  number(&StepForm::modulationAmplitude, &ProgramStep::SetModulationAmplitude);
  number(&StepForm::modulationFrequency, &ProgramStep::SetModulationFrequency);
  number(&StepForm::cycleCount, &ProgramStep::SetCycleCount);
  number(&StepForm::skipCycles, &ProgramStep::SetSkipCycles);
  flag(&StepForm::mixer, &ProgramStep::SetStirrer);
  flag(&StepForm::retention, &ProgramStep::SetRetention);
  flag(&StepForm::modulation, &ProgramStep::SetModulation);
  flag(&StepForm::cycle, &ProgramStep::SetCycle);
  flag(&StepForm::electrodeDown, &ProgramStep::SetElectrodeDown);
  flag(&StepForm::electrodeUp, &ProgramStep::SetElectrodeUp);
  index(&StepForm::range, &ProgramStep::SetValuesRange);
  index(&StepForm::conjunction, &ProgramStep::SetConjunctionType);
  index(&StepForm::measurementType, &ProgramStep::SetMeasurementType);
  index(&StepForm::cycleType, &ProgramStep::SetCycleType);
  index(&StepForm::samplerCell, &ProgramStep::SetSamplerCell);
  if (comments != shown.comments) s.SetComments(comments);
  if (compensation != shown.compensation)
    s.SetCompensation(static_cast<std::uint8_t>(std::clamp(compensation, 0, 255)));

  const bool modeChanged = timeModeOn != shown.timeModeOn || timeModeIndex != shown.timeModeIndex;
  if (modeChanged) s.SetTimeMode(TimeMode());
  if (modeChanged || end != shown.end || rate != shown.rate) {
    const std::int32_t mode = TimeMode();
    s.SetSweepEnd(ProgramStep::IsPointCountMode(mode)
                      ? ProgramStep::SweepEndFromDuration(EditValue(end), EditValue(rate))
                      : EditValue(end));
  }
  if (!cycle) s.SetSkipCycles(0);
  if (StirrerFieldsApply(env)) {
    if (stirrerType != shown.stirrerType) s.SetStirrerType(stirrerType);
    if (stirrerSpeed != shown.stirrerSpeed) s.SetStirrerSpeed(stirrerSpeed);
  }
  s.SetFilterValue(env.filterValue);
  return s;
}

}  // namespace velmora
