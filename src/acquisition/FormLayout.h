#pragma once

#include "ProgramStep.h"
#include "StepForm.h"

namespace velmora {

// Which controls of the record-parameters window are shown and enabled, and
// the captions of the sweep fields, for a form in a given situation. The
// window applies it after every change; tests check it without widgets.
struct FormLayout {
  // Sweep captions and units (catalogue texts; null unit = no unit shown).
  const char* rateCaption = nullptr;
  const char* rateUnit = nullptr;
  const char* startCaption = nullptr;
  const char* startUnit = nullptr;
  const char* endCaption = nullptr;
  const char* endUnit = nullptr;
  const char* modulationTitle = nullptr;
  bool rateVisible = true;
  // "Impuls(t)" switches modulation on.
  bool forceModulation = false;

  // Enable rules.
  bool mixerDelayEnabled = false;
  bool retentionPotentialEnabled = false;
  bool modulationFieldsEnabled = false;
  bool cycleFieldsEnabled = false;
  bool timeModeListEnabled = false;
  bool samplerFieldsEnabled = false;  // "Cell number", electrode down / up
  bool stirrerTypeEnabled = false;    // "Mixer mode"
  bool stirrerSpeedEnabled = false;   // "Rotation speed (rpm)"

  // Groups shown (all of them unless the compact view hides some).
  bool cleaningVisible = true;
  bool preparation1Visible = true;
  bool preparation2Visible = true;
  bool electrolysisVisible = true;
  bool mixerGroupVisible = true;
  bool retentionGroupVisible = true;
  bool sweepGroupsVisible = true;  // sweep, range, measurement type and comments
  bool modulationGroupVisible = true;
  bool cycleGroupVisible = true;
  bool timeGroupVisible = true;

  // `step` is the step as stored (the compact view looks at it); the
  // sampler fields need an autosampler or the method edit mode.
  static FormLayout Compute(const StepForm& form, const ProgramStep& step, const StepForm::Environment& env,
                            bool samplerPresent, bool compactView);
};

}  // namespace velmora
