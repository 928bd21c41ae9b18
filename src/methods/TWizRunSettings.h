#pragma once

#include <cstdint>
#include <string>

#include "ValueRecord.h"

namespace velmora {

// The settings a run of the measurement wizard works with: the script's
// commands fill them in, the wizard's pages show and edit them, the
// recording and the calculation read them. The values below are those of
// the start of every run.
struct TWizRunSettings {
  static constexpr int kNotStarted = -2;  // cycle counter before the cycle's first pass

  // The position of the command the script is at; -1 before a method is
  // chosen (the welcome page).
  int ProgramCounter = -1;
  bool CycleEntered = false;
  // -2 not started; -1 the control-solution pass; 0 the sample; k >= 1 the
  // k-th addition (or the reference).
  int CycleCounter = kNotStarted;
  // The role of the next recording (0 supporting electrolyte .. 5 reference).
  int MeasurementType = 0;
  // Passes recorded so far and repetitions of the current pass; a new pass
  // opens a new measurement node.
  int PassCount = 0;
  int RepetitionCount = 0;

  std::int32_t ConjunctionType = -1;
  std::int32_t ElectrodeType = -1;
  // 0..5 a built-in method, -1 none or a custom equation.
  std::int32_t CalculationMethod = -1;
  int AdditionsCount = 0;
  // Sample data: [0] sample volume, [1] dilution, [2] ashed mass, [3] ash
  // solution volume, [4] analyte volume, [5] volume in the cell, [6..8]
  // additions, [9] reference; -1 unknown.
  TCalcTable CalcTable{};
  // Additions numerator / denominator, result numerator / denominator.
  TConcUnitsSet Units{-1, -1, -1, -1};
  TPredefPeaks PredefinedPeaks;
  TVAProgramsArray Programs;
  TVAProgramsArray DefaultPrograms;  // for "Reset to default"
  std::int32_t LoopsCount = 1;
  std::int32_t StirrerType = -1;
  std::string SupportingElectrolyte;
  std::int32_t ControlsVisibility = -1;
  TMethodStat Statistics;  // an empty record: custom statistics
  TCustomMethod CustomEquation;
  std::int32_t ControlSolutionOption = 0;
  bool Simulation = false;
  std::int32_t ParallelSamples = 1;
  int CompletedSamples = 0;
  bool ActivationMode = false;
  TActivationData Activation;
  bool RecordingInProgress = false;

  friend bool operator==(const TWizRunSettings&, const TWizRunSettings&) = default;
};

}  // namespace velmora
