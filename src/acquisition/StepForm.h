#pragma once

#include <cstdint>
#include <string>

#include "ProgramStep.h"

namespace velmora {

// What the record-parameters window shows of one program step: the texts of
// its numeric edits as typed, its check boxes and the indices of its lists.
// The conversions to and from the 269-byte step (including the time-mode
// "End" duration) live here, so they are testable without any window.
struct StepForm {
  // What the editor knows beyond the step itself.
  struct Environment {
    bool addOnFitted = false;     // the device reports a stirrer add-on
    bool methodEditMode = false;  // editing a method's programs, no analyzer needed
    int filterValue = 2;          // the shared smoothing filter setting
  };

  // The stirrer type and speed are the step's only when this holds.
  static bool StirrerFieldsApply(const Environment& env) { return env.addOnFitted || env.methodEditMode; }

  // Numeric edits, as typed.
  std::string rate, start, end;
  std::string cleaningPotential, cleaningTime;
  std::string preparation1Potential, preparation1Time;
  std::string preparation2Potential, preparation2Time;
  std::string electrolysisPotential, electrolysisTime;
  std::string mixerDelay, retentionPotential;
  std::string modulationAmplitude, modulationFrequency;
  std::string cycleCount, skipCycles;
  std::string comments;

  bool mixer = false;
  bool retention = false;
  bool modulation = false;
  bool cycle = false;
  bool timeModeOn = false;
  bool electrodeDown = false;
  bool electrodeUp = false;

  int range = 3;            // "Range" list, ValuesRange
  int conjunction = 1;      // "Conjunction type" list
  int measurementType = 0;  // "Measurment type" list
  int cycleType = 0;        // 0 "Half", 1 "Full"
  int timeModeIndex = 0;    // list index; TimeMode = index + 1 when checked
  int samplerCell = 0;      // "Cell number" list: 0 "---", 1..15
  int stirrerType = 0;      // "Mixer mode" list
  int stirrerSpeed = 1000;  // "Rotation speed (rpm)"
  int compensation = 0;     // 0..127
  int filterValue = 2;      // "Input filter" 0..30

  static constexpr int kTimeModeCount = 5;  // "I(t)" .. "Impuls(t)"
  static constexpr int kImpulsIndex = 4;
  static constexpr int kActivationIndex = 3;
  static constexpr std::size_t kCommentsLimit = 64;  // what the comment edit takes

  // The TimeMode the form stands for: 0 unchecked, else list index + 1.
  std::int32_t TimeMode() const { return timeModeOn ? timeModeIndex + 1 : 0; }

  // An integer edit's value: the typed integer, 0 for anything else
  // (empty, "1.5", out of the 32-bit range).
  static std::int32_t EditValue(const std::string& text);

  // ShowStep: the form for `step`. In the time modes 1..3 "End" shows the
  // duration in seconds. The "Mixer mode" list shows item 0 when the
  // stirrer fields do not apply. The filter shows the step's own value.
  static StepForm FromStep(const ProgramStep& step, const Environment& env);

  // StoreStep: `stored` with every field the form edits replaced. Bytes the
  // form has no control for (reserved fields, Reserved53) keep their values;
  // so do the stirrer type and speed when the stirrer fields do not apply.
  // When the duration, the rate and the time mode are as `shown` had them,
  // the stored SweepEnd is kept (the duration shown is rounded down, so
  // converting it back would shorten the step). FilterValue is the shared
  // filter setting of `env`.
  ProgramStep ToStep(const ProgramStep& stored, const StepForm& shown, const Environment& env) const;

  friend bool operator==(const StepForm&, const StepForm&) = default;
};

}  // namespace velmora
