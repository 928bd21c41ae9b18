#include "TWizInterpreter.h"

#include <algorithm>
#include <string>

#include "FlagScope.h"
#include "IWizardPages.h"
#include "IWizardRecording.h"
#include "MessageSink.h"
#include "Messages.h"

namespace velmora {

namespace {

constexpr std::size_t kTitleCharacters = 128;

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) {
      if (chars == count) return text.substr(0, i);
      ++chars;
    }
  }
  return text;
}

}  // namespace

TWizInterpreter::TWizInterpreter(IWizardPages& pages, IWizardRecording& recording, IMessageSink& sink)
    : pages_(pages), recording_(recording), sink_(sink) {}

void TWizInterpreter::Start(const TMethod& method) {
  method_ = method;
  settings_ = TWizRunSettings{};
  programEdits_.clear();
  userChanged_ = false;
  finished_ = false;
  lastMarkedStage_ = -2;
  settings_.ProgramCounter = 0;
  Run();
}

void TWizInterpreter::Reset() {
  settings_ = TWizRunSettings{};
  programEdits_.clear();
  userChanged_ = false;
  finished_ = false;
  lastMarkedStage_ = -2;
}

void TWizInterpreter::Next() {
  if (finished_) return;
  ++settings_.ProgramCounter;
  Run();
}

void TWizInterpreter::Run() {
  // A move made while commands are being performed (a window that answers
  // a command with Next, a recording that fails at once) has set the
  // counter: the loop already running goes on from there.
  if (running_) {
    redirected_ = true;
    return;
  }
  if (finished_ || settings_.ProgramCounter < 0) return;
  FlagScope guard(running_);
  while (true) {
    int& counter = settings_.ProgramCounter;
    if (counter < 0) return;  // moved back to the welcome page meanwhile
    if (counter >= CommandCount()) {
      FinishScript();
      return;
    }
    const ValueRecord& command = method_.Script[static_cast<std::size_t>(counter)];
    if (command.Type == kStepWait) {
      const int stage = CurrentStage();
      if (stage != lastMarkedStage_) {
        lastMarkedStage_ = stage;
        pages_.MarkStage(stage);
      }
      return;
    }
    redirected_ = false;
    if (command.Type == kStepEndCycle) {
      if (EndCycle()) continue;
    } else {
      Perform(command);
    }
    if (finished_) return;
    if (!redirected_) ++counter;
  }
}

void TWizInterpreter::Perform(const ValueRecord& command) {
  TWizRunSettings& s = settings_;
  switch (command.Type) {
    case kStepActivePage:
      pages_.ShowPage(command.Value);
      break;
    case kStepConjunctionType:
      s.ConjunctionType = command.Value;
      break;
    case kStepElectrodeType:
      s.ElectrodeType = command.Value;
      break;
    case kStepBeginCycle:
      BeginCycle();
      break;
    case kStepCalcMethod:
      s.CalculationMethod = command.Value;
      s.AdditionsCount = command.Value == 0 ? 1 : (command.Value == 1 || command.Value == 2) ? 3 : 0;
      break;
    case kStepCalcTable:
      s.CalcTable = command.CalcTable;
      break;
    case kStepConcUnits:
      s.Units = command.Units;
      break;
    case kStepPredefPeaks:
      if (!command.Peaks.empty()) recording_.SetPeakCalcType(command.Peaks.front().CalcType);
      s.PredefinedPeaks = command.Peaks;
      break;
    case kStepProgram:
      SetPrograms(command.Programs);
      break;
    case kStepLoopsCount:
      s.LoopsCount = command.Value;
      break;
    case kStepStirrerType:
      s.StirrerType = command.Value;
      break;
    case kStepSupportingElectrolyte:
      s.SupportingElectrolyte = command.Text;
      break;
    case kStepControlsVisibility:
      s.ControlsVisibility = command.Value;
      break;
    case kStepStatistics:
      s.Statistics = command.Statistics.value_or(TMethodStat{});
      break;
    case kStepCustomEquation:
      s.CustomEquation = command.Equation;
      s.CalculationMethod = -1;
      break;
    case kStepStartRecord:
      for (TSingleProgramArray& program : s.Programs) {
        for (ProgramStep& step : program) step.SetMeasurementType(s.MeasurementType);
      }
      s.RecordingInProgress = true;
      // A simulation replays stored data; the wizard's replay hands over.
      if (!s.Simulation) recording_.StartRecording(s.Programs, s.LoopsCount);
      break;
    case kStepControlSolution:
      s.ControlSolutionOption = command.Value;
      break;
    case kStepSimulation:
      s.Simulation = true;
      break;
    case kStepDummyData:
      if (command.Dummy.MeasurementType == s.MeasurementType) {
        for (int loop = 0; loop < s.LoopsCount; ++loop) recording_.ReplayRecording(command.Dummy.Points);
      }
      break;
    case kStepParallelSamples:
      s.ParallelSamples = command.Value;
      break;
    case kStepActivation:
      s.ActivationMode = true;
      s.Activation = command.Activation;
      break;
    default:  // stage names and commands of unknown types do nothing
      break;
  }
}

void TWizInterpreter::BeginCycle() {
  TWizRunSettings& s = settings_;
  s.CycleEntered = true;
  if (s.CycleCounter != TWizRunSettings::kNotStarted) return;
  if (s.ActivationMode) {
    s.CycleCounter = 0;
    return;
  }
  if (!pages_.RecordControlSolutionChecked()) s.ControlSolutionOption = 0;
  s.CycleCounter = s.ControlSolutionOption > 0 ? -1 : 0;
}

bool TWizInterpreter::CycleComplete(std::int32_t calcMethod, int cycleCounter, int additionsCount) {
  switch (calcMethod) {
    case 0:
    case 1:
      return cycleCounter >= additionsCount + 1;
    case 2:
      return cycleCounter >= 4;
    case 3:
      return cycleCounter >= 2;
    case 5:
      return cycleCounter >= 1;
    default:  // the calibration curve and custom equations: the user leaves
      return false;
  }
}

bool TWizInterpreter::EndCycle() {
  TWizRunSettings& s = settings_;
  const int end = s.ProgramCounter;
  ++s.CycleCounter;
  ++s.MeasurementType;
  ++s.PassCount;
  s.RepetitionCount = 0;
  if (s.ActivationMode) {
    s.ActivationMode = false;
    s.CycleCounter = TWizRunSettings::kNotStarted;
    pages_.ForgetMeasurementNode();
    return false;
  }
  const int begin = FindCycleBegin(end);
  if (!CycleComplete(s.CalculationMethod, s.CycleCounter, s.AdditionsCount)) {
    // A cycle that only the user can leave needs a wait to leave it at;
    // without one the run would never return, so it goes on after it.
    if (begin < 0 || !CycleWaits(begin, end)) return false;
    s.ProgramCounter = begin;
    return true;
  }
  ++s.CompletedSamples;
  sink_.information(
      Message(msg::ParallelSampleCompleted, {std::to_string(s.CompletedSamples), std::to_string(s.ParallelSamples)}));
  if (s.CompletedSamples < s.ParallelSamples && begin >= 0) {
    pages_.ForgetMeasurementNode();
    s.CycleCounter = TWizRunSettings::kNotStarted;
    s.ProgramCounter = begin;
    return true;
  }
  return false;
}

void TWizInterpreter::SetPrograms(const TVAProgramsArray& programs) {
  TWizRunSettings& s = settings_;
  s.Programs = programs;
  // A method of one measurement names it: the step's comment takes the
  // method's title in the current language.
  if (s.Programs.size() == 1 && s.Programs.front().size() == 1) {
    if (const TLocalizedMethod* entry = method_.Localization(languageId_)) {
      s.Programs.front().front().SetComments(FirstCharacters(entry->Title, kTitleCharacters));
    }
  }
  pages_.ProgramsChanged();
  s.DefaultPrograms = s.Programs;
}

void TWizInterpreter::FinishScript() {
  finished_ = true;
  if (!settings_.Simulation && askMethodChange_ != nullptr && *askMethodChange_) {
    const TWizSteps rebuilt = RunScript();
    bool programsChanged = false;
    for (std::size_t i = 0; i < rebuilt.size(); ++i) {
      if (rebuilt[i].Type == kStepProgram && !(rebuilt[i].Programs == method_.Script[i].Programs)) {
        programsChanged = true;
      }
    }
    if (userChanged_ || programsChanged) {
      switch (sink_.askYesNoCancel(msg::MethodSettingsChanged)) {
        case Answer::Cancel:
          *askMethodChange_ = false;
          break;
        case Answer::Yes:
          SaveChangedMethod();
          break;
        case Answer::No:
          break;
      }
    }
  }
  pages_.ScriptFinished();
}

const ValueRecord* TWizInterpreter::CurrentCommand() const {
  const int counter = settings_.ProgramCounter;
  if (counter < 0 || counter >= CommandCount()) return nullptr;
  return &method_.Script[static_cast<std::size_t>(counter)];
}

int TWizInterpreter::CurrentStage() const {
  const int last = std::min(settings_.ProgramCounter, CommandCount() - 1);
  int names = 0;
  for (int i = 0; i <= last; ++i) {
    if (method_.Script[static_cast<std::size_t>(i)].Type == kStepStageName) ++names;
  }
  return names - 1;
}

std::vector<TWizStage> TWizInterpreter::StageTree(const TWizSteps& script) {
  std::vector<TWizStage> stages;
  int lastTop = -1;
  int cycleParent = -1;
  bool inCycle = false;
  for (std::size_t i = 0; i < script.size(); ++i) {
    switch (script[i].Type) {
      case kStepStageName:
        stages.push_back({i, inCycle ? cycleParent : -1});
        if (!inCycle) lastTop = static_cast<int>(stages.size()) - 1;
        break;
      case kStepBeginCycle:
        if (!inCycle) cycleParent = lastTop;
        inCycle = true;
        break;
      case kStepEndCycle:
        inCycle = false;
        break;
      default:
        break;
    }
  }
  return stages;
}

}  // namespace velmora
