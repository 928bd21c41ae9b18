#include "FormLayout.h"

#include "Messages.h"

namespace velmora {

FormLayout FormLayout::Compute(const StepForm& form, const ProgramStep& step, const StepForm::Environment& env,
                               bool samplerPresent, bool compactView) {
  FormLayout l;
  const std::int32_t mode = form.TimeMode();
  l.rateCaption = msg::RecCaptionRate;
  l.rateUnit = msg::RecUnitMvPerSec;
  l.startCaption = msg::RecCaptionStart;
  l.startUnit = msg::RecUnitMv;
  l.endCaption = msg::RecCaptionEnd;
  l.endUnit = msg::RecUnitMv;
  l.modulationTitle = msg::RecModulationGroup;
  bool modulationOn = form.modulation;
  if (mode == StepForm::kActivationIndex + 1) {
    l.rateUnit = msg::RecUnitVPerSec;
  } else if (mode == StepForm::kImpulsIndex + 1) {
    l.cycleGroupVisible = false;
    l.rateCaption = msg::RecCaptionRange;
    l.rateUnit = msg::RecUnitMsec;
    l.endCaption = msg::RecCaptionN;
    l.endUnit = nullptr;
    l.startCaption = msg::RecCaptionPotential;
    l.modulationTitle = msg::RecImpulsGroup;
    l.forceModulation = true;
    modulationOn = true;
  } else if (ProgramStep::IsPointCountMode(mode)) {
    l.rateCaption = msg::RecCaptionDiscrete;
    l.rateUnit = msg::RecUnitMsec;
    l.endCaption = msg::RecCaptionMeasurmentTime;
    l.endUnit = msg::RecUnitSec;
    l.startCaption = msg::RecCaptionPotential;
    l.rateVisible = !form.modulation;
  }

  l.mixerDelayEnabled = form.mixer;
  l.retentionPotentialEnabled = form.retention;
  l.modulationFieldsEnabled = modulationOn;
  l.cycleFieldsEnabled = form.cycle;
  l.timeModeListEnabled = form.timeModeOn;
  l.samplerFieldsEnabled = samplerPresent || env.methodEditMode;
  l.stirrerTypeEnabled = StepForm::StirrerFieldsApply(env);
  l.stirrerSpeedEnabled = l.stirrerTypeEnabled && form.stirrerType > 0;

  if (compactView) {
    l.cleaningVisible = step.CleaningTime() > 0;
    l.preparation1Visible = step.Preparation1Time() > 0;
    l.preparation2Visible = step.Preparation2Time() > 0;
    l.electrolysisVisible = step.ElectrolysisTime() > 0;
    l.mixerGroupVisible = step.Stirrer();
    l.retentionGroupVisible = step.Retention();
    l.sweepGroupsVisible = step.SweepStart() != step.SweepEnd();
    l.modulationGroupVisible = step.Modulation();
    l.cycleGroupVisible = l.cycleGroupVisible && step.Cycle();
    l.timeGroupVisible = step.TimeMode() > 0;
  }
  return l;
}

}  // namespace velmora
