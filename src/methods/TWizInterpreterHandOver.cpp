#include <algorithm>
#include <cstddef>

#include "FormatError.h"
#include "IWizardPages.h"
#include "IWizardRecording.h"
#include "MessageSink.h"
#include "Messages.h"
#include "RecordPeaks.h"
#include "TMethodsLibrary.h"
#include "TVAStruct.h"
#include "TWizInterpreter.h"

// The hand-overs between the run and the rest of the program: the end of a
// recording, which gives the recorded curves the run's calculation
// settings, and the end of the script, which may save the run as a new
// method.

namespace velmora {

TCalcTable TWizInterpreter::CurveVolumes(const TCalcTable& table) {
  TCalcTable volumes = table;
  const double prepared = table[kTableAnalyteVolume];
  const double inCell = table[kTableAnalyteInCell];
  const double sample = table[kTableSampleVolume];
  // The part of the sample that reached the cell; unknown (-1) when the
  // prepared or the poured volume is not known, so that no division by
  // zero reaches the calculation.
  if (prepared > 0.0 && inCell > 0.0) {
    if (sample > 0.0) volumes[kTableSampleVolume] = sample / (prepared / inCell);
  } else if (sample > 0.0) {
    volumes[kTableSampleVolume] = -1.0;
  }
  return volumes;
}

void TWizInterpreter::ApplyToCurves(std::span<TVAStruct* const> curves) const {
  const TWizRunSettings& s = settings_;
  const TCalcTable volumes = CurveVolumes(s.CalcTable);
  const bool custom = s.CalculationMethod < 0 && !s.CustomEquation.Formula.empty();
  for (TVAStruct* curve : curves) {
    if (curve == nullptr) continue;
    std::copy(volumes.begin(), volumes.end(), curve->Volumes.begin());
    curve->ResUnitTop = s.Units[0];
    curve->ResUnitBottom = s.Units[1];
    curve->RecalcUnitTop = s.Units[2];
    curve->RecalcUnitBottom = s.Units[3];
    curve->CalculationMethod = s.CalculationMethod;
    curve->HasCustomMethod = custom ? 1 : 0;
    if (custom) curve->CustomMethod = s.CustomEquation;
    for (const TPredefPeak& peak : s.PredefinedPeaks) curve->SetAdditionConc(peak.Name, peak.AdditionConc);
  }
  const int invert = PredefInvertFlag(s.PredefinedPeaks);
  const int calcType = recording_.PeakCalcType();
  for (std::size_t i = static_cast<std::size_t>(std::max(s.CycleCounter, 0)); i < curves.size(); ++i) {
    if (curves[i] != nullptr) AutoSearchPeaks(*curves[i], invert, s.PredefinedPeaks, calcType);
  }
}

std::vector<TVAStruct*> TWizInterpreter::RecordingFinished(std::span<TVAStruct* const> curves) {
  std::vector<TVAStruct*> changed;
  if (finished_ || !settings_.RecordingInProgress) return changed;
  settings_.RecordingInProgress = false;
  pages_.RefreshMeasurementNode();
  if (!settings_.PredefinedPeaks.empty()) recording_.SetPeakCalcType(settings_.PredefinedPeaks.front().CalcType);
  if (!settings_.ActivationMode) {
    ApplyToCurves(curves);
    std::copy_if(curves.begin(), curves.end(), std::back_inserter(changed), [](TVAStruct* c) { return c != nullptr; });
  }
  if (settings_.Simulation) {
    pages_.RepeatPageShow();
  } else {
    Next();
  }
  return changed;
}

TWizSteps TWizInterpreter::RunScript() const {
  const TWizRunSettings& s = settings_;
  const TWizSteps& script = method_.Script;
  TWizSteps rebuilt;
  rebuilt.reserve(script.size());
  for (std::size_t i = 0; i < script.size(); ++i) {
    const ValueRecord& original = script[i];
    ValueRecord command;
    command.Type = original.Type;
    switch (original.Type) {
      case kStepStageName:
      case kStepDummyData:
      case kStepActivation:
        command = original;
        break;
      case kStepActivePage:
        command.Value = original.Value;
        break;
      case kStepConjunctionType:
        command.Value = s.ConjunctionType;
        break;
      case kStepElectrodeType:
        command.Value = s.ElectrodeType;
        break;
      case kStepCalcMethod:
        command.Value = s.CalculationMethod;
        break;
      case kStepLoopsCount:
        command.Value = s.LoopsCount;
        break;
      case kStepStirrerType:
        command.Value = s.StirrerType;
        break;
      case kStepSupportingElectrolyte:
        command.Text = s.SupportingElectrolyte;
        break;
      case kStepControlsVisibility:
        command.Value = s.ControlsVisibility;
        break;
      case kStepControlSolution:
        command.Value = s.ControlSolutionOption;
        break;
      case kStepParallelSamples:
        command.Value = s.ParallelSamples;
        break;
      case kStepCalcTable:
        command.CalcTable = s.CalcTable;
        break;
      case kStepConcUnits:
        command.Units = s.Units;
        break;
      case kStepPredefPeaks:
        command.Peaks = s.PredefinedPeaks;
        break;
      case kStepStatistics:
        if (!(s.Statistics == TMethodStat{})) command.Statistics = s.Statistics;
        break;
      case kStepCustomEquation:
        command.Equation = s.CustomEquation;
        break;
      case kStepProgram: {
        command.Programs = original.Programs;
        // The latest edit made while this command's programs were the run's.
        for (const ProgramEdit& edit : programEdits_) {
          int owner = std::min(edit.Counter, static_cast<int>(script.size()) - 1);
          while (owner >= 0 && script[static_cast<std::size_t>(owner)].Type != kStepProgram) --owner;
          if (owner == static_cast<int>(i)) command.Programs = edit.Programs;
        }
        break;
      }
      default:
        break;
    }
    rebuilt.push_back(std::move(command));
  }
  return rebuilt;
}

bool TWizInterpreter::SaveChangedMethod() {
  if (library_ == nullptr) return false;
  const TLocalizedMethod* entry = method_.Localization(languageId_);
  const std::optional<std::string> name = pages_.AskMethodName(entry != nullptr ? entry->Title : std::string{});
  if (!name) return false;
  TMethod copy = method_;
  copy.Script = RunScript();
  try {
    const std::filesystem::path file =
        library_->SaveNew(copy, *name, customMethods_ != nullptr ? *customMethods_ : TCustomMethodArr{});
    pages_.MethodSaved(file.string());
    return true;
  } catch (const EFormatError& e) {
    sink_.error(e.message());
  } catch (const std::exception& e) {
    sink_.error(Message(msg::CannotCreateFile, {library_->RecordFolder().string(), e.what()}));
  }
  return false;
}

}  // namespace velmora
